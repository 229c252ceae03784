#pragma once
// The settings record, its live instance and the options dialog's working copy, and the section
// procedures that load defaults into it, copy it, apply it to the screens, write it to the
// settings text and read it back. One procedure per section of the settings file.
#include "forms/errors.h"
#include "forms/lang.h"

#include <cstdint>
#include <string>
#include <vector>

struct AlphaData;

// Every option the settings file keeps, in the file's field order. Colours hold red in the low
// byte; flags are -1 for True and 0 for False.
struct UserSet {
    int16_t UserLevel = 0;    // UserLevelCode: 0 Level I, 1 Level II, 2 Level III
    int16_t AlphabetType = 0; // AlphabetTypeCode: 0 capitals, 1 small, 2 mixed pairs, 3 numbers
    int16_t NumbersStart = 0;
    int16_t NumbersEnd = 0;
    int16_t NumbersStep = 0;
    std::string AlphabetStart;
    std::string AlphabetEnd;
    forms::Array<std::string, 0, 29> WordsAlpha;   // by letter - "A"
    forms::Array<std::string, 0, 29> WordsNumbers; // number n at n - 1
    forms::Flag AllowColor = 0;
    int16_t AnimSpeed = 0; // animation timer interval, ms
    forms::Flag AutoPlay = 0;
    int16_t AutoPlayPause = 0; // ms
    forms::Flag AutoPlayLoop = 0;
    int32_t ColorCircle = 0;
    int32_t ColorCircleHL = 0;
    int32_t ColorCircleOL = 0;
    std::string ColorCircleOL2; // kept in the file as text; no default touches it
    int32_t ColorLine = 0;
    int32_t ColorLineHL = 0;
    int32_t ColorLinePrompt = 0;
    int32_t ColorHelp = 0;
    int32_t ColorWord = 0;
    int32_t ColorWordShadow = 0;
    int32_t ColorText = 0;
    int32_t ColorTextHL = 0;
    int32_t ColorTextDisabled = 0; // not in the file: fixed by defaults and reading
    int32_t ColorText4 = 0;        // not in the file: fixed by defaults and reading
    int32_t BGColor = 0;
    int16_t Instrument = 0; // tune 0-5, file number Instrument + 1
    int16_t Volume = 0;
    forms::Flag MusicPlay = 0;
    forms::Flag MusicChange = 0;
    int16_t BGFormOpt = 0; // 0 pictures and letters, 1 pictures, 2 neither, 3 no background
    int32_t BGFormColor = 0;
    int32_t BGFormColorAlpha = 0;
    int32_t BGFormColorAlphaShdw = 0;
    std::string PWord;
    forms::Flag PWMask = 0;
    forms::Flag PWStart = 0;
    forms::Flag PWOptions = 0;
    forms::Array<forms::Flag, 0, 4> MenuButton; // by MenuIndex
    forms::Flag ButtonCaptionsOn = 0;           // kept in the file; defaults and copies leave it
    forms::Array<forms::Flag, 0, 3> SMButton;   // 0 next, 1 previous, 2 prompt, 3 demonstration
    forms::Array<forms::Flag, 0, 6> Speaking;
    int16_t LessonID = 0; // LessonCode: 0 tracing, 1 puzzle

    bool operator==(const UserSet&) const = default;
};

// The first argument of every section procedure; any other value does nothing.
enum UserSetMode : int16_t {
    umDefaults = 0, // the section's fields of dst := their defaults
    umCopy = 1,     // dst := src, section by section
    umApply = 2,    // apply the section to the running screens
    umWrite = 3,    // append the section to IniText from src
    umRead = 4,     // read the section's keys from IniText into dst
};

enum UserLevelCode : int16_t { ulLevel1 = 0, ulLevel2 = 1, ulLevel3 = 2 };
enum AlphabetTypeCode : int16_t { atCapitals = 0, atSmall = 1, atMixed = 2, atNumbers = 3 };
enum LessonCode : int16_t { lsTracing = 0, lsPuzzle = 1 };

// The default password, a constant of the program.
inline const std::string kDefaultPassword = "marble";

extern UserSet Settings;    // the live settings (the options dialog keeps its own working copy)
extern std::string IniText; // the settings text

// A section procedure: (mode, destination, source).
using SectionProc = void (*)(int16_t mode, UserSet& dst, const UserSet& src);

// Runs every section procedure in the file's order with the one mode.
void ProcessAllSections(int16_t mode, UserSet& dst, const UserSet& src);

// Puts Settings back to an earlier record (a save that failed) and applies again, in the file's
// order, each section whose settings text differs, so that the running screens show what the
// earlier record says. Returns those sections' procedures.
std::vector<SectionProc> RestoreSettings(const UserSet& earlier);

void SectionSpeakingOptions(int16_t mode, UserSet& dst, const UserSet& src);
void SectionLessonInfo(int16_t mode, UserSet& dst, const UserSet& src);
void SectionAlphabetColors(int16_t mode, UserSet& dst, const UserSet& src);
void SectionAnimationSpeed(int16_t mode, UserSet& dst, const UserSet& src);
void SectionWordColors(int16_t mode, UserSet& dst, const UserSet& src);
void SectionLabelColors(int16_t mode, UserSet& dst, const UserSet& src);
void SectionAllowColorChanging(int16_t mode, UserSet& dst, const UserSet& src);
void SectionBackGroundColor(int16_t mode, UserSet& dst, const UserSet& src);
void SectionStartEnd(int16_t mode, UserSet& dst, const UserSet& src);
void SectionAutoPlay(int16_t mode, UserSet& dst, const UserSet& src);
void SectionMusic(int16_t mode, UserSet& dst, const UserSet& src);
void SectionUserLevel(int16_t mode, UserSet& dst, const UserSet& src);
void SectionAlphabetType(int16_t mode, UserSet& dst, const UserSet& src);
void SectionMenuButtons(int16_t mode, UserSet& dst, const UserSet& src);
void SectionSubMenuButtons(int16_t mode, UserSet& dst, const UserSet& src);
void SectionPassWord(int16_t mode, UserSet& dst, const UserSet& src);
// The word lists have no section: modes 0 and 4 fill those of the live Settings, whatever dst is.
void SectionWords(int16_t mode, UserSet& dst, const UserSet& src);
void SectionBGFormOptions(int16_t mode, UserSet& dst, const UserSet& src);
void SectionBGFormColors(int16_t mode, UserSet& dst, const UserSet& src);

// Raises error 380, naming the key and its value, for the first value of rec that the program
// cannot use (a level, type, lesson, tune or background option that does not exist, a colour
// beyond 24 bits, an animation speed or pause the sliders cannot hold, a lesson range the
// options dialog would refuse). Called on the settings just read.
void CheckSettingsRanges(const UserSet& rec);

// Raises error number with the description "WiseOwlet.Dbf: " & what: every refusal of a value
// read from the settings file names the file and the key, and says what is wrong with it.
[[noreturn]] void RefuseSetting(int32_t number, const std::string& what);

// The value of key in text (IniText when text is empty), up to terminator (CR when empty), not
// trimmed. The key counts only at the start of the text or of a line and only when "=" follows
// it, so a value that holds another key's name is never taken for that key. The first match
// wins; an absent key, or one with no terminator after it, gives "".
std::string GetIniValue(const std::string& key, const std::string& text = std::string(),
                        const std::string& terminator = std::string());
// True when IniText holds key by the same rule, whatever its value (an empty one too).
bool HasIniKey(const std::string& key);

// The stroke record's colours from the settings, then its pen sizes.
void InitDrawStyle(AlphaData& rec, const UserSet& settings);
void CopyDrawColors(AlphaData& rec, const UserSet& settings);
