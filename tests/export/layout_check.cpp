// Test support: expected lines with number fields, matched line by line.
#include "export/layout_check.h"

#include <charconv>
#include <cmath>

namespace voriel::test {

::testing::AssertionResult SplitCrLf(const std::string& text, std::vector<std::string>& lines) {
    lines.clear();
    std::size_t start = 0;
    while (start < text.size()) {
        const auto end = text.find("\r\n", start);
        if (end == std::string::npos)
            return ::testing::AssertionFailure()
                   << "line " << lines.size() + 1 << " does not end with CR LF";
        const std::string line = text.substr(start, end - start);
        if (line.find_first_of("\r\n") != std::string::npos)
            return ::testing::AssertionFailure()
                   << "line " << lines.size() + 1 << " holds a lone CR or LF";
        lines.push_back(line);
        start = end + 2;
    }
    return ::testing::AssertionSuccess();
}

void ExpectedFile::line(std::string text) {
    lines_.push_back({std::move(text), {}});
}

void ExpectedFile::numbers(std::string pattern, std::vector<double> values) {
    lines_.push_back({std::move(pattern), std::move(values)});
}

::testing::AssertionResult ExpectedFile::matches(const std::string& text) const {
    std::vector<std::string> actual;
    if (auto split = SplitCrLf(text, actual); !split) return split;
    const std::size_t n = std::min(actual.size(), lines_.size());
    for (std::size_t i = 0; i < n; ++i) {
        const std::string why = MatchLine(actual[i], lines_[i].pattern, lines_[i].values);
        if (!why.empty())
            return ::testing::AssertionFailure()
                   << "line " << i + 1 << " \"" << actual[i] << "\" against \"" << lines_[i].pattern
                   << "\": " << why;
    }
    if (actual.size() != lines_.size())
        return ::testing::AssertionFailure()
               << actual.size() << " lines written, " << lines_.size() << " expected";
    return ::testing::AssertionSuccess();
}

namespace {

bool digit(char c) {
    return c >= '0' && c <= '9';
}

// Reads "digits.decimals" at pos; returns the end or npos.
std::size_t fixedNumber(const std::string& s, std::size_t pos, int decimals) {
    std::size_t i = pos;
    while (i < s.size() && digit(s[i])) ++i;
    if (i == pos || i >= s.size() || s[i] != '.') return std::string::npos;
    ++i;
    for (int d = 0; d < decimals; ++d, ++i)
        if (i >= s.size() || !digit(s[i])) return std::string::npos;
    return i;
}

// One field at `pos` of the kind `kind`; advances pos, or returns the reason it does not fit.
std::string field(char kind, const std::string& s, std::size_t& pos, double expected) {
    const int decimals = kind == 'D' || kind == 'V' ? 4 : 3;
    std::size_t i = pos;
    if (kind == 'V') {
        if (s.compare(i, 2, "  ") == 0 && i + 2 < s.size() && digit(s[i + 2]))
            i += 2;
        else if (s.compare(i, 2, " -") == 0)
            i += 1;
        else
            return "VRML number without its leading blanks";
    } else if (kind == 'S') {
        if (i + 1 >= s.size() || s[i] != ' ' || (s[i + 1] != '+' && s[i + 1] != '-'))
            return "signed number without its blank and sign";
        if (expected == 0 && s[i + 1] != '+') return "zero written without +";
        i += 1;
    } else if (kind == 'P') {
        if (i >= s.size() || s[i] != ' ') return "number without its leading blank";
        i += 1;
    }
    const std::size_t numberStart = i;
    bool negative = false;
    if (i < s.size() && (s[i] == '-' || s[i] == '+')) negative = s[i++] == '-';
    const std::size_t end = fixedNumber(s, i, decimals);
    if (end == std::string::npos || end >= s.size() || s[end] != ' ')
        return "number not written with " + std::to_string(decimals) + " decimals and a blank";
    double v = 0;
    std::from_chars(s.data() + i, s.data() + end, v);
    if (negative) v = -v;
    const double unit = std::pow(10.0, -decimals);
    if (std::fabs(v - expected) > 0.5 * unit * (1 + 1e-9) + 1e-12 * std::fabs(expected))
        return "value " + s.substr(numberStart, end - numberStart) + " instead of " +
               std::to_string(expected);
    pos = end + 1;
    return "";
}

}  // namespace

std::string MatchLine(const std::string& actual, const std::string& pattern,
                      const std::vector<double>& values) {
    std::size_t a = 0, next = 0;
    for (std::size_t p = 0; p < pattern.size(); ++p) {
        if (pattern[p] == '@' && p + 1 < pattern.size()) {
            if (next >= values.size()) return "more fields than values";
            const std::string why = field(pattern[++p], actual, a, values[next++]);
            if (!why.empty()) return why;
            continue;
        }
        if (a >= actual.size() || actual[a] != pattern[p])
            return "differs at column " + std::to_string(a + 1);
        ++a;
    }
    if (a != actual.size()) return "extra text from column " + std::to_string(a + 1);
    if (next != values.size()) return "fewer fields than values";
    return "";
}

int CountLines(const std::vector<std::string>& lines, const std::string& line) {
    int n = 0;
    for (const std::string& l : lines) n += l == line;
    return n;
}

}  // namespace voriel::test
