// Default hull and new-hull reset.
#include "hull/hull.h"

#include <cmath>

#include "hull/chine1.h"

namespace voriel {

void SetDefaultHull(Hull& h) {
    h.LineColor = {Rgb(0, 0, 0),   Rgb(255, 0, 0),   Rgb(0, 0, 255),
                   Rgb(0, 155, 0), Rgb(128, 0, 155), Rgb(128, 128, 0)};
    h.HullFileName = "VORIEL2000";
    h.KeelAdvance = 45;
    h.PlankAngle[0] = 12;
    h.PlankAngle[1] = 50;
    h.PlankAngle[2] = 70;
    h.PlankAngle[3] = 85;
    h.StemAngle = 15;
    h.TransomAngle = -25;
    for (int i = 0; i <= 3; ++i) h.StemTurnIn[i] = h.TransomTurnIn[i] = 1;
    h.StemTurnIn[4] = h.TransomTurnIn[4] = -1;

    h.XAft[0] = 0.0;
    h.XFwd[0] = 6.0;
    h.XFwd[1] = h.XFwd[0];
    h.YFwd[1] = 0.0;
    h.ZFwd[1] = 0.1;
    h.XMax[1] = 3.0;
    h.YMax[1] = 0.95;
    h.ZMax[1] = 0.0;
    h.XMax[0] = h.XMax[1] + h.YMax[1] * TanDeg(h.KeelAdvance);
    h.YMax[0] = 0.0;
    h.ZMax[0] = h.ZMax[1] - h.YMax[1] * TanDeg(h.PlankAngle[0]);
    h.XAft[1] = h.XAft[0];
    h.YAft[1] = 0.7;
    h.ZAft[1] = 0.15;
    h.PowerFwd = 2.5;
    h.PowerAft = 2.1;
    h.ShapeSAft = 1.0;
    h.ShapeSFwd = 0.0;

    const double fwd[] = {0.3, 0.75, 1.1}, max[] = {0.2, 0.6, 1.0}, aft[] = {0.3, 0.7, 1.05};
    for (int i = 2; i <= 4; ++i) {
        h.XFwd[i] = h.XFwd[0];
        h.ZFwd[i] = fwd[i - 2];
        h.ZMax[i] = max[i - 2];
        h.ZAft[i] = aft[i - 2];
    }
    h.PanelDensity = {12, 12, 12, 12, 12, 12, 0, 0, 0, 12, 12, 0};
}

bool SameShape(const Hull& a, const Hull& b) {
    return a.XFwd == b.XFwd && a.YFwd == b.YFwd && a.ZFwd == b.ZFwd && a.XMax == b.XMax &&
           a.YMax == b.YMax && a.ZMax == b.ZMax && a.XAft == b.XAft && a.YAft == b.YAft &&
           a.ZAft == b.ZAft && a.PlaneZ0 == b.PlaneZ0 && a.PlaneZX == b.PlaneZX &&
           a.PlaneZY == b.PlaneZY && a.PlankAngle == b.PlankAngle &&
           a.KeelAdvance == b.KeelAdvance && a.StemAngle == b.StemAngle &&
           a.TransomAngle == b.TransomAngle && a.PowerFwd == b.PowerFwd &&
           a.PowerAft == b.PowerAft && a.ShapeSFwd == b.ShapeSFwd && a.ShapeSAft == b.ShapeSAft &&
           a.StemTurnIn == b.StemTurnIn && a.TransomTurnIn == b.TransomTurnIn &&
           a.MaxBeamIndex == b.MaxBeamIndex && a.LineX == b.LineX && a.LineY == b.LineY &&
           a.LineZ == b.LineZ && a.BottomRulingX == b.BottomRulingX &&
           a.BottomRulingY == b.BottomRulingY && a.BottomRulingZ == b.BottomRulingZ;
}

bool AllFinite(const Hull& h) {
    const auto finite = [](const auto& values) {
        for (const double v : values)
            if (!std::isfinite(v)) return false;
        return true;
    };
    for (const auto* a :
         {&h.XFwd, &h.YFwd, &h.ZFwd, &h.XMax, &h.YMax, &h.ZMax, &h.XAft, &h.YAft, &h.ZAft})
        if (!finite(*a)) return false;
    for (const auto* a : {&h.PlaneZ0, &h.PlaneZX, &h.PlaneZY})
        if (!finite(*a)) return false;
    for (const auto* pts : {&h.LineX, &h.LineY, &h.LineZ})
        for (int i = 0; i <= 4; ++i)
            if (!finite((*pts)[i])) return false;
    for (const auto* pts : {&h.BottomRulingX, &h.BottomRulingY, &h.BottomRulingZ})
        for (const auto& row : *pts)
            if (!finite(row)) return false;
    return finite(std::array<double, 4>{h.PowerFwd, h.PowerAft, h.ShapeSFwd, h.ShapeSAft});
}

void ResetToNewHull(Hull& h) {
    for (int i = 0; i <= 3; ++i) {
        h.XFwd[i] = h.YFwd[i] = h.ZFwd[i] = 0.0;
        h.XMax[i] = h.YMax[i] = 0.0;
        h.XAft[i] = h.YAft[i] = h.ZAft[i] = 0.0;
    }
    h.LineX = h.LineY = h.LineZ = LinePoints{};
    h.BottomRulingX = h.BottomRulingY = h.BottomRulingZ = RulingPoints{};
    SetDefaultHull(h);
    h.HullFileName = "Voriel";
}

}  // namespace voriel
