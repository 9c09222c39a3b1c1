// Test support: a file's expected lines built from its layout, and the line-by-line comparison.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace voriel::test {

// Splits a written text into its lines; every line, the last included, must end with CR LF and
// no line may hold a lone CR or LF.
::testing::AssertionResult SplitCrLf(const std::string& text, std::vector<std::string>& lines);

// The lines a file must hold. A line is literal text, except that each marker stands for one
// number field whose look is fixed by the layout and whose value must be the next model value,
// to within half a unit of its last decimal:
//   @D  DXF coordinate, "0.0000 ": optional minus, digits, ".", four decimals, a blank
//   @V  VRML number: two blanks and "0.0000 ", or one blank and "-0.0000 "
//   @S  signed XYZ coordinate, " +0.000 " / " -0.000 " (0 itself must carry "+")
//   @P  XYZ development coordinate, " 0.000 " with a minus when negative
class ExpectedFile {
public:
    void line(std::string text);
    void numbers(std::string pattern, std::vector<double> values);
    std::size_t size() const { return lines_.size(); }

    // Compares the text's lines one by one; the failure names the first line that differs.
    ::testing::AssertionResult matches(const std::string& text) const;

private:
    struct Expected {
        std::string pattern;
        std::vector<double> values;
    };
    std::vector<Expected> lines_;
};

// Matches one line against a pattern with markers; an empty result means it matches, else the
// reason.
std::string MatchLine(const std::string& actual, const std::string& pattern,
                      const std::vector<double>& values);

// The number of lines of `text` equal to `line`.
int CountLines(const std::vector<std::string>& lines, const std::string& line);

}  // namespace voriel::test
