#pragma once
// The runtime's clock, injectable: the system clock in the program, a virtual clock in tests.
// Times are milliseconds from an arbitrary origin.
#include <cstdint>
#include <memory>

namespace forms {

class Clock {
  public:
    virtual ~Clock() = default;
    virtual int64_t NowMs() const = 0;
    // Virtual clocks are advanced by the test; the loop then never sleeps for real and a wait
    // with nothing pending jumps to the next timer deadline.
    virtual bool IsVirtual() const { return false; }
    // Moves a virtual clock forward to the time (never backwards); ignored by real clocks.
    virtual void JumpTo(int64_t /*ms*/) {}
};

class SystemClock : public Clock {
  public:
    int64_t NowMs() const override;
};

class VirtualClock : public Clock {
  public:
    explicit VirtualClock(int64_t start = 0) : now_(start) {}
    int64_t NowMs() const override { return now_; }
    bool IsVirtual() const override { return true; }
    void JumpTo(int64_t ms) override {
        if (ms > now_) now_ = ms;
    }
    void Advance(int64_t ms) { now_ += ms > 0 ? ms : 0; }

  private:
    int64_t now_;
};

// The clock timers and the loop use; a SystemClock until one is set.
Clock& GetClock();
void SetClock(std::shared_ptr<Clock> clock); // empty restores the system clock

} // namespace forms
