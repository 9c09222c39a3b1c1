// Val, Str, Format and rounding: the literal cases (a data file) and properties over random values.
#include "text/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "support/test_data.h"

namespace voriel {
namespace {

std::string exact(double v) {  // every bit of a double
    char text[40];
    std::snprintf(text, sizeof text, "%.17g", v);
    return text;
}

// The literal cases, one a line, in tests/golden/number_text/cases.txt (which says their form).
TEST(NumberText, LiteralCases) {
    std::ifstream in(test::TestData("golden/number_text/cases.txt"));
    int cases = 0;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') continue;
        std::vector<std::string> f;
        for (std::size_t at = 0, bar = 0; bar != std::string::npos; at = bar + 1)
            f.push_back(line.substr(at, (bar = line.find('|', at)) - at));
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
        ++cases;
    }
    EXPECT_GE(cases, 76);  // the whole file was read
    EXPECT_EQ(Val(CommaToPoint("6,5")), 6.5);
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
