// The first sheet of a template document: the calibration square and ruler with what to do with
// them, how to join the sheets, and the contents.
#include "develop/template_cover.h"

#include <string>
#include <vector>

#include "develop/template_text.h"
#include "text/number_text.h"

namespace voriel {

namespace {

constexpr float kRulerX = 300.0f, kFigureTop = 1150.0f;
constexpr float kSquareX = 2200.0f;
constexpr float kGap = 400.0f;

// Down the page from the top, ticks to the right: 2 mm long, 3.5 mm every 5 mm and 5 mm every
// 10 mm with its number.
void ruler(const TemplateScale& s, Canvas& c) {
    const double mm = kTwipsPerMm * s.SY;
    const float bottom = static_cast<float>(kFigureTop + kCalibrationRulerMm * mm);
    c.line(kRulerX, kFigureTop, kRulerX, bottom);
    for (int i = 0; i <= static_cast<int>(kCalibrationRulerMm); ++i) {
        const float y = static_cast<float>(kFigureTop + i * mm);
        const double length = i % 10 == 0 ? 5.0 : i % 5 == 0 ? 3.5 : 2.0;
        c.line(kRulerX, y, static_cast<float>(kRulerX + length * kTwipsPerMm * s.SX), y);
        if (i % 10 != 0) continue;
        c.moveTo(static_cast<float>(kRulerX + 6.0 * kTwipsPerMm * s.SX), y - c.textHeight("0") / 2);
        c.textInline(std::to_string(i));
    }
    c.moveTo(kRulerX - c.textWidth("mm") / 2, kFigureTop - c.textHeight("mm") - 20.0f);
    c.textInline("mm");
}

// The square with its size written inside; returns its bottom.
float square(const TemplateScale& s, Canvas& c) {
    const float w = static_cast<float>(kCalibrationSquareMm * kTwipsPerMm * s.SX);
    const float h = static_cast<float>(kCalibrationSquareMm * kTwipsPerMm * s.SY);
    c.moveTo(kSquareX, kFigureTop);
    c.lineTo(kSquareX + w, kFigureTop);
    c.lineTo(kSquareX + w, kFigureTop + h);
    c.lineTo(kSquareX, kFigureTop + h);
    c.lineTo(kSquareX, kFigureTop);
    const std::string size = "100 mm x 100 mm";
    c.moveTo(kSquareX + w / 2 - c.textWidth(size) / 2, kFigureTop + h / 2 - c.textHeight(size) / 2);
    c.textInline(size);
    return kFigureTop + h;
}

std::vector<std::string> instructions(const TemplateRequest& r, int16_t lang) {
    const std::string factors =
        "SX = " + Format(r.scale.SX, "0.0000") + "   SY = " + Format(r.scale.SY, "0.0000");
    if (lang == 0)
        return {"Imprimez à 100 % (taille réelle), jamais « ajuster à la page ».",
                "Mesurez le carré : 100 mm de large (A) et 100 mm de haut (B) ; la règle :",
                "200 mm. Sinon, imprimez de nouveau avec SX = 100 / A et SY = 100 / B",
                "(options des gabarits, ou voriel-cli templates --calibrate SX,SY).",
                "Étalonnage de cette impression : " + factors,
                "",
                "Assemblage : chaque feuille porte son nom (B3 : rangée B, colonne 3) et le",
                "plan de la grille. Coupez-la le long des traits de coupe (à gauche, en",
                "haut), posez-la sur ses voisines, les croix sur les croix, et scotchez.",
                "Le papier bouge avec l'humidité (jusqu'à 2 %) : pour tracer au plus juste,",
                "reportez sur le bois les cotes de la table de traçage de chaque plaque."};
    return {"Print at 100 % (actual size), never \"fit to page\".",
            "Measure the square: 100 mm wide (A) and 100 mm high (B); the ruler:",
            "200 mm. If not, print again with SX = 100 / A and SY = 100 / B",
            "(template options, or voriel-cli templates --calibrate SX,SY).",
            "Calibration of this print: " + factors,
            "",
            "Assembly: each sheet carries its name (B3: row B, column 3) and a map of",
            "the grid. Cut it along its cut lines (left and top), lay it over its",
            "neighbours, crosses on crosses, and tape it down.",
            "Paper moves with humidity (up to 2 %): to mark the wood truly, set out",
            "the dimensions of each plate's marking table on it."};
}

std::string padded(const std::string& text, int width) {
    const std::string fitted = FitText(text, width);
    int chars = 0;
    for (const char ch : fitted)
        if ((static_cast<unsigned char>(ch) & 0xC0) != 0x80) ++chars;
    return fitted + std::string(static_cast<std::size_t>(width - chars), ' ');
}

std::vector<std::string> contents(const Hull& h, const TemplatePlan& plan) {
    const int16_t lang = h.Language;
    std::vector<std::string> lines{Tr(lang, "Sommaire :", "Contents:")};
    for (const PlannedPlate& p : plan.plates) {
        const int last = p.firstPage + p.tiling.printedCount + p.markingPages;
        lines.push_back("  " + padded(TemplatePanelName(p.plate.panel, lang), 14) +
                        Format(p.tiling.printedCount, "##0") + Tr(lang, " feuilles", " sheets") +
                        "   pages " + std::to_string(p.firstPage) + "-" + std::to_string(last));
    }
    lines.push_back(Tr(lang, "Total : ", "Total: ") + std::to_string(plan.sheets) +
                    Tr(lang, " feuilles, ", " sheets, ") + std::to_string(plan.pages) + " pages");
    return lines;
}

}  // namespace

void DrawCalibrationSheet(const Hull& h, const TemplatePlan& plan, const TemplateRequest& request,
                          Canvas& c) {
    const int16_t lang = h.Language;
    DrawHeaderBand(
        c, 100.0f, c.scaleWidth() - 100.0f,
        {"Voriel 2000 - " + h.HullFileName + Tr(lang, " - Gabarits 1:1", " - Full-size templates"),
         Tr(lang, "feuille d'étalonnage et sommaire", "calibration sheet and contents"),
         DatePageLine(request, c, lang)});
    ruler(request.scale, c);
    const float below = square(request.scale, c) + kGap;
    const int chars = static_cast<int>((c.scaleWidth() - kSquareX - 100.0f) / c.textWidth("0"));
    const float next = DrawTextLines(c, kSquareX, below, instructions(request, lang), chars);
    DrawTextLines(c, kSquareX, next + c.textHeight("0"), contents(h, plan), chars);
}

}  // namespace voriel
