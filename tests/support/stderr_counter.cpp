#include "tests/support/stderr_counter.h"

#include <cstdio>
#include <unistd.h>

namespace testsupport {

StderrCounter::StderrCounter() {
    int ends[2];
    if (::pipe(ends) != 0) return;
    std::fflush(stderr);
    saved_ = ::dup(STDERR_FILENO);
    ::dup2(ends[1], STDERR_FILENO);
    ::close(ends[1]);
    readEnd_ = ends[0];
    reader_ = std::thread([this] {
        char buffer[4096];
        ssize_t n;
        while ((n = ::read(readEnd_, buffer, sizeof buffer)) > 0)
            bytes_ += static_cast<uint64_t>(n);
    });
}

StderrCounter::~StderrCounter() {
    Stop();
}

uint64_t StderrCounter::Stop() {
    if (saved_ >= 0) {
        std::fflush(stderr);
        // The pipe's last writer goes: the reader reads what is left, then its end.
        ::dup2(saved_, STDERR_FILENO);
        ::close(saved_);
        saved_ = -1;
        reader_.join();
        ::close(readEnd_);
    }
    return bytes_.load();
}

} // namespace testsupport
