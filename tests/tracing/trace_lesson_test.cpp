// Starting a character at each level and drawing the board again for the tracing state.
#include <gtest/gtest.h>

#include "board_fixture.h"

namespace {

class LessonTest : public BoardTest {
  protected:
    // The middle of the only stroke of "1" (x 0, y 0 to 100) and a point inside its track only.
    int32_t Centre(const AlphaData& rec) { return PixelAtPoint(rec, 0, 6); }
    int32_t Rim(const AlphaData& rec) { return PixelAtPoint(rec, 0, 6, 8, 0); }
};

TEST_F(LessonTest, LevelThreeShowsTrackGuideAndCheckPointsWithoutAnimation) {
    Settings.UserLevel = 2;
    LayOutTwo("1", "1");
    DrawAlphaForTrace();
    EXPECT_FALSE(Anim().Enabled());
    for (const AlphaData* rec : {&AlphaCur, &AlphaCur2}) {
        EXPECT_EQ(Centre(*rec), kPrompt);
        EXPECT_EQ(Rim(*rec), kTrack);
        EXPECT_EQ(PixelAtPoint(*rec, 0, 1), kCircle);
        EXPECT_EQ(PixelAtPoint(*rec, 0, 11), kCircle);
    }
}

TEST_F(LessonTest, LevelTwoStartsWithThePromptOfTheCurrentStroke) {
    Settings.UserLevel = 1;
    LayOut("E");
    DrawAlphaForTrace();
    EXPECT_TRUE(Anim().Enabled());
    EXPECT_EQ(TraceAnim.AnimFlagB, forms::vbTrue);
    EXPECT_EQ(TraceAnim.AnimAllStrokes, forms::vbFalse);
    EXPECT_EQ(TraceAnim.AnimPhase, apIdle);
    EXPECT_EQ(Board().ForeColor(), kPrompt);
    EXPECT_EQ(Board().DrawWidth(), AlphaCur.LineWidth);
    EXPECT_EQ(PixelAtPoint(AlphaCur, 0, 5), kTrack);
}

struct RedrawCase {
    const char* name;
    int16_t level;
    bool done;
    bool firstTraced;
    int32_t firstCentre, secondCentre, secondRim;
};

class RedrawTwo : public LessonTest, public ::testing::WithParamInterface<RedrawCase> {};

TEST_P(RedrawTwo, DrawsTheStateOfBothCharacters) {
    const RedrawCase& c = GetParam();
    Settings.UserLevel = c.level;
    CurAlphaIdx = 10;
    AlphaDone(0)(c.level)(10) = c.done ? forms::vbTrue : forms::vbFalse;
    LayOutTwo("1", "1");
    AlphaCur.AlphaTraced = c.firstTraced ? forms::vbTrue : forms::vbFalse;
    CurAlphaNo = c.firstTraced ? 2 : 1;
    RedrawAlpha();
    EXPECT_EQ(Centre(AlphaCur), c.firstCentre);
    EXPECT_EQ(Centre(AlphaCur2), c.secondCentre);
    EXPECT_EQ(Rim(AlphaCur2), c.secondRim);
}

INSTANTIATE_TEST_SUITE_P(
    States, RedrawTwo,
    ::testing::Values(RedrawCase{"LevelOne", 0, false, false, kLine, kLine, kTrack},
                      RedrawCase{"LevelTwoDone", 1, true, false, kLine, kLine, kTrack},
                      // The first was traced: drawn whole; the second with its progress.
                      RedrawCase{"LevelTwoFirstTraced", 1, false, true, kLine, kPrompt, kTrack},
                      RedrawCase{"LevelTwoFirstNot", 1, false, false, kPrompt, kTrack, kTrack},
                      RedrawCase{"LevelThreeDone", 2, true, false, kLine, kLine, kTrack},
                      RedrawCase{"LevelThreeFirstNot", 2, false, false, kPrompt, kPrompt, kTrack},
                      RedrawCase{"LevelThreeFirstTraced", 2, false, true, kLine, kPrompt, kTrack}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LessonTest, RedrawClearsTheBoardOnlyWhereItsDrawingDoes) {
    LayOut("1");
    Board().Line(5, 5, 6, 6, kCircleHL);
    Settings.UserLevel = 1;
    RedrawAlpha();
    EXPECT_EQ(Board().Point(5, 5), kCircleHL);
    Settings.UserLevel = 2;
    RedrawAlpha();
    EXPECT_EQ(Board().Point(5, 5), kBack);
}

TEST_F(LessonTest, ARedrawDuringTheLevelOneDrawingShowsOnlyWhatWasDrawnSoFar) {
    Settings.UserLevel = 0;
    LayOut("E");
    DrawAlphaForTrace();
    for (int i = 0; i < 13; ++i)
        AnimationTimerTick(); // stroke 0, then two segments of stroke 1
    Board().Cls();
    RedrawAlpha();
    EXPECT_EQ(PixelAtPoint(AlphaCur, 0, 6), kLine);
    EXPECT_EQ(PixelAtPoint(AlphaCur, 1, 2), kLine);
    EXPECT_EQ(PixelAtPoint(AlphaCur, 1, 5), kTrack);
    EXPECT_EQ(PixelAtPoint(AlphaCur, 3, 3), kTrack);
    EXPECT_EQ(Board().ForeColor(), kLine);
    EXPECT_EQ(Board().DrawWidth(), AlphaCur.LineWidth);
    TickUntilStopped();
    EXPECT_EQ(PixelAtPoint(AlphaCur, 3, 3), kLine);
    // Once the drawing has ended, the character is drawn whole.
    Board().Cls();
    RedrawAlpha();
    EXPECT_EQ(PixelAtPoint(AlphaCur, 1, 5), kLine);
}

TEST_F(LessonTest, ARedrawDuringTheSecondOfTwoCharactersDrawsTheFirstWhole) {
    Settings.UserLevel = 0;
    LayOutTwo("1", "1");
    DrawAlphaForTrace();
    for (int i = 0; i < 13; ++i)
        AnimationTimerTick();
    ASSERT_EQ(CurAlphaNo, 2);
    Board().Cls();
    RedrawAlpha();
    EXPECT_EQ(Centre(AlphaCur), kLine);
    EXPECT_EQ(PixelAtPoint(AlphaCur2, 0, 2), kLine);
    EXPECT_EQ(Centre(AlphaCur2), kTrack);
}

TEST_F(LessonTest, ARedrawKeepsThePenOfARunningSegment) {
    Settings.UserLevel = 1;
    LayOut("C");
    Board().SetForeColor(kLine);
    Board().SetDrawWidth(AlphaCur.LineWidth);
    RedrawAlpha(); // the prompt colour is the last it draws with
    EXPECT_EQ(Board().ForeColor(), kLine);
    EXPECT_EQ(Board().DrawWidth(), AlphaCur.LineWidth);
}

TEST_F(LessonTest, ShowingStartsTheCharacterAfresh) {
    Settings.UserLevel = 1;
    Settings.AlphabetType = 3; // the number 12
    NumAlphas = 2;
    AlphaCur.Alpha = "1";
    AlphaCur2.Alpha = "2";
    AlphaCur.AlphaTraced = forms::vbTrue;
    AlphaCur2.AlphaTraced = forms::vbTrue;
    CurAlphaNo = 2;
    AlphaCur.CurKey = 3;
    ShowAlpha(forms::vbTrue);
    EXPECT_EQ(CurAlphaNo, 1);
    EXPECT_EQ(AlphaCur.NumAlphasCopy, 2);
    EXPECT_EQ(AlphaCur.AlphaTraced, forms::vbFalse);
    EXPECT_EQ(AlphaCur2.AlphaTraced, forms::vbFalse);
    EXPECT_EQ(AlphaCur.CurKey, 0);
    EXPECT_TRUE(Anim().Enabled()); // the prompt of the first stroke
    EXPECT_EQ(TraceAnim.PointX(0, 1), AlphaCur.PointX(0, 1));
}

TEST_F(LessonTest, AFinishedCharacterAtLevelThreeIsShownWholeAndNothingStarts) {
    Settings.UserLevel = 2;
    Settings.AutoPlay = forms::vbFalse;
    CurAlphaIdx = 0;
    AlphaDone(0)(2)(0) = forms::vbTrue;
    AlphaCur.Alpha = "I";
    ShowAlpha(forms::vbTrue);
    EXPECT_EQ(PixelAtPoint(AlphaCur, 0, 6), kLine);
    EXPECT_EQ(PixelAtPoint(AlphaCur, 0, 6, 8, 0), kTrack);
    EXPECT_EQ(PixelAtPoint(AlphaCur, 0, 1), kLine); // no check points
    EXPECT_FALSE(Anim().Enabled());
    // With auto play the lesson moves on a second later than the auto-play pause.
    Settings.AutoPlay = forms::vbTrue;
    Settings.AutoPlayPause = 2000;
    ShowAlpha(forms::vbTrue);
    EXPECT_TRUE(Anim().Enabled());
    EXPECT_EQ(TraceAnim.AnimKind, akWaitDone);
    EXPECT_EQ(Anim().Interval(), 3000);
}

TEST_F(LessonTest, ALevelOutsideTheRangeDrawsNothing) {
    Settings.UserLevel = 3;
    LayOut("I");
    DrawAlphaForTrace();
    RedrawAlpha();
    EXPECT_EQ(PixelAtPoint(AlphaCur, 0, 6), kBack);
    EXPECT_FALSE(Anim().Enabled());
}

} // namespace
