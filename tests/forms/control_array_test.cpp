// Control arrays and the mapping of window pixels back to the virtual screen.
#include "tests/support/headless.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace forms;
using testsupport::Headless;

namespace {

struct StripForm : Form {
    PictureBox Holder{this};
    ControlArray<Label> Letters{&Holder, 0, 29};
    ControlArray<Image> Buttons{this, 1, 3};
    StripForm() {
        SetBorderStyle(vbBSNone);
        Move(0, 0, 800 * 15, 600 * 15);
        Holder.Move(0, 0, 600, 40);
        for (int i = 0; i <= 29; ++i)
            Letters(i).Move(i * 20, 0, 20, 40);
        for (int i = 1; i <= 3; ++i)
            Buttons(i).Move(i * 100, 100, 50, 50);
    }
};

TEST(ControlArrayTest, HandlersReceiveTheIndexAndBoundsAreChecked) {
    Headless h;
    StripForm f;
    f.Show();
    h.Pump();
    std::vector<std::string> log;
    f.Letters.MouseUp = [&](int i, int b, int, float x, float) {
        log.push_back("up" + std::to_string(i) + "," + std::to_string(b) + "@" +
                      std::to_string(static_cast<int>(x)));
    };
    f.Letters.Click = [&](int i) { log.push_back("click" + std::to_string(i)); };
    f.Buttons.MouseDown = [&](int i, int, int, float, float) {
        log.push_back("b" + std::to_string(i));
    };
    h.Click(20 * 7 + 5, 10);
    h.Click(305, 110);
    EXPECT_EQ(log, (std::vector<std::string>{"up7,1@5", "click7", "b3"}));
    EXPECT_EQ(f.Letters.LBound(), 0);
    EXPECT_EQ(f.Letters.UBound(), 29);
    EXPECT_EQ(f.Letters(7).Index(), 7);
    EXPECT_EQ(f.Buttons.LBound(), 1);
    try {
        f.Letters(30);
        FAIL() << "no error";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.Number(), errSubscript);
    }
    EXPECT_THROW(f.Buttons(0), RuntimeError);
}

TEST(ControlArrayTest, AnArrayWithGapsHasOnlyItsListedIndicesEachInItsOwnContainer) {
    Headless h;
    Form f;
    Frame left{&f}, right{&f};
    ControlArray<Label> notes{[&](int i) -> Container* { return i < 10 ? &left : &right; },
                              {0, 2, 10, 100}};
    EXPECT_EQ(notes.LBound(), 0);
    EXPECT_EQ(notes.UBound(), 100);
    EXPECT_EQ(notes.Count(), 4);
    EXPECT_EQ(notes(2).Index(), 2);
    EXPECT_EQ(notes(2).Parent(), &left);
    EXPECT_EQ(notes(100).Parent(), &right);
    std::vector<int> clicked;
    notes.Click = [&](int i) { clicked.push_back(i); };
    notes(10).Click();
    EXPECT_EQ(clicked, std::vector<int>{10});
    for (int missing : {1, 11, 99, 101, -1})
        EXPECT_THROW(notes(missing), RuntimeError) << missing;
}

TEST(WindowMappingTest, MousePositionsComeBackInVirtualPixels) {
    // A window twice the virtual size: window pixels map back to halves of screen pixels.
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    Headless h(320, 240);
    Application::Shutdown();
    ScreenOptions o;
    o.width = 320;
    o.height = 240;
    o.windowed = true;
    o.windowScale = 2;
    Application::Start(o);
    struct Pad : Form {
        float x = -1, y = -1;
        Pad() {
            SetBorderStyle(vbBSNone);
            Move(0, 0, 320 * 15, 240 * 15);
        }
        void Form_MouseMove(int, int, float mx, float my) override {
            x = mx;
            y = my;
        }
    } pad;
    pad.Show();
    h.Pump();
    struct Case {
        double x, y;
    } cases[] = {{0, 0}, {35, 35}, {35.5, 10}, {319.5, 239.5}};
    for (const auto& c : cases) {
        h.Move(c.x, c.y);
        EXPECT_FLOAT_EQ(pad.x, static_cast<float>(c.x));
        EXPECT_FLOAT_EQ(pad.y, static_cast<float>(c.y));
    }
}

} // namespace
