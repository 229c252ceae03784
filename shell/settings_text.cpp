#include "shell/user_set.h"

#include "forms/lang.h"

std::string GetIniValue(const std::string& key, const std::string& text,
                        const std::string& terminator) {
    const std::string& hay = text.empty() ? IniText : text;
    const std::string term = terminator.empty() ? std::string("\r") : terminator;
    const std::string name = forms::UCase(forms::Trim(key));
    if (name.empty()) return "";
    const std::string upper = forms::UCase(hay);

    // A key counts only where a line starts with it and "=" follows: a password such as
    // "xbgformopt" or "ColorLine=5" must not stand in for the key it spells.
    size_t p = upper.find(name);
    while (p != std::string::npos) {
        bool lineStart = p == 0 || hay[p - 1] == '\n' || hay[p - 1] == '\r';
        size_t eq = p + name.size();
        if (lineStart && eq < hay.size() && hay[eq] == '=') break;
        p = upper.find(name, p + 1);
    }
    if (p == std::string::npos) return "";

    size_t s = p + name.size() + 1;
    size_t e = upper.find(forms::UCase(term), s);
    if (e == std::string::npos) return "";
    return hay.substr(s, e - s);
}
