// Val, Str, Format and rounding.
#include "text/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <string>

namespace voriel {
namespace {

TEST(Val, ReadsTheLeadingNumber) {
    EXPECT_EQ(Val("6.5"), 6.5);
    EXPECT_EQ(Val("  -3"), -3);
    EXPECT_EQ(Val(" .3"), 0.3);
    EXPECT_EQ(Val("+.5e1"), 5);
    EXPECT_EQ(Val("1.2.3"), 1.2);
    EXPECT_EQ(Val("12abc"), 12);
    EXPECT_EQ(Val("1e5x"), 1e5);
    EXPECT_EQ(Val("1e"), 1);
    EXPECT_EQ(Val("1e+"), 1);
    EXPECT_EQ(Val("2E-2"), 0.02);
    EXPECT_EQ(Val("6,5"), 6);  // the comma is replaced before Val sees the text
    EXPECT_EQ(Val(CommaToPoint("6,5")), 6.5);
}

TEST(Val, TextWithoutANumberIsZero) {
    for (const char* t : {"", " ", "abc", "-", "+", ".", "-.", "e5", "--1"})
        EXPECT_EQ(Val(t), 0) << t;
}

TEST(Val, OverflowIsInfiniteUnderflowIsZero) {
    EXPECT_EQ(Val("1e999"), HUGE_VAL);
    EXPECT_EQ(Val("-1e999"), -HUGE_VAL);
    EXPECT_EQ(Val("1e-999"), 0);
    EXPECT_EQ(Val("0.0000001e-320"), 0);
    EXPECT_EQ(Val("0e999"), 0);
    EXPECT_EQ(Val("0.001e310"), 1e307);
}

TEST(Str, GeneralNumberFormat) {
    EXPECT_EQ(Str(2.5), " 2.5");
    EXPECT_EQ(Str(45), " 45");
    EXPECT_EQ(Str(-25), "-25");
    EXPECT_EQ(Str(0), " 0");
    EXPECT_EQ(Str(0.3), " .3");
    EXPECT_EQ(Str(-0.3), "-.3");
    EXPECT_EQ(Str(0.0001), " .0001");
    EXPECT_EQ(Str(0.00001), " 1E-05");
    EXPECT_EQ(Str(-1.5e-7), "-1.5E-07");
    EXPECT_EQ(Str(123456789012345.0), " 123456789012345");
    EXPECT_EQ(Str(1e15), " 1E+15");
    EXPECT_EQ(Str(1.2345678901234567e20), " 1.23456789012346E+20");
    EXPECT_EQ(Str(1.7999999999999998), " 1.8");
    EXPECT_EQ(Str(0.1 + 0.2), " .3");
    EXPECT_EQ(Str(1e-300), " 1E-300");
    EXPECT_EQ(Str(99999.99999999999), " 100000");
}

TEST(Str, ReadsBackToFifteenDigits) {
    std::mt19937_64 rng(7);
    std::uniform_real_distribution<double> mant(-10, 10);
    std::uniform_int_distribution<int> expo(-30, 30);
    for (int n = 0; n < 20000; ++n) {
        const double v = mant(rng) * std::pow(10.0, expo(rng));
        const double back = Val(Str(v));
        EXPECT_NEAR(back, v, std::fabs(v) * 1e-14) << Str(v);
        // Rounded to 15 digits, Str is a fixed point of Val.
        EXPECT_EQ(Str(back), Str(v));
    }
}

TEST(Format, PatternsOfTheProgram) {
    EXPECT_EQ(Format(0.0625, "0.000"), "0.063");  // halves away from zero on the exact value
    EXPECT_EQ(Format(-0.0625, "0.000"), "-0.063");
    EXPECT_EQ(Format(2.675, "0.00"), "2.67");     // 2.675 is 2.67499999... in binary
    EXPECT_EQ(Format(1.0005, "0.000"), "1.000");  // 1.000499999...
    EXPECT_EQ(Format(-5, " 0.000"), " -5.000");
    EXPECT_EQ(Format(-0.0004, "0.000"), "0.000");  // rounds to zero: no minus sign
    EXPECT_EQ(Format(-0.0, " 0.000"), " 0.000");
    EXPECT_EQ(Format(0.99951, "0.000"), "1.000");
    EXPECT_EQ(Format(9.9996, "0.000"), "10.000");
    EXPECT_EQ(Format(3, "  0"), "  3");
    EXPECT_EQ(Format(7, " 00 "), " 07 ");
    EXPECT_EQ(Format(123, "00"), "123");
    EXPECT_EQ(Format(0, "#"), "");
    EXPECT_EQ(Format(12, "# "), "12 ");
    EXPECT_EQ(Format(0.5, "#0.000"), "0.500");
    EXPECT_EQ(Format(1.5, "0.0##"), "1.5");
    EXPECT_EQ(Format(1.23456, "0.0##"), "1.235");
    EXPECT_EQ(Format(1.5, "0.###0 "), "1.5000 ");
    EXPECT_EQ(Format(1.25, " 0.##0 "), " 1.250 ");
    EXPECT_EQ(Format(4.05, "00.0"), "04.0");  // 4.0499999... in binary
    EXPECT_EQ(Format(-2.5, "0;(0)"), "(3)");
    EXPECT_EQ(Format(2.5, "0;(0)"), "3");
    EXPECT_EQ(Format(1e20, "0"), "100000000000000000000");
}

TEST(Rounding, HalvesToEven) {
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(3.5), 4);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(-3.5), -4);
    EXPECT_EQ(RoundHalfEven(2.4999999999999996), 2);
    EXPECT_EQ(RoundHalfEven(2.6), 3);
    EXPECT_EQ(Int(-0.5), -1);
    EXPECT_EQ(Int(2.9), 2);
    EXPECT_EQ(Sgn(-3), -1);
    EXPECT_EQ(Sgn(0), 0);
    EXPECT_EQ(Sgn(1e-300), 1);
}

}  // namespace
}  // namespace voriel

namespace voriel {
namespace {

// The exact-expansion rounding that Format must agree with: |v| rounded half away from zero at
// `decimals` places, from the decimal text of its exact binary value.
std::string exactRounded(double v, int decimals) {
    char buf[2000];
    std::snprintf(buf, sizeof buf, "%.1100f", std::fabs(v));  // glibc prints the exact value
    std::string t(buf);
    const auto point = t.find('.');
    std::string digits =
        t.substr(0, point) + t.substr(point + 1, static_cast<std::size_t>(decimals));
    if (t[point + 1 + static_cast<std::size_t>(decimals)] >= '5') {
        std::size_t k = digits.size();
        while (k > 0 && digits[k - 1] == '9') digits[--k] = '0';
        if (k == 0)
            digits.insert(digits.begin(), '1');
        else
            ++digits[k - 1];
    }
    std::string ip = digits.substr(0, digits.size() - static_cast<std::size_t>(decimals));
    ip.erase(0, std::min(ip.find_first_not_of('0'), ip.size() - 1));
    return ip + "." + digits.substr(digits.size() - static_cast<std::size_t>(decimals));
}

TEST(Format, AgreesWithTheExactExpansionOnTiesAndEverywhereElse) {
    std::mt19937_64 rng(11);
    std::uniform_real_distribution<double> mant(0, 1);
    std::uniform_int_distribution<int> expo(-6, 12);
    for (int n = 0; n < 20000; ++n) {
        const int decimals = n % 5;
        double v = mant(rng) * std::pow(10.0, expo(rng));
        if (n % 3 == 0) v = (std::floor(v * 1000) + 0.5) / 1000;  // near-ties at 3 places
        if (n % 7 == 0) v = -v;
        const std::string pattern =
            decimals == 0 ? "0" : "0." + std::string(static_cast<std::size_t>(decimals), '0');
        std::string expected = exactRounded(v, decimals);
        if (decimals == 0) expected.pop_back();
        const bool zero = expected.find_first_not_of("0.") == std::string::npos;
        if (v < 0 && !zero) expected.insert(0, "-");
        ASSERT_EQ(Format(v, pattern), expected) << v << " " << pattern;
    }
}

}  // namespace
}  // namespace voriel
