// The printed tables of the developed panels, the transom and the pram-bow plate.
#include "develop/print_dev_tables.h"

#include <algorithm>

#include "develop/end_plates.h"
#include "text/number_text.h"

namespace voriel {

namespace {

void devRow(const Development& d, int j, PrintLine row, Canvas& c) {
    row.zone().formatted(d.DevXi[j], "#0.000").zone().formatted(d.DevYi[j], "#0.000");
    row.zone().formatted(d.DevXs[j], "#0.000").zone().formatted(d.DevYs[j], "#0.000");
    PrintTextLine(c, row);
}

PrintLine groupTitles(int k) {
    PrintLine line;
    line.tab(5);
    if (k == 0)
        return line.text("    coté quille / keel edge")
            .zone()
            .text(" coté bouchain 1 / chine 1 edge)");
    line.text("    coté bouchain").number(k).text(" Chine").number(k).text(" egde");
    line.zone().text(" coté bouchain").number(k + 1).text(" Chine").number(k + 1).text(" edge");
    return line;
}

struct EndPlateTexts {
    const char* title;
    const char* lower;
    const char* keel;
    const char* upper;
};

EndPlateTexts endPlateTexts(bool bow, int16_t language) {
    if (language == 0)
        return {bow ? "  Développement de la marotte" : "  Développement du tableau",
                "    Partie basse", "    Quille", "    Partie haute"};
    return {bow ? "  Bow plate development" : "  Transom development", "    Lower part", "    Keel",
            "    Upper part"};
}

// One outline row: Y in the second print zone, Z in the third.
void slantRow(double y, double z, Canvas& c) {
    PrintTextLine(c, PrintLine().zone().formatted(y, " 0.000 ").zone().formatted(z, " 0.000 "));
}

void yzHeadings(Canvas& c) {
    PrintTextLine(c, PrintLine().zone().text("    Y ").zone().text("    Z "));
}

// The outline table of one end plate, on a new page.
void endPlateTable(const PrintJob& job, const EndPlateDev& d, const EndPlateTexts& texts, bool bow,
                   Canvas& c) {
    StartNewPage(c);
    PrintTextLine(c, "");
    // The header of the other tables, so that a loose page still names its hull, date and page.
    PrintTextLine(c, TableHeader(job, c));
    PrintTextLine(c, PrintLine().zone().text(texts.title));
    // The bow plate's head has a bare print zone where the transom's has an empty line, which
    // moves its lower-part label one zone right.
    PrintLine lower;
    if (bow)
        lower.zone();
    else
        PrintTextLine(c, "");
    PrintTextLine(c, lower.zone().text(texts.lower));
    yzHeadings(c);
    // Lower part: from the centre line at chine 2 round the first half, the keel, the second half.
    // Every row keeps Y and Z under their headings (no row is pushed a zone to the right).
    slantRow(-d[0].half, d[11].slant, c);
    for (int j = 11; j >= 0; --j) slantRow(-d[j].half, d[j].slant, c);
    PrintTextLine(c, PrintLine().zone().text(texts.keel));
    for (int j = 0; j <= 11; ++j) slantRow(d[j].half, d[j].slant, c);
    slantRow(d[0].half, d[11].slant, c);
    // Upper part: from the centre line at the sheer down one side to chine 2, across, and up.
    PrintTextLine(c, PrintLine().zone().zone().text(texts.upper));
    yzHeadings(c);
    slantRow(-d[0].half, d[13].slant, c);
    for (int j = 13; j >= 11; --j) slantRow(-d[j].half, d[j].slant, c);
    slantRow(d[0].half, d[11].slant, c);
    for (int j = 11; j <= 13; ++j) slantRow(d[j].half, d[j].slant, c);
    slantRow(d[0].half, d[13].slant, c);
    PrintTextLine(c, "");
    PrintTextLine(c, PrintLine().zone().text(texts.title).text(" ----- EOF  "));
}

}  // namespace

std::string DevTableTitle(int k, int16_t language) {
    if (k == 0) return language == 0 ? "développement du fond" : "development of bottom";
    return (language == 0 ? "développement du bordé " : "development of plank ") + Format(k, "0");
}

void PrintDevTable(const PrintJob& job, int k, const Development& dev, Canvas& c) {
    const Hull& h = job.hull;
    const std::string title = DevTableTitle(k, h.Language);
    StartNewPage(c);
    c.setColor(h.LineColor[0]);
    PrintTextLine(c, "");
    PrintTextLine(c, TableHeader(job, c));
    PrintTextLine(c, " -------------- " + title);
    PrintTextLine(c, groupTitles(k));
    PrintTextLine(c, PrintLine()
                         .tab(5)
                         .text("pt")
                         .zone()
                         .text("   Xi")
                         .zone()
                         .text("   Yi")
                         .zone()
                         .text("   Xs")
                         .zone()
                         .text("   Ys"));
    PrintTextLine(c, "");

    const int m = h.MaxBeamIndex;
    const int last = std::min<int>(dev.last, kDevPointCount - 1);
    for (int j = 0; j < m && j <= last; ++j) devRow(dev, j, PrintLine().tab(5).number(j), c);
    PrintTextLine(c, " ");
    if (m >= 0 && m <= last) devRow(dev, m, PrintLine().text("Bmax").number(m), c);
    PrintTextLine(c, k == 0 ? "  " : " ");
    for (int j = std::max(m + 1, 0); j <= last; ++j)
        devRow(dev, j, PrintLine().tab(5).number(j), c);
    PrintTextLine(c, "");
    PrintTextLine(c, " ----- EOF  " + title);
}

void PrintTransomTable(const PrintJob& job, Canvas& c) {
    const Hull& h = job.hull;
    c.setColor(h.LineColor[0]);
    endPlateTable(job, ComputeTransomDev(job.board), endPlateTexts(false, h.Language), false, c);
    if (HasBowPlate(h))
        endPlateTable(job, ComputeBowPlateDev(job.board), endPlateTexts(true, h.Language), true, c);
}

}  // namespace voriel
