// The printed-line builder: items joined directly or by print zones of 14 columns, Tab(n), numbers.
#include "text/print_line.h"

#include "text/number_text.h"

namespace voriel {

PrintLine& PrintLine::text(std::string_view item) {
    text_ += item;
    for (const char c : item)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++columns_;
    return *this;
}

PrintLine& PrintLine::number(double v) {
    return text(Str(v) + " ");
}

PrintLine& PrintLine::formatted(double v, std::string_view pattern) {
    return text(Format(v, pattern));
}

PrintLine& PrintLine::zone() {
    pad((columns_ / kZoneWidth + 1) * kZoneWidth + 1);
    return *this;
}

PrintLine& PrintLine::tab(int column) {
    const int target = column < 1 ? 1 : column;
    pad(target > columns_ ? target : columns_ + 2);
    return *this;
}

void PrintLine::pad(int toColumn) {
    const int blanks = toColumn - 1 - columns_;
    if (blanks <= 0) return;
    text_.append(static_cast<std::size_t>(blanks), ' ');
    columns_ += blanks;
}

}  // namespace voriel
