// The chine-1 screen: LWL, beam, chine-1 heights and shape, deadrise, keel and end inclinations.
#pragma once

#include <QWidget>
#include <array>

#include "windows/leaving_watch.h"

class QLineEdit;
class QPushButton;

namespace voriel {

class AppWindows;

class Bouchain1 : public QWidget {
public:
    explicit Bouchain1(AppWindows& windows);

    // Captions for the language, the boxes filled from the hull, shown over the board.
    void activate();

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void setCaptions();
    void fill();
    void applyStemRule();
    // Valider: true when the hull took the entries (the screen is then hidden and the board
    // told); false when an entry was refused (its message shown, the screen kept).
    bool validate();
    void leave();

    AppWindows& windows_;
    std::array<QLineEdit*, 7> text1_{};
    std::array<QLineEdit*, 8> text2_{};
    QPushButton* valider_ = nullptr;
    LeavingWatch leaving_;
    bool filled_ = false;  // the boxes hold the hull (or the builder's typing) since last shown
    bool busy_ = false;    // validating: a message box taking the focus is no leave
    bool placed_ = false;  // put over the board once; afterwards where the builder moves it
};

}  // namespace voriel
