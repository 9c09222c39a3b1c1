// The printed hull definition report: the defining points, equations, angles and line ends.
#include "board/print_definition_report.h"

#include <algorithm>
#include <cmath>

namespace voriel {

namespace {

constexpr const char* kValue = " 0.000 ";

double AtnDeg(double t) {
    return std::atan(t) * 180 / 3.14159265359;
}

// A block row: label, X, Y and Z in the next three zones, then the English label if any.
void xyzRow(Canvas& c, const char* label, double x, double y, double z, const char* english = "") {
    PrintLine row;
    row.text(label).zone().formatted(x, kValue).zone().formatted(y, kValue);
    row.zone().formatted(z, kValue).text(english);
    PrintTextLine(c, row);
}

// A row with one value in the zone after the label, followed directly by its words.
void valueRow(Canvas& c, const char* label, double v, const char* pattern, const char* after) {
    PrintTextLine(c, PrintLine().text(label).zone().formatted(v, pattern).text(after));
}

// The rows forefoot, max beam and transom of line j at its points 81, m and 1.
void threePointRows(Canvas& c, const Hull& h, int j) {
    const int m = std::clamp<int>(h.MaxBeamIndex, 0, kPointCount - 1);  // a damaged file's index
    const char* const labels[] = {"  brion     ", "  bau max   ", "  tableau   "};
    const int points[] = {81, m, 1};
    for (int i = 0; i < 3; ++i)
        xyzRow(c, labels[i], h.LineX[j][points[i]], h.LineY[j][points[i]], h.LineZ[j][points[i]]);
}

// The rows keel and chines 1..4 at point p of lines 0..4.
void lineEndRows(Canvas& c, const Hull& h, int p) {
    const char* const labels[] = {"   quille   ", " bouchain 1 ", " bouchain 2 ", " bouchain 3 ",
                                  " bouchain 4 "};
    for (int j = 0; j < kPlaneCount; ++j)
        xyzRow(c, labels[j], h.LineX[j][p], h.LineY[j][p], h.LineZ[j][p]);
}

void chine1Block(Canvas& c, const Hull& h) {
    PrintTextLine(c, "----------  définition X,Y,Z du 1er bouchain - Chine 1 definition");
    xyzRow(c, "  brion     ", h.XFwd[Keel], h.YFwd[Chine1], h.ZFwd[Chine1], "  forefoot");
    xyzRow(c, "  bau max   ", h.XMax[Chine1], h.YMax[Chine1], h.ZMax[Chine1], "  B max");
    xyzRow(c, "  tableau   ", h.XAft[Keel], h.YAft[Chine1], h.ZAft[Chine1], "  transom");
    PrintTextLine(c, "");
    PrintTextLine(c, "----------  définition X,Y,Z du 2ème bouchain - Chine 2 definition");
    threePointRows(c, h, Chine2);
    PrintTextLine(c, "");
    PrintTextLine(c, "----------  définition X,Y,Z du 3ème bouchain - chine 3 definition");
    threePointRows(c, h, Chine3);
    PrintTextLine(c, "");
}

void equationsAndAngles(Canvas& c, const Hull& h) {
    PrintTextLine(c, "----------  équations du 1er bouchain - first chine equation ");
    valueRow(c, "    Avant   ", h.PowerFwd, kValue, "  forward");
    valueRow(c, "   forme AV ", h.ShapeSFwd, kValue, "  S factor fwd");
    PrintTextLine(c, "");
    valueRow(c, "   Arrière  ", h.PowerAft, kValue, "  aft");
    valueRow(c, "   forme AR ", h.ShapeSAft, "0.0", "  S factor aft");
    PrintTextLine(c, "");
    PrintTextLine(c, PrintLine()
                         .text(" Angle d'avance de quille  ")
                         .number(h.KeelAdvance)
                         .text(" deg.  Keel advance angle"));
    PrintTextLine(c, "");
    PrintTextLine(
        c, "----------  inclinaisons / horizontal des bordés - angle of planks from horizontal");
    const char* const planks[] = {"    fond    ", "  1er bordé ", " 2ème bordé "};
    for (int i = 0; i < 3; ++i) valueRow(c, planks[i], h.PlankAngle[i], "00.0", " deg. ");
    PrintTextLine(c, "");
    PrintTextLine(c, "----------  inclinaison / vertical - inclination from vertical ");
    valueRow(c, "  Marotte   ", h.StemAngle, "00.0", " deg. - pram bow plate");
    valueRow(c, "  Tableau   ", h.TransomAngle, "00.0", " deg. - transom");
    PrintTextLine(c, "");
}

}  // namespace

void PrintDefinitionReport(const PrintJob& job, Canvas& c) {
    const Hull& h = job.hull;
    c.setColor(h.LineColor[0]);
    PrintLine header;
    header.text("Voriel 2000").zone().text(h.HullFileName).text("  date").text(job.date);
    header.text("  page").number(c.page());
    PrintTextLine(c, header);
    PrintTextLine(c, "");

    chine1Block(c, h);
    equationsAndAngles(c, h);

    PrintTextLine(c, "----------  X,Y,Z  de la quille - Keel line");
    threePointRows(c, h, Keel);
    PrintTextLine(c, "");
    PrintTextLine(c, "----------  X,Y,Z  à la marotte AV - at stem intersection ");
    lineEndRows(c, h, kPointCount - 1);
    PrintTextLine(c, "");
    PrintTextLine(c, "----------  X,Y,Z  au tableau AR - at transom intersection");
    lineEndRows(c, h, 0);
    PrintTextLine(c, "");
    PrintTextLine(c, "----------  inclinaisons / horizontal des plans de coupe des bouchains");
    const char* const chines[] = {" bouchain 1 ", " bouchain 2 ", " bouchain 3 ", " bouchain 4 "};
    for (int j = 1; j <= 4; ++j) valueRow(c, chines[j - 1], AtnDeg(h.PlaneZY[j]), "0.0", " deg ");
    PrintTextLine(c, "");
    PrintTextLine(
        c,
        PrintLine().text(" Nombre de points par ligne :").number(80).text(" points per hull line"));
    PrintTextLine(c, "");
    PrintTextLine(c, " ----- EOF  ");
    PrintTextLine(c, "");
}

}  // namespace voriel
