// The lines printed on their sheets: plan, profile and body plan with the print transform.
#include "board/print_lines_views.h"

namespace voriel {

namespace {

constexpr int kLast = kPointCount - 1;  // forward end

float planY(const PrintTransform& t, const Hull& h, int j, int p) {
    return PrintPlanY(t, h.LineY[j][p]);
}
float profileY(const PrintTransform& t, const Hull& h, int j, int p) {
    return PrintProfileY(t, h.LineZ[j][p]);
}

// Line j through its points 0..82, y from one of the views.
template <typename ViewY>
void polyline(const PrintJob& job, Canvas& c, int j, ViewY viewY) {
    const PrintTransform& t = job.transform;
    const Hull& h = job.hull;
    c.moveTo(PrintX(t, h.LineX[j][0]), viewY(t, h, j, 0));
    for (int p = 1; p < kPointCount; ++p) c.lineTo(PrintX(t, h.LineX[j][p]), viewY(t, h, j, p));
}

// The edge between the ends (point p) of lines j - 1 and j in the plan.
void planEdge(const PrintJob& job, Canvas& c, int j, int p) {
    const PrintTransform& t = job.transform;
    const Hull& h = job.hull;
    c.line(PrintX(t, h.LineX[j - 1][p]), planY(t, h, j - 1, p), PrintX(t, h.LineX[j][p]),
           planY(t, h, j, p));
}

}  // namespace

void PrintPlanView(const PrintJob& job, int stage, Canvas& c) {
    const Hull& h = job.hull;
    c.setStyle(LineStyle::Solid);
    if (stage == 0) {
        c.setColor(h.LineColor[0]);
        for (const int j : {Keel, Chine1}) polyline(job, c, j, planY);
    } else if (stage == 1) {
        for (int j = Chine2; j <= Sheer; ++j) {
            c.setColor(h.LineColor[j - 1]);
            polyline(job, c, j, planY);
            if (h.TransomTurnIn[j - 1] != h.TransomTurnIn[j] || j == Sheer) planEdge(job, c, j, 0);
            if (h.StemTurnIn[j - 1] != h.StemTurnIn[j] || j == Sheer) planEdge(job, c, j, kLast);
        }
    }
}

void PrintProfileView(const PrintJob& job, int stage, Canvas& c) {
    const Hull& h = job.hull;
    const PrintTransform& t = job.transform;
    c.setStyle(LineStyle::Solid);
    if (stage == 0) {
        c.setColor(h.LineColor[0]);
        for (const int j : {Keel, Chine1}) polyline(job, c, j, profileY);
    } else if (stage == 1) {
        for (int j = Chine2; j <= Sheer; ++j) {
            c.setColor(h.LineColor[j - 1]);
            c.moveTo(PrintX(t, h.LineX[j - 1][0]), profileY(t, h, j - 1, 0));
            for (int p = 0; p < kPointCount; ++p)
                c.lineTo(PrintX(t, h.LineX[j][p]), profileY(t, h, j, p));
            c.lineTo(PrintX(t, h.LineX[j - 1][kLast]), profileY(t, h, j - 1, kLast));
        }
    }
}

void PrintBodyPlan(const PrintJob& job, int stage, Canvas& c) {
    if (stage != 0 && stage != 1) return;
    const Hull& h = job.hull;
    const BoardState& b = job.board;
    const PrintTransform& t = job.transform;
    c.setColor(h.LineColor[0]);
    c.setStyle(LineStyle::Solid);
    const int last = stage == 0 ? 10 : kSectionPointCount - 1;
    const auto section = [&](int p, double side) {
        const auto &y = b.StationPtY[p], &z = b.StationPtZ[p];
        c.moveTo(PrintBodyPlanSheetX(t, side * y[0]), PrintProfileY(t, z[0]));
        for (int j = 1; j <= last; ++j)
            c.lineTo(PrintBodyPlanSheetX(t, side * y[j]), PrintProfileY(t, z[j]));
    };
    // Aft sections right of the centre line, forward ones left of it.
    section(0, 1.0);
    for (int p = 5; p <= 41; p += 4) section(p, 1.0);
    for (int p = 45; p <= 81; p += 4) section(p, -1.0);
    section(kLast, -1.0);
}

}  // namespace voriel
