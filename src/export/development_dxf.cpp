// The development DXF writers.
#include "export/development_dxf.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "develop/panel_development.h"
#include "export/dxf_records.h"
#include "text/number_text.h"

namespace voriel {

namespace {

void endPlateOutline(std::ostream& out, int16_t colour, const EndPlateDev& dev, double ox,
                     double oy) {
    const DxfColour c(colour);
    DxfPolyline(out, c);
    for (int p = 0; p < kSectionPointCount; ++p)
        DxfVertex(out, c, ox + dev[p].half, oy + dev[p].slant, 0);
    DxfVertex(out, c, ox + dev[0].half, oy + dev[kSectionPointCount - 1].slant, 0);
    for (int p = kSectionPointCount - 1; p >= 0; --p)
        DxfVertex(out, c, ox - dev[p].half, oy + dev[p].slant, 0);
    DxfSeqEndPrinted(out);
}

}  // namespace

void DxfTransomOutline(std::ostream& out, int16_t colour, const EndPlateDev& transomDev, double ox,
                       double oy) {
    endPlateOutline(out, colour, transomDev, ox, oy);
}

void DxfBowOutline(std::ostream& out, int16_t colour, const EndPlateDev& bowPlateDev, double ox,
                   double oy) {
    endPlateOutline(out, colour, bowPlateDev, ox, oy);
}

void DxfStationOutline(std::ostream& out, int16_t colour, const BoardState& board, int p, double ox,
                       double oy) {
    const DxfColour c(colour);
    const auto& x = board.StationPtX[p];
    const auto& y = board.StationPtY[p];
    const auto& z = board.StationPtZ[p];
    constexpr int top = kSectionPointCount - 1;
    DxfPolyline(out, c);
    for (int j = 0; j <= top; ++j) DxfVertex(out, c, ox + y[j], oy + z[j], x[j]);
    DxfVertex(out, c, ox + y[0], oy + z[top], x[top]);
    for (int j = top; j >= 0; --j) DxfVertex(out, c, ox - y[j], oy + z[j], x[j]);
    DxfSeqEnd(out);
}

namespace {

struct Extent {
    double xmax = 0.0;  // largest X and Y of an outline, starting from 0
    double ymax = 0.0;
};

// One developed outline, closed: the lower edge from the transom to the stem, the upper edge
// back, and the first point again; returns its extent.
Extent developedOutline(std::ostream& out, int16_t colour, const Development& d, int n, double ox,
                        double oy) {
    Extent e;
    const DxfColour c(colour);
    DxfPolyline(out, c);
    for (int p = 0; p <= n; ++p) DxfVertex(out, c, ox + d.DevXi[p], oy + d.DevYi[p], 0);
    for (int p = n; p >= 0; --p) DxfVertex(out, c, ox + d.DevXs[p], oy + d.DevYs[p], 0);
    DxfVertex(out, c, ox + d.DevXi[0], oy + d.DevYi[0], 0);
    DxfSeqEndPrinted(out);
    for (int p = 0; p <= n; ++p) {
        e.xmax = std::max({e.xmax, d.DevXi[p], d.DevXs[p]});
        e.ymax = std::max({e.ymax, d.DevYi[p], d.DevYs[p]});
    }
    return e;
}

// The next plate goes above this one, with a gap of 5 % of its height and of its length.
double nextRow(const Extent& e, double oy) {
    return 1.05 * e.ymax + oy + 0.05 * e.xmax;
}

}  // namespace

void WritePlankDxf(std::ostream& out, const Hull& hull, const BoardState& board) {
    DxfFrameHead(out, hull.HullFileName + " - Planks  - development created with Voriel 2000");
    const Panel plates[] = {Panel::Bottom, Panel::Plank1, Panel::Plank2, Panel::Plank3};
    const int last = board.ChineView == 0 ? 0 : 3;
    double oy = 0.0;
    double xmax = 0.0;  // over every plate, so that the end plates clear the longest one
    for (int k = 0; k <= last; ++k) {
        const Development d = DevelopPanel(hull, plates[k]);
        const Extent e =
            developedOutline(out, static_cast<int16_t>(7 - k), d, k == 0 ? 83 : 82, 0.0, oy);
        oy = nextRow(e, oy);
        xmax = std::max(xmax, e.xmax);
    }

    const int m = std::clamp<int>(hull.MaxBeamIndex, 0, kPointCount - 1);
    double halfBeam = 0.0;
    for (int k = Chine1; k <= Sheer; ++k) halfBeam = std::max(halfBeam, hull.LineY[k][m]);
    const double ox = 1.1 * xmax + halfBeam;

    // The end plates are developed here at both stages: the file always shows them.
    const EndPlateDev transom = ComputeTransomDev(board);
    DxfTransomOutline(out, 7, transom, ox, 0.0);
    oy = 0.04 * ox + transom[kSectionPointCount - 1].slant;
    oy += std::fabs(hull.LineZ[Keel][m]);
    DxfStationOutline(out, 6, board, m, ox, oy);
    oy = hull.LineZ[Sheer][m] - hull.LineZ[Keel][m] + oy + 0.04 * ox;
    if (HasBowPlate(hull)) DxfBowOutline(out, 5, ComputeBowPlateDev(board), ox, oy);
    DxfFrameEnd(out);
}

void WriteDeckDxf(std::ostream& out, const Hull& hull, const BoardState& board) {
    DxfFrameHead(out, hull.HullFileName + " - Decks  - development created with Voriel 2000");
    const Panel decks[] = {Panel::Deck1, Panel::Deck2, Panel::Deck3, Panel::Deck4};
    const int last = board.ChineView == 0 ? 1 : 4;
    double oy = 0.0;
    for (int k = 1; k <= last; ++k) {
        const Development d = DevelopPanel(hull, decks[k - 1]);
        oy = nextRow(developedOutline(out, static_cast<int16_t>(8 - k), d, 82, 0.0, oy), oy);
    }
    DxfFrameEnd(out);
}

void WriteStationDxf(std::ostream& out, const BoardState& board, int p) {
    DxfFrameHead(out, "station " + Str(p));
    DxfStationOutline(out, 6, board, p, 0.0, 0.0);
    DxfFrameEnd(out);
}

}  // namespace voriel
