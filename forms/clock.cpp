#include "forms/clock.h"

#include <chrono>

namespace forms {
namespace {
std::shared_ptr<Clock>& Current() {
    static std::shared_ptr<Clock> clock = std::make_shared<SystemClock>();
    return clock;
}
} // namespace

int64_t SystemClock::NowMs() const {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

Clock& GetClock() {
    return *Current();
}

void SetClock(std::shared_ptr<Clock> clock) {
    Current() = clock ? std::move(clock) : std::make_shared<SystemClock>();
}

} // namespace forms
