// A settings file that cannot be written, on every tab that saves: the dialog says which file and
// why and stays open, Settings and the running program stay as the old file says, the edits wait
// for another try, and the old settings file and reminder stay byte for byte.
#include "forms/files.h"
#include "tests/options/options_fixture.h"
#include "tracing/animation.h"

#include <cerrno>
#include <cstring>
#include <functional>

namespace {

// The Colors tab's targets for the letter and for the labels still to do.
constexpr int kTargetLetter = 3, kTargetIncomplete = 12;

// Picks a colour for a Colors tab target as the colour dialog would give it.
void PickColour(FrmOptionsForm& o, int target, int32_t colour) {
    o.CAList_Color.SetListIndex(target);
    forms::SetColorDialogResponder([colour](int32_t) { return colour; });
    o.CAPict_ColorPick_Click();
}

struct FailedSaveCase {
    const char* name;
    int tab;
    int button;
    std::function<void(FrmOptionsForm&)> edit;
    // The running program shows the old settings again (a save applies before it writes).
    std::function<void(const UserSet& before)> runningAsBefore;
};

class FailedSaveTest : public OptionsTest, public ::testing::WithParamInterface<FailedSaveCase> {
  protected:
    void TearDown() override {
        forms::SetFileFault(nullptr);
        forms::SetColorDialogResponder(nullptr);
        OptionsTest::TearDown();
    }
    // Every write of the settings file fails as on a full disk.
    static void FailTheSettingsFile() {
        forms::SetFileFault([](forms::FileStep step, const std::string& path) {
            return step == forms::FileStep::Open && path.find("WiseOwlet.Dbf") != std::string::npos
                       ? ENOSPC
                       : 0;
        });
    }
};

TEST_P(FailedSaveTest, TheDialogSaysWhyAndNothingIsLostOrHalfApplied) {
    const FailedSaveCase& c = GetParam();
    folder.Write("PassWord.Txt",
                 "[PassWord]\r\nThe password for Wise Owlet program is 'marble'\r\n");
    Open(c.tab);
    const std::string oldFile = folder.Read("WiseOwlet.Dbf");
    const std::string oldReminder = folder.Read("PassWord.Txt");
    const UserSet before = Settings;
    c.edit(O());
    FailTheSettingsFile();
    forms::ClearMsgBoxLog();
    Press(c.button);
    const UserSet edited = O().OptSettings;

    ASSERT_EQ(h.MsgBoxes().size(), 1u);
    const std::string prompt = LastPrompt();
    EXPECT_NE(prompt.find(forms::ResolvePath(folder.File("WiseOwlet.Dbf"))), std::string::npos)
        << prompt;
    EXPECT_NE(prompt.find(std::strerror(ENOSPC)), std::string::npos) << prompt;
    EXPECT_EQ(h.MsgBoxes().back().title, "Wise Owlet");
    EXPECT_EQ(h.MsgBoxes().back().Icon(), forms::vbExclamation);
    EXPECT_TRUE(OptionsShown()) << "the dialog stays open";
    EXPECT_TRUE(Settings == before) << "Settings is what the file still holds";
    EXPECT_EQ(folder.Read("WiseOwlet.Dbf"), oldFile);
    EXPECT_EQ(folder.Read("PassWord.Txt"), oldReminder);
    c.runningAsBefore(before);

    // Once the file can be written again the same press saves the edits still waiting.
    forms::SetFileFault(nullptr);
    forms::ClearMsgBoxLog();
    Press(c.button);
    EXPECT_TRUE(h.MsgBoxes().empty()) << LastPrompt();
    EXPECT_NE(folder.Read("WiseOwlet.Dbf"), oldFile);
    EXPECT_FALSE(Settings == before);
    if (OptionsShown()) {
        EXPECT_TRUE(O().OptSettings == edited);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tabs, FailedSaveTest,
    ::testing::Values(
        FailedSaveCase{"GeneralApply", tabGeneral, kApply,
                       [](FrmOptionsForm& o) { o.WOcmbo_BackGround.SetListIndex(3); },
                       [](const UserSet&) {
                           EXPECT_EQ(BGFormShown, forms::vbTrue) << "the background is back";
                       }},
        FailedSaveCase{"GeneralOkWithANewPassword", tabGeneral, kOK,
                       [](FrmOptionsForm& o) {
                           o.WOTxt_PW(0).SetText("owl");
                           o.WOTxt_PW(1).SetText("owl");
                       },
                       [](const UserSet&) {}},
        FailedSaveCase{"MenuButtonsApplyOfThePuzzle", tabMenuButtons, kApply,
                       [](FrmOptionsForm& o) { o.MBCmbo_Lessons.SetListIndex(lsPuzzle); },
                       [](const UserSet&) {
                           EXPECT_TRUE(FrmMain->Pict_HolderLesson(0).Visible())
                               << "tracing is back";
                           EXPECT_FALSE(FrmMain->Pict_HolderLesson(1).Visible());
                       }},
        FailedSaveCase{
            "MenuButtonsOkOfALevel", tabMenuButtons, kOK,
            [](FrmOptionsForm& o) { o.MBCmbo_Level.SetListIndex(ulLevel3); },
            [](const UserSet& before) { EXPECT_EQ(Settings.UserLevel, before.UserLevel); }},
        FailedSaveCase{"DrawingButtonsApply", tabDrawing, kApply,
                       [](FrmOptionsForm& o) {
                           for (int i = 0; i <= 3; ++i)
                               o.SMnuChk_Display(i).SetValue(forms::vbUnchecked);
                       },
                       [](const UserSet&) {
                           for (int i = 0; i <= 3; ++i)
                               EXPECT_TRUE(FrmMain->TRCImg_SubMenu(i).Visible()) << i;
                       }},
        // The letter and the label strip take the colours before the write; they go back too.
        FailedSaveCase{"ColorsApply", tabColors, kApply,
                       [](FrmOptionsForm& o) {
                           PickColour(o, kTargetLetter, forms::RGB(1, 2, 3));
                           PickColour(o, kTargetIncomplete, forms::RGB(4, 5, 6));
                       },
                       [](const UserSet& before) {
                           EXPECT_EQ(AlphaCur.ColorLineHL, before.ColorLineHL);
                           EXPECT_EQ(LabelColors(0), before.ColorText);
                           EXPECT_EQ(FrmMain->Label_Alpha(5).ForeColor(), before.ColorText);
                       }},
        FailedSaveCase{
            "AnimationOk", tabAnimation, kOK,
            [](FrmOptionsForm& o) { o.CASldr_TimerSpeed.SetValue(80); },
            [](const UserSet& before) { EXPECT_EQ(TraceAnim.AnimInterval, before.AnimSpeed); }},
        FailedSaveCase{"SpeakingOk", tabSpeaking, kOK,
                       [](FrmOptionsForm& o) { o.SPKChk_Choices(6).SetValue(forms::vbChecked); },
                       [](const UserSet&) {}}),
    [](const ::testing::TestParamInfo<FailedSaveCase>& info) { return info.param.name; });

TEST_F(OptionsTest, AReminderThatCannotBeWrittenAfterTheSettingsSaysSo) {
    Open(tabSpeaking);
    O().SPKChk_Choices(6).SetValue(forms::vbChecked);
    forms::SetFileFault([](forms::FileStep step, const std::string& path) {
        return step == forms::FileStep::Rename && path.find("PassWord.Txt") != std::string::npos
                   ? EACCES
                   : 0;
    });
    forms::ClearMsgBoxLog();
    Press(kApply);
    forms::SetFileFault(nullptr);
    ASSERT_EQ(h.MsgBoxes().size(), 1u);
    EXPECT_NE(LastPrompt().find("PassWord.Txt"), std::string::npos) << LastPrompt();
    EXPECT_EQ(Settings.Speaking(6), forms::vbTrue) << "the settings were saved and stay";
    EXPECT_EQ(FromFile().Speaking(6), forms::vbTrue);
    EXPECT_TRUE(OptionsShown());
}

} // namespace
