// The settings record and its sections: defaults, the settings text they write and read, the
// key lookup, copying and the stroke record's drawing style.
#include "tests/shell/settings_fixture.h"

#include "forms/errors.h"
#include "tracing/alpha_data.h"

using forms::vbFalse;
using forms::vbTrue;

namespace {

// The settings text of the defaults: the file's order of sections and keys, which older files
// and the options dialog rely on.
const char* const kDefaultText = "[Speaking Options]\r\n"
                                 "Speaking0=True\r\n"
                                 "Speaking1=True\r\n"
                                 "Speaking2=True\r\n"
                                 "Speaking3=True\r\n"
                                 "Speaking4=True\r\n"
                                 "Speaking5=True\r\n"
                                 "Speaking6=False\r\n"
                                 "\r\n"
                                 "[Lesson Info]\r\n"
                                 "LessonID=0\r\n"
                                 "\r\n"
                                 "[Alphabet Colors]\r\n"
                                 "ColorLine=16777215\r\n"
                                 "ColorLineHL=16750950\r\n"
                                 "ColorLinePrompt=12303291\r\n"
                                 "ColorCircle=16777215\r\n"
                                 "ColorCircleHL=255\r\n"
                                 "ColorCircleOL=0\r\n"
                                 "ColorCircleOL2=\r\n"
                                 "ColorHelp=14144902\r\n"
                                 "\r\n"
                                 "[Animation Speed]\r\n"
                                 "AnimSpeed=40\r\n"
                                 "\r\n"
                                 "[Word Colors]\r\n"
                                 "ColorWord=65535\r\n"
                                 "ColorWordShadow=0\r\n"
                                 "\r\n"
                                 "[Label Colors]\r\n"
                                 "ColorText=16777215\r\n"
                                 "ColorTextHL=0\r\n"
                                 "\r\n"
                                 "[Allow Color Changing]\r\n"
                                 "AllowColor=True\r\n"
                                 "\r\n"
                                 "[BackGround Color]\r\n"
                                 "BGColor=10066431\r\n"
                                 "\r\n"
                                 "[Start End]\r\n"
                                 "NumbersStart=1\r\n"
                                 "NumbersEnd=30\r\n"
                                 "NumbersStep=1\r\n"
                                 "AlphabetStart=A\r\n"
                                 "AlphabetEnd=Z\r\n"
                                 "\r\n"
                                 "[Auto Play]\r\n"
                                 "AutoPlay=True\r\n"
                                 "AutoPlayPause=2000\r\n"
                                 "AutoPlayLoop=False\r\n"
                                 "\r\n"
                                 "[Music]\r\n"
                                 "Instrument=2\r\n"
                                 "Volume=-500\r\n"
                                 "MusicPlay=True\r\n"
                                 "MusicChange=True\r\n"
                                 "\r\n"
                                 "[User Level]\r\n"
                                 "UserLevel=0\r\n"
                                 "\r\n"
                                 "[Alphabet Type]\r\n"
                                 "AlphabetType=0\r\n"
                                 "\r\n"
                                 "[Menu Buttons]\r\n"
                                 "ButtonCaptionsOn=False\r\n"
                                 "ButtonMusic=True\r\n"
                                 "ButtonAlphaType=True\r\n"
                                 "ButtonLevel=True\r\n"
                                 "ButtonChoice=True\r\n"
                                 "ButtonOptions=True\r\n"
                                 "\r\n"
                                 "[Sub Menu Buttons]\r\n"
                                 "SMButton0=True\r\n"
                                 "SMButton1=True\r\n"
                                 "SMButton2=True\r\n"
                                 "SMButton3=True\r\n"
                                 "\r\n"
                                 "[PassWord]\r\n"
                                 "PWord=marble\r\n"
                                 "PWMask=True\r\n"
                                 "PWStart=False\r\n"
                                 "PWOptions=True\r\n"
                                 "\r\n"
                                 "[BGForm Options]\r\n"
                                 "BGFormOpt=0\r\n"
                                 "\r\n"
                                 "[BGForm Colors]\r\n"
                                 "BGFormColor=14803455\r\n"
                                 "BGFormColorAlpha=16750950\r\n"
                                 "BGFormColorAlphaShdw=0\r\n"
                                 "\r\n";

// A record with a value other than its default in every field the file keeps.
UserSet Unusual() {
    UserSet r;
    r.UserLevel = 2;
    r.AlphabetType = 3;
    r.NumbersStart = 5;
    r.NumbersEnd = 25;
    r.NumbersStep = 5;
    r.AlphabetStart = "C";
    r.AlphabetEnd = "x";
    r.AllowColor = vbFalse;
    r.AnimSpeed = 32767;
    r.AutoPlay = vbFalse;
    r.AutoPlayPause = 10000;
    r.AutoPlayLoop = vbTrue;
    r.ColorCircle = 1;
    r.ColorCircleHL = 2;
    r.ColorCircleOL = -1;
    r.ColorCircleOL2 = "some text";
    r.ColorLine = 2147483647;
    r.ColorLineHL = -2147483647 - 1;
    r.ColorLinePrompt = 3;
    r.ColorHelp = 4;
    r.ColorWord = 5;
    r.ColorWordShadow = 6;
    r.ColorText = 7;
    r.ColorTextHL = 8;
    r.BGColor = 9;
    r.Instrument = 5;
    r.Volume = -32768;
    r.MusicPlay = vbFalse;
    r.MusicChange = vbFalse;
    r.BGFormOpt = 3;
    r.BGFormColor = 10;
    r.BGFormColorAlpha = 11;
    r.BGFormColorAlphaShdw = 12;
    r.PWord = "Secret 42";
    r.PWMask = vbFalse;
    r.PWStart = vbTrue;
    r.PWOptions = vbFalse;
    for (int i = 0; i <= 4; i++)
        r.MenuButton(i) = forms::ToFlag(i % 2 == 0);
    r.ButtonCaptionsOn = vbTrue;
    for (int i = 0; i <= 3; i++)
        r.SMButton(i) = forms::ToFlag(i % 2 == 1);
    for (int i = 0; i <= 6; i++)
        r.Speaking(i) = forms::ToFlag(i % 3 == 0);
    r.LessonID = 1;
    return r;
}

// Reads text into a fresh record with mode 4.
UserSet ReadBack(const std::string& text) {
    IniText = text;
    UserSet rec;
    ProcessAllSections(umRead, rec, rec);
    return rec;
}

// The error number and description that reading text raises; 0 when it raises none.
std::pair<int32_t, std::string> ReadError(const std::string& text) {
    try {
        ReadBack(text);
    } catch (const forms::RuntimeError& e) {
        return {e.Number(), e.Description()};
    }
    return {0, ""};
}

std::string Replace(std::string text, const std::string& from, const std::string& to) {
    size_t p = text.find(from);
    EXPECT_NE(p, std::string::npos) << from;
    if (p != std::string::npos) text.replace(p, from.size(), to);
    return text;
}

} // namespace

using SettingsTextTest = SettingsFolderTest;

TEST_F(SettingsTextTest, DefaultsWriteTheFileText) {
    EXPECT_EQ(TextOf(Defaults()), kDefaultText);
}

TEST_F(SettingsTextTest, OneSectionWritesHeaderKeysAndAnEmptyLine) {
    UserSet rec = Defaults();
    IniText = "kept\r\n";
    SectionSubMenuButtons(umWrite, rec, rec);
    EXPECT_EQ(IniText, "kept\r\n"
                       "[Sub Menu Buttons]\r\n"
                       "SMButton0=True\r\n"
                       "SMButton1=True\r\n"
                       "SMButton2=True\r\n"
                       "SMButton3=True\r\n"
                       "\r\n");
}

TEST_F(SettingsTextTest, DefaultsReadBackToTheDefaults) {
    UserSet read = ReadBack(kDefaultText);
    EXPECT_EQ(read, Defaults());
    EXPECT_EQ(read.Volume, -500);
    EXPECT_EQ(read.PWord, "marble");
    EXPECT_EQ(read.ColorTextDisabled, forms::RGB(204, 204, 204));
}

TEST_F(SettingsTextTest, EveryFieldSurvivesWriteAndRead) {
    UserSet written = Unusual();
    UserSet read = ReadBack(TextOf(written));
    // Reading fixes the two label colours that the file does not keep.
    written.ColorTextDisabled = forms::RGB(204, 204, 204);
    written.ColorText4 = 0;
    EXPECT_EQ(read, written);
}

TEST_F(SettingsTextTest, CopyingTakesEveryFieldButTheCaptionsFlagAndTheWords) {
    UserSet src = Unusual();
    src.ColorTextDisabled = 13;
    src.ColorText4 = 14;
    src.WordsAlpha(0) = "Ant";
    UserSet dst;
    ProcessAllSections(umCopy, dst, src);

    UserSet expected = src;
    expected.AlphabetEnd = "X"; // the letters are settled on the way
    expected.ButtonCaptionsOn = vbFalse;
    expected.WordsAlpha(0) = "";
    EXPECT_EQ(dst, expected);
}

TEST_F(SettingsTextTest, WordListsAreFilledIntoTheLiveSettingsOnly) {
    UserSet other;
    SectionWords(umRead, other, other);
    EXPECT_EQ(other.WordsAlpha(0), "");
    EXPECT_EQ(Settings.WordsAlpha(0), "Apple");
    EXPECT_EQ(Settings.WordsAlpha(24), "Yacht");
    EXPECT_EQ(Settings.WordsAlpha(25), "Zebra");
    EXPECT_EQ(Settings.WordsAlpha(26), "");
    EXPECT_EQ(Settings.WordsNumbers(0), "One");
    EXPECT_EQ(Settings.WordsNumbers(20), "Twenty-One");
    EXPECT_EQ(Settings.WordsNumbers(29), "Thirty");

    UserSet fresh;
    for (int16_t mode : {umCopy, umApply, umWrite}) {
        Settings = UserSet{};
        SectionWords(mode, fresh, fresh);
        EXPECT_EQ(Settings.WordsAlpha(0), "") << mode;
    }
    EXPECT_EQ(IniText, "");
}

TEST_F(SettingsTextTest, CaptionsFlagIsWrittenFromDstAndLeftByDefaultsAndCopies) {
    UserSet dst = Defaults();
    UserSet src = Defaults();
    dst.ButtonCaptionsOn = vbTrue;
    src.ButtonCaptionsOn = vbFalse;
    src.MenuButton(2) = vbFalse;
    IniText.clear();
    SectionMenuButtons(umWrite, dst, src);
    EXPECT_NE(IniText.find("ButtonCaptionsOn=True\r\nButtonMusic=False\r\n"), std::string::npos);

    SectionMenuButtons(umCopy, dst, src);
    EXPECT_EQ(dst.ButtonCaptionsOn, vbTrue);
    EXPECT_EQ(dst.MenuButton(2), vbFalse);
    SectionMenuButtons(umDefaults, dst, src);
    EXPECT_EQ(dst.ButtonCaptionsOn, vbTrue);
    EXPECT_EQ(dst.MenuButton(2), vbTrue);
}

TEST_F(SettingsTextTest, DefaultsLeaveTheSecondOutlineColourAndFixTheLabelColours) {
    UserSet rec;
    rec.ColorCircleOL2 = "kept";
    rec.ColorTextDisabled = 1;
    rec.ColorText4 = 2;
    ProcessAllSections(umDefaults, rec, rec);
    EXPECT_EQ(rec.ColorCircleOL2, "kept");
    EXPECT_EQ(rec.ColorTextDisabled, forms::RGB(204, 204, 204));
    EXPECT_EQ(rec.ColorText4, 0);

    UserSet copy;
    ProcessAllSections(umCopy, copy, Unusual());
    EXPECT_EQ(copy.ColorCircleOL2, "some text");
    EXPECT_EQ(copy.ButtonCaptionsOn, vbFalse);
}

TEST_F(SettingsTextTest, CopyingSettlesTheLessonLettersReadingKeepsThem) {
    UserSet src = Defaults();
    src.AlphabetStart = " b ";
    src.AlphabetEnd = "  yz";
    UserSet dst;
    SectionStartEnd(umCopy, dst, src);
    EXPECT_EQ(dst.AlphabetStart, "B");
    EXPECT_EQ(dst.AlphabetEnd, "Y");
    SectionStartEnd(umCopy, src, src); // the same record as both
    EXPECT_EQ(src.AlphabetStart, "B");

    UserSet read = ReadBack(Replace(kDefaultText, "AlphabetStart=A\r\n", "AlphabetStart= b \r\n"));
    EXPECT_EQ(read.AlphabetStart, " b ");
}

TEST_F(SettingsTextTest, PasswordIsWrittenTrimmedAndReadAsItStands) {
    UserSet rec = Defaults();
    rec.PWord = "  owl  ";
    EXPECT_NE(TextOf(rec).find("PWord=owl\r\n"), std::string::npos);
    EXPECT_EQ(ReadBack(Replace(kDefaultText, "PWord=marble", "PWord= owl")).PWord, " owl");
}

TEST_F(SettingsTextTest, ReadingAcceptsLowerCaseKeysBlanksAndFlagSpellings) {
    struct Case {
        const char* from;
        const char* to;
    } cases[] = {
        {"UserLevel=0", "userlevel=2"},
        {"UserLevel=0", "USERLEVEL=2"},
        {"UserLevel=0", "UserLevel= 2 "},
        {"UserLevel=0", "UserLevel=2"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ReadBack(Replace(kDefaultText, c.from, c.to)).UserLevel, 2) << c.to;

    struct FlagCase {
        const char* value;
        forms::Flag flag;
    } flags[] = {
        {"true", vbTrue}, {"FALSE", vbFalse}, {" True ", vbTrue}, {"0", vbFalse}, {"-1", vbTrue}};
    for (const FlagCase& f : flags)
        EXPECT_EQ(
            ReadBack(Replace(kDefaultText, "PWStart=False", std::string("PWStart=") + f.value))
                .PWStart,
            f.flag)
            << f.value;
}

TEST_F(SettingsTextTest, ReadingLeavesRangesToTheReaders) {
    std::string text = Replace(kDefaultText, "UserLevel=0", "UserLevel=7");
    text = Replace(text, "Instrument=2", "Instrument=-32768");
    text = Replace(text, "AnimSpeed=40", "AnimSpeed=32767");
    UserSet read = ReadBack(text);
    EXPECT_EQ(read.UserLevel, 7);
    EXPECT_EQ(read.Instrument, -32768);
    EXPECT_EQ(read.AnimSpeed, 32767);
}

// The conversion's error, with a description that names the file, the key and what is wrong with
// it, as the range checks do: the start-up box shows it to whoever opens the file.
TEST_F(SettingsTextTest, BadOrMissingNumbersAndFlagsAreRefusedNamingTheirKey) {
    struct Case {
        const char* from;
        const char* to;
        int32_t number;
        const char* description; // after "WiseOwlet.Dbf: "
    } cases[] = {
        {"AnimSpeed=40\r\n", "", 13, "AnimSpeed is missing"},
        {"AnimSpeed=40", "AnimSpeed=fast", 13, "AnimSpeed=fast is not a number"},
        {"AnimSpeed=40", "AnimSpeed=", 13, "AnimSpeed has no value"},
        {"AnimSpeed=40", "AnimSpeed=40000", 6, "AnimSpeed=40000 is outside -32768 to 32767"},
        {"BGColor=10066431", "BGColor=99999999999", 6,
         "BGColor=99999999999 is outside -2147483648 to 2147483647"},
        {"BGColor=10066431", "BGColor=-99999999999", 6,
         "BGColor=-99999999999 is outside -2147483648 to 2147483647"},
        {"AutoPlay=True", "AutoPlay=Yes", 13, "AutoPlay=Yes is not True or False"},
        {"Speaking6=False\r\n", "", 13, "Speaking6 is missing"},
        {"ButtonCaptionsOn=False\r\n", "", 13, "ButtonCaptionsOn is missing"}, // read in mode 4 too
        {"[User Level]\r\nUserLevel=0\r\n\r\n", "", 13, "UserLevel is missing"}, // a whole section
    };
    for (const Case& c : cases) {
        auto [number, description] = ReadError(Replace(kDefaultText, c.from, c.to));
        EXPECT_EQ(number, c.number) << c.to;
        EXPECT_EQ(description, std::string("WiseOwlet.Dbf: ") + c.description) << c.to;
    }
}

TEST_F(SettingsTextTest, MissingTextKeysReadAsEmpty) {
    std::string text = Replace(kDefaultText, "PWord=marble\r\n", "");
    text = Replace(text, "ColorCircleOL2=\r\n", "");
    UserSet read = ReadBack(text);
    EXPECT_EQ(read.PWord, "");
    EXPECT_EQ(read.ColorCircleOL2, "");
}

TEST_F(SettingsTextTest, ShorterKeysAreNotFoundInsideLongerOnes) {
    // Whatever the order of the lines, each key finds its own line.
    const std::string text = "ColorLineHL=1\r\nColorLine=2\r\n"
                             "AutoPlayPause=3\r\nAutoPlay=4\r\n"
                             "ColorWordShadow=5\r\nColorWord=6\r\n"
                             "ColorTextHL=7\r\nColorText=8\r\n";
    struct Case {
        const char* key;
        const char* value;
    } cases[] = {{"ColorLine", "2"},     {"ColorLineHL", "1"}, {"AutoPlay", "4"},
                 {"AutoPlayPause", "3"}, {"ColorWord", "6"},   {"ColorWordShadow", "5"},
                 {"ColorText", "8"},     {"ColorTextHL", "7"}};
    for (const Case& c : cases)
        EXPECT_EQ(GetIniValue(c.key, text), c.value) << c.key;
}

TEST_F(SettingsTextTest, PasswordsSpellingOtherKeysDoNotStandInForThem) {
    for (const char* password :
         {"xbgformopt", "ColorLine=5", "UserLevel=2", "bgformopt=1", "x AnimSpeed=9"}) {
        UserSet rec = Defaults();
        rec.PWord = password;
        UserSet read = ReadBack(TextOf(rec));
        EXPECT_EQ(read, rec) << password;
        EXPECT_EQ(read.PWord, password);
    }
    // The password stands before [BGForm Options] in the file.
    UserSet rec = Defaults();
    rec.PWord = "xbgformopt";
    rec.BGFormOpt = 2;
    EXPECT_EQ(ReadBack(TextOf(rec)).BGFormOpt, 2);
}

TEST_F(SettingsTextTest, KeyLookupRules) {
    struct Case {
        const char* key;
        std::string text;
        const char* value;
    } cases[] = {
        {"Key", "Key=v\r\n", "v"},
        {"key", "KEY=Value\r\n", "Value"},               // either case
        {"  Key ", "Key=v\r\n", "v"},                    // the key is trimmed
        {"Key", "Key=  v  \r\n", "  v  "},               // the value is not
        {"Key", "Key=first\r\nKey=second\r\n", "first"}, // the first match wins
        {"Key", "Key=\r\n", ""},
        {"Key", "Key=no line end", ""},
        {"Key", "Other=1\r\n", ""},
        {"Key", "AKey=1\r\nKey=2\r\n", "2"}, // only at a line's start
        {"Key", "Keys=1\r\nKey=2\r\n", "2"}, // only where "=" follows
        {"Key", "Key =1\r\nKey=2\r\n", "2"},
        {"Key", "X=Key=1\r\nKey=2\r\n", "2"},
        {"Key", "[S]\nKey=3\r\n", "3"},  // a bare line feed starts a line too
        {"Key", "Key=a\nb\r\n", "a\nb"}, // the value runs to the CR
        {"", "=1\r\n", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(GetIniValue(c.key, c.text), c.value) << c.key << " in " << c.text;

    IniText = "Key=from the settings text\r\n";
    EXPECT_EQ(GetIniValue("Key"), "from the settings text");
    EXPECT_EQ(GetIniValue("Key", "", ";"), ""); // no terminator after the key
    EXPECT_EQ(GetIniValue("Key", "Key=a;b\r\n", ";"), "a");
}

TEST_F(SettingsTextTest, UnknownModesDoNothing) {
    UserSet rec = Unusual();
    const UserSet before = rec;
    IniText = "unchanged";
    for (int16_t mode : {-1, 5, 100}) {
        ProcessAllSections(mode, rec, rec);
        EXPECT_EQ(rec, before) << mode;
        EXPECT_EQ(IniText, "unchanged") << mode;
    }
}

TEST_F(SettingsTextTest, ApplyingTouchesNoRecordAndNoText) {
    Settings = Unusual();
    const UserSet before = Settings;
    IniText = "unchanged";
    ProcessAllSections(umApply, Settings, Settings);
    EXPECT_EQ(Settings, before);
    EXPECT_EQ(IniText, "unchanged");
}

TEST_F(SettingsTextTest, DrawStyleComesFromTheSettings) {
    UserSet s = Unusual();
    AlphaData rec;
    rec.Alpha = "A";
    rec.ColorLine = 99;
    InitDrawStyle(rec, s);
    EXPECT_EQ(rec.ColorLine, s.ColorLine);
    EXPECT_EQ(rec.ColorLineHL, s.ColorLineHL);
    EXPECT_EQ(rec.ColorLinePrompt, s.ColorLinePrompt);
    EXPECT_EQ(rec.ColorCircle, s.ColorCircle);
    EXPECT_EQ(rec.ColorCircleHL, s.ColorCircleHL);
    EXPECT_EQ(rec.ColorHelp, s.ColorHelp);
    EXPECT_EQ(rec.TrackWidth, 18);
    EXPECT_EQ(rec.LineWidth, 14);
    EXPECT_EQ(rec.DotSize, 12);
    EXPECT_EQ(rec.Alpha, "A");

    rec.TrackWidth = 3;
    CopyDrawColors(rec, Defaults());
    EXPECT_EQ(rec.ColorLine, 0xFFFFFF);
    EXPECT_EQ(rec.ColorHelp, 0xD7D586);
    EXPECT_EQ(rec.TrackWidth, 3);
}

// Each section procedure in its own: the options dialog runs them one by one, so a section that
// touched another section's fields would change settings the user never saw.
namespace {

using SectionProc = void (*)(int16_t, UserSet&, const UserSet&);
struct SectionCase {
    const char* header;
    SectionProc proc;
};
const SectionCase kSections[] = {
    {"[Speaking Options]", SectionSpeakingOptions},
    {"[Lesson Info]", SectionLessonInfo},
    {"[Alphabet Colors]", SectionAlphabetColors},
    {"[Animation Speed]", SectionAnimationSpeed},
    {"[Word Colors]", SectionWordColors},
    {"[Label Colors]", SectionLabelColors},
    {"[Allow Color Changing]", SectionAllowColorChanging},
    {"[BackGround Color]", SectionBackGroundColor},
    {"[Start End]", SectionStartEnd},
    {"[Auto Play]", SectionAutoPlay},
    {"[Music]", SectionMusic},
    {"[User Level]", SectionUserLevel},
    {"[Alphabet Type]", SectionAlphabetType},
    {"[Menu Buttons]", SectionMenuButtons},
    {"[Sub Menu Buttons]", SectionSubMenuButtons},
    {"[PassWord]", SectionPassWord},
    {"[BGForm Options]", SectionBGFormOptions},
    {"[BGForm Colors]", SectionBGFormColors},
};

// Where one section's lines stand in a settings text: its header up to its empty line.
std::pair<size_t, size_t> BlockRange(const std::string& text, const std::string& header) {
    size_t p = text.find(header + "\r\n");
    EXPECT_NE(p, std::string::npos) << header;
    size_t e = text.find("\r\n\r\n", p);
    EXPECT_NE(e, std::string::npos) << header;
    return {p, e + 4 - p};
}
std::string BlockOf(const std::string& text, const std::string& header) {
    auto [p, n] = BlockRange(text, header);
    return text.substr(p, n);
}
// text with one section's lines taken from other.
std::string WithBlockOf(std::string text, const std::string& header, const std::string& other) {
    auto [p, n] = BlockRange(text, header);
    text.replace(p, n, BlockOf(other, header));
    return text;
}

// Unusual values, the two label colours the file does not keep included.
UserSet UnusualWithLabelSlots() {
    UserSet r = Unusual();
    r.ColorTextDisabled = 13;
    r.ColorText4 = 14;
    return r;
}

} // namespace

TEST_F(SettingsTextTest, EachSectionDefaultsOnlyItsOwnFields) {
    const UserSet unusual = UnusualWithLabelSlots();
    // The defaults as mode 0 leaves them: the second outline colour and the captions flag kept.
    UserSet defaults = Defaults();
    defaults.ColorCircleOL2 = unusual.ColorCircleOL2;
    defaults.ButtonCaptionsOn = unusual.ButtonCaptionsOn;
    for (const SectionCase& s : kSections) {
        UserSet rec = unusual;
        s.proc(umDefaults, rec, rec);
        EXPECT_EQ(TextOf(rec), WithBlockOf(TextOf(unusual), s.header, TextOf(defaults)))
            << s.header;
        const bool labels = std::string(s.header) == "[Label Colors]";
        EXPECT_EQ(rec.ColorTextDisabled, labels ? forms::RGB(204, 204, 204) : 13) << s.header;
        EXPECT_EQ(rec.ColorText4, labels ? 0 : 14) << s.header;
        EXPECT_EQ(rec.WordsAlpha(0), "") << s.header;
    }
}

TEST_F(SettingsTextTest, EachSectionCopiesOnlyItsOwnFields) {
    UserSet src = UnusualWithLabelSlots();
    src.AlphabetEnd = "X"; // already settled, so the copy holds the same letter
    const UserSet before = Defaults();
    // What a copy of src looks like: the captions flag stays dst's.
    UserSet copied = src;
    copied.ButtonCaptionsOn = before.ButtonCaptionsOn;
    for (const SectionCase& s : kSections) {
        UserSet dst = before;
        s.proc(umCopy, dst, src);
        EXPECT_EQ(TextOf(dst), WithBlockOf(TextOf(before), s.header, TextOf(copied))) << s.header;
        const bool labels = std::string(s.header) == "[Label Colors]";
        EXPECT_EQ(dst.ColorTextDisabled, labels ? 13 : before.ColorTextDisabled) << s.header;
        EXPECT_EQ(dst.ColorText4, labels ? 14 : before.ColorText4) << s.header;
    }
}

TEST_F(SettingsTextTest, EachSectionWritesItsBlockFromSrc) {
    const UserSet src = Unusual();
    UserSet dst = Defaults();
    dst.ButtonCaptionsOn = vbFalse;
    UserSet written = src; // every key from src but the captions flag, which is dst's
    written.ButtonCaptionsOn = dst.ButtonCaptionsOn;
    const std::string whole = TextOf(written);
    for (const SectionCase& s : kSections) {
        IniText = "";
        s.proc(umWrite, dst, src);
        EXPECT_EQ(IniText, BlockOf(whole, s.header)) << s.header;
    }
}

TEST_F(SettingsTextTest, EachSectionReadsOnlyItsOwnKeys) {
    const UserSet unusual = Unusual();
    for (const SectionCase& s : kSections) {
        IniText = TextOf(unusual);
        UserSet rec = Defaults();
        rec.ColorTextDisabled = 13;
        rec.ColorText4 = 14;
        s.proc(umRead, rec, rec);
        EXPECT_EQ(TextOf(rec), WithBlockOf(kDefaultText, s.header, TextOf(unusual))) << s.header;
        const bool labels = std::string(s.header) == "[Label Colors]";
        EXPECT_EQ(rec.ColorTextDisabled, labels ? forms::RGB(204, 204, 204) : 13) << s.header;
        EXPECT_EQ(rec.ColorText4, labels ? 0 : 14) << s.header;
    }
}
