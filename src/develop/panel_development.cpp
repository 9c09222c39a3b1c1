// The hull's panels developed as every caller develops them, and the Develop button's choice.
#include "develop/panel_development.h"

#include "develop/deck_development.h"
#include "develop/plate_development.h"

namespace voriel {

Development DevelopPanel(const Hull& h, Panel panel) {
    switch (panel) {
        case Panel::Bottom:
            return DevelopPlate(81, 0, h.BottomRulingX, h.BottomRulingY, h.BottomRulingZ,
                                h.MaxBeamIndex);
        case Panel::Plank1:
        case Panel::Plank2:
        case Panel::Plank3: {
            const auto k = static_cast<int16_t>(static_cast<int>(panel));
            return DevelopPlate(80, k, h.LineX, h.LineZ, h.LineY, h.MaxBeamIndex);
        }
        case Panel::Deck1:
        case Panel::Deck2:
        case Panel::Deck3:
        case Panel::Deck4: {
            const auto k = static_cast<int16_t>(static_cast<int>(panel) - 3);
            return DevelopDeck(80, k, h.LineX, h.LineY, h.LineZ);
        }
    }
    return {};
}

BoardDevelopment DeveloperClick(const Hull& h, const BoardState& board) {
    BoardDevelopment out;
    if (board.ChineView != 0 && board.ChineView != 1) return out;
    out.panels.push_back({Panel::Bottom, DevelopPanel(h, Panel::Bottom), 83, 0, 0.0, 0.0});
    if (board.ChineView == 0) return out;

    const auto& x = h.LineX;
    const auto& z = h.LineZ;
    // The planks are drawn in the profile, each near the aft end of the line above it.
    out.panels.push_back({Panel::Plank1, DevelopPanel(h, Panel::Plank1), 82, 1, x[2][0], 0.0});
    out.panels.push_back(
        {Panel::Plank2, DevelopPanel(h, Panel::Plank2), 82, 2, x[3][0], (z[3][0] + z[2][0]) / 2});
    out.panels.push_back({Panel::Plank3, DevelopPanel(h, Panel::Plank3), 82, 3, x[4][0], z[4][0]});
    out.transom = ComputeTransomDev(board);
    if (HasBowPlate(h)) out.bowPlate = ComputeBowPlateDev(board);
    return out;
}

}  // namespace voriel
