// The drawing board's resize rule: the sheet fills the window, the strip of controls under it.
#include "windows/dessin_layout.h"

namespace voriel {

namespace {

constexpr double kButtonWidth = 1400, kButtonHeight = 500;
constexpr double kBoxHeight = 315;  // a one-line text box

}  // namespace

BoardLayout DesignLayout() {
    BoardLayout l{};
    for (const int b : {kDessine, kCancel, kDeveloper, kCommand1_0, kCommand1_1, kDessCouple})
        l[b] = {0, 0, kButtonWidth, kButtonHeight};
    l[kLabel1] = {0, 0, 1000, 200};
    l[kLabel2] = {200, 0, 1100, l[kLabel1].height};
    l[kText1] = {0, 0, 1000, kBoxHeight};
    l[kText2] = {0, 0, 2000, kBoxHeight};
    // The strip's left-hand positions do not depend on the window: place them once.
    l[kText2].left = l[kLabel2].left + l[kLabel2].width + 50;
    l[kLabel1].left = l[kText2].left + l[kText2].width + 200;
    l[kText1].left = l[kLabel1].left + l[kLabel1].width + 100;
    l[kPlan1] = {40, 40, 13800, 7000};
    LayOutBoard(l, l[kPlan1].width + 200, l[kPlan1].height + 2000);
    return l;
}

bool LayOutBoard(BoardLayout& l, double W, double H) {
    if (H <= kBoardMaxHeightUnmoved || W <= kBoardMinWidth) return false;
    l[kPlan1] = {40, 40, W - 200, H - 2000};

    TwipRect& label2 = l[kLabel2];
    TwipRect& cancel = l[kCancel];
    TwipRect& dessine = l[kDessine];
    label2.top = l[kPlan1].height + 250;
    cancel.top = label2.top - 50;
    cancel.left = l[kPlan1].width - cancel.width;
    dessine.top = cancel.top;
    dessine.left = cancel.left - dessine.width - 200;

    TwipRect& c0 = l[kCommand1_0];
    TwipRect& c1 = l[kCommand1_1];
    c0.left = 200;
    c0.top = label2.top + label2.height + 300;
    c1.top = c0.top;
    c1.left = c0.left + c0.width + 200;

    // The station button spans the station caption and box as they stood before this pass.
    TwipRect& dessCouple = l[kDessCouple];
    dessCouple.width = l[kText1].left + l[kText1].width - l[kLabel1].left;
    dessCouple.left = l[kLabel1].left;
    dessCouple.top = c0.top;
    l[kDeveloper].top = dessCouple.top;
    l[kDeveloper].left = dessine.left;

    label2.left = c0.left;
    l[kText2].left = label2.left + label2.width + 50;
    l[kText2].top = label2.top - 50;
    l[kLabel1].top = label2.top;
    l[kLabel1].left = l[kText2].left + l[kText2].width + 200;
    l[kText1].top = l[kLabel1].top - 50;
    l[kText1].left = l[kLabel1].left + l[kLabel1].width + 100;
    return true;
}

}  // namespace voriel
