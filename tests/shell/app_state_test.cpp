// The pending-action dispatcher, the activity switch, minimise and restore.
#include "puzzle/move_history.h"
#include "tests/shell/shell_fixture.h"

#include <algorithm>

namespace {

class AppStateTest : public ShellTest {
  protected:
    void SetUp() override {
        ShellTest::SetUp();
        StartAndShow();
    }
    // A mark in a corner of the drawing board, to see whether the board was cleared.
    void MarkBoard() {
        ASSERT_GT(FrmMain->Picture_DrawBoard.Width(), 5);
        FrmMain->Picture_DrawBoard.PSet(5, 5, forms::RGB(1, 2, 3));
        ASSERT_TRUE(BoardMarked());
    }
    bool Animating() { return FrmMain->AT_TimerTMR.Enabled(); }
    bool BoardMarked() { return FrmMain->Picture_DrawBoard.Point(5, 5) == forms::RGB(1, 2, 3); }
    void Dispatch(int16_t action) {
        PendingAction = action;
        ChangeAppState(PendingAction);
    }
};

TEST_F(AppStateTest, ShowActivityStartsTheCurrentLesson) {
    Settings.LessonID = lsPuzzle;
    Dispatch(paShowActivity);
    EXPECT_TRUE(FrmMain->Pict_HolderLesson(1).Visible()) << "the puzzle screen is up";
    EXPECT_EQ(PuzHistCount, 1) << "and a game was shuffled";
    EXPECT_EQ(PendingAction, paNone);
    HidePuzzle();
    Settings.LessonID = 7; // no such lesson: nothing starts
    Dispatch(paShowActivity);
    EXPECT_FALSE(FrmMain->Pict_HolderLesson(1).Visible());
}

TEST_F(AppStateTest, ResumeWhileTracingClearsTheBoardAndStartsTheCharacter) {
    FrmMain->AT_TimerTMR.SetEnabled(false);
    MarkBoard();
    Dispatch(paResume);
    EXPECT_FALSE(BoardMarked());
    EXPECT_TRUE(Animating()) << "at Level I the demonstration starts again";
    EXPECT_EQ(PendingAction, paNone);
}

TEST_F(AppStateTest, ResumeWhileThePuzzleIsCurrentDoesNothing) {
    Settings.LessonID = lsPuzzle;
    MarkBoard();
    Dispatch(paResume);
    EXPECT_TRUE(BoardMarked());
    EXPECT_EQ(PendingAction, paNone);
}

TEST_F(AppStateTest, ResumeUnderTheStartupPasswordKeepsTheBoardStill) {
    FrmPassWord->Show();
    FrmMain->AT_TimerTMR.SetEnabled(true);
    MarkBoard();
    Dispatch(paResume);
    EXPECT_FALSE(BoardMarked()) << "the board is drawn";
    EXPECT_FALSE(Animating());
    EXPECT_FALSE(FrmMain->Enabled());
}

TEST_F(AppStateTest, MinimiseAndRestore) {
    FrmMain->AT_TimerTMR.SetEnabled(true);
    Dispatch(paMinimise);
    h.Pump();
    EXPECT_EQ(FrmMain->WindowState(), forms::vbMinimized);
    EXPECT_EQ(AppMinimised, forms::vbTrue) << "the resize of the minimising did not restore";
    EXPECT_FALSE(Animating());
    EXPECT_FALSE(FrmMenuMusic->MM_Music.Playing()) << "minimising halts the music";
    EXPECT_EQ(PendingAction, paNone);

    MarkBoard();
    FrmMain->SetWindowState(forms::vbNormal); // raises Resize
    h.Pump();
    EXPECT_EQ(AppMinimised, forms::vbFalse);
    EXPECT_FALSE(BoardMarked()) << "restoring resumes tracing";
    EXPECT_TRUE(Animating());
    EXPECT_TRUE(FrmMenuMusic->MM_Music.Playing()) << "music play is on: the tune resumes";
}

TEST_F(AppStateTest, ResumeUnloadsABackgroundFormThatIsNoLongerWanted) {
    struct Case {
        int16_t option;
        bool stays;
    } cases[] = {{0, true}, {3, false}};
    for (const Case& c : cases) {
        FrmBackGround.Get();
        BGFormShown = forms::vbTrue;
        Settings.BGFormOpt = c.option;
        MarkBoard();
        Dispatch(paResume);
        EXPECT_EQ(FrmBackGround.IsLoaded(), c.stays) << "option " << c.option;
        EXPECT_FALSE(BoardMarked()) << "the board is drawn either way";
        FrmBackGround.Unload();
    }
}

TEST_F(AppStateTest, MinimiseAndRestoreTakeTheBackgroundFormAlong) {
    FrmBackGround->Show();
    BGFormShown = forms::vbTrue;
    Dispatch(paMinimise);
    h.Pump();
    EXPECT_EQ(FrmBackGround->WindowState(), forms::vbMinimized);
    EXPECT_FALSE(FrmBackGround->Visible());

    FrmMain->SetWindowState(forms::vbNormal);
    h.Pump();
    EXPECT_EQ(FrmBackGround->WindowState(), forms::vbMaximized);
    EXPECT_TRUE(FrmBackGround->Visible());
    EXPECT_EQ(AppMinimised, forms::vbFalse);
}

TEST_F(AppStateTest, AResizeThatIsNoRestoreDoesNothing) {
    MarkBoard();
    FrmMain->Form_Resize();
    EXPECT_TRUE(BoardMarked());
}

TEST_F(AppStateTest, TerminateEndsTheProgram) {
    forms::Application::HandlerScope handler;
    PendingAction = paTerminate;
    EXPECT_THROW(ChangeAppState(PendingAction), forms::EndSignal);
    EXPECT_FALSE(FrmMain.IsLoaded());
}

TEST_F(AppStateTest, AnUnknownActionOnlyEmptiesTheMailbox) {
    MarkBoard();
    Dispatch(9);
    EXPECT_TRUE(BoardMarked());
    EXPECT_EQ(PendingAction, paNone);
}

TEST_F(AppStateTest, SelectLessonClosesTheCurrentOneAndStartsTheNew) {
    int16_t puzzle = lsPuzzle, tracing = lsTracing;
    SelectLesson(puzzle);
    EXPECT_EQ(Settings.LessonID, lsPuzzle);
    EXPECT_FALSE(FrmMain->Pict_HolderLesson(0).Visible()) << "the tracing screen was hidden";
    EXPECT_FALSE(Animating());
    EXPECT_TRUE(FrmMain->Pict_HolderLesson(1).Visible()) << "the puzzle started";
    FrmMain->PuzLbl_Coin(0).SetCaption("?");
    SelectLesson(puzzle); // the same lesson again: closed and restarted
    EXPECT_TRUE(FrmMain->Pict_HolderLesson(1).Visible());
    EXPECT_NE(FrmMain->PuzLbl_Coin(0).Caption(), "?") << "a new board was laid out";
    SelectLesson(tracing);
    EXPECT_FALSE(FrmMain->Pict_HolderLesson(1).Visible()) << "the puzzle screen was hidden";
    EXPECT_FALSE(FrmMain->PuzPict_Clock.Visible());
    EXPECT_TRUE(FrmMain->Pict_HolderLesson(0).Visible());
}

TEST_F(AppStateTest, EnableAndDisableTheMainWindow) {
    DisableMainForm();
    EXPECT_FALSE(FrmMain->Enabled());
    EnableMainForm();
    EXPECT_TRUE(FrmMain->Enabled());
}

} // namespace
