// The mass-budget window: plates, decks, bulkheads and loads summed into a total mass and a
// centre of gravity, handed to the hydrostatics.
#pragma once

#include <QWidget>
#include <array>
#include <optional>

#include "hull/definition_screens.h"
#include "hydro/mass_budget.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace voriel {

class AppWindows;

class Mass1 : public QWidget {
public:
    explicit Mass1(AppWindows& windows);

    // Captions for the language, the table refilled from the kept values and computed, shown.
    void activate();

protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Trigger { Action, Passive };  // as in the hydrostatics window

    void setCaptions();
    // ComputeMassBudget on the boxes as typed; true when the entries were taken.
    bool compute(Trigger trigger);
    // Compute, then the total handed to the hydrostatics.
    void calcul1(Trigger trigger);
    void readTable();
    void showTable();
    void showRefused(const std::optional<EntryError>& err, Trigger trigger);

    AppWindows& windows_;
    std::array<std::array<QLineEdit*, kMassRows>, 4> boxes_{};  // [Text1..Text4][row]
    std::array<std::array<bool, kMassRows>, 4> input_{};        // green boxes
    QPushButton* calcul1_ = nullptr;
    QLabel* status_ = nullptr;  // a refused entry found on leaving a box or the window
    bool busy_ = false;
    bool placed_ = false;
};

}  // namespace voriel
