#pragma once
// The application: the message loop, DoEvents, the form list and window order, activation, and
// what happens to errors that escape a handler.
//
// One user-interface thread. Input, activations, paints and timer ticks are delivered between
// handlers, never during one: an Activate or Paint caused by a handler is queued and raised after
// that handler returns. Ending the program (EndSignal) unwinds to Run, which returns the status.
#include "forms/clock.h"
#include "forms/screen.h"

#include <functional>
#include <string>
#include <vector>

namespace forms {

class Form;
class Timer;
class PictureBox;
class Control;

// What happens to a run-time error (or other exception) that escapes an event handler.
enum class ErrorPolicy {
    ShowAndEnd, // the program: a message box with the error, then the program ends (status 1)
    Propagate,  // tests: the exception leaves the call that delivered the event
};

class Application {
  public:
    // Starts the runtime: SDL video, the window and the virtual screen. Called by Run when not
    // yet started; tests start it themselves (dummy drivers) through the headless fixture.
    // Returns false when no window could be opened (the reason is on stderr); the runtime then
    // runs without showing anything.
    static bool Start(const ScreenOptions& options = {});
    static bool Started();
    // Destroys every form and timer and closes the window (also resets the twips, the clock
    // is kept). After it Start may be called again.
    static void Shutdown();

    // The message loop. Loads and shows the start-up form (the first use of a default instance
    // raises Form_Load), then delivers events until no form is loaded or the program ends.
    // Returns the exit status (0 when the last form was unloaded).
    template <class D> static int Run(D& startupForm) {
        return RunLoop([&startupForm]() -> Form* { return &startupForm.Get(); });
    }
    static int RunLoop(const std::function<Form*()>& startup);

    // Handles what is pending (input, activations, paints, due timers) and returns. When nothing
    // is pending it first waits for input, the next timer deadline, a sound ending or an event the
    // runtime posts, at most a second (under a virtual clock it jumps to the next of those
    // moments instead). Re-entrant.
    static void DoEvents();
    // One pass as DoEvents without waiting; returns whether anything was handled.
    static bool Pump();

    static ErrorPolicy GetErrorPolicy();
    static void SetErrorPolicy(ErrorPolicy p);
    // The application's title, which the program sets: the title of message boxes given none and
    // of the runtime's own "Run-time error" box. The native window is named by ScreenOptions.
    static const std::string& Title();
    static void SetTitle(const std::string& t);

    // The form that is active, or nullptr.
    static Form* ActiveForm();
    // All loaded forms, bottom of the window order first.
    static std::vector<Form*> Forms();
    // Forms that are visible, on screen (not minimised), bottom first.
    static std::vector<Form*> ShownForms();

    // The earliest deadline of an enabled timer (clock milliseconds), -1 when none is armed.
    static int64_t NextTimerDeadline();
    // The next moment a waiting loop wakes at: that deadline or a sound's end, -1 for none.
    static int64_t NextWakeTime();
    // Whether any input event is waiting (timers wait for it).
    static bool InputPending();
    // Counters for tests and measurements: loop wake-ups (returns from waiting) since start-up.
    static int64_t WakeCount();

    // Internal: used by forms, timers and picture boxes.
    static void RegisterForm(Form* f);
    static void UnregisterForm(Form* f);
    static void QueueActivate(Form* f);
    // A form stopped showing; unless it was only minimised, the next form becomes active.
    static void FormHidden(Form* f, bool minimised = false);
    static void FormMoved(Form* f, const IRect& before);
    static void Retire(Form* f); // destroy once no handler runs
    static void RaiseZOrder(Form* f, int position);
    static void RegisterTimer(Timer* t);
    static void UnregisterTimer(Timer* t);
    static void QueuePaint(PictureBox* p);
    static void CancelPaint(PictureBox* p);
    static void WindowIconify(bool iconify);
    // Runs an event handler: counts the handler depth (forms are destroyed only at depth 0) and
    // applies the error policy.
    static void Dispatch(const std::function<void()>& handler);
    static int HandlerDepth();
    // Counts as a running handler for its lifetime, without the error policy (Load, Resize and
    // Unload raised from code, whose errors go to the code that caused them).
    struct HandlerScope {
        HandlerScope();
        ~HandlerScope();
        HandlerScope(const HandlerScope&) = delete;
        HandlerScope& operator=(const HandlerScope&) = delete;
    };
    static void ControlGone(Control* c);
    // The cursor for what the mouse is over.
    static void UpdateCursor();
};

// The platform's DoEvents.
inline void DoEvents() {
    Application::DoEvents();
}

} // namespace forms
