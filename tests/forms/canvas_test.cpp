#include "forms/canvas.h"
#include "forms/errors.h"
#include "forms/lang.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

using forms::Canvas;
using forms::IRect;

namespace {

constexpr int32_t kWhite = 0xFFFFFF;
constexpr int32_t kInk = 0x0000FF; // red

// The canvas as rows of '#' (ink) and '.' (anything else).
std::vector<std::string> Ascii(const Canvas& c, int32_t ink = kInk) {
    std::vector<std::string> rows;
    for (int y = 0; y < c.Height(); ++y) {
        std::string r;
        for (int x = 0; x < c.Width(); ++x)
            r += c.GetPixel(x, y) == ink ? '#' : '.';
        rows.push_back(r);
    }
    return rows;
}

int CountInk(const Canvas& c, int32_t ink = kInk) {
    int n = 0;
    for (int y = 0; y < c.Height(); ++y)
        for (int x = 0; x < c.Width(); ++x)
            n += c.GetPixel(x, y) == ink;
    return n;
}

// The ink's bounding box.
IRect InkBox(const Canvas& c, int32_t ink = kInk) {
    IRect box;
    for (int y = 0; y < c.Height(); ++y)
        for (int x = 0; x < c.Width(); ++x)
            if (c.GetPixel(x, y) == ink) box = box.Union(IRect{x, y, 1, 1});
    return box;
}

// Mirror symmetry of the ink about the vertical and horizontal lines through the centre of box.
bool MirrorSymmetric(const Canvas& c, const IRect& box, int32_t ink = kInk) {
    for (int y = box.y; y < box.y + box.h; ++y)
        for (int x = box.x; x < box.x + box.w; ++x) {
            bool here = c.GetPixel(x, y) == ink;
            int mx = 2 * box.x + box.w - 1 - x, my = 2 * box.y + box.h - 1 - y;
            if (here != (c.GetPixel(mx, y) == ink) || here != (c.GetPixel(x, my) == ink))
                return false;
        }
    return true;
}

} // namespace

TEST(ColorTest, ConvertsBetweenProgramColoursAndPixels) {
    EXPECT_EQ(forms::ToPixel(0x00332211), 0xFF112233u);
    EXPECT_EQ(forms::FromPixel(0x80112233u), 0x00332211);
    // The high byte of a program colour (a palette-relative flag, say) never reaches a pixel.
    EXPECT_EQ(forms::ToPixel(0x020000FF), forms::ToPixel(0x0000FF));
    EXPECT_EQ(forms::ToPixel(static_cast<int32_t>(0x80FFFFFF)), 0xFFFFFFFFu);
}

TEST(IRectTest, IntersectAndUnion) {
    IRect a{0, 0, 10, 10}, b{5, 5, 10, 10};
    EXPECT_EQ(a.Intersect(b), (IRect{5, 5, 5, 5}));
    EXPECT_TRUE(a.Intersect(IRect{20, 20, 5, 5}).Empty());
    EXPECT_EQ(a.Union(b), (IRect{0, 0, 15, 15}));
    EXPECT_EQ(a.Union(IRect{}), a);
    EXPECT_EQ(IRect{}.Union(b), b);
}

TEST(CanvasTest, PixelsOutsideReadAsMinusOneAndWritesThereAreIgnored) {
    Canvas c(4, 3, kWhite);
    EXPECT_EQ(c.GetPixel(-1, 0), -1);
    EXPECT_EQ(c.GetPixel(4, 0), -1);
    EXPECT_EQ(c.GetPixel(0, 3), -1);
    c.SetPixel(-1, 0, kInk);
    c.SetPixel(4, 2, kInk);
    EXPECT_EQ(CountInk(c), 0);
    c.SetPixel(3, 2, kInk);
    EXPECT_EQ(c.GetPixel(3, 2), kInk);
    c.Resize(-5, 2, kInk);
    EXPECT_EQ(c.Width(), 0);
    EXPECT_EQ(c.Height(), 0);
}

// Round dots: pinned pixel by pixel for an even and an odd pen.
TEST(CanvasTest, DotsAreRoundAndCentredOnThePoint) {
    struct Case {
        int width;
        std::vector<std::string> want;
    };
    const Case cases[] = {
        {6,
         {"..........", "..........", "...####...", "..######..", "..######..", "..######..",
          "..######..", "...####...", "..........", ".........."}},
        {5,
         {"..........", "..........", "..........", "....###...", "...#####..", "...#####..",
          "...#####..", "....###...", "..........", ".........."}},
        {1,
         {"..........", "..........", "..........", "..........", "..........", ".....#....",
          "..........", "..........", "..........", ".........."}},
    };
    for (const Case& k : cases) {
        Canvas c(10, 10, kWhite);
        c.Dot(5, 5, k.width, kInk);
        EXPECT_EQ(Ascii(c), k.want) << "width " << k.width;
    }
}

TEST(CanvasTest, ZeroLengthLineOfTheDotSizeIsARoundDot) {
    Canvas c(16, 16, kWhite);
    c.Line(8, 8, 8, 8, 12, kInk);
    EXPECT_EQ(Ascii(c),
              (std::vector<std::string>{
                  "................", "................", "......####......", "....########....",
                  "...##########...", "...##########...", "..############..", "..############..",
                  "..############..", "..############..", "...##########...", "...##########...",
                  "....########....", "......####......", "................", "................"}));
}

TEST(CanvasTest, ZeroLengthThickLineIsASymmetricDiscOfThePenWidth) {
    Canvas c(40, 40, kWhite);
    c.Line(20, 20, 20, 20, 12, kInk);
    IRect box = InkBox(c);
    EXPECT_EQ(box.w, 12);
    EXPECT_EQ(box.h, 12);
    EXPECT_EQ(box.x, 14); // pixels 14..25: six on either side of the point
    EXPECT_TRUE(MirrorSymmetric(c, box));
    EXPECT_NEAR(CountInk(c), 3.14159 * 36, 8); // a disc, not a square
    // The corners of the box stay empty.
    EXPECT_NE(c.GetPixel(box.x, box.y), kInk);
    // A circle of radius 0 is the same dot.
    Canvas d(40, 40, kWhite);
    d.Circle(20, 20, 0, 12, kInk);
    EXPECT_EQ(Ascii(d), Ascii(c));
}

TEST(CanvasTest, ThickLinesHaveRoundEnds) {
    Canvas c(40, 20, kWhite);
    c.Line(10, 10, 30, 10, 6, kInk);
    IRect box = InkBox(c);
    EXPECT_EQ(box, (IRect{7, 7, 26, 6})); // the length plus half the pen at each end
    std::vector<std::string> a = Ascii(c);
    EXPECT_EQ(a[7].find('#'), 8u); // the outer rows are shorter: round, not square, ends
    EXPECT_EQ(a[9].find('#'), 7u); // the middle rows reach furthest
    EXPECT_EQ(a[7].rfind('#'), 31u);
    EXPECT_EQ(a[9].rfind('#'), 32u);
    EXPECT_TRUE(MirrorSymmetric(c, box));
}

// Any thick line: every pixel well inside the pen is drawn and none well outside.
TEST(CanvasTest, ThickDiagonalLinesCoverThePenExactly) {
    struct Case {
        double x1, y1, x2, y2;
        int width;
    };
    const Case cases[] = {{10, 10, 90, 40, 18}, {80, 5, 12.5, 70.25, 14}, {50, 50, 51, 80, 7}};
    for (const Case& k : cases) {
        Canvas c(100, 100, kWhite);
        c.Line(k.x1, k.y1, k.x2, k.y2, k.width, kInk);
        const double off = (k.width & 1) ? 0.5 : 0.0, r = k.width / 2.0;
        const double ax = k.x1 + off, ay = k.y1 + off, bx = k.x2 + off, by = k.y2 + off;
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 100; ++x) {
                double px = x + 0.5, py = y + 0.5, dx = bx - ax, dy = by - ay;
                double t =
                    std::clamp(((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
                double d = std::hypot(px - ax - t * dx, py - ay - t * dy);
                bool ink = c.GetPixel(x, y) == kInk;
                if (d < r - 0.01) {
                    EXPECT_TRUE(ink) << x << "," << y << " width " << k.width;
                }
                if (d > r + 0.01) {
                    EXPECT_FALSE(ink) << x << "," << y << " width " << k.width;
                }
            }
    }
}

TEST(CanvasTest, JoinedThickSegmentsLeaveNoNotch) {
    // Two segments meeting at a right angle: the outer corner of the join is rounded and filled.
    Canvas c(60, 60, kWhite);
    c.Line(10, 30, 30, 30, 10, kInk);
    c.Line(30, 30, 30, 10, 10, kInk);
    EXPECT_EQ(c.GetPixel(33, 32), kInk); // beyond the first segment's end, inside the join
    EXPECT_EQ(c.GetPixel(33, 33), kInk);
    EXPECT_NE(c.GetPixel(34, 34), kInk); // the square corner itself stays rounded off
}

TEST(CanvasTest, OnePixelLinesJoinTheNearestPixels) {
    Canvas c(10, 10, kWhite);
    c.Line(2, 3, 7, 3, 1, kInk);
    EXPECT_EQ(Ascii(c)[3], "..######..");
    Canvas d(10, 10, kWhite);
    d.Line(1.4, 1.6, 6.4, 6.6, 0, kInk); // rounds to (1, 2) - (6, 7)
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(d.GetPixel(1 + i, 2 + i), kInk);
    EXPECT_EQ(CountInk(d), 6);
}

TEST(CanvasTest, AbsurdCoordinatesAreHarmless) {
    Canvas c(20, 20, kWhite);
    c.Line(-1e12, 5, 1e12, 5, 1, kInk);
    EXPECT_EQ(Ascii(c)[5], std::string(20, '#'));
    c.Line(NAN, 1, 5, 5, 1, kInk);
    c.Line(1, 1, INFINITY, 5, 9, kInk);
    c.Circle(10, 10, NAN, 3, kInk);
    c.FillCircle(10, 10, INFINITY, kInk);
    c.Line(-1e9, -1e9, 1e9, 1e9, 10, kInk); // a huge thick line still draws the part on screen
    EXPECT_EQ(c.GetPixel(10, 10), kInk);
    EXPECT_EQ(c.GetPixel(0, 19), kWhite);
}

TEST(CanvasTest, CircleOutlinesAreRingsOfThePenWidth) {
    struct Case {
        double r;
        int width;
    };
    for (const Case& k : {Case{5, 1}, Case{12, 1}, Case{15, 4}, Case{10.5, 7}}) {
        Canvas c(50, 50, kWhite);
        c.Circle(25, 25, k.r, k.width, kInk);
        const double off = (k.width & 1) ? 0.5 : 0.0;
        int ink = 0;
        for (int y = 0; y < 50; ++y)
            for (int x = 0; x < 50; ++x) {
                double d = std::hypot(x + 0.5 - 25 - off, y + 0.5 - 25 - off);
                bool set = c.GetPixel(x, y) == kInk;
                ink += set;
                if (set) {
                    EXPECT_LE(std::abs(d - k.r), k.width / 2.0 + 0.01) << x << "," << y;
                }
                if (std::abs(d - k.r) < k.width / 2.0 - 0.01) {
                    EXPECT_TRUE(set) << x << "," << y;
                }
            }
        EXPECT_EQ(c.GetPixel(25, 25), kWhite) << "the centre stays open";
        EXPECT_TRUE(MirrorSymmetric(c, InkBox(c)));
        // A closed ring: its area is about the circumference times the pen width.
        EXPECT_NEAR(ink, 2 * 3.14159 * k.r * k.width, 2 * 3.14159 * k.r * k.width * 0.2 + 4);
    }
}

// A one-pixel outline shuts its inside off: the outside, flooded through edge-neighbours, never
// reaches the centre.
TEST(CanvasTest, OnePixelCirclesAreClosed) {
    for (double r : {3.0, 9.0, 40.0, 100.5}) {
        const int size = static_cast<int>(2 * r) + 10, mid = size / 2;
        Canvas c(size, size, kWhite);
        c.Circle(mid, mid, r, 1, kInk);
        std::vector<char> seen(static_cast<size_t>(size) * size, 0);
        std::vector<std::pair<int, int>> todo{{0, 0}};
        seen[0] = 1;
        while (!todo.empty()) {
            auto [x, y] = todo.back();
            todo.pop_back();
            const int nx[4] = {x + 1, x - 1, x, x}, ny[4] = {y, y, y + 1, y - 1};
            for (int k = 0; k < 4; ++k) {
                int u = nx[k], v = ny[k];
                if (u < 0 || v < 0 || u >= size || v >= size) continue;
                char& s = seen[static_cast<size_t>(v) * size + u];
                if (s || c.GetPixel(u, v) == kInk) continue;
                s = 1;
                todo.push_back({u, v});
            }
        }
        EXPECT_FALSE(seen[static_cast<size_t>(mid) * size + mid]) << "radius " << r;
        EXPECT_EQ(c.GetPixel(mid, mid), kWhite);
        const int rr = static_cast<int>(std::lround(r));
        for (int p : {mid - rr, mid + rr}) {
            EXPECT_EQ(c.GetPixel(p, mid), kInk) << "radius " << r;
            EXPECT_EQ(c.GetPixel(mid, p), kInk) << "radius " << r;
        }
    }
}

TEST(CanvasTest, FilledCirclesAreCentredOnThePixel) {
    Canvas c(9, 9, kWhite);
    c.FillCircle(4, 4, 3, kInk);
    EXPECT_EQ(Ascii(c), (std::vector<std::string>{".........", "...###...", "..#####..",
                                                  ".#######.", ".#######.", ".#######.",
                                                  "..#####..", "...###...", "........."}));
    Canvas one(3, 3, kWhite);
    one.FillCircle(1, 1, 0, kInk);
    EXPECT_EQ(CountInk(one), 1);
}

TEST(CanvasTest, RectanglesFramesGradientsAndRoundedRectangles) {
    Canvas c(10, 8, kWhite);
    c.FrameRect(IRect{1, 1, 8, 6}, 2, kInk);
    EXPECT_EQ(Ascii(c),
              (std::vector<std::string>{"..........", ".########.", ".########.", ".##....##.",
                                        ".##....##.", ".########.", ".########.", ".........."}));
    Canvas g(2, 5, kWhite);
    g.FillGradient(IRect{0, 0, 2, 5}, 0x000000, 0xFFFFFF);
    EXPECT_EQ(g.GetPixel(0, 0), 0x000000);
    EXPECT_EQ(g.GetPixel(1, 4), 0xFFFFFF);
    EXPECT_NEAR(g.GetPixel(0, 2) & 0xFF, 128, 1);
    Canvas r(12, 12, kWhite);
    r.FillRoundRect(IRect{0, 0, 12, 12}, 4, kInk);
    EXPECT_NE(r.GetPixel(0, 0), kInk);
    EXPECT_NE(r.GetPixel(11, 11), kInk);
    EXPECT_EQ(r.GetPixel(0, 6), kInk);
    EXPECT_EQ(r.GetPixel(6, 0), kInk);
    EXPECT_TRUE(MirrorSymmetric(r, IRect{0, 0, 12, 12}));
}

// Every operation stays inside the clip rectangle.
TEST(CanvasTest, DrawingIsClipped) {
    Canvas src(30, 30, kInk);
    uint8_t mask[30 * 30];
    std::fill(std::begin(mask), std::end(mask), uint8_t{255});
    const std::vector<std::function<void(Canvas&)>> ops = {
        [](Canvas& c) { c.Fill(kInk); },
        [](Canvas& c) {
            c.FillRect(IRect{-5, -5, 40, 40}, kInk);
        },
        [](Canvas& c) { c.Line(0, 0, 29, 29, 1, kInk); },
        [](Canvas& c) { c.Line(0, 15, 29, 15, 9, kInk); },
        [](Canvas& c) { c.Circle(15, 15, 8, 5, kInk); },
        [](Canvas& c) { c.FillCircle(15, 15, 12, kInk); },
        [](Canvas& c) {
            c.FillRoundRect(IRect{0, 0, 30, 30}, 5, kInk);
        },
        [](Canvas& c) {
            c.FillGradient(IRect{0, 0, 30, 30}, kInk, kInk);
        },
        [](Canvas& c) {
            c.SetPixel(2, 2, kInk);
            c.SetPixel(12, 12, kInk);
        },
        [&](Canvas& c) {
            c.Blit(src, IRect{0, 0, 30, 30}, -3, 2);
        },
        [&](Canvas& c) {
            c.BlitMasked(src, IRect{0, 0, 30, 30}, 0, 0, 0);
        },
        [&](Canvas& c) {
            c.BlitBlend(src, IRect{0, 0, 30, 30}, 0, 0);
        },
        [&](Canvas& c) {
            c.BlitScaled(src, IRect{-10, -10, 50, 50});
        },
        [&](Canvas& c) { c.BlendMask(mask, 30, 30, 30, 0, 0, kInk); },
    };
    const IRect clip{10, 10, 10, 10};
    for (size_t i = 0; i < ops.size(); ++i) {
        Canvas c(30, 30, kWhite);
        c.SetClip(clip);
        ops[i](c);
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 30; ++x)
                if (!clip.Contains(x, y)) {
                    ASSERT_EQ(c.GetPixel(x, y), kWhite) << "op " << i;
                }
        EXPECT_GT(CountInk(c), 0) << "op " << i;
    }
    Canvas c(30, 30, kWhite);
    c.SetClip(IRect{20, 20, 50, 50});
    EXPECT_EQ(c.Clip(), (IRect{20, 20, 10, 10})); // kept inside the canvas
    c.ClearClip();
    EXPECT_EQ(c.Clip(), (IRect{0, 0, 30, 30}));
}

TEST(CanvasTest, BlitsCopyMaskAndBlend) {
    Canvas src(3, 1, kWhite);
    src.SetPixel(0, 0, 0x0000FF); // red: the mask colour below
    src.SetPixel(1, 0, 0x00FF00);
    src.SetPixel(2, 0, 0xFF0000);

    Canvas plain(5, 3, 0x000000);
    plain.Blit(src, IRect{0, 0, 3, 1}, 1, 1);
    EXPECT_EQ(plain.GetPixel(1, 1), 0x0000FF);
    EXPECT_EQ(plain.GetPixel(3, 1), 0xFF0000);
    EXPECT_EQ(plain.GetPixel(4, 1), 0x000000);

    // The mask colour is compared on its low 24 bits: a value with bit 25 set still masks red.
    Canvas masked(5, 3, 0x000000);
    masked.BlitMasked(src, IRect{0, 0, 3, 1}, 1, 1, 0x020000FF);
    EXPECT_EQ(masked.GetPixel(1, 1), 0x000000);
    EXPECT_EQ(masked.GetPixel(2, 1), 0x00FF00);
    EXPECT_EQ(masked.GetPixel(3, 1), 0xFF0000);

    // A source rectangle reaching outside the source copies only what exists, in its place.
    Canvas part(5, 3, 0x000000);
    part.Blit(src, IRect{-1, 0, 3, 1}, 0, 0);
    EXPECT_EQ(part.GetPixel(0, 0), 0x000000);
    EXPECT_EQ(part.GetPixel(1, 0), 0x0000FF);
    EXPECT_EQ(part.GetPixel(2, 0), 0x00FF00);

    // Within one canvas, moving a block down or up keeps it whole.
    for (int shift : {2, -2}) {
        Canvas self(1, 6, 0);
        for (int y = 0; y < 6; ++y)
            self.SetPixel(0, y, y);
        self.Blit(self, IRect{0, shift > 0 ? 0 : 2, 1, 4}, 0, shift > 0 ? 2 : 0);
        for (int y = 0; y < 4; ++y)
            EXPECT_EQ(self.GetPixel(0, (shift > 0 ? 2 : 0) + y), (shift > 0 ? 0 : 2) + y) << shift;
    }

    // Blending with the source's alpha: opaque copies, transparent skips, half mixes.
    Canvas alpha(3, 1, 0);
    alpha.Pixels()[0] = 0xFFFFFFFFu;
    alpha.Pixels()[1] = 0x00FFFFFFu;
    alpha.Pixels()[2] = 0x80FFFFFFu;
    Canvas dst(3, 1, 0x000000);
    dst.BlitBlend(alpha, IRect{0, 0, 3, 1}, 0, 0);
    EXPECT_EQ(dst.GetPixel(0, 0), 0xFFFFFF);
    EXPECT_EQ(dst.GetPixel(1, 0), 0x000000);
    EXPECT_NEAR(dst.GetPixel(2, 0) & 0xFF, 128, 1);
    EXPECT_EQ(dst.RawPixel(2, 0) >> 24, 0xFFu);
}

TEST(CanvasTest, ScaledBlitsFilterSmoothly) {
    // A uniform picture stays exactly its colour at any scale.
    Canvas flat(7, 5, 0x336699);
    for (IRect d : {IRect{0, 0, 20, 13}, IRect{0, 0, 3, 2}, IRect{0, 0, 1, 1}}) {
        Canvas c(20, 13, 0);
        c.BlitScaled(flat, d);
        for (int y = 0; y < d.h; ++y)
            for (int x = 0; x < d.w; ++x)
                ASSERT_EQ(c.GetPixel(x, y), 0x336699);
    }
    // Enlarging blends neighbours: between black and white lies grey.
    Canvas two(2, 1, 0x000000);
    two.SetPixel(1, 0, 0xFFFFFF);
    Canvas big(8, 1, 0x0000FF);
    big.BlitScaled(two, IRect{0, 0, 8, 1});
    EXPECT_EQ(big.GetPixel(0, 0), 0x000000);
    EXPECT_EQ(big.GetPixel(7, 0), 0xFFFFFF);
    int mid = big.GetPixel(4, 0) & 0xFF;
    EXPECT_GT(mid, 64);
    EXPECT_LT(mid, 224);
    for (int x = 1; x < 8; ++x)
        EXPECT_GE(big.GetPixel(x, 0) & 0xFF, big.GetPixel(x - 1, 0) & 0xFF);
    // Shrinking a fine checkerboard a lot averages it to grey instead of picking pixels.
    Canvas checker(64, 64, 0x000000);
    for (int y = 0; y < 64; ++y)
        for (int x = (y & 1); x < 64; x += 2)
            checker.SetPixel(x, y, 0xFFFFFF);
    Canvas small(4, 4, 0x0000FF);
    small.BlitScaled(checker, IRect{0, 0, 4, 4});
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_NEAR(small.GetPixel(x, y) & 0xFF, 128, 3);
    // Transparent pixels do not darken their opaque neighbours, and blending keeps the back.
    Canvas edge(2, 1, 0);
    edge.Pixels()[0] = 0xFFFF0000u; // opaque red
    edge.Pixels()[1] = 0x00000000u; // transparent black
    Canvas back(8, 1, 0xFF0000);    // blue
    back.BlitScaled(edge, IRect{0, 0, 8, 1}, true);
    for (int x = 0; x < 8; ++x) {
        int32_t p = back.GetPixel(x, 0);
        EXPECT_EQ((p >> 8) & 0xFF, 0) << x; // no green, no grey: only red over blue
        EXPECT_EQ((p & 0xFF) + ((p >> 16) & 0xFF), 255) << x;
    }
}

TEST(CanvasTest, TextMasksBlendInTheColour) {
    Canvas c(3, 2, 0xFFFFFF);
    const uint8_t mask[] = {255, 0, 128, 9, 9, 9, /* pitch 6 */ 0, 255, 0, 9, 9, 9};
    c.BlendMask(mask, 3, 2, 6, 0, 0, 0x000000);
    EXPECT_EQ(c.GetPixel(0, 0), 0x000000);
    EXPECT_EQ(c.GetPixel(1, 0), 0xFFFFFF);
    EXPECT_NEAR(c.GetPixel(2, 0) & 0xFF, 127, 1);
    EXPECT_EQ(c.GetPixel(1, 1), 0x000000);
    c.BlendMask(mask, 3, 2, 6, -2, 1, 0x0000FF); // partly outside: only (0, 1) gets mask (2, 0)
    EXPECT_EQ(c.GetPixel(0, 1) & 0xFF, 0xFF);
    EXPECT_NEAR((c.GetPixel(0, 1) >> 8) & 0xFF, 127, 1);
}

// Pictures: loading through the resolver, the two errors, and saving.
class PictureTest : public ::testing::Test {
  protected:
    void SetUp() override {
        char tmpl[] = "/tmp/wo_picture_XXXXXX";
        ASSERT_NE(mkdtemp(tmpl), nullptr);
        dir_ = tmpl;
    }
    void TearDown() override { std::system(("rm -rf '" + dir_ + "'").c_str()); }
    std::string dir_;
};

TEST_F(PictureTest, MissingFileRaises53AndNonPictureRaises481) {
    EXPECT_EQ(forms::LoadPicture(""), nullptr); // the empty name: no picture, no error
    try {
        forms::LoadPicture(dir_ + "/none.png");
        FAIL() << "no error";
    } catch (const forms::RuntimeError& e) {
        EXPECT_EQ(e.Number(), 53);
    }
    for (const char* name : {"/text.png", "/empty.bmp"}) {
        std::ofstream(dir_ + name) << (name[1] == 't' ? "not a picture at all" : "");
        try {
            forms::LoadPicture(dir_ + name);
            FAIL() << "no error for " << name;
        } catch (const forms::RuntimeError& e) {
            EXPECT_EQ(e.Number(), 481) << name;
        }
    }
}

TEST_F(PictureTest, SavedPicturesLoadBackThroughTheResolver) {
    Canvas c(5, 4, 0x102030);
    c.SetPixel(1, 2, 0x0000FF);
    c.Pixels()[0] = 0x40FFFFFFu; // alpha survives PNG
    forms::SavePicture(c, dir_ + "/Saved.png");
    forms::PicturePtr p = forms::LoadPicture(dir_ + "\\SAVED.PNG");
    ASSERT_EQ(p->Width(), 5);
    ASSERT_EQ(p->Height(), 4);
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(p->Pixels().Pixels()[i], c.Pixels()[i]) << i;

    Canvas big(32, 32, 0x0080FF);
    forms::SavePicture(big, dir_ + "/photo.jpg");
    forms::PicturePtr j = forms::LoadPicture(dir_ + "/photo.jpg");
    ASSERT_EQ(j->Width(), 32);
    int32_t px = j->Pixels().GetPixel(16, 16);
    EXPECT_NEAR(px & 0xFF, 0xFF, 6);
    EXPECT_NEAR((px >> 8) & 0xFF, 0x80, 6);
    EXPECT_NEAR((px >> 16) & 0xFF, 0x00, 6);
    EXPECT_EQ(j->Pixels().RawPixel(0, 0) >> 24, 0xFFu);

    try {
        forms::SavePicture(c, dir_ + "/no/such/folder/x.png");
        FAIL() << "no error";
    } catch (const forms::RuntimeError& e) {
        EXPECT_EQ(e.Number(), 75);
    }
}
