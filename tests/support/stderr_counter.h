#pragma once
// Counts what the process writes to stderr (from any thread, libraries included) while it lives,
// and throws it away, so that a flood cannot fill a disk or a pipe; stderr is given back at the
// end (or at Stop). For tests that a fault stays quiet.
#include <atomic>
#include <cstdint>
#include <thread>

namespace testsupport {

class StderrCounter {
  public:
    StderrCounter();
    ~StderrCounter();
    StderrCounter(const StderrCounter&) = delete;
    StderrCounter& operator=(const StderrCounter&) = delete;

    // Gives stderr back, and returns the bytes written to it meanwhile.
    uint64_t Stop();

  private:
    int saved_ = -1; // the stderr given back at the end
    int readEnd_ = -1;
    std::atomic<uint64_t> bytes_{0};
    std::thread reader_;
};

} // namespace testsupport
