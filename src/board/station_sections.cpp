// Station sections: the 14-point transverse section at each point index and the station choice.
#include "board/station_sections.h"

#include <cmath>

#include "hull/chine1.h"
#include "hull/definition_screens.h"
#include "text/number_text.h"

namespace voriel {

void ComputeStationSection(const Hull& h, BoardState& board, int p) {
    auto& sx = board.StationPtX[p];
    auto& sy = board.StationPtY[p];
    auto& sz = board.StationPtZ[p];
    const double x0 = h.LineX[Keel][p];
    const double dx = h.LineX[Chine1][p] - x0;
    for (int j = 0; j <= 10; ++j) {
        const double t = j / 10.0;
        sx[j] = x0 + dx * t;
        if (p < kPointCount - 1) {
            sy[j] = t * h.LineY[Chine1][p];
            sz[j] = BottomHeight(h, sx[j], sy[j]);
        } else {
            // At the forward end keel and chine 1 meet the raked stem at different X, so the
            // section runs along the stem and the half width is found from the height.
            sz[j] = h.LineZ[Keel][p] + (h.LineZ[Chine1][p] - h.LineZ[Keel][p]) * t;
            sy[j] = BottomHalfWidth(h, sx[j], sz[j]);
        }
    }
    for (int line = Chine2; line <= Sheer; ++line) {
        const int j = 11 + line - Chine2;
        sx[j] = h.LineX[line][p];
        sy[j] = h.LineY[line][p];
        sz[j] = h.LineZ[line][p];
    }
}

void ComputeAllStationSections(const Hull& hull, BoardState& board) {
    for (int p = 0; p < kPointCount; ++p) ComputeStationSection(hull, board, p);
}

std::string ChooseStation(const Hull& h, BoardState& board, std::string_view stationText) {
    const double x = Val(CommaToPoint(stationText));
    const auto& grid = h.LineX[Chine1];
    // The box shows a station's X to 15 digits, which may read back a hair below the station;
    // without this allowance pressing the button again would step down one station.
    const double reach = x + 1e-9 * std::fabs(grid[81]);
    int16_t index = 1;
    // Written so that a value that is not a number falls to the first station.
    if (!(reach >= grid[1])) {
        index = 1;
    } else if (reach >= grid[81]) {
        index = 81;
    } else {
        for (int p = 1; p <= 81; ++p) {
            if (reach < grid[p]) {
                index = static_cast<int16_t>(p - 1);
                break;
            }
        }
    }
    board.StationX = x;
    board.StationIndex = index;
    return BoxText(h.LineX[Keel][index]);
}

int StationDrawingSide(int stationIndex) {
    return stationIndex <= 40 ? 1 : -1;
}

}  // namespace voriel
