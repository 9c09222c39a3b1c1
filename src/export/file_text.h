// Text helpers shared by the file writers: CR LF lines, one-line names, names cut to a length.
#pragma once

#include <cstddef>
#include <ostream>
#include <string>
#include <string_view>

namespace voriel {

// Writes the text and the CR LF that ends every line of every file the program writes.
inline void PutLine(std::ostream& out, std::string_view text) {
    out << text << "\r\n";
}

// The text with every control character (CR, LF, TAB, ...) replaced by a blank, so that a hull
// name taken from a file name can never split the line it is written in.
std::string OneLine(std::string_view text);

// The first `count` characters of a UTF-8 text (whole characters, never part of one), as the
// development file names cut the hull name to 15 characters.
std::string LeftChars(std::string_view text, std::size_t count);

}  // namespace voriel
