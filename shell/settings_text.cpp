#include "shell/user_set.h"

#include "forms/lang.h"

namespace {

// Where the line of name (upper-cased, trimmed) starts in hay, whose upper-cased copy is upper;
// npos when absent. A key counts only where a line starts with it and "=" follows: a password
// such as "xbgformopt" or "ColorLine=5" must not stand in for the key it spells.
size_t FindKeyLine(const std::string& name, const std::string& hay, const std::string& upper) {
    if (name.empty()) return std::string::npos;
    size_t p = upper.find(name);
    while (p != std::string::npos) {
        bool lineStart = p == 0 || hay[p - 1] == '\n' || hay[p - 1] == '\r';
        size_t eq = p + name.size();
        if (lineStart && eq < hay.size() && hay[eq] == '=') break;
        p = upper.find(name, p + 1);
    }
    return p;
}

} // namespace

std::string GetIniValue(const std::string& key, const std::string& text,
                        const std::string& terminator) {
    const std::string& hay = text.empty() ? IniText : text;
    const std::string term = terminator.empty() ? std::string("\r") : terminator;
    const std::string name = forms::UCase(forms::Trim(key));
    const std::string upper = forms::UCase(hay);
    const size_t p = FindKeyLine(name, hay, upper);
    if (p == std::string::npos) return "";

    size_t s = p + name.size() + 1;
    size_t e = upper.find(forms::UCase(term), s);
    if (e == std::string::npos) return "";
    return hay.substr(s, e - s);
}

bool HasIniKey(const std::string& key) {
    return FindKeyLine(forms::UCase(forms::Trim(key)), IniText, forms::UCase(IniText)) !=
           std::string::npos;
}
