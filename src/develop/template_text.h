// The texts of the template pages: both languages, lines cut to the room they have, the header
// every page opens with, and the lengths as the pages print them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "canvas/canvas.h"
#include "develop/template_document.h"

namespace voriel {

// The French text for language 0, else the English one.
inline std::string Tr(int16_t language, const char* french, const char* english) {
    return language == 0 ? french : english;
}

// The text cut to at most `chars` characters (UTF-8 code points), its last one "~" when cut.
std::string FitText(const std::string& text, int chars);

// Each text on its own line from (x, y), one text height apart, each cut to `chars` characters;
// returns the y below the last line.
float DrawTextLines(Canvas& canvas, float x, float y, const std::vector<std::string>& lines,
                    int chars);

// The header band of a page in black: the lines from (x, 40) one under the other, cut to the
// room left before `right`, and a rule under the band.
void DrawHeaderBand(Canvas& canvas, float x, float right, const std::vector<std::string>& lines);

// "boat - Bordé 2" with the date and page line of every header: "date 2024-05-17   page 7".
std::string PlateTitle(const Hull& hull, const TemplatePlate& plate);
std::string DatePageLine(const TemplateRequest& request, const Canvas& canvas, int16_t language);

// A length in mm to the nearest 0.5 mm ("-12.5"), and with one decimal ("6123.4").
std::string HalfMmText(double mm);
std::string MmText(double mm);

}  // namespace voriel
