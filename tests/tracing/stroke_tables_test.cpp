#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "forms/errors.h"
#include "tracing/alpha_data.h"
#include "tracing/stroke_tables.h"

namespace {

using Points = std::vector<std::pair<int, int>>;

const std::vector<std::string>& AllCharacters() {
    static const std::vector<std::string> all = [] {
        std::vector<std::string> v;
        for (char c = '0'; c <= '9'; ++c)
            v.emplace_back(1, c);
        for (char c = 'A'; c <= 'Z'; ++c)
            v.emplace_back(1, c);
        for (char c = 'a'; c <= 'z'; ++c)
            v.emplace_back(1, c);
        return v;
    }();
    return all;
}

AlphaData Filled(const std::string& alpha) {
    AlphaData rec;
    rec.Alpha = alpha;
    FillAlphaData(rec);
    return rec;
}

bool IsMark(int16_t v) {
    return v == MarkNextStroke || v == MarkEndAlpha;
}

// Strokes of a filled record, read as every reader does: up to the mark in the x table.
std::vector<Points> StrokesOf(const AlphaData& rec) {
    std::vector<Points> strokes;
    for (int s = 0; s <= MaxStroke; ++s) {
        Points pts;
        int p = 1;
        while (!IsMark(rec.PointX(s, p))) {
            pts.emplace_back(rec.PointX(s, p), rec.PointY(s, p));
            ++p;
        }
        if (!pts.empty() || rec.PointX(s, p) == MarkEndAlpha) strokes.push_back(pts);
        if (rec.PointX(s, p) == MarkEndAlpha) break;
    }
    return strokes;
}

// The check-point list in glyph units: every point that a key pair names, stroke by stroke,
// until the pair followed by the end mark.
Points CheckPointsOf(const AlphaData& rec) {
    Points list;
    for (int s = 0; s <= MaxStroke; ++s) {
        for (int e = 0; e + 1 <= MaxKeyEntry; e += 2) {
            const int16_t stroke = rec.KeyPoint(s, e);
            if (stroke == MarkEndAlpha) return list;
            if (stroke == MarkNextStroke) break;
            const int16_t point = rec.KeyPoint(s, e + 1);
            list.emplace_back(rec.PointX(stroke, point), rec.PointY(stroke, point));
        }
    }
    ADD_FAILURE() << "key table of \"" << rec.Alpha << "\" has no end mark";
    return list;
}

// Halves to the even neighbour, in whole numbers: num / den with den > 0.
int RoundedQuotient(int num, int den) {
    int q = num / den;
    int r = num % den;
    if (r < 0) {
        r += den;
        --q;
    }
    if (2 * r > den || (2 * r == den && q % 2 != 0)) ++q;
    return q;
}

TEST(StrokeTablesTest, FiguresOfAllDistinctTables) {
    int strokes = 0, points = 0, keyPairs = 0;
    int64_t sumX = 0, sumY = 0;
    for (const std::string& ch : AllCharacters()) {
        if (ch == "1") continue; // the table of "I"
        const AlphaData rec = Filled(ch);
        for (const Points& stroke : StrokesOf(rec)) {
            ++strokes;
            for (auto [x, y] : stroke) {
                ++points;
                sumX += x;
                sumY += y;
            }
        }
        for (int s = 0; s <= MaxStroke; ++s) {
            int e = 0;
            while (!IsMark(rec.KeyPoint(s, e))) {
                ++keyPairs;
                e += 2;
            }
            if (rec.KeyPoint(s, e) == MarkEndAlpha) break;
        }
    }
    EXPECT_EQ(strokes, 132);
    EXPECT_EQ(points, 2326);
    EXPECT_EQ(sumX, 70831);
    EXPECT_EQ(sumY, 126509);
    EXPECT_EQ(keyPairs, 372);
}

TEST(StrokeTablesTest, LineStrokesAreExpandedExactly) {
    int lineStrokes = 0, listedStrokes = 0;
    for (const GlyphData& g : GlyphTable()) {
        const AlphaData rec = Filled(std::string(1, g.alpha));
        for (int s = 0; s < g.strokeCount; ++s) {
            const GlyphLine& line = g.stroke[s].line;
            if (line.points == 0) {
                ++listedStrokes;
                continue;
            }
            ++lineStrokes;
            const int n = line.points;
            // The whole coordinate is rounded, not the step: 25 + 38.5 gives 64.
            for (int i = 0; i < n; ++i) {
                const int x = RoundedQuotient(line.x1 * (n - 1) + (line.x2 - line.x1) * i, n - 1);
                const int y = RoundedQuotient(line.y1 * (n - 1) + (line.y2 - line.y1) * i, n - 1);
                EXPECT_EQ(rec.PointX(s, i + 1), x) << g.alpha << " stroke " << s << " point " << i;
                EXPECT_EQ(rec.PointY(s, i + 1), y) << g.alpha << " stroke " << s << " point " << i;
            }
            EXPECT_TRUE(IsMark(rec.PointX(s, n + 1))) << g.alpha << " stroke " << s;
        }
    }
    EXPECT_EQ(lineStrokes, 70);
    EXPECT_EQ(listedStrokes, 62);
}

TEST(StrokeTablesTest, HalvesRoundToEven) {
    struct Case {
        const char* alpha;
        int stroke, point;
        bool isX;
        int16_t value;
    };
    const Case cases[] = {
        {"F", 2, 3, true, 18},  // 18.5
        {"L", 1, 4, true, 28},  // 28.5
        {"4", 1, 7, true, 32},  // 32.5
        {"4", 2, 6, false, 64}, // 64.5
        {"a", 1, 5, false, 64}, // 25 + 38.5
        {"A", 2, 4, true, 46},  // 45.6, not a half
    };
    for (const Case& c : cases) {
        const AlphaData rec = Filled(c.alpha);
        const int16_t v = c.isX ? rec.PointX(c.stroke, c.point) : rec.PointY(c.stroke, c.point);
        EXPECT_EQ(v, c.value) << c.alpha << " stroke " << c.stroke << " point " << c.point;
    }
}

TEST(StrokeTablesTest, EveryTableKeepsItsShape) {
    for (const std::string& ch : AllCharacters()) {
        SCOPED_TRACE("character " + ch);
        const AlphaData rec = Filled(ch);
        const std::vector<Points> strokes = StrokesOf(rec);
        ASSERT_FALSE(strokes.empty());
        const int last = static_cast<int>(strokes.size()) - 1;
        int keyPoints = 0;
        for (int s = 0; s <= MaxStroke; ++s) {
            const int n = s <= last ? static_cast<int>(strokes[s].size()) : 0;
            if (s <= last) {
                ASSERT_GE(n, 1);
                ASSERT_LE(n, 74);
                EXPECT_EQ(rec.PointX(s, n + 1), s == last ? MarkEndAlpha : MarkNextStroke);
            }
            // Marks only in the x table; nothing stands outside the strokes.
            for (int p = 0; p <= MaxPointEntry; ++p) {
                EXPECT_FALSE(IsMark(rec.PointY(s, p))) << "stroke " << s << " point " << p;
                if (p == 0 || p > n + 1 || (s > last && p > 0)) {
                    EXPECT_EQ(rec.PointX(s, p), 0) << "stroke " << s << " point " << p;
                    EXPECT_EQ(rec.PointY(s, p), 0) << "stroke " << s << " point " << p;
                }
            }
            if (s > last) continue;
            int k = 0;
            while (!IsMark(rec.KeyPoint(s, 2 * k))) {
                EXPECT_EQ(rec.KeyPoint(s, 2 * k), s);
                ++k;
            }
            ASSERT_GE(k, 1);
            ASSERT_LE(k, 7);
            EXPECT_EQ(rec.KeyPoint(s, 2 * k), s == last ? MarkEndAlpha : MarkNextStroke);
            EXPECT_EQ(rec.KeyPoint(s, 1), 1);
            EXPECT_EQ(rec.KeyPoint(s, 2 * k - 1), n);
            for (int j = 1; j < k; ++j)
                EXPECT_GT(rec.KeyPoint(s, 2 * j + 1), rec.KeyPoint(s, 2 * j - 1));
            keyPoints += k;
        }
        EXPECT_LE(keyPoints, MaxCheckEntry);
    }
}

TEST(StrokeTablesTest, DesignSizeAndShift) {
    struct Case {
        const char* alpha;
        int16_t height, width, shiftX, shiftY;
    };
    const Case cases[] = {
        {"A", 100, 80, 0, 0},    {"I", 100, 0, 0, 0},   {"Q", 100, 88, 0, 0},
        {"O", 100, 84, 0, 0},    {"0", 101, 59, 0, 0},  {"g", 134, 60, 0, 34},
        {"j", 133, 17, 0, 40},   {"p", 135, 58, 0, 34}, {"q", 135, 60, 0, 34},
        {"y", 135, 58, -10, 35},
    };
    for (const Case& c : cases) {
        const AlphaData rec = Filled(c.alpha);
        EXPECT_EQ(rec.AlphaHeight, c.height) << c.alpha;
        EXPECT_EQ(rec.AlphaWidth, c.width) << c.alpha;
        EXPECT_EQ(rec.OffsetX, c.shiftX) << c.alpha;
        EXPECT_EQ(rec.OffsetY, c.shiftY) << c.alpha;
    }
}

TEST(StrokeTablesTest, OneSharesTheTableOfCapitalI) {
    const AlphaData one = Filled("1");
    const AlphaData capitalI = Filled("I");
    EXPECT_EQ(one.Alpha, "1");
    EXPECT_EQ(one.PointX, capitalI.PointX);
    EXPECT_EQ(one.PointY, capitalI.PointY);
    EXPECT_EQ(one.KeyPoint, capitalI.KeyPoint);
    EXPECT_EQ(one.AlphaHeight, capitalI.AlphaHeight);
    EXPECT_EQ(one.AlphaWidth, capitalI.AlphaWidth);
    EXPECT_EQ(Filled("l").PointX(0, 1), 2); // the small L is a different table
}

TEST(StrokeTablesTest, CapitalQIsAnOWithATail) {
    const AlphaData o = Filled("O");
    const AlphaData q = Filled("Q");
    const std::vector<Points> oStrokes = StrokesOf(o);
    const std::vector<Points> qStrokes = StrokesOf(q);
    ASSERT_EQ(oStrokes.size(), 1u);
    ASSERT_EQ(qStrokes.size(), 2u);
    EXPECT_EQ(qStrokes[0], oStrokes[0]);
    EXPECT_EQ(o.PointX(0, 68), MarkEndAlpha);
    EXPECT_EQ(q.PointX(0, 68), MarkNextStroke);
    EXPECT_EQ(qStrokes[1], (Points{{57, 69}, {65, 77}, {73, 85}, {80, 92}, {88, 100}}));
    EXPECT_EQ(q.PointX(1, 6), MarkEndAlpha);
    EXPECT_EQ(o.AlphaWidth, 84);
    EXPECT_EQ(q.AlphaWidth, 88);
    EXPECT_EQ(q.KeyPoint(0, 10), MarkNextStroke);
    EXPECT_EQ(q.KeyPoint(1, 0), 1);
    EXPECT_EQ(q.KeyPoint(1, 3), 5);
    EXPECT_EQ(q.KeyPoint(1, 4), MarkEndAlpha);
}

TEST(StrokeTablesTest, CheckPointsOfAAndB) {
    EXPECT_EQ(CheckPointsOf(Filled("A")),
              (Points{{40, 0}, {0, 100}, {40, 0}, {80, 100}, {12, 70}, {68, 70}}));
    // Stroke 1 of "B" ends where stroke 2 begins: that point stands twice in a row.
    EXPECT_EQ(CheckPointsOf(Filled("B")),
              (Points{{0, 0}, {0, 100}, {0, 0}, {48, 23}, {0, 46}, {0, 46}, {57, 73}, {0, 100}}));
}

TEST(StrokeTablesTest, RefillKeepsNothingOfThePreviousCharacter) {
    // "m" has the most key points; the stale key entries it leaves lie behind the new marks.
    AlphaData rec = Filled("m");
    rec.Alpha = "A";
    FillAlphaData(rec);
    EXPECT_EQ(StrokesOf(rec), StrokesOf(Filled("A")));
    EXPECT_EQ(CheckPointsOf(rec), CheckPointsOf(Filled("A")));
}

TEST(StrokeTablesTest, FillWritesOnlyTheTablesSizeAndShift) {
    AlphaData rec;
    rec.Alpha = "g";
    rec.ColorLine = 0x123456;
    rec.DotSize = 12;
    rec.Word = "Goat";
    rec.CurStroke = 1;
    rec.CheckX(0) = 77;
    rec.BaseDivisor = 1.3f;
    FillAlphaData(rec);
    EXPECT_EQ(rec.Alpha, "g");
    EXPECT_EQ(rec.ColorLine, 0x123456);
    EXPECT_EQ(rec.DotSize, 12);
    EXPECT_EQ(rec.Word, "Goat");
    EXPECT_EQ(rec.CurStroke, 1);
    EXPECT_EQ(rec.CheckX(0), 77);
    EXPECT_FLOAT_EQ(rec.BaseDivisor, 1.3f);
}

TEST(StrokeTablesTest, UnknownCharacterGetsAnEmptyTable) {
    for (const char* alpha : {"", "?", "AB", " A", "\xc3\xa9", "11"}) {
        SCOPED_TRACE(std::string("text \"") + alpha + "\"");
        AlphaData rec = Filled("m"); // a previous character with many key points
        rec.Alpha = alpha;
        FillAlphaData(rec);
        EXPECT_EQ(rec.Alpha, alpha);
        EXPECT_EQ(rec.PointX(0, 1), MarkEndAlpha);
        EXPECT_EQ(rec.PointY(0, 1), MarkEndAlpha);
        PointTable expectX, expectY;
        expectX(0, 1) = MarkEndAlpha;
        expectY(0, 1) = MarkEndAlpha;
        EXPECT_EQ(rec.PointX, expectX);
        EXPECT_EQ(rec.PointY, expectY);
        EXPECT_TRUE(StrokesOf(rec).at(0).empty());
        // The key table ends at once: no check point of "m" survives.
        EXPECT_EQ(rec.KeyPoint(0, 0), MarkEndAlpha);
        EXPECT_TRUE(CheckPointsOf(rec).empty());
    }
}

TEST(StrokeTablesTest, TablesAreCheckedOnBothIndices) {
    AlphaData rec;
    const std::pair<int, int> outside[] = {{-1, 0}, {5, 0}, {0, -1}, {0, 76}};
    for (auto [s, p] : outside) {
        try {
            rec.PointX(s, p) = 1;
            ADD_FAILURE() << "no error at " << s << ", " << p;
        } catch (const forms::RuntimeError& e) {
            EXPECT_EQ(e.Number(), forms::errSubscript);
        }
    }
    EXPECT_THROW(rec.KeyPoint(0, 16), forms::RuntimeError);
    EXPECT_THROW(rec.CheckX(16), forms::RuntimeError);
    EXPECT_NO_THROW(rec.PointY(4, 75));
}

} // namespace
