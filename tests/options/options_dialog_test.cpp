// The options dialog: a fresh instance each opening, the main window held while it shows, the
// buttons dispatched by tab, the defaults question, and the General and Speaking tabs.
#include "forms/text.h"
#include "tests/options/options_fixture.h"

#include <functional>
#include <string>

namespace {

TEST_F(OptionsTest, EachOpeningIsAFreshInstanceThatHoldsTheMainWindow) {
    Open();
    EXPECT_EQ(O().Caption(), "Options");
    EXPECT_FALSE(FrmMain->Enabled());
    EXPECT_EQ(PendingAction, paResume);
    ASSERT_EQ(O().Tabs_Options.Tabs(), 6);
    const char* captions[] = {"General", "Menu Buttons", "Drawing Buttons",
                              "Colors",  "Animation",    "Speaking"};
    for (int i = 1; i <= 6; ++i)
        EXPECT_EQ(O().Tabs_Options.TabCaption(i), captions[i - 1]);
    EXPECT_EQ(O().OptCmd_Commands(0).Caption(), "&Defaults");
    EXPECT_EQ(O().OptCmd_Commands(3).Caption(), "&Cancel");
    EXPECT_LT(O().OptCmd_Commands(0).Left(), O().OptCmd_Commands(3).Left());

    O().WOcmbo_BackGround.SetListIndex(3); // an edit of the working copy only
    EXPECT_EQ(O().OptSettings.BGFormOpt, 3);
    Press(kCancel);
    EXPECT_EQ(OptionsForm, nullptr) << "the dialog went, and its working copy with it";
    EXPECT_TRUE(FrmMain->Enabled());
    EXPECT_EQ(forms::Application::ActiveForm(), &*FrmMain);
    EXPECT_NE(Settings.BGFormOpt, 3);

    ShowOptionsDialog();
    h.Pump();
    ASSERT_TRUE(OptionsShown());
    EXPECT_FALSE(FrmMain->Enabled());
    EXPECT_EQ(O().WOcmbo_BackGround.ListIndex(), Settings.BGFormOpt) << "read afresh";
    EXPECT_EQ(O().OptSettings.BGFormOpt, Settings.BGFormOpt);
}

TEST_F(OptionsTest, OpensCentredOnTheScreen) {
    Open();
    const double tppX = forms::Screen::TwipsPerPixelX(), tppY = forms::Screen::TwipsPerPixelY();
    EXPECT_NEAR(O().Left() + O().Width() / 2, forms::Screen::Width() / 2, tppX);
    EXPECT_NEAR(O().Top() + O().Height() / 2, forms::Screen::Height() / 2, tppY);
}

TEST_F(OptionsTest, EveryTabCaptionShowsWhole) {
    Open();
    const forms::TabStrip& strip = O().Tabs_Options;
    const forms::IRect page{0, 0, static_cast<int>(strip.Width()),
                            static_cast<int>(strip.Height())};
    for (int i = 1; i <= strip.Tabs(); ++i) {
        const forms::IRect tab = strip.TabRect(i);
        const int text = forms::MeasureText(strip.Font(), strip.TabCaption(i)).w;
        // The caption starts 3 pixels in and is clipped 2 pixels before the right edge.
        EXPECT_LE(text, tab.w - 5) << strip.TabCaption(i);
        EXPECT_LE(tab.x + tab.w, page.w) << strip.TabCaption(i);
    }
    EXPECT_EQ(strip.TabToolTipText(4), "Colors and Animation");
    EXPECT_EQ(strip.TabToolTipText(1), "");
}

TEST_F(OptionsTest, OpeningKeepsTheMusicMenusInstrument) {
    WriteSettings([](UserSet& s) { s.Instrument = 3; });
    Open();
    EXPECT_EQ(O().OptSettings.Instrument, 3);
    EXPECT_EQ(FrmMenuMusic->GetMusicInstrument(), "3");
}

TEST_F(OptionsTest, CtrlTabGoesRoundTheTabs) {
    Open(tabSpeaking);
    h.Key(forms::vbKeyTab, 2);
    EXPECT_EQ(O().Tabs_Options.SelectedItem(), tabGeneral);
    h.Key(forms::vbKeyTab, 2);
    EXPECT_EQ(O().Tabs_Options.SelectedItem(), tabMenuButtons);
    h.Key(forms::vbKeyTab, 0);
    EXPECT_EQ(O().Tabs_Options.SelectedItem(), tabMenuButtons) << "Tab alone changes nothing";
}

TEST_F(OptionsTest, ApplyOnOneTabSavesThatTabOnly) {
    Open(tabGeneral);
    O().WOcmbo_BackGround.SetListIndex(3);
    O().SPKChk_Choices(6).SetValue(forms::vbChecked); // Speaking tab, not applied
    Press(kApply);
    EXPECT_TRUE(OptionsShown()) << "Apply keeps the dialog open";
    EXPECT_EQ(Settings.BGFormOpt, 3);
    EXPECT_FALSE(FrmBackGround.IsLoaded() && FrmBackGround->Visible())
        << "no background: the form went at once";
    EXPECT_EQ(Settings.Speaking(6), forms::vbFalse);
    const UserSet file = FromFile();
    EXPECT_EQ(file.BGFormOpt, 3);
    EXPECT_EQ(file.Speaking(6), forms::vbFalse);
    EXPECT_EQ(PendingAction, paResume);
}

// Started with no background, then a background asked for while one of its pictures is gone.
TEST_F(OptionsTest, ABackgroundWithAMissingPictureComesUpAndTheSaveRuns) {
    WriteSettings([](UserSet& s) { s.BGFormOpt = 3; });
    HideMedia("Images/A.jpg");
    Open(tabGeneral);
    ASSERT_FALSE(FrmBackGround.IsLoaded());
    O().WOcmbo_BackGround.SetListIndex(0);
    Press(kApply);
    EXPECT_TRUE(h.MsgBoxes().empty()) << LastPrompt();
    EXPECT_TRUE(OptionsShown());
    EXPECT_EQ(BGFormShown, forms::vbTrue);
    EXPECT_TRUE(FrmBackGround->Visible());
    EXPECT_EQ(FrmBackGround->BGimg_Background(0).Picture(), nullptr);
    EXPECT_FALSE(FrmGeneral.IsLoaded()) << "the please-wait window went";
    EXPECT_EQ(FromFile().BGFormOpt, 0) << "the save ran";
}

TEST_F(OptionsTest, DefaultsAsksAndItsCancelChangesNothing) {
    WriteSettings([](UserSet& s) { s.BGFormOpt = 1; });
    Open(tabGeneral);
    O().WOcmbo_BackGround.SetListIndex(2);
    h.AnswerMsgBox(forms::vbCancel);
    Press(kDefaults);
    ASSERT_FALSE(h.MsgBoxes().empty());
    EXPECT_EQ(h.MsgBoxes().back().title, "Defaults");
    EXPECT_EQ(h.MsgBoxes().back().ButtonSet(), forms::vbOKCancel);
    EXPECT_EQ(h.MsgBoxes().back().Icon(), forms::vbQuestion);
    EXPECT_EQ(LastPrompt(), "This option will load default values for the General Tab.    \r\n"
                            "Do you want to load default values ? ");
    EXPECT_EQ(O().WOcmbo_BackGround.ListIndex(), 2);

    h.AnswerMsgBox(forms::vbOK);
    Press(kDefaults);
    EXPECT_EQ(O().WOcmbo_BackGround.ListIndex(), 0);
    EXPECT_EQ(O().WOTxt_PW(0).Text(), kDefaultPassword);
    EXPECT_EQ(O().OptSettings.PWOptions, forms::vbTrue);
    EXPECT_EQ(Settings.BGFormOpt, 1) << "nothing reached Settings";
    EXPECT_EQ(FromFile().BGFormOpt, 1);
}

// --- General tab.

TEST_F(OptionsTest, GeneralShowsTheSettings) {
    WriteSettings([](UserSet& s) {
        s.PWord = "owl";
        s.PWMask = forms::vbFalse;
        s.PWStart = forms::vbTrue;
        s.BGFormOpt = 1;
    });
    Open();
    EXPECT_EQ(O().WOTxt_PW(0).Text(), "owl");
    EXPECT_EQ(O().WOTxt_PW(1).Text(), "owl");
    EXPECT_EQ(O().WOTxt_PW(0).DisplayText(), "***");
    EXPECT_EQ(O().WOChk_PW(0).Value(), forms::vbUnchecked);
    EXPECT_EQ(O().WOChk_PW(1).Value(), forms::vbChecked);
    EXPECT_EQ(O().WOChk_PW(2).Value(), forms::vbUnchecked) << "Open switched the guard off";
    EXPECT_EQ(O().WOcmbo_BackGround.Text(), "Images and Background");
    EXPECT_GT(O().WOImg_CBox(0).Left(), O().WOImg_CBox(1).Left()) << "End stands rightmost";
}

struct PasswordCase {
    const char* name;
    const char* first;
    const char* second;
    const char* message; // "" when the save goes through
    const char* stored;  // the password saved, when it goes through
};

class PasswordCheckTest : public OptionsTest, public ::testing::WithParamInterface<PasswordCase> {};

TEST_P(PasswordCheckTest, OkSavesOnlyMatchingPasswords) {
    const PasswordCase& c = GetParam();
    Open();
    O().WOTxt_PW(0).SetText(c.first);
    O().WOTxt_PW(1).SetText(c.second);
    forms::ClearMsgBoxLog();
    Press(kOK);
    if (*c.message) {
        ASSERT_EQ(h.MsgBoxes().size(), 1u);
        EXPECT_EQ(LastPrompt(), c.message);
        EXPECT_EQ(h.MsgBoxes().back().title, "Password Check");
        EXPECT_EQ(h.MsgBoxes().back().Icon(), forms::vbExclamation);
        EXPECT_TRUE(OptionsShown()) << "the dialog stays open";
        EXPECT_TRUE(O().WOTxt_PW(0).HasFocus());
        EXPECT_EQ(Settings.PWord, kDefaultPassword);
        EXPECT_EQ(FromFile().PWord, kDefaultPassword);
    } else {
        EXPECT_TRUE(h.MsgBoxes().empty()) << LastPrompt();
        EXPECT_FALSE(OptionsShown());
        EXPECT_TRUE(FrmMain->Enabled());
        EXPECT_EQ(Settings.PWord, c.stored);
        EXPECT_EQ(FromFile().PWord, c.stored);
        EXPECT_EQ(PendingAction, paNone) << "the resume was handed to the dispatcher";
    }
}

constexpr const char* kMismatch = "Passwords do not match. Please enter same passwords!    ";
constexpr const char* kNoPassword = "Please enter a valid password.    ";

INSTANTIATE_TEST_SUITE_P(
    Cases, PasswordCheckTest,
    ::testing::Values(PasswordCase{"Same", "owl", "owl", "", "owl"},
                      PasswordCase{"CaseDiffers", "Owl", "owl", kMismatch, ""},
                      PasswordCase{"BlanksAroundAreTrimmed", "  owl", "owl ", "", "owl"},
                      PasswordCase{"BlanksInsideCount", "o wl", "owl", kMismatch, ""},
                      PasswordCase{"Empty", "", "", kNoPassword, ""},
                      PasswordCase{"BlanksOnlyAreNone", "   ", "   ", kNoPassword, ""}),
    [](const ::testing::TestParamInfo<PasswordCase>& info) { return info.param.name; });

TEST_F(OptionsTest, PasswordBoxesHoldNoMoreThanTheFileCanTake) {
    Open();
    const std::string huge(20000, 'x');
    O().WOTxt_PW(0).SetText(huge);
    O().WOTxt_PW(1).SetText(huge);
    const size_t kept = O().WOTxt_PW(0).Text().size();
    EXPECT_GE(kept, 100u) << "room for any password";
    EXPECT_LE(kept, 1000u);
    O().WOTxt_PW(0).SetFocus();
    h.Pump();
    h.Type("yz");
    EXPECT_EQ(O().WOTxt_PW(0).Text().size(), kept) << "typing stops at the limit too";
    forms::ClearMsgBoxLog();
    Press(kOK);
    EXPECT_TRUE(h.MsgBoxes().empty()) << LastPrompt();
    EXPECT_FALSE(OptionsShown());
    EXPECT_EQ(FromFile().PWord, std::string(kept, 'x'));
}

TEST_F(OptionsTest, SwitchingOffTheOptionsPasswordAsksFirst) {
    Open();
    O().WOChk_PW(2).SetValue(forms::vbChecked);
    forms::ClearMsgBoxLog();
    h.AnswerMsgBox(forms::vbCancel);
    O().WOChk_PW(2).SetValue(forms::vbUnchecked);
    ASSERT_EQ(h.MsgBoxes().size(), 1u);
    EXPECT_EQ(LastPrompt(), "Warning! Turning off password protection for Options Menu is not\r\n"
                            "recommended. Your child will be able to change program settings. \r\n"
                            "Do you want to continue?");
    EXPECT_EQ(h.MsgBoxes().back().title, "Wise Owlet");
    EXPECT_EQ(h.MsgBoxes().back().Icon(), forms::vbCritical);
    EXPECT_EQ(O().WOChk_PW(2).Value(), forms::vbChecked);
    EXPECT_EQ(O().OptSettings.PWOptions, forms::vbTrue);

    h.AnswerMsgBox(forms::vbOK);
    O().WOChk_PW(2).SetValue(forms::vbUnchecked);
    EXPECT_EQ(O().WOChk_PW(2).Value(), forms::vbUnchecked);
    EXPECT_EQ(O().OptSettings.PWOptions, forms::vbFalse);
}

TEST_F(OptionsTest, EndAsksThenClosesUnsavedForTheEnd) {
    Open();
    O().WOcmbo_BackGround.SetListIndex(3);
    forms::ClearMsgBoxLog();
    h.AnswerMsgBox(forms::vbCancel);
    O().WOImg_CBox_Click(0);
    ASSERT_EQ(h.MsgBoxes().size(), 1u);
    EXPECT_EQ(LastPrompt(), "Terminate Wise Owlet program ?   ");
    EXPECT_EQ(h.MsgBoxes().back().title, "Terminating Wise Owlet");
    EXPECT_TRUE(OptionsShown());

    h.AnswerMsgBox(forms::vbOK);
    forms::Application::HandlerScope scope;
    O().WOImg_CBox_Click(0);
    EXPECT_EQ(PendingAction, paTerminate);
    EXPECT_FALSE(OptionsShown());
    EXPECT_TRUE(FrmMain->Enabled());
    EXPECT_NE(Settings.BGFormOpt, 3) << "nothing saved";
}

TEST_F(OptionsTest, MinimizeClosesUnsavedForTheMinimise) {
    Open();
    forms::Application::HandlerScope scope;
    O().WOImg_CBox_Click(1);
    EXPECT_EQ(PendingAction, paMinimise);
    EXPECT_FALSE(OptionsShown());
    EXPECT_TRUE(FrmMain->Enabled());
}

// --- Drawing Buttons tab.

TEST_F(OptionsTest, DrawingShowsTheSettingsAndApplyHidesTheButtonsAtOnce) {
    WriteSettings([](UserSet& s) { s.SMButton(1) = forms::vbFalse; });
    Open(tabDrawing);
    for (int i = 0; i <= 3; ++i)
        EXPECT_EQ(O().SMnuChk_Display(i).Value(), i == 1 ? forms::vbUnchecked : forms::vbChecked)
            << i;
    EXPECT_EQ(O().SMnuLbl_General(2).Caption(), "Show stepwise drawing button");
    for (int i = 0; i <= 3; ++i)
        O().SMnuChk_Display(i).SetValue(forms::vbUnchecked);
    Press(kApply);
    const UserSet file = FromFile();
    for (int i = 0; i <= 3; ++i) {
        EXPECT_EQ(Settings.SMButton(i), forms::vbFalse) << i;
        EXPECT_EQ(file.SMButton(i), forms::vbFalse) << i;
        EXPECT_FALSE(FrmMain->TRCImg_SubMenu(i).Visible()) << i;
    }
    EXPECT_TRUE(OptionsShown());
}

TEST_F(OptionsTest, DrawingDefaultsTicksAllButLeavesSettings) {
    WriteSettings([](UserSet& s) { s.SMButton(3) = forms::vbFalse; });
    Open(tabDrawing);
    forms::ClearMsgBoxLog();
    h.AnswerMsgBox(forms::vbOK);
    Press(kDefaults);
    EXPECT_EQ(LastPrompt(),
              "This option will load default values for the Drawing Buttons Tab.    \r\n"
              "Do you want to load default values ? ");
    EXPECT_EQ(O().SMnuChk_Display(3).Value(), forms::vbChecked);
    EXPECT_EQ(Settings.SMButton(3), forms::vbFalse);
    Press(kCancel);
    EXPECT_EQ(FromFile().SMButton(3), forms::vbFalse);
}

// --- Animation tab.

TEST_F(OptionsTest, AnimationShowsTheDefaults) {
    Open(tabAnimation);
    EXPECT_EQ(O().ANI_lblGeneral(2).Caption(), "Speed is 60");
    EXPECT_EQ(O().CASldr_TimerSpeed.ToolTipText(), "Speed= 60");
    EXPECT_EQ(O().MBLbl_AutoPlay(1).Caption(), "Delay time is 2 second(s).");
    EXPECT_EQ(O().MBChk_AutoPlay(1).Value(), forms::vbChecked);
    EXPECT_EQ(O().MBChk_AutoPlay(2).Value(), forms::vbUnchecked);
    EXPECT_TRUE(O().MBSldr_AutoPlayInterval.Enabled());
}

struct SpeedCase {
    int slider;
    int16_t animSpeed;
};

class AnimationSpeedTest : public OptionsTest, public ::testing::WithParamInterface<SpeedCase> {};

TEST_P(AnimationSpeedTest, TheSliderSetsTheInterval) {
    Open(tabAnimation);
    O().CASldr_TimerSpeed.SetValue(GetParam().slider);
    EXPECT_EQ(O().OptSettings.AnimSpeed, GetParam().animSpeed);
    EXPECT_EQ(O().ANI_lblGeneral(2).Caption(), "Speed is " + std::to_string(GetParam().slider));
}

INSTANTIATE_TEST_SUITE_P(Ends, AnimationSpeedTest,
                         ::testing::Values(SpeedCase{100, 1}, SpeedCase{0, 100}, SpeedCase{75, 25}),
                         [](const auto& info) {
                             return "Slider" + std::to_string(info.param.slider);
                         });

TEST_F(OptionsTest, AnimationSlowAndFastStepWithinTheRange) {
    Open(tabAnimation);
    O().ANI_lblGeneral_MouseUp(0);
    EXPECT_EQ(O().CASldr_TimerSpeed.Value(), 55);
    O().CASldr_TimerSpeed.SetValue(98);
    O().ANI_lblGeneral_MouseUp(1);
    EXPECT_EQ(O().CASldr_TimerSpeed.Value(), 100);
    EXPECT_EQ(O().OptSettings.AnimSpeed, 1);
}

TEST_F(OptionsTest, AnimationAutoPlayOffGreysTheRestAndApplySaves) {
    Open(tabAnimation);
    O().MBChk_AutoPlay(2).SetValue(forms::vbChecked);
    EXPECT_EQ(O().OptSettings.AutoPlayLoop, forms::vbTrue);
    O().MBChk_AutoPlay(1).SetValue(forms::vbUnchecked);
    EXPECT_EQ(O().MBLbl_AutoPlay(1).Caption(), "Autoplay is off.");
    EXPECT_FALSE(O().MBChk_AutoPlay(2).Enabled());
    EXPECT_FALSE(O().MBSldr_AutoPlayInterval.Enabled());
    EXPECT_EQ(O().MBChk_AutoPlay(2).Value(), forms::vbChecked) << "the mark stays";
    EXPECT_EQ(O().OptSettings.AutoPlay, forms::vbFalse);
    EXPECT_EQ(O().OptSettings.AutoPlayLoop, forms::vbFalse);
    O().MBChk_AutoPlay(1).SetValue(forms::vbChecked);
    EXPECT_EQ(O().OptSettings.AutoPlayLoop, forms::vbTrue) << "taken from the loop box";

    O().MBSldr_AutoPlayInterval.SetValue(7);
    O().MBSldr_AutoPlayInterval_Click();
    EXPECT_EQ(O().MBLbl_AutoPlay(1).Caption(), "Delay time is 7 second(s).");
    O().CASldr_TimerSpeed.SetValue(80);
    Press(kOK);
    EXPECT_FALSE(OptionsShown());
    EXPECT_EQ(Settings.AnimSpeed, 20);
    EXPECT_EQ(TraceAnim.AnimInterval, 20) << "the live animation takes the speed";
    const UserSet file = FromFile();
    EXPECT_EQ(file.AnimSpeed, 20);
    EXPECT_EQ(file.AutoPlayPause, 7000);
    EXPECT_EQ(file.AutoPlayLoop, forms::vbTrue);
}

TEST_F(OptionsTest, AnimationSlidersStoreAChangeByTheKeyboard) {
    Open(tabAnimation);
    ASSERT_EQ(O().MBSldr_AutoPlayInterval.Value(), 2);
    O().MBSldr_AutoPlayInterval.SetFocus();
    h.Pump();
    h.Key(forms::vbKeyRight);
    h.Key(forms::vbKeyPageDown);
    EXPECT_EQ(O().MBLbl_AutoPlay(1).Caption(), "Delay time is 4 second(s).");
    O().CASldr_TimerSpeed.SetFocus();
    h.Pump();
    h.Key(forms::vbKeyLeft);
    Press(kOK);
    const UserSet file = FromFile();
    EXPECT_EQ(file.AutoPlayPause, 4000) << "the delay shown is the delay saved";
    EXPECT_EQ(file.AnimSpeed, 41);
}

TEST_F(OptionsTest, AnimationShowsAStoredAutoPlayOff) {
    WriteSettings([](UserSet& s) {
        s.AutoPlay = forms::vbFalse;
        s.AutoPlayLoop = forms::vbTrue;
        s.AutoPlayPause = 5000;
    });
    Open(tabAnimation);
    EXPECT_EQ(O().MBLbl_AutoPlay(1).Caption(), "Autoplay is off.");
    EXPECT_EQ(O().MBSldr_AutoPlayInterval.Value(), 5);
    EXPECT_FALSE(O().MBChk_AutoPlay(2).Enabled());
    EXPECT_EQ(O().OptSettings.AutoPlayLoop, forms::vbFalse);
}

// --- Speaking tab.

TEST_F(OptionsTest, SpeakingShowsAStoredSilenceWithTheOtherBoxesHeld) {
    WriteSettings([](UserSet& s) {
        s.Speaking(2) = forms::vbFalse;
        s.Speaking(6) = forms::vbTrue;
    });
    Open(tabSpeaking);
    for (int i = 0; i <= 5; ++i) {
        EXPECT_EQ(O().SPKChk_Choices(i).Value(), i == 2 ? forms::vbUnchecked : forms::vbChecked)
            << i;
        EXPECT_FALSE(O().SPKChk_Choices(i).Enabled()) << i;
        EXPECT_EQ(O().OptSettings.Speaking(i), forms::vbFalse) << i;
    }
    EXPECT_EQ(O().SPKChk_Choices(6).Value(), forms::vbChecked);
}

TEST_F(OptionsTest, SpeakingSilenceAndBackAndApply) {
    Open(tabSpeaking);
    O().SPKChk_Choices(6).SetValue(forms::vbChecked);
    Press(kApply);
    for (int i = 0; i <= 5; ++i)
        EXPECT_EQ(Settings.Speaking(i), forms::vbFalse) << i;
    EXPECT_EQ(Settings.Speaking(6), forms::vbTrue);
    EXPECT_EQ(FromFile().Speaking(6), forms::vbTrue);

    for (int i : {1, 2, 4, 5})
        O().SPKChk_Choices(i).SetValue(forms::vbUnchecked);
    O().SPKChk_Choices(6).SetValue(forms::vbUnchecked);
    Press(kOK);
    EXPECT_FALSE(OptionsShown());
    const UserSet file = FromFile();
    for (int i = 0; i <= 6; ++i) {
        const forms::Flag want = (i == 0 || i == 3) ? forms::vbTrue : forms::vbFalse;
        EXPECT_EQ(Settings.Speaking(i), want) << i;
        EXPECT_EQ(file.Speaking(i), want) << i;
    }
}

TEST_F(OptionsTest, SpeakingDefaultsTicksAndEnablesAll) {
    Open(tabSpeaking);
    O().SPKChk_Choices(3).SetValue(forms::vbUnchecked);
    O().SPKChk_Choices(6).SetValue(forms::vbChecked);
    forms::ClearMsgBoxLog();
    h.AnswerMsgBox(forms::vbOK);
    Press(kDefaults);
    EXPECT_EQ(LastPrompt(), "This option will load default values for the Speaking Tab.    \r\n"
                            "Do you want to load default values ? ");
    for (int i = 0; i <= 5; ++i) {
        EXPECT_EQ(O().SPKChk_Choices(i).Value(), forms::vbChecked) << i;
        EXPECT_TRUE(O().SPKChk_Choices(i).Enabled()) << i;
        EXPECT_EQ(O().OptSettings.Speaking(i), forms::vbTrue) << i;
    }
    EXPECT_EQ(O().SPKChk_Choices(6).Value(), forms::vbUnchecked);
    EXPECT_EQ(Settings.Speaking(3), forms::vbTrue);
}

} // namespace

namespace {
// An Apply saves its own tab and leaves the other tabs' unapplied edits as the adult left them,
// in the working copy and on their controls.
struct TabEdit {
    int tab;
    std::function<void(FrmOptionsForm&)> edit;
    // The edit is in the working copy and on the tab's controls.
    std::function<bool(const FrmOptionsForm&)> kept;
};

const TabEdit kTabEdits[] = {
    {tabGeneral, [](FrmOptionsForm& o) { o.WOcmbo_BackGround.SetListIndex(2); },
     [](const FrmOptionsForm& o) {
         return o.OptSettings.BGFormOpt == 2 && o.WOcmbo_BackGround.ListIndex() == 2;
     }},
    {tabMenuButtons, [](FrmOptionsForm& o) { o.MBCmbo_Level.SetListIndex(ulLevel3); },
     [](const FrmOptionsForm& o) {
         return o.OptSettings.UserLevel == ulLevel3 && o.MBCmbo_Level.ListIndex() == ulLevel3;
     }},
    {tabDrawing, [](FrmOptionsForm& o) { o.SMnuChk_Display(1).SetValue(forms::vbUnchecked); },
     [](const FrmOptionsForm& o) {
         return o.OptSettings.SMButton(1) == forms::vbFalse &&
                o.SMnuChk_Display(1).Value() == forms::vbUnchecked;
     }},
    {tabColors, [](FrmOptionsForm& o) { o.CAChk_AllowJr(0).SetValue(forms::vbUnchecked); },
     [](const FrmOptionsForm& o) {
         return o.OptSettings.AllowColor == forms::vbFalse &&
                o.CAChk_AllowJr(0).Value() == forms::vbUnchecked;
     }},
    {tabAnimation,
     [](FrmOptionsForm& o) {
         o.MBChk_AutoPlay(1).SetValue(forms::vbUnchecked);
         o.CASldr_TimerSpeed.SetValue(80);
     },
     [](const FrmOptionsForm& o) {
         return o.OptSettings.AutoPlay == forms::vbFalse && o.OptSettings.AnimSpeed == 20 &&
                o.MBChk_AutoPlay(1).Value() == forms::vbUnchecked &&
                o.CASldr_TimerSpeed.Value() == 80;
     }},
    {tabSpeaking, [](FrmOptionsForm& o) { o.SPKChk_Choices(2).SetValue(forms::vbUnchecked); },
     [](const FrmOptionsForm& o) {
         return o.OptSettings.Speaking(2) == forms::vbFalse &&
                o.SPKChk_Choices(2).Value() == forms::vbUnchecked;
     }},
};

class ApplyKeepsOtherEditsTest : public OptionsTest, public ::testing::WithParamInterface<int> {};

TEST_P(ApplyKeepsOtherEditsTest, TheOtherTabsEditsWait) {
    const int applied = GetParam();
    Open(applied);
    for (const TabEdit& e : kTabEdits) {
        if (e.tab == applied) continue;
        e.edit(O());
        ASSERT_TRUE(e.kept(O())) << "tab " << e.tab;
    }
    Press(kApply);
    ASSERT_TRUE(OptionsShown()) << LastPrompt();
    EXPECT_TRUE(h.MsgBoxes().empty()) << LastPrompt();
    for (const TabEdit& e : kTabEdits) {
        if (e.tab != applied) {
            EXPECT_TRUE(e.kept(O())) << "tab " << e.tab << " lost its edit";
        }
    }
}

} // namespace

namespace {
// Apply starts the activity afresh and refreshes the background behind the dialog; the dialog
// must stay the active window so that the keyboard still reaches it.
class ApplyKeepsFocusTest : public OptionsTest, public ::testing::WithParamInterface<int> {};

TEST_P(ApplyKeepsFocusTest, TheDialogStaysActive) {
    Open(GetParam());
    h.Pump();
    ASSERT_EQ(forms::Application::ActiveForm(), &O());
    Press(kApply);
    ASSERT_TRUE(OptionsShown());
    EXPECT_EQ(forms::Application::ActiveForm(), &O());
}

std::string TabName(const ::testing::TestParamInfo<int>& p) {
    static const char* const names[] = {"",       "General",   "MenuButtons", "Drawing",
                                        "Colors", "Animation", "Speaking"};
    return names[p.param];
}

INSTANTIATE_TEST_SUITE_P(EveryTab, ApplyKeepsFocusTest,
                         ::testing::Values(tabGeneral, tabMenuButtons, tabDrawing, tabColors,
                                           tabAnimation, tabSpeaking),
                         TabName);
INSTANTIATE_TEST_SUITE_P(EveryTab, ApplyKeepsOtherEditsTest,
                         ::testing::Values(tabGeneral, tabMenuButtons, tabDrawing, tabColors,
                                           tabAnimation, tabSpeaking),
                         TabName);
} // namespace
