// The completion dialog: its skinned layout, the heading by activity, and closing it with the OK
// picture or the close label, which gives the main window back.
#include "tests/shell/shell_fixture.h"

#include "shell/frm_completion.h"

namespace {

class CompletionTest : public ShellTest {
  protected:
    void SetUp() override {
        ShellTest::SetUp();
        StartAndShow();
    }
    // Shows the dialog as an activity does, the main window disabled meanwhile.
    FrmCompletionForm& ShowDialog(const std::string& message) {
        FrmMain->SetEnabled(false);
        FrmCompletionForm& d = *FrmCompletion;
        d.Show();
        d.lbl_WellDone.SetCaption(message);
        h.Pump();
        return d;
    }
};

TEST_F(CompletionTest, TheDialogIsLaidOutOnItsSkin) {
    FrmCompletionForm& d = *FrmCompletion;
    EXPECT_FALSE(d.Visible());
    EXPECT_EQ(d.Width(), 343 * 15);
    EXPECT_EQ(d.Height(), 369 * 15);
    EXPECT_EQ(d.ComplPict_Holder.Width(), 343);
    EXPECT_EQ(d.ComplPict_Holder.Height(), 369);
    ASSERT_NE(d.ComplPict_Holder.Picture(), nullptr);
    EXPECT_EQ(d.ComplPict_Holder.Picture()->Width(), 343);
    EXPECT_EQ(d.Lbl_Heading.Left(), 10);
    EXPECT_EQ(d.Lbl_Heading.Top(), 4);
    EXPECT_DOUBLE_EQ(d.Lbl_Heading.FontSize(), 15 * 1.35);
    EXPECT_DOUBLE_EQ(d.Lbl_Heading.Height(), 2 * 15 * 1.35);
    EXPECT_EQ(d.Lbl_Close.Left(), 343 - 55);
    EXPECT_DOUBLE_EQ(d.Lbl_Close.Height(), 1.5 * d.Lbl_Heading.Height());
    EXPECT_DOUBLE_EQ(d.Lbl_Close.Width(), d.Lbl_Close.Height());
    EXPECT_EQ(d.ImgOK.Left(), 272);
    EXPECT_EQ(d.ImgOK.Top(), 125);
    ASSERT_NE(d.ImgOK.Picture(), nullptr);
    EXPECT_DOUBLE_EQ(d.lbl_WellDone.Width(), 0.8 * 343);
    EXPECT_DOUBLE_EQ(d.lbl_WellDone.Left(), (343 - 0.8 * 343) / 2);
    EXPECT_EQ(d.lbl_WellDone.Top(), 150);
    EXPECT_EQ(d.lbl_WellDone.Height(), 75);
    EXPECT_DOUBLE_EQ(d.lbl_WellDone.FontSize(), 15 * 1.3);
}

// The OK picture sits between the heading and the message, so that it hides no part of either.
TEST_F(CompletionTest, TheOKPictureLeavesHeadingAndMessageWhole) {
    for (const char* message : {"Level Completed !", "Puzzle completed !\r\nTime taken - 00:07"}) {
        SCOPED_TRACE(message);
        FrmCompletionForm& d = ShowDialog(message);
        const forms::Image& ok = d.ImgOK;
        ASSERT_NE(ok.Picture(), nullptr);
        EXPECT_GE(ok.Top(), d.Lbl_Heading.Top() + d.Lbl_Heading.Height());
        EXPECT_LE(ok.Top() + ok.Height(), d.lbl_WellDone.Top());
        EXPECT_LE(ok.Left() + ok.Width(), d.ComplPict_Holder.Width());
        d.HideFrmCompletion();
    }
}

TEST_F(CompletionTest, TheHeadingFollowsTheActivity) {
    struct Case {
        int16_t lesson;
        const char* heading;
    } cases[] = {{1, "Puzzle Completed"}, {0, "Level Completed"}, {7, "Level Completed"}};
    for (const Case& c : cases) {
        Settings.LessonID = c.lesson;
        FrmCompletionForm& d = ShowDialog("x");
        EXPECT_EQ(d.Lbl_Heading.Caption(), c.heading) << c.lesson;
        d.HideFrmCompletion();
        h.Pump();
    }
}

TEST_F(CompletionTest, OKHidesTheDialogAndGivesTheMainWindowBack) {
    FrmCompletionForm& d = ShowDialog("Well Done.\r\nLevel Completed !");
    ASSERT_FALSE(FrmMain->Enabled());
    h.ClickOn(d.ImgOK, 10, 10);
    EXPECT_FALSE(d.Visible());
    EXPECT_TRUE(FrmCompletion.IsLoaded()); // hidden, not unloaded
    EXPECT_TRUE(FrmMain->Enabled());
    EXPECT_EQ(forms::Application::ActiveForm(), &FrmMain.Get());
}

TEST_F(CompletionTest, TheCloseLabelClosesAndASecondCloseDoesNothing) {
    FrmCompletionForm& d = ShowDialog("x");
    h.ClickOn(d.Lbl_Close, 20, 20);
    EXPECT_FALSE(d.Visible());
    EXPECT_TRUE(FrmMain->Enabled());
    // Closed already: nothing more happens, not even to the main window.
    FrmMain->SetEnabled(false);
    d.ImgOK_Click();
    d.Lbl_Close_Click();
    EXPECT_FALSE(FrmMain->Enabled());
}

} // namespace
