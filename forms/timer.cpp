// Timers: countdowns on the runtime's clock, delivered by the message loop.
#include "forms/timer.h"
#include "forms/application.h"
#include "forms/clock.h"
#include "forms/errors.h"

namespace forms {

Timer::Timer(Container* container) {
    (void)container;
    Application::RegisterTimer(this);
}

Timer::~Timer() {
    Application::UnregisterTimer(this);
}

void Timer::Restart() {
    deadline_ = GetClock().NowMs() + interval_;
}

void Timer::SetEnabled(bool e) {
    if (e && !enabled_) Restart();
    enabled_ = e;
}

void Timer::SetInterval(int32_t ms) {
    if (ms < 0 || ms > 65535) Raise(380, "Invalid property value");
    interval_ = ms;
    Restart();
}

void Timer::Fire() {
    // The next countdown starts now; a handler that restarts the timer wins.
    Restart();
    running_ = true;
    struct Done {
        bool& running;
        ~Done() { running = false; }
    } done{running_};
    if (Tick) Application::Dispatch([this] { Tick(); });
}

} // namespace forms
