// Drawing a character, read back as pixels of the board: the track (width 18) under the line
// (width 14), the pass colours, strokes that start with a dot, no line between strokes, the
// Level II progress of a half-traced stroke and the dots.
#include <gtest/gtest.h>

#include "board_fixture.h"

namespace {

using DrawingTest = BoardTest;

// "I" is one vertical line at x 259 from y 141 to 241; distance 8 from it lies inside the track
// but outside the line, distance 11 outside both.
struct PassCase {
    const char* name;
    int16_t mode;
    int32_t color;
    int32_t centre, rim;
};

class DrawAlphaPasses : public BoardTest, public ::testing::WithParamInterface<PassCase> {};

TEST_P(DrawAlphaPasses, DrawTheirWidthsInTheirColours) {
    const PassCase& c = GetParam();
    LayOut("I");
    DrawAlpha(AlphaCur, c.mode, forms::vbTrue, c.color);
    EXPECT_EQ(Board().Point(259, 190), c.centre);
    EXPECT_EQ(Board().Point(259 + 8, 190), c.rim);
    EXPECT_EQ(Board().Point(259 - 8, 190), c.rim);
    EXPECT_EQ(Board().Point(259 + 11, 190), kBack);
    const int16_t width = c.mode == 1 ? AlphaCur.TrackWidth : AlphaCur.LineWidth;
    EXPECT_EQ(Board().DrawWidth(), width);
}

constexpr int32_t kOther = forms::RGB(90, 40, 160);

INSTANTIATE_TEST_SUITE_P(Modes, DrawAlphaPasses,
                         ::testing::Values(PassCase{"TrackAndLine", 0, 0, kLine, kTrack},
                                           PassCase{"TrackOnly", 1, 0, kTrack, kTrack},
                                           PassCase{"LineOnly", 2, 0, kLine, kBack},
                                           PassCase{"OneColour", 0, kOther, kOther, kOther}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DrawingTest, ClearingIsAsked) {
    LayOut("I");
    Board().Line(10, 10, 20, 20, kOther);
    DrawAlpha(AlphaCur, 0, forms::vbFalse, 0);
    EXPECT_EQ(Board().Point(15, 15), kOther);
    DrawAlpha(AlphaCur, 0, forms::vbTrue, 0);
    EXPECT_EQ(Board().Point(15, 15), kBack);
}

TEST_F(DrawingTest, AOnePointStrokeIsADotAndNotJoinedToTheStrokeBefore) {
    // "i": the stem from y 30 to 100, then the dot at y 1, both at x 0.
    LayOut("i", 1.3f);
    const int16_t x = AlphaCur.PointX(1, 1);
    const int16_t y = AlphaCur.PointY(1, 1);
    DrawAlpha(AlphaCur, 0, forms::vbTrue, 0);
    EXPECT_EQ(Board().Point(x, y), kLine);
    EXPECT_EQ(Board().Point(x + 8, y), kTrack);
    // Between the dot and the stem (29 units apart) nothing is drawn.
    EXPECT_EQ(Board().Point(x, y + 14), kBack);
}

TEST_F(DrawingTest, NoLineJoinsTheEndOfOneStrokeToTheStartOfTheNext) {
    // "E": stroke 1 ends at the top right (40, 0), stroke 2 starts at the middle left (0, 50).
    LayOut("E");
    DrawAlpha(AlphaCur, 0, forms::vbTrue, 0);
    const int16_t x = AlphaCur.OffsetX + 20;
    const int16_t y = AlphaCur.OffsetY + 25;
    EXPECT_EQ(Board().Point(x, y), kBack);
    EXPECT_EQ(PixelAtPoint(AlphaCur, 2, 3), kLine);

    Board().Cls();
    DrawAlphaOutline(forms::vbFalse, forms::vbFalse, AlphaCur, 0, forms::vbFalse);
    EXPECT_EQ(Board().Point(x, y), kBack);
    EXPECT_EQ(PixelAtPoint(AlphaCur, 2, 3), kLine);
}

TEST_F(DrawingTest, TheOutlineVariantDrawsTheTrackAloneOrUnderTheLine) {
    LayOut("I");
    DrawAlphaOutline(forms::vbFalse, forms::vbTrue, AlphaCur, kOther, forms::vbFalse);
    EXPECT_EQ(Board().Point(259, 190), kTrack);
    DrawAlphaOutline(forms::vbFalse, forms::vbFalse, AlphaCur, kOther, forms::vbTrue);
    EXPECT_EQ(Board().Point(259, 190), kOther);
    EXPECT_EQ(Board().Point(259 + 8, 190), kTrack);
    DrawAlphaOutline(forms::vbTrue, forms::vbFalse, AlphaCur, -1, forms::vbFalse);
    EXPECT_EQ(Board().Point(259, 190), kLine);
}

TEST_F(DrawingTest, TwoCharactersAreDrawnTogether) {
    LayOutTwo("1", "2");
    DrawAlphas(0, forms::vbTrue, 0);
    EXPECT_EQ(PixelAtPoint(AlphaCur, 0, 5), kLine);
    EXPECT_EQ(PixelAtPoint(AlphaCur2, 0, 20), kLine);
    Board().Cls();
    NumAlphas = 1;
    DrawAlphas(0, forms::vbTrue, 0);
    EXPECT_EQ(PixelAtPoint(AlphaCur2, 0, 20), kBack);
}

TEST_F(DrawingTest, ADotHasTheDotSizeAndLeavesThePenAsItWas) {
    Board().SetDrawWidth(3);
    DrawDot(100, 100, kCircle, AlphaCur);
    EXPECT_EQ(Board().Point(100, 100), kCircle);
    EXPECT_EQ(Board().Point(105, 100), kCircle);
    EXPECT_EQ(Board().Point(108, 100), kBack);
    EXPECT_EQ(Board().DrawWidth(), 3);
}

TEST_F(DrawingTest, CheckPointsOfOneOrAllStrokes) {
    LayOut("E");
    DrawCheckPoints(AlphaCur, forms::vbFalse);
    EXPECT_EQ(PixelAtPoint(AlphaCur, 0, 1), kCircle);
    EXPECT_EQ(PixelAtPoint(AlphaCur, 0, 11), kCircle);
    EXPECT_EQ(PixelAtPoint(AlphaCur, 1, 5), kBack);
    DrawCheckPoints(AlphaCur, forms::vbTrue);
    EXPECT_EQ(PixelAtPoint(AlphaCur, 1, 5), kCircle);
    EXPECT_EQ(PixelAtPoint(AlphaCur, 2, 5), kCircle);
    EXPECT_EQ(PixelAtPoint(AlphaCur, 3, 5), kCircle);
    EXPECT_EQ(PixelAtPoint(AlphaCur, 0, 4), kBack); // no key point there
}

// "C" has one stroke with key points at points 1, 12, 23, 34 and 44.
class TraceProgressTest : public BoardTest {
  protected:
    void SetUp() override {
        BoardTest::SetUp();
        Settings.UserLevel = 1;
        CurAlphaIdx = 2;
        LayOut("C");
    }
};

TEST_F(TraceProgressTest, AHalfTracedStrokeShowsTheTracedPartTheRestAndTheNextPoint) {
    AlphaCur.CurStroke = 0;
    AlphaCur.CurKey = 3; // key points 0, 1 and 2 were clicked
    DrawTraceProgress(AlphaCur);
    EXPECT_EQ(PixelAtPoint(AlphaCur, 0, 17), kLine);     // traced, between keys 1 and 2
    EXPECT_EQ(PixelAtPoint(AlphaCur, 0, 28), kPrompt);   // still to trace
    EXPECT_EQ(PixelAtPoint(AlphaCur, 0, 34), kCircleHL); // the point to click next
    EXPECT_EQ(PixelAtPoint(AlphaCur, 0, 44), kCircle);   // a key point ahead
    EXPECT_EQ(PixelAtPoint(AlphaCur, 0, 40), kPrompt);
}

TEST_F(TraceProgressTest, AStrokeJustStartedHasNothingTraced) {
    AlphaCur.CurKey = 1;
    DrawTraceProgress(AlphaCur);
    EXPECT_EQ(PixelAtPoint(AlphaCur, 0, 17), kPrompt);
    EXPECT_EQ(PixelAtPoint(AlphaCur, 0, 12), kCircleHL);
    EXPECT_EQ(PixelAtPoint(AlphaCur, 0, 23), kCircle);
}

TEST_F(TraceProgressTest, AFinishedCharacterIsDrawnWhole) {
    AlphaDone(0)(1)(2) = forms::vbTrue;
    AlphaCur.CurKey = 3;
    DrawTraceProgress(AlphaCur);
    EXPECT_EQ(PixelAtPoint(AlphaCur, 0, 28), kLine);
    EXPECT_EQ(PixelAtPoint(AlphaCur, 0, 23, 8, 0), kTrack);
    EXPECT_EQ(PixelAtPoint(AlphaCur, 0, 34), kLine);
}

TEST_F(DrawingTest, EarlierStrokesAreTracedAndLaterOnesNotYetDrawn) {
    Settings.UserLevel = 1;
    LayOut("E");
    AlphaCur.CurStroke = 1;
    AlphaCur.CurKey = 0;
    DrawTraceProgress(AlphaCur);
    EXPECT_EQ(PixelAtPoint(AlphaCur, 0, 6), kLine);
    EXPECT_EQ(PixelAtPoint(AlphaCur, 1, 3), kPrompt);
    EXPECT_EQ(PixelAtPoint(AlphaCur, 1, 1), kCircleHL);
    EXPECT_EQ(PixelAtPoint(AlphaCur, 2, 3), kBack);
}

TEST_F(DrawingTest, OneStrokeWithItsKeyDots) {
    LayOut("E");
    AlphaCur.CurStroke = 0;
    AlphaCur.CurKey = 1;
    AlphaCur.ShowKeyDots = forms::vbTrue;
    DrawStroke(AlphaCur, kOther);
    EXPECT_EQ(PixelAtPoint(AlphaCur, 0, 6), kOther);
    EXPECT_EQ(PixelAtPoint(AlphaCur, 0, 1), kCircle);
    EXPECT_EQ(PixelAtPoint(AlphaCur, 0, 11), kCircleHL);
    EXPECT_EQ(PixelAtPoint(AlphaCur, 1, 3), kBack);
}

TEST_F(DrawingTest, AStrokeUpToAKeyPointStopsThere) {
    LayOut("C");
    DrawStrokeRange(AlphaCur, 0, 2, 0, 0, forms::vbFalse); // points 1 to 23
    EXPECT_EQ(PixelAtPoint(AlphaCur, 0, 17), kLine);
    EXPECT_EQ(PixelAtPoint(AlphaCur, 0, 28), kBack);
    DrawStrokeRange(AlphaCur, 0, 0, kPrompt, 4, forms::vbFalse); // whole, thin
    EXPECT_EQ(PixelAtPoint(AlphaCur, 0, 28), kPrompt);
    EXPECT_EQ(PixelAtPoint(AlphaCur, 0, 28, 5, 0), kBack);
    // The no-item mark as colour means the line colour, as 0 does.
    DrawStrokeRange(AlphaCur, 0, 0, -9997, 0, forms::vbFalse);
    EXPECT_EQ(PixelAtPoint(AlphaCur, 0, 28), kLine);
    EXPECT_EQ(Board().DrawWidth(), AlphaCur.LineWidth);
}

TEST_F(DrawingTest, ACharacterWithoutTableDrawsNothing) {
    LayOut("");
    DrawAlpha(AlphaCur, 0, forms::vbTrue, 0);
    DrawCheckPoints(AlphaCur, forms::vbTrue);
    DrawTraceProgress(AlphaCur);
    for (int x = 0; x < 518; x += 7)
        for (int y = 0; y < 300; y += 7)
            ASSERT_EQ(Board().Point(x, y), kBack) << x << "," << y;
}

} // namespace
