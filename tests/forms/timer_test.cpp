// Timers and the loop: countdown restarts, no catch-up, interval 0, input first, DoEvents
// re-entrancy and the virtual clock's jump; ending the program.
#include "tests/support/headless.h"

#include <gtest/gtest.h>

#include <vector>

using namespace forms;
using testsupport::Headless;

namespace {

class TimerTest : public ::testing::Test {
  protected:
    // The times (since the test began) at which the timer ticked.
    std::vector<int64_t> ticks;
    void SetUp() override {
        start = h.Now();
        t.Tick = [this] { ticks.push_back(h.Now() - start); };
    }
    Headless h;
    int64_t start = 0;
    Timer t;
};

TEST_F(TimerTest, TicksEveryIntervalWhileEnabled) {
    t.SetInterval(100);
    h.Advance(350);
    EXPECT_EQ(ticks, (std::vector<int64_t>{100, 200, 300}));
    t.SetEnabled(false);
    h.Advance(1000);
    EXPECT_EQ(ticks.size(), 3u);
}

TEST_F(TimerTest, EnablingOrSettingTheIntervalRestartsTheCountdown) {
    t.SetInterval(100);
    h.Advance(60);
    t.SetInterval(100); // same value: still a restart
    h.Advance(60);
    EXPECT_TRUE(ticks.empty());
    h.Advance(40);
    EXPECT_EQ(ticks, (std::vector<int64_t>{160}));
    t.SetEnabled(false);
    h.Advance(50);
    t.SetEnabled(true);
    h.Advance(99);
    EXPECT_EQ(ticks.size(), 1u);
    h.Advance(1);
    EXPECT_EQ(ticks, (std::vector<int64_t>{160, 310}));
}

TEST_F(TimerTest, IntervalZeroNeverFires) {
    t.SetInterval(0);
    t.SetEnabled(true);
    h.Advance(10000);
    EXPECT_TRUE(ticks.empty());
    EXPECT_THROW(t.SetInterval(-1), RuntimeError);
}

TEST_F(TimerTest, NoCatchUpAfterALateLoop) {
    t.SetInterval(100);
    h.Jump(1000); // the program was busy for ten intervals
    EXPECT_EQ(ticks, (std::vector<int64_t>{1000}));
    h.Advance(150);
    EXPECT_EQ(ticks, (std::vector<int64_t>{1000, 1100}));
}

TEST_F(TimerTest, InputIsDeliveredBeforeTicks) {
    struct Pad : Form {
        PictureBox box{this};
        Pad() {
            SetBorderStyle(vbBSNone);
            box.Move(0, 0, 100, 100);
        }
    } pad;
    pad.Show();
    h.Pump();
    std::vector<std::string> order;
    pad.box.MouseDown = [&](int, int, float, float) { order.push_back("down"); };
    pad.box.MouseUp = [&](int, int, float, float) { order.push_back("up"); };
    t.Tick = [&] { order.push_back("tick"); };
    t.SetInterval(10);
    h.Clock().Advance(20); // the tick is due, and input is waiting
    PostMouseDown(5, 5);
    PostMouseUp(5, 5);
    h.Pump();
    EXPECT_EQ(order, (std::vector<std::string>{"down", "up", "tick"}));
}

TEST_F(TimerTest, DoEventsInATickNeitherReentersItNorStopsOthers) {
    Timer other;
    int otherTicks = 0, depth = 0, maxDepth = 0;
    other.Tick = [&] { ++otherTicks; };
    other.SetInterval(10);
    t.SetInterval(10);
    t.Tick = [&] {
        ++depth;
        maxDepth = std::max(maxDepth, depth);
        ticks.push_back(h.Now() - start);
        // The first tick waits 100 ms the way the program's wait loops do.
        const int64_t until = h.Now() + 100;
        while (ticks.size() == 1 && h.Now() < until)
            DoEvents();
        --depth;
    };
    h.Advance(10);
    EXPECT_EQ(maxDepth, 1);
    // The countdown that ran out during the long tick gives one tick after it, no more.
    EXPECT_EQ(ticks, (std::vector<int64_t>{10, 110}));
    // Under the virtual clock each idle DoEvents jumped to the other timer's next deadline.
    EXPECT_GE(otherTicks, 10);
    EXPECT_EQ(h.Now() - start, 110);
}

TEST_F(TimerTest, DoEventsWithNothingPendingJumpsToTheNextDeadline) {
    t.SetInterval(250);
    DoEvents();
    EXPECT_EQ(ticks, (std::vector<int64_t>{250}));
    t.SetEnabled(false);
    const int64_t before = h.Now();
    DoEvents(); // nothing armed: no jump
    EXPECT_EQ(h.Now(), before);
}

// --- The loop and the end of the program -------------------------------------------------------

struct EndingForm : Form {
    Timer timer{this};
    EndingForm() {
        timer.SetInterval(50);
        timer.Tick = [] { EndProcess(7); };
    }
};
inline DefaultInstance<EndingForm> Ending;

TEST(RunTest, EndSignalUnwindsToRunWhichReturnsTheStatus) {
    Headless h;
    EXPECT_EQ(Application::Run(Ending), 7);
    EXPECT_TRUE(Ending.IsLoaded()); // ending is not unloading
}

struct FailingForm : Form {
    Timer timer{this};
    FailingForm() {
        timer.SetInterval(50);
        timer.Tick = [] { Raise(errSubscript); };
    }
};
inline DefaultInstance<FailingForm> Failing;

TEST(RunTest, AnErrorEscapingAHandlerIsShownAndEndsTheProgram) {
    Headless h;
    Application::SetErrorPolicy(ErrorPolicy::ShowAndEnd);
    EXPECT_EQ(Application::Run(Failing), 1);
    ASSERT_EQ(h.MsgBoxes().size(), 1u);
    EXPECT_EQ(h.MsgBoxes()[0].prompt, "Run-time error '9':\r\n\r\nSubscript out of range");
    EXPECT_EQ(h.MsgBoxes()[0].Icon(), vbCritical);
}

struct QuitForm : Form {
    void Form_Load() override { PostQuit(); }
};
inline DefaultInstance<QuitForm> Quitting;

TEST(RunTest, RunReturnsWhenTheLastFormIsUnloaded) {
    Headless h;
    EXPECT_EQ(Application::Run(Quitting), 0);
    EXPECT_FALSE(Quitting.IsLoaded());
}

TEST(ScreenArgsTest, WindowedAndScreenSize) {
    struct Case {
        std::vector<const char*> args;
        int w, h;
        bool windowed;
    } cases[] = {
        {{"wo"}, 1024, 768, false},
        {{"wo", "--windowed"}, 1024, 768, true},
        {{"wo", "--screen", "800x600"}, 800, 600, false},
        {{"wo", "--screen=1280X720", "--windowed"}, 1280, 720, true},
        {{"wo", "--screen", "huge"}, 1024, 768, false},
        {{"wo", "--screen", "10x10"}, 1024, 768, false},
    };
    for (auto& c : cases) {
        ScreenOptions o =
            ParseScreenArgs(static_cast<int>(c.args.size()), const_cast<char**>(c.args.data()));
        EXPECT_EQ(o.width, c.w);
        EXPECT_EQ(o.height, c.h);
        EXPECT_EQ(o.windowed, c.windowed);
    }
}

} // namespace
