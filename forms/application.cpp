// The message loop and the delivery of everything that happens between handlers: input,
// activations, paints and timer ticks. One thread; handlers never run inside one another except
// through DoEvents, which a handler calls itself.
#include "forms/application.h"
#include "forms/backend.h"
#include "forms/control.h"
#include "forms/errors.h"
#include "forms/form.h"
#include "forms/lang.h"
#include "forms/msgbox.h"
#include "forms/picture_box.h"
#include "forms/runtime_internal.h"
#include "forms/screen_internal.h"
#include "forms/timer.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <deque>
#include <mutex>

namespace forms {
namespace {

using backend::InputEvent;

// Where the mouse goes: a control, or a form's own client area.
struct Target {
    Form* form = nullptr;
    Control* control = nullptr;
    bool operator==(const Target&) const = default;
    explicit operator bool() const { return form != nullptr; }
};

struct AppState {
    bool started = false;
    ErrorPolicy policy = ErrorPolicy::ShowAndEnd;
    std::string title;
    std::vector<Form*> forms; // window order, bottom first
    Form* active = nullptr;
    std::deque<Form*> activations;
    std::vector<PictureBox*> paints;
    std::vector<Timer*> timers;
    std::vector<Form*> retired;
    std::deque<InputEvent> input;
    int depth = 0;
    int64_t wakes = 0;
    // Moments the loop must not sleep past (a sound ending), by their owner.
    std::vector<std::pair<const void*, int64_t>> wakeAt;
    // Run's start-up: from loading the start-up form until the loop first waits, with the first
    // screen shown. Work that screen does not need waits for its end.
    bool starting = false;
    std::vector<std::function<void()>> afterStart;
    // Mouse.
    double mx = -1, my = -1;
    int buttons = 0, shift = 0;
    Target capture;
    bool captureIsDouble = false;
    Target lastPress;
    Target hover;
};
AppState a;

// Tasks other threads handed to the loop (detail::RunOnLoop).
std::mutex handedMutex;
std::vector<void (*)()> handed;

struct DepthGuard {
    DepthGuard() { ++a.depth; }
    ~DepthGuard() { --a.depth; }
};

bool IsLoadedForm(Form* f) {
    return f && std::find(a.forms.begin(), a.forms.end(), f) != a.forms.end() && f->IsLoaded();
}

bool Alive(Target t) {
    if (!IsLoadedForm(t.form)) return false;
    if (!t.control) return true;
    // The control must still belong to the form.
    Control* c = t.control;
    return c->OwnerForm() == t.form;
}

void OrderByLayer() {
    std::stable_sort(a.forms.begin(), a.forms.end(), [](Form* x, Form* y) {
        return static_cast<int>(x->Layer()) < static_cast<int>(y->Layer());
    });
}

void InvalidateForm(Form* f) {
    Screen::Invalidate(f->ScreenRect());
}

// Picture boxes that an area just uncovered: in the shown forms below `above` (all when nullptr).
void QueueUncovered(const IRect& r, Form* above) {
    if (r.Empty()) return;
    for (Form* f : std::vector<Form*>(a.forms)) {
        if (f == above) break;
        if (!f->Showing() || f->ScreenRect().Intersect(r).Empty()) continue;
        std::vector<Container*> stack{f};
        while (!stack.empty()) {
            Container* ct = stack.back();
            stack.pop_back();
            for (Control* ch : ct->Children()) {
                if (!ch->Visible()) continue;
                if (ch->VisibleRect().Intersect(r).Empty()) continue;
                if (auto* pb = dynamic_cast<PictureBox*>(ch)) pb->QueuePaint();
                if (Container* sub = ch->AsContainer()) stack.push_back(sub);
            }
        }
    }
}

Target HitTest(double x, double y) {
    std::vector<Form*> shown = Application::ShownForms();
    for (auto it = shown.rbegin(); it != shown.rend(); ++it) {
        Form* f = *it;
        IRect r = f->ScreenRect();
        if (!r.Contains(static_cast<int>(std::floor(x)), static_cast<int>(std::floor(y)))) continue;
        return Target{f, f->HitTest(x, y)};
    }
    return {};
}

void LocalPoint(Target t, double x, double y, float& lx, float& ly) {
    double ox, oy;
    if (t.control) {
        if (Container* ct = t.control->AsContainer()) {
            ox = ct->ClientScreenX();
            oy = ct->ClientScreenY();
        } else {
            ox = t.control->ScreenX();
            oy = t.control->ScreenY();
        }
    } else {
        ox = t.form->ClientScreenX();
        oy = t.form->ClientScreenY();
    }
    lx = static_cast<float>(x - ox);
    ly = static_cast<float>(y - oy);
}

enum class MouseKind { Down, Move, Up };

void RaiseMouse(Target t, MouseKind k, int button, double x, double y) {
    float lx, ly;
    LocalPoint(t, x, y, lx, ly);
    int shift = a.shift;
    if (t.control) {
        Control* c = t.control;
        const MouseHandler& h = k == MouseKind::Down   ? c->MouseDown
                                : k == MouseKind::Move ? c->MouseMove
                                                       : c->MouseUp;
        Application::Dispatch([&] {
            if (k == MouseKind::Down) c->OnMouseDown(button, shift, lx, ly);
            if (k == MouseKind::Move) c->OnMouseMove(button, shift, lx, ly);
            if (k == MouseKind::Up) c->OnMouseUp(button, shift, lx, ly);
            if (h) h(button, shift, lx, ly);
        });
    } else {
        Form* f = t.form;
        Application::Dispatch([&] {
            if (k == MouseKind::Down) f->Form_MouseDown(button, shift, lx, ly);
            if (k == MouseKind::Move) f->Form_MouseMove(button, shift, lx, ly);
            if (k == MouseKind::Up) f->Form_MouseUp(button, shift, lx, ly);
        });
    }
}

void RaiseClick(Target t, bool dbl) {
    if (t.control) {
        Control* c = t.control;
        if (dbl) {
            if (c->DblClick) Application::Dispatch([&] { c->DblClick(); });
        } else {
            Application::Dispatch([&] { c->OnClick(); });
        }
    } else {
        Form* f = t.form;
        Application::Dispatch([&] { dbl ? f->Form_DblClick() : f->Form_Click(); });
    }
}

void DeliverQueued();

// A captured target loses the mouse when it goes away or is disabled (as the platform cancels the
// capture of a window that is disabled): the rest of that press goes nowhere.
bool CaptureHolds() {
    Target t = a.capture;
    return Alive(t) && t.form->Enabled() && (!t.control || t.control->Enabled());
}

void HandleMouse(const InputEvent& e) {
    a.mx = e.x;
    a.my = e.y;
    bool cancelled = false;
    if (a.capture && !CaptureHolds()) {
        a.capture = {};
        cancelled = a.buttons != 0;
    }
    if (e.kind == InputEvent::MouseMove) {
        Target t = a.capture ? a.capture : HitTest(e.x, e.y);
        a.hover = t;
        Application::UpdateCursor();
        if (!t || cancelled || (!a.capture && !t.form->Enabled())) return;
        RaiseMouse(t, MouseKind::Move, a.buttons, e.x, e.y);
        return;
    }
    if (e.kind == InputEvent::MouseDown) {
        Target t = a.capture ? a.capture : HitTest(e.x, e.y);
        a.buttons |= e.button;
        if (!t || !t.form->Enabled()) return;
        const bool dbl =
            e.clicks >= 2 && a.lastPress == t && (!t.control || t.control->TakesDblClick());
        if (!a.capture) {
            a.capture = t;
            a.captureIsDouble = dbl;
            a.lastPress = t;
            if (t.control && t.control->TakesFocus()) t.form->SetActiveControl(t.control);
            if (t.form != a.active) t.form->SetFocus();
        }
        if (dbl)
            RaiseClick(t, true);
        else
            RaiseMouse(t, MouseKind::Down, e.button, e.x, e.y);
        return;
    }
    // Up.
    a.buttons &= ~e.button;
    Target t = a.capture;
    if (cancelled) return;
    if (!t) {
        t = HitTest(e.x, e.y);
        if (!t || !t.form->Enabled()) return;
        RaiseMouse(t, MouseKind::Up, e.button, e.x, e.y);
        return;
    }
    const bool dbl = a.captureIsDouble;
    if (a.buttons == 0) a.capture = {};
    RaiseMouse(t, MouseKind::Up, e.button, e.x, e.y);
    if (a.buttons == 0 && !dbl && Alive(t)) {
        Target under = HitTest(e.x, e.y);
        if (under == t || (t.control && t.control->ClicksWhereverReleased())) RaiseClick(t, false);
    }
    a.hover = HitTest(e.x, e.y);
    Application::UpdateCursor();
}

// The control of the form that takes its keys: its focused control while that shows and is
// enabled.
Control* KeyControl(Form* f) {
    Control* c = f->ActiveControl();
    return c && c->Showing() && c->Enabled() ? c : nullptr;
}

// A key goes to the focused control, and to the form first when it previews keys (it may swallow
// the key by setting it to 0); without a focused control the form is the only receiver.
template <class ToForm, class ToControl>
void DeliverKey(Form* f, int16_t& key, ToForm toForm, ToControl toControl) {
    if (!KeyControl(f) || f->KeyPreview()) {
        Application::Dispatch([&] { toForm(key); });
        if (key == 0 || !IsLoadedForm(f)) return;
    }
    if (Control* c = KeyControl(f)) Application::Dispatch([&] { toControl(c, key); });
}

void PressKey(Form* f, int16_t ascii) {
    DeliverKey(
        f, ascii, [f](int16_t& k) { f->Form_KeyPress(k); },
        [](Control* c, int16_t& k) { c->RaiseKeyPress(k); });
}

void HandleKey(const InputEvent& e) {
    if (e.kind == InputEvent::KeyDown || e.kind == InputEvent::KeyUp) a.shift = e.shift;
    Form* f = a.active;
    if (!IsLoadedForm(f) || !f->Visible() || !f->Enabled()) return;
    if (e.kind == InputEvent::Text) {
        std::string t = Utf8ToCp1252(e.text);
        for (char ch : t) {
            if (!IsLoadedForm(f)) return;
            PressKey(f, static_cast<int16_t>(static_cast<unsigned char>(ch)));
        }
        return;
    }
    int16_t code = e.keyCode;
    const int16_t shift = static_cast<int16_t>(e.shift);
    if (e.kind == InputEvent::KeyDown)
        DeliverKey(
            f, code, [f, shift](int16_t& k) { f->Form_KeyDown(k, shift); },
            [shift](Control* c, int16_t& k) { c->RaiseKeyDown(k, shift); });
    else
        DeliverKey(
            f, code, [f, shift](int16_t& k) { f->Form_KeyUp(k, shift); },
            [shift](Control* c, int16_t& k) { c->RaiseKeyUp(k, shift); });
    // Enter, Escape and Backspace produce no text input of their own; the platform gives them as
    // key presses.
    if (e.kind == InputEvent::KeyDown && (code == 13 || code == 27 || code == 8) && IsLoadedForm(f))
        PressKey(f, code);
}

void HandleWindow(const InputEvent& e) {
    if (e.kind == InputEvent::Exposed) {
        Screen::InvalidateAll();
        return;
    }
    if (e.kind == InputEvent::WindowRestored) {
        for (Form* f : std::vector<Form*>(a.forms))
            if (IsLoadedForm(f) && f->Visible() && f->WindowState() == vbMinimized)
                f->LeaveMinimized();
        Screen::InvalidateAll();
        return;
    }
    if (e.kind == InputEvent::WindowMinimized) {
        // Minimised by the user: the visible forms become minimised and hear of it.
        for (Form* f : std::vector<Form*>(a.forms))
            if (IsLoadedForm(f) && f->Visible() && f->WindowState() != vbMinimized &&
                f->Layer() != FormLayer::Background)
                f->SetWindowState(vbMinimized);
        return;
    }
    if (e.kind == InputEvent::Quit) {
        // The window's close: every form is asked to unload, top first; one may refuse.
        std::vector<Form*> order(a.forms.rbegin(), a.forms.rend());
        for (Form* f : order) {
            if (!IsLoadedForm(f)) continue;
            Application::Dispatch([&] { f->Unload(); });
            if (IsLoadedForm(f)) break;
        }
    }
}

// Input goes to a message box while one shows.
std::function<void(const InputEvent&)>* g_inputFilter = nullptr;

void HandleInput(const InputEvent& e) {
    if (g_inputFilter && *g_inputFilter &&
        (e.kind == InputEvent::MouseMove || e.kind == InputEvent::MouseDown ||
         e.kind == InputEvent::MouseUp || e.kind == InputEvent::KeyDown ||
         e.kind == InputEvent::KeyUp || e.kind == InputEvent::Text)) {
        if (e.kind == InputEvent::KeyDown || e.kind == InputEvent::KeyUp) a.shift = e.shift;
        if (e.kind == InputEvent::MouseDown) a.buttons |= e.button;
        if (e.kind == InputEvent::MouseUp) a.buttons &= ~e.button;
        a.capture = {};
        (*g_inputFilter)(e);
        return;
    }
    switch (e.kind) {
    case InputEvent::MouseMove:
    case InputEvent::MouseDown:
    case InputEvent::MouseUp:
        HandleMouse(e);
        break;
    case InputEvent::KeyDown:
    case InputEvent::KeyUp:
    case InputEvent::Text:
        HandleKey(e);
        break;
    default:
        HandleWindow(e);
        break;
    }
}

void DeliverActivations() {
    while (!a.activations.empty()) {
        Form* f = a.activations.front();
        a.activations.pop_front();
        if (!IsLoadedForm(f) || !f->Visible() || f == a.active) continue;
        Form* old = a.active;
        a.active = f;
        if (IsLoadedForm(old)) Application::Dispatch([&] { old->Form_Deactivate(); });
        if (IsLoadedForm(f)) Application::Dispatch([&] { f->Form_Activate(); });
        InvalidateForm(f);
        if (IsLoadedForm(old)) InvalidateForm(old);
    }
}

void DeliverPaints() {
    while (!a.paints.empty()) {
        PictureBox* p = a.paints.front();
        a.paints.erase(a.paints.begin());
        if (!p->Showing()) continue;
        if (p->Paint) Application::Dispatch([&] { p->Paint(); });
    }
}

void DeliverQueued() {
    DeliverActivations();
    DeliverPaints();
}

void FreeRetired() {
    if (a.depth != 0) return;
    while (!a.retired.empty()) {
        Form* f = a.retired.back();
        a.retired.pop_back();
        delete f;
    }
}

void PullInput() {
    if (!backend::IsOpen()) return;
    std::vector<InputEvent> evs;
    backend::Poll(evs);
    for (auto& e : evs)
        a.input.push_back(std::move(e));
}

bool FireDueTimers() {
    bool any = false;
    const int64_t now = GetClock().NowMs();
    // Each timer at most once a pass; the order is that of their deadlines.
    std::vector<Timer*> fired;
    while (true) {
        if (Application::InputPending()) break;
        Timer* t = nullptr;
        for (Timer* c : a.timers)
            if (c->Armed() && !c->Running() && c->Deadline() <= now &&
                std::find(fired.begin(), fired.end(), c) == fired.end() &&
                (!t || c->Deadline() < t->Deadline()))
                t = c;
        if (!t) break;
        fired.push_back(t);
        t->Fire();
        DeliverQueued();
        any = true;
    }
    return any;
}

// The earliest deadline of an armed timer that is not running, or -1.
int64_t NextDeadline() {
    int64_t best = -1;
    for (Timer* t : a.timers)
        if (t->Armed() && !t->Running() && (best < 0 || t->Deadline() < best)) best = t->Deadline();
    return best;
}

// The next moment a waiting loop must wake: a timer's deadline or a wake moment still ahead
// (those that passed are dropped), -1 for none.
int64_t NextWake() {
    const int64_t now = GetClock().NowMs();
    std::erase_if(a.wakeAt, [now](const auto& w) { return w.second <= now; });
    int64_t best = NextDeadline();
    for (const auto& w : a.wakeAt)
        if (best < 0 || w.second < best) best = w.second;
    return best;
}

bool RunHandedTasks() {
    std::vector<void (*)()> tasks;
    {
        std::lock_guard<std::mutex> lock(handedMutex);
        tasks.swap(handed);
    }
    for (void (*task)() : tasks)
        Application::Dispatch(task);
    return !tasks.empty();
}

// The end of the start-up: what waited for the first screen runs now, in the order it came.
void FinishStarting() {
    a.starting = false;
    std::vector<std::function<void()>> tasks;
    tasks.swap(a.afterStart);
    for (auto& task : tasks)
        Application::Dispatch(task);
}

void ReportEscapedError(const std::string& text) {
    std::fprintf(stderr, "forms: %s\n", text.c_str());
    MsgBox(text, vbCritical, a.title);
    throw EndSignal{1};
}

} // namespace

namespace detail {
void SetInputFilter(std::function<void(const InputEvent&)>* filter) {
    g_inputFilter = filter;
}
std::function<void(const InputEvent&)>* InputFilter() {
    return g_inputFilter;
}
void QueueUncoveredArea(const IRect& r) {
    QueueUncovered(r, nullptr);
}

void WhenStarted(std::function<void()> task) {
    if (a.starting)
        a.afterStart.push_back(std::move(task));
    else
        task();
}

bool Starting() {
    return a.starting;
}

void RunOnLoop(void (*task)()) {
    {
        std::lock_guard<std::mutex> lock(handedMutex);
        if (std::find(handed.begin(), handed.end(), task) == handed.end()) handed.push_back(task);
    }
    backend::PostWake();
}

void SetWakeAt(const void* owner, int64_t ms) {
    std::erase_if(a.wakeAt, [owner](const auto& w) { return w.first == owner; });
    if (ms >= 0) a.wakeAt.emplace_back(owner, ms);
}

void RunModalOverlay(const IRect& rect, OverlayPainter paint,
                     std::function<void(const backend::InputEvent&)> input,
                     const std::function<bool()>& done) {
    auto* previous = InputFilter();
    SetInputFilter(&input);
    const int overlay = AddOverlay(std::move(paint));
    struct Cleanup {
        const IRect& rect;
        int overlay;
        std::function<void(const backend::InputEvent&)>* previous;
        ~Cleanup() {
            RemoveOverlay(overlay);
            SetInputFilter(previous);
            Screen::Invalidate(rect);
            QueueUncoveredArea(rect);
        }
    } cleanup{rect, overlay, previous};
    Screen::Invalidate(rect);
    Screen::Update();
    while (!done())
        Application::DoEvents();
}
} // namespace detail

bool Application::Start(const ScreenOptions& options) {
    if (a.started) return backend::IsOpen();
    ScreenOptions o = options;
    if (o.title.empty()) o.title = a.title;
    o.title = Cp1252ToUtf8(o.title);
    const bool shown = backend::Open(o);
    detail::StartScreen(o.width, o.height);
    a.started = true;
    return shown;
}

bool Application::Started() {
    return a.started;
}

void Application::Shutdown() {
    // Forms go top first; the runtime's own are destroyed, others only forgotten.
    std::vector<Form*> order(a.forms.rbegin(), a.forms.rend());
    for (Form* f : order) {
        if (f->OwnedByRuntime()) {
            f->loaded_ = false;
            f->visible_ = false;
            if (f->onUnloaded_) f->onUnloaded_();
            f->onUnloaded_ = nullptr;
            delete f;
        }
    }
    while (!a.retired.empty()) {
        delete a.retired.back();
        a.retired.pop_back();
    }
    a.forms.clear();
    a.active = nullptr;
    a.activations.clear();
    a.paints.clear();
    a.input.clear();
    a.capture = a.hover = {};
    a.buttons = a.shift = 0;
    a.wakes = 0;
    a.wakeAt.clear();
    {
        std::lock_guard<std::mutex> lock(handedMutex);
        handed.clear();
    }
    detail::StopScreen();
    backend::Close();
    a.started = false;
}

int Application::RunLoop(const std::function<Form*()>& startup) {
    if (!a.started) Start();
    int status = 0;
    struct StartingScope {
        StartingScope() { a.starting = true; }
        ~StartingScope() {
            a.starting = false;
            a.afterStart.clear();
        }
    } startingScope;
    try {
        Dispatch([&] {
            Form* f = startup();
            if (f && f->IsLoaded()) f->Show();
        });
        while (true) {
            bool handled = Pump();
            bool anyLoaded =
                std::any_of(a.forms.begin(), a.forms.end(), [](Form* f) { return f->IsLoaded(); });
            if (!anyLoaded) break;
            if (handled) continue;
            if (a.starting) {
                // The first screen is shown: now what it did not need.
                FinishStarting();
                continue;
            }
            int64_t next = NextWake();
            Clock& clock = GetClock();
            if (clock.IsVirtual() && next >= 0 && !InputPending()) {
                clock.JumpTo(next);
                continue;
            }
            int wait = next < 0
                           ? 1000
                           : static_cast<int>(std::clamp<int64_t>(next - clock.NowMs(), 0, 1000));
            backend::Wait(wait);
            ++a.wakes;
        }
    } catch (const EndSignal& end) {
        status = end.status;
    }
    return status;
}

bool Application::Pump() {
    bool handled = false;
    FreeRetired();
    if (RunHandedTasks()) handled = true;
    if (!a.activations.empty() || !a.paints.empty()) {
        DeliverQueued();
        handled = true;
    }
    PullInput();
    while (!a.input.empty()) {
        InputEvent e = std::move(a.input.front());
        a.input.pop_front();
        HandleInput(e);
        DeliverQueued();
        handled = true;
        PullInput();
    }
    if (FireDueTimers()) handled = true;
    if (!a.activations.empty() || !a.paints.empty()) {
        DeliverQueued();
        handled = true;
    }
    Screen::Update();
    FreeRetired();
    return handled;
}

void Application::DoEvents() {
    if (Pump()) return;
    Clock& clock = GetClock();
    int64_t next = NextWake();
    if (clock.IsVirtual()) {
        if (next >= 0 && !InputPending()) {
            clock.JumpTo(next);
            Pump();
        }
        return;
    }
    // Nothing pending: sleep until input, the next timer deadline, a wake moment (a sound ending)
    // or an event the runtime posts (the mixer finishing a sound or the music), whatever a loop
    // around DoEvents may be waiting for; so a dialog waiting for the user costs nothing. At most
    // a second, as Run. Without a window there is no input to wait for: a short wait only.
    const int64_t cap = backend::IsOpen() ? 1000 : 4;
    int wait = static_cast<int>(cap);
    if (next >= 0) wait = static_cast<int>(std::clamp<int64_t>(next - clock.NowMs(), 0, cap));
    if (wait > 0) {
        backend::Wait(wait);
        ++a.wakes;
    }
    Pump();
}

ErrorPolicy Application::GetErrorPolicy() {
    return a.policy;
}
void Application::SetErrorPolicy(ErrorPolicy p) {
    a.policy = p;
}
const std::string& Application::Title() {
    return a.title;
}
void Application::SetTitle(const std::string& t) {
    a.title = t;
}

Form* Application::ActiveForm() {
    return IsLoadedForm(a.active) ? a.active : nullptr;
}

std::vector<Form*> Application::Forms() {
    std::vector<Form*> out;
    for (Form* f : a.forms)
        if (f->IsLoaded()) out.push_back(f);
    return out;
}

std::vector<Form*> Application::ShownForms() {
    std::vector<Form*> out;
    for (Form* f : a.forms)
        if (f->IsLoaded() && f->Visible() && f->WindowState() != vbMinimized) out.push_back(f);
    return out;
}

bool Application::InputPending() {
    if (!a.input.empty()) return true;
    return backend::IsOpen() && backend::HasPendingInput();
}

int64_t Application::NextTimerDeadline() {
    return NextDeadline();
}

int64_t Application::NextWakeTime() {
    return NextWake();
}

int64_t Application::WakeCount() {
    return a.wakes;
}

void Application::RegisterForm(Form* f) {
    a.forms.push_back(f);
    OrderByLayer();
}

void Application::UnregisterForm(Form* f) {
    std::erase(a.forms, f);
    std::erase(a.activations, f);
    std::erase(a.retired, f);
    if (a.active == f) a.active = nullptr;
    if (a.capture.form == f) a.capture = {};
    if (a.hover.form == f) a.hover = {};
    if (a.lastPress.form == f) a.lastPress = {};
}

void Application::QueueActivate(Form* f) {
    a.activations.push_back(f);
}

void Application::FormHidden(Form* f, bool minimised) {
    IRect r = f->ScreenRect();
    Screen::Invalidate(r);
    // Forms below see the area again.
    QueueUncovered(r, f);
    if (a.capture.form == f) a.capture = {};
    if (a.active == f && !minimised) {
        // The next visible, enabled form in the window order becomes active.
        a.active = nullptr;
        for (auto it = a.forms.rbegin(); it != a.forms.rend(); ++it) {
            Form* g = *it;
            if (g != f && g->IsLoaded() && g->Visible() && g->Enabled() &&
                g->WindowState() != vbMinimized) {
                QueueActivate(g);
                break;
            }
        }
        Dispatch([&] { f->Form_Deactivate(); });
    }
}

void Application::FormMoved(Form* f, const IRect& before) {
    QueueUncovered(before, f);
}

void Application::Retire(Form* f) {
    if (std::find(a.retired.begin(), a.retired.end(), f) == a.retired.end()) a.retired.push_back(f);
    FreeRetired();
}

void Application::RaiseZOrder(Form* f, int position) {
    auto it = std::find(a.forms.begin(), a.forms.end(), f);
    if (it == a.forms.end()) return;
    a.forms.erase(it);
    if (position == 0)
        a.forms.push_back(f);
    else
        a.forms.insert(a.forms.begin(), f);
    OrderByLayer();
    InvalidateForm(f);
    if (position != 0) QueueUncovered(f->ScreenRect(), nullptr);
}

void Application::RegisterTimer(Timer* t) {
    a.timers.push_back(t);
}

void Application::UnregisterTimer(Timer* t) {
    std::erase(a.timers, t);
}

void Application::QueuePaint(PictureBox* p) {
    if (std::find(a.paints.begin(), a.paints.end(), p) == a.paints.end()) a.paints.push_back(p);
}

void Application::CancelPaint(PictureBox* p) {
    std::erase(a.paints, p);
    if (a.capture.control == p) a.capture = {};
    if (a.hover.control == p) a.hover = {};
}

void Application::WindowIconify(bool iconify) {
    backend::Iconify(iconify);
}

void Application::Dispatch(const std::function<void()>& handler) {
    DepthGuard guard;
    if (a.policy == ErrorPolicy::Propagate) {
        handler();
        return;
    }
    try {
        handler();
    } catch (const RuntimeError& e) {
        ReportEscapedError("Run-time error '" + std::to_string(e.Number()) + "':\r\n\r\n" +
                           e.Description());
    } catch (const std::exception& e) {
        ReportEscapedError(std::string("Run-time error: ") + e.what());
    }
}

Application::HandlerScope::HandlerScope() {
    ++a.depth;
}
Application::HandlerScope::~HandlerScope() {
    --a.depth;
}

int Application::HandlerDepth() {
    return a.depth;
}

void Application::UpdateCursor() {
    int pointer = 0;
    PicturePtr icon;
    int hx = 0, hy = 0;
    Target t = a.capture ? a.capture : a.hover;
    if (t && Alive(t)) {
        if (t.control) {
            pointer = t.control->MousePointer();
            icon = t.control->MouseIcon();
            hx = t.control->MouseIconHotX();
            hy = t.control->MouseIconHotY();
        } else {
            pointer = t.form->MousePointer();
            icon = t.form->MouseIcon();
            hx = t.form->MouseIconHotX();
            hy = t.form->MouseIconHotY();
        }
    }
    if (pointer != vbCustom || !icon) {
        pointer = pointer == vbCustom ? vbCustom : vbDefault;
    }
    detail::SetCursorShown(pointer, pointer == vbCustom ? icon : nullptr);
    backend::SetCursor(pointer, pointer == vbCustom ? icon : nullptr, hx, hy);
}

void Application::ControlGone(Control* c) {
    if (a.capture.control == c) a.capture = {};
    if (a.hover.control == c) a.hover = {};
    if (a.lastPress.control == c) a.lastPress = {};
    for (Form* f : a.forms)
        if (f->activeControl_ == c) f->activeControl_ = nullptr;
}

} // namespace forms
