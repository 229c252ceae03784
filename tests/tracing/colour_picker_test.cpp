// The colour picker and the board event router on the real main window: which events colouring
// takes, the swatch marks, each target's new colour, the reset and the wait before the character
// starts again.
#include "tests/shell/shell_fixture.h"
#include "tracing/colour_picker.h"
#include "tracing/label_strip.h"
#include "tracing/progress.h"
#include "tracing/trace_engine.h"
#include "tracing/trace_router.h"

#include <algorithm>
#include <cstring>

namespace {

class ColourTest : public ShellTest {
  protected:
    void SetUp() override {
        ShellTest::SetUp();
        StartAndShow(); // the tracing screen with its first character
        StopAnimTimer();
    }
    // The other tracing tests run without the main window this one had.
    void TearDown() override {
        TraceAnim = TraceData{};
        MMTimer = nullptr;
        AlphaCur.Board = AlphaCur2.Board = nullptr;
        ShellTest::TearDown();
    }

    FrmMainForm& M() { return *FrmMain; }
    forms::ImageList& List() { return M().AT_ImageList_ColorPickers; }

    forms::Flag Event(int16_t code, int16_t index = 0, float x = 0, float y = 0) {
        return ProcessTraceEvent(code, index, 1, 0, x, y);
    }
    void Pick(int16_t swatch) {
        Event(tePickerHover, swatch);
        Event(tePickerClick, swatch);
        ASSERT_EQ(ColorPending, forms::vbTrue);
    }

    static bool SamePixels(const forms::PicturePtr& a, const forms::PicturePtr& b) {
        if (!a || !b) return a == b;
        const forms::Canvas& ca = a->Pixels();
        const forms::Canvas& cb = b->Pixels();
        return ca.Width() == cb.Width() && ca.Height() == cb.Height() &&
               std::memcmp(ca.Pixels(), cb.Pixels(),
                           sizeof(uint32_t) * static_cast<size_t>(ca.Width()) * ca.Height()) == 0;
    }
    // The swatch shows its plain picture (mark 0) or the mark over it.
    bool Shows(int swatch, int mark) {
        const forms::PicturePtr want =
            mark == 0 ? List().Picture(swatch + 1) : List().Overlay(swatch + 1, mark);
        return SamePixels(M().AT_Image_ColorPicker(swatch).Picture(), want);
    }
    // Every swatch but the ones listed shows its plain picture.
    int MarkedSwatches() {
        int n = 0;
        for (int i = 0; i <= 39; ++i)
            n += !Shows(i, 0);
        return n;
    }
    // Lays one character out as a single stroke from (100, 100) to (140, 100).
    void OneStrokeCharacter() {
        NumAlphas = 1;
        AlphaCur.NumAlphasCopy = 1;
        AlphaCur.PointX.Clear();
        AlphaCur.PointY.Clear();
        for (int p = 1; p <= 5; ++p) {
            AlphaCur.PointX(0, p) = static_cast<int16_t>(90 + 10 * p);
            AlphaCur.PointY(0, p) = 100;
        }
        AlphaCur.PointX(0, 6) = MarkEndAlpha;
        AlphaCur.LineWidth = 14;
    }
};

constexpr int kHover = 41, kPicked = 42;

TEST_F(ColourTest, TheRouterTakesSwatchEventsWhenAllowedAndTheOthersWhileAColourWaits) {
    struct Row {
        int16_t code;
        int16_t lesson;
    } rows[] = {{teBoardHover, 0},
                {teBoardClick, 0},
                {teLabelHover, 0},
                {teLabelClick, 0},
                {teWordHover, 0},
                {teWordClick, 0},
                {tePickerHover, 0},
                {tePickerClick, 0},
                {tePickerClick, 1},
                {teShowBoardClick, 0},
                {teCoinHover, 1},
                {teCoinColor, 1},
                {150, 0}};
    for (const Row& row : rows) {
        for (forms::Flag pending : {forms::vbFalse, forms::vbTrue}) {
            for (forms::Flag allow : {forms::vbTrue, forms::vbFalse}) {
                Settings.LessonID = row.lesson;
                Settings.AllowColor = allow;
                ColorPending = pending;
                PickedColor = PickedColorCopy = 3;
                HoverColor = PrevHoverColor = -9997;
                const bool swatch = row.code == tePickerHover || row.code == tePickerClick;
                const forms::Flag want = swatch ? allow : pending;
                EXPECT_EQ(Event(row.code, 4, 20, 20), want)
                    << "code " << row.code << " lesson " << row.lesson << " pending " << pending
                    << " allow " << allow;
                StopAnimTimer();
            }
        }
    }
}

TEST_F(ColourTest, WithColourChangingDisallowedNoSwatchIsMarkedOrPicked) {
    Settings.AllowColor = forms::vbFalse;
    Event(tePickerHover, 5);
    Event(tePickerClick, 5);
    EXPECT_EQ(ColorPending, forms::vbFalse);
    EXPECT_EQ(MarkedSwatches(), 0);
    EXPECT_EQ(Event(teBoardClick, 0, 10, 10), forms::vbFalse) << "nothing can be waiting";
}

TEST_F(ColourTest, TheHoverMarkFollowsThePointerAndAPickCarriesItsOwnMark) {
    ASSERT_EQ(List().Count(), 42);
    ASSERT_EQ(MarkedSwatches(), 0);
    Event(tePickerHover, 0); // swatch 0 too: nothing is taken as marked at first
    EXPECT_TRUE(Shows(0, kHover));
    Event(tePickerHover, 5);
    EXPECT_TRUE(Shows(0, 0));
    EXPECT_TRUE(Shows(5, kHover));
    EXPECT_EQ(HintState, 0);

    Event(tePickerClick, 5);
    EXPECT_EQ(ColorPending, forms::vbTrue);
    EXPECT_EQ(PickedColor, 5);
    EXPECT_TRUE(Shows(5, kPicked));
    EXPECT_EQ(MarkedSwatches(), 1);

    // While a colour waits, hovering marks nothing; a click on another swatch moves the pick.
    Event(tePickerHover, 12);
    EXPECT_TRUE(Shows(12, 0));
    Event(tePickerClick, 12);
    EXPECT_TRUE(Shows(5, 0));
    EXPECT_TRUE(Shows(12, kPicked));
    EXPECT_EQ(PickedColorCopy, 12);

    // The picked swatch clicked again cancels the pick: back to a hover mark, pointers default.
    Event(tePickerClick, 12);
    EXPECT_EQ(ColorPending, forms::vbFalse);
    EXPECT_TRUE(Shows(12, kHover));
    EXPECT_EQ(MarkedSwatches(), 1);
    EXPECT_EQ(M().Picture_DrawBoard.MousePointer(), forms::vbDefault);
    EXPECT_EQ(Event(teBoardClick, 0, 10, 10), forms::vbFalse);
}

TEST_F(ColourTest, TheMarkOverlayLetsTheSwatchShowThroughItsRed) {
    Event(tePickerHover, 7); // (0, 255, 0)
    const forms::Canvas& shown = M().AT_Image_ColorPicker(7).Picture()->Pixels();
    const forms::Canvas& plain = List().Picture(8)->Pixels();
    const forms::Canvas& mark = List().Picture(kHover)->Pixels();
    EXPECT_EQ(List().MaskColor(), forms::RGB(255, 0, 0));
    EXPECT_EQ(shown.GetPixel(17, 17), plain.GetPixel(17, 17)) << "the middle is the swatch";
    EXPECT_EQ(shown.GetPixel(1, 17), mark.GetPixel(1, 17)) << "the frame is the mark's";
    EXPECT_NE(mark.GetPixel(1, 17), forms::RGB(255, 0, 0));
}

TEST_F(ColourTest, PickingWithTheMouseShowsThePaintPointersAndApplyingPutsThemBack) {
    FrmMainForm& m = M();
    h.MoveOn(m.AT_Image_ColorPicker(2), 10, 10);
    EXPECT_EQ(HoverColor, 2);
    h.ClickOn(m.AT_Image_ColorPicker(2), 10, 10);
    EXPECT_EQ(ColorPending, forms::vbTrue);
    EXPECT_EQ(m.MousePointer(), forms::vbCustom);
    EXPECT_EQ(m.MouseIcon(), m.ATImgLst_MouseIcons.Picture(1));
    h.MoveOn(m.Picture_DrawBoard, 30, 30);
    EXPECT_EQ(forms::Screen.CurrentMousePointer(), forms::vbCustom);
    EXPECT_EQ(forms::Screen.CurrentMouseIcon(), m.ATImgLst_MouseIcons.Picture(2));
    EXPECT_EQ(HintState, 2) << "the board's hint";

    h.ClickOn(m.Picture_DrawBoard, 30, 30);
    EXPECT_EQ(ColorPending, forms::vbFalse);
    EXPECT_NE(TraceAnim.AnimPhase, apDemoStart) << "a release that colours is no tracing step";
    EXPECT_EQ(m.MousePointer(), forms::vbDefault);
    h.MoveOn(m.Picture_DrawBoard, 31, 30);
    EXPECT_EQ(forms::Screen.CurrentMousePointer(), forms::vbDefault);
    EXPECT_TRUE(Shows(2, kHover));
    // The word keeps its hand.
    EXPECT_EQ(m.TrcLbl_Word(0).MousePointer(), forms::vbCustom);
    EXPECT_EQ(m.TrcLbl_Word(0).MouseIcon(), m.ATImgLst_MouseCursors.Picture(1));
}

TEST_F(ColourTest, TheLetterTakesTheColourThenStartsAgainTwoSecondsLater) {
    OneStrokeCharacter();
    Settings.UserLevel = ulLevel1;
    Pick(11); // (0, 0, 255)
    const int32_t blue = forms::RGB(0, 0, 255);
    // The brush's tip, 16 left of and 16 below the pointer, is on the stroke.
    Event(teBoardClick, 0, 120 + 16, 100 - 16);
    EXPECT_EQ(AlphaCur.ColorLineHL, blue);
    EXPECT_EQ(AlphaCur2.ColorLineHL, blue);
    EXPECT_EQ(M().TrcLbl_Numbers(0).ForeColor(), blue);
    EXPECT_EQ(M().Picture_DrawBoard.Point(120, 100), blue) << "the line drawn in the new colour";
    EXPECT_EQ(ColorPending, forms::vbFalse);
    EXPECT_TRUE(Shows(11, kHover));

    forms::Timer& timer = M().AT_TimerTMR;
    EXPECT_TRUE(timer.Enabled());
    EXPECT_EQ(TraceAnim.AnimKind, akHintDone);
    EXPECT_EQ(timer.Interval(), 2000);
    h.Advance(1999);
    EXPECT_EQ(TraceAnim.AnimKind, akHintDone);
    h.Advance(1);
    EXPECT_EQ(TraceAnim.AnimKind, akDemoStep) << "the character's drawing starts again";
    EXPECT_TRUE(timer.Enabled());
    EXPECT_EQ(timer.Interval(), TraceAnim.AnimInterval);
}

TEST_F(ColourTest, TheBoardClickHitsTheLetterWithinHalfTheLineWidthOrTheWholeWithTwo) {
    struct Case {
        int16_t numAlphas;
        float dx; // from the stroke's end (140, 100), along it
        bool letter;
    } cases[] = {{1, 6.9f, true}, {1, 7, false}, {2, 13.9f, true}, {2, 14, false}};
    for (const Case& c : cases) {
        OneStrokeCharacter();
        AlphaCur2 = AlphaCur;
        NumAlphas = c.numAlphas;
        AlphaCur.ColorLineHL = 1;
        M().Picture_DrawBoard.SetBackColor(1);
        Pick(3);
        Event(teBoardClick, 0, 140 + c.dx + 16, 100 - 16);
        const int32_t red = forms::RGB(255, 0, 0);
        EXPECT_EQ(AlphaCur.ColorLineHL == red, c.letter) << c.numAlphas << " " << c.dx;
        EXPECT_EQ(M().Picture_DrawBoard.BackColor() == (red | 0x02000000), !c.letter);
        StopAnimTimer();
    }
}

TEST_F(ColourTest, HitLetterStrokeWalksEveryStrokeUpToTheEndMark) {
    AlphaData rec;
    rec.PointX(0, 1) = 10, rec.PointY(0, 1) = 10;
    rec.PointX(0, 2) = MarkNextStroke;
    rec.PointX(0, 3) = 300, rec.PointY(0, 3) = 300; // beyond the stroke's mark: not a point
    rec.PointX(1, 1) = 50, rec.PointY(1, 1) = 60;
    rec.PointX(1, 2) = MarkEndAlpha;
    rec.PointX(2, 1) = 200, rec.PointY(2, 1) = 200; // after the end
    struct Case {
        float x, y;
        bool hit;
    } cases[] = {{10, 10, true}, {14.9f, 5.1f, true}, {15, 10, false},  {10, 15, false},
                 {50, 60, true}, {300, 300, false},   {200, 200, false}};
    for (const Case& c : cases)
        EXPECT_EQ(HitLetterStroke(c.x, c.y, 5, rec) != forms::vbFalse, c.hit) << c.x << "," << c.y;
}

TEST_F(ColourTest, TheBoardsTheWordAndTheLabelsTakeTheColour) {
    FrmMainForm& m = M();
    const int32_t orange = forms::RGB(255, 153, 0); // swatch 29

    Pick(29);
    Event(teShowBoardClick);
    EXPECT_EQ(m.Picture_DrawBoard.BackColor(), orange | 0x02000000) << "kept as given, bit 25 set";
    EXPECT_EQ(m.Picture_ShowBoard.BackColor(), orange | 0x02000000);
    EXPECT_EQ(m.Picture_DrawBoard.Point(1, 1), orange) << "drawn in the colour itself";
    EXPECT_FALSE(m.AT_TimerTMR.Enabled() && TraceAnim.AnimKind == akHintDone);

    Pick(29);
    Event(teWordClick);
    EXPECT_EQ(m.TrcLbl_Word(0).ForeColor(), orange);

    const int16_t todo = FirstAlphaIdx, done = static_cast<int16_t>(FirstAlphaIdx + 1);
    AlphaEnabled(todo) = AlphaEnabled(done) = forms::vbTrue;
    AlphaDone(Settings.AlphabetType)(Settings.UserLevel)(done) = forms::vbTrue;
    Pick(29);
    Event(teLabelClick, todo);
    EXPECT_EQ(LabelColors(0), orange);
    EXPECT_EQ(m.Label_Alpha(todo).ForeColor(), orange);
    EXPECT_EQ(HintState, 5);
    EXPECT_EQ(TraceAnim.AnimKind, akHintDone);

    const int32_t green = forms::RGB(0, 255, 0); // swatch 7
    Pick(7);
    Event(teLabelClick, done);
    EXPECT_EQ(LabelColors(1), green);
    EXPECT_EQ(LabelColors(0), orange);
    EXPECT_EQ(m.Label_Alpha(done).ForeColor(), green);
    EXPECT_EQ(LabelIndexHot, done);
    EXPECT_EQ(ColorPending, forms::vbFalse);
}

TEST_F(ColourTest, CoinsTakeTheNormalOrTheCorrectColourByLevel) {
    Settings.LessonID = lsPuzzle;
    FrmMainForm& m = M();
    PuzColorNormal = 0;
    PuzColorCorrect = 0xFFFF;
    const int32_t pink = forms::RGB(255, 0, 204); // swatch 32
    struct Case {
        int16_t level;
        int32_t caption;
        bool normal; // the normal colour changes, else the correct one
    } cases[] = {{ulLevel1, 0, true}, {ulLevel1, 0xFFFF, false}, {ulLevel2, 0xFFFF, true}};
    for (const Case& c : cases) {
        Settings.UserLevel = c.level;
        PuzColorNormal = 0;
        PuzColorCorrect = 0xFFFF;
        m.PuzLbl_Coin(3).SetForeColor(c.caption);
        Event(tePickerHover, 32);
        Event(tePickerClick, 32);
        EXPECT_EQ(m.PuzLbl_Coin(0).MousePointer(), forms::vbCustom);
        EXPECT_EQ(Event(teCoinColor, 3), forms::vbTrue);
        EXPECT_EQ(PuzColorNormal, c.normal ? pink : 0) << c.level << " " << c.caption;
        EXPECT_EQ(PuzColorCorrect, c.normal ? 0xFFFF : pink);
        EXPECT_EQ(HintState, 5);
        EXPECT_EQ(ColorPending, forms::vbFalse);
        EXPECT_EQ(m.PuzLbl_Coin(0).MousePointer(), forms::vbDefault);
    }
}

TEST_F(ColourTest, TheResetSwatchBringsTheSettingsColoursBackAndRestartsTheCharacter) {
    FrmMainForm& m = M();
    for (int16_t code : {teBoardClick, teShowBoardClick, teWordClick, teLabelClick}) {
        Pick(19);
        Event(code, FirstAlphaIdx, 0, 0);
    }
    AlphaCur.ColorLineHL = AlphaCur2.ColorLineHL = forms::RGB(1, 2, 3);
    ASSERT_NE(m.TrcLbl_Word(0).ForeColor(), Settings.ColorWord);
    ASSERT_NE(LabelColors(0), Settings.ColorText);

    Event(tePickerHover, 39);
    Event(tePickerClick, 39);
    EXPECT_EQ(AlphaCur.ColorLineHL, Settings.ColorLineHL);
    EXPECT_EQ(AlphaCur2.ColorLineHL, Settings.ColorLineHL);
    EXPECT_EQ(m.TrcLbl_Numbers(0).ForeColor(), Settings.ColorLineHL);
    EXPECT_EQ(m.Picture_DrawBoard.BackColor(), Settings.BGColor);
    EXPECT_EQ(m.Picture_ShowBoard.BackColor(), Settings.BGColor);
    EXPECT_EQ(m.TrcLbl_Word(0).ForeColor(), Settings.ColorWord);
    EXPECT_EQ(LabelColors(0), Settings.ColorText);
    EXPECT_EQ(LabelColors(1), Settings.ColorTextHL);
    EXPECT_EQ(HintState, -9997);
    EXPECT_TRUE(Shows(39, kHover));
    EXPECT_EQ(MarkedSwatches(), 1);

    EXPECT_EQ(TraceAnim.AnimKind, akHintDone);
    h.Advance(2000);
    EXPECT_EQ(TraceAnim.AnimKind, akDemoStep);
}

TEST_F(ColourTest, AResetWhileAColourWaitsKeepsThePickAndLeavesOneHoverMark) {
    Pick(5);
    Event(tePickerClick, 39); // the pointer's move onto it was ignored while waiting
    EXPECT_EQ(ColorPending, forms::vbTrue);
    EXPECT_TRUE(Shows(5, kPicked));
    EXPECT_TRUE(Shows(39, kHover));
    Event(teWordClick);
    EXPECT_EQ(M().TrcLbl_Word(0).ForeColor(), Palette(5));
    Event(tePickerHover, 8);
    EXPECT_EQ(MarkedSwatches(), 1) << "no mark is left behind";
    EXPECT_TRUE(Shows(8, kHover));
}

TEST_F(ColourTest, TheResetSwatchInThePuzzleRestoresTheCoinColours) {
    Settings.LessonID = lsPuzzle;
    PuzColorNormal = forms::RGB(1, 1, 1);
    PuzColorCorrect = forms::RGB(2, 2, 2);
    Event(tePickerHover, 39);
    Event(tePickerClick, 39);
    EXPECT_EQ(PuzColorNormal, 0);
    EXPECT_EQ(PuzColorCorrect, 0xFFFF);
    EXPECT_EQ(HintState, 5);
    EXPECT_TRUE(Shows(39, kHover));
    EXPECT_EQ(MarkedSwatches(), 1) << "the swatch picked last keeps its plain picture";
}

TEST_F(ColourTest, CancellingAPickWhileTracingStartsTheCharacterAgainAfterTheWait) {
    // The first character's drawing runs when the child picks a swatch, which stops it.
    ShowAlpha(forms::vbTrue);
    ASSERT_TRUE(M().AT_TimerTMR.Enabled());
    Pick(4);
    ASSERT_FALSE(M().AT_TimerTMR.Enabled());
    Event(tePickerClick, 4);
    ASSERT_EQ(ColorPending, forms::vbFalse);
    EXPECT_TRUE(M().AT_TimerTMR.Enabled());
    EXPECT_EQ(TraceAnim.AnimKind, akHintDone);
    h.Advance(2000);
    EXPECT_EQ(TraceAnim.AnimKind, akDemoStep) << "drawn again from its start";
    EXPECT_TRUE(M().AT_TimerTMR.Enabled());
}

TEST_F(ColourTest, CancellingAPickInThePuzzleStartsNoCharacter) {
    Settings.LessonID = lsPuzzle;
    Pick(4);
    Event(tePickerClick, 4);
    EXPECT_EQ(ColorPending, forms::vbFalse);
    EXPECT_FALSE(M().AT_TimerTMR.Enabled());
}

TEST_F(ColourTest, ASwatchClickWhileTracingStopsTheAnimationFirst) {
    M().AT_TimerTMR.SetEnabled(true);
    TraceAnim.AnimKind = akDemoStep;
    Pick(4);
    EXPECT_FALSE(M().AT_TimerTMR.Enabled());
}

TEST_F(ColourTest, HintsSoundOncePerKindOfTargetUntilASwatchIsHovered) {
    Pick(6);
    Event(teBoardHover);
    EXPECT_EQ(HintState, 2);
    Event(teWordHover);
    EXPECT_EQ(HintState, 3);
    Event(teLabelHover, CurAlphaIdx);
    EXPECT_EQ(HintState, 6) << "the current character's label";
    EXPECT_EQ(LabelIndexHot, CurAlphaIdx);
    Event(teLabelHover, static_cast<int16_t>(CurAlphaIdx + 1));
    EXPECT_EQ(HintState, 5);

    // While the hint channel plays, no new hint is given.
    forms::SoundChannel& hint = M().AT_MM_Alphabet(4);
    hint.SetCommand("Play");
    ASSERT_EQ(hint.Mode(), forms::mciModePlay);
    Event(teBoardHover);
    EXPECT_EQ(HintState, 5);
    hint.SetCommand("Stop");
    Event(teBoardHover);
    EXPECT_EQ(HintState, 2);
}

TEST_F(ColourTest, ACoinHintSoundsWhenTheHoveredCoinChanges) {
    Settings.LessonID = lsPuzzle;
    ColorPending = forms::vbTrue;
    EXPECT_EQ(Event(teCoinHover, 4), forms::vbTrue);
    EXPECT_EQ(LastCoinHover, 4);
    forms::SoundChannel& voice = M().AT_MM_Alphabet(0);
    voice.SetFileName(PathSoundsApp + "\\SndPlonk.Wav");
    voice.SetCommand("Open");
    voice.SetCommand("Play");
    ASSERT_EQ(voice.Mode(), forms::mciModePlay);
    Event(teCoinHover, 9);
    EXPECT_EQ(LastCoinHover, 4) << "not while channel 0 plays";
}

} // namespace
