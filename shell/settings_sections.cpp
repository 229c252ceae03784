// The section procedures: one per section of the settings file, in the file's order.
#include "shell/settings_apply.h"
#include "shell/user_set.h"

#include "forms/lang.h"

using forms::Flag;
using forms::vbFalse;
using forms::vbTrue;

namespace {

void WriteHeader(const char* name) {
    IniText += "[";
    IniText += name;
    IniText += "]\r\n";
}
void WriteValue(const std::string& key, const std::string& value) {
    IniText += key;
    IniText += "=";
    IniText += value;
    IniText += "\r\n";
}
void WriteNumber(const std::string& key, int64_t value) {
    WriteValue(key, forms::Trim(forms::CStr(value)));
}
void WriteFlag(const std::string& key, Flag value) {
    WriteValue(key, forms::FlagText(value));
}
void EndSection() {
    IniText += "\r\n";
}

// Converts the value of key; a key that is missing or a value that does not convert is refused
// with the conversion's error (13, or 6 for a number too big), naming the key and what is wrong
// with it. typeRange is what the field holds, for a number that overflows it.
template <typename Convert>
auto ReadConverted(const std::string& key, Convert convert, const char* notConverted,
                   const char* typeRange) {
    const std::string value = GetIniValue(key);
    try {
        return convert(value);
    } catch (const forms::RuntimeError& e) {
        if (value.empty() && !HasIniKey(key)) RefuseSetting(e.Number(), key + " is missing");
        if (value.empty()) RefuseSetting(e.Number(), key + " has no value");
        RefuseSetting(e.Number(),
                      key + "=" + value + " is " +
                          (e.Number() == forms::errOverflow ? std::string("outside ") + typeRange
                                                            : std::string(notConverted)));
    }
}

int16_t ReadInteger(const std::string& key) {
    return ReadConverted(
        key, [](const std::string& v) { return forms::CInt(v); }, "not a number",
        "-32768 to 32767");
}
int32_t ReadLong(const std::string& key) {
    return ReadConverted(
        key, [](const std::string& v) { return forms::CLng(v); }, "not a number",
        "-2147483648 to 2147483647");
}
Flag ReadFlag(const std::string& key) {
    return ReadConverted(
        key, [](const std::string& v) { return forms::CBool(v); }, "not True or False", "");
}
std::string ReadText(const std::string& key) {
    return GetIniValue(key);
}

std::string SpeakingKey(int i) {
    return "Speaking" + forms::CStr(i);
}
std::string SMButtonKey(int i) {
    return "SMButton" + forms::CStr(i);
}

// Menu-button keys in the order written, with the MenuIndex each one stands for.
struct MenuKey {
    const char* key;
    int index;
};
constexpr MenuKey kMenuKeys[] = {
    {"ButtonMusic", 2},  {"ButtonAlphaType", 4}, {"ButtonLevel", 3},
    {"ButtonChoice", 1}, {"ButtonOptions", 0},
};

// The first character of the trimmed, upper-cased letter.
std::string LessonLetter(const std::string& s) {
    return forms::Left(forms::UCase(forms::Trim(s)), 1);
}

} // namespace

void SectionSpeakingOptions(int16_t mode, UserSet& dst, const UserSet& src) {
    switch (mode) {
    case umDefaults:
        for (int i = 0; i <= 6; i++)
            dst.Speaking(i) = i < 6 ? vbTrue : vbFalse;
        break;
    case umCopy:
        dst.Speaking = src.Speaking;
        break;
    case umWrite:
        WriteHeader("Speaking Options");
        for (int i = 0; i <= 6; i++)
            WriteFlag(SpeakingKey(i), src.Speaking(i));
        EndSection();
        break;
    case umRead:
        for (int i = 0; i <= 6; i++)
            dst.Speaking(i) = ReadFlag(SpeakingKey(i));
        break;
    default:
        break;
    }
}

void SectionLessonInfo(int16_t mode, UserSet& dst, const UserSet& src) {
    switch (mode) {
    case umDefaults:
        dst.LessonID = lsTracing;
        break;
    case umCopy:
        dst.LessonID = src.LessonID;
        break;
    case umWrite:
        WriteHeader("Lesson Info");
        WriteNumber("LessonID", src.LessonID);
        EndSection();
        break;
    case umRead:
        dst.LessonID = ReadInteger("LessonID");
        break;
    default:
        break;
    }
}

void SectionAlphabetColors(int16_t mode, UserSet& dst, const UserSet& src) {
    switch (mode) {
    case umDefaults: // ColorCircleOL2 keeps whatever it holds
        dst.ColorCircle = 0xFFFFFF;
        dst.ColorCircleHL = 255;
        dst.ColorCircleOL = 0;
        dst.ColorLine = 0xFFFFFF;
        dst.ColorLineHL = 0xFF9966;
        dst.ColorLinePrompt = 0xBBBBBB;
        dst.ColorHelp = 0xD7D586;
        break;
    case umCopy:
        dst.ColorCircle = src.ColorCircle;
        dst.ColorCircleHL = src.ColorCircleHL;
        dst.ColorCircleOL = src.ColorCircleOL;
        dst.ColorCircleOL2 = src.ColorCircleOL2;
        dst.ColorLine = src.ColorLine;
        dst.ColorLineHL = src.ColorLineHL;
        dst.ColorLinePrompt = src.ColorLinePrompt;
        dst.ColorHelp = src.ColorHelp;
        break;
    case umWrite:
        WriteHeader("Alphabet Colors");
        WriteNumber("ColorLine", src.ColorLine);
        WriteNumber("ColorLineHL", src.ColorLineHL);
        WriteNumber("ColorLinePrompt", src.ColorLinePrompt);
        WriteNumber("ColorCircle", src.ColorCircle);
        WriteNumber("ColorCircleHL", src.ColorCircleHL);
        WriteNumber("ColorCircleOL", src.ColorCircleOL);
        WriteValue("ColorCircleOL2", src.ColorCircleOL2);
        WriteNumber("ColorHelp", src.ColorHelp);
        EndSection();
        break;
    case umRead:
        dst.ColorLine = ReadLong("ColorLine");
        dst.ColorLineHL = ReadLong("ColorLineHL");
        dst.ColorLinePrompt = ReadLong("ColorLinePrompt");
        dst.ColorCircle = ReadLong("ColorCircle");
        dst.ColorCircleHL = ReadLong("ColorCircleHL");
        dst.ColorCircleOL = ReadLong("ColorCircleOL");
        dst.ColorCircleOL2 = ReadText("ColorCircleOL2");
        dst.ColorHelp = ReadLong("ColorHelp");
        break;
    default:
        break;
    }
}

void SectionAnimationSpeed(int16_t mode, UserSet& dst, const UserSet& src) {
    switch (mode) {
    case umDefaults:
        dst.AnimSpeed = 40;
        break;
    case umCopy:
        dst.AnimSpeed = src.AnimSpeed;
        break;
    case umApply:
        ApplyAnimInterval(src.AnimSpeed);
        break;
    case umWrite:
        WriteHeader("Animation Speed");
        WriteNumber("AnimSpeed", src.AnimSpeed);
        EndSection();
        break;
    case umRead:
        dst.AnimSpeed = ReadInteger("AnimSpeed");
        break;
    default:
        break;
    }
}

void SectionWordColors(int16_t mode, UserSet& dst, const UserSet& src) {
    switch (mode) {
    case umDefaults:
        dst.ColorWord = 0xFFFF;
        dst.ColorWordShadow = 0;
        break;
    case umCopy:
        dst.ColorWord = src.ColorWord;
        dst.ColorWordShadow = src.ColorWordShadow;
        break;
    case umApply:
        ApplyWordColors(src.ColorWord, src.ColorWordShadow);
        break;
    case umWrite:
        WriteHeader("Word Colors");
        WriteNumber("ColorWord", src.ColorWord);
        WriteNumber("ColorWordShadow", src.ColorWordShadow);
        EndSection();
        break;
    case umRead:
        dst.ColorWord = ReadLong("ColorWord");
        dst.ColorWordShadow = ReadLong("ColorWordShadow");
        break;
    default:
        break;
    }
}

void SectionLabelColors(int16_t mode, UserSet& dst, const UserSet& src) {
    switch (mode) {
    case umDefaults:
        dst.ColorText = 0xFFFFFF;
        dst.ColorTextHL = 0;
        dst.ColorTextDisabled = forms::RGB(204, 204, 204);
        dst.ColorText4 = 0;
        break;
    case umCopy:
        dst.ColorText = src.ColorText;
        dst.ColorTextHL = src.ColorTextHL;
        dst.ColorTextDisabled = src.ColorTextDisabled;
        dst.ColorText4 = src.ColorText4;
        break;
    case umApply:
        ApplyLabelColors();
        break;
    case umWrite:
        WriteHeader("Label Colors");
        WriteNumber("ColorText", src.ColorText);
        WriteNumber("ColorTextHL", src.ColorTextHL);
        EndSection();
        break;
    case umRead:
        dst.ColorText = ReadLong("ColorText");
        dst.ColorTextHL = ReadLong("ColorTextHL");
        dst.ColorTextDisabled = forms::RGB(204, 204, 204);
        dst.ColorText4 = 0;
        break;
    default:
        break;
    }
}

void SectionAllowColorChanging(int16_t mode, UserSet& dst, const UserSet& src) {
    switch (mode) {
    case umDefaults:
        dst.AllowColor = vbTrue;
        break;
    case umCopy:
        dst.AllowColor = src.AllowColor;
        break;
    case umWrite:
        WriteHeader("Allow Color Changing");
        WriteFlag("AllowColor", src.AllowColor);
        EndSection();
        break;
    case umRead:
        dst.AllowColor = ReadFlag("AllowColor");
        break;
    default:
        break;
    }
}

void SectionBackGroundColor(int16_t mode, UserSet& dst, const UserSet& src) {
    switch (mode) {
    case umDefaults:
        dst.BGColor = 0x9999FF;
        break;
    case umCopy:
        dst.BGColor = src.BGColor;
        break;
    case umApply:
        ApplyBoardColors(src.BGColor);
        break;
    case umWrite:
        WriteHeader("BackGround Color");
        WriteNumber("BGColor", src.BGColor);
        EndSection();
        break;
    case umRead:
        dst.BGColor = ReadLong("BGColor");
        break;
    default:
        break;
    }
}

void SectionStartEnd(int16_t mode, UserSet& dst, const UserSet& src) {
    switch (mode) {
    case umDefaults:
        dst.NumbersStart = 1;
        dst.NumbersEnd = 30;
        dst.NumbersStep = 1;
        // assign() rather than operator= sidesteps a false -Wrestrict of GCC 12 at -O2.
        dst.AlphabetStart.assign(1, 'A');
        dst.AlphabetEnd.assign(1, 'Z');
        break;
    case umCopy: // the letters are settled here; reading keeps them as the file has them
        dst.NumbersStart = src.NumbersStart;
        dst.NumbersEnd = src.NumbersEnd;
        dst.NumbersStep = src.NumbersStep;
        dst.AlphabetStart = LessonLetter(src.AlphabetStart);
        dst.AlphabetEnd = LessonLetter(src.AlphabetEnd);
        break;
    case umWrite:
        WriteHeader("Start End");
        WriteNumber("NumbersStart", src.NumbersStart);
        WriteNumber("NumbersEnd", src.NumbersEnd);
        WriteNumber("NumbersStep", src.NumbersStep);
        WriteValue("AlphabetStart", src.AlphabetStart);
        WriteValue("AlphabetEnd", src.AlphabetEnd);
        EndSection();
        break;
    case umRead:
        dst.NumbersStart = ReadInteger("NumbersStart");
        dst.NumbersEnd = ReadInteger("NumbersEnd");
        dst.NumbersStep = ReadInteger("NumbersStep");
        dst.AlphabetStart = ReadText("AlphabetStart");
        dst.AlphabetEnd = ReadText("AlphabetEnd");
        break;
    default:
        break;
    }
}

void SectionAutoPlay(int16_t mode, UserSet& dst, const UserSet& src) {
    switch (mode) {
    case umDefaults:
        dst.AutoPlay = vbTrue;
        dst.AutoPlayPause = 2000;
        dst.AutoPlayLoop = vbFalse;
        break;
    case umCopy:
        dst.AutoPlay = src.AutoPlay;
        dst.AutoPlayPause = src.AutoPlayPause;
        dst.AutoPlayLoop = src.AutoPlayLoop;
        break;
    case umWrite:
        WriteHeader("Auto Play");
        WriteFlag("AutoPlay", src.AutoPlay);
        WriteNumber("AutoPlayPause", src.AutoPlayPause);
        WriteFlag("AutoPlayLoop", src.AutoPlayLoop);
        EndSection();
        break;
    case umRead:
        dst.AutoPlay = ReadFlag("AutoPlay");
        dst.AutoPlayPause = ReadInteger("AutoPlayPause");
        dst.AutoPlayLoop = ReadFlag("AutoPlayLoop");
        break;
    default:
        break;
    }
}

void SectionMusic(int16_t mode, UserSet& dst, const UserSet& src) {
    switch (mode) {
    case umDefaults:
        dst.Instrument = 2;
        dst.Volume = -500;
        dst.MusicPlay = vbTrue;
        dst.MusicChange = vbTrue;
        break;
    case umCopy:
        dst.Instrument = src.Instrument;
        dst.Volume = src.Volume;
        dst.MusicPlay = src.MusicPlay;
        dst.MusicChange = src.MusicChange;
        break;
    case umApply: // the music menu plays what the live settings say
        ApplyMusicPlayState(Settings.Instrument, Settings.Volume, Settings.MusicPlay);
        break;
    case umWrite:
        WriteHeader("Music");
        WriteNumber("Instrument", src.Instrument);
        WriteNumber("Volume", src.Volume);
        WriteFlag("MusicPlay", src.MusicPlay);
        WriteFlag("MusicChange", src.MusicChange);
        EndSection();
        break;
    case umRead:
        dst.Instrument = ReadInteger("Instrument");
        dst.Volume = ReadInteger("Volume");
        dst.MusicPlay = ReadFlag("MusicPlay");
        dst.MusicChange = ReadFlag("MusicChange");
        break;
    default:
        break;
    }
}

void SectionUserLevel(int16_t mode, UserSet& dst, const UserSet& src) {
    switch (mode) {
    case umDefaults:
        dst.UserLevel = ulLevel1;
        break;
    case umCopy:
        dst.UserLevel = src.UserLevel;
        break;
    case umWrite:
        WriteHeader("User Level");
        WriteNumber("UserLevel", src.UserLevel);
        EndSection();
        break;
    case umRead:
        dst.UserLevel = ReadInteger("UserLevel");
        break;
    default:
        break;
    }
}

void SectionAlphabetType(int16_t mode, UserSet& dst, const UserSet& src) {
    switch (mode) {
    case umDefaults:
        dst.AlphabetType = atCapitals;
        break;
    case umCopy:
        dst.AlphabetType = src.AlphabetType;
        break;
    case umWrite:
        WriteHeader("Alphabet Type");
        WriteNumber("AlphabetType", src.AlphabetType);
        EndSection();
        break;
    case umRead:
        dst.AlphabetType = ReadInteger("AlphabetType");
        break;
    default:
        break;
    }
}

void SectionMenuButtons(int16_t mode, UserSet& dst, const UserSet& src) {
    switch (mode) {
    case umDefaults: // ButtonCaptionsOn is left as it is
        for (int i = 0; i <= 4; i++)
            dst.MenuButton(i) = vbTrue;
        break;
    case umCopy:
        dst.MenuButton = src.MenuButton;
        break;
    case umApply:
        ApplyMenuButtons();
        break;
    case umWrite: // the captions flag comes from dst, the buttons from src
        WriteHeader("Menu Buttons");
        WriteFlag("ButtonCaptionsOn", dst.ButtonCaptionsOn);
        for (const MenuKey& k : kMenuKeys)
            WriteFlag(k.key, src.MenuButton(k.index));
        EndSection();
        break;
    case umRead:
        dst.ButtonCaptionsOn = ReadFlag("ButtonCaptionsOn");
        for (const MenuKey& k : kMenuKeys)
            dst.MenuButton(k.index) = ReadFlag(k.key);
        break;
    default:
        break;
    }
}

void SectionSubMenuButtons(int16_t mode, UserSet& dst, const UserSet& src) {
    switch (mode) {
    case umDefaults:
        for (int i = 0; i <= 3; i++)
            dst.SMButton(i) = vbTrue;
        break;
    case umCopy:
        dst.SMButton = src.SMButton;
        break;
    case umApply:
        ApplySubMenuButtons();
        break;
    case umWrite:
        WriteHeader("Sub Menu Buttons");
        for (int i = 0; i <= 3; i++)
            WriteFlag(SMButtonKey(i), src.SMButton(i));
        EndSection();
        break;
    case umRead:
        for (int i = 0; i <= 3; i++)
            dst.SMButton(i) = ReadFlag(SMButtonKey(i));
        break;
    default:
        break;
    }
}

void SectionPassWord(int16_t mode, UserSet& dst, const UserSet& src) {
    switch (mode) {
    case umDefaults:
        dst.PWord = kDefaultPassword;
        dst.PWMask = vbTrue;
        dst.PWStart = vbFalse;
        dst.PWOptions = vbTrue;
        break;
    case umCopy:
        dst.PWord = src.PWord;
        dst.PWMask = src.PWMask;
        dst.PWStart = src.PWStart;
        dst.PWOptions = src.PWOptions;
        break;
    case umWrite: // written trimmed, read back as it stands
        WriteHeader("PassWord");
        WriteValue("PWord", forms::Trim(src.PWord));
        WriteFlag("PWMask", src.PWMask);
        WriteFlag("PWStart", src.PWStart);
        WriteFlag("PWOptions", src.PWOptions);
        EndSection();
        break;
    case umRead:
        dst.PWord = ReadText("PWord");
        dst.PWMask = ReadFlag("PWMask");
        dst.PWStart = ReadFlag("PWStart");
        dst.PWOptions = ReadFlag("PWOptions");
        break;
    default:
        break;
    }
}

void SectionWords(int16_t mode, UserSet&, const UserSet&) {
    static const char* const kWordsAlpha[26] = {
        "Apple", "Boat",  "Cow",      "Dog",    "Eggs",  "Frog",   "Guitar", "Horse", "Insect",
        "Jug",   "Kite",  "Lion",     "Mouse",  "Nuts",  "Orange", "Parrot", "Quill", "Rabbit",
        "Sheep", "Teddy", "Umbrella", "Violin", "Watch", "Box",    "Yacht",  "Zebra"};
    static const char* const kWordsNumbers[30] = {
        "One",         "Two",        "Three",        "Four",         "Five",         "Six",
        "Seven",       "Eight",      "Nine",         "Ten",          "Eleven",       "Twelve",
        "Thirteen",    "Fourteen",   "Fifteen",      "Sixteen",      "Seventeen",    "Eighteen",
        "Nineteen",    "Twenty",     "Twenty-One",   "Twenty-Two",   "Twenty-Three", "Twenty-Four",
        "Twenty-Five", "Twenty-Six", "Twenty-Seven", "Twenty-Eight", "Twenty-Nine",  "Thirty"};
    if (mode != umDefaults && mode != umRead) return;
    for (int i = 0; i < 26; i++)
        Settings.WordsAlpha(i) = kWordsAlpha[i];
    for (int i = 0; i < 30; i++)
        Settings.WordsNumbers(i) = kWordsNumbers[i];
}

void SectionBGFormOptions(int16_t mode, UserSet& dst, const UserSet& src) {
    switch (mode) {
    case umDefaults:
        dst.BGFormOpt = 0;
        break;
    case umCopy:
        dst.BGFormOpt = src.BGFormOpt;
        break;
    case umApply:
        ApplyBGFormOption(src);
        break;
    case umWrite:
        WriteHeader("BGForm Options");
        WriteNumber("BGFormOpt", src.BGFormOpt);
        EndSection();
        break;
    case umRead:
        dst.BGFormOpt = ReadInteger("BGFormOpt");
        break;
    default:
        break;
    }
}

void SectionBGFormColors(int16_t mode, UserSet& dst, const UserSet& src) {
    switch (mode) {
    case umDefaults:
        dst.BGFormColor = forms::RGB(255, 225, 225);
        dst.BGFormColorAlpha = 0xFF9966;
        dst.BGFormColorAlphaShdw = 0;
        break;
    case umCopy:
        dst.BGFormColor = src.BGFormColor;
        dst.BGFormColorAlpha = src.BGFormColorAlpha;
        dst.BGFormColorAlphaShdw = src.BGFormColorAlphaShdw;
        break;
    case umApply: // an unloaded background form is left alone
        if (BGFormShown != 0)
            ApplyBGFormColors(src.BGFormColor, src.BGFormColorAlpha, src.BGFormColorAlphaShdw);
        break;
    case umWrite:
        WriteHeader("BGForm Colors");
        WriteNumber("BGFormColor", src.BGFormColor);
        WriteNumber("BGFormColorAlpha", src.BGFormColorAlpha);
        WriteNumber("BGFormColorAlphaShdw", src.BGFormColorAlphaShdw);
        EndSection();
        break;
    case umRead:
        dst.BGFormColor = ReadLong("BGFormColor");
        dst.BGFormColorAlpha = ReadLong("BGFormColorAlpha");
        dst.BGFormColorAlphaShdw = ReadLong("BGFormColorAlphaShdw");
        break;
    default:
        break;
    }
}
