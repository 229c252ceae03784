// The options dialog's Menu Buttons tab: the button strip and its help, the range check and the
// save, typing in the range boxes, the music controls that act on the player at once, the volume
// scale, Defaults and what Apply does to the running program.
#include "tests/options/options_fixture.h"
#include "tracing/trace_engine.h"

#include <cctype>
#include <functional>
#include <ostream>
#include <string>

namespace {

class MenuButtonsTabTest : public OptionsTest {
  protected:
    void OpenTab() { Open(tabMenuButtons); }
    forms::MusicPlayer& Player() { return FrmMenuMusic->MM_Music; }
    forms::PicturePtr MenuPicture(int n) { return FrmMain->WOImgLst_Menu.Picture(n); }
    forms::TextBox& Box(int i) { return O().MBTxt_AlphaType(i); }
    // Types into a range box as the keyboard does: the box takes the focus first.
    void TypeInto(int box, const std::string& keys) {
        Box(box).SetFocus();
        h.Pump();
        h.Type(keys);
    }
    // The one message box shown; an empty record (and a failure) when there was none.
    forms::MsgBoxRecord OnlyMessage() {
        EXPECT_EQ(h.MsgBoxes().size(), 1u);
        return h.MsgBoxes().empty() ? forms::MsgBoxRecord{} : h.MsgBoxes().back();
    }
};

TEST_F(MenuButtonsTabTest, OpensOnTheAlphabetTypeButtonWithTheSettingsShown) {
    WriteSettings([](UserSet& s) {
        s.MenuButton(mnLevel) = forms::vbFalse;
        s.UserLevel = ulLevel2;
        s.LessonID = lsPuzzle;
        s.Instrument = 4;
    });
    OpenTab();
    for (int i = 0; i <= 4; ++i)
        EXPECT_EQ(O().MBImg_Buttons(i).Picture(), MenuPicture(i == mnLevel ? i + 16 : i + 1))
            << "button " << i << ": the off picture only for the hidden level button";
    EXPECT_GT(O().MBImg_Buttons(mnOptions).Left(), O().MBImg_Buttons(mnAlphaType).Left())
        << "the strip runs as the main window's row does";
    EXPECT_EQ(O().MBButtonIndex, mnAlphaType);
    EXPECT_EQ(O().MBShp_HL.BorderColor(), 0xFFFF) << "yellow: the selected button is on";
    EXPECT_EQ(O().MBShp_HL.Left(), O().MBImg_Buttons(mnAlphaType).Left() - 3);
    EXPECT_EQ(O().MBFrm_MenuButtons(3).Caption(), "Alphabet Type Button");
    EXPECT_EQ(O().MBlbl_ButtonDesc(0).Caption(),
              "There are four options for the alpha type button. Capital, small, mixed case and "
              "numbers. Start and end define exercises over a given range. Step is for number "
              "multiples. ");
    EXPECT_EQ(O().MBlbl_ButtonDesc(1).Caption(),
              "Suggested values. Button-Off  Excercise-As desired");
    for (int i = 0; i <= 4; ++i)
        EXPECT_EQ(O().MBFrm_Holder(i).Visible(), i == mnAlphaType) << i;
    EXPECT_EQ(O().MBCmbo_AlphaType.Text(), "Capital Alphabets ( A - Z )");
    EXPECT_EQ(Box(0).Text(), "A");
    EXPECT_EQ(Box(1).Text(), "Z");
    EXPECT_FALSE(Box(2).Enabled()) << "no step for letters";
    EXPECT_EQ(O().MBCmbo_Level.Text(), "Intermediate ( Level - 2 )");
    EXPECT_EQ(O().MBChk_Level.Value(), forms::vbUnchecked);
    EXPECT_EQ(O().MBCmbo_Lessons.Text(), "Puzzle");
    EXPECT_EQ(O().MBCmbo_Instrument.Text(), "Trumpet");
    EXPECT_EQ(O().MBLbl_MusicOpt(100).Caption(), "Junior can access lesson/games button");
    // Showing the tab changes nothing of what it shows.
    EXPECT_EQ(O().OptSettings.AlphabetStart, Settings.AlphabetStart);
    EXPECT_EQ(O().OptSettings.AlphabetEnd, Settings.AlphabetEnd);
    EXPECT_EQ(O().OptSettings.Volume, Settings.Volume);
    EXPECT_EQ(O().OptSettings.MenuButton, Settings.MenuButton);
}

struct ButtonHelpCase {
    int16_t index;
    const char* title;
    const char* suggestion;
};

class ButtonHelpTest : public MenuButtonsTabTest,
                       public ::testing::WithParamInterface<ButtonHelpCase> {};

TEST_P(ButtonHelpTest, APictureShowsItsHelpAndOnlyItsFrame) {
    const ButtonHelpCase& c = GetParam();
    OpenTab();
    O().MBImg_Buttons_Click(c.index);
    EXPECT_EQ(O().MBButtonIndex, c.index);
    EXPECT_EQ(O().MBPrevButtonIndex, mnAlphaType);
    EXPECT_EQ(O().MBFrm_MenuButtons(3).Caption(), c.title);
    EXPECT_EQ(O().MBlbl_ButtonDesc(1).Caption(), c.suggestion);
    for (int i = 0; i <= 4; ++i)
        EXPECT_EQ(O().MBFrm_Holder(i).Visible(), i == c.index) << i;
    EXPECT_EQ(O().MBShp_HL.Left(), O().MBImg_Buttons(c.index).Left() - 3);
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, ButtonHelpTest,
    ::testing::Values(ButtonHelpCase{mnOptions, "Options Button", ""},
                      ButtonHelpCase{mnChoice, "Lessons Button", "Suggested values. Button-On "},
                      ButtonHelpCase{mnMusic, "Music Instruments Button",
                                     "Suggested values. Button-On,  Music feature-On"},
                      ButtonHelpCase{mnLevel, "Skills Level Button",
                                     "Suggested values. Button-On  Level-As desired"}),
    [](const auto& info) {
        // The frame's title without its blanks: "OptionsButton", "LessonsButton", ...
        std::string name;
        for (const char* p = info.param.title; *p; ++p)
            if (std::isalnum(static_cast<unsigned char>(*p))) name += *p;
        return name;
    });

TEST_F(MenuButtonsTabTest, ASwitchedOffButtonTakesItsOffPictureAndAGreyFrame) {
    OpenTab();
    O().MBImg_Buttons_Click(mnLevel);
    O().MBChk_Level.SetValue(forms::vbUnchecked);
    EXPECT_EQ(O().OptSettings.MenuButton(mnLevel), forms::vbFalse);
    EXPECT_EQ(O().MBImg_Buttons(mnLevel).Picture(), MenuPicture(mnLevel + 16));
    EXPECT_EQ(O().MBShp_HL.BorderColor(), forms::RGB(153, 153, 153));
    O().MBChk_Level.SetValue(forms::vbChecked);
    EXPECT_EQ(O().MBImg_Buttons(mnLevel).Picture(), MenuPicture(mnLevel + 1));
    EXPECT_EQ(O().MBShp_HL.BorderColor(), 0xFFFF);
    EXPECT_EQ(Settings.MenuButton(mnLevel), forms::vbTrue) << "only the working copy changed";
}

// --- The range check at OK.

struct RangeCase {
    const char* name;
    const char* start;
    const char* end;
    int16_t first, last, step;
    const char* message; // "" when the range may be saved
};

void PrintTo(const RangeCase& c, std::ostream* os) {
    *os << c.name;
}

class RangeCheckTest : public MenuButtonsTabTest,
                       public ::testing::WithParamInterface<RangeCase> {};

TEST_P(RangeCheckTest, OkSavesOnlyAValidRange) {
    const RangeCase& c = GetParam();
    OpenTab();
    const UserSet before = Settings;
    O().OptSettings.AlphabetStart = c.start;
    O().OptSettings.AlphabetEnd = c.end;
    O().OptSettings.NumbersStart = c.first;
    O().OptSettings.NumbersEnd = c.last;
    O().OptSettings.NumbersStep = c.step;
    forms::ClearMsgBoxLog();
    Press(kOK);
    if (*c.message) {
        const forms::MsgBoxRecord box = OnlyMessage();
        // The check's sentence is trimmed before the advice is joined to it.
        EXPECT_EQ(box.prompt, forms::Trim(c.message) +
                                  "Please enter correct values \r\n"
                                  "or load default values with the Default Button below.");
        EXPECT_EQ(box.title, "Menu Button");
        EXPECT_EQ(box.Icon(), forms::vbExclamation);
        EXPECT_EQ(box.ButtonSet(), forms::vbOKOnly);
        EXPECT_TRUE(OptionsShown()) << "the dialog stays open";
        EXPECT_TRUE(Settings == before) << "nothing saved";
        const UserSet file = FromFile();
        EXPECT_EQ(file.AlphabetStart, before.AlphabetStart);
        EXPECT_EQ(file.NumbersStep, before.NumbersStep);
    } else {
        EXPECT_TRUE(h.MsgBoxes().empty()) << LastPrompt();
        EXPECT_FALSE(OptionsShown());
        const std::string start = forms::UCase(c.start), end = forms::UCase(c.end);
        EXPECT_EQ(Settings.AlphabetStart, start);
        EXPECT_EQ(Settings.AlphabetEnd, end);
        EXPECT_EQ(Settings.NumbersStep, c.step);
        const UserSet file = FromFile();
        EXPECT_EQ(file.AlphabetStart, start);
        EXPECT_EQ(file.AlphabetEnd, end);
        EXPECT_EQ(file.NumbersStart, c.first);
        EXPECT_EQ(file.NumbersEnd, c.last);
        EXPECT_EQ(file.NumbersStep, c.step);
    }
}

const char* const kBadLetters = "Invalid alphabet start and end values. ";
const char* const kBadNumbers = "Invalid numeric start, end and step values. ";

INSTANTIATE_TEST_SUITE_P(
    Ranges, RangeCheckTest,
    ::testing::Values(RangeCase{"FiveLetters", "A", "E", 1, 30, 1, ""},
                      RangeCase{"FourLetters", "A", "D", 1, 30, 1, kBadLetters},
                      RangeCase{"SmallStartCapitalEnd", "a", "E", 1, 30, 1, ""},
                      RangeCase{"CapitalStartSmallEndReversed", "Z", "e", 1, 30, 1, kBadLetters},
                      RangeCase{"SmallStartTooShort", "b", "E", 1, 30, 1, kBadLetters},
                      RangeCase{"Reversed", "Z", "A", 1, 30, 1, kBadLetters},
                      RangeCase{"BadLettersHideBadNumbers", "A", "D", 30, 1, 1, kBadLetters},
                      RangeCase{"StepFourteen", "A", "Z", 1, 30, 14, ""},
                      RangeCase{"StepFifteen", "A", "Z", 1, 30, 15, kBadNumbers},
                      RangeCase{"FiveNumbersStepTwo", "A", "Z", 5, 9, 2, ""},
                      RangeCase{"FourNumbers", "A", "Z", 5, 8, 1, kBadNumbers},
                      RangeCase{"NumbersReversed", "A", "Z", 20, 10, 1, kBadNumbers}),
    [](const auto& info) { return std::string(info.param.name); });

// --- Typing in the range boxes.

struct TypingCase {
    const char* name;
    int16_t alphabetType;
    int box;
    const char* text;
    const char* message; // "" for none
    const char* shown;   // the box afterwards
    std::function<std::string(const UserSet&)> stored;
    const char* want; // what the working copy holds afterwards
};

void PrintTo(const TypingCase& c, std::ostream* os) {
    *os << c.name;
}

class RangeTypingTest : public MenuButtonsTabTest,
                        public ::testing::WithParamInterface<TypingCase> {};

TEST_P(RangeTypingTest, AnEntryIsStoredOrRefusedAndUndone) {
    const TypingCase& c = GetParam();
    WriteSettings([&](UserSet& s) {
        s.AlphabetType = c.alphabetType;
        s.NumbersStart = 3;
        s.NumbersEnd = 24;
        s.NumbersStep = 2;
    });
    OpenTab();
    forms::ClearMsgBoxLog();
    Box(c.box).SetText(c.text);
    if (*c.message) {
        const forms::MsgBoxRecord box = OnlyMessage();
        EXPECT_EQ(box.prompt, c.message);
        EXPECT_EQ(box.title, "WiseOwlet") << "no title of its own: the application's";
        EXPECT_EQ(box.Icon(), 0);
        EXPECT_EQ(box.ButtonSet(), forms::vbOKOnly);
    } else {
        EXPECT_TRUE(h.MsgBoxes().empty()) << LastPrompt();
    }
    EXPECT_EQ(Box(c.box).Text(), c.shown);
    EXPECT_EQ(c.stored(O().OptSettings), c.want);
}

std::string StartNumber(const UserSet& s) {
    return std::to_string(s.NumbersStart);
}
std::string StepNumber(const UserSet& s) {
    return std::to_string(s.NumbersStep);
}
std::string StartLetter(const UserSet& s) {
    return s.AlphabetStart;
}

INSTANTIATE_TEST_SUITE_P(
    Entries, RangeTypingTest,
    ::testing::Values(
        TypingCase{"Zero", atNumbers, 0, "0", "Please enter a number from 1 - 30 ", "3",
                   StartNumber, "3"},
        TypingCase{"ThirtyOne", atNumbers, 0, "31", "Please enter a number from 1 - 30 ", "3",
                   StartNumber, "3"},
        TypingCase{"NotANumber", atNumbers, 0, "x", "Please enter a number.", "3", StartNumber,
                   "3"},
        TypingCase{"Deleted", atNumbers, 0, "", "", "", StartNumber, "3"},
        TypingCase{"Twelve", atNumbers, 0, "12", "", "12", StartNumber, "12"},
        TypingCase{"StepHalfRoundsToEven", atNumbers, 2, "2.5", "", "2.5", StepNumber, "2"},
        TypingCase{"DigitInALetterBox", atCapitals, 0, "5", "Please enter an alphabet.", "A",
                   StartLetter, "A"},
        TypingCase{"SmallLetter", atSmall, 0, "q", "", "q", StartLetter, "q"},
        TypingCase{"SmallLetterInCapitals", atCapitals, 0, "q", "", "Q", StartLetter, "Q"},
        TypingCase{"MixedPair", atMixed, 0, "q", "", "Qq", StartLetter, "Qq"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MenuButtonsTabTest, ALetterBoxAlwaysHoldsOneSelectedLetterThatTheNextKeyReplaces) {
    WriteSettings([](UserSet& s) { s.AlphabetType = atSmall; });
    OpenTab();
    O().MBImg_Buttons_Click(mnAlphaType);
    TypeInto(0, "q");
    EXPECT_EQ(Box(0).Text(), "q");
    EXPECT_EQ(Box(0).SelLength(), 1) << "selected again";
    TypeInto(0, "w");
    EXPECT_EQ(Box(0).Text(), "w");
    EXPECT_EQ(O().OptSettings.AlphabetStart, "w");
}

TEST_F(MenuButtonsTabTest, LeavingAnEmptiedNumberBoxRefillsIt) {
    WriteSettings([](UserSet& s) { s.AlphabetType = atNumbers; });
    OpenTab();
    TypeInto(1, "");
    h.Key(forms::vbKeyBack);
    EXPECT_EQ(Box(1).Text(), "") << "the selection went with the key";
    EXPECT_TRUE(h.MsgBoxes().empty());
    TypeInto(0, "");
    EXPECT_EQ(Box(1).Text(), "30");
    EXPECT_EQ(O().OptSettings.NumbersEnd, 30);
}

TEST_F(MenuButtonsTabTest, SwitchingToNumbersEnablesTheStepBoxAndBackDisablesIt) {
    OpenTab();
    O().MBCmbo_AlphaType.SetListIndex(atNumbers);
    EXPECT_EQ(O().OptSettings.AlphabetType, atNumbers);
    EXPECT_TRUE(Box(2).Enabled());
    EXPECT_TRUE(O().MBLbl_AlphaType(2).Enabled());
    EXPECT_EQ(Box(0).Text(), "1");
    EXPECT_EQ(Box(1).Text(), "30");
    EXPECT_EQ(Box(2).Text(), "1");
    O().MBCmbo_AlphaType.SetListIndex(atMixed);
    EXPECT_FALSE(Box(2).Enabled());
    EXPECT_FALSE(O().MBLbl_AlphaType(2).Enabled());
    EXPECT_EQ(Box(0).Text(), "Aa");
    EXPECT_EQ(Box(1).Text(), "Zz");
    EXPECT_TRUE(h.MsgBoxes().empty()) << LastPrompt();
}

// --- Music.

TEST_F(MenuButtonsTabTest, MusicOffStopsThePlayerAndHoldsItsControlsAndCancelRestartsIt) {
    OpenTab();
    O().MBImg_Buttons_Click(mnMusic);
    ASSERT_TRUE(Player().Playing());
    O().MBChk_MusicOpt(1).SetValue(forms::vbUnchecked);
    EXPECT_FALSE(Player().Playing()) << "heard at once";
    EXPECT_EQ(O().OptSettings.MusicPlay, forms::vbFalse);
    EXPECT_EQ(O().OptSettings.MenuButton(mnMusic), forms::vbFalse);
    EXPECT_EQ(O().MBImg_Buttons(mnMusic).Picture(), MenuPicture(mnMusic + 16));
    EXPECT_FALSE(O().MBChk_MusicOpt(0).Enabled());
    EXPECT_FALSE(O().MBChk_MusicOpt(2).Enabled());
    EXPECT_FALSE(O().MBSldr_MusicVol.Enabled());
    EXPECT_FALSE(O().MBCmbo_Instrument.Enabled());
    EXPECT_FALSE(O().MBLbl_MusicOpt(6).Enabled());
    EXPECT_FALSE(O().MBLbl_MusicOpt(7).Enabled());

    O().MBChk_MusicOpt(1).SetValue(forms::vbChecked);
    EXPECT_TRUE(Player().Playing());
    EXPECT_EQ(O().OptSettings.MenuButton(mnMusic), forms::vbTrue)
        << "the music box is still ticked";
    EXPECT_TRUE(O().MBSldr_MusicVol.Enabled());

    O().MBChk_MusicOpt(1).SetValue(forms::vbUnchecked);
    Press(kCancel);
    EXPECT_FALSE(OptionsShown());
    EXPECT_TRUE(Player().Playing()) << "the live setting has music on";
    EXPECT_EQ(Settings.MusicPlay, forms::vbTrue);
}

TEST_F(MenuButtonsTabTest, ChoosingAnInstrumentSwitchesTheMusicMenuAtOnce) {
    OpenTab();
    O().MBCmbo_Instrument.SetListIndex(5);
    EXPECT_EQ(O().OptSettings.Instrument, 5);
    EXPECT_EQ(FrmMenuMusic->GetMusicInstrument(), "5");
    EXPECT_EQ(Player().FileName(), MusicFileName(5));
    EXPECT_TRUE(Player().Playing());
}

// A pick on the instrument list, and the list's re-selection by Defaults, are heard at once on
// the music menu, but the live instrument changes only with this tab's Apply or OK: a later save
// from any tab must not write a cancelled pick.
struct InstrumentPickCase {
    const char* name;
    int16_t live;
    int16_t picked;
    std::function<void(FrmOptionsForm&)> pick;
};

class InstrumentPickTest : public MenuButtonsTabTest,
                           public ::testing::WithParamInterface<InstrumentPickCase> {};

TEST_P(InstrumentPickTest, ACancelledPickIsHeardButNeverSaved) {
    const InstrumentPickCase& c = GetParam();
    WriteSettings([&](UserSet& s) { s.Instrument = c.live; });
    OpenTab();
    ASSERT_EQ(FrmMenuMusic->GetMusicInstrument(), std::to_string(c.live));
    c.pick(O());
    h.Pump();
    EXPECT_EQ(O().OptSettings.Instrument, c.picked);
    EXPECT_EQ(FrmMenuMusic->GetMusicInstrument(), std::to_string(c.picked)) << "heard at once";
    EXPECT_EQ(Player().FileName(), MusicFileName(c.picked));
    EXPECT_TRUE(Player().Playing());
    EXPECT_EQ(Settings.Instrument, c.live) << "not live before Apply";

    Press(kCancel);
    ASSERT_FALSE(OptionsShown());
    EXPECT_EQ(Settings.Instrument, c.live);
    EXPECT_EQ(FrmMenuMusic->GetMusicInstrument(), std::to_string(c.live)) << "the menu is back";
    EXPECT_EQ(Player().FileName(), MusicFileName(c.live)) << "so is the tune";
    EXPECT_TRUE(Player().Playing());

    // Another tab's save writes the whole record: the old instrument is still the one in it.
    ShowOptionsDialog();
    h.Pump();
    O().Tabs_Options.SetSelectedItem(tabSpeaking);
    Press(kApply);
    EXPECT_EQ(FromFile().Instrument, c.live);
}

INSTANTIATE_TEST_SUITE_P(
    Picks, InstrumentPickTest,
    ::testing::Values(
        InstrumentPickCase{"TrumpetThenCancel", 2, 4,
                           [](FrmOptionsForm& o) { o.MBCmbo_Instrument.SetListIndex(4); }},
        // The defaults question gets its first button, OK.
        InstrumentPickCase{"DefaultsThenCancelFromTrumpet", 4, 2,
                           [](FrmOptionsForm& o) { o.OptCmd_Commands_Click(kDefaults); }}),
    [](const auto& info) { return std::string(info.param.name); });

struct VolumeCase {
    int16_t stored;
    int slider;
};

class VolumeShownTest : public MenuButtonsTabTest,
                        public ::testing::WithParamInterface<VolumeCase> {};

TEST_P(VolumeShownTest, TheSliderShowsTheStoredVolume) {
    WriteSettings([](UserSet& s) { s.Volume = GetParam().stored; });
    OpenTab();
    EXPECT_EQ(O().MBSldr_MusicVol.Value(), GetParam().slider);
    EXPECT_EQ(Player().Volume(), GetParam().stored);
}

INSTANTIATE_TEST_SUITE_P(Volumes, VolumeShownTest,
                         ::testing::Values(VolumeCase{-500, 8}, VolumeCase{-450, 8},
                                           VolumeCase{-750, 8}, VolumeCase{0, 10},
                                           VolumeCase{-2700, 1}, VolumeCase{-5000, 1}),
                         [](const auto& info) {
                             const int stored = info.param.stored;
                             return stored < 0 ? "StoredMinus" + std::to_string(-stored)
                                               : "Stored" + std::to_string(stored);
                         });

TEST_F(MenuButtonsTabTest, TheSliderSetsThePlayersVolumeAndTheWorkingCopy) {
    OpenTab();
    for (const VolumeCase c : {VolumeCase{-1500, 5}, VolumeCase{0, 10}, VolumeCase{-2700, 1}}) {
        O().MBSldr_MusicVol.SetValue(c.slider);
        O().MBSldr_MusicVol_Click();
        EXPECT_EQ(Player().Volume(), c.stored) << c.slider;
        EXPECT_EQ(O().OptSettings.Volume, c.stored) << c.slider;
    }
    EXPECT_EQ(Settings.Volume, -500);
}

TEST_F(MenuButtonsTabTest, AThumbDraggedPastTheSlidersEndStoresTheEnd) {
    OpenTab();
    O().MBImg_Buttons_Click(mnMusic);
    h.Pump();
    forms::Slider& s = O().MBSldr_MusicVol;
    const forms::IRect t = s.ThumbRect();
    double x, y;
    testsupport::Headless::At(s, t.x + t.w / 2.0, t.y + 5, x, y);
    h.Down(x, y);
    h.Move(x - 400, y);
    h.Up(x - 400, y);
    EXPECT_EQ(s.Value(), 1);
    EXPECT_EQ(O().OptSettings.Volume, -2700) << "the value the thumb shows";
    EXPECT_EQ(Player().Volume(), -2700);
    Press(kOK);
    EXPECT_EQ(FromFile().Volume, -2700);
}

// The volume access box opens and closes the music menu's volume frame at once; leaving the
// dialog without saving gives the frame back to the live setting.
struct VolumeFrameCase {
    const char* name;
    forms::Flag liveMusicChange;
    std::function<void(FrmOptionsForm&)> edit;
    int button;
};

void PrintTo(const VolumeFrameCase& c, std::ostream* os) {
    *os << c.name;
}

class VolumeFrameTest : public MenuButtonsTabTest,
                        public ::testing::WithParamInterface<VolumeFrameCase> {};

TEST_P(VolumeFrameTest, ClosingTheDialogPutsTheFrameBack) {
    const VolumeFrameCase& c = GetParam();
    WriteSettings([&](UserSet& s) { s.MusicChange = c.liveMusicChange; });
    OpenTab();
    const bool live = c.liveMusicChange != 0;
    ASSERT_EQ(FrmMenuMusic->FRM_HolderMusicInstr.Enabled(), live);
    forms::ClearMsgBoxLog();
    h.AnswerMsgBox(forms::vbOK);
    c.edit(O());
    EXPECT_NE(FrmMenuMusic->FRM_HolderMusicInstr.Enabled(), live) << "changed at once";
    Press(c.button);
    ASSERT_FALSE(OptionsShown()) << LastPrompt();
    EXPECT_EQ(FrmMenuMusic->FRM_HolderMusicInstr.Enabled(), Settings.MusicChange != 0);
}

INSTANTIATE_TEST_SUITE_P(
    Edits, VolumeFrameTest,
    ::testing::Values(
        VolumeFrameCase{"UntickedThenCancel", forms::vbTrue,
                        [](FrmOptionsForm& o) { o.MBChk_MusicOpt(2).SetValue(forms::vbUnchecked); },
                        kCancel},
        VolumeFrameCase{"DefaultsThenCancel", forms::vbFalse,
                        [](FrmOptionsForm& o) { o.OptCmd_Commands_Click(kDefaults); }, kCancel},
        VolumeFrameCase{"TickedWithABadRangeThenCancel", forms::vbFalse,
                        [](FrmOptionsForm& o) {
                            o.MBChk_MusicOpt(2).SetValue(forms::vbChecked);
                            o.OptSettings.AlphabetEnd = "B";
                            o.OptCmd_Commands_Click(kOK); // refused: the dialog stays
                        },
                        kCancel},
        VolumeFrameCase{"TickedThenOk", forms::vbFalse,
                        [](FrmOptionsForm& o) { o.MBChk_MusicOpt(2).SetValue(forms::vbChecked); },
                        kOK}),
    [](const auto& info) { return std::string(info.param.name); });

// Every music preview of the tab (the tune, the volume, music off, the volume frame) is put back
// as the live settings have it however the dialog closes, from any tab.
struct MusicCloseCase {
    const char* name;
    int tab;    // the tab the dialog is closed from
    int button; // OK or Cancel there; -1: the dialog is unloaded (closed by the window)
};

class MusicCloseTest : public MenuButtonsTabTest,
                       public ::testing::WithParamInterface<MusicCloseCase> {};

TEST_P(MusicCloseTest, EveryPreviewIsPutBack) {
    const MusicCloseCase& c = GetParam();
    OpenTab();
    const UserSet live = Settings;
    ASSERT_EQ(live.MusicPlay, forms::vbTrue);
    ASSERT_EQ(live.MusicChange, forms::vbTrue);
    O().MBChk_MusicOpt(2).SetValue(forms::vbUnchecked);
    O().MBCmbo_Instrument.SetListIndex(5);
    O().MBSldr_MusicVol.SetValue(3);
    O().MBSldr_MusicVol_Click();
    O().MBChk_MusicOpt(1).SetValue(forms::vbUnchecked);
    ASSERT_FALSE(Player().Playing());
    ASSERT_FALSE(FrmMenuMusic->FRM_HolderMusicInstr.Enabled());

    O().Tabs_Options.SetSelectedItem(c.tab);
    h.Pump();
    if (c.button < 0) {
        O().Unload();
        h.Pump();
    } else {
        Press(c.button);
    }
    ASSERT_FALSE(OptionsShown()) << LastPrompt();
    EXPECT_TRUE(Settings == live) << "nothing of the tab was saved";
    EXPECT_TRUE(Player().Playing());
    EXPECT_EQ(Player().FileName(), MusicFileName(live.Instrument));
    EXPECT_EQ(FrmMenuMusic->GetMusicInstrument(), std::to_string(live.Instrument));
    EXPECT_EQ(Player().Volume(), live.Volume);
    EXPECT_TRUE(FrmMenuMusic->FRM_HolderMusicInstr.Enabled());
    EXPECT_TRUE(FrmMain->Enabled());
}

INSTANTIATE_TEST_SUITE_P(Closes, MusicCloseTest,
                         ::testing::Values(MusicCloseCase{"CancelHere", tabMenuButtons, kCancel},
                                           MusicCloseCase{"OkOnGeneral", tabGeneral, kOK},
                                           MusicCloseCase{"CancelOnDrawing", tabDrawing, kCancel},
                                           MusicCloseCase{"OkOnColors", tabColors, kOK},
                                           MusicCloseCase{"OkOnAnimation", tabAnimation, kOK},
                                           MusicCloseCase{"CancelOnSpeaking", tabSpeaking, kCancel},
                                           MusicCloseCase{"Unloaded", tabSpeaking, -1}),
                         [](const auto& info) { return std::string(info.param.name); });

// --- Defaults and Apply.

TEST_F(MenuButtonsTabTest, DefaultsShowsTheDefaultsAndCancelLeavesSettingsAndTheFile) {
    // The instrument stays the default one: a tune the tab plays is the music menu's live choice.
    WriteSettings([](UserSet& s) {
        s.MenuButton(mnLevel) = forms::vbFalse;
        s.UserLevel = ulLevel3;
        s.AlphabetType = atNumbers;
        s.NumbersStart = 5;
        s.NumbersEnd = 20;
        s.NumbersStep = 3;
        s.MusicPlay = forms::vbFalse;
        s.Volume = -1500;
        s.AutoPlayPause = 5000;
        s.LessonID = lsPuzzle;
    });
    OpenTab();
    O().MBImg_Buttons_Click(mnOptions);
    const UserSet before = Settings;
    forms::ClearMsgBoxLog();
    h.AnswerMsgBox(forms::vbOK);
    Press(kDefaults);
    EXPECT_EQ(LastPrompt(), "This option will load default values for the Menu Buttons Tab.    \r\n"
                            "Do you want to load default values ? ");
    EXPECT_EQ(O().MBButtonIndex, mnAlphaType) << "the Options button is left";
    EXPECT_EQ(O().MBChk_Level.Value(), forms::vbChecked);
    EXPECT_EQ(O().MBCmbo_Level.ListIndex(), ulLevel1);
    EXPECT_EQ(O().MBCmbo_AlphaType.ListIndex(), atCapitals);
    EXPECT_EQ(Box(0).Text(), "A");
    EXPECT_EQ(O().MBChk_MusicOpt(1).Value(), forms::vbChecked);
    EXPECT_EQ(O().MBSldr_MusicVol.Value(), 8);
    EXPECT_EQ(O().OptSettings.AutoPlayPause, 2000) << "the auto play defaults too";
    EXPECT_EQ(O().OptSettings.LessonID, lsPuzzle) << "the lesson is not reset";
    EXPECT_EQ(O().MBImg_Buttons(mnLevel).Picture(), MenuPicture(mnLevel + 1));
    EXPECT_TRUE(Settings == before);

    Press(kCancel);
    EXPECT_FALSE(OptionsShown());
    EXPECT_TRUE(Settings == before);
    EXPECT_FALSE(Player().Playing()) << "the live setting has music off";
    const UserSet file = FromFile();
    EXPECT_EQ(file.MenuButton(mnLevel), forms::vbFalse);
    EXPECT_EQ(file.UserLevel, ulLevel3);
    EXPECT_EQ(file.NumbersStep, 3);
    EXPECT_EQ(file.MusicPlay, forms::vbFalse);
    EXPECT_EQ(file.Volume, -1500);
    EXPECT_EQ(file.AutoPlayPause, 5000);
}

TEST_F(MenuButtonsTabTest, ApplyChangesTheRunningProgram) {
    OpenTab();
    O().MBChk_Level.SetValue(forms::vbUnchecked);
    O().MBCmbo_Level.SetListIndex(ulLevel2);
    O().MBCmbo_AlphaType.SetListIndex(atNumbers);
    Box(0).SetText("2");
    Box(1).SetText("20");
    Box(2).SetText("3");
    Press(kApply);
    EXPECT_TRUE(OptionsShown()) << "Apply keeps the dialog open";
    EXPECT_FALSE(FrmMain->TRCImg_Menu(mnLevel).Visible()) << "the row was laid out anew";
    EXPECT_TRUE(FrmMain->TRCImg_Menu(mnAlphaType).Visible());
    EXPECT_EQ(Settings.UserLevel, ulLevel2);
    EXPECT_EQ(Settings.AlphabetType, atNumbers);
    EXPECT_EQ(FirstAlphaIdx, 1) << "the lesson started again over the new range";
    EXPECT_EQ(LastAlphaIdx, 19);
    EXPECT_EQ(AlphaStep, 3);
    EXPECT_EQ(PendingAction, paResume);

    O().MBCmbo_Lessons.SetListIndex(lsPuzzle);
    O().MBChk_MusicOpt(1).SetValue(forms::vbUnchecked);
    Press(kOK);
    EXPECT_FALSE(OptionsShown());
    EXPECT_EQ(Settings.LessonID, lsPuzzle);
    EXPECT_TRUE(FrmMain->Pict_HolderLesson(1).Visible()) << "the puzzle runs";
    EXPECT_FALSE(FrmMain->Pict_HolderLesson(0).Visible());
    EXPECT_EQ(Settings.MusicPlay, forms::vbFalse);
    EXPECT_FALSE(Player().Playing());
    EXPECT_FALSE(FrmMain->TRCImg_Menu(mnMusic).Visible());
    const UserSet file = FromFile();
    EXPECT_EQ(file.LessonID, lsPuzzle);
    EXPECT_EQ(file.MenuButton(mnLevel), forms::vbFalse);
    EXPECT_EQ(file.MenuButton(mnMusic), forms::vbFalse);
    EXPECT_EQ(file.UserLevel, ulLevel2);
    EXPECT_EQ(file.NumbersStart, 2);
    EXPECT_EQ(file.NumbersEnd, 20);
    EXPECT_EQ(file.NumbersStep, 3);
    EXPECT_EQ(file.MusicPlay, forms::vbFalse);
}

} // namespace
