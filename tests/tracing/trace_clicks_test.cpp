// Tracing clicks on the real main window: the Level II key points with their segments, the
// Level III check points, the Level I demonstration, the hints, the label strip's choice, the
// marks of a finished character, and the end of a level with its completion dialog.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "forms/application.h"
#include "forms/input.h"
#include "main_window_fixture.h"
#include "shell/forms_list.h"
#include "shell/frm_main.h"
#include "tracing/animation.h"
#include "tracing/progress.h"
#include "tracing/stroke_walk.h"
#include "tracing/trace_clicks.h"
#include "tracing/trace_engine.h"
#include "tracing/trace_screen.h"

namespace {

// Colours that tell the drawings apart.
constexpr int32_t kTrack = forms::RGB(0, 0, 200);
constexpr int32_t kLine = forms::RGB(200, 0, 0);
constexpr int32_t kPrompt = forms::RGB(0, 200, 0);
constexpr int32_t kCircle = forms::RGB(250, 250, 0);
constexpr int32_t kCircleHL = forms::RGB(0, 250, 250);
constexpr int32_t kHelp = forms::RGB(120, 0, 120);
constexpr int32_t kDone = forms::RGB(10, 120, 10);
constexpr int32_t kTodo = forms::RGB(20, 20, 20);

// A form of the test's with a timer that acts while the program waits for the dialog: it notes
// what the waiting program shows and then clicks the dialog's OK through the mouse.
class CloserForm : public forms::Form {
  public:
    forms::Timer Tick{this};
};

class ClicksTest : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        Settings.ColorLine = kTrack;
        Settings.ColorLineHL = kLine;
        Settings.ColorLinePrompt = kPrompt;
        Settings.ColorCircle = kCircle;
        Settings.ColorCircleHL = kCircleHL;
        Settings.ColorHelp = kHelp;
        Settings.ColorText = kTodo;
        Settings.ColorTextHL = kDone;
    }

    void TearDown() override {
        if (closer_ != nullptr) closer_->Tick.SetEnabled(false);
        MainWindowTest::TearDown();
    }

    // A lesson as the tracing screen starts it, with the strip's captions and range.
    void StartLesson(int16_t level, const std::string& start = "A", const std::string& end = "Z",
                     int16_t type = 0) {
        Settings.UserLevel = level;
        Settings.AlphabetType = type;
        Settings.AlphabetStart = start;
        Settings.AlphabetEnd = end;
        StartTrace();
        FillCaptions(type);
        for (int i = FirstAlphaIdx; i <= LastAlphaIdx; i += AlphaStep)
            AlphaEnabled(i) = forms::vbTrue;
        ColourAlphaLabels();
        ShowAlpha(forms::vbTrue);
        StopAnimTimer(); // the Level II prompt or the Level I drawing: not needed here
    }

    forms::PictureBox& Board() { return FrmMain->Picture_DrawBoard; }
    int32_t Pixel(double x, double y) { return Board().Point(x, y); }

    // Ticks a drawing animation to its end; an auto-play wait is left to the test.
    void TickUntilStopped() {
        for (int i = 0; i < 2000 && AnimTimerRunning() && TraceAnim.AnimKind != akWaitDone; ++i)
            AnimationTimerTick();
        ASSERT_TRUE(!AnimTimerRunning() || TraceAnim.AnimKind == akWaitDone);
    }

    // Key pair k of stroke s of the record.
    static void Key(const AlphaData& rec, int s, int k, int16_t& x, int16_t& y) {
        ASSERT_TRUE(KeyPairPoint(rec, s, k, x, y)) << s << " " << k;
    }
    // Number of key pairs of stroke s.
    static int KeyCount(const AlphaData& rec, int s) {
        int n = 0;
        int16_t x = 0, y = 0;
        while (KeyPairPoint(rec, s, n, x, y))
            ++n;
        return n;
    }
    static int Strokes(const AlphaData& rec) { return rec.LastStroke + 1; }

    // Clicks every key point of the record in order, letting each segment finish.
    void TraceKeyPoints(AlphaData& rec) {
        for (int s = 0; s < Strokes(rec); ++s)
            for (int k = 0; k < KeyCount(rec, s); ++k) {
                int16_t x = 0, y = 0;
                Key(rec, s, k, x, y);
                TraceClick(1, 0, x, y);
                TickUntilStopped();
            }
    }

    // Clicks every check point of the record in order.
    static void ClickCheckPoints(AlphaData& rec) {
        for (int n = 0; n <= MaxCheckEntry && rec.CheckX(n) != MarkEndAlpha; ++n)
            TraceClick(1, 0, rec.CheckX(n), rec.CheckY(n));
    }

    // Arms the closer: while the completion dialog waits, it notes the screen, then clicks OK.
    struct Seen {
        bool shown = false, mainEnabled = true, animRunning = true;
        std::string message, heading;
    };
    void CloseDialogWhenShown(Seen& seen) {
        closer_ = forms::NewForm<CloserForm>();
        closer_->Tick.SetInterval(50);
        closer_->Tick.Tick = [this, &seen] {
            if (!FrmCompletion.IsLoaded() || !FrmCompletion->Visible()) return;
            closer_->Tick.SetEnabled(false);
            FrmCompletionForm& d = *FrmCompletion;
            seen.shown = true;
            seen.mainEnabled = FrmMain->Enabled();
            seen.animRunning = AnimTimerRunning();
            seen.message = d.lbl_WellDone.Caption();
            seen.heading = d.Lbl_Heading.Caption();
            const double x = d.ImgOK.ScreenX() + 5, y = d.ImgOK.ScreenY() + 5;
            forms::PostMouseDown(x, y);
            forms::PostMouseUp(x, y);
        };
        closer_->Tick.SetEnabled(true);
    }

    CloserForm* closer_ = nullptr;
};

// --- Level II.

struct NearCase {
    const char* name;
    double dx, dy;
    bool hit;
};

class KeyPointToleranceTest : public ClicksTest, public ::testing::WithParamInterface<NearCase> {};

TEST_P(KeyPointToleranceTest, AClickHitsOnlyWithinTheDotSizeBothWays) {
    StartLesson(1);
    int16_t x = 0, y = 0;
    Key(AlphaCur, 0, 0, x, y);
    const NearCase c = GetParam();
    TraceClick(1, 0, static_cast<float>(x + c.dx), static_cast<float>(y + c.dy));
    EXPECT_EQ(AlphaCur.CurKey, c.hit ? 1 : 0);
    // A miss draws nothing: the first key point keeps the track's colour.
    EXPECT_EQ(Pixel(x, y), c.hit ? kCircle : kTrack);
}

INSTANTIATE_TEST_SUITE_P(Distances, KeyPointToleranceTest,
                         ::testing::Values(NearCase{"OnThePoint", 0, 0, true},
                                           NearCase{"JustInsideRight", 11.9, 0, true},
                                           NearCase{"JustInsideAbove", 0, -11.9, true},
                                           NearCase{"JustInsideBothWays", -11.9, 11.9, true},
                                           NearCase{"DotSizeRight", 12, 0, false},
                                           NearCase{"DotSizeBelow", 0, 12, false},
                                           NearCase{"DotSizeLeft", -12, 0, false},
                                           NearCase{"DotSizeAboveNearInX", 5, -12, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ClicksTest, LevelTwoAnimatesTheSegmentUpToTheClickedKeyPoint) {
    StartLesson(1, "C", "Z");
    int16_t x0 = 0, y0 = 0, x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    Key(AlphaCur, 0, 0, x0, y0);
    Key(AlphaCur, 0, 1, x1, y1);
    ASSERT_GE(KeyCount(AlphaCur, 0), 3);
    Key(AlphaCur, 0, 2, x2, y2);

    TraceClick(1, 0, x0, y0);
    EXPECT_FALSE(AnimTimerRunning()); // the first point is only dotted
    EXPECT_EQ(Pixel(x1, y1), kCircleHL);

    TraceClick(1, 0, x1 + 3.0f, y1 - 3.0f);
    EXPECT_TRUE(AnimTimerRunning());
    EXPECT_EQ(TraceAnim.AnimKind, akSegmentStep);
    EXPECT_EQ(TraceAnim.AnimPhase, apSegment);
    EXPECT_EQ(TraceAnim.AnimPoint, 0);
    // A click while the segment is drawn is ignored.
    TraceClick(1, 0, x2, y2);
    TickUntilStopped();
    EXPECT_EQ(AlphaCur.CurKey, 2);
    const double mx = (x0 + x1) / 2.0, my = (y0 + y1) / 2.0;
    EXPECT_EQ(Pixel(mx, my), kLine);
    EXPECT_EQ(Pixel(x2, y2), kCircleHL); // the next point to click
}

TEST_F(ClicksTest, FinishingACharacterMarksItDoneAndRecoloursItsLabel) {
    StartLesson(1, "A", "Z");
    EXPECT_EQ(FrmMain->Label_Alpha(0).ForeColor(), kTodo);
    TraceKeyPoints(AlphaCur);
    EXPECT_EQ(AlphaDone(0)(1)(0), forms::vbTrue);
    EXPECT_EQ(FrmMain->Label_Alpha(0).ForeColor(), kDone);
    EXPECT_EQ(LevelDone(0)(1), forms::vbFalse);
    EXPECT_FALSE(FrmCompletion.IsLoaded());
    // The character is drawn whole; a further click on it does nothing.
    int16_t x = 0, y = 0;
    Key(AlphaCur, 0, 0, x, y);
    TraceClick(1, 0, x, y);
    EXPECT_FALSE(AnimTimerRunning());
    EXPECT_EQ(AlphaCur.AlphaTraced, forms::vbTrue);
}

TEST_F(ClicksTest, TheDotOfSmallIEndsTheCharacterWithoutAnimation) {
    StartLesson(1, "A", "Z", 1);
    AlphaLabelClick(8, forms::vbTrue);
    StopAnimTimer();
    ASSERT_EQ(AlphaCur.Alpha, "i");
    // The stem, then the dot: a stroke of one key point, the last of the character.
    int16_t x = 0, y = 0;
    for (int k = 0; k < KeyCount(AlphaCur, 0); ++k) {
        Key(AlphaCur, 0, k, x, y);
        TraceClick(1, 0, x, y);
        TickUntilStopped();
    }
    ASSERT_EQ(AlphaCur.CurStroke, 1);
    StopAnimTimer(); // the prompt of the dot
    Key(AlphaCur, 1, 0, x, y);
    TraceClick(1, 0, x, y);
    EXPECT_FALSE(AnimTimerRunning());
    EXPECT_EQ(AlphaDone(1)(1)(8), forms::vbTrue);
    EXPECT_EQ(Pixel(x, y), kLine);
}

TEST_F(ClicksTest, WithAutoPlayTheNextCharacterFollowsThePause) {
    Settings.AutoPlay = forms::vbTrue;
    Settings.AutoPlayPause = 2000;
    StartLesson(1, "A", "Z");
    TraceKeyPoints(AlphaCur);
    // The wait runs on the animation timer; its tick shows "B".
    ASSERT_TRUE(AnimTimerRunning());
    EXPECT_EQ(TraceAnim.AnimKind, akWaitDone);
    EXPECT_EQ(TraceAnim.AnimTimer->Interval(), 2000);
    AnimationTimerTick();
    EXPECT_EQ(CurAlphaIdx, 1);
    EXPECT_EQ(AlphaCur.Alpha, "B");
    // "A" met again when done: shown whole, and a second more before moving on.
    AlphaLabelClick(0, forms::vbTrue);
    EXPECT_EQ(TraceAnim.AnimKind, akWaitDone);
    EXPECT_EQ(TraceAnim.AnimTimer->Interval(), 3000);
}

TEST_F(ClicksTest, AWaitBeyondTheTimersRangeIsAnOverflow) {
    Settings.AutoPlay = forms::vbTrue;
    Settings.AutoPlayPause = 32000;
    StartLesson(1);
    try {
        AfterAlphaTraced(forms::vbFalse, 0, 1000, forms::vbFalse);
        FAIL() << "no error";
    } catch (const forms::RuntimeError& e) {
        EXPECT_EQ(e.Number(), forms::errOverflow);
    }
}

// --- Level III.

TEST_F(ClicksTest, LevelThreeTakesTheCheckPointsInOrder) {
    StartLesson(2, "A", "Z");
    ASSERT_NE(AlphaCur.CheckX(1), MarkEndAlpha);
    // The second point first: a miss.
    TraceClick(1, 0, AlphaCur.CheckX(1), AlphaCur.CheckY(1));
    EXPECT_EQ(AlphaCur.CheckNext, 0);
    TraceClick(1, 0, AlphaCur.CheckX(0) + 20.0f, AlphaCur.CheckY(0));
    EXPECT_EQ(AlphaCur.CheckNext, 0);
    ClickCheckPoints(AlphaCur);
    EXPECT_EQ(AlphaDone(0)(2)(0), forms::vbTrue);
    EXPECT_EQ(FrmMain->Label_Alpha(0).ForeColor(), kDone);
    // Drawn whole now: the line over the track at the first point.
    EXPECT_EQ(Pixel(AlphaCur.PointX(0, 1), AlphaCur.PointY(0, 1)), kLine);
    // Further clicks never hit.
    TraceClick(1, 0, AlphaCur.CheckX(0), AlphaCur.CheckY(0));
    EXPECT_EQ(AlphaCur.CheckX(AlphaCur.CheckNext), MarkEndAlpha);
}

TEST_F(ClicksTest, ACheckPointSharedByTwoStrokesIsPassedByOneClick) {
    StartLesson(2);
    AlphaCur.CheckX = {};
    AlphaCur.CheckY = {};
    const int16_t pts[][2] = {{50, 50}, {80, 50}, {80, 50}, {110, 50}};
    for (int i = 0; i < 4; ++i) {
        AlphaCur.CheckX(i) = pts[i][0];
        AlphaCur.CheckY(i) = pts[i][1];
    }
    AlphaCur.CheckX(4) = MarkEndAlpha;
    TraceClick(1, 0, 50, 50);
    TraceClick(1, 0, 80, 50);
    EXPECT_EQ(AlphaCur.CheckNext, 3);
}

TEST_F(ClicksTest, LevelThreeWithTwoCharactersGoesOnToTheSecond) {
    StartLesson(2, "A", "Z", 2);
    ASSERT_EQ(NumAlphas, 2);
    ClickCheckPoints(AlphaCur);
    EXPECT_EQ(CurAlphaNo, 2);
    EXPECT_EQ(AlphaCur.AlphaTraced, forms::vbTrue);
    EXPECT_EQ(AlphaDone(2)(2)(0), forms::vbFalse);
    ClickCheckPoints(AlphaCur2);
    EXPECT_EQ(AlphaDone(2)(2)(0), forms::vbTrue);
}

// --- Level I.

TEST_F(ClicksTest, LevelOneClickDemonstratesWithoutCountingIt) {
    StartLesson(0);
    Board().Cls();
    TraceClick(1, 0, 10, 10);
    EXPECT_TRUE(AnimTimerRunning());
    EXPECT_EQ(TraceAnim.AnimKind, akDemoStep);
    EXPECT_EQ(TraceAnim.AnimPhase, apDemoStart);
    EXPECT_EQ(TraceAnim.AnimPoint, 1);
    EXPECT_EQ(TraceAnim.PointX(0, 1), AlphaCur.PointX(0, 1));
    // The outline is drawn first, then the line stroke by stroke.
    EXPECT_EQ(Pixel(AlphaCur.PointX(0, 3), AlphaCur.PointY(0, 3)), kTrack);
    TickUntilStopped();
    EXPECT_EQ(Pixel(AlphaCur.PointX(0, 3), AlphaCur.PointY(0, 3)), kLine);
    EXPECT_EQ(AlphaDone(0)(0)(0), forms::vbFalse);
}

TEST_F(ClicksTest, TheWatchedLevelOneDrawingMarksTheCharacterDone) {
    StartLesson(0);
    ShowAlpha(forms::vbTrue);
    EXPECT_EQ(TraceAnim.AnimPhase, apDemoFirst);
    TickUntilStopped();
    EXPECT_EQ(AlphaDone(0)(0)(0), forms::vbTrue);
}

TEST_F(ClicksTest, NoDemonstrationWhileTheWordIsReadOut) {
    StartLesson(0);
    FrmMain->AT_TimerTMR.SetEnabled(true);
    FrmMain->ATTmr_MM.SetEnabled(true);
    TraceClick(1, 0, 10, 10);
    EXPECT_FALSE(AnimTimerRunning());
    FrmMain->ATTmr_MM.SetEnabled(false);
}

// --- Hints.

TEST_F(ClicksTest, TheLevelTwoHintShowsAYellowDiscThenTheNextPointsColour) {
    StartLesson(1);
    int16_t x = 0, y = 0;
    Key(AlphaCur, 0, 0, x, y);
    PromptAlpha(1, 0, 0, 0, 1, AlphaCur);
    EXPECT_EQ(Pixel(x, y), forms::RGB(255, 255, 0));
    PromptAlpha(1, 0, 0, 0, 2, AlphaCur);
    EXPECT_EQ(Pixel(x, y), kCircleHL);
    // Not while an animation runs.
    FrmMain->AT_TimerTMR.SetEnabled(true);
    PromptAlpha(1, 0, 0, 0, 1, AlphaCur);
    EXPECT_EQ(Pixel(x, y), kCircleHL);
}

TEST_F(ClicksTest, TheLevelThreeHintDotsTheNextCheckPointAndLeavesItVisible) {
    StartLesson(2);
    const int16_t x = AlphaCur.CheckX(0), y = AlphaCur.CheckY(0);
    EXPECT_EQ(Pixel(x, y), kCircle) << "the check points before the hint";
    PromptAlpha(1, 0, 0, 0, 1, AlphaCur);
    EXPECT_EQ(Pixel(x, y), kCircleHL);
    // The release gives the point its dot back, not the track's colour that would hide it.
    PromptAlpha(1, 0, 0, 0, 2, AlphaCur);
    EXPECT_EQ(Pixel(x, y), kCircle);
}

TEST_F(ClicksTest, ReleasingTheStrokeHintCyclesThroughTheStrokes) {
    StartLesson(0);
    ASSERT_EQ(AlphaCur.LastStroke, 2); // "A": three strokes
    const int16_t x = AlphaCur.PointX(1, 3), y = AlphaCur.PointY(1, 3);
    Board().Cls();
    PromptAlpha(1, 0, 0, 0, 1, AlphaCur);
    EXPECT_EQ(Pixel(AlphaCur.PointX(0, 3), AlphaCur.PointY(0, 3)), kHelp);
    std::vector<int16_t> order;
    for (int i = 0; i < 4; ++i) {
        PromptAlpha(1, 0, 0, 0, 2, AlphaCur);
        order.push_back(AlphaCur.PromptStroke);
    }
    EXPECT_EQ(order, (std::vector<int16_t>{1, 2, 0, 1}));
    EXPECT_EQ(Pixel(x, y), kLine);
    EXPECT_EQ(AlphaCur.CurStroke, 0);
}

TEST_F(ClicksTest, WithTwoCharactersTheStrokeHintMovesToTheOther) {
    StartLesson(0, "A", "Z", 2);
    ASSERT_EQ(NumAlphas, 2);
    for (int s = 0; s <= AlphaCur.LastStroke; ++s)
        PromptAlpha(1, 0, 0, 0, 2, AlphaCur);
    EXPECT_EQ(AnimAlphaNo, 2);
    EXPECT_EQ(AlphaCur.PromptStroke, 0);
    for (int s = 0; s <= AlphaCur2.LastStroke; ++s)
        PromptAlpha(1, 0, 0, 0, 2, AlphaCur2);
    EXPECT_EQ(AnimAlphaNo, 1);
}

// --- The label strip's choice.

TEST_F(ClicksTest, ALabelClickMakesItsCharacterCurrent) {
    StartLesson(1, "C", "F");
    AlphaLabelClick(4, forms::vbTrue);
    EXPECT_EQ(CurAlphaIdx, 4);
    EXPECT_EQ(PrevAlphaIdx, 4);
    EXPECT_EQ(AlphaCur.Alpha, "E");
    EXPECT_EQ(NumAlphas, 1);
    // Outside the range, or the current one: nothing.
    AlphaLabelClick(10, forms::vbTrue);
    EXPECT_EQ(CurAlphaIdx, 4);
    FrmMain->AT_TimerTMR.SetEnabled(false);
    AlphaLabelClick(4, forms::vbTrue);
    EXPECT_FALSE(AnimTimerRunning());
    EXPECT_THROW(AlphaLabelClick(30, forms::vbTrue), forms::RuntimeError);
}

// --- The end of a level.

TEST_F(ClicksTest, TheLastCharacterCompletesTheLevelAndShowsTheDialog) {
    StartLesson(1, "A", "A");
    Seen seen;
    CloseDialogWhenShown(seen);
    TraceKeyPoints(AlphaCur);
    EXPECT_TRUE(seen.shown);
    EXPECT_EQ(seen.message, "Well Done.\r\nLevel Completed !");
    EXPECT_EQ(seen.heading, "Level Completed");
    EXPECT_FALSE(seen.mainEnabled);
    EXPECT_FALSE(seen.animRunning);
    // OK hid it and gave the main window back.
    EXPECT_FALSE(FrmCompletion->Visible());
    EXPECT_TRUE(FrmMain->Enabled());
    EXPECT_EQ(LevelDone(0)(1), forms::vbTrue);
    EXPECT_EQ(LevelJustDone, forms::vbTrue); // until the strip is refreshed

    // A completed level shows no dialog again.
    EXPECT_EQ(CheckLevelCompleted(), forms::vbFalse);
    EXPECT_FALSE(FrmCompletion->Visible());
}

TEST_F(ClicksTest, LevelThreeCompletionRefreshesTheStripAndShowsTheCharacterAgain) {
    StartLesson(2, "B", "B");
    Seen seen;
    CloseDialogWhenShown(seen);
    ClickCheckPoints(AlphaCur);
    EXPECT_TRUE(seen.shown);
    EXPECT_EQ(LevelJustDone, forms::vbFalse);
    EXPECT_EQ(LevelDone(0)(2), forms::vbTrue);
    EXPECT_EQ(FrmMain->Label_Alpha(1).ForeColor(), kDone);
    EXPECT_FALSE(FrmCompletion->Visible());
}

TEST_F(ClicksTest, CompletionNeedsOnlyTheCharactersOfTheStep) {
    Settings.AlphabetType = 3;
    Settings.UserLevel = 2;
    FirstAlphaIdx = 0;
    LastAlphaIdx = 29;
    AlphaStep = 5;
    for (int i : {0, 5, 10, 15, 20})
        AlphaDone(3)(2)(i) = forms::vbTrue;
    EXPECT_EQ(AllAlphasDone(3, 2), forms::vbFalse);
    AlphaDone(3)(2)(25) = forms::vbTrue;
    EXPECT_EQ(AllAlphasDone(3, 2), forms::vbTrue);
    // An empty range counts as done; a step below 1 still ends.
    AlphaStep = 0;
    EXPECT_EQ(AllAlphasDone(3, 2), forms::vbFalse);
    LastAlphaIdx = -1;
    EXPECT_EQ(AllAlphasDone(3, 2), forms::vbTrue);
}

TEST_F(ClicksTest, ClearingALevelLeavesTheOthersAlone) {
    AlphaDone(0)(1)(3) = forms::vbTrue;
    AlphaDone(1)(1)(3) = forms::vbTrue;
    AlphaDone(0)(2)(3) = forms::vbTrue;
    LevelDone(0)(1) = forms::vbTrue;
    SetLevelDone(0, 1);
    EXPECT_EQ(AlphaDone(0)(1)(3), forms::vbFalse);
    EXPECT_EQ(LevelDone(0)(1), forms::vbFalse);
    EXPECT_EQ(AlphaDone(1)(1)(3), forms::vbTrue);
    EXPECT_EQ(AlphaDone(0)(2)(3), forms::vbTrue);
    EXPECT_THROW(SetLevelDone(4, 0), forms::RuntimeError);
    EXPECT_THROW(SetLevelDone(0, 3), forms::RuntimeError);
    EXPECT_THROW(IsAlphaDone(forms::vbTrue, 30), forms::RuntimeError);
}

} // namespace
