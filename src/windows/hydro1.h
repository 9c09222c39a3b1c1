// The hydrostatics window: displacement or waterline height in, waterline, trim, waterplane and
// centre of buoyancy out, with the immersion diagnosis; the exact figures of the true hull beside
// them, and the way to the curves window.
#pragma once

#include <QWidget>
#include <array>
#include <optional>

#include "hull/definition_screens.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace voriel {

class AppWindows;
class ExactPanel;

class Hydro1 : public QWidget {
public:
    explicit Hydro1(AppWindows& windows);

    // Captions for the language, the activation's computation, shown.
    void activate();
    // The mass budget has put its total in the displacement box and chosen the displacement
    // mode: show that, and compute again when shown.
    void massHandedOver();

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // What asked for the computation: the builder's own action shows a refused entry in a
    // message box; an activation or a deactivation shows it in the diagnosis box only.
    enum class Trigger { Action, Passive };

    void setCaptions();
    void runActivation();
    void optionClicked(int index);
    void calcul1(Trigger trigger);
    void quit();
    void readBoxes();
    void showBoxes();
    void showResults(const std::optional<EntryError>& err, Trigger trigger);

    AppWindows& windows_;
    std::array<QLineEdit*, 2> text1_{};
    QLineEdit* text3_ = nullptr;
    std::array<QRadioButton*, 2> option1_{};
    QPushButton* calcul1_ = nullptr;
    QPushButton* fin2_ = nullptr;
    QLabel* diagnosis_ = nullptr;  // Label2(0)
    QLabel* results_ = nullptr;    // Label2(1)
    ExactPanel* exact_ = nullptr;  // the exact figures beside the results
    bool busy_ = false;            // computing or showing a message: focus changes are ours
    bool placed_ = false;
};

}  // namespace voriel
