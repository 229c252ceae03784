#pragma once
// A timer: raises Tick every Interval milliseconds while enabled. Enabling it, or setting its
// interval, restarts the countdown; a disabled timer or an interval of 0 never ticks; a late tick
// is delivered once, with no catch-up burst, and the next countdown starts from its delivery.
// Ticks are delivered only when no input is waiting, and never while the same timer's Tick runs.
#include "forms/control.h"

#include <cstdint>
#include <functional>
#include <string>

namespace forms {

class Timer {
  public:
    // The container only places the timer in its form (it is destroyed with it); a timer draws
    // nothing. nullptr makes a free-standing timer.
    explicit Timer(Container* container = nullptr);
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;
    ~Timer();

    EventHandler Tick;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool e);
    int32_t Interval() const { return interval_; }
    void SetInterval(int32_t ms); // negative values raise error 380 (invalid property value)
    const std::string& Tag() const { return tag_; }
    void SetTag(const std::string& t) { tag_ = t; }
    int Index() const { return index_; }
    void SetIndex(int i) { index_ = i; }

    // Internal: the loop's view.
    bool Armed() const { return enabled_ && interval_ > 0; }
    int64_t Deadline() const { return deadline_; }
    bool Running() const { return running_; }
    void Fire(); // raises Tick now and restarts the countdown

  private:
    void Restart();
    bool enabled_ = true, running_ = false;
    int32_t interval_ = 0;
    int64_t deadline_ = 0;
    std::string tag_;
    int index_ = -1;
};

} // namespace forms
