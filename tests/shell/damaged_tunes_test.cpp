// A damaged or empty tune in the program folder: the default instrument's at start-up, through
// the runtime's Run as the executable starts, and another instrument's when it is chosen. The
// program runs on without music, ends on SIGTERM, says so once in its debug log and nothing on
// stderr. Each case runs in a fresh process with an alarm: a tune the mixer's thread is stuck on
// used to hold the mixer's lock for ever, and the program with it ("Terminated by signal 14").
#include "tests/shell/shell_fixture.h"
#include "tests/support/child_end.h"
#include "tests/support/stderr_counter.h"

#include <SDL.h>

#include <chrono>
#include <csignal>
#include <memory>
#include <random>
#include <thread>
#include <unistd.h>

namespace {

enum class When { AtStartUp, WhenChosen };

struct DamagedTuneCase {
    const char* name;
    const char* tune; // in the program folder
    int16_t instrument;
    std::string (*bytes)();
    When when;
};

void PrintTo(const DamagedTuneCase& c, std::ostream* os) {
    *os << c.name;
}

std::string RandomBytes() {
    std::mt19937 random(16);
    std::string b(200, '\0');
    for (char& c : b)
        c = static_cast<char>(random());
    return b;
}

std::string NoBytes() {
    return "";
}

class DamagedTuneTest : public ShellTest, public ::testing::WithParamInterface<DamagedTuneCase> {
  protected:
    // The lines of the debug log that name the tune.
    int LinesNamingTheTune(const std::string& log) const {
        const std::string file = GetParam().tune;
        const std::string name = file.substr(file.find('/') + 1);
        int lines = 0;
        for (size_t at = log.find(name); at != std::string::npos; at = log.find(name, at + 1))
            ++lines;
        return lines;
    }

    // Starts the program as the executable does, in real time, and sends it SIGTERM after three
    // seconds. Returns the problems found.
    std::string StartAndTerminate() {
        std::string problems;
        forms::SetClock(std::make_shared<forms::SystemClock>());
        std::thread terminate([] {
            std::this_thread::sleep_for(std::chrono::seconds(3));
            ::kill(::getpid(), SIGTERM);
        });
        const int status = forms::Application::Run(FrmMain);
        terminate.join();
        if (status != 0) problems += "exit status " + std::to_string(status) + "\n";
        // The letter animates at Level I: about thirty frames in three seconds; a program stuck
        // after its first screen shows one or two.
        const int64_t frames = forms::Screen::FrameCount();
        if (frames < 10) problems += "frames shown: " + std::to_string(frames) + "\n";
        const int lines = LinesNamingTheTune(folder.Read("zWO.WO"));
        if (lines != 1) problems += "debug log lines naming the tune: " + std::to_string(lines);
        return problems;
    }

    // The program runs; the instrument is chosen, twice, with another one between.
    std::string StartAndChoose() {
        std::string problems;
        StartAndShow();
        h.Advance(1000);
        const int16_t chosen = GetParam().instrument, before = Settings.Instrument;
        const int64_t framesBefore = forms::Screen::FrameCount();
        FrmMenuMusic->AT_IMG_MusicButtons_Click(chosen);
        SDL_Delay(300);  // the mixer's thread has the tune meanwhile
        h.Advance(4000); // the letter animates and speaks, through the mixer
        FrmMenuMusic->AT_IMG_MusicButtons_Click(before);
        FrmMenuMusic->AT_IMG_MusicButtons_Click(chosen);
        SDL_Delay(300);
        h.Advance(1000);
        const forms::MusicPlayer& player = FrmMenuMusic->MM_Music;
        if (player.Loaded()) problems += "the tune is loaded\n";
        if (!player.Playing()) problems += "the player no longer follows the settings\n";
        if (forms::Screen::FrameCount() < framesBefore + 20) problems += "the screen stood still\n";
        const int lines = LinesNamingTheTune(DebugText);
        if (lines != 1) problems += "debug log lines naming the tune: " + std::to_string(lines);
        return problems;
    }

    [[noreturn]] void RunWithTheDamagedTune() {
        ::alarm(30);
        HideMedia(GetParam().tune);
        folder.Write(GetParam().tune, GetParam().bytes());
        folder.Write("zWO.WO", ""); // the debug log on
        std::string problems;
        uint64_t stderrBytes = 0;
        {
            testsupport::StderrCounter err;
            problems = GetParam().when == When::AtStartUp ? StartAndTerminate() : StartAndChoose();
            stderrBytes = err.Stop();
        }
        if (stderrBytes > 512) problems += "\nstderr: " + std::to_string(stderrBytes) + " bytes";
        std::filesystem::remove_all(folder.Path()); // the fixture's end does not come
        testsupport::EndChild(problems);
    }
};

TEST_P(DamagedTuneTest, TheProgramRunsOnWithoutMusic) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(RunWithTheDamagedTune(), ::testing::ExitedWithCode(0), "");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DamagedTuneTest,
    ::testing::Values(
        DamagedTuneCase{"RandomBytesAtStartUp", "Music/Music3.mid", 2, RandomBytes,
                        When::AtStartUp},
        DamagedTuneCase{"EmptyAtStartUp", "Music/Music3.mid", 2, NoBytes, When::AtStartUp},
        DamagedTuneCase{"RandomBytesWhenChosen", "Music/Music1.mid", 0, RandomBytes,
                        When::WhenChosen},
        DamagedTuneCase{"EmptyWhenChosen", "Music/Music1.mid", 0, NoBytes, When::WhenChosen}),
    [](const ::testing::TestParamInfo<DamagedTuneCase>& info) { return info.param.name; });

} // namespace
