// A small form drawn in a real X11 window (under Xvfb) shows exactly the pixels of the headless
// render: the window path presents the virtual screen unchanged.
#include "tests/support/headless.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

using namespace forms;
namespace fs = std::filesystem;

namespace {

constexpr int kW = 320, kH = 240;

struct SampleForm : Form {
    PictureBox Board{this};
    Label Text{this};
    Shape Ring{this};
    SampleForm() {
        SetCaption("Sample");
        Move(10 * 15, 8 * 15, 300 * 15, 220 * 15);
        SetBackColor(RGB(200, 220, 255));
        Board.Move(10, 10, 150, 120);
        Board.SetBackColor(RGB(255, 255, 255));
        Board.SetDrawWidth(7);
        Board.Line(10, 10, 130, 100, RGB(255, 0, 0));
        Board.SetDrawWidth(12);
        Board.Circle(40, 90, 0, RGB(0, 0, 255));
        Board.SetDrawWidth(2);
        Board.SetFillStyle(vbFSSolid);
        Board.SetFillColor(RGB(0, 200, 0));
        Board.Circle(110, 40, 20, RGB(0, 0, 0));
        Text.Move(170, 20, 110, 60);
        Text.SetCaption("Apple &Boat\r\nZebra");
        Text.SetFontSize(12);
        Text.SetFontBold(true);
        Text.SetBackStyle(vbTransparent);
        Ring.SetShape(vbShapeCircle);
        Ring.Move(180, 100, 60, 60);
        Ring.SetBorderWidth(3);
    }
};

// The X11 libraries that SDL loads at run time keep a few small allocations for the life of the
// process and are unloaded before the leak check could name them; the X11 part of the test is
// therefore left out of the leak check.
#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
struct LeakCheckOff {
    LeakCheckOff() { __lsan_disable(); }
    ~LeakCheckOff() { __lsan_enable(); }
};
#else
struct LeakCheckOff {
    LeakCheckOff() {} // nothing to switch off without the leak checker
};
#endif

// The root window of the display as 0x00BBGGRR pixels, read with xwd.
bool Capture(const std::string& display, std::vector<int32_t>& out, int& w, int& h) {
    const std::string file =
        (fs::temp_directory_path() / ("wo_xwd_" + std::to_string(getpid()))).string();
    const std::string cmd = "xwd -root -silent -display " + display + " -out " + file;
    if (int rc = std::system(cmd.c_str()); rc != 0) {
        std::fprintf(stderr, "%s: status %d\n", cmd.c_str(), rc);
        return false;
    }
    std::ifstream in(file, std::ios::binary);
    std::vector<uint8_t> d((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    fs::remove(file);
    auto u32 = [&](size_t field) {
        size_t o = field * 4;
        return (uint32_t(d[o]) << 24) | (uint32_t(d[o + 1]) << 16) | (uint32_t(d[o + 2]) << 8) |
               d[o + 3];
    };
    if (d.size() < 100) {
        std::fprintf(stderr, "xwd: no header\n");
        return false;
    }
    const uint32_t headerSize = u32(0), width = u32(4), height = u32(5), byteOrder = u32(7);
    const uint32_t bpp = u32(11), bytesPerLine = u32(12), rmask = u32(14), gmask = u32(15),
                   bmask = u32(16), ncolors = u32(19);
    if (bpp != 32 && bpp != 24) {
        std::fprintf(stderr, "xwd: %u bits per pixel\n", bpp);
        return false;
    }
    const size_t start = headerSize + size_t(ncolors) * 12;
    if (d.size() < start + size_t(bytesPerLine) * height) {
        std::fprintf(stderr, "xwd: short file (%zu bytes)\n", d.size());
        return false;
    }
    auto shift = [](uint32_t m) {
        int s = 0;
        while (m && !(m & 1)) {
            m >>= 1;
            ++s;
        }
        return s;
    };
    w = static_cast<int>(width);
    h = static_cast<int>(height);
    out.assign(size_t(w) * h, 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const size_t bytes = bpp / 8;
            const uint8_t* p = &d[start + size_t(y) * bytesPerLine + size_t(x) * bytes];
            uint32_t v = 0;
            for (size_t i = 0; i < bytes; ++i)
                v |= uint32_t(p[byteOrder == 0 ? i : bytes - 1 - i]) << (8 * i);
            int r = (v & rmask) >> shift(rmask), g = (v & gmask) >> shift(gmask),
                b = (v & bmask) >> shift(bmask);
            out[size_t(y) * w + x] = RGB(r, g, b);
        }
    return true;
}

bool OnPath(const char* tool) {
    return std::system((std::string("command -v ") + tool + " >/dev/null 2>&1").c_str()) == 0;
}

// Starts a private X server of the size, shows the sample form in a real window on it (windowed at
// the virtual size, or full-screen and scaled) and reads the server's screen back.
void RenderInXvfb(int serverW, int serverH, bool windowed, std::vector<int32_t>& got, int& w,
                  int& h) {
    // A private X server on a display number it picks itself (written to a pipe), so that it
    // never meets another server of the machine.
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    const std::string size = std::to_string(serverW) + "x" + std::to_string(serverH) + "x24";
    std::vector<std::string> args = {
        "Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0", size, "-nolisten", "tcp"};
    std::vector<char*> argv;
    for (auto& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t server = 0;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    const int spawned = posix_spawnp(&server, "Xvfb", &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    ASSERT_EQ(spawned, 0);
    struct Stop {
        pid_t pid;
        ~Stop() {
            kill(pid, SIGTERM);
            waitpid(pid, nullptr, 0);
        }
    } stop{server};
    std::string number;
    char ch;
    while (read(fds[0], &ch, 1) == 1 && ch != '\n')
        number += ch;
    close(fds[0]);
    ASSERT_FALSE(number.empty()) << "Xvfb did not start";
    const std::string display = ":" + number;

    [[maybe_unused]] LeakCheckOff noLeakCheck;
    const char* oldDriver = std::getenv("SDL_VIDEODRIVER");
    const std::string savedDriver = oldDriver ? oldDriver : "";
    setenv("SDL_VIDEODRIVER", "x11", 1);
    setenv("DISPLAY", display.c_str(), 1);
    Application::SetErrorPolicy(ErrorPolicy::Propagate);
    ScreenOptions o;
    o.width = kW;
    o.height = kH;
    o.windowed = windowed;
    Application::Start(o);
    {
        SampleForm f;
        f.Show();
        // Let the server map the window and ask for its contents (passes that never wait: a
        // DoEvents with nothing to do sleeps until the next event).
        for (int i = 0; i < 50; ++i) {
            Application::Pump();
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        Screen::InvalidateAll();
        Screen::Update();
        ASSERT_TRUE(Capture(display, got, w, h));
    }
    Application::Shutdown();
    setenv("SDL_VIDEODRIVER", savedDriver.empty() ? "dummy" : savedDriver.c_str(), 1);
    Application::SetErrorPolicy(ErrorPolicy::ShowAndEnd);
}

// The headless render of the sample form.
std::vector<int32_t> HeadlessRender() {
    std::vector<int32_t> expected;
    testsupport::Headless h(kW, kH);
    SampleForm f;
    f.Show();
    h.Pump();
    const Canvas& c = Screen::Pixels();
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x)
            expected.push_back(c.GetPixel(x, y));
    return expected;
}

#define REQUIRE_XVFB()                                                                             \
    if (!OnPath("Xvfb")) GTEST_SKIP() << "Xvfb is not installed (scripts/setup.sh installs xvfb)"; \
    if (!OnPath("xwd"))                                                                            \
    GTEST_SKIP() << "xwd is not installed (scripts/setup.sh installs "                             \
                    "x11-apps)"

TEST(XvfbTest, RealWindowShowsTheHeadlessPixels) {
    REQUIRE_XVFB();
    const std::vector<int32_t> expected = HeadlessRender();
    std::vector<int32_t> got;
    int w = 0, h = 0;
    RenderInXvfb(kW, kH, true, got, w, h);
    if (HasFatalFailure()) return;
    ASSERT_EQ(w, kW);
    ASSERT_EQ(h, kH);
    int differ = 0, firstX = -1, firstY = -1;
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x)
            if (got[size_t(y) * kW + x] != expected[size_t(y) * kW + x]) {
                if (differ++ == 0) {
                    firstX = x;
                    firstY = y;
                }
            }
    EXPECT_EQ(differ, 0) << "first difference at " << firstX << "," << firstY;
}

TEST(XvfbTest, FullScreenScalesWithTheAspectKept) {
    REQUIRE_XVFB();
    const std::vector<int32_t> expected = HeadlessRender();
    // Twice the virtual size across, more than twice down: scale 2, bars above and below.
    constexpr int kSW = 2 * kW, kSH = 2 * kH + 40;
    std::vector<int32_t> got;
    int w = 0, h = 0;
    RenderInXvfb(kSW, kSH, false, got, w, h);
    if (HasFatalFailure()) return;
    ASSERT_EQ(w, kSW);
    ASSERT_EQ(h, kSH);
    int differ = 0;
    for (int y = 0; y < kSH; ++y)
        for (int x = 0; x < kSW; ++x) {
            const int sy = y - 20;
            const int32_t want = sy < 0 || sy >= 2 * kH ? 0 : expected[size_t(sy / 2) * kW + x / 2];
            differ += got[size_t(y) * kSW + x] != want;
        }
    EXPECT_EQ(differ, 0);
}

} // namespace
