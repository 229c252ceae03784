#pragma once
// The end of a death test's child that checks things itself: the problems it found go to stderr,
// where the parent shows them, and the exit status is 0 only when there are none. The child ends
// at once, without the process's static destructors or the fixture's end.
#include <string>

namespace testsupport {

[[noreturn]] void EndChild(const std::string& problems);

} // namespace testsupport
