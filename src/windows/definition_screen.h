// What the two hull definition screens share: the Valider button, showing over the board, filling
// when activated, and validating on Valider, on leaving the screen and on closing it.
#pragma once

#include <QObject>
#include <functional>
#include <optional>

#include "hull/definition_screens.h"
#include "windows/leaving_watch.h"

class QBoxLayout;
class QPushButton;
class QWidget;

namespace voriel {

class AppWindows;

// The parts each screen does its own way.
struct DefinitionSteps {
    std::function<void()> setCaptions;
    std::function<void()> fill;  // the boxes from the hull
    // Reads the boxes into the hull and shows them as read (decimal commas become points,
    // refused or not); the refused entry, if any.
    std::function<std::optional<EntryError>()> take;
    std::function<void()> validated;  // tells the board
};

// Owned by the screen's window, whose activation, hiding and closing it watches.
class DefinitionScreen : public QObject {
public:
    DefinitionScreen(QWidget& window, AppWindows& windows, DefinitionSteps steps);

    // The default Valider button, right-aligned on its own row of `layout`.
    void addValider(QBoxLayout& layout);

    // Captions for the language, the boxes filled from the hull, shown over the board.
    void activate();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Valider: true when the hull took the entries (the screen is then hidden and the board
    // told); false when an entry was refused (its box marked, its message shown, the screen kept).
    bool validate();
    void fill();
    void leave();

    QWidget& window_;
    AppWindows& windows_;
    DefinitionSteps steps_;
    QPushButton* valider_ = nullptr;
    LeavingWatch leaving_;
    bool filled_ = false;  // the boxes hold the hull (or the builder's typing) since last shown
    bool busy_ = false;    // validating: a message box taking the focus is no leave
    bool placed_ = false;  // put over the board once; afterwards where the builder moves it
};

}  // namespace voriel
