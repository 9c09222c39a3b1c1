// The lines XYZ writer.
#include "export/lines_xyz.h"

#include "export/file_text.h"
#include "text/number_text.h"

namespace voriel {

std::string SignedXyzNumber(double v) {
    return Format(v, " +0.##0 ; -0.##0 ");
}

namespace {

constexpr char kTab = '\t';
const char* const kHeader = "     X \t     Y \t     Z";

void row(std::ostream& out, double x, double y, double z) {
    PutLine(out, SignedXyzNumber(x) + kTab + SignedXyzNumber(y) + kTab + SignedXyzNumber(z));
}

// Section p from the sheer down to the keel, then, after the keel title, from the keel up to the
// sheer on the other side.
void section(std::ostream& out, const BoardState& b, int p, bool french) {
    PutLine(out, kHeader);
    for (int j = kSectionPointCount - 1; j >= 0; --j)
        row(out, b.StationPtX[p][j], b.StationPtY[p][j], b.StationPtZ[p][j]);
    PutLine(out, french ? "QUILLE" : "KEEL");
    for (int j = 0; j < kSectionPointCount; ++j)
        row(out, b.StationPtX[p][j], -b.StationPtY[p][j], b.StationPtZ[p][j]);
}

void hullLines(std::ostream& out, const Hull& h, bool french) {
    for (int j = Keel; j <= Sheer; ++j) {
        std::string title = french ? "LIGNE \t" : "LINE \t";
        if (j == Keel)
            title += french ? " Quille" : " Keel";
        else
            title += (french ? " Bouchain" : " Chine") + Str(j);  // the sheer is numbered 4
        PutLine(out, title);
        PutLine(out, kHeader);
        for (int i = 0; i < kPointCount; ++i) row(out, h.LineX[j][i], h.LineY[j][i], h.LineZ[j][i]);
        PutLine(out, "");
    }
}

}  // namespace

void WriteLinesXyz(std::ostream& out, const Hull& hull, const BoardState& board) {
    const bool french = hull.Language == 0;
    PutLine(out, OneLine(hull.HullFileName) + kTab + "Voriel 2000");
    hullLines(out, hull, french);
    PutLine(out, french ? "TABLEAU" : "TRANSOM");
    section(out, board, 0, french);
    PutLine(out, "");
    for (int p = 1; p <= 81; p += 4) {
        // The station number printed as a number: a blank, the digits, a blank.
        PutLine(out, std::string(french ? "COUPLE\t" : "STATION\t") + Str(p) + " ");
        section(out, board, p, french);
        PutLine(out, "");
    }
    PutLine(out, french ? "ETRAVE" : "STEM");
    section(out, board, kPointCount - 1, french);
    PutLine(out, "EOF");
}

}  // namespace voriel
