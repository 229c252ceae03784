// Mouse and keyboard delivery: hit testing, capture, Click, activation, disabled forms.
#include "tests/support/headless.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace forms;
using testsupport::Headless;

namespace {

std::vector<std::string> g_log;

void Log(const std::string& s) {
    g_log.push_back(s);
}

std::string Joined() {
    std::string out;
    for (const auto& s : g_log)
        out += (out.empty() ? "" : " ") + s;
    return out;
}

// A borderless form at the top-left: screen pixels are its client pixels.
class BoardForm : public Form {
  public:
    PictureBox Holder{this};
    Label Under{&Holder}; // windowless, declared after the picture box it overlaps inside Holder
    PictureBox Inner{&Holder};
    Label Caption{this};
    Shape Ring{this};
    Image Art{this};

    BoardForm() {
        SetName("Board");
        SetBorderStyle(vbBSNone);
        Move(0, 0, 400 * 15, 300 * 15);
        Holder.Move(10, 10, 200, 150);
        Inner.Move(20, 20, 50, 50);
        Under.Move(0, 0, 100, 100); // under Inner although declared later: windowless
        Caption.Move(250, 10, 100, 20);
        Caption.SetBackStyle(vbTransparent);
        Ring.Move(250, 100, 50, 50);
        Art.Move(240, 90, 80, 80); // below the shape; the shape takes no mouse
        auto name = [](const char* n) {
            return [n](int b, int s, float x, float y) {
                Log(std::string(n) + ":" + std::to_string(b) + "," + std::to_string(s) + "@" +
                    std::to_string(static_cast<int>(x)) + "," +
                    std::to_string(static_cast<int>(y)));
            };
        };
        Holder.MouseDown = name("HolderDown");
        Inner.MouseDown = name("InnerDown");
        Under.MouseDown = name("UnderDown");
        Caption.MouseDown = name("CaptionDown");
        Art.MouseDown = name("ArtDown");
        Inner.MouseUp = name("InnerUp");
        Inner.MouseMove = name("InnerMove");
        Inner.Click = [] { Log("InnerClick"); };
        Holder.Click = [] { Log("HolderClick"); };
        Inner.DblClick = [] { Log("InnerDblClick"); };
    }
    void Form_MouseDown(int b, int, float x, float y) override {
        Log("FormDown:" + std::to_string(b) + "@" + std::to_string(static_cast<int>(x)) + "," +
            std::to_string(static_cast<int>(y)));
    }
    void Form_Activate() override { Log("Board.Activate"); }
};

class EventsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        g_log.clear();
        board = new BoardForm;
        board->Show();
        h.Pump();
        g_log.clear();
    }
    void TearDown() override { delete board; }
    Headless h;
    BoardForm* board = nullptr;
};

TEST_F(EventsTest, TopmostControlUnderThePointerGetsTheEvent) {
    struct Case {
        double x, y;
        const char* expect;
    } cases[] = {
        {35, 35, "InnerDown:1,0@5,5"},        // windowed child above the windowless label
        {15, 15, "UnderDown:1,0@5,5"},        // the label, where Inner is not
        {150, 130, "HolderDown:1,0@140,120"}, // the container itself
        {300, 15, "CaptionDown:1,0@50,5"},    // transparent label: its whole rectangle
        {275, 125, "ArtDown:1,0@35,35"},      // through the shape to the image
        {380, 280, "FormDown:1@380,280"},     // the form's own area
    };
    for (const auto& c : cases) {
        g_log.clear();
        h.Down(c.x, c.y);
        h.Up(c.x, c.y);
        ASSERT_FALSE(g_log.empty()) << c.expect;
        EXPECT_EQ(g_log.front(), c.expect);
    }
}

TEST_F(EventsTest, ContainersClipTheirChildren) {
    // Inner reaches past Holder's right edge; the part outside is not Inner's.
    board->Inner.Move(180, 20, 60, 40);
    h.Down(230, 40);
    h.Up(230, 40);
    EXPECT_EQ(Joined(), "FormDown:1@230,40");
    g_log.clear();
    h.Down(200, 40);
    h.Up(200, 40);
    EXPECT_EQ(g_log.front(), "InnerDown:1,0@10,10");
}

TEST_F(EventsTest, HiddenAndDisabledControlsAreSkipped) {
    board->Inner.SetVisible(false);
    h.Down(35, 35);
    h.Up(35, 35);
    EXPECT_EQ(g_log.front(), "UnderDown:1,0@25,25");
    board->Inner.SetVisible(true);
    board->Inner.SetEnabled(false);
    g_log.clear();
    h.Down(35, 35);
    h.Up(35, 35);
    EXPECT_EQ(g_log.front(), "UnderDown:1,0@25,25");
    // A disabled container takes its children with it.
    board->Inner.SetEnabled(true);
    board->Holder.SetEnabled(false);
    g_log.clear();
    h.Down(35, 35);
    h.Up(35, 35);
    EXPECT_EQ(g_log.front(), "FormDown:1@35,35");
}

TEST_F(EventsTest, ZOrderChangesOrderWithinTheGroupOnly) {
    Label over{&board->Holder};
    over.Move(0, 0, 100, 100);
    over.MouseDown = [](int, int, float, float) { Log("OverDown"); };
    h.Down(15, 15);
    h.Up(15, 15);
    EXPECT_EQ(g_log.front(), "OverDown"); // the later label is on top
    board->Under.ZOrder(0);
    g_log.clear();
    h.Down(15, 15);
    h.Up(15, 15);
    EXPECT_EQ(g_log.front(), "UnderDown:1,0@5,5");
    // Still under the windowed Inner.
    g_log.clear();
    h.Down(35, 35);
    h.Up(35, 35);
    EXPECT_EQ(g_log.front(), "InnerDown:1,0@5,5");
}

TEST_F(EventsTest, CaptureKeepsTheMouseUntilUpAndClickNeedsTheSameControl) {
    h.Down(35, 35);
    h.Move(300, 200); // far outside: still Inner's, in Inner's pixels
    h.Up(300, 200);
    EXPECT_EQ(Joined(), "InnerDown:1,0@5,5 InnerMove:1,0@270,170 InnerUp:1,0@270,170");
    g_log.clear();
    h.Down(35, 35);
    h.Up(36, 36);
    EXPECT_EQ(Joined(), "InnerDown:1,0@5,5 InnerUp:1,0@6,6 InnerClick");
    // After the release the mouse is free again: moves go to what is under it.
    g_log.clear();
    h.Move(150, 130);
    h.Move(40, 40);
    EXPECT_EQ(Joined(), "InnerMove:0,0@10,10");
}

TEST_F(EventsTest, DisablingTheFormDuringAPressCancelsTheRestOfIt) {
    board->Inner.MouseDown = [this](int, int, float, float) {
        Log("InnerDown");
        board->SetEnabled(false);
    };
    h.Down(35, 35);
    h.Move(36, 36);
    h.Up(36, 36);
    EXPECT_EQ(Joined(), "InnerDown");
    board->SetEnabled(true);
    g_log.clear();
    h.Move(37, 37); // the next moves are the form's again
    EXPECT_EQ(Joined(), "InnerMove:0,0@7,7");
}

TEST_F(EventsTest, ButtonMasksShiftMasksAndFloatCoordinates) {
    h.KeyDown(vbKeyShift, vbShiftMask);
    h.Down(40, 40, vbRightButton);
    h.Down(40, 40, vbLeftButton); // second button while the first is held
    h.Move(41, 41);
    board->Inner.MouseUp = [&](int b, int s, float, float) {
        Log("Up:" + std::to_string(b) + "," + std::to_string(s));
    };
    h.Up(41, 41, vbRightButton);
    h.Up(41, 41, vbLeftButton);
    h.KeyUp(vbKeyShift, 0);
    EXPECT_EQ(Joined(), "InnerDown:2,1@10,10 InnerDown:1,1@10,10 InnerMove:3,1@11,11 Up:2,1 Up:1,1 "
                        "InnerClick");
    // A windowless control keeps its fractional place: the coordinates are fractional too.
    float gotX = 0, gotY = 0;
    board->Caption.Move(250.5, 10.25);
    board->Caption.MouseDown = [&](int, int, float x, float y) {
        gotX = x;
        gotY = y;
    };
    h.Down(300, 15);
    h.Up(300, 15);
    EXPECT_FLOAT_EQ(gotX, 300 - 250.5);
    EXPECT_FLOAT_EQ(gotY, 15 - 10.25);
}

TEST_F(EventsTest, DoubleClickReplacesTheSecondPressAndClick) {
    h.DoubleClick(35, 35);
    EXPECT_EQ(Joined(),
              "InnerDown:1,0@5,5 InnerUp:1,0@5,5 InnerClick InnerDblClick InnerUp:1,0@5,5");
}

TEST_F(EventsTest, DisabledFormGetsNoMouseOrKeys) {
    struct KeyForm : BoardForm {
        void Form_KeyDown(int16_t& k, int16_t) override { Log("Key" + std::to_string(k)); }
    };
    delete board;
    board = new KeyForm;
    board->Show();
    h.Pump();
    g_log.clear();
    board->SetEnabled(false);
    h.Click(35, 35);
    h.Move(40, 40);
    h.Key(vbKeyA);
    EXPECT_EQ(Joined(), "");
    board->SetEnabled(true);
    h.Key(vbKeyA);
    EXPECT_EQ(Joined(), "Key65");
}

// --- Forms: activation, order, keys ----------------------------------------------------------

class NamedForm : public Form {
  public:
    explicit NamedForm(std::string n, int x = 0) : name_(std::move(n)) {
        SetBorderStyle(vbBSNone);
        Move(x * 15, 0, 100 * 15, 100 * 15);
    }
    void Form_Load() override { Log(name_ + ".Load"); }
    void Form_Activate() override { Log(name_ + ".Activate"); }
    void Form_Deactivate() override { Log(name_ + ".Deactivate"); }
    void Form_Resize() override { Log(name_ + ".Resize"); }
    void Form_Unload(int16_t& cancel) override {
        Log(name_ + ".Unload");
        cancel = cancelUnload;
    }
    void Form_KeyDown(int16_t& k, int16_t s) override {
        Log(name_ + ".KeyDown" + std::to_string(k) + "," + std::to_string(s));
    }
    void Form_MouseDown(int, int, float, float) override { Log(name_ + ".MouseDown"); }
    int16_t cancelUnload = 0;
    std::string name_;
};

class MainForm : public NamedForm {
  public:
    MainForm() : NamedForm("Main") {}
};
class DialogForm : public NamedForm {
  public:
    DialogForm() : NamedForm("Dialog", 50) {}
};
inline DefaultInstance<MainForm> Main;
inline DefaultInstance<DialogForm> Dialog;

class FormsTest : public ::testing::Test {
  protected:
    void SetUp() override { g_log.clear(); }
    Headless h;
};

TEST_F(FormsTest, DefaultInstanceLoadsOnFirstUseAndUnloadMakesAFreshOne) {
    EXPECT_FALSE(Main.IsLoaded());
    EXPECT_EQ(Joined(), "");
    Main->SetTag("first");
    EXPECT_TRUE(Main.IsLoaded());
    EXPECT_EQ(Joined(), "Main.Load");
    Main.Unload();
    EXPECT_FALSE(Main.IsLoaded());
    EXPECT_EQ(Main->Tag(), "");
    EXPECT_EQ(Joined(), "Main.Load Main.Unload Main.Load");
}

TEST_F(FormsTest, UnloadCanBeCancelled) {
    Main->Show();
    Main->cancelUnload = 1;
    Main.Unload();
    EXPECT_TRUE(Main.IsLoaded());
    EXPECT_TRUE(Main->Visible());
}

TEST_F(FormsTest, ActivationIsQueuedUntilTheHandlerReturns) {
    Main->Show();
    h.Pump();
    g_log.clear();
    // A click handler of the main window shows the dialog; its Activate comes after the handler.
    PictureBox button{&*Main};
    button.Move(0, 0, 40, 40);
    button.MouseUp = [](int, int, float, float) {
        Dialog->Show();
        Log("handler end");
    };
    h.Click(5, 5);
    EXPECT_EQ(Joined(), "Dialog.Load Dialog.Resize handler end Main.Deactivate Dialog.Activate");
    // A click on the main window moves back to it; on the dialog, back again.
    g_log.clear();
    h.Click(20, 80);
    h.Click(120, 20);
    EXPECT_EQ(Joined(), "Main.MouseDown Dialog.Deactivate Main.Activate Dialog.MouseDown "
                        "Main.Deactivate Dialog.Activate");
}

TEST_F(FormsTest, HidingTheActiveFormActivatesTheNextAndMessageBoxesDoNot) {
    Main->Show();
    Dialog->Show();
    h.Pump();
    g_log.clear();
    MsgBox("hello");
    h.Pump();
    EXPECT_EQ(Joined(), "");
    Dialog->Hide();
    h.Pump();
    EXPECT_EQ(Joined(), "Dialog.Deactivate Main.Activate");
}

TEST_F(FormsTest, BackgroundStaysAtTheBottomAndDialogsAboveTheMainWindow) {
    NamedForm bg("Bg");
    bg.SetLayer(FormLayer::Background);
    bg.Move(0, 0, 800 * 15, 600 * 15);
    Main->Show();
    Dialog->SetLayer(FormLayer::Dialog);
    Dialog->Show();
    bg.Show();
    h.Pump();
    auto order = [] {
        std::string s;
        for (Form* f : Application::ShownForms())
            s += static_cast<NamedForm*>(f)->name_ + " ";
        return s;
    };
    EXPECT_EQ(order(), "Bg Main Dialog ");
    bg.ZOrder(0);
    h.Click(300, 300); // on the background: it activates but stays at the bottom
    Main->ZOrder(0);
    EXPECT_EQ(order(), "Bg Main Dialog ");
    EXPECT_EQ(Application::ActiveForm(), &bg);
    // Overlapping area (50..100): the dialog is on top.
    g_log.clear();
    h.Click(60, 10);
    EXPECT_EQ(g_log.front(), "Dialog.MouseDown");
    Dialog->ZOrder(1);
    EXPECT_EQ(order(), "Bg Main Dialog ");
    bg.Unload();
    h.Pump();
}

TEST_F(FormsTest, KeysGoToTheActiveForm) {
    Main->Show();
    Dialog->Show();
    h.Pump();
    g_log.clear();
    h.Key(vbKeyReturn);
    h.Key(vbKeyA, vbCtrlMask);
    EXPECT_EQ(Joined(), "Dialog.KeyDown13,0 Dialog.KeyDown65,2");
}

TEST_F(FormsTest, ModalShowWaitsWithTheOtherFormsDisabled) {
    Main->Show();
    h.Pump();
    Timer close;
    close.SetInterval(500);
    bool mainEnabledMeanwhile = true;
    close.Tick = [&] {
        mainEnabledMeanwhile = Main->Enabled();
        Dialog->Hide();
    };
    const int64_t before = h.Now();
    Dialog->Show(1);
    EXPECT_EQ(h.Now() - before, 500); // the wait loop let the virtual clock run to the tick
    EXPECT_FALSE(mainEnabledMeanwhile);
    EXPECT_TRUE(Main->Enabled());
}

TEST_F(FormsTest, TypedTextAndEnterArriveAsKeyPress) {
    struct Typing : NamedForm {
        Typing() : NamedForm("T") {}
        void Form_KeyPress(int16_t& k) override { Log("Press" + std::to_string(k)); }
    } t;
    t.Show();
    h.Pump();
    g_log.clear();
    h.Type("a\xc3\xa9"); // "a" and e-acute: single-byte Western code page values
    h.Key(vbKeyReturn);
    EXPECT_EQ(Joined(), "Press97 Press233 T.KeyDown13,0 Press13");
}

TEST_F(FormsTest, MinimiseRaisesResizeAtOnceAndRestoreRaisesItAgain) {
    Main->Show();
    h.Pump();
    g_log.clear();
    Main->SetWindowState(vbMinimized);
    EXPECT_EQ(Joined(), "Main.Resize");
    EXPECT_TRUE(Application::ShownForms().empty());
    PostWindowRestored();
    h.Pump();
    EXPECT_EQ(Joined(), "Main.Resize Main.Resize");
    EXPECT_EQ(Main->WindowState(), vbNormal);
    EXPECT_EQ(Application::ActiveForm(), &*Main); // the program never lost its active form
    Main->SetWindowState(vbMaximized);
    EXPECT_DOUBLE_EQ(Main->ScaleWidth(), 800);
    EXPECT_DOUBLE_EQ(Main->ScaleHeight(), 600);
}

TEST_F(FormsTest, UnloadFromItsOwnHandlerIsSafe) {
    Main->Show();
    h.Pump();
    auto* box = new PictureBox(&*Main); // destroyed with the form's other children? no: owned here
    box->Move(0, 0, 50, 50);
    box->MouseUp = [](int, int, float, float) {
        Main.Unload();
        Log("after unload");
    };
    h.Click(5, 5);
    EXPECT_FALSE(Main.IsLoaded());
    EXPECT_EQ(g_log.back(), "after unload");
    delete box; // its form is gone: it was orphaned, not left dangling
}

TEST_F(FormsTest, FixedBorderFormHasCaptionAndSmallerClientArea) {
    Main->SetBorderStyle(vbFixedSingle);
    Main->SetCaption("Wise Owlet");
    Main->Move(0, 0, 200 * 15, 150 * 15);
    EXPECT_DOUBLE_EQ(Main->ScaleWidth(), 200 - 2 * kFormBorder);
    EXPECT_DOUBLE_EQ(Main->ScaleHeight(), 150 - 2 * kFormBorder - kFormCaption);
    Main->SetBackColor(RGB(0, 255, 0));
    Main->Show();
    h.Pump();
    EXPECT_EQ(h.Pixel(100, 100), RGB(0, 255, 0));
    EXPECT_NE(h.Pixel(100, 10), RGB(0, 255, 0)); // the caption bar
    Screen::SetTwipsPerPixel(12, 12);
    EXPECT_DOUBLE_EQ(Main->ScaleWidth(), 250 - 2 * kFormBorder);
}

} // namespace
