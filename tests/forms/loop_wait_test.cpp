// What a DoEvents with nothing to do waits for (a timer's deadline, a sound's end, an event the
// runtime posts), the work that waits for the program's first screen, and how the window presents.
#include "forms/backend.h"
#include "forms/forms.h"
#include "forms/runtime_internal.h"
#include "forms/sound_channel.h"
#include "tests/support/headless.h"
#include "tests/support/wave_file.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <thread>

namespace {

using namespace forms;
namespace fs = std::filesystem;

class LoopWaitTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("wo_wait_" + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir_);
        wo_test::WriteWave(Wave(), 300);
    }
    void TearDown() override { fs::remove_all(dir_); }
    std::string Wave() const { return (dir_ / "beep.wav").string(); }
    fs::path dir_;
};

TEST_F(LoopWaitTest, UnderAVirtualClockDoEventsJumpsToTheEndOfAPlayingSound) {
    testsupport::Headless h;
    SoundChannel ch;
    ch.SetFileName(Wave());
    ch.SetCommand("Open");
    ch.SetCommand("Play");
    const int64_t started = h.Now();
    ASSERT_EQ(ch.Mode(), mciModePlay);
    EXPECT_EQ(Application::NextWakeTime(), started + 300) << "no timer: the sound's end wakes";
    DoEvents();
    EXPECT_EQ(h.Now(), started + 300);
    EXPECT_EQ(ch.Mode(), mciModeStop);
    EXPECT_EQ(Application::NextWakeTime(), -1) << "an ended sound wakes nothing";
}

TEST_F(LoopWaitTest, AStoppedOrClosedSoundNoLongerWakesTheLoop) {
    testsupport::Headless h;
    for (const char* end : {"Stop", "Close"}) {
        SCOPED_TRACE(end);
        SoundChannel ch;
        ch.SetFileName(Wave());
        ch.SetCommand("Open");
        ch.SetCommand("Play");
        ASSERT_GE(Application::NextWakeTime(), 0);
        ch.SetCommand(end);
        EXPECT_EQ(Application::NextWakeTime(), -1);
    }
}

// The real clock from here on: the wait itself is what is tested.
class RealClockWaitTest : public LoopWaitTest {
  protected:
    void SetUp() override {
        LoopWaitTest::SetUp();
        SetClock(nullptr);
        ASSERT_TRUE(Application::Start(ScreenOptions{}));
        Application::Pump(); // nothing left pending
    }
    void TearDown() override {
        Application::Shutdown();
        LoopWaitTest::TearDown();
    }
};

TEST_F(RealClockWaitTest, OneIdleDoEventsSleepsUntilATimerIsDueAndFiresIt) {
    Timer t;
    int ticks = 0;
    t.Tick = [&] { ++ticks; };
    t.SetInterval(60);
    // The system's sleep may end a millisecond early: a few calls, where waits of a few
    // milliseconds would take 15.
    int calls = 0;
    while (ticks == 0 && calls < 20) {
        DoEvents();
        ++calls;
    }
    EXPECT_EQ(ticks, 1);
    EXPECT_LE(calls, 4) << "each wait lasted until the deadline, not a few milliseconds";
}

TEST_F(RealClockWaitTest, OneIdleDoEventsSleepsUntilASoundHasEnded) {
    SoundChannel ch;
    ch.SetFileName(Wave());
    ch.SetCommand("Open");
    ch.SetCommand("Play");
    ASSERT_EQ(ch.Mode(), mciModePlay);
    int calls = 0;
    while (ch.Mode() == mciModePlay && calls < 100) {
        DoEvents();
        ++calls;
    }
    EXPECT_EQ(ch.Mode(), mciModeStop);
    // The mixer may finish its copy a buffer early (a posted wake) and the system's sleep may
    // end a millisecond early: a few calls, where waits of a few milliseconds would take 75.
    EXPECT_LE(calls, 5) << "each wait lasted until the sound's end, not a few milliseconds";
}

TEST_F(RealClockWaitTest, AnEventPostedFromAnotherThreadEndsTheWait) {
    // No timer and no sound: only the posted event can end the wait before its one-second cap.
    std::thread poster([] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        backend::PostWake();
    });
    const auto t0 = std::chrono::steady_clock::now();
    DoEvents();
    const auto waited = std::chrono::steady_clock::now() - t0;
    poster.join();
    EXPECT_LT(waited, std::chrono::milliseconds(700));
    EXPECT_FALSE(Application::InputPending()) << "the wake is no input";
}

// --- Work that waits for the first screen ------------------------------------------------------

int64_t framesWhenTheTaskRan = -1;
int64_t framesAfterLoad = -1;
bool tuneLoadedInLoad = true;
bool tuneLoadedAfter = false;
bool tuneHeardAfter = false;

struct StartingForm : Form {
    PictureBox holder{this};
    MusicPlayer player{&holder};
    Timer check{this};
    StartingForm() {
        check.SetInterval(20);
        check.Tick = [this] {
            tuneLoadedAfter = player.Loaded();
            tuneHeardAfter = Mix_PlayingMusic() && !Mix_PausedMusic();
            Unload();
        };
    }
    void Form_Load() override {
        detail::WhenStarted([] { framesWhenTheTaskRan = Screen::FrameCount(); });
        framesAfterLoad = Screen::FrameCount();
        player.SetFileName(std::string(WO_APP_DIR) + "/Music/Music2.mid");
        player.Play();
        tuneLoadedInLoad = player.Loaded();
    }
};
inline DefaultInstance<StartingForm> Starting;

TEST(StartUpTest, WorkTheFirstScreenDoesNotNeedRunsOnceItIsShown) {
    testsupport::Headless h;
    EXPECT_EQ(Application::Run(Starting), 0);
    EXPECT_GT(framesWhenTheTaskRan, framesAfterLoad) << "ran after the first screen was presented";
    EXPECT_FALSE(tuneLoadedInLoad) << "the tune waits for the first screen";
    EXPECT_TRUE(tuneLoadedAfter);
    EXPECT_TRUE(tuneHeardAfter) << "Play given during the start-up starts the tune then";
}

std::string speakingFile;
bool deviceClosedInLoad = false, playingInLoad = false, heardAfter = false;
int modeAfter = 0;
int64_t loadedAt = 0, voiceEndsAfter = 0;

struct SpeakingForm : Form {
    SoundChannel voice;
    Timer check{this};
    SpeakingForm() {
        check.SetInterval(20);
        check.Tick = [this] {
            heardAfter = Mix_Playing(-1) > 0;
            modeAfter = voice.Mode();
            voiceEndsAfter = Application::NextWakeTime();
            Unload();
        };
    }
    void Form_Load() override {
        int freq = 0, channels = 0;
        Uint16 format = 0;
        voice.SetFileName(speakingFile);
        voice.SetCommand("Open");
        voice.SetCommand("Play");
        playingInLoad = voice.Mode() == mciModePlay;
        // The device waits for the first screen; the sound's clock does not.
        deviceClosedInLoad = Mix_QuerySpec(&freq, &format, &channels) == 0;
        // A slow start-up: the sound is still heard whole once the screen shows.
        loadedAt = GetClock().NowMs();
        GetClock().JumpTo(loadedAt + 400);
        check.SetInterval(20); // from now on
    }
};

TEST_F(LoopWaitTest, ASoundStartedDuringTheStartUpReachesTheMixerOnceTheScreenShows) {
    // In a fresh process, where no test has opened the audio device yet.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    wo_test::WriteWave(Wave(), 1000);
    const std::string file = Wave();
    EXPECT_EXIT(
        {
            testsupport::Headless h;
            DefaultInstance<SpeakingForm> form;
            speakingFile = file;
            Application::Run(form);
            std::fprintf(stderr, "closed %d playing %d heard %d mode %d ends %lld\n",
                         deviceClosedInLoad, playingInLoad, heardAfter, modeAfter,
                         static_cast<long long>(voiceEndsAfter - loadedAt));
            const bool ok = deviceClosedInLoad && playingInLoad && heardAfter &&
                            modeAfter == mciModePlay && voiceEndsAfter == loadedAt + 1400;
            std::_Exit(ok ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "closed 1 playing 1 heard 1 mode 526 ends 1400");
}

TEST(StartUpTest, OutsideTheStartUpWorkRunsAtOnce) {
    testsupport::Headless h;
    bool ran = false;
    detail::WhenStarted([&] { ran = true; });
    EXPECT_TRUE(ran);
    EXPECT_FALSE(detail::Starting());
}

// --- Presenting ----------------------------------------------------------------------------------

struct HintCase {
    const char* name;
    const char* environment; // nullptr: unset
    const char* expected;
};

class FramebufferHintTest : public ::testing::TestWithParam<HintCase> {};

TEST_P(FramebufferHintTest, TheWindowPresentsWithoutGlUnlessTheUserAsksForIt) {
    const HintCase& c = GetParam();
    const char* old = std::getenv("SDL_FRAMEBUFFER_ACCELERATION");
    const std::string saved = old ? old : "";
    if (c.environment)
        setenv("SDL_FRAMEBUFFER_ACCELERATION", c.environment, 1);
    else
        unsetenv("SDL_FRAMEBUFFER_ACCELERATION");
    {
        testsupport::Headless h;
        const char* hint = SDL_GetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION);
        ASSERT_NE(hint, nullptr);
        EXPECT_STREQ(hint, c.expected);
    }
    if (old)
        setenv("SDL_FRAMEBUFFER_ACCELERATION", saved.c_str(), 1);
    else
        unsetenv("SDL_FRAMEBUFFER_ACCELERATION");
}

INSTANTIATE_TEST_SUITE_P(, FramebufferHintTest,
                         ::testing::Values(HintCase{"Default", nullptr, "0"},
                                           HintCase{"UserWantsGl", "1", "1"},
                                           HintCase{"UserNamesARenderer", "opengl", "opengl"}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
