// The definition screens' shared machinery: Valider, activation, and validation on Valider, on
// leaving and on closing.
#include "windows/definition_screen.h"

#include <QBoxLayout>
#include <QCloseEvent>
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
      leaving_(window, [this] { leave(); }) {}

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

void DefinitionScreen::changed(const QEvent& event) {
    if (event.type() == QEvent::ActivationChange && window_.isActiveWindow()) {
        steps_.setCaptions();
        if (!filled_) fill();
    }
}

void DefinitionScreen::hidden() {
    filled_ = false;
    leaving_.reset();
}

void DefinitionScreen::closing(QCloseEvent& event) {
    if (busy_ || !window_.isVisible() || validate()) {
        event.accept();
    } else {
        event.ignore();
    }
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
