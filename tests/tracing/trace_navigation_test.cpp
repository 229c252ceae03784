// Moving through the lesson on the main window: the ends of the range with and without looping,
// numbers by a step, the labels' colours and tiles, and the word of a character.
#include <gtest/gtest.h>

#include "forms/errors.h"
#include "main_window_fixture.h"
#include "shell/frm_main.h"
#include "tracing/animation.h"
#include "tracing/progress.h"
#include "tracing/trace_engine.h"
#include "tracing/trace_screen.h"

namespace {

class NavigationTest : public MainWindowTest {
  protected:
    // Starts a lesson as the tracing screen does, with the captions the label strip gives.
    void StartLesson(int16_t type, const std::string& start = "A", const std::string& end = "Z",
                     int16_t numbersStart = 1, int16_t numbersEnd = 30, int16_t step = 1) {
        Settings.AlphabetType = type;
        Settings.AlphabetStart = start;
        Settings.AlphabetEnd = end;
        Settings.NumbersStart = numbersStart;
        Settings.NumbersEnd = numbersEnd;
        Settings.NumbersStep = step;
        StartTrace();
        FillCaptions(type);
        for (int i = FirstAlphaIdx; i <= LastAlphaIdx; i += AlphaStep)
            AlphaEnabled(i) = -1;
        ShowAlpha(forms::vbTrue);
    }

    std::string Caption(int i) { return FrmMain->Label_Alpha(i).Caption(); }
    forms::PicturePtr Tile(int i) { return FrmMain->AT_Image_AlphaBG(i).Picture(); }
};

TEST_F(NavigationTest, NextStopsAtTheLastLetterUnlessTheLessonLoops) {
    StartLesson(0, "X", "Z");
    NextAlpha();
    NextAlpha();
    EXPECT_EQ(CurAlphaIdx, 25);
    EXPECT_EQ(AlphaCur.Alpha, "Z");
    NextAlpha();
    EXPECT_EQ(CurAlphaIdx, 25);
    EXPECT_EQ(AlphaCur.Alpha, "Z");

    Settings.AutoPlayLoop = forms::vbTrue;
    NextAlpha();
    EXPECT_EQ(CurAlphaIdx, 23);
    EXPECT_EQ(AlphaCur.Alpha, "X");
    EXPECT_EQ(PrevAlphaIdx, 23);
}

TEST_F(NavigationTest, PrevStopsAtTheFirstLetterEvenWhenTheLessonLoops) {
    Settings.AutoPlayLoop = forms::vbTrue;
    StartLesson(0, "C", "F");
    PrevAlpha();
    EXPECT_EQ(CurAlphaIdx, 2);
    NextAlpha();
    NextAlpha();
    EXPECT_EQ(AlphaCur.Alpha, "E");
    PrevAlpha();
    EXPECT_EQ(CurAlphaIdx, 3);
    EXPECT_EQ(AlphaCur.Alpha, "D");
}

TEST_F(NavigationTest, AMoveStopsTheAnimationAndStartsTheNextCharacter) {
    Settings.UserLevel = 0;
    StartLesson(0);
    EXPECT_TRUE(AnimTimerRunning());
    AnimationTimerTick();
    NextAlpha();
    EXPECT_EQ(AlphaCur.Alpha, "B");
    // A fresh Level I drawing of "B" from its first point.
    EXPECT_TRUE(AnimTimerRunning());
    EXPECT_EQ(TraceAnim.AnimPoint, 1);
    EXPECT_EQ(TraceAnim.AnimStroke, 0);
    EXPECT_EQ(TraceAnim.PointX(1, 21), AlphaCur.PointX(1, 21));
}

TEST_F(NavigationTest, MixedPairsTakeTheSmallLetterToo) {
    StartLesson(2, "A", "D");
    NextAlpha();
    EXPECT_EQ(AlphaCur.Alpha, "B");
    EXPECT_EQ(AlphaCur2.Alpha, "b");
    EXPECT_EQ(NumAlphas, 2);
    PrevAlpha();
    EXPECT_EQ(AlphaCur.Alpha, "A");
    EXPECT_EQ(AlphaCur2.Alpha, "a");
}

TEST_F(NavigationTest, NumbersGoByTheirStepAndLoopToTheFirst) {
    StartLesson(3, "A", "Z", 1, 30, 5);
    std::vector<std::string> seen{AlphaCur.Alpha + AlphaCur2.Alpha};
    for (int i = 0; i < 5; ++i) {
        NextAlpha();
        seen.push_back(AlphaCur.Alpha + AlphaCur2.Alpha);
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"1", "6", "11", "16", "21", "26"}));
    EXPECT_EQ(CurAlphaIdx, 25);
    EXPECT_EQ(NumAlphas, 2);
    NextAlpha();
    EXPECT_EQ(CurAlphaIdx, 25); // no loop

    Settings.AutoPlayLoop = forms::vbTrue;
    NextAlpha();
    EXPECT_EQ(CurAlphaIdx, 0);
    EXPECT_EQ(AlphaCur.Alpha, "1");
    EXPECT_EQ(AlphaCur2.Alpha, "");
    EXPECT_EQ(NumAlphas, 1);
}

TEST_F(NavigationTest, ElevenIsLaidOutWithTheGap) {
    StartLesson(3, "A", "Z", 6, 30, 5);
    NextAlpha();
    ASSERT_EQ(Caption(CurAlphaIdx), "11");
    EXPECT_EQ(AlphaCur2.OffsetX - AlphaCur.OffsetX, 0 + 18 + 5 + 20);
    PrevAlpha();
    EXPECT_EQ(AlphaCur.Alpha, "6");
    EXPECT_EQ(NumAlphas, 1);
}

TEST_F(NavigationTest, TheMoveRecoloursThePreviousAndTheCurrentLabel) {
    StartLesson(0, "A", "E");
    LabelColors(0) = forms::RGB(1, 1, 1);
    LabelColors(1) = forms::RGB(2, 2, 2);
    AlphaDone(0)(0)(0) = forms::vbTrue;
    NextAlpha();
    EXPECT_EQ(FrmMain->Label_Alpha(0).ForeColor(), forms::RGB(2, 2, 2));
    EXPECT_EQ(FrmMain->Label_Alpha(1).ForeColor(), forms::RGB(1, 1, 1));
    EXPECT_EQ(Tile(0), Tile(30));
    EXPECT_EQ(Tile(1), Tile(31));
}

TEST_F(NavigationTest, LabelColoursAndTilesFollowRangeProgressAndCurrent) {
    StartLesson(0, "B", "D");
    LabelColors(0) = forms::RGB(1, 1, 1);
    LabelColors(1) = forms::RGB(2, 2, 2);
    LabelColors(2) = forms::RGB(3, 3, 3);
    AlphaEnabled(0) = forms::vbFalse;
    AlphaDone(0)(0)(2) = forms::vbTrue;
    for (int16_t i = 0; i <= 3; ++i)
        UpdateAlphaLabel(i, forms::vbFalse);
    EXPECT_EQ(FrmMain->Label_Alpha(0).ForeColor(), forms::RGB(3, 3, 3));
    EXPECT_EQ(FrmMain->Label_Alpha(1).ForeColor(), forms::RGB(1, 1, 1));
    EXPECT_EQ(FrmMain->Label_Alpha(2).ForeColor(), forms::RGB(2, 2, 2));
    EXPECT_EQ(Tile(0), Tile(33));
    EXPECT_EQ(Tile(1), Tile(31)); // current
    EXPECT_EQ(Tile(2), Tile(30)); // done or not
    // A skipped update leaves the colour and gives the hover tile.
    UpdateAlphaLabel(3, forms::vbTrue);
    EXPECT_EQ(Tile(3), Tile(32));
    RefreshAlphaLabels();
    EXPECT_EQ(Tile(3), Tile(30));
}

TEST_F(NavigationTest, TheWordOfALetterOrOfTheWholeNumber) {
    std::string word;
    Settings.AlphabetType = 1;
    EXPECT_EQ(GetAlphaWord("c", word), "Cow");
    EXPECT_EQ(word, "Cow");
    Settings.AlphabetType = 3;
    AlphaCur.Alpha = "1";
    AlphaCur2.Alpha = "2";
    EXPECT_EQ(GetAlphaWord("1", word), "Twelve");
    AlphaCur2.Alpha = "";
    EXPECT_EQ(GetAlphaWord("1", word), "One");
    Settings.AlphabetType = 0;
    try {
        GetAlphaWord("{", word);
        FAIL() << "no error";
    } catch (const forms::RuntimeError& e) {
        EXPECT_EQ(e.Number(), forms::errSubscript);
    }
}

} // namespace
