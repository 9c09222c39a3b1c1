// The start window: language, Begin, Quit, and the default hull on every showing.
#include "windows/lancement.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

#include "windows/app_windows.h"
#include "windows/caption_table.h"
#include "windows/dessin.h"

namespace voriel {

namespace {

const Caption kCaptions[] = {
    {"window", " Bienvenue sur Voriel 2000  version: 16 June 2000",
     " Welcome to Voriel 2000  version: 16 June 2000"},
    {"CREATE", "Débuter", "Begin"},
    {"CANCEL", "Terminer", "Quit"},
    {"Label1", "Voriel 2000", "Voriel 2000"},
    {"Label3", "", ""},
};

}  // namespace

Lancement::Lancement(AppWindows& windows) : windows_(windows) {
    setObjectName(QStringLiteral("lancement"));
    setWindowTitle(QStringLiteral("Voriel 2000"));

    label1_ = new QLabel(QStringLiteral("Voriel 2000"), this);
    label1_->setObjectName(QStringLiteral("Label1"));
    QFont big = label1_->font();
    big.setPointSizeF(big.pointSizeF() * 2.2);
    big.setBold(true);
    label1_->setFont(big);
    label1_->setAlignment(Qt::AlignCenter);

    label2_ = new QLabel(QStringLiteral("Hard-chine hull design  ·  Coques à bouchains"), this);
    label2_->setObjectName(QStringLiteral("subtitle"));
    label2_->setAlignment(Qt::AlignCenter);
    label3_ = new QLabel(this);
    label3_->setObjectName(QStringLiteral("Label3"));
    label3_->setAlignment(Qt::AlignCenter);

    auto* group = new QButtonGroup(this);
    const char* names[2] = {"Language_0", "Language_1"};
    const char* captions[2] = {"Français", "English"};
    auto* languages = new QHBoxLayout;
    languages->addStretch();
    for (int i = 0; i < 2; ++i) {
        language_[i] = new QRadioButton(QString::fromUtf8(captions[i]), this);
        language_[i]->setObjectName(QString::fromLatin1(names[i]));
        group->addButton(language_[i], i);
        languages->addWidget(language_[i]);
        languages->addSpacing(24);
        connect(language_[i], &QRadioButton::clicked, this,
                [this, i] { chooseLanguage(static_cast<int16_t>(i)); });
    }
    languages->addStretch();

    create_ = new QPushButton(QStringLiteral("DEBUTER, begin"), this);
    create_->setObjectName(QStringLiteral("CREATE"));
    create_->setDefault(true);
    cancel_ = new QPushButton(QStringLiteral("TERMINER, end"), this);
    cancel_->setObjectName(QStringLiteral("CANCEL"));
    for (QPushButton* b : {create_, cancel_}) b->setMinimumWidth(140);
    connect(create_, &QPushButton::clicked, this, [this] { begin(); });
    connect(cancel_, &QPushButton::clicked, this, [] { QApplication::quit(); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(create_);
    buttons->addSpacing(16);
    buttons->addWidget(cancel_);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(32, 24, 32, 24);
    layout->setSpacing(14);
    layout->addWidget(label1_);
    layout->addWidget(label2_);
    layout->addSpacing(8);
    layout->addLayout(languages);
    layout->addWidget(label3_);
    layout->addLayout(buttons);
    setMinimumWidth(460);

    // Loading the window sets the default hull.
    SetDefaultHull(windows_.doc().hull);
    adjustSize();
    centreOnScreen();
}

void Lancement::activate() {
    SetDefaultHull(windows_.doc().hull);
    setCaptions();
    show();
    raise();
    activateWindow();
}

// Every activation goes back to the default hull, so that Begin after a return starts afresh.
void Lancement::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        SetDefaultHull(windows_.doc().hull);
        setCaptions();
    }
}

void Lancement::closeEvent(QCloseEvent* event) {
    event->accept();
    QApplication::quit();
}

void Lancement::chooseLanguage(int16_t language) {
    windows_.doc().hull.Language = language;
    languageChosen_ = true;
    setCaptions();
}

void Lancement::setCaptions() {
    if (!languageChosen_) return;  // the bilingual captions stay until a language is picked
    const int16_t language = windows_.doc().hull.Language;
    ApplyCaptions(*this, kCaptions, language);
    language_[language == 0 ? 0 : 1]->setChecked(true);
}

void Lancement::begin() {
    windows_.dessin().begin();
    hide();
}

void Lancement::centreOnScreen() {
    const QScreen* s = screen();
    if (s == nullptr) return;
    const QRect area = s->availableGeometry();
    move(area.center() - QPoint(width() / 2, height() / 2));
}

}  // namespace voriel
