// The definition screens' shared machinery: Valider, activation, and validation on Valider, on
// leaving and on closing.
#include "windows/definition_screen.h"

#include <QBoxLayout>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include "windows/app_windows.h"
#include "windows/entry_box.h"
#include "windows/screen_placement.h"

namespace voriel {

DefinitionScreen::DefinitionScreen(QWidget& window, AppWindows& windows, DefinitionSteps steps)
    : window_(window),
      windows_(windows),
      steps_(std::move(steps)),
      leaving_(window, [this] { leave(); }) {
    window_.installEventFilter(this);
}

void DefinitionScreen::addValider(QBoxLayout& layout) {
    valider_ = new QPushButton(&window_);
    valider_->setObjectName(QStringLiteral("valider"));
    valider_->setDefault(true);
    valider_->setMinimumWidth(120);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(valider_);
    layout.addLayout(buttons);
    QObject::connect(valider_, &QPushButton::clicked, &window_, [this] { validate(); });
}

void DefinitionScreen::activate() {
    steps_.setCaptions();
    fill();
    if (!placed_) {
        window_.adjustSize();
        PlaceOverBoard(window_, windows_);
        placed_ = true;
    }
    window_.show();
    window_.raise();
    window_.activateWindow();
    valider_->setFocus();
}

bool DefinitionScreen::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &window_) return false;
    switch (event->type()) {
        case QEvent::ActivationChange:
            if (window_.isActiveWindow()) {
                steps_.setCaptions();
                if (!filled_) fill();
            }
            break;
        case QEvent::Hide:
            filled_ = false;
            leaving_.reset();
            break;
        case QEvent::Close:
            // Closing the screen leaves it: the entries are validated, and a refused one keeps it
            // open.
            event->setAccepted(busy_ || !window_.isVisible() || validate());
            return true;
        default:
            break;
    }
    return false;
}

bool DefinitionScreen::validate() {
    if (busy_) return false;
    busy_ = true;
    const std::optional<EntryError> err = steps_.take();
    if (err) {
        if (QLineEdit* box = FindBox(window_, err->box)) {
            SetBoxColour(*box, kBoxRefused);
            box->setFocus();
            box->selectAll();
        }
        windows_.dialogs().beep();
        windows_.dialogs().message("Voriel2000 " + FromQ(window_.windowTitle().trimmed()),
                                   err->text(windows_.doc().hull.Language));
        busy_ = false;
        return false;
    }
    busy_ = false;
    window_.hide();
    steps_.validated();
    return true;
}

void DefinitionScreen::fill() {
    steps_.fill();
    filled_ = true;
}

// Leaving the screen validates it; a refused entry brings the screen back to the front.
void DefinitionScreen::leave() {
    if (busy_) return;
    if (!validate()) {
        window_.raise();
        window_.activateWindow();
    }
}

}  // namespace voriel
