// Val, Str, Format and rounding.
#include "text/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <string>

namespace voriel {
namespace {

// Each text, then what Val reads from it: the leading number or 0, infinite on overflow.
TEST(Val, ReadsTheLeadingNumber) {
    std::string read;
    for (const char* text : {"6.5",    "  -3",
                             " .3",    "+.5e1",
                             "1.2.3",  "12abc",
                             "1e5x",   "1e",
                             "1e+",    "2E-2",
                             "6,5",    "",
                             " ",      "abc",
                             "-",      "+",
                             ".",      "-.",
                             "e5",     "--1",
                             "1e-999", "0.0000001e-320",
                             "0e999",  "0.001e310",
                             "1e999",  "-1e999"})
        read += Str(Val(text)) + "|";
    EXPECT_EQ(read,
              " 6.5|-3| .3| 5| 1.2| 12| 100000| 1| 1| .02| 6| 0| 0| 0| 0| 0| 0| 0| 0| 0| 0| 0| 0| "
              "1E+307| Inf|-Inf|");
    EXPECT_EQ(Val("0.001e310"), 1e307);
    EXPECT_EQ(Val("1e999"), HUGE_VAL);
    EXPECT_EQ(Val(CommaToPoint("6,5")), 6.5);  // the comma is replaced before Val sees the text
}

TEST(Str, GeneralNumberFormat) {
    std::string texts;
    for (const double v :
         {2.5, 45.0, -25.0, 0.0, 0.3, -0.3, 0.0001, 0.00001, -1.5e-7, 123456789012345.0, 1e15,
          1.2345678901234567e20, 1.7999999999999998, 0.1 + 0.2, 1e-300, 99999.99999999999})
        texts += Str(v) + "|";
    EXPECT_EQ(texts,
              " 2.5| 45|-25| 0| .3|-.3| .0001| 1E-05|-1.5E-07| 123456789012345| 1E+15| "
              "1.23456789012346E+20| 1.8| .3| 1E-300| 100000|");
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
    const struct {
        double v;
        const char* pattern;
        const char* text;
    } cases[] = {
        {0.0625, "0.000", "0.063"},  // halves away from zero on the exact value
        {-0.0625, "0.000", "-0.063"},
        {2.675, "0.00", "2.67"},      // 2.675 is 2.67499999... in binary
        {1.0005, "0.000", "1.000"},   // 1.000499999...
        {4.05, "00.0", "04.0"},       // 4.0499999...
        {-0.0004, "0.000", "0.000"},  // rounds to zero: no minus sign
        {-0.0, " 0.000", " 0.000"},
        {-5, " 0.000", " -5.000"},
        {0.99951, "0.000", "1.000"},
        {9.9996, "0.000", "10.000"},
        {3, "  0", "  3"},
        {7, " 00 ", " 07 "},
        {123, "00", "123"},
        {0, "#", ""},
        {12, "# ", "12 "},
        {0.5, "#0.000", "0.500"},
        {1.5, "0.0##", "1.5"},
        {1.23456, "0.0##", "1.235"},
        {1.5, "0.###0 ", "1.5000 "},
        {1.25, " 0.##0 ", " 1.250 "},
        {-2.5, "0;(0)", "(3)"},
        {2.5, "0;(0)", "3"},
        {1e20, "0", "100000000000000000000"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Format(c.v, c.pattern), c.text) << c.v << " " << c.pattern;
}

TEST(Rounding, HalvesToEven) {
    std::string rounded;
    for (const double v : {2.5, 3.5, -2.5, -3.5, 2.4999999999999996, 2.6})
        rounded += Str(RoundHalfEven(v));
    EXPECT_EQ(rounded, " 2 4-2-4 2 3");
    EXPECT_EQ(Str(Int(-0.5)) + Str(Int(2.9)), "-1 2");
    EXPECT_EQ(Str(Sgn(-3)) + Str(Sgn(0)) + Str(Sgn(1e-300)), "-1 0 1");
}

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
