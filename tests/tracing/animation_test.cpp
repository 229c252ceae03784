// The stroke animation, tick by tick: the Level I drawing of one and two characters, the
// demonstration, the Level II stroke prompt and segments, stops from outside, and the waits.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "board_fixture.h"

namespace {

constexpr int32_t kSentinel = forms::RGB(1, 2, 3);

class AnimationTest : public BoardTest {
  protected:
    // What the Level I board click or the demonstration button sets before it starts.
    void StartDemonstration() {
        Board().SetForeColor(AlphaCur.ColorLineHL);
        Board().SetDrawWidth(AlphaCur.LineWidth);
        TraceAnim.AnimStroke = 0;
        TraceAnim.AnimPoint = 1;
        TraceAnim.AnimFlagB = forms::vbFalse;
        TraceAnim.AnimAllStrokes = forms::vbTrue;
        TraceAnim.AnimKind = akDemoStep;
        TraceAnim.AnimPhase = apDemoStart;
        StartAnimation(AlphaCur, TraceAnim);
    }

    // What a correct Level II click on key point CurKey - 1 of rec starts.
    void StartSegment(AlphaData& rec, int16_t phase) {
        Board().SetForeColor(rec.ColorLineHL);
        Board().SetDrawWidth(rec.LineWidth);
        TraceAnim.AnimStroke = rec.CurStroke;
        TraceAnim.AnimPoint = static_cast<int16_t>(rec.CurKey - 1);
        TraceAnim.AnimFlagB = forms::vbFalse;
        TraceAnim.AnimAllStrokes = forms::vbFalse;
        TraceAnim.AnimKind = akSegmentStep;
        TraceAnim.AnimPhase = phase;
        StartAnimation(rec, TraceAnim);
    }

    // What the endings handed over to the progress marks, oldest first.
};

TEST_F(AnimationTest, LevelOneDrawsTheFirstCharacterThenTheSecond) {
    Settings.UserLevel = 0;
    LayOutTwo("1", "1");
    DrawAlphaForTrace();
    EXPECT_TRUE(Anim().Enabled());
    EXPECT_EQ(TraceAnim.AnimPhase, apDemoFirst);
    EXPECT_EQ(PixelAtPoint(AlphaCur, 0, 5), kTrack);

    // An 11-point stroke: ten segments, then the tick on its last point ends it.
    for (int i = 0; i < 11; ++i)
        AnimationTimerTick();
    EXPECT_EQ(CurAlphaNo, 2);
    EXPECT_EQ(TraceAnim.AnimPhase, apDemoSecond);
    EXPECT_TRUE(Anim().Enabled());
    EXPECT_EQ(PixelAtPoint(AlphaCur, 0, 5), kLine);
    EXPECT_EQ(PixelAtPoint(AlphaCur2, 0, 5), kTrack);
    EXPECT_EQ(TraceAnim.PointX(0, 1), AlphaCur2.PointX(0, 1));

    EXPECT_EQ(TickUntilStopped(), 11);
    EXPECT_EQ(PixelAtPoint(AlphaCur2, 0, 5), kLine);
    EXPECT_EQ(PixelAtPoint(AlphaCur2, 0, 11), kLine);
    // Nothing joins the two characters.
    const int16_t gapX = (AlphaCur.PointX(0, 1) + AlphaCur2.PointX(0, 1)) / 2;
    EXPECT_EQ(Board().Point(gapX, AlphaCur.PointY(0, 1) + 2), kBack);
}

TEST_F(AnimationTest, TheAnimationRunsOnTheTimerAtItsInterval) {
    Settings.UserLevel = 0;
    LayOutTwo("1", "1");
    int ticks = 0;
    Anim().Tick = [&ticks] {
        ++ticks;
        AnimationTimerTick();
    };
    TraceAnim.AnimInterval = 40;
    DrawAlphaForTrace();
    EXPECT_EQ(Anim().Interval(), 40);
    headless_->Advance(40 * 11 - 1);
    EXPECT_EQ(ticks, 10);
    EXPECT_EQ(CurAlphaNo, 1);
    headless_->Advance(1);
    EXPECT_EQ(ticks, 11);
    EXPECT_EQ(CurAlphaNo, 2);
    headless_->Advance(40 * 11);
    EXPECT_EQ(ticks, 22);
    EXPECT_FALSE(Anim().Enabled());
}

TEST_F(AnimationTest, LevelOneOnOneCharacterEndsAfterItsLastStrokeWithoutJoiningStrokes) {
    Settings.UserLevel = 0;
    LayOut("E");
    DrawAlphaForTrace();
    EXPECT_EQ(TickUntilStopped(), 11 + 5 + 5 + 5);
    EXPECT_EQ(TraceAnim.AnimStroke, 3);
    for (int s = 0; s <= 3; ++s)
        EXPECT_EQ(PixelAtPoint(AlphaCur, s, 3), kLine) << s;
    EXPECT_EQ(Board().Point(AlphaCur.OffsetX + 20, AlphaCur.OffsetY + 25), kBack);
}

TEST_F(AnimationTest, TheDemonstrationOfTwoCharactersLeavesTheCurrentOneAlone) {
    Settings.UserLevel = 0;
    LayOutTwo("1", "1");
    DrawAlpha(AlphaCur, 1, forms::vbTrue, 0);
    DrawAlpha(AlphaCur2, 1, forms::vbFalse, 0);
    StartDemonstration();
    EXPECT_EQ(TickUntilStopped(), 22);
    EXPECT_EQ(CurAlphaNo, 1);
    EXPECT_EQ(PixelAtPoint(AlphaCur, 0, 5), kLine);
    EXPECT_EQ(PixelAtPoint(AlphaCur2, 0, 5), kLine);
}

TEST_F(AnimationTest, TheDemonstrationAtLevelTwoPutsTheTracingStateBack) {
    Settings.UserLevel = 1;
    LayOutTwo("1", "1");
    DrawAlpha(AlphaCur, 1, forms::vbTrue, 0);
    StartDemonstration();
    EXPECT_EQ(TickUntilStopped(), 22);
    EXPECT_EQ(CurAlphaNo, 1);
    // Redrawn: the first character's stroke prompted again, the second as a track.
    EXPECT_EQ(PixelAtPoint(AlphaCur, 0, 5), kPrompt);
    EXPECT_EQ(PixelAtPoint(AlphaCur2, 0, 5), kTrack);
}

TEST_F(AnimationTest, TheStrokePromptDrawsTheLastKeyDotAgainForFourSegments) {
    Settings.UserLevel = 1;
    LayOut("C");
    DrawAlphaForTrace();
    EXPECT_EQ(TraceAnim.AnimPhase, apIdle);
    EXPECT_EQ(Board().ForeColor(), kPrompt);
    const int16_t kx = AlphaCur.PointX(0, 1);
    const int16_t ky = AlphaCur.PointY(0, 1);
    AnimationTimerTick(); // the first segment leaves key point 0
    EXPECT_EQ(Board().Point(kx, ky), kCircle);
    for (int tick = 2; tick <= 6; ++tick) {
        Board().PSet(kx, ky, kSentinel);
        AnimationTimerTick();
        EXPECT_EQ(Board().Point(kx, ky), tick <= 5 ? kCircle : kSentinel) << "tick " << tick;
    }
}

TEST_F(AnimationTest, TheStrokePromptMarksEachKeyPointAndFinallyTheStart) {
    Settings.UserLevel = 1;
    LayOut("C");
    DrawAlphaForTrace();
    EXPECT_EQ(TickUntilStopped(), 44);
    for (int p : {12, 23, 34, 44})
        EXPECT_EQ(PixelAtPoint(AlphaCur, 0, p), kCircle) << p;
    EXPECT_EQ(PixelAtPoint(AlphaCur, 0, 1), kCircleHL);
    EXPECT_EQ(PixelAtPoint(AlphaCur, 0, 28), kPrompt);
}

TEST_F(AnimationTest, ALevelTwoSegmentRunsBetweenTwoKeyPointsAndDotsTheNextOne) {
    Settings.UserLevel = 1;
    LayOut("C");
    AlphaCur.CurKey = 2; // key point 1 was clicked
    StartSegment(AlphaCur, apSegment);
    EXPECT_EQ(TickUntilStopped(), 12); // points 12 to 23, then the end
    EXPECT_EQ(AlphaCur.CurKey, 3);
    EXPECT_EQ(AlphaCur.CurStroke, 0);
    EXPECT_EQ(PixelAtPoint(AlphaCur, 0, 17), kLine);
    EXPECT_EQ(PixelAtPoint(AlphaCur, 0, 34), kCircleHL);
    EXPECT_EQ(PixelAtPoint(AlphaCur, 0, 5), kBack);
    EXPECT_EQ(PixelAtPoint(AlphaCur, 0, 28), kBack);
}

TEST_F(AnimationTest, ASegmentThatEndsAStrokePromptsTheNextStroke) {
    Settings.UserLevel = 1;
    LayOut("E");
    AlphaCur.CurKey = 1;
    StartSegment(AlphaCur, apSegment);
    for (int i = 0; i < 11; ++i)
        AnimationTimerTick();
    EXPECT_EQ(AlphaCur.CurStroke, 1);
    EXPECT_EQ(AlphaCur.CurKey, 0);
    EXPECT_TRUE(Anim().Enabled());
    EXPECT_EQ(TraceAnim.AnimKind, akDemoStep);
    EXPECT_EQ(TraceAnim.AnimStroke, 1);
    EXPECT_EQ(TraceAnim.AnimFlagB, forms::vbTrue);
    EXPECT_EQ(Board().ForeColor(), kPrompt);
    EXPECT_EQ(TickUntilStopped(), 5); // the prompt stops at the end of its stroke
    EXPECT_EQ(PixelAtPoint(AlphaCur, 1, 3), kPrompt);
    EXPECT_EQ(PixelAtPoint(AlphaCur, 2, 3), kBack);
}

TEST_F(AnimationTest, TheLastSegmentOfTheFirstOfTwoCharactersPromptsTheSecond) {
    Settings.UserLevel = 1;
    LayOutTwo("1", "1");
    AlphaCur.CurKey = 1;
    StartSegment(AlphaCur, apSegmentFirstDone);
    for (int i = 0; i < 11; ++i)
        AnimationTimerTick();
    EXPECT_EQ(CurAlphaNo, 2);
    EXPECT_EQ(AlphaCur.AlphaTraced, forms::vbTrue);
    EXPECT_TRUE(Anim().Enabled());
    EXPECT_EQ(TraceAnim.AnimKind, akDemoStep);
    EXPECT_EQ(TraceAnim.AnimPhase, apIdle);
    EXPECT_EQ(TraceAnim.PointX(0, 1), AlphaCur2.PointX(0, 1));
    EXPECT_EQ(TickUntilStopped(), 11);
    EXPECT_EQ(PixelAtPoint(AlphaCur2, 0, 5), kPrompt);
}

TEST_F(AnimationTest, TheLastSegmentOfACharacterStopsTheTimer) {
    Settings.UserLevel = 1;
    LayOut("C");
    AlphaCur.CurKey = 4;
    StartSegment(AlphaCur, apSegmentLast);
    EXPECT_EQ(TickUntilStopped(), 11);
    EXPECT_FALSE(Anim().Enabled());
    EXPECT_EQ(PixelAtPoint(AlphaCur, 0, 40), kLine);
}

TEST_F(AnimationTest, ASegmentRestartedAfterAnOutsideStopStartsFromItsOwnKeyPoint) {
    Settings.UserLevel = 1;
    LayOut("C");
    AlphaCur.CurKey = 2;
    StartSegment(AlphaCur, apSegment);
    for (int i = 0; i < 3; ++i)
        AnimationTimerTick(); // points 12 to 15
    Anim().SetEnabled(false); // stopped from outside: abandoned
    EXPECT_EQ(AlphaCur.CurKey, 2);

    AlphaCur.CurKey = 3;
    StartSegment(AlphaCur, apSegment);
    TickUntilStopped();
    EXPECT_EQ(PixelAtPoint(AlphaCur, 0, 28), kLine);
    EXPECT_EQ(PixelAtPoint(AlphaCur, 0, 18), kBack); // the abandoned segment is not finished
    EXPECT_EQ(AlphaCur.CurKey, 4);
}

// Each ending of an animation tells the progress marks once, with its own arguments: the Level I
// drawing and a traced character mark it done; the demonstration does not; the wait's end says so.
TEST_F(AnimationTest, EachEndingHandsOverToTheProgressMarks) {
    // What the progress marks make of the hand-over: a watched drawing or a traced character is
    // marked done, the demonstration is not.
    const bool marked = true, demonstrated = false;
    struct Case {
        const char* name;
        std::function<void()> start;
        bool expected;
    };
    const std::vector<Case> cases = {
        {"level one, one character",
         [this] {
             Settings.UserLevel = 0;
             LayOut("E");
             DrawAlphaForTrace();
         },
         marked},
        {"level one, two characters",
         [this] {
             Settings.UserLevel = 0;
             LayOutTwo("1", "1");
             DrawAlphaForTrace();
         },
         marked},
        {"demonstration, one character",
         [this] {
             Settings.UserLevel = 0;
             LayOut("E");
             StartDemonstration();
         },
         demonstrated},
        {"demonstration, two characters",
         [this] {
             Settings.UserLevel = 0;
             LayOutTwo("1", "1");
             StartDemonstration();
         },
         demonstrated},
        {"last segment",
         [this] {
             Settings.UserLevel = 1;
             LayOut("C");
             AlphaCur.CurKey = 4;
             StartSegment(AlphaCur, apSegmentLast);
         },
         marked},
        {"last segment of the second character",
         [this] {
             Settings.UserLevel = 1;
             LayOutTwo("1", "1");
             CurAlphaNo = 2;
             AlphaCur2.CurKey = 1;
             StartSegment(AlphaCur2, apSegmentSecondDone);
         },
         marked},
    };
    for (const Case& c : cases) {
        StopAnimTimer();
        CurAlphaNo = 1;
        AlphaDone = AlphaDoneTable{};
        c.start();
        TickUntilStopped();
        EXPECT_EQ(IsCurrentAlphaDone() != forms::vbFalse, c.expected) << c.name;
        EXPECT_FALSE(Anim().Enabled()) << c.name; // auto play is off: nothing follows
    }
}

TEST_F(AnimationTest, TheAutoPlayWaitEndsWithOneTick) {
    Settings.UserLevel = 0;
    LayOut("E");
    Anim().SetInterval(2000);
    TraceAnim.AnimInterval = 40;
    TraceAnim.AnimKind = akWaitDone;
    TraceAnim.AnimPhase = apWaitNext;
    Anim().SetEnabled(true);
    AnimationTimerTick();
    // The wait is over: at Level I an unfinished character is demonstrated again, at the drawing
    // animation's own interval.
    EXPECT_TRUE(Anim().Enabled());
    EXPECT_EQ(TraceAnim.AnimKind, akDemoStep);
    EXPECT_EQ(TraceAnim.AnimPhase, apDemoFirst);
    EXPECT_EQ(Anim().Interval(), 40);
}

TEST_F(AnimationTest, TheColourHintWaitStartsTheCharacterAgain) {
    Settings.UserLevel = 0;
    AlphaCur.Alpha = "E";
    NumAlphas = 1;
    Board().Line(5, 5, 6, 6, forms::RGB(90, 40, 160));
    Anim().SetInterval(2000);
    TraceAnim.AnimInterval = 40;
    TraceAnim.AnimKind = akHintDone;
    Anim().SetEnabled(true);
    AnimationTimerTick();
    // ShowAlpha: the board cleared, the track drawn, the Level I drawing started afresh.
    EXPECT_EQ(Board().Point(5, 5), kBack);
    EXPECT_EQ(PixelAtPoint(AlphaCur, 0, 5), kTrack);
    EXPECT_TRUE(Anim().Enabled());
    EXPECT_EQ(TraceAnim.AnimKind, akDemoStep);
    EXPECT_EQ(TraceAnim.AnimPhase, apDemoFirst);
    EXPECT_EQ(Anim().Interval(), 40);
}

TEST_F(AnimationTest, ThePuzzleWaitOnlyStopsTheTimerAndUnknownKindsDoNothing) {
    TraceAnim.AnimKind = akPuzzleStep;
    TraceAnim.AnimPhase = apDemoFirst;
    Anim().SetEnabled(true);
    AnimationTimerTick();
    EXPECT_FALSE(Anim().Enabled());
    EXPECT_EQ(TraceAnim.AnimPhase, apDemoFirst);

    TraceAnim.AnimKind = 3;
    Anim().SetEnabled(true);
    AnimationTimerTick();
    EXPECT_TRUE(Anim().Enabled());
    EXPECT_EQ(Board().Point(259, 150), kBack);
}

TEST_F(AnimationTest, ADrawTickForNeitherOfTwoCharactersDrawsNothingAndRunsOn) {
    Settings.UserLevel = 0;
    LayOutTwo("1", "1");
    DrawAlphaForTrace();
    for (int16_t which : {0, 3}) {
        CurAlphaNo = which;
        const int16_t point = TraceAnim.AnimPoint;
        AnimationTimerTick();
        EXPECT_TRUE(Anim().Enabled()) << which;
        EXPECT_EQ(TraceAnim.AnimPoint, point) << which;
    }
    EXPECT_EQ(PixelAtPoint(AlphaCur, 0, 1, 0, 4), kTrack);
    EXPECT_EQ(PixelAtPoint(AlphaCur2, 0, 1, 0, 4), kTrack);
}

TEST_F(AnimationTest, TheOptionsPreviewDrawsItsOwnRecord) {
    AlphaOpt.Alpha = "A";
    AlphaOpt.BaseDivisor = 1.2f;
    AlphaOpt.NumAlphasCopy = 1;
    InitAlphaData(AlphaOpt, AlphaOpt);
    Board().SetForeColor(AlphaOpt.ColorLineHL);
    Board().SetDrawWidth(AlphaOpt.LineWidth);
    TraceAnim.AnimStroke = 0;
    TraceAnim.AnimPoint = 1;
    TraceAnim.AnimAllStrokes = forms::vbTrue;
    TraceAnim.AnimKind = akPreviewStep;
    TraceAnim.AnimPhase = apPreview;
    StartAnimation(AlphaOpt, TraceAnim);
    EXPECT_EQ(TickUntilStopped(), 11 + 11 + 6);
    EXPECT_EQ(PixelAtPoint(AlphaOpt, 2, 3), kLine);
}

TEST_F(AnimationTest, ACharacterWithoutTableEndsAtOnce) {
    Settings.UserLevel = 0;
    LayOut("");
    DrawAlphaForTrace();
    EXPECT_EQ(TickUntilStopped(), 1);
    for (int x = 0; x < 518; x += 7)
        for (int y = 0; y < 300; y += 7)
            ASSERT_EQ(Board().Point(x, y), kBack) << x << "," << y;
}

TEST_F(AnimationTest, AStrokeWithoutMarkEndsAtTheTableEnd) {
    for (int p = 1; p <= MaxPointEntry; ++p) {
        AlphaCur.PointX(0, p) = static_cast<int16_t>(100 + 4 * p);
        AlphaCur.PointY(0, p) = 100;
    }
    AlphaCur.KeyPoint(0, 0) = 0;
    AlphaCur.KeyPoint(0, 1) = 75;
    AlphaCur.KeyPoint(0, 2) = MarkEndAlpha;
    Board().SetForeColor(kPrompt);
    TraceAnim.AnimPoint = 1;
    TraceAnim.AnimFlagB = forms::vbTrue;
    TraceAnim.AnimKind = akDemoStep;
    StartAnimation(AlphaCur, TraceAnim);
    EXPECT_EQ(TickUntilStopped(), 75);
    EXPECT_EQ(PixelAtPoint(AlphaCur, 0, 75), kCircle);
}

TEST_F(AnimationTest, AStrokeMarkedToGoOnAfterTheLastStrokeStops) {
    AlphaCur.PointX(4, 1) = 100;
    AlphaCur.PointY(4, 1) = 100;
    AlphaCur.PointX(4, 2) = MarkNextStroke;
    TraceAnim.AnimStroke = 4;
    TraceAnim.AnimPoint = 1;
    TraceAnim.AnimAllStrokes = forms::vbTrue;
    TraceAnim.AnimKind = akDemoStep;
    StartAnimation(AlphaCur, TraceAnim);
    EXPECT_EQ(TickUntilStopped(), 1);
    EXPECT_EQ(TraceAnim.AnimStroke, 4);
}

} // namespace
