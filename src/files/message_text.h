// Names and quoted texts made fit for a one-line error message.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace voriel {

// The text with every control character written as an escape ("\n", "\r", "\t", else "\xHH"), so
// that a file name holding a line break still gives a message of one line.
std::string EscapeControls(std::string_view text);

// The longest quotation a message carries, in characters.
constexpr std::size_t kMaxQuotedChars = 40;

// The text between double quotes, its control characters escaped and, when it holds more than
// `maxChars` UTF-8 characters, cut after them and ended with "…".
std::string QuoteForMessage(std::string_view text, std::size_t maxChars = kMaxQuotedChars);

}  // namespace voriel
