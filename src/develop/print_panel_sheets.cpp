// The developed panels printed full size to the print scale, one panel per page.
#include "develop/print_panel_sheets.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "board/print_frame.h"
#include "develop/end_plates.h"
#include "develop/panel_development.h"
#include "develop/print_dev_tables.h"
#include "text/number_text.h"

namespace voriel {

namespace {

// The nearest 16-bit integer, halves to even, as a printer coordinate offset.
double Round16(double v) {
    return std::clamp(RoundHalfEven(v), -32768.0, 32767.0);
}

void label(Canvas& c, float x, float y, const std::string& text) {
    c.moveTo(x, y);
    PrintTextLine(c, text);
}

// One sheet of the panel: y = PrintOriginY + side*(100 + PrintScaleY*Y), side +1 or -1.
void panelSheet(const PrintTransform& t, const Development& d, int m, double side, Canvas& c) {
    const auto x = [&t](double v) {
        return static_cast<float>(t.PrintScaleX * v + t.PrintOriginX);
    };
    const auto y = [&t, side](double v) {
        return static_cast<float>(t.PrintOriginY + side * (100 + t.PrintScaleY * v));
    };
    const int last = d.last;
    c.moveTo(x(d.DevXi[0]), y(d.DevYi[0]));
    for (int j = 1; j <= last; ++j) c.lineTo(x(d.DevXi[j]), y(d.DevYi[j]));
    c.lineTo(x(d.DevXs[last]), y(d.DevYs[last]));
    c.moveTo(x(d.DevXi[0]), y(d.DevYi[0]));
    for (int j = 0; j <= last; ++j) c.lineTo(x(d.DevXs[j]), y(d.DevYs[j]));
    if (m >= 0 && m <= last) {
        c.setStyle(LineStyle::Dotted);
        c.line(x(d.DevXi[m]), y(d.DevYi[m]), x(d.DevXs[m]), y(d.DevYs[m]));
        c.setStyle(LineStyle::Solid);
    }
}

// An end plate: both halves from the keel at printer x0 round to the keel again, and the line
// across at chine 2.
void endPlate(const PrintTransform& t, const EndPlateDev& d, double x0, Canvas& c) {
    const auto x = [&t, x0](double slant) {
        return static_cast<float>(t.PrintScaleX * slant + x0);
    };
    const auto y = [&t](double half) {
        return static_cast<float>(t.PrintScaleY * half + t.PrintOriginY);
    };
    const auto yOther = [&t](double half) {
        return static_cast<float>(t.PrintOriginY - t.PrintScaleY * half);
    };
    c.moveTo(static_cast<float>(x0), t.PrintOriginY);
    for (int j = 0; j < kSectionPointCount; ++j) c.lineTo(x(d[j].slant), y(d[j].half));
    for (int j = kSectionPointCount - 1; j >= 1; --j) c.lineTo(x(d[j].slant), yOther(d[j].half));
    c.lineTo(static_cast<float>(x0), t.PrintOriginY);
    c.line(x(d[11].slant), y(d[11].half), x(d[11].slant), yOther(d[11].half));
}

// The hull section at the max-beam station k, its height along the page's x from printer x0.
void maxBeamSection(const PrintJob& job, int k, double s, Canvas& c) {
    const Hull& h = job.hull;
    const PrintTransform& t = job.transform;
    const double x0 = s + t.PrintOriginX;
    label(c, static_cast<float>(x0), 1200.0f, " station Bmax");
    label(c, static_cast<float>(x0), 1400.0f, " x=" + Format(h.LineX[Keel][k], "0.000"));
    const auto x = [&](int m) { return static_cast<float>(t.PrintScaleX * h.LineZ[m][k] + x0); };
    const auto y = [&](int m) {
        return static_cast<float>(t.PrintScaleY * h.LineY[m][k] + t.PrintOriginY);
    };
    const auto yOther = [&](int m) {
        return static_cast<float>(t.PrintOriginY - t.PrintScaleY * h.LineY[m][k]);
    };
    c.moveTo(x(0), y(0));
    for (int m = 1; m <= Sheer; ++m) c.lineTo(x(m), y(m));
    for (int m = Sheer; m >= 0; --m) c.lineTo(x(m), yOther(m));
}

void reachPanel(const Development& d, SheetReach& r) {
    for (int j = 0; j <= d.last && j < kDevPointCount; ++j) {
        r.length = std::max({r.length, d.DevXi[j], d.DevXs[j]});
        r.width = std::max({r.width, std::fabs(d.DevYi[j]), std::fabs(d.DevYs[j])});
    }
}

void reachEndPlate(const EndPlateDev& d, double start, SheetReach& r) {
    for (const SlantPoint& p : d) {
        r.length = std::max(r.length, start + p.slant);
        r.width = std::max(r.width, std::fabs(p.half));
    }
}

}  // namespace

SheetReach DevelopmentSheetsReach(const Hull& h, const BoardState& board) {
    SheetReach r;
    reachPanel(DevelopPanel(h, Panel::Bottom), r);
    if (board.ChineView != 1) return r;
    for (const Panel p : {Panel::Plank1, Panel::Plank2, Panel::Plank3})
        reachPanel(DevelopPanel(h, p), r);
    const EndPlateDev transom = ComputeTransomDev(board);
    reachEndPlate(transom, 0.0, r);
    const int k = h.MaxBeamIndex;
    if (k >= 0 && k < kPointCount) {
        const double keelAt =
            transom[kSectionPointCount - 1].slant - h.LineZ[Keel][k] + 0.1 * h.XFwd[Keel];
        for (int m = Keel; m <= Sheer; ++m) r.length = std::max(r.length, keelAt + h.LineZ[m][k]);
    }
    if (HasBowPlate(h)) reachEndPlate(ComputeBowPlateDev(board), 0.75 * h.XFwd[Keel], r);
    return r;
}

void PrintPanelDev(const PrintJob& job, int k, const Development& dev, Canvas& c) {
    const Hull& h = job.hull;
    c.setStyle(LineStyle::Solid);
    c.setColor(h.LineColor[std::clamp(k, 0, kLineCount - 1)]);
    const bool french = h.Language == 0;
    c.moveTo(100.0f, 900.0f);
    if (k == 0)
        PrintTextLine(c, french ? " Fond" : " Bottom");
    else
        PrintTextLine(c, PrintLine().text(french ? " Bordé" : " Side plank").number(k));
    if (dev.last < 0) return;
    panelSheet(job.transform, dev, h.MaxBeamIndex, 1.0, c);
    panelSheet(job.transform, dev, h.MaxBeamIndex, -1.0, c);
}

void PrintTransomDev(const PrintJob& job, Canvas& c) {
    const Hull& h = job.hull;
    const PrintTransform& t = job.transform;
    const bool french = h.Language == 0;
    const double x0 = Round16(-t.PrintOriginX / 3) + t.PrintOriginX;
    c.setColor(h.LineColor[Keel]);
    label(c, static_cast<float>(x0), 1200.0f, french ? " Tableau" : " Transom");

    c.setColor(h.LineColor[Chine1]);
    c.setStyle(LineStyle::Solid);
    const EndPlateDev transom = ComputeTransomDev(job.board);
    endPlate(t, transom, x0, c);

    const int k = h.MaxBeamIndex;
    double labelsEnd = x0 + c.textWidth(french ? " Tableau" : " Transom");
    if (k >= 0 && k < kPointCount) {
        const double s = Round16(
            (transom[kSectionPointCount - 1].slant - h.LineZ[Keel][k] + 0.1 * h.XFwd[Keel]) *
            t.PrintScaleX);
        maxBeamSection(job, k, s, c);
        labelsEnd = s + t.PrintOriginX + c.textWidth(" station Bmax");
    }

    if (!HasBowPlate(h)) return;
    const EndPlateDev bow = ComputeBowPlateDev(job.board);
    c.setColor(h.LineColor[Chine1]);
    const double xb =
        Round16(static_cast<float>(h.XFwd[Keel] * 3 / 4 * t.PrintScaleX)) + t.PrintOriginX;
    // Where the bow plate stands close to the section, its label goes under the section's two
    // lines rather than into the station's label.
    const float y = xb < labelsEnd ? 1680.0f : 1200.0f;
    label(c, static_cast<float>(xb), y, french ? " Marotte" : " Pram bow");
    endPlate(t, bow, xb, c);
}

void PrintDevelopmentPages(const PrintJob& job, PrintView view, bool tables, Canvas& c) {
    const Development bottom = DevelopPanel(job.hull, Panel::Bottom);
    PrintViewFrame(job, view, c);
    PrintPanelDev(job, 0, bottom, c);
    if (tables) PrintDevTable(job, 0, bottom, c);
    if (job.board.ChineView != 1) return;
    for (int k = 1; k <= 3; ++k) {
        StartNewPage(c);
        const Development plank = DevelopPanel(job.hull, static_cast<Panel>(k));
        PrintViewFrame(job, view, c);
        PrintPanelDev(job, k, plank, c);
        if (tables) PrintDevTable(job, k, plank, c);
    }
    StartNewPage(c);
    PrintViewFrame(job, view, c);
    PrintTransomDev(job, c);
    if (tables) PrintTransomTable(job, c);
}

}  // namespace voriel
