// Large letters and digits drawn with lines, for the sheet labels a builder reads from afar (the
// canvas prints its texts at one size only).
#include "develop/template_glyphs.h"

#include <cstring>

namespace voriel {

namespace {

// Each glyph on a grid 4 wide and 6 high, y down: strokes separated by "|", each a run of points
// written as two digits "xy".
const char* glyph(char c) {
    switch (c) {
        case '0':
            return "00 40 46 06 00|06 40";
        case '1':
            return "11 20 26|16 36";
        case '2':
            return "00 40 43 03 06 46";
        case '3':
            return "00 40 46 06|03 43";
        case '4':
            return "00 03 43|40 46";
        case '5':
            return "40 00 02 32 43 45 36 06";
        case '6':
            return "30 03 06 46 43 03";
        case '7':
            return "00 40 16";
        case '8':
            return "00 40 46 06 00|03 43";
        case '9':
            return "43 03 00 40 46 06";
        case 'A':
            return "06 02 20 42 46|03 43";
        case 'B':
            return "00 30 41 42 33 03|33 44 45 36 06 00";
        case 'C':
            return "40 00 06 46";
        case 'D':
            return "00 30 42 44 36 06 00";
        case 'E':
            return "40 00 06 46|03 33";
        case 'F':
            return "40 00 06|03 33";
        case 'G':
            return "41 40 00 06 46 43 23";
        case 'H':
            return "00 06|40 46|03 43";
        case 'I':
            return "10 30|20 26|16 36";
        case 'J':
            return "40 45 36 16 05";
        case 'K':
            return "00 06|40 03 46";
        case 'L':
            return "00 06 46";
        case 'M':
            return "06 00 23 40 46";
        case 'N':
            return "06 00 46 40";
        case 'O':
            return "00 40 46 06 00";
        case 'P':
            return "06 00 40 43 03";
        case 'Q':
            return "00 40 46 06 00|24 46";
        case 'R':
            return "06 00 40 43 03 46";
        case 'S':
            return "40 00 03 43 46 06";
        case 'T':
            return "00 40|20 26";
        case 'U':
            return "00 06 46 40";
        case 'V':
            return "00 26 40";
        case 'W':
            return "00 16 23 36 40";
        case 'X':
            return "00 46|40 06";
        case 'Y':
            return "00 23 40|23 26";
        case 'Z':
            return "00 40 06 46";
        case '-':
            return "03 43";
        default:
            return "";
    }
}

// The advance of one character, in glyph heights.
constexpr float kAdvance = 0.9f;

}  // namespace

float StrokeTextWidth(const std::string& text, float height) {
    return text.empty() ? 0.0f : height * (kAdvance * (text.size() - 1) + 4.0f / 6.0f);
}

void DrawStrokeText(Canvas& canvas, const std::string& text, float x, float y, float height) {
    const float unit = height / 6.0f;
    for (const char c : text) {
        const char* g = glyph(c);
        bool first = true;
        for (std::size_t i = 0; i + 1 < std::strlen(g); ++i) {
            if (g[i] == '|') {
                first = true;
                continue;
            }
            if (g[i] == ' ') continue;
            const float px = x + unit * static_cast<float>(g[i] - '0');
            const float py = y + unit * static_cast<float>(g[i + 1] - '0');
            if (first)
                canvas.moveTo(px, py);
            else
                canvas.lineTo(px, py);
            first = false;
            ++i;
        }
        x += height * kAdvance;
    }
}

}  // namespace voriel
