// The names of the program's sound files and show-board pictures: a folder, a fixed prefix, the
// code or character, and the extension, joined as they are. Files are found without regard to
// letter case, so one file serves a small letter and its capital.
#include <charconv>
#include <cmath>

#include "forms/lang.h"
#include "shell/sounds.h"
#include "shell/startup.h"
#include "shell/user_set.h"
#include "tracing/alpha_data.h"

namespace {

std::string App(const std::string& name) {
    return PathSoundsApp + "\\" + name + ".Wav";
}

// A number as decimal text without sign or spaces.
std::string NumberText(double v) {
    const double whole = std::trunc(v);
    if (whole == v && std::fabs(v) < 1e15) return forms::CStr(static_cast<int64_t>(std::fabs(v)));
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, std::fabs(v));
    return std::string(buf, r.ptr);
}

bool Numbers() {
    return Settings.AlphabetType == 3;
}

// The number on the board: its one or two characters joined.
std::string NumberOnBoard() {
    return forms::Trim(AlphaCur.Alpha + AlphaCur2.Alpha);
}

} // namespace

std::string HoverSoundFile(int16_t group, int16_t item) {
    if (item == siClose) return App("MnuClose");
    if (item == siHeading) return group >= 0 ? App("Mnu" + forms::CStr(group)) : "";
    if (item < 0) return "";
    switch (group) {
    case sgLessons:
        return App("MnuLes" + forms::CStr(item));
    case sgMusic:
        return App("MnuMus" + forms::CStr(item));
    case sgLevel:
        return App("MnuLevel" + forms::CStr(item));
    case sgAlphabet:
        return App("MnuAlpha" + forms::CStr(item));
    case sgCompletion:
        switch (item) {
        case scTraceDone:
            return App("CompTrc");
        case scPuzzleDone:
            return App("CompPuz");
        case scTraceWellDone:
            return App("CompWDTrc");
        case scPuzzleWellDone:
            return App("CompWDPuz");
        case scOK:
            return App("CompOK");
        default:
            return "";
        }
    case sgPassWord:
        switch (item) {
        case spLock:
            return App("PWLock");
        case spOK:
            return App("PWOK");
        case spCancel:
            return App("PWCancel");
        case spPrompt:
            return App("PW");
        case spPlease:
            return App("PWPlease");
        case spIncorrect:
            return App("PWIncorrect");
        default:
            return "";
        }
    default:
        return "";
    }
}

std::string MainMenuSoundFile(int16_t i) {
    return i >= 0 && i <= 4 ? App("Mnu" + forms::CStr(i)) : "";
}

std::string SubMenuSoundFile(int16_t i) {
    return i >= 0 && i <= 3 ? App("SubMnu" + forms::CStr(i)) : "";
}

std::string PuzzleMenuSoundFile(double v) {
    return v > -1 && v < 4 ? App("PuzMnu" + NumberText(v)) : "";
}

std::string UISoundFile(int16_t code) {
    switch (code) {
    case usMenuPress:
    case usClose:
    case usPickerClick:
    case usColorApplied:
        return App("SndPlonk");
    case usPickerMove:
        return App("SndCPMove");
    case usHint:
        return App("SndCPOver");
    default:
        return "";
    }
}

std::string EncouragementFile(int16_t code, double random) {
    if (code < 1) return App("Encrg" + forms::CStr(static_cast<int64_t>(random * 10)));
    if (code == scTraceWellDone) return App("CompWDTrc");
    if (code == scPuzzleWellDone) return App("CompWDPuz");
    return "";
}

// The folder goes by the text itself: a number is spoken from the numbers' folder.
std::string BasicSpeechFile(const std::string& text) {
    const std::string t = forms::Trim(text);
    const std::string& folder = forms::IsNumeric(t) ? PathSoundsNumbers : PathSoundsAlphabets;
    return folder + "\\" + "Basic_" + t + ".Wav";
}

// A number's word is its name: up to ten its sentence says it, above ten its basic sound.
std::string WordSpeechFile() {
    if (!Numbers())
        return PathSoundsAlphabets + "\\" + "Word_" + forms::Trim(AlphaCur.Alpha) + ".Wav";
    const std::string n = NumberOnBoard();
    if (!forms::IsNumeric(n)) return "";
    const char* prefix = forms::CDbl(n) >= 11 ? "Basic_" : "Sentence_";
    return PathSoundsNumbers + "\\" + prefix + n + ".Wav";
}

std::string SentenceSpeechFile() {
    if (!Numbers())
        return PathSoundsAlphabets + "\\" + "Sentence_" + forms::Left(AlphaCur.Alpha, 1) + ".Wav";
    return PathSoundsNumbers + "\\" + "Sentence_" + NumberOnBoard() + ".Wav";
}

// Letters show their picture; numbers up to ten theirs (numbers above ten show a sum instead).
std::string ShowBoardPictureFile() {
    if (!Numbers()) return PathImages + "\\" + AlphaCur.Alpha + ".jpg";
    const std::string n = NumberOnBoard();
    if (!forms::IsNumeric(n)) return "";
    return PathImages + "\\" + forms::CStr(forms::CInt(n)) + ".jpg";
}
