// The mass-budget window: the table with its colours, the recomputation on Enter and on leaving a
// box, and Compute handing the total to the hydrostatics.
#include "windows/mass1.h"

#include <QFocusEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "windows/app_windows.h"
#include "windows/caption_table.h"
#include "windows/entry_box.h"
#include "windows/hydro1.h"
#include "windows/screen_placement.h"

namespace voriel {

namespace {

const Caption kCaptions[] = {
    {"window", "  Budget de masse", "  Mass budget"},
    {"Calcul1", "Calculer", "Compute"},
    {"Label1",
     "Entrez les données uniquement dans les cases vertes.\nLes cases roses sont réservées aux "
     "résultats de calcul.\n(Une densité de panneau de 12 kg/m2 correspond à une tole "
     "d'aluminium de 4mm)",
     "Enter data only in the green boxes.\nPink boxes are reserved for computation results.\n"
     "(Panel density of 12 kg/m2 correspond to a 4mm Alumium plate)"},
    {"Label2_1", "Densité de panneau\n(kg/m2)", "Panel density\n(kg/m2)"},
    {"Label2_2", "Surface\n(m2)", "Area\n(m2)"},
    {"Label2_3", "Masse\n(kg)", "Mass\n(kg)"},
    {"Label2_4", "Centre de\nmasse X (m)", "Centre of\nmass X (m)"},
    {"Label3_0", "Total", "Total"},
    {"Label3_1", "Fond", "Bottom"},
    {"Label3_2", "Premier bordé", "First side plank"},
    {"Label3_3", "Deuxième bordé", "Second side plank"},
    {"Label3_4", "Troisème bordé", "third side plank"},
    {"Label3_5", "Tableau arrière", "Transom plate"},
    {"Label3_6", "Marotte", "Pram bow plate"},
    {"Label3_7", "Plancher 1", "Floor 1"},
    {"Label3_8", "Pont 2", "Deck 2"},
    {"Label3_9", "Pont 3", "Deck 3"},
    {"Label3_10", "Pont 4", "Deck 4"},
    {"Label3_11", "Cloison 1", "Bulkhead 1"},
    {"Label3_12", "Cloison 2", "Bulkhead 2"},
    {"Label3_13", "Moteur", "Engine"},
    {"Label3_14", "Lest", "Ballast"},
    {"Label3_15", "Passagers", "Passengers"},
    {"Label3_16", "Materiel 1", "Equipment 1"},
    {"Label3_17", "Materiel 2", "Equipment 2"},
    {"Label3_18", "Matériel 3", "Equipment 3"},
};

// Which boxes the builder types in: densities of rows 1..12, bulkhead areas and positions, and
// the masses and positions of the loads.
bool isInput(int column, int row) {
    switch (column) {
        case 0:
            return row >= 1 && row <= 12;
        case 1:
            return row == 11 || row == 12;
        case 2:
            return row >= 13;
        default:
            return row >= 11;
    }
}

}  // namespace

Mass1::Mass1(AppWindows& windows) : windows_(windows) {
    setObjectName(QStringLiteral("Mass1"));

    auto* label1 = new QLabel(this);
    label1->setObjectName(QStringLiteral("Label1"));
    label1->setWordWrap(true);

    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(2);
    grid->setHorizontalSpacing(6);
    for (int c = 1; c <= 4; ++c) {
        auto* head = new QLabel(this);
        head->setObjectName(QStringLiteral("Label2_%1").arg(c));
        head->setAlignment(Qt::AlignCenter);
        grid->addWidget(head, 0, c);
    }
    // Rows 1..18 in order, then the totals under a rule.
    auto gridRow = [](int row) { return row == 0 ? kMassRows + 2 : row + 1; };
    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    grid->addWidget(rule, kMassRows + 1, 0, 1, 5);
    for (int row = 0; row < kMassRows; ++row) {
        auto* label = new QLabel(this);
        label->setObjectName(QStringLiteral("Label3_%1").arg(row));
        if (row == 0) {
            QFont bold = label->font();
            bold.setBold(true);
            label->setFont(bold);
        }
        grid->addWidget(label, gridRow(row), 0);
        for (int c = 0; c < 4; ++c) {
            QLineEdit* box = MakeBox(this, QStringLiteral("Text%1_%2").arg(c + 1).arg(row), 9);
            input_[c][row] = isInput(c, row);
            SetBoxColour(*box, input_[c][row] ? kBoxInput : kBoxResult);
            box->setReadOnly(!input_[c][row]);
            if (!input_[c][row]) box->setFocusPolicy(Qt::ClickFocus);
            box->installEventFilter(this);
            connect(box, &QLineEdit::returnPressed, this, [this] { compute(Trigger::Action); });
            boxes_[c][row] = box;
            grid->addWidget(box, gridRow(row), c + 1);
        }
    }

    calcul1_ = new QPushButton(this);
    calcul1_->setObjectName(QStringLiteral("Calcul1"));
    calcul1_->setMinimumWidth(120);
    connect(calcul1_, &QPushButton::clicked, this, [this] { calcul1(Trigger::Action); });
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("status"));
    status_->setWordWrap(true);
    QPalette red = status_->palette();
    red.setColor(QPalette::WindowText, QColor(192, 0, 0));
    status_->setPalette(red);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label1);
    layout->addLayout(grid);
    layout->addWidget(status_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(calcul1_);
    layout->addLayout(buttons);
    setCaptions();
}

void Mass1::activate() {
    setCaptions();
    Document& doc = windows_.doc();
    doc.massTable = ActivateMassTable(doc.hull, doc.mass, doc.totals);
    showTable();
    if (!placed_) {
        adjustSize();
        PlaceAtEdge(*this, -1, TwipsToPixels(*this, 200));
        placed_ = true;
    }
    show();
    raise();
    activateWindow();
}

// Activation refills the table from the kept values, unless a refused entry waits there to be
// corrected; leaving the window computes and hands over.
void Mass1::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || busy_) return;
    if (isActiveWindow()) {
        setCaptions();
        if (!status_->text().isEmpty()) return;
        Document& doc = windows_.doc();
        doc.massTable = ActivateMassTable(doc.hull, doc.mass, doc.totals);
        showTable();
    } else if (isVisible()) {
        calcul1(Trigger::Passive);
    }
}

// Leaving a box for another place in the window computes the table again.
bool Mass1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && !busy_) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            compute(Trigger::Passive);
    }
    return QWidget::eventFilter(watched, event);
}

void Mass1::setCaptions() {
    ApplyCaptions(*this, kCaptions, windows_.doc().hull.Language);
}

bool Mass1::compute(Trigger trigger) {
    if (busy_) return false;
    busy_ = true;
    readTable();
    Document& doc = windows_.doc();
    const std::optional<EntryError> err =
        ComputeMassBudget(doc.hull, doc.mass, doc.massTable, doc.totals);
    busy_ = false;
    if (err) {
        // The table keeps what the builder typed, to be corrected.
        showRefused(err, trigger);
        return false;
    }
    showTable();
    return true;
}

void Mass1::calcul1(Trigger trigger) {
    if (!compute(trigger)) return;
    Document& doc = windows_.doc();
    HandMassToHydro(doc.totals, doc.hydro, doc.hydroBoxes);
    windows_.hydro1().massHandedOver();
}

void Mass1::readTable() {
    MassTable& t = windows_.doc().massTable;
    std::array<std::string, kMassRows>* columns[4] = {&t.Text1, &t.Text2, &t.Text3, &t.Text4};
    for (int c = 0; c < 4; ++c)
        for (int row = 0; row < kMassRows; ++row)
            (*columns[c])[row] = FromQ(boxes_[c][row]->text());
}

void Mass1::showTable() {
    const MassTable& t = windows_.doc().massTable;
    const std::array<std::string, kMassRows>* columns[4] = {&t.Text1, &t.Text2, &t.Text3, &t.Text4};
    for (int c = 0; c < 4; ++c) {
        for (int row = 0; row < kMassRows; ++row) {
            QLineEdit* box = boxes_[c][row];
            const QString text = ToQ((*columns[c])[row]);
            if (box->text() != text) box->setText(text);
            SetBoxColour(*box, input_[c][row] ? kBoxInput : kBoxResult);
        }
    }
    status_->clear();
}

void Mass1::showRefused(const std::optional<EntryError>& err, Trigger trigger) {
    const int16_t language = windows_.doc().hull.Language;
    if (QLineEdit* box = FindBox(*this, err->box)) SetBoxColour(*box, kBoxRefused);
    status_->setText(ToQ(err->text(language)));
    if (trigger == Trigger::Action) {
        busy_ = true;
        windows_.dialogs().beep();
        windows_.dialogs().message("Voriel2000 " + FromQ(windowTitle().trimmed()),
                                   err->text(language));
        busy_ = false;
    }
}

}  // namespace voriel
