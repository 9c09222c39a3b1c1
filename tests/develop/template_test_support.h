// What the template tests share: hulls with their board, the recorded document cut into pages,
// and distances to a plate's outline.
#pragma once

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "board/board_state.h"
#include "board/print_page.h"
#include "board/station_sections.h"
#include "canvas/page_recording_canvas.h"
#include "develop/template_document.h"
#include "support/recorded_calls.h"
#include "support/test_hulls.h"

namespace voriel::test {

// A hull with all lines defined and the station sections of a redraw.
struct HullOnBoard {
    Hull hull;
    BoardState board;
};

inline HullOnBoard OnBoard(Hull hull, int16_t stage = 1) {
    HullOnBoard out{std::move(hull), {}};
    out.board.ChineView = stage;
    ComputeAllStationSections(out.hull, out.board);
    return out;
}

inline HullOnBoard DefaultOnBoard(int16_t stage = 1) {
    Hull h = ValidatedDefaultHull();
    h.HullFileName = "boat";
    return OnBoard(std::move(h), stage);
}

// The document printed on a recording printer of the paper's printable area, its calls cut into
// pages (page 1 first).
struct RecordedTemplates {
    TemplatePlan plan;
    std::vector<std::vector<RecordedCall>> pages;
    bool ok = false;
};

inline RecordedTemplates RecordTemplates(const HullOnBoard& b, const TemplateRequest& request,
                                         Paper paper = Paper::A4) {
    const PageArea area = PrintableArea(paper);
    RecordedTemplates out;
    out.plan = PlanTemplates(b.hull, b.board, request, area.width, area.height);
    PageRecordingCanvas canvas(area.width, area.height);
    PrintTemplates(b.hull, out.plan, request, canvas);
    const auto calls = ReadRecording(canvas.recording(), out.ok);
    out.pages.emplace_back();
    for (const RecordedCall& c : calls) {
        if (c.op == "page")
            out.pages.emplace_back();
        else
            out.pages.back().push_back(c);
    }
    return out;
}

// The page (from 1) of each printed sheet of a plate, row after row.
inline std::vector<std::pair<int, std::pair<int, int>>> SheetPages(const PlannedPlate& p) {
    std::vector<std::pair<int, std::pair<int, int>>> out;
    int page = p.firstPage;
    for (int r = 0; r < p.tiling.rows; ++r)
        for (int c = 0; c < p.tiling.cols; ++c)
            if (p.tiling.isPrinted(r, c)) out.push_back({++page, {r, c}});
    return out;
}

inline double SegmentDistance(double px, double py, double ax, double ay, double bx, double by,
                              double* along = nullptr) {
    const double dx = bx - ax, dy = by - ay, len2 = dx * dx + dy * dy;
    double t = len2 > 0 ? ((px - ax) * dx + (py - ay) * dy) / len2 : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    if (along) *along = t;
    return std::hypot(px - ax - t * dx, py - ay - t * dy);
}

// Distance (m) from a flat point to the plate's closed outline.
inline double OutlineDistance(const TemplatePlate& plate, const FlatPoint& p) {
    const std::vector<FlatPoint> o = PlateOutline(plate);
    double best = HUGE_VAL;
    for (std::size_t i = 0; i + 1 < o.size(); ++i)
        best = std::min(best, SegmentDistance(p.x, p.y, o[i].x, o[i].y, o[i + 1].x, o[i + 1].y));
    return best;
}

}  // namespace voriel::test
