// Where the drawing board's controls sit, in twips, and how they follow the window's size.
#pragma once

#include <array>

namespace voriel {

struct TwipRect {
    double left = 0, top = 0, width = 0, height = 0;
};

enum BoardControl : int {
    kPlan1,
    kCommand1_0,
    kCommand1_1,
    kDessine,
    kDeveloper,
    kDessCouple,
    kCancel,
    kLabel1,
    kText1,
    kLabel2,
    kText2,
    kBoardControlCount
};

using BoardLayout = std::array<TwipRect, kBoardControlCount>;

// Window sizes (twips) at or below which a resize moves nothing.
constexpr double kBoardMinWidth = 8600;
constexpr double kBoardMaxHeightUnmoved = 4000;

// The controls as the window is made: the sizes it starts with and the positions a first layout
// would give, so that the strip reads the same before and after the first resize.
BoardLayout DesignLayout();

// Lays the controls out for a window of width x height twips, in the order the strip depends on;
// a window 8600 twips wide or narrower, or 4000 twips high or lower, keeps the layout as it is
// (returns false).
bool LayOutBoard(BoardLayout& layout, double width, double height);

}  // namespace voriel
