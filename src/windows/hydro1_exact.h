// The hydrostatics window's panel of exact figures: the same floating condition computed on the
// true hull surface, shown beside the window's own results.
#pragma once

#include <QGroupBox>
#include <array>
#include <cstdint>
#include <vector>

#include "hydro/exact_hydrostatics.h"

class QLabel;
class QPushButton;

namespace voriel {

// One figure of the panel: its value label is "Exact_<name>", its caption label
// "ExactLabel_<name>" (captions in the window's table), printed with `decimals` and `unit`.
struct ExactRow {
    const char* name;
    int decimals;
    const char* unit;
    double (*value)(const ExactCondition&);
    bool gapBefore;  // a little space above: the rows come in groups
};

// Every row of the panel, in the order shown.
extern const std::array<ExactRow, 23> kExactRows;

// The text of a figure as the panel shows it: fixed decimals, "." as the decimal point.
QString ExactValueText(const ExactRow& row, const ExactCondition& c);

// The panel ("ExactFrame"): the figures, a status line ("ExactStatus": afloat, the deck edge
// under water, nothing immersed, the hull under water), a note on what the figures are
// ("ExactNote") and the button that opens the curves window ("Courbes").
class ExactPanel : public QGroupBox {
public:
    explicit ExactPanel(QWidget* parent);

    // The figures of the condition and its status in the language (0 French, else English).
    void showCondition(const ExactCondition& c, int16_t language);
    // Nothing computed (the window refused its entries): every figure blank.
    void clear();

    QPushButton* curvesButton() const { return curves_; }

private:
    std::vector<QLabel*> values_;
    QLabel* status_ = nullptr;
    QPushButton* curves_ = nullptr;
};

}  // namespace voriel
