// The lesson range from the settings and the layout of one or two characters on the board.
#include <gtest/gtest.h>

#include "board_fixture.h"
#include "forms/errors.h"
#include "tracing/stroke_walk.h"

namespace {

using LayoutTest = BoardTest;

TEST_F(LayoutTest, OneCharacterIsCentredWithItsBottomHalfATrackAboveTheBaseLine) {
    LayOut("A");
    // 518 / 2 - 80 / 2, and 300 / 1.2 - 100 - 18 / 2.
    EXPECT_EQ(AlphaCur.OffsetX, 219);
    EXPECT_EQ(AlphaCur.OffsetY, 141);
    EXPECT_EQ(AlphaCur.PointX(0, 1), 40 + 219);
    EXPECT_EQ(AlphaCur.PointY(0, 1), 0 + 141);
    EXPECT_EQ(AlphaCur.PointY(0, 11), 100 + 141);
    // The marks themselves are not moved.
    EXPECT_EQ(AlphaCur.PointX(0, 12), MarkNextStroke);
    EXPECT_EQ(AlphaCur.PointX(2, 7), MarkEndAlpha);
    EXPECT_EQ(AlphaCur.LastStroke, 2);
    EXPECT_EQ(AlphaCur.EndStroke, 2);
    EXPECT_EQ(AlphaCur.EndPoint, 7);
}

TEST_F(LayoutTest, OneCharacterKeepsItsDesignShift) {
    // "y": width 58, height 135, shift (-10, 35); small letters sit on height / 1.3.
    LayOut("y", 1.3f);
    EXPECT_EQ(AlphaCur.OffsetX, 259 - 10 - 29);
    EXPECT_EQ(AlphaCur.OffsetY, 122); // 230.77 + 35 - 135 - 9 = 121.77
}

TEST_F(LayoutTest, LayoutRoundsHalvesToEven) {
    SizeBoard(259, 175);
    LayOut("A"); // 129.5 - 40 = 89.5
    EXPECT_EQ(AlphaCur.OffsetX, 90);
    LayOut("B"); // 129.5 - 28.5 = 101
    EXPECT_EQ(AlphaCur.OffsetX, 101);
    LayOut("E"); // 129.5 - 20 = 109.5
    EXPECT_EQ(AlphaCur.OffsetX, 110);
    LayOut("D"); // 129.5 - 35 = 94.5
    EXPECT_EQ(AlphaCur.OffsetX, 94);
}

struct TwoCase {
    const char* first;
    const char* second;
    float divisor;
    int16_t x1, x2, y1, y2;
};

class TwoCharacterLayout : public BoardTest, public ::testing::WithParamInterface<TwoCase> {};

TEST_P(TwoCharacterLayout, SitSideBySideAroundTheCentre) {
    const TwoCase& c = GetParam();
    LayOutTwo(c.first, c.second, c.divisor);
    EXPECT_EQ(AlphaCur.OffsetX, c.x1);
    EXPECT_EQ(AlphaCur2.OffsetX, c.x2);
    EXPECT_EQ(AlphaCur.OffsetY, c.y1);
    EXPECT_EQ(AlphaCur2.OffsetY, c.y2);
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, TwoCharacterLayout,
    ::testing::Values(
        // "11": both strokes have no width, so a 20-unit gap: half (20 + 18 + 10) / 2 = 24.
        TwoCase{"1", "1", 1.2f, 259 - 24, 259 - 24 + 18 + 5 + 20, 141, 141},
        // "12": widths 0 + 56, no gap: half (56 + 28) / 2 = 42.
        TwoCase{"1", "2", 1.2f, 259 - 42, 259 - 42 + 18 + 5, 141, 141},
        // "Yy": half (76 + 58 + 28) / 2 = 81; the small y keeps its y shift, not its x shift.
        TwoCase{"Y", "y", 1.3f, 178, 178 + 76 + 18 + 5, 122, 122},
        // "Aa": half 83.5 rounds to 84.
        TwoCase{"A", "a", 1.3f, 259 - 84, 259 - 84 + 80 + 23, 122, 122}),
    [](const auto& info) { return std::string("Pair") + info.param.first + info.param.second; });

TEST_F(LayoutTest, CheckPointsAreTheKeyPointsOnTheBoard) {
    LayOut("A");
    const int16_t expected[][2] = {{259, 141}, {219, 241}, {259, 141},
                                   {299, 241}, {231, 211}, {287, 211}};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(AlphaCur.CheckX(i), expected[i][0]) << i;
        EXPECT_EQ(AlphaCur.CheckY(i), expected[i][1]) << i;
    }
    EXPECT_EQ(AlphaCur.CheckX(6), MarkEndAlpha);
    EXPECT_EQ(AlphaCur.CheckNext, 0);
}

TEST_F(LayoutTest, ACharacterWithoutTableHasNoCheckPointsAfterALargerOne) {
    LayOut("m"); // 12 key points, stale behind the next table's mark
    AlphaCur.CheckNext = 5;
    LayOut("");
    EXPECT_EQ(AlphaCur.CheckX(0), MarkEndAlpha);
    EXPECT_EQ(AlphaCur.CheckNext, 0);
    LayOut("%");
    EXPECT_EQ(AlphaCur.CheckX(0), MarkEndAlpha);
}

TEST_F(LayoutTest, LayoutResetsTheCursorsOfTheFirstRecord) {
    AlphaCur.CurStroke = 2;
    AlphaCur.CurKey = 3;
    AlphaCur.AlphaTraced = forms::vbTrue;
    AnimAlphaNo = 2;
    LayOut("B");
    EXPECT_EQ(AlphaCur.CurStroke, 0);
    EXPECT_EQ(AlphaCur.CurKey, 0);
    EXPECT_EQ(AlphaCur.AlphaTraced, forms::vbFalse);
    EXPECT_EQ(AnimAlphaNo, 1);
}

TEST_F(LayoutTest, AnOffsetBeyondTheIntegerRangeOverflows) {
    AlphaCur.Alpha = "A";
    FillAlphaData(AlphaCur);
    try {
        OffsetAlphaPoints(32700, 0, AlphaCur);
        FAIL() << "no overflow";
    } catch (const forms::RuntimeError& e) {
        EXPECT_EQ(e.Number(), forms::errOverflow);
    }
}

TEST_F(LayoutTest, KeyPointsPackXLowAndYHigh) {
    AlphaCur.Alpha = "2"; // starts at (-1, 30)
    FillAlphaData(AlphaCur);
    const int32_t xy = GetKeyPointXY(AlphaCur, 0, 0);
    EXPECT_EQ(KeyPointX(xy), -1);
    EXPECT_EQ(KeyPointY(xy), 30);
    const int32_t last = GetKeyPointXY(AlphaCur, 1, 2);
    EXPECT_EQ(KeyPointX(last), 55);
    EXPECT_EQ(KeyPointY(last), 100);
}

TEST(CopyMarkedPoints, CopiesUpToEachMarkAndKeepsWhatLiesBeyond) {
    AlphaData src;
    src.Alpha = "E";
    FillAlphaData(src);
    PointTable x, y;
    KeyTable keys;
    for (int s = 0; s <= MaxStroke; ++s) {
        for (int p = 0; p <= MaxPointEntry; ++p)
            x(s, p) = y(s, p) = 777;
        for (int e = 0; e <= MaxKeyEntry; ++e)
            keys(s, e) = 777;
    }
    CopyMarkedPoints(src.PointX, src.PointY, x, y);
    CopyMarkedPoints2(src.KeyPoint, keys);
    EXPECT_EQ(x(0, 11), src.PointX(0, 11));
    EXPECT_EQ(y(0, 11), src.PointY(0, 11));
    EXPECT_EQ(x(0, 12), MarkNextStroke);
    EXPECT_EQ(y(0, 12), 777); // a mark has no y
    EXPECT_EQ(x(0, 13), 777);
    EXPECT_EQ(x(3, 6), MarkEndAlpha);
    EXPECT_EQ(x(4, 1), 777);
    EXPECT_EQ(x(0, 0), 777);
    // Key tables from entry 1: entry 0 of each stroke keeps what it held.
    EXPECT_EQ(keys(0, 0), 777);
    EXPECT_EQ(keys(1, 1), 1);
    EXPECT_EQ(keys(1, 2), 1);
    EXPECT_EQ(keys(1, 3), 5);
    EXPECT_EQ(keys(1, 4), MarkNextStroke);
    EXPECT_EQ(keys(1, 5), 777);
    EXPECT_EQ(keys(3, 4), MarkEndAlpha);
    EXPECT_EQ(keys(4, 1), 777);
}

struct RangeCase {
    const char* name;
    int16_t type;
    const char* start;
    const char* end;
    int16_t numbersStart, numbersEnd, numbersStep;
    const char* alpha;
    const char* alpha2;
    int16_t numAlphas, first, last, step;
    float divisor;
};

class InitAlphaRangeTest : public BoardTest, public ::testing::WithParamInterface<RangeCase> {};

TEST_P(InitAlphaRangeTest, SetsTheRangeAndTheFirstCharacters) {
    const RangeCase& c = GetParam();
    Settings.AlphabetType = c.type;
    Settings.AlphabetStart = c.start;
    Settings.AlphabetEnd = c.end;
    Settings.NumbersStart = c.numbersStart;
    Settings.NumbersEnd = c.numbersEnd;
    Settings.NumbersStep = c.numbersStep;
    CurAlphaNo = 2;
    Anim().SetEnabled(true);
    InitAlphaRange();
    EXPECT_FALSE(Anim().Enabled());
    EXPECT_EQ(AlphaCur.Alpha, c.alpha);
    EXPECT_EQ(AlphaCur2.Alpha, c.alpha2);
    EXPECT_EQ(NumAlphas, c.numAlphas);
    EXPECT_EQ(CurAlphaIdx, c.first);
    EXPECT_EQ(FirstAlphaIdx, c.first);
    EXPECT_EQ(PrevAlphaIdx, c.first);
    EXPECT_EQ(LastAlphaIdx, c.last);
    EXPECT_EQ(AlphaStep, c.step);
    EXPECT_EQ(CurAlphaNo, 1);
    EXPECT_FLOAT_EQ(AlphaCur.BaseDivisor, c.divisor);
}

INSTANTIATE_TEST_SUITE_P(
    Types, InitAlphaRangeTest,
    ::testing::Values(RangeCase{"Capitals", 0, "C", "X", 1, 30, 1, "C", "", 1, 2, 23, 1, 1.2f},
                      RangeCase{"Small", 1, "C", "X", 1, 30, 1, "c", "", 1, 2, 23, 1, 1.3f},
                      RangeCase{"Mixed", 2, "C", "X", 1, 30, 1, "C", "c", 2, 2, 23, 1, 1.3f},
                      RangeCase{"OneDigit", 3, "A", "Z", 7, 30, 5, "7", "", 1, 6, 29, 5, 1.2f},
                      RangeCase{"TwoDigits", 3, "A", "Z", 12, 30, 3, "1", "2", 2, 11, 29, 3, 1.2f}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LayoutTest, NumbersEndingBeyondThirtyKeepThePreviousLesson) {
    Settings.AlphabetType = 0;
    Settings.AlphabetStart = "D";
    Settings.AlphabetEnd = "K";
    InitAlphaRange();
    AlphaCur.BaseDivisor = 1.3f;
    Settings.AlphabetType = 3;
    Settings.NumbersStart = 5;
    Settings.NumbersEnd = 31;
    InitAlphaRange();
    EXPECT_EQ(AlphaCur.Alpha, "D");
    EXPECT_EQ(CurAlphaIdx, 3);
    EXPECT_EQ(LastAlphaIdx, 10);
    EXPECT_EQ(PrevAlphaIdx, 3);
    EXPECT_FLOAT_EQ(AlphaCur.BaseDivisor, 1.2f);

    // An unknown alphabet type keeps even the divisor; only the previous index follows.
    AlphaCur.BaseDivisor = 1.3f;
    CurAlphaIdx = 5;
    Settings.AlphabetType = 4;
    InitAlphaRange();
    EXPECT_EQ(AlphaCur.Alpha, "D");
    EXPECT_EQ(LastAlphaIdx, 10);
    EXPECT_EQ(PrevAlphaIdx, 5);
    EXPECT_FLOAT_EQ(AlphaCur.BaseDivisor, 1.3f);
}

TEST_F(LayoutTest, AnEmptyStartLetterIsAnInvalidCall) {
    Settings.AlphabetStart = "";
    try {
        InitAlphaRange();
        FAIL() << "no error";
    } catch (const forms::RuntimeError& e) {
        EXPECT_EQ(e.Number(), forms::errInvalidCall);
    }
}

} // namespace
