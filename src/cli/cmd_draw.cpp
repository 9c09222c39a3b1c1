// voriel-cli draw FILE: the drawing board's sheet without a window, each call on the drawing
// surface printed as the recording canvas records it.
#include <array>
#include <cstddef>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "board/board_actions.h"
#include "canvas/recording_canvas.h"
#include "cli/subcommand.h"

namespace voriel::cli {

namespace {

constexpr double kMinSheet = 1000.0;    // twips: smaller sheets have no room for the views
constexpr double kMaxCoordinate = 1e6;  // twips, for the sheet size and the mouse positions

enum class Act { Station, Develop, Zoom, Pan, DoubleClick, Waterline };

// One action of the command line, in the order given.
struct DrawAction {
    Act act;
    std::string text;             // the station or waterline box text
    std::array<float, 4> drag{};  // X1, Y1, X2, Y2 of a zoom or pan (twips)
};

struct DrawOptions {
    std::string file;
    int stage = 1;
    std::string size = "13800,7000";
    std::vector<std::string> stations, zooms, pans, waterlines;
    std::map<const CLI::Option*, Act> acts;
    std::map<const CLI::Option*, const std::vector<std::string>*> texts;
};

// count numbers separated by commas, each within +-kMaxCoordinate; false when the text is not so.
bool readNumbers(const std::string& text, std::size_t count, std::vector<double>& out) {
    out.clear();
    std::size_t start = 0;
    while (out.size() < count) {
        const std::size_t comma = text.find(',', start);
        const bool last = out.size() + 1 == count;
        if (last != (comma == std::string::npos)) return false;
        double v = 0.0;
        if (!ReadPlainNumber(text.substr(start, last ? std::string::npos : comma - start), v) ||
            v < -kMaxCoordinate || v > kMaxCoordinate)
            return false;
        out.push_back(v);
        start = comma + 1;
    }
    return true;
}

// The actions in command-line order; an empty message when they are all well formed.
std::string collectActions(const CLI::App& sub, const DrawOptions& opt,
                           std::vector<DrawAction>& actions) {
    std::map<const CLI::Option*, std::size_t> seen;
    for (const CLI::Option* o : sub.parse_order()) {
        const auto found = opt.acts.find(o);
        if (found == opt.acts.end()) continue;
        DrawAction a{found->second, "", {}};
        if (const auto t = opt.texts.find(o); t != opt.texts.end())
            a.text = t->second->at(seen[o]++);
        if (a.act == Act::Zoom || a.act == Act::Pan) {
            std::vector<double> v;
            if (!readNumbers(a.text, 4, v))
                return o->get_name() +
                       " takes X1,Y1,X2,Y2 in twips (each within +-1000000), not \"" + a.text +
                       "\"";
            for (std::size_t i = 0; i < 4; ++i) a.drag[i] = static_cast<float>(v[i]);
        }
        if (a.act == Act::Station && opt.stage == 0)
            return "--station needs --stage 1: Draw station is disabled at stage 0";
        actions.push_back(a);
    }
    return "";
}

// The mouse dragged with a button from (X1, Y1) to (X2, Y2) in one move.
void drag(const Hull& hull, BoardState& board, Canvas& canvas, int button,
          const std::array<float, 4>& d) {
    BoardMouseDown(board, canvas, button, d[0], d[1]);
    BoardMouseMove(board, canvas, button, d[2], d[3]);
    BoardMouseUp(hull, board, canvas, button, d[2], d[3]);
}

// What the program keeps between two openings of the hydrostatics window.
struct HydroWindow {
    HydroState state;
    HydroBoxes boxes;
    MassTotals totals;
};

// The hydrostatics window opened, the waterline typed in its box with Enter, then Quit.
std::optional<EntryError> waterline(const Hull& hull, const BoardState& board, HydroWindow& w,
                                    const std::string& text, Canvas& canvas) {
    if (auto err = ActivateHydro(hull, w.state, w.boxes, w.totals)) return err;
    w.boxes.Text1[1] = text;
    w.state.HydroMode = 1;
    if (auto err = ComputeHydrostatics(hull, w.state, w.boxes, w.totals)) return err;
    DrawWaterline(hull, board, w.state, canvas);
    return std::nullopt;
}

int runDraw(Io& io, const CLI::App& sub, const DrawOptions& opt) {
    std::vector<double> size;
    if (!readNumbers(opt.size, 2, size) || size[0] < kMinSheet || size[1] < kMinSheet)
        return UsageError(
            io, sub,
            "--size takes W,H in twips, each from 1000 to 1000000, not \"" + opt.size + "\"");
    std::vector<DrawAction> actions;
    if (const std::string bad = collectActions(sub, opt, actions); !bad.empty())
        return UsageError(io, sub, bad);

    Hull hull;
    if (!OpenHullForCommand(io, opt.file, hull)) return kExitFailure;
    BoardState board;
    board.ChineView = static_cast<int16_t>(opt.stage);
    RecordingCanvas canvas(static_cast<float>(size[0]), static_cast<float>(size[1]));
    HydroWindow hydro;
    RedrawBoard(hull, board, canvas);
    for (const DrawAction& a : actions) {
        switch (a.act) {
            case Act::Station: {
                std::string box = a.text;
                DrawStationClick(hull, board, box, canvas);
                break;
            }
            case Act::Develop:
                DevelopClick(hull, board, canvas);
                break;
            case Act::Zoom:
                drag(hull, board, canvas, 1, a.drag);
                break;
            case Act::Pan:
                drag(hull, board, canvas, 2, a.drag);
                break;
            case Act::DoubleClick:
                BoardDoubleClick(hull, board, canvas);
                break;
            case Act::Waterline:
                if (auto err = waterline(hull, board, hydro, a.text, canvas))
                    return Fail(io, opt.file + ": --waterline: " + err->english);
                break;
        }
    }
    io.out << canvas.recording();
    return 0;
}

}  // namespace

Action AddDrawCommand(CLI::App& app) {
    auto* sub = app.add_subcommand(
        "draw",
        "Draw the drawing board's sheet for the hull of a .D50/.D51 file without a window: the "
        "redraw, then the actions in the order given. Prints every call on the drawing surface, "
        "one per line: clear, color R G B, style N, width N, mode copy|xor, line X1 Y1 X2 Y2, "
        "pset X Y, circle X Y R, text X Y \"TEXT\" (twips, y downward)");
    auto opt = std::make_shared<DrawOptions>();
    sub->add_option("FILE", opt->file, "hull data file (.D50 or .D51)")->required();
    sub->add_option("--stage", opt->stage,
                    "0: keel and chine 1 only (Chine 1 pressed last), 1: all lines (default)")
        ->check(CLI::IsMember({0, 1}));
    sub->add_option("--size", opt->size, "sheet width and height in twips (default 13800,7000)");
    const auto repeated = [&](const char* name, std::vector<std::string>& into, Act act,
                              const char* help) {
        CLI::Option* o = sub->add_option(name, into, help)
                             ->type_size(1)
                             ->allow_extra_args(false)
                             ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
        opt->acts[o] = act;
        opt->texts[o] = &into;
    };
    repeated("--station", opt->stations, Act::Station,
             "type TEXT in the station box and press Draw station (stage 1)");
    opt->acts[sub->add_flag("--develop", "press Develop")] = Act::Develop;
    repeated("--zoom", opt->zooms, Act::Zoom,
             "drag a zoom box with the left button from X1,Y1 to X2,Y2 (twips)");
    repeated("--pan", opt->pans, Act::Pan,
             "drag with the right button from X1,Y1 to X2,Y2 (twips)");
    opt->acts[sub->add_flag("--double-click", "double-click the sheet (back to the fitted view)")] =
        Act::DoubleClick;
    repeated("--waterline", opt->waterlines, Act::Waterline,
             "open the hydrostatics, float the hull at this waterline height (m, as the box "
             "reads it), then Quit: draws the waterline");
    return [opt, sub](Io& io) { return runDraw(io, *sub, *opt); };
}

}  // namespace voriel::cli
