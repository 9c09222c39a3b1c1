// The texts of the template pages: both languages, lines cut to the room they have, the header
// every page opens with, and the lengths as the pages print them.
#include "develop/template_text.h"

#include "text/number_text.h"

namespace voriel {

namespace {

constexpr float kBandTextTop = 40.0f;
constexpr float kCharWidth = 120.0f;  // the printer's fixed pitch; used only to size the room

bool startsCodePoint(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
}

}  // namespace

std::string FitText(const std::string& text, int chars) {
    if (chars < 1) return std::string();
    int count = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!startsCodePoint(text[i])) continue;
        if (++count == chars) {
            std::size_t next = i + 1;
            while (next < text.size() && !startsCodePoint(text[next])) ++next;
            if (next >= text.size()) return text;
            return text.substr(0, i) + "~";
        }
    }
    return text;
}

float DrawTextLines(Canvas& canvas, float x, float y, const std::vector<std::string>& lines,
                    int chars) {
    for (const std::string& line : lines) {
        const std::string fitted = FitText(line, chars);
        if (!fitted.empty()) {
            canvas.moveTo(x, y);
            canvas.textInline(fitted);
        }
        y += canvas.textHeight("0");
    }
    return y;
}

void DrawHeaderBand(Canvas& canvas, float x, float right, const std::vector<std::string>& lines) {
    canvas.setColor(0);
    canvas.setStyle(LineStyle::Solid);
    canvas.setWidth(1);
    const int chars = static_cast<int>((right - x) / kCharWidth);
    DrawTextLines(canvas, x, kBandTextTop, lines, chars);
    const float rule = kTemplateHeaderBand - 30.0f;
    canvas.line(0.0f, rule, canvas.scaleWidth(), rule);
}

std::string PlateTitle(const Hull& hull, const TemplatePlate& plate) {
    return hull.HullFileName + " - " + TemplatePanelName(plate.panel, hull.Language);
}

std::string DatePageLine(const TemplateRequest& request, const Canvas& canvas, int16_t language) {
    return Tr(language, "date ", "date ") + request.date + "   page " +
           std::to_string(canvas.page());
}

std::string HalfMmText(double mm) {
    return Format(MarkingMm(mm), "0.0");
}

std::string MmText(double mm) {
    return Format(mm, "0.0");
}

}  // namespace voriel
