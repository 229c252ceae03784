// Start-up in its order, its error box, the font installation, and the one way the program ends.
#include "tests/shell/shell_fixture.h"

#include <chrono>
#include <filesystem>
#include <ostream>

namespace {

namespace fs = std::filesystem;

const char* const kStartupError = "An Error occured while starting the program. Error: ";
const char* const kFontError = " Unable to install fonts.                   ";

// The settings text the defaults write.
std::string DefaultText() {
    UserSet defaults;
    ProcessAllSections(umDefaults, defaults, defaults);
    IniText.clear();
    ProcessAllSections(umWrite, defaults, defaults);
    std::string text = IniText;
    IniText.clear();
    return text;
}

// text with its first from replaced by to.
std::string Edited(std::string text, const std::string& from, const std::string& to) {
    const size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) text.replace(at, from.size(), to);
    return text;
}

TEST_F(ShellTest, StartupRunsEveryStepAndPostsTheResume) {
    ASSERT_TRUE(Start());
    EXPECT_TRUE(h.MsgBoxes().empty());
    EXPECT_EQ(AppPath, folder.Path());
    EXPECT_EQ(PathSoundsApp, folder.Path() + "\\Sounds\\App");
    EXPECT_EQ(PathImagesApp, folder.Path() + "\\Images\\App");
    EXPECT_EQ(PathSettingsFile, folder.Path() + "\\WiseOwlet.Dbf");
    EXPECT_EQ(PathDebugFile, folder.Path() + "\\zWO.WO");
    EXPECT_EQ(WinDir, winDir);
    // Settings were read (the default file has music on), the fonts installed.
    EXPECT_EQ(Settings.MusicPlay, forms::vbTrue);
    EXPECT_EQ(FontName(0), "VAGROUNDED BT");
    EXPECT_TRUE(InWindows("VAGRON.TTF"));
    // The window is sized from the colour picker's strips: (573 + 43) x (443 + 15) pixels.
    EXPECT_DOUBLE_EQ(FrmMain->Width(), 616 * forms::Screen.TwipsPerPixelX());
    EXPECT_DOUBLE_EQ(FrmMain->Height(), 458 * forms::Screen.TwipsPerPixelY());
    EXPECT_EQ(TraceAnim.AnimTimer, &FrmMain->AT_TimerTMR);
    EXPECT_EQ(MMTimer, &FrmMain->ATTmr_MM);
    // The colour-picker sounds are open on items 2 to 4 (and nothing else is).
    for (int i = 2; i <= 4; ++i)
        EXPECT_EQ(FrmMain->AT_MM_Alphabet(i).Mode(), forms::mciModeStop);
    EXPECT_EQ(FrmMain->AT_MM_Alphabet(0).Mode(), forms::mciModeNotOpen);
    EXPECT_TRUE(FrmMain->Pict_HolderLesson(0).Visible()) << "tracing, the default lesson, started";
    EXPECT_EQ(PendingAction, paResume);
    EXPECT_EQ(FrmMain->Caption(), "Wise Owlet");

    // The first activation hands the resume to the dispatcher, which empties the mailbox.
    FrmMain->Show();
    h.Pump();
    EXPECT_EQ(PendingAction, paNone);
}

TEST_F(ShellTest, AMissingSettingsFileEndsBeforeTheFontsAreInstalled) {
    fs::remove(folder.File("WiseOwlet.Dbf"));
    EXPECT_FALSE(Start());
    ASSERT_EQ(h.MsgBoxes().size(), 1u);
    EXPECT_EQ(h.MsgBoxes()[0].prompt, "Unable to locate WiseOwlet.Dbf. Terminating Application");
    EXPECT_FALSE(InWindows("VAGRON.TTF"));
    EXPECT_FALSE(FrmMain.IsLoaded());
}

TEST_F(ShellTest, AnErrorInAStepShowsTheStartupBoxAndEnds) {
    // A settings file without its animation speed: reading it fails.
    WriteSettingsFile(Edited(DefaultText(), "AnimSpeed=40\r\n", ""), folder.File("WiseOwlet.Dbf"));

    EXPECT_FALSE(Start());
    ASSERT_EQ(h.MsgBoxes().size(), 1u);
    const forms::MsgBoxRecord& box = h.MsgBoxes()[0];
    EXPECT_EQ(box.prompt, std::string(kStartupError) + "WiseOwlet.Dbf: AnimSpeed is missing");
    EXPECT_EQ(box.title, "WiseOwlet");
    EXPECT_EQ(box.ButtonSet(), forms::vbOKOnly);
    EXPECT_EQ(box.Icon(), 0);
    EXPECT_FALSE(InWindows("VAGRON.TTF")) << "the fonts come after the settings";
    EXPECT_FALSE(FrmMain.IsLoaded());
    EXPECT_NE(PendingAction, paResume);
}

TEST_F(ShellTest, WithoutTheTracingSkinStartUpRunsToItsLastStep) {
    // The skin is read when the activity starts (step 10); the steps after it still run.
    HideMedia("Images/App/TrcSkin.jpg");
    WriteSettings([](UserSet& s) { s.PWStart = forms::vbTrue; });
    ASSERT_TRUE(Start());
    EXPECT_TRUE(h.MsgBoxes().empty());
    EXPECT_EQ(FrmMain->Picture(), nullptr);
    EXPECT_TRUE(FrmMain->Pict_HolderLesson(0).Visible()) << "tracing started";
    EXPECT_EQ(PendingAction, paResume);
    EXPECT_TRUE(FrmPassWord.IsLoaded()) << "the password, the last step, came";
}

TEST_F(ShellTest, ThePasswordAtStartShowsItsDialogAndHoldsTheMainWindow) {
    WriteSettings([](UserSet& s) { s.PWStart = forms::vbTrue; });
    ASSERT_TRUE(Start());
    EXPECT_EQ(PasswordAtStart, 1);
    ASSERT_TRUE(FrmPassWord.IsLoaded());
    EXPECT_TRUE(FrmPassWord->Visible());
    // The main window's first activation draws the board but leaves it disabled.
    FrmMain->Show();
    h.Pump();
    EXPECT_FALSE(FrmMain->Enabled());
    EXPECT_FALSE(FrmMain->AT_TimerTMR.Enabled());
}

TEST_F(ShellTest, WithoutThePasswordAtStartNoDialogShows) {
    PasswordAtStart = 0;
    ASSERT_TRUE(Start());
    EXPECT_FALSE(FrmPassWord.IsLoaded());
    EXPECT_EQ(PasswordAtStart, 0);
}

// --- The exit status the parent sees.

// Each way start-up can fail, through the runtime's Run as the executable calls it.
struct ErrorEndCase {
    const char* name;
    void (*damage)(const wotest::TempProgramFolder& folder);
    const char* prompt; // the start of the box's text
};

void PrintTo(const ErrorEndCase& c, std::ostream* os) {
    *os << c.name;
}

class ErrorEndTest : public ShellTest, public ::testing::WithParamInterface<ErrorEndCase> {};

TEST_P(ErrorEndTest, GivesANonZeroExitStatus) {
    GetParam().damage(folder);
    EXPECT_NE(forms::Application::Run(FrmMain), 0);
    ASSERT_EQ(h.MsgBoxes().size(), 1u);
    EXPECT_EQ(h.MsgBoxes()[0].prompt.rfind(GetParam().prompt, 0), 0u) << h.MsgBoxes()[0].prompt;
    EXPECT_FALSE(FrmMain.IsLoaded());
}

INSTANTIATE_TEST_SUITE_P(
    EveryKind, ErrorEndTest,
    ::testing::Values(ErrorEndCase{"MissingSettingsFile",
                                   [](const wotest::TempProgramFolder& f) {
                                       fs::remove(f.File("WiseOwlet.Dbf"));
                                   },
                                   "Unable to locate WiseOwlet.Dbf"},
                      ErrorEndCase{
                          "UnreadableSettingsFile",
                          [](const wotest::TempProgramFolder& f) { f.Write("WiseOwlet.Dbf", ""); },
                          "Error opening WiseOwlet.Dbf"},
                      ErrorEndCase{"DamagedSettingsFile",
                                   [](const wotest::TempProgramFolder& f) {
                                       f.Write("WiseOwlet.Dbf", f.Read("WiseOwlet.Dbf") + "junk");
                                   },
                                   "WiseOwlet.Dbf is damaged"},
                      ErrorEndCase{"StartupError",
                                   [](const wotest::TempProgramFolder& f) {
                                       UserSet rec;
                                       ProcessAllSections(umDefaults, rec, rec);
                                       rec.UserLevel = 9;
                                       IniText.clear();
                                       ProcessAllSections(umWrite, rec, rec);
                                       WriteSettingsFile(IniText, f.File("WiseOwlet.Dbf"));
                                       IniText.clear();
                                   },
                                   kStartupError},
                      ErrorEndCase{"FontFailure",
                                   [](const wotest::TempProgramFolder& f) {
                                       fs::remove(f.File("Fonts/VAGROLN"));
                                   },
                                   kFontError}),
    [](const ::testing::TestParamInfo<ErrorEndCase>& info) { return info.param.name; });

TEST_F(ShellTest, AChosenEndGivesExitStatusZero) {
    forms::PostQuit(); // the window's close, as soon as the program runs
    EXPECT_EQ(forms::Application::Run(FrmMain), 0);
    EXPECT_TRUE(h.MsgBoxes().empty());
}

// --- Values the program cannot use.

struct BadValueCase {
    const char* name;
    void (*change)(UserSet& s);
    const char* description; // after "WiseOwlet.Dbf: "
};

void PrintTo(const BadValueCase& c, std::ostream* os) {
    *os << c.name;
}

class BadValueTest : public ShellTest, public ::testing::WithParamInterface<BadValueCase> {};

TEST_P(BadValueTest, IsRefusedAtStartupNamingItsKey) {
    WriteSettings(GetParam().change);
    EXPECT_FALSE(Start());
    ASSERT_EQ(h.MsgBoxes().size(), 1u);
    EXPECT_EQ(h.MsgBoxes()[0].prompt,
              std::string(kStartupError) + "WiseOwlet.Dbf: " + GetParam().description);
    EXPECT_EQ(h.MsgBoxes()[0].title, "WiseOwlet");
    EXPECT_FALSE(FrmMain.IsLoaded());
}

INSTANTIATE_TEST_SUITE_P(
    Settings, BadValueTest,
    ::testing::Values(
        BadValueCase{"UserLevel", [](UserSet& s) { s.UserLevel = 9; },
                     "UserLevel=9 is outside 0 to 2"},
        BadValueCase{"AlphabetType", [](UserSet& s) { s.AlphabetType = 7; },
                     "AlphabetType=7 is outside 0 to 3"},
        BadValueCase{"Instrument", [](UserSet& s) { s.Instrument = 999; },
                     "Instrument=999 is outside 0 to 5"},
        BadValueCase{"NumbersBackwards",
                     [](UserSet& s) {
                         s.NumbersStart = 50;
                         s.NumbersEnd = -3;
                     },
                     "NumbersStart=50 is outside 1 to 30"},
        BadValueCase{"NumbersEndBelowOne", [](UserSet& s) { s.NumbersEnd = -3; },
                     "NumbersEnd=-3 is outside 1 to 30"},
        BadValueCase{"NumbersTooFew",
                     [](UserSet& s) {
                         s.NumbersStart = 10;
                         s.NumbersEnd = 13;
                     },
                     "NumbersStart=10 and NumbersEnd=13 do not span five numbers"},
        BadValueCase{"NumbersStepTooLong", [](UserSet& s) { s.NumbersStep = 15; },
                     "NumbersStep=15 is more than half the range from NumbersStart to NumbersEnd"},
        BadValueCase{"NumbersStepZero", [](UserSet& s) { s.NumbersStep = 0; },
                     "NumbersStep=0 is outside 1 to 30"},
        BadValueCase{"AlphabetStartNotALetter", [](UserSet& s) { s.AlphabetStart = "7"; },
                     "AlphabetStart=7 is not a capital letter A to Z"},
        BadValueCase{"AlphabetEndSmall", [](UserSet& s) { s.AlphabetEnd = "z"; },
                     "AlphabetEnd=z is not a capital letter A to Z"},
        BadValueCase{"AlphabetBackwards",
                     [](UserSet& s) {
                         s.AlphabetStart = "M";
                         s.AlphabetEnd = "C";
                     },
                     "AlphabetStart=M and AlphabetEnd=C do not span five letters"},
        BadValueCase{"AnimSpeedNegative", [](UserSet& s) { s.AnimSpeed = -5; },
                     "AnimSpeed=-5 is outside 1 to 100"},
        BadValueCase{"AnimSpeedZero", [](UserSet& s) { s.AnimSpeed = 0; },
                     "AnimSpeed=0 is outside 1 to 100"},
        BadValueCase{"AutoPlayPause", [](UserSet& s) { s.AutoPlayPause = 0; },
                     "AutoPlayPause=0 is outside 1000 to 10000"},
        BadValueCase{"Volume", [](UserSet& s) { s.Volume = 100; },
                     "Volume=100 is outside -10000 to 0"},
        BadValueCase{"LessonID", [](UserSet& s) { s.LessonID = 5; },
                     "LessonID=5 is outside 0 to 1"},
        BadValueCase{"BGFormOpt", [](UserSet& s) { s.BGFormOpt = 4; },
                     "BGFormOpt=4 is outside 0 to 3"},
        BadValueCase{"ColourBeyond24Bits", [](UserSet& s) { s.BGColor = 0x1000000; },
                     "BGColor=16777216 is outside 0 to 16777215"},
        BadValueCase{"NegativeColour", [](UserSet& s) { s.ColorWord = -1; },
                     "ColorWord=-1 is outside 0 to 16777215"}),
    [](const ::testing::TestParamInfo<BadValueCase>& info) { return info.param.name; });

// Values that do not convert, and keys that are not there, in a file whose checksum is good: the
// same refusal as a value out of range, naming the key, with the file left as it is.
struct UnreadableValueCase {
    const char* name;
    const char* from; // in the defaults' settings text
    const char* to;
    const char* description; // after "WiseOwlet.Dbf: "
};

void PrintTo(const UnreadableValueCase& c, std::ostream* os) {
    *os << c.name;
}

class UnreadableValueTest : public ShellTest,
                            public ::testing::WithParamInterface<UnreadableValueCase> {};

TEST_P(UnreadableValueTest, IsRefusedNamingItsKeyAndEndsWithAnError) {
    const UnreadableValueCase& c = GetParam();
    WriteSettingsFile(Edited(DefaultText(), c.from, c.to), folder.File("WiseOwlet.Dbf"));
    const std::string bytes = folder.Read("WiseOwlet.Dbf");

    EXPECT_NE(forms::Application::Run(FrmMain), 0);
    ASSERT_EQ(h.MsgBoxes().size(), 1u);
    EXPECT_EQ(h.MsgBoxes()[0].prompt,
              std::string(kStartupError) + "WiseOwlet.Dbf: " + c.description);
    EXPECT_EQ(h.MsgBoxes()[0].title, "WiseOwlet");
    EXPECT_FALSE(FrmMain.IsLoaded());
    EXPECT_EQ(folder.Read("WiseOwlet.Dbf"), bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, UnreadableValueTest,
    ::testing::Values(UnreadableValueCase{"UserLevelNotANumber", "UserLevel=0", "UserLevel=abc",
                                          "UserLevel=abc is not a number"},
                      UnreadableValueCase{"ColorWordNotANumber", "ColorWord=65535", "ColorWord=abc",
                                          "ColorWord=abc is not a number"},
                      UnreadableValueCase{"SMButtonNotAFlag", "SMButton0=True", "SMButton0=maybe",
                                          "SMButton0=maybe is not True or False"},
                      UnreadableValueCase{"AnimSpeedOverflows", "AnimSpeed=40",
                                          "AnimSpeed=99999999999",
                                          "AnimSpeed=99999999999 is outside -32768 to 32767"},
                      UnreadableValueCase{"UserLevelSectionMissing",
                                          "[User Level]\r\nUserLevel=0\r\n\r\n", "",
                                          "UserLevel is missing"}),
    [](const ::testing::TestParamInfo<UnreadableValueCase>& info) { return info.param.name; });

TEST_F(ShellTest, ValuesAtTheEdgesOfTheirRangesStart) {
    WriteSettings([](UserSet& s) {
        s.UserLevel = ulLevel3;
        s.AlphabetType = atNumbers;
        s.Instrument = 5;
        s.NumbersStart = 26;
        s.NumbersEnd = 30;
        s.NumbersStep = 2;
        s.AlphabetStart = "V";
        s.AlphabetEnd = "Z";
        s.AnimSpeed = 1;
        s.AutoPlayPause = 10000;
        s.Volume = -10000;
        s.BGColor = 0xFFFFFF;
        s.BGFormOpt = 3;
    });
    ASSERT_TRUE(Start()) << (h.MsgBoxes().empty() ? "" : h.MsgBoxes().back().prompt);
    EXPECT_EQ(Settings.NumbersStart, 26);
    EXPECT_EQ(Settings.AnimSpeed, 1);
}

// --- Fonts.

class FontTest : public ShellTest {
  protected:
    void SetUp() override {
        ShellTest::SetUp();
        InitPaths();
    }
    std::string Fot(const char* name) const { return folder.File(std::string("Fonts/") + name); }
    static void Register(const std::string& path) {
        ASSERT_GT(forms::FontRegistry::Instance().AddFontFile(path), 0) << path;
    }
};

TEST_F(FontTest, AllFacesInstalledTouchNothing) {
    for (const char* f : {"VAGRON", "VAGROLN", "WINGDNG2"})
        Register(Fot(f));
    InstallFonts();
    EXPECT_TRUE(h.MsgBoxes().empty());
    EXPECT_EQ(FontName(0), "VAGROUNDED BT");
    EXPECT_EQ(FontName(1), "VAGROUNDED LT");
    EXPECT_EQ(FontName(2), "WINGDINGS 2");
    for (int k = 0; k <= 2; ++k)
        EXPECT_EQ(FontSubstituted(k), forms::vbFalse);
    EXPECT_FALSE(InWindows("VAGRON.TTF"));
    EXPECT_FALSE(fs::exists(Fot("VAGRON.FOT")));
    EXPECT_TRUE(forms::FontFolderViewerLog().empty());
}

TEST_F(FontTest, MissingFacesAreCopiedMadeAndAdded) {
    ::testing::internal::CaptureStderr();
    InstallFonts();
    const std::string said = ::testing::internal::GetCapturedStderr();
    // The one line about the font folder names it as this system writes paths.
    EXPECT_NE(said.find(winDir + "/Fonts"), std::string::npos) << said;
    EXPECT_EQ(said.find('\\'), std::string::npos) << said;
    EXPECT_TRUE(h.MsgBoxes().empty());
    for (const char* ttf : {"VAGRON.TTF", "VAGROLN.TTF", "WINGDNG2.TTF"})
        EXPECT_TRUE(InWindows(ttf));
    for (const char* fot : {"VAGRON.FOT", "VAGROLN.FOT", "WINGDNG2.FOT"})
        EXPECT_TRUE(fs::exists(Fot(fot)));
    EXPECT_EQ(IsFontInstalled("vagrounded bt"), forms::vbTrue);
    EXPECT_EQ(FontName(0), "VAGROUNDED BT");
    EXPECT_EQ(FontSubstituted(0), forms::vbFalse);
    EXPECT_NE(DebugText.find("Installed : " + AppPath + "\\Fonts\\VAGRON.FOT\r\n"),
              std::string::npos);
    ASSERT_EQ(forms::FontFolderViewerLog().size(), 1u);
    EXPECT_EQ(forms::FontFolderViewerLog()[0], WinDir + "\\Fonts\\");
}

TEST_F(FontTest, ATrueTypeFileAlreadyThereIsNotCopiedButItsResourceIsMadeAgain) {
    fs::copy_file(Fot("VAGRON"), winDir + "/Fonts/VAGRON.TTF");
    fs::remove(Fot("VAGRON")); // a copy would now fail
    folder.Write("Fonts/VAGRON.FOT", "stale");
    InstallFonts();
    EXPECT_TRUE(h.MsgBoxes().empty());
    EXPECT_NE(folder.Read("Fonts/VAGRON.FOT"), "stale");
    EXPECT_EQ(FontName(0), "VAGROUNDED BT");
    EXPECT_EQ(FontSubstituted(0), forms::vbFalse);
}

TEST_F(FontTest, AFaceStillMissingAfterAddingFallsBackToArial) {
    // A font file whose face is another one: it is added, but the face asked for never shows.
    fs::remove(Fot("VAGRON"));
    fs::copy_file(Fot("VAGROLN"), Fot("VAGRON"));
    InstallFonts();
    EXPECT_TRUE(h.MsgBoxes().empty());
    EXPECT_EQ(FontName(0), "Arial");
    EXPECT_EQ(FontSubstituted(0), forms::vbTrue);
    EXPECT_EQ(FontName(1), "VAGROUNDED LT");
    EXPECT_EQ(FontSubstituted(1), forms::vbFalse);
}

TEST_F(FontTest, AFontFileMissingFromTheProgramEndsWithTheFontBox) {
    fs::remove(Fot("VAGROLN"));
    EXPECT_THROW(InstallFonts(), forms::EndSignal);
    ASSERT_EQ(h.MsgBoxes().size(), 1u);
    EXPECT_EQ(h.MsgBoxes()[0].prompt, kFontError);
    EXPECT_EQ(h.MsgBoxes()[0].title, "Font Installation Error");
    EXPECT_EQ(h.MsgBoxes()[0].Icon(), forms::vbCritical);
    EXPECT_EQ(h.MsgBoxes()[0].ButtonSet(), forms::vbOKOnly);
}

TEST_F(FontTest, AFontResourceThatCannotBeMadeEndsWithTheFontBox) {
    // The stored font file is no font: it is copied, but no resource can be made of it.
    folder.Write("Fonts/VAGROLN", "not a font");
    EXPECT_THROW(InstallFonts(), forms::EndSignal);
    ASSERT_EQ(h.MsgBoxes().size(), 1u);
    EXPECT_EQ(h.MsgBoxes()[0].prompt, kFontError);
    EXPECT_EQ(h.MsgBoxes()[0].title, "Font Installation Error");
    EXPECT_EQ(h.MsgBoxes()[0].Icon(), forms::vbCritical);
    EXPECT_NE(DebugText.find("Installed : " + AppPath + "\\Fonts\\VAGRON.FOT\r\n"),
              std::string::npos)
        << "the first font went in before the second failed";
    EXPECT_NE(DebugText.find("Unable to create FOT file " + AppPath + "\\Fonts\\VAGROLN.FOT"),
              std::string::npos);
    EXPECT_FALSE(fs::exists(Fot("WINGDNG2.FOT"))) << "the third font is never reached";
    EXPECT_TRUE(forms::FontFolderViewerLog().empty());
}

// Every start of a new process finds its faces missing again; the program folder, which may be
// read-only, must not be written when its resource files already say what they would say.
TEST_F(FontTest, ALaterStartWritesNothingInTheProgramFolder) {
    InstallFonts();
    const auto old = fs::file_time_type::clock::now() - std::chrono::hours(24);
    for (const char* fot : {"VAGRON.FOT", "VAGROLN.FOT", "WINGDNG2.FOT"})
        fs::last_write_time(Fot(fot), old);
    const auto folderTime = fs::last_write_time(folder.File("Fonts"));

    forms::FontRegistry::Instance().Reset(); // as a new process finds it
    for (int k = 0; k <= 2; ++k)
        FontSubstituted(k) = forms::vbFalse;
    InstallFonts();
    EXPECT_TRUE(h.MsgBoxes().empty());
    for (const char* fot : {"VAGRON.FOT", "VAGROLN.FOT", "WINGDNG2.FOT"})
        EXPECT_EQ(fs::last_write_time(Fot(fot)), old) << fot << " was written again";
    EXPECT_EQ(fs::last_write_time(folder.File("Fonts")), folderTime) << "no file made or removed";
    for (int k = 0; k <= 2; ++k)
        EXPECT_EQ(FontSubstituted(k), forms::vbFalse) << k;
    EXPECT_EQ(IsFontInstalled("VAGROUNDED BT"), forms::vbTrue);
}

// Where no resource file can be written (here a folder stands in each one's place; as root no
// permission would stop the write), the faces are still added from the font files themselves.
TEST_F(FontTest, AProgramFolderThatTakesNoResourceFileStillGetsItsFonts) {
    for (const char* fot : {"VAGRON.FOT", "VAGROLN.FOT", "WINGDNG2.FOT"})
        fs::create_directory(Fot(fot));
    InstallFonts();
    EXPECT_TRUE(h.MsgBoxes().empty()) << h.MsgBoxes().front().prompt;
    EXPECT_EQ(FontName(0), "VAGROUNDED BT");
    EXPECT_EQ(FontName(1), "VAGROUNDED LT");
    for (int k = 0; k <= 2; ++k)
        EXPECT_EQ(FontSubstituted(k), forms::vbFalse) << k;
    EXPECT_EQ(IsFontInstalled("VAGROUNDED LT"), forms::vbTrue);
}

TEST(TrimAtNull, CutsAtTheFirstNul) {
    EXPECT_EQ(TrimAtNull(std::string("C:\\WINDOWS\0  \0", 14)), "C:\\WINDOWS");
    EXPECT_EQ(TrimAtNull("no nul"), "no nul");
    EXPECT_EQ(TrimAtNull(std::string(1, '\0')), "");
}

// --- The end.

// Ends the program from a handler, as the program always does, and checks what it left before
// the runtime frees the unloaded forms.
template <class Check> void EndAndCheck(Check check) {
    forms::Application::HandlerScope scope;
    EXPECT_THROW(EndProgram(), forms::EndSignal);
    check();
}

TEST_F(ShellTest, EndProgramClosesTheDevicesAndUnloadsOnlyLoadedForms) {
    StartAndShow();
    FrmMain->AT_MM_Alphabet(5).SetFileName(PathSoundsApp + "\\SndPlonk.Wav");
    FrmMain->AT_MM_Alphabet(5).SetCommand("Open");
    FrmMenuMusic.Get();
    FrmCompletion.Get();
    forms::SoundChannel* channels[7];
    for (int i = 0; i <= 6; ++i)
        channels[i] = &FrmMain->AT_MM_Alphabet(i);
    std::vector<std::string> before[7];
    for (int i = 0; i <= 6; ++i)
        before[i].assign(channels[i]->History().begin(), channels[i]->History().end());

    EndAndCheck([&] {
        // Items 0 to 4 got "Close"; 5 and 6 nothing.
        for (int i = 0; i <= 4; ++i)
            EXPECT_EQ(channels[i]->History().back(), "Close") << i;
        for (int i = 5; i <= 6; ++i)
            EXPECT_EQ(channels[i]->History().size(), before[i].size()) << i;
    });
    EXPECT_FALSE(FrmMain.IsLoaded());
    EXPECT_FALSE(FrmMenuMusic.IsLoaded());
    EXPECT_FALSE(FrmCompletion.IsLoaded());
    // Forms that were not loaded are skipped, not created to be unloaded.
    EXPECT_FALSE(FrmPassWord.IsLoaded());
    EXPECT_FALSE(FrmOptions.IsLoaded());
    EXPECT_EQ(TraceAnim.AnimTimer, nullptr);
    EXPECT_EQ(MMTimer, nullptr);
}

TEST_F(ShellTest, EndProgramUnloadsTheFormsInItsOrder) {
    StartAndShow();
    // Loaded in another order; FrmGeneral and FrmMenuLevel stay unloaded and are skipped.
    FrmOptions.Get();
    FrmMenuLessons.Get();
    FrmMenuMusic.Get();
    FrmMenuAlpha.Get();
    FrmBackGround.Get();
    FrmCompletion.Get();
    FrmPassWord.Get();
    std::vector<std::string> unloaded;
    forms::SetFormUnloadObserver([&](const std::string& name) { unloaded.push_back(name); });
    EndAndCheck([] {});
    forms::SetFormUnloadObserver(nullptr);
    EXPECT_EQ(unloaded, (std::vector<std::string>{"FrmPassWord", "FrmCompletion", "FrmBackGround",
                                                  "FrmMenuAlpha", "FrmMenuMusic", "FrmMenuLessons",
                                                  "FrmOptions", "FrmMain"}));
    EXPECT_EQ(BGFormShown, forms::vbFalse);
    EXPECT_FALSE(FrmGeneral.IsLoaded());
    EXPECT_FALSE(FrmMenuLevel.IsLoaded());
    EXPECT_FALSE(FrmMain.IsLoaded());
}

TEST_F(ShellTest, EndProgramReleasesTheShownOptionsDialog) {
    StartAndShow();
    ShowOptionsDialog();
    ASSERT_NE(OptionsForm, nullptr);
    EndAndCheck([] { EXPECT_EQ(OptionsForm, nullptr); });
}

TEST_F(ShellTest, EndProgramStillEndsWhenTheDebugDumpsFail) {
    folder.Write("zWO.WO", "");
    StartAndShow();
    ASSERT_EQ(DebugOn, forms::vbTrue);
    // The dump cannot be written: the marker is now a folder.
    fs::remove(folder.File("zWO.WO"));
    fs::create_directory(folder.File("zWO.WO"));
    forms::SoundChannel& colourSound = FrmMain->AT_MM_Alphabet(2);
    EndAndCheck([&] { EXPECT_EQ(colourSound.History().back(), "Close"); });
    EXPECT_FALSE(FrmMain.IsLoaded());
}

TEST_F(ShellTest, WithTheDebugLogOnTheEndWritesTheDumps) {
    folder.Write("zWO.WO", "");
    StartAndShow();
    EndAndCheck([] {});
    EXPECT_NE(folder.Read("zWO.WO").find("Installed : "), std::string::npos);
    EXPECT_TRUE(folder.Exists("zIniFile.Txt"));
}

TEST_F(ShellTest, TheWindowsCloseRequestEndsThroughEndProgram) {
    folder.Write("zWO.WO", "");
    StartAndShow();
    forms::PostQuit();
    EXPECT_THROW(h.Pump(), forms::EndSignal);
    // The main window's own unload was under way: the end left it to the runtime.
    ASSERT_TRUE(FrmMain.IsLoaded());
    EXPECT_EQ(FrmMain->AT_MM_Alphabet(3).History().back(), "Close");
    EXPECT_TRUE(folder.Exists("zIniFile.Txt")) << "the end's dumps were written";
}

// An error that no handler of the program catches is shown by the runtime under the program's
// own title, and ends the program.
TEST_F(ShellTest, ARunTimeErrorBoxCarriesTheApplicationTitle) {
    StartAndShow();
    forms::Application::SetErrorPolicy(forms::ErrorPolicy::ShowAndEnd);
    FrmMain->PuzTmr.Tick = [] { forms::Raise(forms::errSubscript); };
    FrmMain->PuzTmr.SetInterval(10);
    FrmMain->PuzTmr.SetEnabled(true);
    EXPECT_THROW(h.Advance(50), forms::EndSignal);
    forms::Application::SetErrorPolicy(forms::ErrorPolicy::Propagate);
    ASSERT_FALSE(h.MsgBoxes().empty());
    EXPECT_EQ(h.MsgBoxes().back().prompt, "Run-time error '9':\r\n\r\nSubscript out of range");
    EXPECT_EQ(h.MsgBoxes().back().title, "WiseOwlet");
}

} // namespace
