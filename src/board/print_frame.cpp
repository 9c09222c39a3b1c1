// The frame of a printed sheet: header with hull name, date and page, scale bar and axes.
#include "board/print_frame.h"

#include <algorithm>

namespace voriel {

namespace {

// Heights of the scale bar on the sheet (twips from the top): labels, then ticks down to the bar.
constexpr float kScaleLabelTop = 420.0f;
constexpr float kScaleTickTop = 680.0f;
constexpr float kScaleBarY = 800.0f;
// The axes stop short of the page's edges by these margins (twips).
constexpr float kAxisLeft = 100.0f;
constexpr float kAxisRightMargin = 300.0f;
constexpr float kAxisOverhang = 300.0f;  // how far an axis runs past the figure

void letter(Canvas& c, const std::string& text, float x, float y) {
    c.moveTo(x, y);
    c.textInline(text);
}

void scaleBar(const PrintJob& job, Canvas& c) {
    const PrintTransform& t = job.transform;
    const float right = t.pageWidth - kAxisLeft;
    float end = t.PrintOriginX;
    for (const ScaleTick& tick : ScaleBarTicks(t.PrintScaleX)) {
        const float x = PrintX(t, tick.metres);
        if (x > right) break;
        c.line(x, kScaleTickTop, x, kScaleBarY);
        letter(c, tick.label, x - c.textWidth(tick.label) / 2, kScaleLabelTop);
        end = x;
    }
    c.line(t.PrintOriginX, kScaleBarY, end, kScaleBarY);
    letter(c, " m", end + c.textWidth("0") / 2, kScaleBarY - c.textHeight("m") / 2);
}

// A horizontal axis at printer y from x1 to x2, its letter past the right end.
void horizontalAxis(Canvas& c, float y, float x1, float x2, const std::string& name) {
    c.line(x1, y, x2, y);
    letter(c, name, x2 + c.textWidth("0") / 2, y - c.textHeight(name) / 2);
}

// A vertical axis at printer x from y1 (bottom) up to y2 (top), its letter above the top.
void upAxis(Canvas& c, float x, float y1, float y2, const std::string& name) {
    c.line(x, y1, x, y2);
    letter(c, name, x - c.textWidth(name) / 2, y2 - c.textHeight(name));
}

void axes(const PrintJob& job, PrintView view, Canvas& c) {
    const PrintTransform& t = job.transform;
    const float pageRight = t.pageWidth - kAxisRightMargin;
    const float keel = PrintProfileY(t, t.Zlo) + kAxisOverhang;
    const float top = std::max(kScaleBarY + kAxisOverhang, PrintProfileY(t, t.Zhi) - kAxisOverhang);
    switch (view) {
        case PrintView::DevelopedPlate:
            horizontalAxis(c, t.PrintOriginY, kAxisLeft, pageRight, "X");
            break;
        case PrintView::Plan: {
            horizontalAxis(c, t.PrintOriginY, kAxisLeft, pageRight, "X");
            const float bottom = PrintPlanY(t, t.Yhi) + kAxisOverhang;
            c.line(t.PrintOriginX, t.PrintOriginY - kAxisOverhang, t.PrintOriginX, bottom);
            letter(c, "Y", t.PrintOriginX - c.textWidth("Y") / 2, bottom);
            break;
        }
        case PrintView::Profile:
            horizontalAxis(c, t.PrintOriginZ, kAxisLeft, pageRight, "X");
            upAxis(c, t.PrintOriginX, keel, top, "Z");
            break;
        case PrintView::BodyPlan:
            horizontalAxis(c, t.PrintOriginZ, PrintBodyPlanSheetX(t, -t.Yhi) - kAxisOverhang,
                           PrintBodyPlanSheetX(t, t.Yhi) + kAxisOverhang, "Y");
            upAxis(c, PrintBodyPlanSheetX(t, 0.0), keel, top, "Z");
            break;
    }
}

}  // namespace

std::vector<ScaleTick> ScaleBarTicks(double scale) {
    std::vector<ScaleTick> ticks{{0.0, "0"}};
    if (scale > 5670) ticks.insert(ticks.end(), {{0.1, ".1"}, {0.2, ".2"}});
    const char* const labels[][2] = {{"1", "2"}, {"10", "20"}, {"100", "200"}, {"1000", "2000"}};
    double d = 1.0;
    for (const auto& pair : labels) {
        if (567 / d < scale && scale < 11340 / d)
            ticks.insert(ticks.end(), {{d, pair[0]}, {2 * d, pair[1]}});
        d *= 10;
    }
    if (scale < 1.134) ticks.push_back({10000.0, "10000"});
    std::stable_sort(ticks.begin(), ticks.end(),
                     [](const ScaleTick& a, const ScaleTick& b) { return a.metres < b.metres; });
    return ticks;
}

void PrintViewFrame(const PrintJob& job, PrintView view, Canvas& canvas) {
    const Hull& h = job.hull;
    canvas.setColor(h.LineColor[Keel]);
    canvas.setStyle(LineStyle::Solid);
    canvas.moveTo(100.0f, 100.0f);
    PrintTextLine(canvas, SheetHeader(job, canvas));
    scaleBar(job, canvas);
    canvas.setColor(h.LineColor[Chine3]);
    canvas.setStyle(LineStyle::DashDot);
    axes(job, view, canvas);
    canvas.setStyle(LineStyle::Solid);
}

}  // namespace voriel
