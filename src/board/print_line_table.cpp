// The printed point table of one hull line.
#include "board/print_line_table.h"

#include <array>

namespace voriel {

namespace {

void pointRow(const Hull& h, int line, int p, PrintLine row, Canvas& c) {
    row.zone().formatted(h.LineX[line][p], "#0.000");
    row.zone().formatted(h.LineY[line][p], "#0.000");
    row.zone().formatted(h.LineZ[line][p], "#0.000");
    PrintTextLine(c, row);
}

void stationRow(const Hull& h, int line, int p, Canvas& c) {
    pointRow(h, line, p, PrintLine().tab(5).number(p), c);
}

}  // namespace

std::string PrintedLineName(int line, int16_t language) {
    static constexpr std::array<const char*, kPlaneCount> kFrench = {
        " ligne de la quille ", " ligne du 1er bouchain ", " ligne du 2ème bouchain ",
        " ligne du 3ème bouchain ", " ligne du livet "};
    static constexpr std::array<const char*, kPlaneCount> kEnglish = {
        " of the keel ", " of first chine ", " of second chine ", " of third chine ",
        " of shear line "};
    if (line < 0 || line >= kPlaneCount) return {};
    return language == 0 ? kFrench[line] : kEnglish[line];
}

void PrintLineTable(const PrintJob& job, int line, Canvas& c) {
    if (line < 0 || line >= kPlaneCount) return;
    const Hull& h = job.hull;
    const std::string name = PrintedLineName(line, h.Language);
    StartNewPage(c);
    c.setColor(h.LineColor[0]);
    c.moveTo(100.0f, 100.0f);
    PrintTextLine(c, SheetHeader(job, c));
    PrintTextLine(c, "");
    PrintTextLine(c, " --------------  X,Y,Z " + name);
    PrintTextLine(c, "");
    PrintTextLine(
        c,
        PrintLine().tab(5).text("pt").zone().text("   X").zone().text("   Y").zone().text("   Z"));

    const int m = h.MaxBeamIndex;
    stationRow(h, line, 0, c);
    for (int p = 1; p < m && p < kPointCount; p += 2) stationRow(h, line, p, c);
    PrintTextLine(c, "  ");
    if (m >= 0 && m < kPointCount) pointRow(h, line, m, PrintLine().text("Bmax").number(m), c);
    PrintTextLine(c, "  ");
    const int firstAfter = m < 0 ? 1 : (m % 2 == 0 ? m + 1 : m + 2);  // first odd index above m
    for (int p = firstAfter; p <= 81; p += 2) stationRow(h, line, p, c);
    // The stem end closes the line as point 0 opens it at the transom.
    stationRow(h, line, kPointCount - 1, c);
    PrintTextLine(c, name + " ----- EOF  ");
}

}  // namespace voriel
