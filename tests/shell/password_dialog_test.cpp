// The password dialog: the start-up lock and the options guard, right and wrong entries, the
// incorrect-password panel, cancelling by every way the dialog offers, and the prompt.
#include "tests/shell/shell_fixture.h"

#include <algorithm>

namespace {

class PasswordTest : public ShellTest {
  protected:
    FrmPassWordForm& PW() { return *FrmPassWord; }
    // The program started with the start-up lock on and the main window shown.
    void StartLocked(const std::string& password = "marble", forms::Flag mask = forms::vbTrue) {
        WriteSettings([&](UserSet& s) {
            s.PWStart = forms::vbTrue;
            s.PWord = password;
            s.PWMask = mask;
        });
        StartAndShow();
        ASSERT_TRUE(FrmPassWord.IsLoaded());
        ASSERT_TRUE(PW().Visible());
    }
    // The program running, then the options button's way of asking for the password.
    void OpenGuard() {
        StartAndShow();
        PasswordAtStart = 0;
        DisableMainForm();
        FrmPassWord->SetVisible(true);
        FrmPassWord->SetFocus();
        h.Pump();
    }
    void Enter(const std::string& text) {
        PW().Text_PW.SetText("");
        h.Type(text);
        h.Key(forms::vbKeyReturn);
    }
    bool PanelShown() { return PW().Pict_IncorrectPW.Visible(); }
    // The file last given to the voices' channel, from its last backslash.
    std::string LastVoice() {
        const std::string& file = FrmMain->AT_MM_Alphabet(0).FileName();
        return file.substr(file.find_last_of('\\') + 1);
    }
};

TEST_F(PasswordTest, TheStartLockHoldsTheMainWindowUntilThePasswordIsRight) {
    StartLocked();
    EXPECT_EQ(forms::Application::ActiveForm(), &PW());
    EXPECT_FALSE(FrmMain->Enabled());
    EXPECT_TRUE(PW().Text_PW.HasFocus());
    EXPECT_EQ(PW().Text_PW.DisplayText(), "");
    h.Type("marble");
    EXPECT_EQ(PW().Text_PW.Text(), "marble");
    EXPECT_EQ(PW().Text_PW.DisplayText(), "******") << "typed characters show as stars";
    h.Key(forms::vbKeyReturn);
    EXPECT_FALSE(FrmPassWord.IsLoaded());
    EXPECT_TRUE(FrmMain->Enabled());
    EXPECT_EQ(forms::Application::ActiveForm(), &*FrmMain);
    EXPECT_EQ(PendingAction, paNone) << "the main window's activation resumed";
    EXPECT_TRUE(FrmMain->AT_TimerTMR.Enabled()) << "the character starts";
}

TEST_F(PasswordTest, SpacesAroundAreForgivenButCaseIsNot) {
    StartLocked("Owl");
    Enter("  Owl ");
    EXPECT_FALSE(FrmPassWord.IsLoaded());

    PasswordAtStart = 0;
    Settings.PWord = "Owl";
    FrmPassWord->Show();
    h.Pump();
    Enter("owl");
    EXPECT_TRUE(FrmPassWord.IsLoaded());
    EXPECT_TRUE(PanelShown());
}

TEST_F(PasswordTest, AnEmptyPasswordTakesAnEmptyEntry) {
    StartLocked("");
    h.Type("   ");
    h.ClickOn(PW().Command_OK, 5, 5);
    EXPECT_FALSE(FrmPassWord.IsLoaded());
}

TEST_F(PasswordTest, AWrongEntryShowsThePanelAndKeepsTheEntry) {
    StartLocked();
    Enter("marbel");
    EXPECT_TRUE(PanelShown());
    EXPECT_EQ(PW().WrongEntries(), 1);
    EXPECT_EQ(PW().Text_PW.Text(), "marbel") << "not cleared";
    EXPECT_EQ(PW().Label1.Caption(), "Incorrect Password");
    EXPECT_EQ(PW().Label1.ForeColor(), forms::RGB(255, 0, 0));
    h.MoveOn(PW().Label1, 50, 5);
    EXPECT_EQ(LastVoice(), "PWIncorrect.Wav") << "the message speaks when pointed at";
    const forms::IRect panel = PW().Pict_IncorrectPW.ScreenRect();
    const forms::IRect dialog = PW().ScreenRect();
    EXPECT_EQ(panel.x - dialog.x, 25);
    EXPECT_EQ(panel.y - dialog.y, 50);
    EXPECT_EQ(panel.w, 215);
    h.ClickOn(PW().Cmd_IncorrectOK, 5, 5);
    EXPECT_FALSE(PanelShown());
    EXPECT_TRUE(PW().Text_PW.HasFocus());
    h.Type("x");
    EXPECT_EQ(PW().Text_PW.Text(), "marbelx");
    // A click on the panel itself closes it as well.
    Enter("wrong");
    EXPECT_TRUE(PanelShown());
    h.ClickOn(PW().Pict_IncorrectPW, 3, 70);
    EXPECT_FALSE(PanelShown());
    EXPECT_TRUE(FrmPassWord.IsLoaded());
}

TEST_F(PasswordTest, AThirdWrongEntryAtStartEndsTheProgram) {
    StartLocked();
    Enter("a");
    Enter("b");
    EXPECT_EQ(PW().WrongEntries(), 2);
    h.Type("c");
    EXPECT_THROW(h.Key(forms::vbKeyReturn), forms::EndSignal);
    EXPECT_TRUE(ProgramEnding());
    EXPECT_FALSE(FrmMain.IsLoaded());
    EXPECT_FALSE(FrmPassWord.IsLoaded());
}

// Every way of cancelling the start lock ends the program through EndProgram.
class CancelAtStartTest : public PasswordTest, public ::testing::WithParamInterface<const char*> {
  protected:
    void Cancel(const std::string& way) {
        if (way == "Cancel") h.ClickOn(PW().Command_Cancel, 5, 5);
        if (way == "Esc") h.Key(forms::vbKeyEscape);
        if (way == "CloseGlyph") h.ClickOn(PW().Lbl_Close, 3, 3);
        if (way == "Lock") h.ClickOn(PW().Lbl_Lock, 30, 30);
        if (way == "Prompt") h.ClickOn(PW().Label_PW, 3, 3);
        if (way == "Background") h.ClickOn(PW().Pict_Holder, 10, 140);
    }
};

TEST_P(CancelAtStartTest, EndsTheProgram) {
    StartLocked();
    EXPECT_THROW(Cancel(GetParam()), forms::EndSignal);
    EXPECT_TRUE(ProgramEnding());
    EXPECT_FALSE(FrmMain.IsLoaded());
    EXPECT_FALSE(FrmPassWord.IsLoaded());
}

INSTANTIATE_TEST_SUITE_P(Ways, CancelAtStartTest,
                         ::testing::Values("Cancel", "Esc", "CloseGlyph", "Lock", "Prompt",
                                           "Background"),
                         [](const auto& info) { return std::string(info.param); });

TEST_F(PasswordTest, TheRightPasswordOpensTheOptionsDialog) {
    OpenGuard();
    EXPECT_FALSE(FrmMain->Enabled());
    Enter("marble");
    EXPECT_TRUE(OptionsShown());
    EXPECT_FALSE(FrmPassWord.IsLoaded());
    EXPECT_NE(LastVoice(), "SndPlonk.Wav") << "the options dialog opens without the close sound";
}

TEST_F(PasswordTest, WithoutItsSkinTheDialogStillAsksAndOpensTheOptions) {
    HideMedia("Images/App/PWSkin.Jpg");
    StartAndShow();
    Settings.PWOptions = forms::vbTrue;
    FrmMain->TRCImg_Menu(0).MouseUp(forms::vbLeftButton, 0, 1, 1); // the options button
    h.Pump();
    ASSERT_TRUE(FrmPassWord.IsLoaded());
    EXPECT_TRUE(PW().Visible());
    EXPECT_EQ(PW().Pict_Holder.Picture(), nullptr);
    Enter("marble");
    EXPECT_TRUE(OptionsShown());
    EXPECT_TRUE(h.MsgBoxes().empty());
}

TEST_F(PasswordTest, CancellingTheGuardGivesTheMainWindowBack) {
    OpenGuard();
    h.ClickOn(PW().Command_Cancel, 5, 5);
    EXPECT_FALSE(FrmPassWord.IsLoaded());
    EXPECT_EQ(LastVoice(), "SndPlonk.Wav") << "the close sound";
    EXPECT_FALSE(ProgramEnding());
    EXPECT_TRUE(FrmMain->Enabled());
    EXPECT_FALSE(OptionsShown());
    EXPECT_EQ(forms::Application::ActiveForm(), &*FrmMain);
    EXPECT_EQ(PendingAction, paNone) << "the resume was posted and carried out";
}

TEST_F(PasswordTest, AThirdWrongEntryClosesTheGuardAsACancel) {
    OpenGuard();
    Enter("a");
    Enter("b");
    Enter("c");
    EXPECT_FALSE(FrmPassWord.IsLoaded());
    EXPECT_FALSE(ProgramEnding());
    EXPECT_TRUE(FrmMain->Enabled());
    EXPECT_FALSE(OptionsShown());
}

TEST_F(PasswordTest, ReactivationStartsTheCountAgain) {
    OpenGuard();
    Enter("a");
    Enter("b");
    ASSERT_EQ(PW().WrongEntries(), 2);
    ASSERT_TRUE(PanelShown());
    FrmBackGround->SetFocus();
    h.Pump();
    FrmPassWord->SetFocus();
    h.Pump();
    EXPECT_EQ(PW().WrongEntries(), 0);
    EXPECT_FALSE(PanelShown());
    Enter("c");
    EXPECT_TRUE(FrmPassWord.IsLoaded()) << "the count began again";
}

TEST_F(PasswordTest, ThePromptShowsThePasswordOnlyWhenMaskIsSet) {
    StartLocked("marble", forms::vbTrue);
    EXPECT_EQ(PW().Label_PW.Caption(), "Password is 'marble'");
    Settings.PWMask = forms::vbFalse;
    FrmBackGround->SetFocus();
    h.Pump();
    FrmPassWord->SetFocus();
    h.Pump();
    EXPECT_EQ(PW().Label_PW.Caption(), "Please enter your PW ");
}

TEST_F(PasswordTest, TheDialogIsLaidOutOnItsSkin) {
    StartLocked();
    const forms::IRect d = PW().ScreenRect();
    EXPECT_EQ(d.w, 340);
    EXPECT_EQ(d.h, 149);
    EXPECT_EQ(d.x, (1024 - 340) / 2);
    EXPECT_EQ(PW().Caption(), "Password");
    EXPECT_EQ(PW().Lbl_Heading.Caption(), "Password");
    EXPECT_EQ(PW().Text_PW.ScreenRect().x - d.x, 164);
    EXPECT_EQ(PW().Command_OK.ScreenRect().y - d.y, 104);
    EXPECT_EQ(PW().Lbl_Close.Left(), 340 - 55);
    EXPECT_DOUBLE_EQ(PW().Lbl_Heading.FontSize(), 1.35 * 15);
    EXPECT_FALSE(PanelShown());
}

// The heading is bold exactly when face 0 had to be replaced, as the program's other texts are.
struct HeadingFaceCase {
    const char* name;
    forms::Flag face0Replaced, face1Replaced;
    bool bold;
};

class PasswordHeadingTest : public PasswordTest,
                            public ::testing::WithParamInterface<HeadingFaceCase> {};

TEST_P(PasswordHeadingTest, IsBoldWhenFaceZeroWasReplaced) {
    StartAndShow();
    FontSubstituted(0) = GetParam().face0Replaced;
    FontSubstituted(1) = GetParam().face1Replaced;
    FrmPassWord->Show();
    h.Pump();
    EXPECT_EQ(PW().Lbl_Heading.FontBold(), GetParam().bold);
}

INSTANTIATE_TEST_SUITE_P(
    Faces, PasswordHeadingTest,
    ::testing::Values(HeadingFaceCase{"NoneReplaced", forms::vbFalse, forms::vbFalse, false},
                      HeadingFaceCase{"FaceZeroReplaced", forms::vbTrue, forms::vbFalse, true},
                      HeadingFaceCase{"FaceOneReplaced", forms::vbFalse, forms::vbTrue, false},
                      HeadingFaceCase{"BothReplaced", forms::vbTrue, forms::vbTrue, true}),
    [](const ::testing::TestParamInfo<HeadingFaceCase>& info) { return info.param.name; });

} // namespace
