// The charts of the curves window, built from the core's curves: six curves of form against the
// draft and the GZ curve. The same builders serve the screen and the printed pages.
#pragma once

#include <QPointF>
#include <QString>
#include <array>
#include <cstdint>
#include <vector>

#include "hydro/curves_of_form.h"
#include "hydro/stability.h"

class QChart;

namespace voriel {

// One curve of form: its chart view is named "Chart_<name>"; the title carries the unit.
struct FormCurve {
    const char* name;
    const char* french;
    const char* english;
    const char* labelFormat;  // printf pattern of the value axis's labels
    bool fromZero;            // the value axis starts at 0 (quantities that grow from nothing)
    double (*value)(const FormLevel&);
};

// Displacement, KB, KMt, LCF, waterplane area and wetted surface, in the order shown.
extern const std::array<FormCurve, 6> kFormCurves;

// The curve's points (draft in m, value) at the levels that float.
std::vector<QPointF> FormCurvePoints(const FormCurve& curve, const std::vector<FormLevel>& levels);

// (heel in degrees, GZ in m) at the angles that floated.
std::vector<QPointF> GzPoints(const CrossCurves& cross, const GzCurve& gz);

// A chart of one curve of form against the draft, titled in the language (0 French, else
// English); its one series holds FormCurvePoints.
QChart* MakeFormChart(const FormCurve& curve, const std::vector<FormLevel>& levels,
                      int16_t language);

// The GZ curve (series "GZ", GzPoints) from 0 to 90 degrees with the zero line, its greatest
// value and its vanishing angle marked, and the angles at which the deck edge is under water.
// Without cross curves (nothing floats) only the axes.
QChart* MakeGzChart(const CrossCurves& cross, const GzCurve& gz, int16_t language);

// The lines under the GZ chart: the condition (displacement, trim, KG), the greatest GZ and its
// angle, the angle of vanishing stability, the areas to 30 and 40 degrees, where the deck edge
// goes under water.
QString GzFiguresText(const CrossCurves& cross, const GzCurve& gz, int16_t language);

}  // namespace voriel
