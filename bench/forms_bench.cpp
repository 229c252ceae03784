// The runtime's frame and loop costs: repainting and presenting the screen after a change, a timer
// tick and a click through the loop, and how often an idle loop wakes up.
#include "forms/forms.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <memory>
#include <sys/resource.h>
#include <thread>

namespace {

// A screen like the program's: a full-screen skinned form holding a drawing board, labels and
// images.
struct ScreenForm : forms::Form {
    forms::PictureBox Board{this};
    forms::ControlArray<forms::Label> Letters{this, 0, 29};
    forms::ControlArray<forms::Image> Buttons{this, 0, 4};
    ScreenForm() {
        SetBorderStyle(forms::vbBSNone);
        SetWindowState(forms::vbMaximized);
        forms::Canvas skin(1024, 768, 0);
        skin.FillGradient(forms::IRect{0, 0, 1024, 768}, 0xFFE0C0, 0x804020);
        SetPicture(forms::MakePicture(std::move(skin)));
        Board.Move(200, 150, 616, 458);
        Board.SetBackColor(0xFFFFFF);
        Board.SetDrawWidth(18);
        Board.Line(100, 100, 500, 400, 0x0000FF);
        for (int i = 0; i < 30; ++i) {
            Letters(i).Move(10 + i * 33, 620, 30, 40);
            Letters(i).SetCaption(std::string(1, static_cast<char>('A' + i % 26)));
            Letters(i).SetFontSize(18);
            Letters(i).SetBackStyle(forms::vbTransparent);
        }
        forms::Canvas button(90, 90, 0x00C0FF);
        forms::PicturePtr pic = forms::MakePicture(std::move(button));
        for (int i = 0; i < 5; ++i) {
            Buttons(i).SetPicture(pic);
            Buttons(i).Move(20, 20 + i * 100);
        }
    }
};

struct Runtime {
    std::unique_ptr<ScreenForm> form;
    std::shared_ptr<forms::VirtualClock> clock = std::make_shared<forms::VirtualClock>(0);
    Runtime() {
        setenv("SDL_VIDEODRIVER", "dummy", 0);
        forms::ScreenOptions o;
        o.windowed = true;
        forms::Application::SetErrorPolicy(forms::ErrorPolicy::Propagate);
        forms::Application::Start(o);
        forms::SetClock(clock);
        form = std::make_unique<ScreenForm>();
        form->Show();
        forms::Application::Pump();
    }
};

Runtime& TheRuntime() {
    static Runtime r;
    return r;
}

} // namespace

// The drawing board's show-board sized area changed (259 x 175): repaint and present.
static void BM_RepaintSmallRegion(benchmark::State& state) {
    TheRuntime();
    for (auto _ : state) {
        forms::Screen::Invalidate(forms::IRect{300, 200, 259, 175});
        forms::Screen::Update();
    }
}
BENCHMARK(BM_RepaintSmallRegion)->Unit(benchmark::kMicrosecond);

// Everything changed: repaint and present the whole 1024 x 768 screen.
static void BM_RepaintFullScreen(benchmark::State& state) {
    TheRuntime();
    for (auto _ : state) {
        forms::Screen::InvalidateAll();
        forms::Screen::Update();
    }
}
BENCHMARK(BM_RepaintFullScreen)->Unit(benchmark::kMicrosecond);

// One timer tick delivered by the loop (the tick draws a segment, as the stroke animation does).
static void BM_TimerTickThroughLoop(benchmark::State& state) {
    Runtime& r = TheRuntime();
    forms::Timer t;
    int ticks = 0;
    double x = 0;
    t.Tick = [&] {
        ++ticks;
        r.form->Board.LineTo(100 + x, 100 + x / 2);
        x = x > 300 ? 0 : x + 1;
    };
    t.SetInterval(1);
    for (auto _ : state) {
        r.clock->Advance(1);
        forms::Application::Pump();
    }
    state.counters["ticks"] = ticks;
}
BENCHMARK(BM_TimerTickThroughLoop)->Unit(benchmark::kMicrosecond);

// A click through the loop: a press and a release on a label, hit-tested, dispatched and followed
// by its Click.
static void BM_ClickThroughLoop(benchmark::State& state) {
    Runtime& r = TheRuntime();
    int clicks = 0;
    r.form->Letters(3).Click = [&] { ++clicks; };
    for (auto _ : state) {
        forms::PostMouseDown(10 + 3 * 33 + 5, 630);
        forms::PostMouseUp(10 + 3 * 33 + 5, 630);
        forms::Application::Pump();
    }
    r.form->Letters(3).Click = nullptr;
    state.counters["clicks"] = clicks;
}
BENCHMARK(BM_ClickThroughLoop)->Unit(benchmark::kMicrosecond);

// The message loop with nothing to do for two seconds (real clock): how often it wakes and how
// much processor time it uses. Meaningful under a real display (run under xvfb-run); the dummy
// video driver polls.
static void BM_IdleLoopWakeups(benchmark::State& state) {
    Runtime& r = TheRuntime();
    for (auto _ : state) {
        forms::SetClock(nullptr);
        const int64_t wakes0 = forms::Application::WakeCount();
        rusage u0{}, u1{};
        getrusage(RUSAGE_SELF, &u0);
        std::thread quitter([] {
            std::this_thread::sleep_for(std::chrono::seconds(2));
            forms::PostQuit();
        });
        struct Idle : forms::Form {};
        forms::DefaultInstance<Idle> idle;
        const auto t0 = std::chrono::steady_clock::now();
        forms::Application::Run(idle);
        const double secs =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
        quitter.join();
        getrusage(RUSAGE_SELF, &u1);
        const double cpu = (u1.ru_utime.tv_sec - u0.ru_utime.tv_sec) +
                           (u1.ru_stime.tv_sec - u0.ru_stime.tv_sec) +
                           ((u1.ru_utime.tv_usec - u0.ru_utime.tv_usec) +
                            (u1.ru_stime.tv_usec - u0.ru_stime.tv_usec)) /
                               1e6;
        state.counters["wakeups_per_s"] = (forms::Application::WakeCount() - wakes0) / secs;
        state.counters["cpu_ms_per_s"] = cpu * 1000 / secs;
        forms::SetClock(r.clock);
        // Run unloaded every form on the quit; bring the screen form back for other benchmarks.
        r.form = std::make_unique<ScreenForm>();
        r.form->Show();
        forms::Application::Pump();
    }
}
BENCHMARK(BM_IdleLoopWakeups)->Iterations(1)->Unit(benchmark::kMillisecond);

// A loop waiting for a dialog (calling DoEvents until it closes) for one second, real clock.
static void BM_DoEventsWaitLoop(benchmark::State& state) {
    Runtime& r = TheRuntime();
    for (auto _ : state) {
        forms::SetClock(nullptr);
        rusage u0{}, u1{};
        getrusage(RUSAGE_SELF, &u0);
        const int64_t wakes0 = forms::Application::WakeCount();
        const auto t0 = std::chrono::steady_clock::now();
        int calls = 0;
        while (std::chrono::steady_clock::now() - t0 < std::chrono::seconds(1)) {
            forms::DoEvents();
            ++calls;
        }
        const double secs =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
        getrusage(RUSAGE_SELF, &u1);
        const double cpu = (u1.ru_utime.tv_sec - u0.ru_utime.tv_sec) +
                           (u1.ru_stime.tv_sec - u0.ru_stime.tv_sec) +
                           ((u1.ru_utime.tv_usec - u0.ru_utime.tv_usec) +
                            (u1.ru_stime.tv_usec - u0.ru_stime.tv_usec)) /
                               1e6;
        state.counters["calls_per_s"] = calls / secs;
        state.counters["wakeups_per_s"] = (forms::Application::WakeCount() - wakes0) / secs;
        state.counters["cpu_ms_per_s"] = cpu * 1000 / secs;
        forms::SetClock(r.clock);
    }
}
BENCHMARK(BM_DoEventsWaitLoop)->Iterations(1)->Unit(benchmark::kMillisecond);

namespace {

// A form like the background: 26 letter pictures of 320 x 240 shown stretched into 120 x 90
// places along the screen's edges.
struct StretchedForm : forms::Form {
    forms::ControlArray<forms::Image> Pictures{this, 0, 25};
    StretchedForm() {
        SetBorderStyle(forms::vbBSNone);
        SetWindowState(forms::vbMaximized);
        for (int i = 0; i < 26; ++i) {
            forms::Canvas c(320, 240, 0x102030 * (i + 1));
            c.FillGradient(forms::IRect{0, 0, 320, 240}, 0x2040F0 + i, 0xF04020);
            Pictures(i).SetStretch(true);
            Pictures(i).SetPicture(forms::MakePicture(std::move(c)));
            const int x = i < 8 ? i * 128 : i < 13 ? 904 : i < 21 ? (20 - i) * 128 : 0;
            const int y = i < 8 ? 0 : i < 13 ? (i - 7) * 112 : i < 21 ? 678 : (25 - i) * 112 + 112;
            Pictures(i).Move(x, y, 120, 90);
        }
    }
};

} // namespace

// The background's pictures repainted, as when a dialog above them closes: the whole screen.
static void BM_RepaintStretchedPictures(benchmark::State& state) {
    TheRuntime().form->Hide();
    StretchedForm f;
    f.Show();
    forms::Application::Pump();
    for (auto _ : state) {
        forms::Screen::InvalidateAll();
        forms::Screen::Update();
    }
    f.Hide();
    TheRuntime().form->Show();
    forms::Application::Pump();
}
BENCHMARK(BM_RepaintStretchedPictures)->Unit(benchmark::kMicrosecond);
