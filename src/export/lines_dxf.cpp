// The lines DXF writer.
#include "export/lines_dxf.h"

#include "export/dxf_records.h"

namespace voriel {

namespace {

// Line j from the transom to the bow on the port side (negative Y), back along the starboard side
// and closed at the transom.
void hullLine(std::ostream& out, const Hull& h, int j) {
    const DxfColour c(static_cast<int16_t>(7 - j % 4));
    DxfPolyline(out, c);
    for (int i = 0; i < kPointCount; ++i)
        DxfVertex(out, c, h.LineX[j][i], -h.LineY[j][i], h.LineZ[j][i]);
    for (int i = kPointCount - 1; i >= 0; --i)
        DxfVertex(out, c, h.LineX[j][i], h.LineY[j][i], h.LineZ[j][i]);
    DxfVertex(out, c, h.LineX[j][0], -h.LineY[j][0], h.LineZ[j][0]);
    DxfSeqEnd(out);
}

// Section p from the port sheer down to the keel and up to the starboard sheer.
void section(std::ostream& out, const BoardState& b, int p, int16_t colour) {
    const DxfColour c(colour);
    DxfPolyline(out, c);
    for (int j = kSectionPointCount - 1; j >= 0; --j)
        DxfVertex(out, c, b.StationPtX[p][j], -b.StationPtY[p][j], b.StationPtZ[p][j]);
    for (int j = 1; j < kSectionPointCount; ++j)
        DxfVertex(out, c, b.StationPtX[p][j], b.StationPtY[p][j], b.StationPtZ[p][j]);
    DxfSeqEnd(out);
}

}  // namespace

void WriteLinesDxf(std::ostream& out, const Hull& hull, const BoardState& board) {
    DxfFrameHead(out, hull.HullFileName + " - created with Voriel 2000");
    for (int j = Keel; j <= Sheer; ++j) hullLine(out, hull, j);
    section(out, board, 0, 7);
    for (int p = 1; p <= 81; p += 4) section(out, board, p, 5);
    section(out, board, kPointCount - 1, 7);
    DxfFrameEnd(out);
}

}  // namespace voriel
