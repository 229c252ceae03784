#include "forms/font_registry.h"
#include "forms/text.h"
#include "forms/twips.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

using forms::Canvas;
using forms::FontSpec;
using forms::MeasureText;

namespace {

constexpr const char* kSerif = "/usr/share/fonts/truetype/liberation/LiberationSerif-Regular.ttf";

class TextTest : public ::testing::Test {
  protected:
    void SetUp() override {
        forms::FontRegistry::Instance().Reset();
        forms::SetTwipsPerPixel(15, 15);
    }
    void TearDown() override {
        forms::FontRegistry::Instance().Reset();
        forms::SetTwipsPerPixel(15, 15);
    }
};

// The box of pixels that differ from the background.
forms::IRect InkBox(const Canvas& c, int32_t back) {
    forms::IRect box;
    for (int y = 0; y < c.Height(); ++y)
        for (int x = 0; x < c.Width(); ++x)
            if (c.GetPixel(x, y) != back) box = box.Union(forms::IRect{x, y, 1, 1});
    return box;
}

} // namespace

TEST_F(TextTest, MeasureGrowsWithSizeAndBold) {
    const std::string text = "Apple and Zebra";
    forms::TextSize previous{0, 0};
    for (double points : {8.25, 12.0, 18.0, 36.0}) {
        forms::TextSize s = MeasureText(FontSpec{"Arial", points}, text);
        EXPECT_GT(s.w, previous.w) << points;
        EXPECT_GT(s.h, previous.h) << points;
        previous = s;
    }
    EXPECT_GT(MeasureText(FontSpec{"Arial", 12, true}, text).w,
              MeasureText(FontSpec{"Arial", 12}, text).w);
    EXPECT_EQ(MeasureText(FontSpec{"Arial", 12}, "").w, 0);
    EXPECT_GT(MeasureText(FontSpec{"Arial", 12}, "").h, 0);
}

TEST_F(TextTest, PointsBecomePixelsThroughTheScreensTwipsPerPixel) {
    // 12 points at 15 twips a pixel are 16 pixels of em; with 12 twips a pixel, 20.
    int normal = forms::FontLineHeight(FontSpec{"Arial", 12});
    EXPECT_GE(normal, 16);
    EXPECT_LE(normal, 20);
    forms::SetTwipsPerPixel(12, 12);
    int large = forms::FontLineHeight(FontSpec{"Arial", 12});
    EXPECT_GE(large, 20);
    EXPECT_LE(large, 25);
    // Fractional points count: 9 points at 12 twips a pixel are 11.25 points at 15 (15 pixels).
    forms::SetTwipsPerPixel(12, 12);
    int nine = forms::FontLineHeight(FontSpec{"Arial", 9});
    forms::SetTwipsPerPixel(15, 15);
    EXPECT_EQ(nine, forms::FontLineHeight(FontSpec{"Arial", 11.25}));
}

TEST_F(TextTest, MissingFaceIsDrawnInArial) {
    FontSpec missing{"No Such Face", 14};
    FontSpec arial{"Arial", 14};
    EXPECT_EQ(MeasureText(missing, "Hello").w, MeasureText(arial, "Hello").w);
    Canvas a(100, 30, 0xFFFFFF), b(100, 30, 0xFFFFFF);
    forms::DrawText(a, 2, 2, missing, "Hello", 0);
    forms::DrawText(b, 2, 2, arial, "Hello", 0);
    for (int i = 0; i < 100 * 30; ++i)
        ASSERT_EQ(a.Pixels()[i], b.Pixels()[i]);
    // Odd sizes do not break it.
    EXPECT_GT(MeasureText(FontSpec{"Arial", 0}, "x").h, 0);
    EXPECT_GT(MeasureText(FontSpec{"Arial", -3}, "x").h, 0);
}

TEST_F(TextTest, FaceWithoutBoldFileIsEmboldened) {
    ASSERT_EQ(forms::FontRegistry::Instance().AddFontFile(kSerif), 1);
    FontSpec serif{"liberation serif", 14};
    FontSpec bold = serif;
    bold.bold = true;
    EXPECT_FALSE(forms::FontRegistry::Instance().HasBoldFile("Liberation Serif"));
    // A face of its own: not Arial's metrics.
    EXPECT_NE(MeasureText(serif, "Wise Owlet").w,
              MeasureText(FontSpec{"Arial", 14}, "Wise Owlet").w);
    Canvas plain(120, 30, 0xFFFFFF), heavy(120, 30, 0xFFFFFF);
    forms::DrawText(plain, 0, 0, serif, "lll", 0);
    forms::DrawText(heavy, 0, 0, bold, "lll", 0);
    auto darkness = [](const Canvas& c) {
        long sum = 0;
        for (int i = 0; i < c.Width() * c.Height(); ++i)
            sum += 255 - (c.Pixels()[i] & 0xFF);
        return sum;
    };
    EXPECT_GT(darkness(heavy), darkness(plain) * 11 / 10);
}

TEST_F(TextTest, DrawsAntiAliasedInTheColourWithinTheMeasuredBox) {
    FontSpec f{"Arial", 18};
    const std::string text = "Owl";
    forms::TextSize s = MeasureText(f, text);
    Canvas c(200, 60, 0xFFFFFF);
    forms::DrawText(c, 10, 5, f, text, 0x0000FF);
    forms::IRect box = InkBox(c, 0xFFFFFF);
    ASSERT_FALSE(box.Empty());
    EXPECT_GE(box.x, 10);
    EXPECT_GE(box.y, 5);
    EXPECT_LE(box.x + box.w, 10 + s.w + 1);
    EXPECT_LE(box.y + box.h, 5 + s.h);
    int solid = 0, partial = 0;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 200; ++x) {
            int32_t p = c.GetPixel(x, y);
            if (p == 0x0000FF)
                ++solid;
            else if (p != 0xFFFFFF) {
                ++partial;
                EXPECT_EQ(p & 0xFF, 0xFF) << "blended toward red only";
            }
        }
    EXPECT_GT(solid, 20);
    EXPECT_GT(partial, 10);
    // The same text again in another colour (served from the cache) takes that colour.
    Canvas d(200, 60, 0xFFFFFF);
    forms::DrawText(d, 10, 5, f, text, 0xFF0000);
    EXPECT_EQ(InkBox(d, 0xFFFFFF), box);
    EXPECT_GT(d.GetPixel(box.x + box.w / 2, box.y + box.h / 2) & 0xFF0000, 0);
}

TEST_F(TextTest, WesternCodePageTextIsDrawn) {
    FontSpec f{"Arial", 20};
    // e-acute and the euro sign are single bytes of the program's text.
    EXPECT_GT(MeasureText(f, "\xE9").w, 0);
    EXPECT_EQ(MeasureText(f, "\xE9").w, MeasureText(f, "e").w);
    EXPECT_GT(MeasureText(f, "\x80").w, 0);
    Canvas e(40, 40, 0xFFFFFF), acute(40, 40, 0xFFFFFF);
    forms::DrawText(e, 5, 5, f, "e", 0);
    forms::DrawText(acute, 5, 5, f, "\xE9", 0);
    EXPECT_LT(InkBox(acute, 0xFFFFFF).y, InkBox(e, 0xFFFFFF).y); // the accent rises above
}

TEST_F(TextTest, TextIsClippedToTheCanvas) {
    Canvas c(20, 10, 0xFFFFFF);
    forms::DrawText(c, -30, -5, FontSpec{"Arial", 24}, "Wise Owlet", 0);
    forms::DrawText(c, 15, 8, FontSpec{"Arial", 24}, "Wise Owlet", 0);
    c.SetClip(forms::IRect{0, 0, 5, 5});
    forms::DrawText(c, 0, 0, FontSpec{"Arial", 24}, "M", 0x00FF00);
    for (int y = 0; y < 10; ++y)
        for (int x = 5; x < 20; ++x)
            EXPECT_NE(c.GetPixel(x, y), 0x00FF00);
}
