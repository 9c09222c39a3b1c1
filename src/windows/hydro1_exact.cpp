// The panel of exact figures beside the hydrostatics window's results.
#include "windows/hydro1_exact.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <string>

#include "text/number_text.h"

namespace voriel {

namespace {

constexpr double kDegreesPerRadian = 180 / 3.14159265358979323846;

using C = const ExactCondition&;

QLabel* namedLabel(QWidget* parent, const QString& name) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    return label;
}

void setBackground(QLabel& label, const QColor& colour) {
    QPalette p = label.palette();
    p.setColor(QPalette::Window, colour);
    p.setColor(QPalette::WindowText, Qt::black);
    label.setPalette(p);
}

struct StatusText {
    const char* french;
    const char* english;
    QColor colour;
};

// The diagnosis colours of the window: calm cyan, pink for the deck, yellow dry, red sinking.
StatusText statusOf(const ExactCondition& c) {
    switch (c.status) {
        case ExactStatus::Dry:
            return {"Rien n'est immergé", "Nothing is under water", QColor(255, 255, 128)};
        case ExactStatus::Submerged:
            return {"ATTENTION : la coque est entièrement sous l'eau, elle coule !",
                    "WARNING: the whole hull is under water, she sinks!", QColor(255, 0, 0)};
        case ExactStatus::Afloat:
            break;
    }
    if (c.figures.deckImmersed)
        return {"ATTENTION : le livet est immergé !", "WARNING: the deck edge is under water!",
                QColor(255, 192, 192)};
    return {"À flot, le livet hors de l'eau", "Afloat, the deck edge clear of the water",
            QColor(192, 255, 255)};
}

}  // namespace

const std::array<ExactRow, 23> kExactRows = {{
    {"waterlineZ", 3, "m", [](C c) { return c.waterlineZ; }, false},
    {"pitch", 1, "°", [](C c) { return c.pitch * kDegreesPerRadian; }, false},
    {"volume", 3, "m³", [](C c) { return c.figures.volume; }, true},
    {"displacementFresh", 0, "kg", [](C c) { return c.figures.displacementFresh; }, false},
    {"displacementSea", 0, "kg", [](C c) { return c.figures.displacementSea; }, false},
    {"waterlineLength", 3, "m", [](C c) { return c.figures.waterlineLength; }, true},
    {"waterlineBeam", 3, "m", [](C c) { return c.figures.waterlineBeam; }, false},
    {"draft", 3, "m", [](C c) { return c.figures.draft; }, false},
    {"waterplaneArea", 3, "m²", [](C c) { return c.figures.waterplaneArea; }, false},
    {"LCF", 3, "m", [](C c) { return c.figures.LCF; }, false},
    {"buoyancyX", 3, "m", [](C c) { return c.figures.buoyancy[0]; }, true},
    {"buoyancyY", 3, "m", [](C c) { return c.figures.buoyancy[1]; }, false},
    {"buoyancyZ", 3, "m", [](C c) { return c.figures.buoyancy[2]; }, false},
    {"KB", 3, "m", [](C c) { return c.figures.KB; }, true},
    {"BMt", 3, "m", [](C c) { return c.figures.BMt; }, false},
    {"BMl", 3, "m", [](C c) { return c.figures.BMl; }, false},
    {"KMt", 3, "m", [](C c) { return c.figures.KMt; }, false},
    {"KMl", 3, "m", [](C c) { return c.figures.KMl; }, false},
    {"Cb", 3, "", [](C c) { return c.figures.Cb; }, true},
    {"Cp", 3, "", [](C c) { return c.figures.Cp; }, false},
    {"Cm", 3, "", [](C c) { return c.figures.Cm; }, false},
    {"Cwp", 3, "", [](C c) { return c.figures.Cwp; }, false},
    {"wettedSurface", 3, "m²", [](C c) { return c.figures.wettedSurface; }, true},
}};

QString ExactValueText(const ExactRow& row, const ExactCondition& c) {
    const std::string pattern = row.decimals > 0 ? "0." + std::string(row.decimals, '0') : "0";
    return QString::fromStdString(Format(row.value(c), pattern));
}

ExactPanel::ExactPanel(QWidget* parent) : QGroupBox(parent) {
    setObjectName(QStringLiteral("ExactFrame"));
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(1);
    grid->setColumnStretch(0, 1);
    int line = 0;
    for (const ExactRow& row : kExactRows) {
        const QString name = QString::fromLatin1(row.name);
        if (row.gapBefore) grid->setRowMinimumHeight(line++, 6);
        grid->addWidget(namedLabel(this, QStringLiteral("ExactLabel_") + name), line, 0);
        QLabel* value = namedLabel(this, QStringLiteral("Exact_") + name);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        value->setMinimumWidth(
            value->fontMetrics().horizontalAdvance(QStringLiteral("000000.000")));
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        values_.push_back(value);
        grid->addWidget(value, line, 1);
        grid->addWidget(new QLabel(QString::fromUtf8(row.unit), this), line++, 2);
    }

    status_ = namedLabel(this, QStringLiteral("ExactStatus"));
    status_->setAutoFillBackground(true);
    status_->setFrameShape(QFrame::Panel);
    status_->setFrameShadow(QFrame::Sunken);
    status_->setMargin(4);
    status_->setWordWrap(true);
    QFont bold = status_->font();
    bold.setBold(true);
    status_->setFont(bold);
    QLabel* note = namedLabel(this, QStringLiteral("ExactNote"));
    note->setWordWrap(true);
    curves_ = new QPushButton(this);
    curves_->setObjectName(QStringLiteral("Courbes"));
    curves_->setMinimumWidth(120);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(status_);
    layout->addLayout(grid);
    layout->addWidget(note);
    layout->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(curves_);
    layout->addLayout(buttons);
    clear();
}

void ExactPanel::showCondition(const ExactCondition& c, int16_t language) {
    for (std::size_t i = 0; i < kExactRows.size(); ++i)
        values_[i]->setText(ExactValueText(kExactRows[i], c));
    const StatusText s = statusOf(c);
    status_->setText(QString::fromUtf8(language == 0 ? s.french : s.english));
    setBackground(*status_, s.colour);
}

void ExactPanel::clear() {
    for (QLabel* value : values_) value->setText(QString());
    status_->setText(QStringLiteral("  "));
    setBackground(*status_, palette().color(QPalette::Window));
}

}  // namespace voriel
