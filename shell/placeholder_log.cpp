// The log in which stand-ins for features not built yet record their calls, so that tests can see
// what reached them.
#include "shell/placeholder_log.h"

#include <sstream>

std::vector<std::string>& PlaceholderCalls() {
    static std::vector<std::string> calls;
    return calls;
}

std::vector<std::string>& PlaceholderArgs() {
    static std::vector<std::string> args;
    return args;
}

std::string MouseArgsText(int button, int shift, float x, float y) {
    std::ostringstream text;
    text << button << ' ' << shift << ' ' << x << ' ' << y;
    return text.str();
}
