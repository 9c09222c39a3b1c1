// Escaping and quoting for one-line error messages.
#include "files/message_text.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace voriel {
namespace {

TEST(MessageText, ControlCharactersAreEscaped) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"boat.D50", "boat.D50"},
        {"my\nboat", "my\\nboat"},
        {"a\r\n\tb", "a\\r\\n\\tb"},
        {std::string("x\0y", 3), "x\\x00y"},
        {"\x1b[2J\x7f", "\\x1B[2J\\x7F"},
        {"bateau \xc3\xa9t\xc3\xa9", "bateau \xc3\xa9t\xc3\xa9"},  // UTF-8 stays as it is
        {"back\\slash", "back\\slash"},
    };
    for (const auto& [text, escaped] : cases) EXPECT_EQ(EscapeControls(text), escaped);
}

TEST(MessageText, QuotationsAreCutAfterTheirLongest) {
    const std::string forty(40, '7');
    const std::string e = "\xc3\xa9";  // one character, two bytes
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"1e999", "\"1e999\""},
        {"", "\"\""},
        {forty, "\"" + forty + "\""},
        {forty + "8", "\"" + forty + "…\""},
        {"1" + std::string(5000, '0'), "\"1" + std::string(39, '0') + "…\""},
        {std::string(39, 'a') + e + e, "\"" + std::string(39, 'a') + e + "…\""},
        {"two\nlines", "\"two\\nlines\""},
    };
    for (const auto& [text, quoted] : cases) EXPECT_EQ(QuoteForMessage(text), quoted);
    EXPECT_EQ(QuoteForMessage("abcdef", 3), "\"abc…\"");
}

}  // namespace
}  // namespace voriel
