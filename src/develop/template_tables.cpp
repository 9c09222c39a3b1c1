// The pages of a plate around its sheets: the assembly plan with the accuracy report before them,
// the marking table after them.
#include "develop/template_tables.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "board/print_page.h"
#include "develop/template_map.h"
#include "develop/template_text.h"
#include "text/number_text.h"

namespace voriel {

namespace {

constexpr float kLeft = 100.0f, kBodyTop = 900.0f;
constexpr int kMarkingIntroLines = 6;  // four lines, the column heads, a blank line
constexpr int kMarkColumnChars = 18;

int charsAcross(const Canvas& c, float width) {
    return static_cast<int>(width / c.textWidth("0"));
}

std::vector<std::string> plateLines(const Hull& h, const PlannedPlate& p, double overlapMm) {
    const int16_t lang = h.Language;
    const TemplateTiling& t = p.tiling;
    const std::string lower = TemplateEdgeName(p.plate.panel, 0, lang);
    const std::string upper = TemplateEdgeName(p.plate.panel, 1, lang);
    std::vector<std::string> lines{
        std::to_string(t.printedCount) +
        Tr(lang, " feuilles sur une grille de ", " sheets on a grid of ") + std::to_string(t.rows) +
        Tr(lang, " rangées x ", " rows x ") + std::to_string(t.cols) +
        Tr(lang, " colonnes, recouvrement ", " columns, overlap ") + Format(overlapMm, "0.0") +
        " mm."};
    if (p.plate.endPlate()) {
        lines.push_back(Tr(lang, "Une seule pièce : les deux moitiés, de part et d'autre de l'axe.",
                           "One piece: both halves, either side of the centreline."));
        lines.push_back(Tr(lang, "Repères : bouchains 1, 2 et 3 sur les deux bords.",
                           "Marks: chines 1, 2 and 3 on both sides."));
        return lines;
    }
    lines.push_back(Tr(lang,
                       "À découper en deux exemplaires, bâbord et tribord (gabarit retourné).",
                       "Cut two, port and starboard (the template turned over for the other)."));
    lines.push_back(Tr(lang, "Bords : ", "Edges: ") + lower + Tr(lang, " et ", " and ") + upper +
                    Tr(lang, ". Repères : tous les 5 couples et au maître-bau (Bmax).",
                       ". Marks: every fifth station and the max beam (Bmax)."));
    return lines;
}

std::vector<std::string> accuracyLines(const Hull& h, const PlannedPlate& p) {
    const int16_t lang = h.Language;
    const PlateAccuracy& a = p.accuracy;
    const auto edge = [&](int e, double in3d, double flat) {
        return Tr(lang, "  bord ", "  ") + TemplateEdgeName(p.plate.panel, e, lang) +
               Tr(lang, " : ", " edge: ") + MmText(in3d) +
               Tr(lang, " mm dans la coque, ", " mm in the hull, ") + MmText(flat) +
               Tr(lang, " mm à plat", " mm flat");
    };
    return {Tr(lang, "Précision du développement (longueur dans la coque moins longueur à plat) :",
               "Development accuracy (length in the hull minus length on the flat pattern):"),
            Tr(lang, "  quadrilatères : ", "  quadrilaterals: ") + std::to_string(a.quadrilaterals),
            Tr(lang, "  plus grand écart : ", "  largest difference: ") +
                Format(a.largestMm, "0.00") +
                // Where the difference prints as nothing, its place is rounding noise.
                (std::fabs(a.largestMm) < 0.005
                     ? std::string(" mm")
                     : Tr(lang, " mm au point ", " mm at point ") + std::to_string(a.largestAt)),
            Tr(lang, "  écart quadratique moyen : ", "  root-mean-square difference: ") +
                Format(a.rmsMm, "0.00") + " mm",
            edge(0, a.lower3dMm, a.lowerFlatMm),
            edge(1, a.upper3dMm, a.upperFlatMm),
            Tr(lang, "  surface : ", "  area: ") + Format(a.areaM2, "0.000") + " m²",
            Tr(lang, "Écart > 0 : le contreplaqué doit s'étirer pour épouser la coque ; < 0 : se",
               "Difference > 0: the plywood must stretch to fit the hull; < 0: shrink."),
            Tr(lang, "comprimer. Une plaque conique ou cylindrique montre 0.",
               "A conical or cylindrical plate shows 0.")};
}

std::string padLeft(const std::string& s, std::size_t width) {
    return s.size() >= width ? s : std::string(width - s.size(), ' ') + s;
}

std::string offsetText(const std::optional<double>& mm, bool isMark) {
    return padLeft(mm ? HalfMmText(*mm) : std::string("-"), 8) + (isMark ? "*" : " ");
}

std::string rowText(const MarkingRow& r) {
    return padLeft(HalfMmText(r.alongMm), 7) + offsetText(r.lowerMm, r.markEdge == 0) +
           offsetText(r.upperMm, r.markEdge == 1) + " " + FitText(r.mark, kMarkColumnChars);
}

std::vector<std::string> markingIntro(const Hull& h, const PlannedPlate& p) {
    const int16_t lang = h.Language;
    const std::string lower = TemplateEdgeName(p.plate.panel, 0, lang);
    const std::string upper = TemplateEdgeName(p.plate.panel, 1, lang);
    const std::string length = HalfMmText(p.marking.lengthMm) + " mm.";
    const bool end = p.plate.endPlate();
    return {end ? Tr(lang, "Ligne de base : l'axe, de la quille au haut de la plaque, ",
                     "Baseline: the centreline, from the keel to the top of the plate, ") +
                      length
                : Tr(lang, "Ligne de base : la corde de l'extrémité arrière à l'extrémité avant, ",
                     "Baseline: the chord from the aft extreme point to the forward one, ") +
                      length,
            Tr(lang, "d : distance le long de la ligne de base depuis ",
               "d: distance along the baseline from ") +
                (end ? Tr(lang, "la quille (mm).", "the keel (mm).")
                     : Tr(lang, "son extrémité arrière (mm).", "its aft end (mm).")),
            Tr(lang, "Décalages perpendiculaires (mm, au 0.5 mm), + vers le bord ",
               "Offsets square to it (mm, to 0.5 mm), + toward the edge ") +
                upper + " :",
            Tr(lang, "bas = bord ", "lower = ") + lower + Tr(lang, ", haut = bord ", ", upper = ") +
                upper + Tr(lang, " ; * : le repère lui-même.", "; *: the mark itself."),
            Tr(lang, "      d      bas     haut   repère", "      d    lower    upper   mark"),
            ""};
}

int rowsPerColumn(float pageHeight) {
    const float first = kBodyTop + kMarkingIntroLines * 240.0f;
    return std::max(1, static_cast<int>((pageHeight - first) / 240.0f));
}

}  // namespace

void DrawAssemblyPlan(const Hull& h, const TemplatePlan& plan, const PlannedPlate& p,
                      const TemplateRequest& request, Canvas& c) {
    const int16_t lang = h.Language;
    DrawHeaderBand(c, kLeft, c.scaleWidth() - kLeft,
                   {PlateTitle(h, p.plate) + " - 1:1",
                    Tr(lang, "plan d'assemblage et précision du développement",
                       "assembly plan and development accuracy"),
                    DatePageLine(request, c, lang)});
    const int chars = charsAcross(c, c.scaleWidth() - 2 * kLeft);
    float y = DrawTextLines(c, kLeft, kBodyTop, plateLines(h, p, request.overlapMm), chars);
    y = DrawTextLines(c, kLeft, y + 240.0f, accuracyLines(h, p), chars) + 360.0f;
    const MapBox box{kLeft, y, c.scaleWidth() - 2 * kLeft, plan.pageHeight - y - kLeft};
    if (box.height > 480.0f) DrawSheetMap(h, p, box, -1, -1, true, false, c);
}

int MarkingPageCount(int rows, float pageHeight) {
    const int perPage = 2 * rowsPerColumn(pageHeight);
    return std::max(1, (rows + perPage - 1) / perPage);
}

void DrawMarkingTable(const Hull& h, const PlannedPlate& p, const TemplateRequest& request,
                      Canvas& c) {
    const int16_t lang = h.Language;
    const auto& rows = p.marking.rows;
    const int perColumn = rowsPerColumn(c.scaleHeight());
    const int pages = MarkingPageCount(static_cast<int>(rows.size()), c.scaleHeight());
    const float columnWidth = (c.scaleWidth() - 2 * kLeft) / 2;
    const std::vector<std::string> intro = markingIntro(h, p);
    std::size_t next = 0;
    for (int page = 0; page < pages; ++page) {
        StartNewPage(c);
        DrawHeaderBand(
            c, kLeft, c.scaleWidth() - kLeft,
            {PlateTitle(h, p.plate) + Tr(lang, " - table de traçage", " - marking table"),
             Tr(lang, "feuille ", "sheet ") + std::to_string(page + 1) + "/" +
                 std::to_string(pages),
             DatePageLine(request, c, lang)});
        const int chars = charsAcross(c, c.scaleWidth() - 2 * kLeft);
        DrawTextLines(c, kLeft, kBodyTop, std::vector<std::string>(intro.begin(), intro.end() - 2),
                      chars);
        for (int column = 0; column < 2; ++column) {
            const float x = kLeft + column * columnWidth;
            const float top = kBodyTop + (kMarkingIntroLines - 2) * 240.0f;
            std::vector<std::string> lines{intro[intro.size() - 2], ""};
            for (int i = 0; i < perColumn && next < rows.size(); ++i)
                lines.push_back(rowText(rows[next++]));
            DrawTextLines(c, x, top, lines, charsAcross(c, columnWidth));
        }
    }
}

}  // namespace voriel
