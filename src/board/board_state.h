// The drawing board's model state: the stage flag, the 83 station sections, the station shown, the
// view transform and the mouse drag.
#pragma once

#include <array>
#include <cstdint>

#include "hull/hull.h"

namespace voriel {

constexpr int kSectionPointCount = 14;  // 0 keel, 1..9 bottom, 10 chine 1, 11..13 chine 2, 3, sheer

// One coordinate of every section: [point index 0..82][section point 0..13], metres.
using SectionPoints = std::array<std::array<double, kSectionPointCount>, kPointCount>;

struct BoardState {
    // Button last pressed: 0 only keel and chine 1 are defined, 1 all lines are defined.
    int16_t ChineView = 0;
    SectionPoints StationPtX{}, StationPtY{}, StationPtZ{};
    double StationX = 0.0;     // abscissa last typed in the station box (m)
    int16_t StationIndex = 0;  // point index 1..81 of the station last drawn

    // View transform, twips of the sheet with y downward: screen x = ViewScaleX*X + ViewOriginX
    // in every view, plan y = ViewScaleY*Y + ViewOriginY, profile and body-plan y =
    // ViewScaleZ*Z + ViewOriginZ (ViewScaleZ < 0, so Z grows upward). BodyPlanX is the model X
    // (m) of the body plan's centre line.
    float ViewScaleX = 0.0f, ViewScaleY = 0.0f, ViewScaleZ = 0.0f;
    float ViewOriginX = 0.0f, ViewOriginY = 0.0f, ViewOriginZ = 0.0f;
    float BodyPlanX = 0.0f;

    // Mouse drag on the sheet (twips): where the button went down, the latest position and the
    // one before it. DragButton is the button held (1 left zoom, 2 right pan; 0 no drag) and
    // BandDrawn tells whether a move has drawn a rubber band that is still on the sheet.
    float DragStartX = 0.0f, DragStartY = 0.0f;
    float DragX = 0.0f, DragY = 0.0f;
    float DragPrevX = 0.0f, DragPrevY = 0.0f;
    int16_t DragButton = 0;
    bool BandDrawn = false;
};

}  // namespace voriel
