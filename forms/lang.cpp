#include "forms/lang.h"

#include "forms/errors.h"

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <ctime>
#include <random>

namespace forms {

double RoundHalfEven(double v) {
    return std::nearbyint(v);
} // default FE_TONEAREST mode

int16_t CInt(double v) {
    if (std::isnan(v)) Raise(errOverflow);
    double r = RoundHalfEven(v);
    if (r < -32768.0 || r > 32767.0) Raise(errOverflow);
    return static_cast<int16_t>(r);
}

int32_t CLng(double v) {
    if (std::isnan(v)) Raise(errOverflow);
    double r = RoundHalfEven(v);
    if (r < -2147483648.0 || r > 2147483647.0) Raise(errOverflow);
    return static_cast<int32_t>(r);
}

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// Parses the whole text as a number; false when it is not one.
bool ParseNumber(const std::string& text, double& out) {
    size_t i = 0, n = text.size();
    while (i < n && IsBlank(text[i]))
        i++;
    while (n > i && IsBlank(text[n - 1]))
        n--;
    if (i == n) return false;
    std::string s = text.substr(i, n - i);
    if (s.size() > 2 && s[0] == '&' && (s[1] == 'H' || s[1] == 'h' || s[1] == 'O' || s[1] == 'o')) {
        int base = (s[1] == 'H' || s[1] == 'h') ? 16 : 8;
        if (s.size() > 10) return false;
        char* end = nullptr;
        unsigned long long v = std::strtoull(s.c_str() + 2, &end, base);
        if (*end != 0) return false;
        // &H values up to four digits are 16-bit, longer ones 32-bit, as the platform reads them.
        if (base == 16 && s.size() - 2 <= 4)
            out = static_cast<int16_t>(v);
        else
            out = static_cast<int32_t>(static_cast<uint32_t>(v));
        return true;
    }
    size_t p = 0;
    if (s[p] == '+' || s[p] == '-') p++;
    bool digits = false;
    while (p < s.size() && std::isdigit(static_cast<unsigned char>(s[p])))
        p++, digits = true;
    if (p < s.size() && s[p] == '.') {
        p++;
        while (p < s.size() && std::isdigit(static_cast<unsigned char>(s[p])))
            p++, digits = true;
    }
    if (!digits) return false;
    if (p < s.size() && (s[p] == 'e' || s[p] == 'E')) {
        size_t q = p + 1;
        if (q < s.size() && (s[q] == '+' || s[q] == '-')) q++;
        bool expDigits = false;
        while (q < s.size() && std::isdigit(static_cast<unsigned char>(s[q])))
            q++, expDigits = true;
        if (!expDigits) return false;
        p = q;
    }
    if (p != s.size()) return false;
    out = std::strtod(s.c_str(), nullptr);
    return std::isfinite(out);
}

} // namespace

double CDbl(const std::string& s) {
    double v = 0;
    if (!ParseNumber(s, v)) Raise(errTypeMismatch);
    return v;
}
int16_t CInt(const std::string& s) {
    return CInt(CDbl(s));
}
int32_t CLng(const std::string& s) {
    return CLng(CDbl(s));
}

Flag CBool(const std::string& s) {
    std::string t = UCase(Trim(s));
    if (t == "TRUE") return vbTrue;
    if (t == "FALSE") return vbFalse;
    return CDbl(s) != 0 ? vbTrue : vbFalse;
}

bool IsNumeric(const std::string& s) {
    double v;
    return ParseNumber(s, v);
}

std::string CStr(int64_t v) {
    return std::to_string(v);
}
std::string FlagText(Flag f) {
    return f != 0 ? "True" : "False";
}

std::string LTrim(const std::string& s) {
    size_t i = s.find_first_not_of(' ');
    return i == std::string::npos ? std::string() : s.substr(i);
}
std::string RTrim(const std::string& s) {
    size_t i = s.find_last_not_of(' ');
    return i == std::string::npos ? std::string() : s.substr(0, i + 1);
}
std::string Trim(const std::string& s) {
    return LTrim(RTrim(s));
}

std::string UCase(const std::string& s) {
    std::string r = s;
    for (char& c : r)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
    return r;
}
std::string LCase(const std::string& s) {
    std::string r = s;
    for (char& c : r)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
    return r;
}

int32_t InStr(int32_t start, const std::string& hay, const std::string& needle, bool textCompare) {
    if (start < 1) Raise(errInvalidCall);
    if (static_cast<size_t>(start) > hay.size() + 1) return 0;
    if (needle.empty()) return start;
    size_t p =
        textCompare ? UCase(hay).find(UCase(needle), start - 1) : hay.find(needle, start - 1);
    return p == std::string::npos ? 0 : static_cast<int32_t>(p + 1);
}

std::string Left(const std::string& s, int32_t n) {
    if (n < 0) Raise(errInvalidCall);
    return s.substr(0, static_cast<size_t>(n));
}
std::string Right(const std::string& s, int32_t n) {
    if (n < 0) Raise(errInvalidCall);
    size_t k = static_cast<size_t>(n);
    return k >= s.size() ? s : s.substr(s.size() - k);
}
std::string Mid(const std::string& s, int32_t start, int32_t n) {
    if (start < 1) Raise(errInvalidCall);
    if (static_cast<size_t>(start) > s.size()) return "";
    return n < 0 ? s.substr(start - 1) : s.substr(start - 1, static_cast<size_t>(n));
}

namespace {
std::mt19937& Engine() {
    static std::mt19937 engine(12345);
    return engine;
}
std::function<double()>& RandomSource() {
    static std::function<double()> source;
    return source;
}
std::function<DateTime()>& NowSource() {
    static std::function<DateTime()> source;
    return source;
}
} // namespace

double Rnd() {
    if (RandomSource()) return RandomSource()();
    return std::uniform_real_distribution<double>(0.0, 1.0)(Engine());
}
void Randomize() {
    auto t = std::chrono::steady_clock::now().time_since_epoch().count();
    Engine().seed(static_cast<uint32_t>(t ^ (t >> 32)));
}
void SetRandomSource(std::function<double()> source) {
    RandomSource() = std::move(source);
}

DateTime Now() {
    if (NowSource()) return NowSource()();
    std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}
void SetNowSource(std::function<DateTime()> source) {
    NowSource() = std::move(source);
}

std::string FormatTime(const DateTime& t) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", t.hour, t.minute, t.second);
    return buf;
}
std::string FormatGeneralDate(const DateTime& t) {
    int h12 = t.hour % 12 == 0 ? 12 : t.hour % 12;
    char buf[48];
    std::snprintf(buf, sizeof buf, "%d/%d/%04d %d:%02d:%02d %s", t.month, t.day, t.year, h12,
                  t.minute, t.second, t.hour < 12 ? "AM" : "PM");
    return buf;
}

namespace {
// Code points of CP1252 bytes 0x80 to 0x9F; 0 marks the five unassigned bytes.
const char32_t kHigh[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                            0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                            0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                            0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80)
        out += static_cast<char>(c);
    else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}
} // namespace

std::string Cp1252ToUtf8(const std::string& s) {
    std::string out;
    for (unsigned char b : s) {
        char32_t c = b;
        if (b >= 0x80 && b < 0xA0) c = kHigh[b - 0x80] ? kHigh[b - 0x80] : b;
        AppendUtf8(out, c);
    }
    return out;
}

std::string Utf8ToCp1252(const std::string& s) {
    std::string out;
    for (size_t i = 0; i < s.size();) {
        unsigned char b = static_cast<unsigned char>(s[i]);
        char32_t c;
        size_t len;
        if (b < 0x80)
            c = b, len = 1;
        else if ((b & 0xE0) == 0xC0 && i + 1 < s.size())
            c = ((b & 0x1F) << 6) | (s[i + 1] & 0x3F), len = 2;
        else if ((b & 0xF0) == 0xE0 && i + 2 < s.size())
            c = ((b & 0x0F) << 12) | ((s[i + 1] & 0x3F) << 6) | (s[i + 2] & 0x3F), len = 3;
        else if ((b & 0xF8) == 0xF0 && i + 3 < s.size())
            c = 0xFFFD, len = 4;
        else
            c = '?', len = 1;
        i += len;
        if (c < 0x100 && !(c >= 0x80 && c < 0xA0)) {
            out += static_cast<char>(c);
            continue;
        }
        char mapped = '?';
        for (int k = 0; k < 32; k++)
            if (kHigh[k] == c) mapped = static_cast<char>(0x80 + k);
        out += mapped;
    }
    return out;
}

} // namespace forms
