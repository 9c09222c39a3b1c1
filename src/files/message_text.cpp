// Escaping and quoting for error messages.
#include "files/message_text.h"

namespace voriel {

std::string EscapeControls(std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (u >= 32 && u != 127) {
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\t') {
            out += "\\t";
        } else {
            out += "\\x";
            out += kHex[u >> 4];
            out += kHex[u & 15];
        }
    }
    return out;
}

std::string QuoteForMessage(std::string_view text, std::size_t maxChars) {
    std::size_t chars = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        // A UTF-8 continuation byte (10xxxxxx) belongs to the character before it.
        const bool continuation = (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80;
        if (!continuation && chars++ == maxChars)
            return "\"" + EscapeControls(text.substr(0, i)) + "…\"";
    }
    return "\"" + EscapeControls(text) + "\"";
}

}  // namespace voriel
