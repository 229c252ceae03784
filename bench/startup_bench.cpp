// The start-up's settings and fonts steps as a new process meets them: the settings file read,
// decoded, read into the record and checked; the three fonts found missing from the process
// and registered again from a program folder and a Windows folder that already hold them; the
// start-up tune loaded into the mixer, and the check it passes first.
#include "forms/files.h"
#include "forms/font_registry.h"
#include "forms/forms.h"
#include "forms/midi_file.h"
#include "shell/settings_file.h"
#include "shell/startup.h"
#include "shell/user_set.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

// A program folder with the built settings file and fonts, removed at the end.
struct BenchFolder {
    fs::path dir = fs::temp_directory_path() / ("wo_bench_" + std::to_string(::getpid()));
    BenchFolder() {
        const fs::path app(WO_APP_DIR);
        fs::create_directories(dir / "Fonts");
        for (const char* font : {"VAGRON", "VAGROLN", "WINGDNG2"})
            fs::copy_file(app / "Fonts" / font, dir / "Fonts" / font);
        fs::copy_file(app / "WiseOwlet.Dbf", dir / "WiseOwlet.Dbf");
        setenv("WO_WINDOWS_DIR", (dir / "Windows").c_str(), 1);
        forms::SetProgramFolder(dir.string());
        InitPaths();
    }
    ~BenchFolder() {
        forms::SetProgramFolder("");
        unsetenv("WO_WINDOWS_DIR");
        fs::remove_all(dir);
    }
};

} // namespace

static void BM_LoadSettingsFile(benchmark::State& state) {
    BenchFolder folder;
    for (auto _ : state)
        benchmark::DoNotOptimize(LoadSettingsFile());
}
BENCHMARK(BM_LoadSettingsFile)->Unit(benchmark::kMicrosecond);

// The start-up's tidying after an interrupted save, with nothing to tidy, as every start pays it:
// the two files' folders looked through for a killed save's temporary files, and the password
// reminder read and found to agree with the settings.
static void BM_TidyInterruptedSave(benchmark::State& state) {
    BenchFolder folder;
    LoadSettingsFile();
    WritePasswordReminder();
    for (auto _ : state)
        TidyInterruptedSave();
}
BENCHMARK(BM_TidyInterruptedSave)->Unit(benchmark::kMicrosecond);

static void BM_InstallFontsAgain(benchmark::State& state) {
    BenchFolder folder;
    InstallFonts(); // the first start: the fonts copied and their resource files made
    for (auto _ : state) {
        forms::FontRegistry::Instance().Reset();
        InstallFonts();
    }
    forms::FontRegistry::Instance().Reset();
}
BENCHMARK(BM_InstallFontsAgain)->Unit(benchmark::kMicrosecond);

namespace {
struct TuneHolder : forms::Form {
    forms::MusicPlayer Player{this};
};
} // namespace

// The start-up tune (the default instrument's) loaded into the mixer on the dummy audio driver, as
// the work after the first screen does it, and let go again.
static void BM_LoadStartUpTune(benchmark::State& state) {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    forms::ScreenOptions o;
    o.windowed = true;
    forms::Application::Start(o);
    TuneHolder holder;
    const std::string tune = std::string(WO_APP_DIR) + "/Music/Music3.mid";
    for (auto _ : state) {
        holder.Player.SetFileName(tune);
        holder.Player.SetFileName(""); // lets the tune go: the next turn loads it again
    }
}
BENCHMARK(BM_LoadStartUpTune)->Unit(benchmark::kMicrosecond);

// The check a tune passes before the mixer gets it: the start-up tune's bytes read through.
static void BM_CheckStartUpTune(benchmark::State& state) {
    const std::vector<uint8_t> bytes =
        forms::ReadAllBytes(std::string(WO_APP_DIR) + "/Music/Music3.mid");
    for (auto _ : state)
        benchmark::DoNotOptimize(forms::MidiFileFault(bytes));
}
BENCHMARK(BM_CheckStartUpTune)->Unit(benchmark::kMicrosecond);
