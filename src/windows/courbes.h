// The curves window: the curves of form of the true hull against the draft, and the GZ curve at
// the hydrostatics window's displacement for a KG typed here, printable.
#pragma once

#include <QWidget>
#include <array>
#include <memory>
#include <optional>
#include <vector>

#include "hull/hull.h"
#include "hydro/curves_of_form.h"
#include "hydro/exact_integration.h"
#include "hydro/stability.h"

class QChartView;
class QLabel;
class QLineEdit;
class QPrinter;
class QPushButton;

namespace voriel {

class AppWindows;
class PrintDialogs;

class Courbes : public QWidget {
public:
    explicit Courbes(AppWindows& windows);
    ~Courbes() override;

    // Captions for the language, the curves brought up to date with the hull and the
    // hydrostatics window's displacement, shown.
    void activate();
    // The hydrostatics window computed: when shown, the GZ curve follows its displacement.
    void hydroComputed();
    // The print dialog to use instead of Qt's (tests answer it without a person).
    void setPrintDialogs(PrintDialogs& dialogs);

protected:
    void changeEvent(QEvent* event) override;

private:
    void setCaptions();
    void refresh();
    void updateHull();
    void updateCross();
    void updateGz();
    void showGz();
    void kgEntered();
    void print();
    int16_t language() const;

    AppWindows& windows_;
    std::array<QChartView*, 6> formViews_{};
    QChartView* gzView_ = nullptr;
    QLineEdit* kgBox_ = nullptr;
    QLabel* kgMessage_ = nullptr;
    QLabel* gzFigures_ = nullptr;
    std::unique_ptr<PrintDialogs> qtPrintDialogs_;
    PrintDialogs* printDialogs_ = nullptr;
    std::unique_ptr<QPrinter> printer_;

    // The curves of the hull they were computed for; the hull is traced again only when its
    // geometry changes, the cross curves only when the displacement or the trim does.
    std::optional<Hull> hullOfCurves_;
    ExactHull exact_;
    std::vector<FormLevel> levels_;
    std::optional<std::array<double, 2>> crossFor_;  // volume (m3), pitch (rad)
    CrossCurves cross_;
    std::optional<double> kg_;  // m above K; set from the upright draft until one is typed
    QString kgText_;            // the last entry read, so that leaving the box does not read twice
    GzCurve gz_;
    bool busy_ = false;
};

}  // namespace voriel
