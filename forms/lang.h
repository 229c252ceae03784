#pragma once
// The few language helpers the program needs: rounding and conversions with the platform's
// rules, spaces-only trimming, case-insensitive search, a replaceable random source, the clock's
// date and time, and the Western code page at the edges.
#include <cstdint>
#include <functional>
#include <string>

namespace forms {

// 16-bit flags: True is -1.
using Flag = int16_t;
constexpr Flag vbTrue = -1;
constexpr Flag vbFalse = 0;
inline Flag ToFlag(bool b) {
    return b ? vbTrue : vbFalse;
}

// Colours are 0x00BBGGRR.
constexpr int32_t RGB(int r, int g, int b) {
    return (r & 255) | ((g & 255) << 8) | ((b & 255) << 16);
}

// Rounds halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
double RoundHalfEven(double v);
// Stores a value into a 16-bit or 32-bit integer: rounding halves to even, error 6 on overflow.
int16_t CInt(double v);
int32_t CLng(double v);

// Text to number with the platform's rules: blanks around the number are allowed, an optional
// sign, decimal digits with an optional fraction and exponent, or &H / &O prefixes.
// A text that is not a number raises error 13.
double CDbl(const std::string& s);
int16_t CInt(const std::string& s);
int32_t CLng(const std::string& s);
// "True" and "False" in any case (blanks around allowed), or a number (0 is False); else error 13.
Flag CBool(const std::string& s);
bool IsNumeric(const std::string& s);
// Plain decimal text of a whole number, "-500"; flags as "True" and "False".
std::string CStr(int64_t v);
std::string FlagText(Flag f);

// Removes leading and trailing blanks (spaces only, as the platform does).
std::string Trim(const std::string& s);
std::string LTrim(const std::string& s);
std::string RTrim(const std::string& s);
std::string UCase(const std::string& s);
std::string LCase(const std::string& s);
// 1-based position of needle in hay from start (1-based), 0 when absent. textCompare ignores case.
int32_t InStr(int32_t start, const std::string& hay, const std::string& needle,
              bool textCompare = false);
std::string Left(const std::string& s, int32_t n);
std::string Right(const std::string& s, int32_t n);
// 1-based start; n < 0 means to the end.
std::string Mid(const std::string& s, int32_t start, int32_t n = -1);

// The random source: Rnd gives a fraction in [0, 1); Randomize seeds it from the clock.
// Tests replace it with a scripted source.
double Rnd();
void Randomize();
void SetRandomSource(std::function<double()> source); // empty restores the default

// The current date and time. Tests may fix it.
struct DateTime {
    int year, month, day, hour, minute, second;
};
DateTime Now();
void SetNowSource(std::function<DateTime()> source); // empty restores the system clock
// "hh:mm:ss" and the general date form "12/10/2026 8:05:03 AM".
std::string FormatTime(const DateTime& t);
std::string FormatGeneralDate(const DateTime& t);

// Program strings are single-byte Western code page text; UTF-8 only at the edges.
std::string Cp1252ToUtf8(const std::string& s);
std::string Utf8ToCp1252(const std::string& s);

} // namespace forms
