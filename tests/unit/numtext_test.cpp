// Number text: the formatting and reading tables, and differential checks against the C
// library's exact conversions (glibc's printf and strtod are correctly rounded).
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <algorithm>
#include <charconv>
#include <limits>
#include <chrono>
#include <random>
#include <string>

#include "text/number_text.h"

namespace {

struct FormatRow {
    double value;
    unsigned width, decimals;
    const char* text;
};

TEST(FormatFixed, Table) {
    const FormatRow rows[] = {
        {0, 6, 3, " 0.000"},          {9.81, 6, 3, " 9.810"},
        {-3.2, 6, 3, "-3.200"},       {0.00001, 6, 3, " 0.000"},
        {-0.0001, 6, 3, "-0.000"},    {9.99999, 6, 3, "10.000"},
        {12.3456, 6, 3, "12.346"},    {123456789, 6, 3, "123456789.000"},
        {-0.0, 6, 3, "-0.000"},       {0, 6, 2, "  0.00"},
        {-3.2, 6, 2, " -3.20"},       {9.99999, 6, 2, " 10.00"},
        {123456789, 6, 2, "123456789.00"},
        {40.775, 6, 0, "    41"},     {0.4, 6, 0, "     0"},
        {2.5, 6, 0, "     3"},        {-2.5, 6, 0, "    -3"},
        {1234567, 6, 0, "1234567"},   {4.5, 6, 0, "     5"},
        {0.5, 0, 0, "1"},             {-0.4, 6, 0, "    -0"},
        {0.125, 0, 2, "0.13"},        {1.0, 0, 20, "1.0000000000000000"},
        {999.9996, 0, 3, "1000.000"}, {5e-324, 0, 3, "0.000"},
        {1e36, 0, 3, "1.0000000000000000E+0036"},
        {-1.5e300, 0, 3, "-1.5000000000000001E+0300"},
        {DBL_MAX, 0, 3, "1.7976931348623157E+0308"},
        {9.999999999999999e35, 0, 0, "999999999999999894846684784341549056"},
        {INFINITY, 6, 3, "   INF"},   {-INFINITY, 0, 3, "-INF"},
        {NAN, 0, 3, "NAN"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(FormatFixed(row.value, row.width, row.decimals), row.text)
            << row.value << " width " << row.width << " decimals " << row.decimals;
}

TEST(FormatCompact, Table) {
    const struct {
        double value;
        const char* text;
    } rows[] = {
        {0, "0"},           {0.00001, "0.00001"},     {0.5, "0.5"},
        {-0.25, "-0.25"},   {0.1234567, "0.123457"},  {0.0000004, "0"},
        {-0.0000001, "-0"}, {0.9999996, "1"},         {20, "    20"},
        {100, "   100"},    {9.99999, "    10"},      {123456789, "123456789"},
        {40.775, "    41"}, {-7, "    -7"},
    };
    for (const auto& row : rows) EXPECT_EQ(FormatCompact(row.value, 6, 0), row.text) << row.value;
    EXPECT_EQ(FormatCompact(2.50, 6, 2), "  2.5");  // the blanks of the 6-wide text stay
}

// Zeros come off the mantissa, never off the exponent.
TEST(FormatCompact, ExponentKeepsItsDigits) {
    const struct {
        const char* label;
        double value;
        const char* text;
    } rows[] = {
        {"reach of Vo 3.2e20 at 45 degrees", 3.2e20 * 3.2e20 / 9.81, "1.0438328236493374E+0040"},
        {"launch height 1e40", 1e40, "1E+0040"},
        {"negative, zeros and a bare point", -1e40, "-1E+0040"},
        {"exponent ending in zeros", 1.5e300, "1.5000000000000001E+0300"},
        {"zeros inside the mantissa", 1.25e100, "1.25E+0100"},
    };
    for (const auto& row : rows) EXPECT_EQ(FormatCompact(row.value, 6, 0), row.text) << row.label;
}

// Room 20 with 2 decimals, as the second-solution statics use it.
TEST(FitNumber, WritesTooLongNumbersShorterNeverCut) {
    const struct {
        const char* label;
        double value;
        unsigned room;
        const char* text;
    } rows[] = {
        {"short: FormatFixed's text", -10.09, 20, "-10.09"},
        {"exactly the room", 1e16, 20, "10000000000000000.00"},
        {"one over the room", -1e16, 20, "-1.00000000000E+0016"},
        {"its last digit once cut off", 1.5e20, 20, "1.500000000000E+0020"},
        {"its exponent once cut off", 6.3855085681410102e154, 20, "6.385508568141E+0154"},
        {"the largest double", -DBL_MAX, 20, "-1.79769313486E+0308"},
        {"rounding carries into the exponent", 9.99999999999996e20, 20, "1.000000000000E+0021"},
        {"a half rounds away from zero", -1.5e20, 8, "-2E+0020"},
        {"tiny room for zero", -0.0, 4, "-0E+0000"},
        {"not a number is not shortened", NAN, 2, "   NAN"},
    };
    for (const auto& row : rows) EXPECT_EQ(FitNumber(row.value, 6, 2, row.room), row.text) << row.label;
}

TEST(TextHelpers, Table) {
    EXPECT_EQ(IntToText(-5), "-5");
    EXPECT_EQ(IntToText(0), "0");
    EXPECT_EQ(IntToText(-2147483648), "-2147483648");
    EXPECT_EQ(IntToText(2147483647), "2147483647");
    EXPECT_EQ(TrimBlanks("  1.5  "), "1.5");
    EXPECT_EQ(TrimBlanks("     "), "");
    EXPECT_EQ(TrimBlanks(""), "");
    EXPECT_EQ(TrimBlanks("\t7 "), "\t7");
    EXPECT_EQ(TrimLeftBlanks("  a b  "), "a b  ");
    EXPECT_EQ(TrimRightBlanks("  a b  "), "  a b");
}

TEST(ParseReal, Table) {
    const struct {
        const char* text;
        double value;
        bool ok;
    } rows[] = {
        {"", 0, true},         {"   ", 0, true},       {"  12  ", 12, true},
        {"5.", 5, true},       {".5", 0.5, true},      {"+5", 5, true},
        {"-2.5e2", -250, true}, {"1E+3", 1000, true},   {"2,5", 0, false},
        {"1e", 0, false},      {".", 0, false},        {"7\t", 0, false},
        {"\t7", 7, true},      {"-", 0, false},        {"+", 0, false},
        {"1e+", 0, false},     {"e5", 0, false},       {"1.2.3", 0, false},
        {"0x10", 0, false},    {"inf", 0, false},      {"nan", 0, false},
        {"1 2", 0, false},     {"- 1", 0, false},      {"1e400", 0, false},
        {"-1e400", 0, false},  {"1e-400", 0, true},    {"0e99999", 0, true},
        {"000000000000000000000000000001", 1, true},
        {"2.2250738585072011e-308", 2.2250738585072011e-308, true},
        {"4.9406564584124654e-324", 4.9406564584124654e-324, true},
        {"2.4703282292062328e-324", 4.9406564584124654e-324, true},  // just above half
        {"2.4703282292062327e-324", 0, true},
        {"1.7976931348623157e308", DBL_MAX, true},
        {"1.7976931348623159e308", 0, false},  // rounds to infinity
        {"9007199254740993", 9007199254740992.0, true},  // a tie, to even
        {"9007199254740995", 9007199254740996.0, true},
        {"0.1", 0.1, true},    {"9.81", 9.81, true},
    };
    for (const auto& row : rows) {
        double value = -99;
        EXPECT_EQ(ParseReal(row.text, value), row.ok) << '"' << row.text << '"';
        EXPECT_EQ(value, row.value) << '"' << row.text << '"';
    }
    double value;
    ASSERT_TRUE(ParseReal("-0", value));
    EXPECT_TRUE(std::signbit(value));
}

// Texts far longer than a double needs: a midpoint between two doubles written out exactly
// (767 significant digits), then a long run of zeros, with or without a last nonzero digit,
// must round as the exact value does; digits past the clamp of any exponent still count.
TEST(ParseReal, LongTextsRoundAsTheirExactValue) {
    // Between the subnormals m and m + 1 (units of 2^-1074), m even: a tie goes down to m.
    const long double m = std::ldexp(1.0L, 52) - 2;
    char exact[1200];
    std::snprintf(exact, sizeof exact, "%.1100Lf", (2 * m + 1) * std::ldexp(1.0L, -1075));
    std::string mid(exact);
    mid.erase(mid.find_last_not_of('0') + 1);
    ASSERT_EQ(mid.back(), '5');
    const double low = static_cast<double>(m * std::ldexp(1.0L, -1074));
    const double high = std::nextafter(low, 1.0);
    const std::string zeros(100000, '0');
    std::string below = mid;
    below.back() = '4';
    const struct {
        const char* label;
        std::string text;
        double value;
    } rows[] = {
        {"the midpoint: a tie, to the even mantissa", mid, low},
        {"the midpoint and many zeros", mid + zeros, low},
        {"a last digit far past the midpoint", mid + zeros + "1", high},
        {"just below the midpoint", below + std::string(100000, '9'), low},
        {"many leading zeros and a large exponent", "0." + std::string(150000, '0') + "25e150001", 2.5},
        {"many digits and a large negative exponent", "4" + std::string(150000, '0') + "e-150000", 4},
        {"a million digits of a third", "0." + std::string(1000000, '3'), 1.0 / 3},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        double value = -99;
        EXPECT_TRUE(ParseReal(row.text, value));
        EXPECT_EQ(value, row.value);
    }
}

// The reading is linear in the text's length: a megabyte of digits is read at once, where a
// conversion that multiplies a growing number by ten for each digit takes minutes.
TEST(ParseReal, AMegabyteOfDigitsIsReadQuickly) {
    const std::string text = "-" + std::string(1 << 20, '3') + "e-1048576";
    const auto start = std::chrono::steady_clock::now();
    double value = 0;
    for (int i = 0; i < 4; ++i) ASSERT_TRUE(ParseReal(text, value));
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_EQ(value, -1.0 / 3);
    EXPECT_LT(seconds, 2.0);
}

// Digits of the exact value, as glibc prints them with many decimals.
bool IsExactTie(double magnitude, unsigned decimals) {
    char exact[1200];
    std::snprintf(exact, sizeof exact, "%.1100f", magnitude);
    const char* point = std::strchr(exact, '.');
    const char* rest = point + 1 + decimals;
    if (*rest != '5') return false;
    for (const char* p = rest + 1; *p; ++p)
        if (*p != '0') return false;
    return true;
}

TEST(FormatFixed, AgreesWithTheCLibraryExceptOnExactTies) {
    std::mt19937_64 random(20261208);
    int ties = 0;
    for (int i = 0; i < 60000; ++i) {
        double value;
        switch (i % 4) {
            case 0: value = std::uniform_real_distribution<double>(-1000, 1000)(random); break;
            case 1: value = std::ldexp(std::uniform_real_distribution<double>(0.5, 1)(random),
                                       std::uniform_int_distribution<int>(-1080, 119)(random)); break;
            case 2: value = std::ldexp(double(random() % 20001) - 10000, -int(random() % 6)); break;  // many ties
            default: value = double(random() % 2000000) / 1000 - 1000; break;
        }
        unsigned decimals = static_cast<unsigned>(random() % 17);
        char expected[1200];
        std::snprintf(expected, sizeof expected, "%6.*f", static_cast<int>(decimals), value);
        std::string ours = FormatFixed(value, 6, decimals);
        if (ours == expected) continue;
        // glibc rounds an exact half to even; halves go away from zero here.
        ASSERT_TRUE(IsExactTie(std::fabs(value), decimals)) << value << " decimals " << decimals
                                                           << ": " << ours << " vs " << expected;
        ++ties;
    }
    EXPECT_GT(ties, 100);  // the tie-rich rows did reach that branch
}

std::string RandomNumberText(std::mt19937_64& random) {
    auto digits = [&random](int n) {
        std::string s;
        for (int i = 0; i < n; ++i) s += static_cast<char>('0' + random() % 10);
        return s;
    };
    std::string text;
    switch (random() % 3) {
        case 0: break;
        case 1: text += '-'; break;
        default: text += '+'; break;
    }
    int intLength = static_cast<int>(random() % 25);
    int fracLength = static_cast<int>(random() % 25);
    if (intLength + fracLength == 0) intLength = 1;
    text += digits(intLength);
    if (fracLength || random() % 2) text += '.' + digits(fracLength);
    if (random() % 2) {
        text += random() % 2 ? 'e' : 'E';
        if (random() % 2) text += random() % 2 ? '-' : '+';
        text += std::to_string(random() % 360);
    }
    return text;
}

TEST(ParseReal, AgreesWithStrtodOverTheGrammar) {
    std::mt19937_64 random(7);
    for (int i = 0; i < 100000; ++i) {
        std::string text = RandomNumberText(random);
        errno = 0;
        char* end;
        double expected = std::strtod(text.c_str(), &end);
        ASSERT_EQ(*end, '\0') << text;
        bool overflow = std::isinf(expected);
        double ours = -99;
        bool ok = ParseReal(text, ours);
        if (overflow) {
            EXPECT_FALSE(ok) << text;
            continue;
        }
        ASSERT_TRUE(ok) << text;
        // strtod keeps the sign of an underflow to zero; so do we.
        ASSERT_EQ(std::memcmp(&ours, &expected, sizeof ours), 0) << text << ": " << ours << " vs " << expected;
    }
}

TEST(FormatShortest, Table) {
    const struct {
        double value;
        const char* text;
    } rows[] = {
        {0, "0"},
        {-0.0, "-0"},
        {20, "20"},
        {0.1, "0.1"},
        {0.1 + 0.2, "0.30000000000000004"},
        {-14.142135623730951, "-14.142135623730951"},
        {1e-6, "0.000001"},  // the smallest written out in full
        {9.5e-7, "9.5e-7"},
        {123456789012345680000.0, "123456789012345680000"},
        {1e21, "1e+21"},
        {5e-324, "5e-324"},  // the smallest subnormal: its gap is the same on both sides
        {2.2250738585072014e-308, "2.2250738585072014e-308"},
        {9007199254740992.0, "9007199254740992"},  // a power of two: the gap below is half
        {DBL_MAX, "1.7976931348623157e+308"},
        {1e23, "1e+23"},  // the double nearest 1e23 lies below it, yet "1e23" reads back to it
        {INFINITY, "INF"},
        {-INFINITY, "-INF"},
        {NAN, "NAN"},
    };
    for (const auto& row : rows) EXPECT_EQ(FormatShortest(row.value), row.text) << row.text;
}

// The digits agree with the C++ library's shortest conversion (so no shorter text reads back,
// and of the shortest the nearest was taken), and the text reads back as the same double.
// Random bits cover every binary exponent, subnormals included.
TEST(FormatShortest, AgreesWithToCharsAndReadsBack) {
    auto significant = [](std::string_view text) {
        std::string digits;
        for (char c : text.substr(0, text.find('e')))
            if (c >= '0' && c <= '9' && !(digits.empty() && c == '0')) digits += c;
        while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
        return digits;
    };
    std::mt19937_64 random(1208);
    for (int i = 0; i < 200000; ++i) {
        std::uint64_t bits = random();
        if (i % 4 == 0) bits &= ~std::uint64_t(0xFFFFFFFFFF);  // short mantissas: short texts
        if (i % 4 == 1) bits &= ~((std::uint64_t(1) << 52) - 1);  // powers of two: a narrower gap below
        double value;
        std::memcpy(&value, &bits, sizeof value);
        if (!std::isfinite(value)) continue;
        const std::string ours = FormatShortest(value);
        double back = 0;
        ASSERT_EQ(std::from_chars(ours.data(), ours.data() + ours.size(), back).ec, std::errc()) << ours;
        ASSERT_EQ(std::memcmp(&back, &value, sizeof back), 0) << ours;
        char theirs[64];
        char* end = std::to_chars(theirs, theirs + sizeof theirs, value, std::chars_format::scientific).ptr;
        ASSERT_EQ(significant(ours), significant(std::string_view(theirs, end - theirs)))
            << ours << " vs " << std::string(theirs, end);
    }
}

// Rounded to the digits asked, then written out between 0.0001 and a million (a rounding that
// crosses either edge takes the form of where it lands), with an exponent elsewhere.
TEST(FormatSignificant, Table) {
    const struct {
        double value;
        unsigned digits;
        const char* text;
    } cases[] = {{-0.0, 4, "0"},         {0.00014416, 2, "0.00014"}, {9.99996e-5, 4, "0.0001"}, {9.9994e-5, 4, "9.999e-5"},
                 {123456, 4, "123500"},  {999999.6, 6, "1e6"},      {-2.54842e-40, 4, "-2.548e-40"},
                 {1.0000000125, 9, "1.00000001"}, {std::numeric_limits<double>::infinity(), 3, "INF"}};
    for (const auto& c : cases) EXPECT_EQ(FormatSignificant(c.value, c.digits), c.text) << c.value << " " << c.digits;
}

}  // namespace
