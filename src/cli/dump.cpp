// The JSON dump of a hull.
#include "cli/dump.h"

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

nlohmann::json rulings(const RulingPoints& pts) {
    return nlohmann::json::array({array(pts[0]), array(pts[1])});
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
    return d;
}

}  // namespace voriel::cli
