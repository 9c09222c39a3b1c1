// The plates a full-size template can be made of: each outline laid flat beside the 3-D edges it
// was developed from, with the plate's names and the key words that choose it.
#include "develop/template_plate.h"

#include <array>
#include <cmath>

#include "develop/end_plates.h"
#include "develop/panel_development.h"

namespace voriel {

namespace {

struct PanelText {
    TemplatePanel panel;
    const char* key;
    const char* french;
    const char* english;
};

constexpr std::array<PanelText, 10> kPanels = {{
    {TemplatePanel::Bottom, "bottom", "Fond", "Bottom"},
    {TemplatePanel::Plank1, "plank1", "Bordé 1", "Side plank 1"},
    {TemplatePanel::Plank2, "plank2", "Bordé 2", "Side plank 2"},
    {TemplatePanel::Plank3, "plank3", "Bordé 3", "Side plank 3"},
    {TemplatePanel::Deck1, "deck1", "Demi-pont 1", "Half deck 1"},
    {TemplatePanel::Deck2, "deck2", "Demi-pont 2", "Half deck 2"},
    {TemplatePanel::Deck3, "deck3", "Demi-pont 3", "Half deck 3"},
    {TemplatePanel::Deck4, "deck4", "Demi-pont 4", "Half deck 4"},
    {TemplatePanel::Transom, "transom", "Tableau", "Transom"},
    {TemplatePanel::Bow, "bow", "Marotte", "Pram bow"},
}};

const PanelText& text(TemplatePanel panel) {
    return kPanels[static_cast<std::size_t>(panel)];
}

std::string lineName(int line, bool french) {
    if (line == Keel) return french ? "quille" : "keel";
    if (line == Sheer) return french ? "livet" : "sheer";
    return (french ? "bouchain " : "chine ") + std::to_string(line);
}

// The development's two edges, points 0..last.
void flatEdges(const Development& d, TemplatePlate& p) {
    for (int j = 0; j <= d.last; ++j) {
        p.lower.push_back({d.DevXi[j], d.DevYi[j]});
        p.upper.push_back({d.DevXs[j], d.DevYs[j]});
    }
}

TemplatePlate endPlate(const BoardState& board, TemplatePanel panel) {
    TemplatePlate p;
    p.panel = panel;
    p.colour = Chine1;
    const int s = panel == TemplatePanel::Transom ? 0 : kPointCount - 1;
    const EndPlateDev dev = DevelopEndSection(board, s);
    for (int j = 0; j < kSectionPointCount; ++j) {
        const double x = board.StationPtX[s][j], y = board.StationPtY[s][j];
        const double z = board.StationPtZ[s][j];
        p.lower3.push_back({x, -y, z});
        p.upper3.push_back({x, y, z});
        p.lower.push_back({dev[j].slant, -dev[j].half});
        p.upper.push_back({dev[j].slant, dev[j].half});
    }
    return p;
}

}  // namespace

const char* TemplatePanelKey(TemplatePanel panel) {
    return text(panel).key;
}

std::optional<TemplatePanel> TemplatePanelFromKey(std::string_view key) {
    for (const PanelText& t : kPanels)
        if (key == t.key) return t.panel;
    return std::nullopt;
}

std::string TemplatePanelName(TemplatePanel panel, int16_t language) {
    return language == 0 ? text(panel).french : text(panel).english;
}

std::string TemplateEdgeName(TemplatePanel panel, int edge, int16_t language) {
    const bool french = language == 0;
    const int i = static_cast<int>(panel);
    switch (panel) {
        case TemplatePanel::Bottom:
        case TemplatePanel::Plank1:
        case TemplatePanel::Plank2:
        case TemplatePanel::Plank3:
            return lineName(i + edge, french);
        case TemplatePanel::Deck1:
        case TemplatePanel::Deck2:
        case TemplatePanel::Deck3:
        case TemplatePanel::Deck4:
            return edge == 0 ? (french ? "axe" : "centreline") : lineName(i - 3, french);
        case TemplatePanel::Transom:
        case TemplatePanel::Bow:
            break;
    }
    return edge == 0 ? (french ? "bâbord" : "port") : (french ? "tribord" : "starboard");
}

std::vector<TemplatePanel> AvailableTemplatePanels(const Hull& hull, const BoardState& board) {
    if (board.ChineView == 0) return {TemplatePanel::Bottom};
    if (board.ChineView != 1) return {};
    std::vector<TemplatePanel> out;
    for (const PanelText& t : kPanels)
        if (t.panel != TemplatePanel::Bow || HasBowPlate(hull)) out.push_back(t.panel);
    return out;
}

TemplatePlate MakeTemplatePlate(const Hull& h, const BoardState& board, TemplatePanel panel) {
    if (panel == TemplatePanel::Transom || panel == TemplatePanel::Bow)
        return endPlate(board, panel);
    TemplatePlate p;
    p.panel = panel;
    const int i = static_cast<int>(panel);
    if (panel == TemplatePanel::Bottom) {
        p.colour = Keel;
        flatEdges(DevelopPanel(h, Panel::Bottom), p);
        for (std::size_t j = 0; j < p.lower.size(); ++j) {
            p.lower3.push_back(
                {h.BottomRulingX[0][j], h.BottomRulingY[0][j], h.BottomRulingZ[0][j]});
            p.upper3.push_back(
                {h.BottomRulingX[1][j], h.BottomRulingY[1][j], h.BottomRulingZ[1][j]});
        }
        return p;
    }
    const bool deck = i >= static_cast<int>(TemplatePanel::Deck1);
    // A plank lies between line k and line k + 1; a half deck between the centreline and line k.
    const int line = deck ? i - 3 : i;
    p.colour = line;
    flatEdges(DevelopPanel(h, static_cast<Panel>(i)), p);
    for (std::size_t j = 0; j < p.lower.size(); ++j) {
        const double x = h.LineX[line][j], y = h.LineY[line][j], z = h.LineZ[line][j];
        if (deck) {
            p.lower3.push_back({x, 0.0, z});
            p.upper3.push_back({x, y, z});
        } else {
            p.lower3.push_back({x, y, z});
            p.upper3.push_back({h.LineX[line + 1][j], h.LineY[line + 1][j], h.LineZ[line + 1][j]});
        }
    }
    return p;
}

bool TemplatePlateUsable(const TemplatePlate& p) {
    if (p.lower.size() < 2 || p.upper.size() != p.lower.size() ||
        p.lower3.size() != p.lower.size() || p.upper3.size() != p.lower.size())
        return false;
    for (std::size_t j = 0; j < p.lower.size(); ++j) {
        for (const double v :
             {p.lower[j].x, p.lower[j].y, p.upper[j].x, p.upper[j].y, p.lower3[j].x, p.lower3[j].y,
              p.lower3[j].z, p.upper3[j].x, p.upper3[j].y, p.upper3[j].z})
            if (!std::isfinite(v)) return false;
    }
    return true;
}

}  // namespace voriel
