// The start-up's settings and fonts steps as a new process meets them: the settings file read,
// decoded, read into the record and checked; the three fonts found missing from the process
// and registered again from a program folder and a Windows folder that already hold them.
#include "forms/files.h"
#include "forms/font_registry.h"
#include "forms/forms.h"
#include "shell/settings_file.h"
#include "shell/startup.h"
#include "shell/user_set.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

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
