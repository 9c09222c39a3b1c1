// The plates a full-size template can be made of: each outline laid flat beside the 3-D edges it
// was developed from, with the plate's names and the key words that choose it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "board/board_state.h"
#include "hull/hull.h"

namespace voriel {

enum class TemplatePanel {
    Bottom,
    Plank1,
    Plank2,
    Plank3,
    Deck1,
    Deck2,
    Deck3,
    Deck4,
    Transom,
    Bow
};

struct FlatPoint {
    double x = 0.0, y = 0.0;
};
struct SpacePoint {
    double x = 0.0, y = 0.0, z = 0.0;
};

// One plate: its two edges in the hull (m, hull frame) and laid flat (m, flat frame, y up), point
// j of each edge belonging to point j of the other, both edges the same length. The outline is
// the lower edge, the upper edge and the two ends joining their first and their last points. An
// end plate (transom, bow plate) has its port half as lower edge and its starboard half as upper
// edge, from the keel (flat x = slant length 0, y = 0) up to the sheer; its centreline is y = 0.
struct TemplatePlate {
    TemplatePanel panel = TemplatePanel::Bottom;
    std::vector<SpacePoint> lower3, upper3;
    std::vector<FlatPoint> lower, upper;
    int colour = 0;  // LineColor index of the plate's outline
    bool endPlate() const { return panel == TemplatePanel::Transom || panel == TemplatePanel::Bow; }
};

// "bottom", "plank1".."plank3", "deck1".."deck4" (the half deck inside line k), "transom", "bow".
const char* TemplatePanelKey(TemplatePanel panel);
std::optional<TemplatePanel> TemplatePanelFromKey(std::string_view key);

// The plate's printed name in the language (0 French): "Fond" / "Bottom", "Bordé 2" / "Side
// plank 2", "Demi-pont 1" / "Half deck 1", "Tableau" / "Transom", "Marotte" / "Pram bow".
std::string TemplatePanelName(TemplatePanel panel, int16_t language);

// The line an edge follows (edge 0 lower, 1 upper): "quille" / "keel", "bouchain 1" / "chine 1",
// "livet" / "sheer", "axe" / "centreline", "bâbord" / "port", "tribord" / "starboard".
std::string TemplateEdgeName(TemplatePanel panel, int edge, int16_t language);

// The plates of the hull at the board's stage (ChineView): 0 the bottom; 1 the bottom, planks
// 1..3, half decks 1..4, the transom and, for a pram bow, the bow plate.
std::vector<TemplatePanel> AvailableTemplatePanels(const Hull& hull, const BoardState& board);

// The plate developed as every consumer develops it (the end plates from the board's station
// sections); an empty plate (no points) when the development has nothing to give.
TemplatePlate MakeTemplatePlate(const Hull& hull, const BoardState& board, TemplatePanel panel);

// True when the plate has points and every one of them is a finite number.
bool TemplatePlateUsable(const TemplatePlate& plate);

}  // namespace voriel
