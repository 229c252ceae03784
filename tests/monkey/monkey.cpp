#include "tests/monkey/monkey.h"

#include "forms/font_registry.h"
#include "forms/forms.h"
#include "forms/input.h"
#include "forms/msgbox.h"
#include "shell/forms_list.h"
#include "shell/frm_main.h"
#include "shell/settings_file.h"
#include "shell/startup.h"
#include "shell/user_set.h"
#include "tests/support/fresh_run.h"
#include "tests/support/headless.h"
#include "tests/support/temp_program_folder.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <functional>
#include <optional>
#include <random>
#include <set>
#include <sstream>
#include <thread>

// The sanitizers' runtime, where the build links one: its header is there either way, its
// functions only with -fsanitize.
#if defined(__SANITIZE_ADDRESS__)
#define WO_MONKEY_DEATH_CALLBACK 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define WO_MONKEY_DEATH_CALLBACK 1
#endif
#endif
#ifdef WO_MONKEY_DEATH_CALLBACK
#include <sanitizer/common_interface_defs.h>
#endif

namespace monkey {

namespace {

namespace fs = std::filesystem;

constexpr int kWidth = 1024, kHeight = 768;
// What one event may cost before it counts as a hang: idle passes of the program's own loops,
// events fed into them, virtual time, loop passes of the monkey's own waiting, and real time.
constexpr long kMaxIdlePerEvent = 200000;
constexpr long kMaxFedPerEvent = 1000;
constexpr int64_t kMaxVirtualMsPerEvent = 30 * 60 * 1000;
constexpr long kMaxPassesPerWait = 2000000;
constexpr int kWallSecondsWithoutProgress = 120;
constexpr size_t kLogTail = 25;

// The virtual clock, with a word from every idle pass of DoEvents (the only caller of IsVirtual
// besides Run): there the program waits for input, so the monkey gives it some.
class MonkeyClock : public forms::VirtualClock {
  public:
    MonkeyClock() : VirtualClock(1000) {}
    bool IsVirtual() const override {
        if (idle) idle();
        return true;
    }
    std::function<void()> idle;
};

class Runner;
Runner* g_runner = nullptr;

class Runner {
  public:
    explicit Runner(const Options& o)
        : options_(o), rng_(o.seed), programRng_(o.seed ^ 0x9E3779B97F4A7C15ull) {}

    Outcome Go();
    // For the sanitizers' death callback and the watchdog: the seed and the last events.
    std::string Tail() const;

  private:
    struct Point {
        double x, y;
    };

    void LayOutFolder();
    bool StartProgram(std::string& why);
    void StopProgram();
    void Step();
    std::string PostEvent();
    Point PickPoint();
    std::string PostKey();
    void Pump();
    void Advance(int64_t ms);
    void OnIdle();
    [[noreturn]] void Hang(const std::string& what);
    void Fail(const std::string& what);
    void Note(const std::string& what);
    void CheckSettingsFile();
    void Restart(const std::string& why);
    void Record();
    void VarySettings();
    void RememberSettingsFile();
    double Uniform(double lo, double hi) { return std::uniform_real_distribution<>(lo, hi)(rng_); }
    int Int(int lo, int hi) { return std::uniform_int_distribution<>(lo, hi)(rng_); }
    bool Chance(double p) { return Uniform(0, 1) < p; }

    Options options_;
    std::mt19937_64 rng_;        // the monkey's choices
    std::mt19937_64 programRng_; // the program's Rnd, so that a seed replays the same run
    wotest::TempProgramFolder folder_{"wo_monkey"};
    std::string winDir_;
    std::shared_ptr<MonkeyClock> clock_ = std::make_shared<MonkeyClock>();
    std::optional<testsupport::Headless> headless_;
    Outcome out_;
    std::deque<std::string> log_;
    std::set<std::string> reached_;
    bool feeding_ = false; // the idle hook may feed the program's loops
    bool starting_ = false;
    bool posting_ = false;
    long idlePasses_ = 0, fed_ = 0;
    int64_t eventStartMs_ = 0;
    fs::file_time_type settingsTime_{};
    uintmax_t settingsSize_ = 0;

  public:
    std::atomic<long> progress{0};
};

std::string Runner::Tail() const {
    std::ostringstream s;
    s << "monkey seed " << options_.seed << ", event " << out_.events << " of " << options_.events
      << "; rerun: WO_MONKEY_SEED=" << options_.seed << " WO_MONKEY_EVENTS=" << options_.events
      << " monkey_tests\nlast events:\n";
    for (const std::string& e : log_)
        s << "  " << e << "\n";
    return s.str();
}

void Runner::Note(const std::string& what) {
    log_.push_back(std::to_string(out_.events) + ": " + what);
    if (log_.size() > kLogTail) log_.pop_front();
}

void Runner::Fail(const std::string& what) {
    if (!out_.ok) return;
    out_.ok = false;
    out_.failure = what + "\n" + Tail();
}

void Runner::Hang(const std::string& what) {
    std::fprintf(stderr, "monkey: hang: %s\n%s", what.c_str(), Tail().c_str());
    std::fflush(stderr);
    std::abort();
}

void Runner::LayOutFolder() {
    const fs::path app(WO_APP_DIR), dir(folder_.Path());
    for (const char* sub : {"Sounds", "Images", "Music"})
        fs::create_directory_symlink(app / sub, dir / sub);
    fs::create_directory(dir / "Fonts");
    for (const auto& e : fs::directory_iterator(app / "Fonts"))
        if (e.is_regular_file()) fs::copy_file(e.path(), dir / "Fonts" / e.path().filename());
    fs::copy_file(app / "WiseOwlet.Dbf", dir / "WiseOwlet.Dbf");
    winDir_ = folder_.Path() + "/Windows";
    setenv("WO_WINDOWS_DIR", winDir_.c_str(), 1);
    forms::SetProgramFolder(folder_.Path());
}

bool Runner::StartProgram(std::string& why) {
    headless_.reset();
    testsupport::ResetProgramState();
    forms::FontRegistry::Instance().Reset();
    headless_.emplace(kWidth, kHeight);
    forms::SetClock(clock_);
    forms::SetMsgBoxResponder(nullptr); // the real boxes, fed from inside their loop
    forms::ClearMsgBoxLog();
    // No input while it starts (a click there may rightly end it); a message box is answered.
    feeding_ = false;
    starting_ = true;
    try {
        FrmMain.Get();
        FrmMain->Show();
        Pump();
        starting_ = false;
        feeding_ = true;
    } catch (const forms::EndSignal& end) {
        why = "status " + std::to_string(end.status) + ", " +
              (forms::MsgBoxLog().empty() ? "no message"
                                          : "\"" + forms::MsgBoxLog().back().prompt + "\"");
        starting_ = false;
        return false;
    }
    return true;
}

void Runner::StopProgram() {
    feeding_ = false;
    // The program's own end, as a user closing it would reach; what fails there is its concern.
    if (FrmMain.IsLoaded() && !ProgramEnding()) {
        try {
            EndProgram();
        } catch (const forms::EndSignal&) {
        } catch (const std::exception& e) {
            Fail(std::string("the end of the program failed: ") + e.what());
        }
    }
    headless_.reset();
}

void Runner::RememberSettingsFile() {
    std::error_code ec;
    settingsTime_ = fs::last_write_time(folder_.File("WiseOwlet.Dbf"), ec);
    settingsSize_ = fs::file_size(folder_.File("WiseOwlet.Dbf"), ec);
}

// Half the starts begin from other settings, written by the program's own writer: another
// lesson, level and alphabet, a short range (so that a level can be finished), the password at
// start, another background. The options dialog reaches these too, only more slowly.
void Runner::VarySettings() {
    if (!Chance(0.5)) return;
    UserSet rec;
    ProcessAllSections(umDefaults, rec, rec);
    rec.UserLevel = static_cast<int16_t>(Int(0, 2));
    rec.AlphabetType = static_cast<int16_t>(Int(0, 3));
    rec.LessonID = static_cast<int16_t>(Chance(0.3) ? lsPuzzle : lsTracing);
    rec.AutoPlay = forms::ToFlag(Chance(0.7));
    rec.PWStart = forms::ToFlag(Chance(0.2));
    rec.BGFormOpt = static_cast<int16_t>(Int(0, 3));
    rec.MusicPlay = forms::ToFlag(Chance(0.5));
    if (Chance(0.7)) { // the shortest ranges the options dialog allows: five
        const int first = Int(0, 21);
        rec.AlphabetStart.assign(1, static_cast<char>('A' + first));
        rec.AlphabetEnd.assign(1, static_cast<char>('A' + std::min(25, first + 4 + Int(0, 2))));
        rec.NumbersStart = static_cast<int16_t>(Int(1, 26));
        rec.NumbersEnd = static_cast<int16_t>(std::min(30, rec.NumbersStart + 4 + Int(0, 2)));
        rec.NumbersStep = 1;
    }
    // Only what the program accepts: where its rules have moved on, the defaults.
    try {
        CheckSettingsRanges(rec);
    } catch (const forms::RuntimeError& e) {
        Note("settings refused (" + e.Description() + "): the defaults");
        ProcessAllSections(umDefaults, rec, rec);
    }
    IniText.clear();
    ProcessAllSections(umWrite, rec, rec);
    WriteSettingsFile(IniText, folder_.File("WiseOwlet.Dbf"));
    IniText.clear();
    RememberSettingsFile();
    Note("settings: lesson " + std::to_string(rec.LessonID) + " level " +
         std::to_string(rec.UserLevel) + " type " + std::to_string(rec.AlphabetType) + " " +
         rec.AlphabetStart + "-" + rec.AlphabetEnd + (rec.PWStart ? " password at start" : ""));
}

void Runner::Restart(const std::string& why) {
    Note("restart: " + why);
    ++out_.restarts;
    StopProgram();
    if (why.find("settings file changed") == std::string::npos) VarySettings();
    std::string failed;
    if (!StartProgram(failed)) Fail("the program did not start again (" + why + "): " + failed);
}

void Runner::Pump() {
    for (int i = 0; i < 100 && forms::Application::Pump(); ++i) {
    }
}

void Runner::Advance(int64_t ms) {
    const int64_t end = clock_->NowMs() + ms;
    Pump();
    for (long pass = 0;; ++pass) {
        if (pass > kMaxPassesPerWait) Hang("timers keep firing without time passing");
        const int64_t next = forms::Application::NextTimerDeadline();
        if (next < 0 || next > end) break;
        clock_->JumpTo(next);
        Pump();
    }
    clock_->JumpTo(end);
    Pump();
}

void Runner::OnIdle() {
    if (starting_ && !posting_ && forms::MsgBoxShowing()) {
        if (++idlePasses_ > kMaxIdlePerEvent) Hang("a message box at start-up was not answered");
        posting_ = true;
        forms::PostKeyDown(forms::vbKeyReturn);
        forms::PostKeyUp(forms::vbKeyReturn);
        Note("  (at start-up) Enter on \"" +
             (forms::MsgBoxLog().empty() ? std::string() : forms::MsgBoxLog().back().prompt) +
             "\"");
        posting_ = false;
        return;
    }
    if (!feeding_ || posting_ || forms::Application::HandlerDepth() == 0) return;
    if (++idlePasses_ > kMaxIdlePerEvent) Hang("a loop of the program spins without end");
    if (clock_->NowMs() - eventStartMs_ > kMaxVirtualMsPerEvent)
        Hang("a loop of the program keeps waiting (30 minutes of virtual time)");
    // With timers armed, let some of them tick between the fed events.
    if (forms::Application::NextTimerDeadline() >= 0 && !Chance(0.3)) return;
    if (++fed_ > kMaxFedPerEvent) Hang("a loop of the program does not end with input");
    posting_ = true;
    Record();
    Note("  (in a loop) " + PostEvent());
    posting_ = false;
    ++out_.events;
    ++progress;
}

Runner::Point Runner::PickPoint() {
    if (forms::MsgBoxShowing() && Chance(0.7)) {
        const auto rects = forms::MsgBoxButtonRects();
        if (!rects.empty()) {
            const auto& r = rects[static_cast<size_t>(Int(0, static_cast<int>(rects.size()) - 1))];
            return {r[0] + Uniform(0, r[2]), r[1] + Uniform(0, r[3])};
        }
    }
    if (Chance(0.75)) {
        // Where the controls are: every showing, enabled control of an enabled form, mostly those
        // that handle the mouse or take the focus, mostly on the active form.
        std::vector<forms::IRect> live, other;
        std::function<void(forms::Container&)> walk = [&](forms::Container& c) {
            for (forms::Control* k : c.Children()) {
                if (!k->Showing() || !k->Enabled()) continue;
                forms::IRect r = k->VisibleRect();
                // A tab strip is clicked on its tabs, along its top.
                if (dynamic_cast<forms::TabStrip*>(k) && Chance(0.7)) r.h = std::min(r.h, 22);
                if (!r.Empty()) {
                    const bool handles =
                        k->Click || k->DblClick || k->MouseDown || k->MouseUp || k->TakesFocus();
                    (handles ? live : other).push_back(r);
                }
                if (forms::Container* inner = k->AsContainer()) walk(*inner);
            }
        };
        forms::Form* active = forms::Application::ActiveForm();
        if (active && active->Visible() && active->Enabled() && Chance(0.5))
            walk(*active);
        else
            for (forms::Form* f : forms::Application::ShownForms())
                if (f->Enabled()) walk(*f);
        const std::vector<forms::IRect>& pool =
            !live.empty() && (other.empty() || Chance(0.8)) ? live : other;
        if (!pool.empty()) {
            const forms::IRect& r =
                pool[static_cast<size_t>(Int(0, static_cast<int>(pool.size()) - 1))];
            return {r.x + Uniform(0, r.w), r.y + Uniform(0, r.h)};
        }
    }
    return {Uniform(-2, kWidth + 2), Uniform(-2, kHeight + 2)};
}

std::string Runner::PostKey() {
    static const int16_t kSpecial[] = {
        forms::vbKeyReturn, forms::vbKeyReturn, forms::vbKeyEscape,   forms::vbKeyEscape,
        forms::vbKeySpace,  forms::vbKeyTab,    forms::vbKeyBack,     forms::vbKeyLeft,
        forms::vbKeyRight,  forms::vbKeyUp,     forms::vbKeyDown,     forms::vbKeyHome,
        forms::vbKeyEnd,    forms::vbKeyPageUp, forms::vbKeyPageDown, forms::vbKeyDelete,
        forms::vbKeyInsert, forms::vbKeyShift,  forms::vbKeyControl,  forms::vbKeyMenu};
    int16_t code;
    const int kind = Int(0, 9);
    if (kind < 4)
        code = static_cast<int16_t>(forms::vbKeyA + Int(0, 25));
    else if (kind < 5)
        code = static_cast<int16_t>(forms::vbKey0 + Int(0, 9));
    else if (kind < 6)
        code = static_cast<int16_t>(forms::vbKeyF1 + Int(0, 11));
    else
        code = kSpecial[Int(0, static_cast<int>(std::size(kSpecial)) - 1)];
    const double s = Uniform(0, 1);
    const int shift = s < 0.65 ? 0 : s < 0.8 ? 1 : s < 0.93 ? 2 : 3;
    forms::PostKeyDown(code, shift);
    // Printable keys type their character, as the platform's text input does.
    if (shift < 2 && code >= forms::vbKeyA && code <= forms::vbKeyA + 25) {
        const char ch[2] = {static_cast<char>(shift ? code : code + 32), 0};
        forms::PostText(ch);
    } else if (shift < 2 && code >= forms::vbKey0 && code <= forms::vbKey0 + 9) {
        const char ch[2] = {static_cast<char>(code), 0};
        forms::PostText(ch);
    } else if (code == forms::vbKeySpace) {
        forms::PostText(" ");
    }
    forms::PostKeyUp(code, shift);
    return "key " + std::to_string(code) + " shift " + std::to_string(shift);
}

// Posts one random event (or a short gesture) and says what it was; delivering it is left to the
// loop that runs.
std::string Runner::PostEvent() {
    std::ostringstream d;
    // A text box waiting for its text (the password) gets it more often than chance would give.
    forms::Form* active = forms::Application::ActiveForm();
    const bool textWaits = active && active->Visible() && active->ActiveControl() &&
                           dynamic_cast<forms::TextBox*>(active->ActiveControl()) != nullptr;
    const double k = textWaits && Chance(0.25) ? 93 : Uniform(0, 100);
    if (k < 18) {
        const Point p = PickPoint();
        forms::PostMouseMove(p.x, p.y);
        d << "move " << p.x << "," << p.y;
    } else if (k < 50) {
        const Point p = PickPoint();
        const int button = Chance(0.9) ? forms::vbLeftButton : Chance(0.7) ? 2 : 4;
        forms::PostMouseMove(p.x, p.y);
        forms::PostMouseDown(p.x, p.y, button);
        forms::PostMouseUp(p.x, p.y, button);
        d << "click " << p.x << "," << p.y << " button " << button;
    } else if (k < 55) {
        const Point p = PickPoint();
        forms::PostMouseMove(p.x, p.y);
        forms::PostMouseDown(p.x, p.y, 1, 1);
        forms::PostMouseUp(p.x, p.y, 1, 1);
        forms::PostMouseDown(p.x, p.y, 1, 2);
        forms::PostMouseUp(p.x, p.y, 1, 2);
        d << "double click " << p.x << "," << p.y;
    } else if (k < 65) {
        const Point a = PickPoint(), b = PickPoint();
        const int steps = Int(1, 8);
        forms::PostMouseMove(a.x, a.y);
        forms::PostMouseDown(a.x, a.y);
        for (int i = 1; i <= steps; ++i)
            forms::PostMouseMove(a.x + (b.x - a.x) * i / steps, a.y + (b.y - a.y) * i / steps);
        forms::PostMouseUp(b.x, b.y);
        d << "drag " << a.x << "," << a.y << " to " << b.x << "," << b.y;
    } else if (k < 88) {
        return PostKey();
    } else if (k < 92) {
        std::string text;
        for (int i = Int(1, 8); i > 0; --i)
            text += static_cast<char>(Int(32, 126));
        forms::PostText(text.c_str());
        d << "type \"" << text << "\"";
    } else if (k < 96) {
        // The password, right or (sometimes) wrong, then Enter.
        const std::string word = Chance(0.8) ? Settings.PWord : std::string("wrong");
        forms::PostText(word.c_str());
        forms::PostKeyDown(forms::vbKeyReturn);
        forms::PostKeyUp(forms::vbKeyReturn);
        d << "password \"" << word << "\"";
    } else if (k < 97) {
        forms::PostWindowMinimized();
        forms::PostWindowRestored();
        d << "minimise and restore";
    } else if (k < 97.3 && !posting_) { // inside a loop, closing would only hide a hang
        forms::PostQuit();
        d << "close the window";
    } else {
        d << "wait";
    }
    return d.str();
}

void Runner::Record() {
    for (forms::Form* f : forms::Application::ShownForms())
        reached_.insert("form " + f->Name());
    for (const forms::MsgBoxRecord& b : forms::MsgBoxLog())
        reached_.insert("box \"" + b.prompt.substr(0, 40) + "\"");
    forms::ClearMsgBoxLog();
    std::function<void(forms::Container&)> walk = [&](forms::Container& c) {
        for (forms::Control* k : c.Children()) {
            if (!k->Showing()) continue;
            if (auto* tabs = dynamic_cast<forms::TabStrip*>(k))
                reached_.insert("tab " + tabs->OwnerForm()->Name() + " " +
                                std::to_string(tabs->SelectedItem()));
            if (forms::Container* inner = k->AsContainer()) walk(*inner);
        }
    };
    for (forms::Form* f : forms::Application::ShownForms())
        walk(*f);
    reached_.insert("lesson " + std::to_string(Settings.LessonID) + " level " +
                    std::to_string(Settings.UserLevel) + " type " +
                    std::to_string(Settings.AlphabetType));
}

void Runner::CheckSettingsFile() {
    const std::string path = folder_.File("WiseOwlet.Dbf");
    std::error_code ec;
    const auto time = fs::last_write_time(path, ec);
    const auto size = fs::file_size(path, ec);
    if (ec) {
        Fail("the settings file is gone: " + ec.message());
        return;
    }
    if (time == settingsTime_ && size == settingsSize_) return;
    settingsTime_ = time;
    settingsSize_ = size;
    std::vector<int16_t> cells;
    if (!ReadFileBytes(cells, path)) {
        Fail("the settings file cannot be read after a change");
        return;
    }
    try {
        if (DecodeSettings(cells).empty()) {
            Fail("the settings file's checksum fails after a change");
            return;
        }
    } catch (const forms::RuntimeError& e) {
        Fail("the settings file does not decode after a change: " + e.Description());
        return;
    }
    ++out_.settingsChanges;
    Restart("the settings file changed");
}

void Runner::Step() {
    idlePasses_ = fed_ = 0;
    eventStartMs_ = clock_->NowMs();
    const std::string what = PostEvent();
    Note(what);
    ++out_.events;
    if (out_.events % 10000 == 0)
        std::fprintf(stderr, "monkey: %ld events, %ld restarts\n", out_.events, out_.restarts);
    ++progress;
    // A child's pace: mostly quick, sometimes a pause that lets the animations and auto play run.
    const double p = Uniform(0, 1);
    const int64_t ms = p < 0.85 ? Int(0, 400) : p < 0.98 ? Int(400, 8000) : Int(8000, 90000);
    Pump();
    Advance(ms);
}

Outcome Runner::Go() {
    LayOutFolder();
    forms::SetRandomSource(
        [this] { return std::uniform_real_distribution<>(0.0, 1.0)(programRng_); });
    clock_->idle = [this] { OnIdle(); };
    RememberSettingsFile();
    std::string why;
    if (!StartProgram(why)) Fail("the program did not start: " + why);
    while (out_.ok && out_.events < options_.events) {
        try {
            Step();
            Record();
            if (!FrmMain.IsLoaded())
                Restart("every form was closed");
            else
                CheckSettingsFile();
        } catch (const forms::EndSignal& end) {
            Record();
            Restart("the program ended with status " + std::to_string(end.status));
        } catch (const forms::RuntimeError& e) {
            Fail("run-time error " + std::to_string(e.Number()) +
                 " escaped a handler: " + e.Description());
        } catch (const std::exception& e) {
            Fail(std::string("an exception escaped a handler: ") + e.what());
        }
    }
    clock_->idle = nullptr;
    StopProgram();
    forms::SetRandomSource(nullptr);
    forms::SetProgramFolder("");
    unsetenv("WO_WINDOWS_DIR");
    forms::FontRegistry::Instance().Reset();
    for (const std::string& r : reached_)
        out_.reached += r + "\n";
    return out_;
}

#ifdef WO_MONKEY_DEATH_CALLBACK
void PrintTailOnDeath() {
    if (g_runner) std::fprintf(stderr, "\n%s", g_runner->Tail().c_str());
}
#endif

} // namespace

Options FromEnvironment(const Options& defaults) {
    Options o = defaults;
    if (const char* s = std::getenv("WO_MONKEY_SEED"); s && *s) {
        if (std::string(s) == "random")
            o.seed =
                std::random_device{}() ^
                static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
        else
            o.seed = std::strtoull(s, nullptr, 10);
    }
    if (const char* e = std::getenv("WO_MONKEY_EVENTS"); e && *e) o.events = std::atol(e);
    return o;
}

Outcome Run(const Options& options) {
    Runner runner(options);
    g_runner = &runner;
#ifdef WO_MONKEY_DEATH_CALLBACK
    __sanitizer_set_death_callback(PrintTailOnDeath);
#endif
    std::fprintf(stderr, "monkey: seed %llu, %ld events (rerun: WO_MONKEY_SEED=%llu)\n",
                 static_cast<unsigned long long>(options.seed), options.events,
                 static_cast<unsigned long long>(options.seed));
    // Real time is the last guard: a loop that never comes back to the clock.
    std::atomic<bool> done{false};
    std::thread watchdog([&] {
        long last = -1;
        int still = 0;
        while (!done) {
            std::this_thread::sleep_for(std::chrono::milliseconds(250));
            const long now = runner.progress.load();
            still = now == last ? still + 1 : 0;
            last = now;
            if (still > kWallSecondsWithoutProgress * 4) {
                std::fprintf(stderr, "monkey: hang: no event for %d s at event %ld (seed %llu)\n",
                             kWallSecondsWithoutProgress, now,
                             static_cast<unsigned long long>(options.seed));
                std::abort();
            }
        }
    });
    Outcome out = runner.Go();
    done = true;
    watchdog.join();
#ifdef WO_MONKEY_DEATH_CALLBACK
    __sanitizer_set_death_callback(nullptr);
#endif
    g_runner = nullptr;
    return out;
}

} // namespace monkey
