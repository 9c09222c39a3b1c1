// The chine-1 screen: LWL, beam, chine-1 heights and shape, deadrise, keel and end inclinations.
#pragma once

#include <QWidget>
#include <array>

#include "hull/definition_screens.h"
#include "windows/definition_screen.h"

class QLineEdit;

namespace voriel {

class AppWindows;

class Bouchain1 : public QWidget {
public:
    explicit Bouchain1(AppWindows& windows);

    // Captions for the language, the boxes filled from the hull, shown over the board.
    void activate() { screen_.activate(); }

private:
    void setCaptions();
    void showScreen(const Chine1Screen& s);
    void applyStemRule();
    std::optional<EntryError> take();  // as DefinitionSteps::take

    AppWindows& windows_;
    std::array<QLineEdit*, 7> text1_{};
    std::array<QLineEdit*, 8> text2_{};
    DefinitionScreen screen_;
};

}  // namespace voriel
