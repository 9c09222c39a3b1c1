// The hull's panels developed as every caller develops them, and the Develop button's choice.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "board/board_state.h"
#include "develop/developed_outline.h"
#include "develop/end_plates.h"
#include "hull/hull.h"

namespace voriel {

enum class Panel { Bottom, Plank1, Plank2, Plank3, Deck1, Deck2, Deck3, Deck4 };

// The panel developed with the arguments every consumer uses: the bottom from the bottom rulings
// (points 0..83), plank k between line k and line k + 1 and the half deck at line k (points
// 0..82). Lengths in metres, flat frame of Development.
Development DevelopPanel(const Hull& hull, Panel panel);

// One panel the Develop button lays on the drawing board: its outline, the last point drawn
// (83 for the bottom, 82 for a plank), the LineColor index and the offset (m) added to the flat
// X and Y in the view (the bottom in the plan at no offset, the planks in the profile).
struct BoardPanel {
    Panel panel = Panel::Bottom;
    Development outline;
    int16_t count = 0;
    int16_t colour = 0;
    double dx = 0.0;
    double dy = 0.0;
};

// What the Develop button develops for the board's stage (ChineView): 0 the bottom only; 1 the
// bottom, planks 1..3, the transom and, for a pram bow, the bow plate (both from the board's
// station sections); any other stage nothing.
struct BoardDevelopment {
    std::vector<BoardPanel> panels;
    std::optional<EndPlateDev> transom;
    std::optional<EndPlateDev> bowPlate;
};
BoardDevelopment DeveloperClick(const Hull& hull, const BoardState& board);

}  // namespace voriel
