#include "tests/support/child_end.h"

#include <cstdio>
#include <cstdlib>

namespace testsupport {

void EndChild(const std::string& problems) {
    std::fputs(problems.c_str(), stderr);
    std::fflush(nullptr);
    std::_Exit(problems.empty() ? 0 : 1);
}

} // namespace testsupport
