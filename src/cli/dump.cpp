// The JSON dump of a hull.
#include "cli/dump.h"

#include "board/station_sections.h"
#include "develop/panel_development.h"

#include "hydro/mass_areas.h"

namespace voriel::cli {

namespace {

template <class T, std::size_t N>
nlohmann::json array(const std::array<T, N>& a) {
    nlohmann::json out = nlohmann::json::array();
    for (const T& v : a) out.push_back(v);
    return out;
}

template <std::size_t N>
nlohmann::json rows(const std::array<std::array<double, N>, kLineCount>& pts) {
    nlohmann::json out = nlohmann::json::array();
    for (int i = 0; i <= 4; ++i) out.push_back(array(pts[i]));
    return out;
}

nlohmann::json record(const Hull& h) {
    nlohmann::json r;
    r["XFwd"] = array(h.XFwd);
    r["YFwd"] = array(h.YFwd);
    r["ZFwd"] = array(h.ZFwd);
    r["XMax"] = array(h.XMax);
    r["YMax"] = array(h.YMax);
    r["ZMax"] = array(h.ZMax);
    r["XAft"] = array(h.XAft);
    r["YAft"] = array(h.YAft);
    r["ZAft"] = array(h.ZAft);
    r["PlaneZ0"] = array(h.PlaneZ0);
    r["PlaneZX"] = array(h.PlaneZX);
    r["PlaneZY"] = array(h.PlaneZY);
    r["PlankAngle"] = array(h.PlankAngle);
    r["KeelAdvance"] = h.KeelAdvance;
    r["StemAngle"] = h.StemAngle;
    r["TransomAngle"] = h.TransomAngle;
    r["PowerFwd"] = h.PowerFwd;
    r["PowerAft"] = h.PowerAft;
    r["ShapeSFwd"] = h.ShapeSFwd;
    r["ShapeSAft"] = h.ShapeSAft;
    r["StemTurnIn"] = array(h.StemTurnIn);
    r["TransomTurnIn"] = array(h.TransomTurnIn);
    r["MaxBeamIndex"] = h.MaxBeamIndex;
    r["Language"] = h.Language;
    r["HullFileName"] = h.HullFileName;
    r["TurnInFlags"] = h.TurnInFlags;
    r["LineColor"] = array(h.LineColor);
    r["PanelDensity"] = array(h.PanelDensity);
    return r;
}

nlohmann::json massAreas(const MassAreas& a) {
    return {{"PlateArea", array(a.PlateArea)}, {"PlateCentreX", array(a.PlateCentreX)},
            {"DeckArea", array(a.DeckArea)},   {"DeckCentreX", array(a.DeckCentreX)},
            {"TransomArea", a.TransomArea},    {"TransomCentreX", a.TransomCentreX},
            {"BowPlateArea", a.BowPlateArea},  {"BowPlateCentreX", a.BowPlateCentreX}};
}

nlohmann::json rulings(const RulingPoints& pts) {
    return nlohmann::json::array({array(pts[0]), array(pts[1])});
}

// The first `count` entries of a development array.
nlohmann::json leading(const std::array<double, kDevPointCount>& a, int count) {
    nlohmann::json out = nlohmann::json::array();
    for (int j = 0; j < count; ++j) out.push_back(a[j]);
    return out;
}

nlohmann::json outline(const Development& d) {
    const int count = d.last + 1;
    return {{"Xi", leading(d.DevXi, count)},
            {"Yi", leading(d.DevYi, count)},
            {"Xs", leading(d.DevXs, count)},
            {"Ys", leading(d.DevYs, count)}};
}

nlohmann::json endPlate(const EndPlateDev& plate) {
    nlohmann::json slant = nlohmann::json::array(), half = nlohmann::json::array();
    for (const SlantPoint& p : plate) {
        slant.push_back(p.slant);
        half.push_back(p.half);
    }
    return {{"slant", slant}, {"half", half}};
}

// "stations" as a redraw computes them and "developments" as the Develop button and the
// development exports develop them with all lines defined.
void DumpStationsAndDevelopments(const Hull& h, nlohmann::json& d) {
    BoardState board;
    board.ChineView = 1;
    ComputeAllStationSections(h, board);
    const auto sections = [](const SectionPoints& pts) {
        nlohmann::json out = nlohmann::json::array();
        for (const auto& section : pts) out.push_back(array(section));
        return out;
    };
    d["stations"] = {{"X", sections(board.StationPtX)},
                     {"Y", sections(board.StationPtY)},
                     {"Z", sections(board.StationPtZ)}};

    const BoardDevelopment dev = DeveloperClick(h, board);
    nlohmann::json out;
    const char* const names[] = {"bottom", "plank1", "plank2", "plank3"};
    for (const BoardPanel& p : dev.panels)
        out[names[static_cast<int>(p.panel)]] = outline(p.outline);
    for (int k = 1; k <= 4; ++k) {
        const auto deck = static_cast<Panel>(static_cast<int>(Panel::Deck1) + k - 1);
        out["deck" + std::to_string(k)] = outline(DevelopPanel(h, deck));
    }
    out["transom"] = endPlate(*dev.transom);
    out["bowPlate"] = dev.bowPlate ? endPlate(*dev.bowPlate) : nlohmann::json(nullptr);
    d["developments"] = out;
}

}  // namespace

nlohmann::json DumpHull(const Hull& h) {
    nlohmann::json d;
    d["hullFileName"] = h.HullFileName;
    d["record"] = record(h);
    d["lines"] = {{"X", rows(h.LineX)}, {"Y", rows(h.LineY)}, {"Z", rows(h.LineZ)}};
    d["bottomRulings"] = {{"X", rulings(h.BottomRulingX)},
                          {"Y", rulings(h.BottomRulingY)},
                          {"Z", rulings(h.BottomRulingZ)}};
    DumpStationsAndDevelopments(h, d);
    d["mass"] = massAreas(ComputeMassAreas(h));
    return d;
}

}  // namespace voriel::cli
