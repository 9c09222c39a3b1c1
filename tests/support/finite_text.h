// Finding a non-finite number in a written text, as Str and Format write one.
#pragma once

#include <cctype>
#include <string>

namespace voriel::test {

// Where Str or Format wrote a non-finite value ("NaN", "Inf", "-Inf"), as a word of its own;
// npos when there is none ("NavigationInfo" of the scene is no number).
inline std::size_t NonFiniteWord(const std::string& text) {
    for (const char* word : {"NaN", "Inf"}) {
        for (auto at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) {
            const bool letterBefore =
                at > 0 && std::isalpha(static_cast<unsigned char>(text[at - 1]));
            const bool letterAfter =
                at + 3 < text.size() && std::isalpha(static_cast<unsigned char>(text[at + 3]));
            if (!letterBefore && !letterAfter) return at;
        }
    }
    return std::string::npos;
}

}  // namespace voriel::test
