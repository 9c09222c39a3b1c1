// The printed-line builder: items joined directly or by print zones of 14 columns, Tab(n), numbers.
#pragma once

#include <string>
#include <string_view>

namespace voriel {

// One printed text line, built item by item as a printer lays out a print statement. Columns are
// counted from 1 in characters (UTF-8 code points), so that "é" takes one column as on paper.
// The finished line holds its zones and tabs resolved into blanks.
class PrintLine {
public:
    static constexpr int kZoneWidth = 14;

    // A text item right after the previous one (the ";" of a print statement).
    PrintLine& text(std::string_view item);
    // A number item: Str(v), that is a blank or the minus sign, then the digits, then a blank.
    PrintLine& number(double v);
    // Format(v, pattern) as a text item: no blank is added around it.
    PrintLine& formatted(double v, std::string_view pattern);
    // The "," of a print statement: the next item starts the next print zone (columns 1, 15, 29,
    // ...); it always moves forward, so at a zone's first column it moves a whole zone.
    PrintLine& zone();
    // Tab(n): the next item starts at column n (n < 1 counts as 1). A column already passed
    // keeps one blank after what is there, so that items never run into each other.
    PrintLine& tab(int column);

    const std::string& str() const { return text_; }
    // The column (from 1) where the next item would start.
    int column() const { return columns_ + 1; }

private:
    void pad(int toColumn);

    std::string text_;
    int columns_ = 0;
};

}  // namespace voriel
