// Controls on screen: picture box drawing rules and Paint, labels, images, repainting only what
// changed, message boxes, mouse pointers.
#include "tests/support/headless.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace forms;
using testsupport::Headless;

namespace {

constexpr int32_t kWhite = 0xFFFFFF, kRed = 0x0000FF, kBlue = 0xFF0000, kGreen = 0x00FF00;

// Text ink (black, antialiased).
bool Dark(int32_t c) {
    return (c & 0xFF) < 0x60 && ((c >> 8) & 0xFF) < 0x60 && ((c >> 16) & 0xFF) < 0x60;
}

struct BoardForm : Form {
    PictureBox Board{this};
    PictureBox Cover{this};
    Label Text{this};
    Image Art{this};
    int paints = 0;
    BoardForm() {
        SetBorderStyle(vbBSNone);
        Move(0, 0, 600 * 15, 400 * 15);
        SetBackColor(0x808080);
        Board.Move(10, 10, 100, 80);
        Board.SetBackColor(kWhite);
        Board.Paint = [this] { ++paints; };
        Cover.Move(300, 10, 50, 50);
        Text.Move(300, 100, 200, 60);
        Art.Move(300, 200, 10, 10);
    }
};

class ControlsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        f.Show();
        h.Pump();
    }
    Headless h;
    BoardForm f;
    PictureBox& b = f.Board;
    // A pixel of the board's surface and of the screen at the same place.
    int32_t At(int x, int y) { return b.Point(x, y); }
    int32_t ScreenAt(int x, int y) { return h.Pixel(10 + x, 10 + y); }
};

TEST_F(ControlsTest, CurrentPointRules) {
    struct Step {
        const char* what;
        std::function<void(PictureBox&)> act;
        double x, y;
    } steps[] = {
        {"Cls", [](PictureBox& p) { p.Cls(); }, 0, 0},
        {"LineTo", [](PictureBox& p) { p.LineTo(20, 10); }, 20, 10},
        {"LineTo again", [](PictureBox& p) { p.LineTo(30, 30); }, 30, 30},
        {"Line", [](PictureBox& p) { p.Line(5, 5, 40, 6); }, 40, 6},
        {"Circle", [](PictureBox& p) { p.Circle(50, 40, 10); }, 50, 40},
        {"Circle r=0", [](PictureBox& p) { p.Circle(60, 50, 0); }, 60, 50},
        {"PSet", [](PictureBox& p) { p.PSet(70, 20); }, 70, 20},
        {"Box", [](PictureBox& p) { p.Box(1, 2, 8, 9); }, 8, 9},
        {"Cls again", [](PictureBox& p) { p.Cls(); }, 0, 0},
    };
    for (const auto& s : steps) {
        s.act(b);
        EXPECT_DOUBLE_EQ(b.CurrentX(), s.x) << s.what;
        EXPECT_DOUBLE_EQ(b.CurrentY(), s.y) << s.what;
    }
    // LineTo draws from the current point: a line from (0,0) after Cls.
    b.SetForeColor(kRed);
    b.LineTo(10, 0);
    EXPECT_EQ(At(0, 0), kRed);
    EXPECT_EQ(At(5, 0), kRed);
}

TEST_F(ControlsTest, DotsLinesAndCirclesUseDrawWidthAndColours) {
    b.SetDrawWidth(9);
    b.Circle(20, 20, 0, kRed); // a round dot of the pen's width
    EXPECT_EQ(At(20, 20), kRed);
    EXPECT_EQ(At(23, 20), kRed);
    EXPECT_EQ(At(25, 20), kWhite);
    EXPECT_EQ(At(24, 24), kWhite); // round, not square
    b.Line(40, 20, 40, 20, kBlue); // a zero-length line is a dot too
    EXPECT_EQ(At(43, 20), kBlue);
    // Outline in the given colour, filled with FillColor when the fill style is solid.
    b.SetDrawWidth(1);
    b.SetFillStyle(vbFSSolid);
    b.SetFillColor(kGreen);
    b.Circle(60, 50, 15, kBlue);
    EXPECT_EQ(At(60, 50), kGreen);
    EXPECT_EQ(At(75, 50), kBlue);
    b.SetFillStyle(vbFSTransparent);
    b.Circle(20, 60, 10, kBlue);
    EXPECT_EQ(At(20, 60), kWhite);
    // The screen shows what the surface holds.
    EXPECT_EQ(ScreenAt(60, 50), kGreen);
}

TEST_F(ControlsTest, ColoursKeepTheirHighBitsAndDrawWithTheLow24) {
    const int32_t odd = static_cast<int32_t>(0x800000FFu); // red with a system-colour bit
    b.SetForeColor(odd);
    b.SetFillColor(odd);
    b.SetBackColor(static_cast<int32_t>(0x8000FF00u));
    EXPECT_EQ(b.ForeColor(), odd);
    EXPECT_EQ(b.FillColor(), odd);
    EXPECT_EQ(b.BackColor(), static_cast<int32_t>(0x8000FF00u));
    EXPECT_EQ(At(1, 1), kGreen);
    b.PSet(5, 5);
    EXPECT_EQ(At(5, 5), kRed);
    f.Text.SetBackColor(static_cast<int32_t>(0xFF0000FFu));
    EXPECT_EQ(h.Pixel(302, 102), kRed);
}

TEST_F(ControlsTest, ClsAndBackColourClearWhatWasDrawn) {
    b.SetDrawWidth(3);
    b.Line(0, 0, 99, 79, kRed);
    EXPECT_EQ(ScreenAt(50, 40), kRed);
    b.Cls();
    EXPECT_EQ(At(50, 40), kWhite);
    EXPECT_EQ(ScreenAt(50, 40), kWhite);
    b.Line(0, 0, 99, 79, kRed);
    b.SetBackColor(kBlue);
    EXPECT_EQ(At(50, 40), kBlue);
    EXPECT_EQ(ScreenAt(50, 40), kBlue);
    // Setting the same back colour is no change: the drawing stays.
    b.Line(0, 0, 99, 79, kRed);
    b.SetBackColor(kBlue);
    EXPECT_EQ(At(50, 40), kRed);
}

TEST_F(ControlsTest, PaintOnlyWhenShownUncoveredResizedOrRecoloured) {
    EXPECT_EQ(f.paints, 1); // first shown
    h.Advance(1000);
    b.Line(0, 0, 10, 10);
    h.Pump();
    EXPECT_EQ(f.paints, 1); // drawing, time passing: nothing
    b.Move(10, 10, 120, 80);
    h.Pump();
    EXPECT_EQ(f.paints, 2); // resized
    b.Move(12, 12);
    h.Pump();
    EXPECT_EQ(f.paints, 2); // moved only
    b.SetBackColor(kGreen);
    h.Pump();
    EXPECT_EQ(f.paints, 3);
    // A form shown above it and hidden again uncovers it.
    struct Over : Form {
        Over() {
            SetBorderStyle(vbBSNone);
            Move(0, 0, 60 * 15, 60 * 15);
        }
    } over;
    over.Show();
    h.Pump();
    EXPECT_EQ(f.paints, 3);
    over.Hide();
    h.Pump();
    EXPECT_EQ(f.paints, 4);
    // Hidden and shown again.
    b.SetVisible(false);
    b.SetVisible(true);
    h.Pump();
    EXPECT_EQ(f.paints, 5);
    // A message box closing over it: the platform repaints what it covered.
    MsgBox("x");
    h.Pump();
    EXPECT_EQ(f.paints, 5); // scripted boxes cover nothing
}

TEST_F(ControlsTest, DrawingPersistsAndResizingKeepsIt) {
    b.Line(5, 5, 5, 5, kRed);
    b.Move(10, 10, 200, 150);
    h.Pump();
    EXPECT_EQ(At(5, 5), kRed);
    EXPECT_EQ(At(150, 120), kWhite);
}

TEST_F(ControlsTest, NothingIsRepaintedWhileNothingChanges) {
    h.Pump();
    const int64_t frames = Screen::FrameCount();
    h.Advance(5000);
    Timer idle;
    idle.SetInterval(10);
    idle.Tick = [] {};
    h.Advance(1000);
    EXPECT_EQ(Screen::FrameCount(), frames);
    f.Text.SetCaption("changed");
    h.Pump();
    EXPECT_EQ(Screen::FrameCount(), frames + 1);
}

TEST_F(ControlsTest, ControlsAreClippedToTheirContainer) {
    PictureBox child{&b};
    child.Move(90, 70, 50, 50);
    child.SetBackColor(kRed);
    h.Pump();
    EXPECT_EQ(ScreenAt(95, 75), kRed);
    EXPECT_EQ(ScreenAt(105, 75), 0x808080); // beyond the board: the form
}

TEST(AccessKeysTest, AmpersandsHideOrShowOne) {
    struct Case {
        const char* in;
        const char* out;
    } cases[] = {
        {"&Play", "Play"}, {"Rock && Roll", "Rock & Roll"}, {"&&&A", "&A"}, {"end&", "end"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(StripAccessKeys(c.in), c.out) << c.in;
}

TEST_F(ControlsTest, LabelBreaksAtCrLfAndWrapsOnlyWhenAsked) {
    Label& l = f.Text;
    l.SetCaption("One\r\nTwo && three\nfour");
    EXPECT_EQ(l.DisplayLines(), (std::vector<std::string>{"One", "Two & three", "four"}));
    l.SetCaption("alpha beta gamma delta epsilon zeta eta theta");
    l.Move(300, 100, 80, 60);
    EXPECT_EQ(l.DisplayLines().size(), 1u);
    l.SetWordWrap(true);
    const auto lines = l.DisplayLines();
    EXPECT_GT(lines.size(), 2u);
    for (const auto& line : lines)
        EXPECT_LE(MeasureText(l.Font(), line).w, 80) << line;
    // AutoSize with word wrap keeps the width and takes the height of the lines.
    l.SetAutoSize(true);
    EXPECT_DOUBLE_EQ(l.Width(), 80);
    EXPECT_DOUBLE_EQ(l.Height(), FontLineHeight(l.Font()) * static_cast<double>(lines.size()));
}

TEST_F(ControlsTest, LabelAlignmentAndBackStyle) {
    Label& l = f.Text;
    l.SetCaption("IIII");
    l.SetFontSize(12);
    l.SetForeColor(0);
    l.SetBackColor(kWhite);
    // Ink columns of the label's row band on screen.
    auto inkSpan = [&](int& first, int& last) {
        first = -1;
        last = -1;
        for (int x = 300; x < 500; ++x)
            for (int y = 100; y < 130; ++y)
                if (Dark(h.Pixel(x, y))) {
                    if (first < 0) first = x;
                    last = x;
                }
    };
    int l0, l1, r0, r1, c0, c1;
    l.SetAlignment(vbLeftJustify);
    inkSpan(l0, l1);
    l.SetAlignment(vbRightJustify);
    inkSpan(r0, r1);
    l.SetAlignment(vbCenter);
    inkSpan(c0, c1);
    EXPECT_LT(l0, 310);
    EXPECT_GT(r1, 490);
    EXPECT_NEAR((c0 + c1) / 2.0, 400, 3);
    EXPECT_EQ(h.Pixel(450, 150), kWhite); // opaque
    l.SetBackStyle(vbTransparent);
    EXPECT_EQ(h.Pixel(450, 150), 0x808080); // the form shows through
}

TEST_F(ControlsTest, ImageTakesItsPictureSizeUnlessStretched) {
    Canvas c(20, 10, kRed);
    PicturePtr pic = MakePicture(c);
    Image& img = f.Art;
    img.SetPicture(pic);
    EXPECT_DOUBLE_EQ(img.Width(), 20);
    EXPECT_DOUBLE_EQ(img.Height(), 10);
    img.SetStretch(true);
    img.Move(300, 200, 60, 40);
    EXPECT_EQ(h.Pixel(355, 235), kRed);
    img.SetStretch(false);
    EXPECT_DOUBLE_EQ(img.Width(), 20);
    EXPECT_EQ(h.Pixel(355, 235), 0x808080);
}

// A stretched picture is scaled once and kept: what shows must still follow a new picture, a
// new size and a half-transparent picture over what lies below.
TEST_F(ControlsTest, AStretchedImageFollowsItsPictureAndSize) {
    Image& img = f.Art;
    img.SetStretch(true);
    img.Move(300, 200, 60, 40);
    img.SetPicture(MakePicture(Canvas(20, 10, kRed)));
    EXPECT_EQ(h.Pixel(355, 235), kRed);
    img.SetPicture(MakePicture(Canvas(20, 10, kWhite)));
    EXPECT_EQ(h.Pixel(355, 235), kWhite);
    img.Move(300, 200, 100, 60);
    EXPECT_EQ(h.Pixel(395, 255), kWhite) << "scaled again to the new size";
    Canvas half(4, 4, 0);
    std::fill_n(half.Pixels(), 16, 0x80FFFFFFu); // white at half strength
    img.SetPicture(MakePicture(std::move(half)));
    const int32_t blended = h.Pixel(350, 230);
    EXPECT_NE(blended, kWhite);
    EXPECT_NE(blended, 0x808080) << "the form shows through, lightened";
    Screen::InvalidateAll();
    EXPECT_EQ(h.Pixel(350, 230), blended) << "a repaint blends once, not over its own result";
}

TEST_F(ControlsTest, MousePointerFollowsWhatIsUnderTheMouse) {
    Canvas c(16, 16, kRed);
    PicturePtr icon = MakePicture(c);
    f.Cover.SetMousePointer(vbCustom);
    f.Cover.SetMouseIcon(icon);
    EXPECT_EQ(f.Cover.MouseIconHotX(), 8); // the centre unless told
    h.MoveOn(f.Cover, 5, 5);
    EXPECT_EQ(Screen::CurrentMousePointer(), vbCustom);
    EXPECT_EQ(Screen::CurrentMouseIcon(), icon);
    h.MoveOn(b, 5, 5);
    EXPECT_EQ(Screen::CurrentMousePointer(), vbDefault);
}

// --- The real message box (no responder) ---------------------------------------------------------

class RealMsgBoxTest : public ControlsTest {
  protected:
    void SetUp() override {
        ControlsTest::SetUp();
        SetMsgBoxResponder(nullptr);
    }
};

TEST_F(RealMsgBoxTest, KeyboardAnswers) {
    struct Case {
        int style;
        std::vector<int16_t> keys;
        int answer;
    } cases[] = {
        {vbOKOnly, {vbKeyReturn}, vbOK},
        {vbOKOnly, {vbKeyEscape}, vbOK},
        {vbOKCancel, {vbKeyReturn}, vbOK},
        {vbOKCancel, {vbKeyEscape}, vbCancel},
        {vbOKCancel | vbDefaultButton2, {vbKeyReturn}, vbCancel},
        {vbOKCancel, {vbKeyTab, vbKeyReturn}, vbCancel},
        {vbYesNo,
         {vbKeyEscape, int16_t(vbKeyA + 13)},
         vbNo}, // Esc does nothing without a Cancel button
        {vbYesNo | vbQuestion, {vbKeyReturn}, vbYes},
    };
    for (const auto& c : cases) {
        for (int16_t k : c.keys)
            PostKeyDown(k);
        EXPECT_EQ(MsgBox("Question?", c.style, "Title"), c.answer) << c.style;
        EXPECT_FALSE(MsgBoxShowing());
    }
    EXPECT_EQ(MsgBoxLog().back().title, "Title");
}

TEST_F(RealMsgBoxTest, DrawnAboveEverythingTimersTickAndFormsGetNoInput) {
    int ticks = 0, downs = 0;
    Timer t;
    t.SetInterval(100);
    t.Tick = [&] {
        if (++ticks == 3) {
            EXPECT_TRUE(MsgBoxShowing());
            // The box is drawn in the middle of the screen, over the form.
            EXPECT_NE(h.Pixel(400, 300), 0x808080);
            PostMouseDown(15, 15); // on the board: the box takes it
            PostMouseUp(15, 15);
            PostKeyDown(vbKeyReturn);
        }
    };
    b.MouseDown = [&](int, int, float, float) { ++downs; };
    EXPECT_EQ(MsgBox("Wait", vbInformation), vbOK);
    EXPECT_EQ(ticks, 3);
    EXPECT_EQ(downs, 0);
    EXPECT_EQ(h.Pixel(400, 300), 0x808080); // gone again
}

TEST_F(RealMsgBoxTest, MouseAnswersWithPressAndReleaseOnTheSameButton) {
    Timer t;
    t.SetInterval(10);
    int step = 0;
    t.Tick = [&] {
        const auto buttons = MsgBoxButtonRects();
        ASSERT_EQ(buttons.size(), 2u); // Yes, No
        const auto& yes = buttons[0];
        const auto& no = buttons[1];
        if (++step == 1) {
            // Pressed on Yes, released on No: nothing.
            PostMouseDown(yes[0] + 5, yes[1] + 5);
            PostMouseUp(no[0] + 5, no[1] + 5);
        } else if (step == 2) {
            PostMouseDown(no[0] + 5, no[1] + 5);
            PostMouseUp(no[0] + 6, no[1] + 6);
        }
    };
    EXPECT_EQ(MsgBox("Continue?", vbYesNo | vbQuestion, "Reset Level"), vbNo);
    EXPECT_EQ(step, 2);
}

TEST_F(ControlsTest, FrameContainsClipsAndShowsItsCaption) {
    Frame fr{&f};
    fr.Move(150, 150, 100, 80);
    fr.SetCaption("&Colors");
    Label inside{&fr};
    inside.Move(60, 40, 80, 20);
    inside.SetBackColor(kRed);
    int downs = 0;
    inside.MouseDown = [&](int, int, float x, float) {
        ++downs;
        EXPECT_FLOAT_EQ(x, 5);
    };
    h.Click(215, 195);
    EXPECT_EQ(downs, 1);
    EXPECT_EQ(h.Pixel(215, 195), kRed);
    EXPECT_NE(h.Pixel(255, 195), kRed); // clipped at the frame's edge
}

} // namespace
