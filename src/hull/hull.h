// The hull record: parameters, derived per-line values and computed point lists of one hull.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace voriel {

// Line indices of every per-line array.
enum LineIndex : int { Keel = 0, Chine1 = 1, Chine2 = 2, Chine3 = 3, Sheer = 4, Spare = 5 };

constexpr int kLineCount = 6;     // lines 0..5 (5 a spare slot, never filled)
constexpr int kPlaneCount = 5;    // lines 0..4
constexpr int kPointCount = 83;   // points 0 aft end, 1..81 stations, 82 forward end
constexpr int kRulingCount = 84;  // bottom rulings 0..83 (83 repeats the forward ends)
constexpr int kPanelDensityCount = 12;

using LineArray = std::array<double, kLineCount>;
using PlaneArray = std::array<double, kPlaneCount>;
using LinePoints = std::array<std::array<double, kPointCount>, kLineCount>;
using RulingPoints = std::array<std::array<double, kRulingCount>, 2>;  // row 0 keel, row 1 chine 1

// Lengths in metres, angles in whole degrees, origin at the transom on the centreline with X
// toward the stem, Y the half breadth, Z upward (Z = 0 at chine 1 on the max-beam station).
struct Hull {
    // Defining points of each line: forward (forefoot or stem), max beam, aft (transom).
    LineArray XFwd{}, YFwd{}, ZFwd{};
    LineArray XMax{}, YMax{}, ZMax{};
    LineArray XAft{}, YAft{}, ZAft{};

    // Height plane Z = PlaneZ0 + PlaneZX*X + PlaneZY*Y of each line.
    PlaneArray PlaneZ0{}, PlaneZX{}, PlaneZY{};

    // 0 deadrise, 1..3 inclination of the plank below chine 2, chine 3 and the sheer, 4 a slot.
    std::array<int16_t, kPlaneCount> PlankAngle{};
    int16_t KeelAdvance = 0;
    int16_t StemAngle = 0;     // from vertical, positive leaning forward
    int16_t TransomAngle = 0;  // from vertical, stored <= 0 (the transom leans aft going up)

    double PowerFwd = 0.0, PowerAft = 0.0;    // chine-1 exponents ahead of / abaft max beam
    double ShapeSFwd = 0.0, ShapeSAft = 0.0;  // chine-1 S-shape factors

    // 1 = the stem (transom) segment above line i keeps its inclination, else it is turned in.
    std::array<int16_t, kLineCount> StemTurnIn{}, TransomTurnIn{};

    int16_t MaxBeamIndex = 0;  // point index of the max-beam station

    LinePoints LineX{}, LineY{}, LineZ{};
    RulingPoints BottomRulingX{}, BottomRulingY{}, BottomRulingZ{};

    int16_t Language = 0;  // 0 French, anything else English
    std::string HullFileName;
    std::string TurnInFlags;
    std::array<int32_t, kLineCount> LineColor{};  // RGB values r + 256*g + 65536*b
    std::array<double, kPanelDensityCount> PanelDensity{};
};

// r + 256*g + 65536*b.
constexpr int32_t Rgb(int r, int g, int b) {
    return r + 256 * g + 65536 * b;
}

// Fills the defaults of a new hull (LWL 6 m, max beam 1.90 m at 3 m, pointed forefoot). The
// point arrays are left as they are.
void SetDefaultHull(Hull& hull);

// True when every defining value, plane and computed point of lines 0..4 and every bottom ruling
// is a finite number. The record's part of the complete check (AllResultsFinite, hydro/), which
// also covers what is computed from the lines.
bool AllFinite(const Hull& hull);

// True when two records describe the same hull: every defining value, plane, angle, flag and
// computed point alike (name, language, colours and densities aside).
bool SameShape(const Hull& a, const Hull& b);

// The drawing board's new-hull command: zeroes the defining points of lines 0..3 and every point
// array, applies the defaults and names the hull "Voriel".
void ResetToNewHull(Hull& hull);

}  // namespace voriel
