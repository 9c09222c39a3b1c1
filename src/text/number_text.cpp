// Val, Str, Format, Int, Sgn, CommaToPoint and rounding halves to even.
#include "text/number_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace voriel {

std::string CommaToPoint(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c == ',') c = '.';
    return out;
}

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Decides an out-of-range conversion: the magnitude overflowed when the first significant digit
// stands at a positive power of ten.
double outOfRange(std::string_view mantissa, long exponent, bool negative) {
    long firstDigit = 0;  // power of ten of the first non-zero digit, plus one
    const auto point = mantissa.find('.');
    const std::string_view intPart = mantissa.substr(0, point);
    std::size_t lead = intPart.find_first_not_of('0');
    if (lead != std::string_view::npos) {
        firstDigit = static_cast<long>(intPart.size() - lead);
    } else if (point != std::string_view::npos) {
        const std::string_view frac = mantissa.substr(point + 1);
        lead = frac.find_first_not_of('0');
        if (lead == std::string_view::npos) return 0.0;
        firstDigit = -static_cast<long>(lead);
    }
    if (exponent + firstDigit > 0) return negative ? -HUGE_VAL : HUGE_VAL;
    return 0.0;
}

}  // namespace

double Val(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    const std::size_t start = i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    const std::size_t mantStart = i;
    bool digits = false;
    while (i < text.size() && isDigit(text[i])) ++i, digits = true;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && isDigit(text[i])) ++i, digits = true;
    }
    if (!digits) return 0.0;
    const std::size_t mantEnd = i;
    long exponent = 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        bool expNegative = false;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) expNegative = text[j++] == '-';
        if (j < text.size() && isDigit(text[j])) {
            while (j < text.size() && isDigit(text[j])) {
                if (exponent < 100000) exponent = exponent * 10 + (text[j] - '0');
                ++j;
            }
            if (expNegative) exponent = -exponent;
            i = j;
        }
    }
    std::string number(text.substr(start, i - start));
    if (number[0] == '+') number.erase(0, 1);
    double v = 0.0;
    const auto res = std::from_chars(number.data(), number.data() + number.size(), v);
    if (res.ec == std::errc::result_out_of_range)
        return outOfRange(text.substr(mantStart, mantEnd - mantStart), exponent, negative);
    return v;
}

std::string Str(double v) {
    if (std::isnan(v)) return " NaN";
    if (std::isinf(v)) return v > 0 ? " Inf" : "-Inf";
    if (v == 0.0) return " 0";
    // 15 significant digits, correctly rounded: d.dddddddddddddde[+-]xx
    std::array<char, 40> buf{};
    const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), std::fabs(v),
                                   std::chars_format::scientific, 14);
    const std::string sci(buf.data(), res.ptr);
    const auto ePos = sci.find('e');
    std::string digits = sci.substr(0, 1) + sci.substr(2, ePos - 2);
    const int exponent = std::atoi(sci.c_str() + ePos + 1);
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

    std::string body;
    if (exponent < -4 || exponent >= 15) {
        body = digits.substr(0, 1);
        if (digits.size() > 1) body += "." + digits.substr(1);
        const int a = std::abs(exponent);
        body += exponent < 0 ? "E-" : "E+";
        if (a < 10) body += '0';
        body += std::to_string(a);
    } else if (exponent < 0) {
        body = "." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    } else {
        const auto intDigits = static_cast<std::size_t>(exponent + 1);
        if (digits.size() <= intDigits) {
            body = digits + std::string(intDigits - digits.size(), '0');
        } else {
            body = digits.substr(0, intDigits) + "." + digits.substr(intDigits);
        }
    }
    return (v < 0 ? "-" : " ") + body;
}

namespace {

// The exact decimal expansion of |v| rounded half away from zero to `decimals` places, as
// integer digits and fraction digits.
// The fast way for the usual case: |v|*10^decimals below 1e9 carries an error under 1.2e-7, so
// unless its fraction lies within 1e-6 of a half, rounding it gives what the exact expansion
// gives. Returns false for the exact way to decide.
bool roundScaled(double v, int decimals, std::string& intDigits, std::string& fracDigits) {
    static constexpr std::array<double, 10> kPowers = {1,   1e1, 1e2, 1e3, 1e4,
                                                       1e5, 1e6, 1e7, 1e8, 1e9};
    if (decimals >= static_cast<int>(kPowers.size())) return false;
    const double scaled = std::fabs(v) * kPowers[static_cast<std::size_t>(decimals)];
    if (!(scaled < 1e9)) return false;
    const double whole = std::floor(scaled);
    const double fraction = scaled - whole;
    if (std::fabs(fraction - 0.5) <= 1e-6) return false;
    const auto n = static_cast<uint64_t>(whole) + (fraction > 0.5 ? 1 : 0);
    std::string all = std::to_string(n);
    if (all.size() <= static_cast<std::size_t>(decimals))
        all.insert(0, static_cast<std::size_t>(decimals) + 1 - all.size(), '0');
    intDigits = all.substr(0, all.size() - static_cast<std::size_t>(decimals));
    fracDigits = all.substr(all.size() - static_cast<std::size_t>(decimals));
    if (intDigits == "0") intDigits.clear();
    return true;
}

void roundExact(double v, int decimals, std::string& intDigits, std::string& fracDigits) {
    if (roundScaled(v, decimals, intDigits, fracDigits)) return;
    int e2 = 0;
    std::frexp(v, &e2);
    const int exactDecimals = std::max(0, 53 - e2);
    static_assert(sizeof(double) == 8, "IEEE double expected");
    std::array<char, 1600> buf{};
    const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), std::fabs(v),
                                   std::chars_format::fixed, std::max(exactDecimals, decimals));
    std::string text(buf.data(), res.ptr);
    const auto point = text.find('.');
    std::string ip = point == std::string::npos ? text : text.substr(0, point);
    std::string fp = point == std::string::npos ? std::string() : text.substr(point + 1);
    fp.resize(std::max<std::size_t>(fp.size(), static_cast<std::size_t>(decimals) + 1), '0');
    const bool up = fp[static_cast<std::size_t>(decimals)] >= '5';
    std::string all = ip + fp.substr(0, static_cast<std::size_t>(decimals));
    if (up) {
        std::size_t k = all.size();
        while (k > 0 && all[k - 1] == '9') all[--k] = '0';
        if (k == 0)
            all.insert(all.begin(), '1');
        else
            ++all[k - 1];
    }
    intDigits = all.substr(0, all.size() - static_cast<std::size_t>(decimals));
    fracDigits = all.substr(all.size() - static_cast<std::size_t>(decimals));
    const auto nz = intDigits.find_first_not_of('0');
    intDigits = nz == std::string::npos ? std::string() : intDigits.substr(nz);
}

bool isPlaceholder(char c) {
    return c == '0' || c == '#' || c == '.';
}

}  // namespace

std::string Format(double v, std::string_view pattern) {
    std::string_view section = pattern;
    bool signless = false;
    const auto semi = pattern.find(';');
    if (semi != std::string_view::npos) {
        if (v < 0) {
            section = pattern.substr(semi + 1);
            signless = true;
        } else {
            section = pattern.substr(0, semi);
        }
    }
    std::size_t first = 0;
    while (first < section.size() && !isPlaceholder(section[first])) ++first;
    std::size_t last = first;
    while (last < section.size() && isPlaceholder(section[last])) ++last;
    const std::string_view prefix = section.substr(0, first);
    const std::string_view number = section.substr(first, last - first);
    const std::string_view suffix = section.substr(last);

    const auto point = number.find('.');
    const std::string_view intPat = number.substr(0, point);
    const std::string_view fracPat =
        point == std::string_view::npos ? std::string_view() : number.substr(point + 1);
    std::size_t minInt = 0;
    for (char c : intPat) minInt += c == '0';
    const auto maxFrac = static_cast<int>(fracPat.size());
    const auto lastZero = fracPat.find_last_of('0');
    const std::size_t minFrac = lastZero == std::string_view::npos ? 0 : lastZero + 1;

    std::string ip, fp;
    if (std::isfinite(v)) {
        roundExact(v, maxFrac, ip, fp);
    } else {
        ip = std::isnan(v) ? "NaN" : "Inf";
    }
    while (fp.size() > minFrac && fp.back() == '0') fp.pop_back();
    const bool zero = ip.empty() && fp.find_first_not_of('0') == std::string::npos;
    if (ip.size() < minInt) ip.insert(0, minInt - ip.size(), '0');

    std::string out(prefix);
    if (v < 0 && !signless && !zero) out += '-';
    out += ip;
    if (point != std::string_view::npos) out += "." + fp;
    out += suffix;
    return out;
}

double Int(double v) {
    return std::floor(v);
}

int Sgn(double v) {
    return v > 0 ? 1 : (v < 0 ? -1 : 0);
}

double RoundHalfEven(double v) {
    const double r = std::round(v);  // halves away from zero
    if (std::fabs(v - std::trunc(v)) == 0.5) return 2.0 * std::round(v / 2.0);
    return r;
}

}  // namespace voriel
