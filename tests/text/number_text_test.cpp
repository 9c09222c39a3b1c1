// Val, Str, Format and rounding: the literal cases (a data file) and properties over random values.
#include "text/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

#include "support/case_lines.h"

namespace voriel {
namespace {

std::string exact(double v) {  // every bit of a double
    char text[40];
    std::snprintf(text, sizeof text, "%.17g", v);
    return text;
}

// The literal cases, one a line, in tests/golden/number_text/cases.txt (which says their form).
TEST(NumberText, LiteralCases) {
    const auto cases = test::CaseLines("golden/number_text/cases.txt");
    EXPECT_GE(cases.size(), 76u);  // the whole file was read
    for (const std::string& line : cases) {
        const auto f = test::Split(line, '|');
        const std::string& kind = f[0];
        const double v = std::strtod(f[1].c_str(), nullptr);
        const std::string actual = kind == "val"      ? exact(Val(f[1]))
                                   : kind == "str"    ? Str(v)
                                   : kind == "format" ? Format(v, f[2])
                                   : kind == "round"  ? exact(RoundHalfEven(v))
                                   : kind == "int"    ? exact(Int(v))
                                   : kind == "sgn"    ? exact(Sgn(v))
                                                      : "an unknown kind of case";
        const bool text = kind == "str" || kind == "format";
        EXPECT_EQ(actual, text ? f.back() : exact(std::strtod(f.back().c_str(), nullptr))) << line;
    }
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

// What Format must agree with: |v| rounded half away from zero at `decimals` places. glibc's
// printf rounds the exact binary value correctly, but an exact tie to even, so a tie is nudged up.
std::string exactRounded(double v, int decimals) {
    char digits[1200];
    v = std::fabs(v);
    std::snprintf(digits, sizeof digits, "%.1100f", v);  // the exact value
    const std::string rest = std::strchr(digits, '.') + 1 + decimals;
    if (rest[0] == '5' && rest.find_first_not_of('0', 1) == std::string::npos)
        v = std::nextafter(v, HUGE_VAL);
    std::snprintf(digits, sizeof digits, "%.*f", decimals, v);
    return digits;
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
        const bool zero = expected.find_first_not_of("0.") == std::string::npos;
        if (v < 0 && !zero) expected.insert(0, "-");
        ASSERT_EQ(Format(v, pattern), expected) << v << " " << pattern;
    }
}

}  // namespace
}  // namespace voriel
