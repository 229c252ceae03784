#include "forms/errors.h"
#include "forms/lang.h"

#include <gtest/gtest.h>

using namespace forms;

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
    struct Case {
        double in;
        int16_t out;
    } cases[] = {{2.5, 2},     {3.5, 4},    {-2.5, -2}, {0.5, 0},        {1.5, 2},
                 {195.5, 196}, {2.4999, 2}, {-0.6, -1}, {32767.4, 32767}};
    for (auto c : cases)
        EXPECT_EQ(CInt(c.in), c.out) << c.in;
    EXPECT_EQ(CLng(2000000000.5), 2000000000);
}

TEST(Rounding, OverflowRaisesError6) {
    for (double v : {32767.5, -32769.0, 1e10}) {
        try {
            CInt(v);
            FAIL() << v;
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.Number(), 6);
        }
    }
    EXPECT_THROW(CLng(3e9), RuntimeError);
}

TEST(Conversions, TextToNumber) {
    EXPECT_EQ(CInt(" -500 "), -500);
    EXPECT_EQ(CLng("16777215"), 16777215);
    EXPECT_EQ(CLng("&HFF9966"), 0xFF9966);
    EXPECT_EQ(CInt("2.5"), 2);
    EXPECT_TRUE(IsNumeric(" 12 "));
    for (const char* bad : {"", "abc", "12a", "1 2", "-", "True"}) {
        EXPECT_FALSE(IsNumeric(bad)) << bad;
        try {
            CLng(bad);
            FAIL() << bad;
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.Number(), 13) << bad;
        }
    }
    EXPECT_THROW(CInt("40000"), RuntimeError); // out of the 16-bit range: overflow
}

TEST(Conversions, Flags) {
    EXPECT_EQ(CBool("True"), vbTrue);
    EXPECT_EQ(CBool(" false"), vbFalse);
    EXPECT_EQ(CBool("TRUE"), vbTrue);
    EXPECT_EQ(CBool("0"), vbFalse);
    EXPECT_EQ(CBool("-1"), vbTrue);
    EXPECT_THROW(CBool("yes"), RuntimeError);
    EXPECT_EQ(FlagText(vbTrue), "True");
    EXPECT_EQ(FlagText(vbFalse), "False");
}

TEST(Strings, TrimRemovesSpacesOnly) {
    EXPECT_EQ(Trim("  a b  "), "a b");
    EXPECT_EQ(Trim("\ta\t"), "\ta\t");
    EXPECT_EQ(Trim("   "), "");
}

TEST(Strings, InStrIsOneBasedAndCanIgnoreCase) {
    EXPECT_EQ(InStr(1, "abcABC", "B"), 5);
    EXPECT_EQ(InStr(1, "abcABC", "B", true), 2);
    EXPECT_EQ(InStr(3, "abcABC", "b", true), 5);
    EXPECT_EQ(InStr(1, "abc", "x"), 0);
    EXPECT_EQ(InStr(10, "abc", "a"), 0);
    EXPECT_EQ(Mid("Hello", 2, 3), "ell");
    EXPECT_EQ(Mid("Hello", 9), "");
}

TEST(CodePage, RoundTripsWesternText) {
    std::string s = "caf\xE9 \x80 \x93";
    EXPECT_EQ(Cp1252ToUtf8(s), "caf\xC3\xA9 \xE2\x82\xAC \xE2\x80\x9C");
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(s)), s);
}

TEST(DateTime, Formats) {
    DateTime t{2026, 12, 10, 8, 5, 3};
    EXPECT_EQ(FormatTime(t), "08:05:03");
    EXPECT_EQ(FormatGeneralDate(t), "12/10/2026 8:05:03 AM");
    SetNowSource([] { return DateTime{2000, 1, 2, 13, 0, 0}; });
    EXPECT_EQ(FormatGeneralDate(Now()), "1/2/2000 1:00:00 PM");
    SetNowSource({});
}

TEST(Arrays, OutOfRangeRaisesError9) {
    Array<int, 0, 4> a;
    a(4) = 7;
    EXPECT_EQ(a(4), 7);
    try {
        a(5) = 1;
        FAIL();
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.Number(), 9);
    }
    EXPECT_THROW(a(-1), RuntimeError);
}
