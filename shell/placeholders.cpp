// Procedures and state of shell features that are not built yet. Each stands in, doing nothing
// or the least the callers rely on, until its feature replaces it.
#include "shell/frm_main.h"
#include "shell/placeholder_log.h"
#include "shell/settings_apply.h"
#include "shell/startup.h"

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
