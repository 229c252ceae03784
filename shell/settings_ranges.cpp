// The values a settings file may hold. A file whose checksum is good can still carry a value
// that no screen can show (a level 9, an instrument 999, a range that runs backwards); it is
// refused at start-up with its key named, rather than failing later somewhere far from the file.
#include "shell/user_set.h"

#include "forms/errors.h"
#include "forms/lang.h"

#include <string>

namespace {

[[noreturn]] void Refuse(const std::string& what) {
    RefuseSetting(forms::errInvalidPropertyValue, what);
}

void CheckNumber(const char* key, int64_t value, int64_t lo, int64_t hi) {
    if (value < lo || value > hi)
        Refuse(std::string(key) + "=" + std::to_string(value) + " is outside " +
               std::to_string(lo) + " to " + std::to_string(hi));
}

void CheckColour(const char* key, int32_t value) {
    CheckNumber(key, value, 0, 0xFFFFFF);
}

// The lesson's letters are used as they stand (their first character's code), so only a
// capital letter will do; that is what the program itself writes.
void CheckLetter(const char* key, const std::string& value) {
    if (value.empty() || value[0] < 'A' || value[0] > 'Z')
        Refuse(std::string(key) + "=" + value + " is not a capital letter A to Z");
}

} // namespace

void RefuseSetting(int32_t number, const std::string& what) {
    forms::Raise(number, "WiseOwlet.Dbf: " + what);
}

void CheckSettingsRanges(const UserSet& rec) {
    CheckNumber("LessonID", rec.LessonID, lsTracing, lsPuzzle);

    CheckColour("ColorLine", rec.ColorLine);
    CheckColour("ColorLineHL", rec.ColorLineHL);
    CheckColour("ColorLinePrompt", rec.ColorLinePrompt);
    CheckColour("ColorCircle", rec.ColorCircle);
    CheckColour("ColorCircleHL", rec.ColorCircleHL);
    CheckColour("ColorHelp", rec.ColorHelp);

    // The animation speed slider runs 0 to 100 and the interval is 100 minus it, 0 made 1.
    CheckNumber("AnimSpeed", rec.AnimSpeed, 1, 100);

    CheckColour("ColorWord", rec.ColorWord);
    CheckColour("ColorWordShadow", rec.ColorWordShadow);
    CheckColour("ColorText", rec.ColorText);
    CheckColour("ColorTextHL", rec.ColorTextHL);
    CheckColour("BGColor", rec.BGColor);

    // The same rules as the options dialog's: numbers 1 to 30, a range of at least five, a step
    // of at most half the range; letters A to Z, a range of at least five.
    CheckNumber("NumbersStart", rec.NumbersStart, 1, 30);
    CheckNumber("NumbersEnd", rec.NumbersEnd, 1, 30);
    CheckNumber("NumbersStep", rec.NumbersStep, 1, 30);
    if (rec.NumbersStart + 4 > rec.NumbersEnd)
        Refuse("NumbersStart=" + std::to_string(rec.NumbersStart) +
               " and NumbersEnd=" + std::to_string(rec.NumbersEnd) + " do not span five numbers");
    if (rec.NumbersStep * 2 > rec.NumbersEnd - rec.NumbersStart)
        Refuse("NumbersStep=" + std::to_string(rec.NumbersStep) +
               " is more than half the range from NumbersStart to NumbersEnd");
    CheckLetter("AlphabetStart", rec.AlphabetStart);
    CheckLetter("AlphabetEnd", rec.AlphabetEnd);
    if (rec.AlphabetStart[0] + 4 > rec.AlphabetEnd[0])
        Refuse("AlphabetStart=" + rec.AlphabetStart + " and AlphabetEnd=" + rec.AlphabetEnd +
               " do not span five letters");

    // The auto-play slider holds 1 to 10 seconds.
    CheckNumber("AutoPlayPause", rec.AutoPlayPause, 1000, 10000);

    CheckNumber("Instrument", rec.Instrument, 0, 5);
    CheckNumber("Volume", rec.Volume, -10000, 0); // the music player's hundredths of a decibel

    CheckNumber("UserLevel", rec.UserLevel, ulLevel1, ulLevel3);
    CheckNumber("AlphabetType", rec.AlphabetType, atCapitals, atNumbers);

    CheckNumber("BGFormOpt", rec.BGFormOpt, 0, 3);
    CheckColour("BGFormColor", rec.BGFormColor);
    CheckColour("BGFormColorAlpha", rec.BGFormColorAlpha);
    CheckColour("BGFormColorAlphaShdw", rec.BGFormColorAlphaShdw);
}
