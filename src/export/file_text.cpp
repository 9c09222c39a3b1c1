// Text helpers shared by the file writers.
#include "export/file_text.h"

namespace voriel {

std::string OneLine(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 32 || u == 127) c = ' ';
    }
    return out;
}

std::string LeftChars(std::string_view text, std::size_t count) {
    std::size_t chars = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        // A UTF-8 continuation byte (10xxxxxx) belongs to the character before it.
        const bool continuation = (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80;
        if (!continuation && chars++ == count) return std::string(text.substr(0, i));
    }
    return std::string(text);
}

}  // namespace voriel
