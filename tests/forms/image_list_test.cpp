#include "forms/errors.h"
#include "forms/image_list.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

using forms::Canvas;
using forms::ImageList;
using forms::IRect;

namespace {

constexpr int32_t kRed = 0x0000FF, kBlue = 0xFF0000, kWhite = 0xFFFFFF, kGreen = 0x00FF00;

int ErrorOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const forms::RuntimeError& e) {
        return e.Number();
    }
    return 0;
}

// A swatch (blue) and a mark drawn on red: a white ring with a green centre pixel.
ImageList SwatchAndMark() {
    ImageList list;
    list.Add(forms::MakePicture(Canvas(5, 5, kBlue)));
    Canvas mark(5, 5, kRed);
    mark.FrameRect(IRect{1, 1, 3, 3}, 1, kWhite);
    mark.SetPixel(2, 2, kGreen);
    list.Add(forms::MakePicture(std::move(mark)));
    return list;
}

} // namespace

TEST(ImageListTest, PicturesAreNumberedFromOne) {
    ImageList list;
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.Add(forms::MakePicture(Canvas(35, 35, kRed))), 1);
    EXPECT_EQ(list.Add(forms::MakePicture(Canvas(10, 10, kBlue))), 2);
    EXPECT_EQ(list.ImageWidth(), 35); // taken from the first picture
    EXPECT_EQ(list.ImageHeight(), 35);
    EXPECT_EQ(list.Picture(2)->Pixels().GetPixel(0, 0), kBlue);
    for (int bad : {0, 3, -1})
        EXPECT_EQ(ErrorOf([&] { list.Picture(bad); }), 9) << bad;
    EXPECT_EQ(ErrorOf([&] { list.Overlay(1, 3); }), 9);
    EXPECT_EQ(ErrorOf([&] { list.Add(nullptr); }), 5);
}

TEST(ImageListTest, OverlayLeavesOutTheMarksMaskColour) {
    ImageList list = SwatchAndMark();
    list.SetMaskColor(255);
    list.SetBackColor(255);
    forms::PicturePtr out = list.Overlay(1, 2);
    const Canvas& c = out->Pixels();
    ASSERT_EQ(c.Width(), 5);
    EXPECT_EQ(c.GetPixel(0, 0), kBlue);  // mask colour: the swatch shows
    EXPECT_EQ(c.GetPixel(1, 1), kWhite); // the mark's ring
    EXPECT_EQ(c.GetPixel(2, 2), kGreen);
    EXPECT_EQ(c.GetPixel(4, 4), kBlue);
    // The list's own pictures are untouched.
    EXPECT_EQ(list.Picture(1)->Pixels().GetPixel(1, 1), kBlue);
    EXPECT_EQ(list.Picture(2)->Pixels().GetPixel(0, 0), kRed);

    // Only the low 24 bits of the mask colour count.
    list.SetMaskColor(0x020000FF);
    EXPECT_EQ(list.MaskColor(), 0x020000FF);
    EXPECT_EQ(list.Overlay(1, 2)->Pixels().GetPixel(0, 0), kBlue);

    // Another mask colour: the red of the mark is drawn, the white left out.
    list.SetMaskColor(kWhite);
    forms::PicturePtr other = list.Overlay(1, 2);
    const Canvas& w = other->Pixels();
    EXPECT_EQ(w.GetPixel(0, 0), kRed);
    EXPECT_EQ(w.GetPixel(1, 1), kBlue);

    list.SetUseMaskColor(false);
    EXPECT_EQ(list.Overlay(1, 2)->Pixels().GetPixel(1, 1), kWhite);
}

TEST(ImageListTest, OverlayIsOpaqueOverTheBackColour) {
    ImageList list;
    Canvas base(3, 1, kBlue);
    base.Pixels()[1] = 0x00000000u; // a transparent hole in the base
    list.Add(forms::MakePicture(std::move(base)));
    list.Add(forms::MakePicture(Canvas(3, 1, kRed)));
    list.SetMaskColor(kRed);
    list.SetBackColor(kGreen);
    forms::PicturePtr out = list.Overlay(1, 2);
    const Canvas& c = out->Pixels();
    EXPECT_EQ(c.GetPixel(0, 0), kBlue);
    EXPECT_EQ(c.GetPixel(1, 0), kGreen);
    for (int x = 0; x < 3; ++x)
        EXPECT_EQ(c.RawPixel(x, 0) >> 24, 0xFFu);
}

class ImageFolderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        char tmpl[] = "/tmp/wo_images_XXXXXX";
        ASSERT_NE(mkdtemp(tmpl), nullptr);
        dir_ = tmpl;
    }
    void TearDown() override { std::system(("rm -rf '" + dir_ + "'").c_str()); }
    std::string dir_;
};

TEST_F(ImageFolderTest, LoadsNumberedPicturesUpToTheHighest) {
    forms::SavePicture(Canvas(35, 35, kRed), dir_ + "/1.png");
    forms::SavePicture(Canvas(35, 35, kGreen), dir_ + "/2.Bmp");
    forms::SavePicture(Canvas(35, 35, kBlue), dir_ + "/3.JPG");
    std::ofstream(dir_ + "/notes.txt") << "not a picture of the list";
    ImageList list;
    list.Add(forms::MakePicture(Canvas(1, 1, 0)));
    EXPECT_EQ(list.LoadFolder(dir_), 3);
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(list.Picture(2)->Pixels().GetPixel(3, 3), kGreen);
    EXPECT_NEAR(list.Picture(3)->Pixels().GetPixel(3, 3) >> 16, 0xFF, 8);
    EXPECT_EQ(ImageList().LoadFolder(dir_ + "/none"), 0);
}

// A picture gone from the middle must not shift the numbers of the ones after it.
TEST_F(ImageFolderTest, AMissingOrBadPictureKeepsItsNumberEmpty) {
    forms::SavePicture(Canvas(35, 20, kRed), dir_ + "/1.png");
    std::ofstream(dir_ + "/2.png") << "garbage";
    forms::SavePicture(Canvas(35, 20, kWhite), dir_ + "/5.png");
    ImageList list;
    EXPECT_EQ(list.LoadFolder(dir_), 5);
    EXPECT_EQ(list.Picture(5)->Pixels().GetPixel(3, 3), kWhite);
    for (int n : {2, 3, 4}) {
        EXPECT_EQ(list.Picture(n)->Width(), 35) << n;
        EXPECT_EQ(list.Picture(n)->Height(), 20) << n;
        EXPECT_EQ(list.Picture(n)->Pixels().RawPixel(3, 3) >> 24, 0u) << n << " is transparent";
    }
}
