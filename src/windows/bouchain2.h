// The chines-2/3 screen: heights and plank inclinations of chine 2, chine 3 and the sheer, and
// whether the stem and transom turn in above chines 2 and 3.
#pragma once

#include <QWidget>
#include <array>

#include "hull/definition_screens.h"
#include "windows/definition_screen.h"

class QCheckBox;
class QLineEdit;

namespace voriel {

class AppWindows;

class Bouchain2 : public QWidget {
public:
    explicit Bouchain2(AppWindows& windows);

    // Captions for the language, the boxes and check boxes filled from the hull, shown over the
    // board.
    void activate() { screen_.activate(); }

private:
    void setCaptions();
    Chines23Screen screenAsShown() const;
    void showScreen(const Chines23Screen& s);
    void clickTurnIn(bool stem, int k, bool ticked);
    std::optional<EntryError> take();  // as DefinitionSteps::take

    AppWindows& windows_;
    std::array<std::array<QLineEdit*, 4>, 3> boxes_{};  // [column: chine 2, chine 3, sheer][row]
    std::array<QCheckBox*, 4> chkMarotte_{};            // indices 2, 3
    std::array<QCheckBox*, 4> chkTableau_{};            // indices 2, 3
    DefinitionScreen screen_;
};

}  // namespace voriel
