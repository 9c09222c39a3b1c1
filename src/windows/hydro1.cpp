// The hydrostatics window: captions, the two modes, Compute, the recomputation on activation,
// deactivation and close, the exact figures beside the results, and Quit handing the waterline
// to the drawing board.
#include "windows/hydro1.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "hydro/exact_hydrostatics.h"
#include "hydro/hydrostatics.h"
#include "hydro/immersion_texts.h"
#include "windows/app_windows.h"
#include "windows/caption_table.h"
#include "windows/courbes.h"
#include "windows/dessin.h"
#include "windows/entry_box.h"
#include "windows/hydro1_exact.h"
#include "windows/mass1.h"
#include "windows/screen_placement.h"

namespace voriel {

namespace {

const Caption kCaptions[] = {
    {"window", "  Calcul hydrostatique", "  Hydrostatic computation"},
    {"Label1_0",
     "Utilisez le tableau de calcul du budget de masse ou entrez directement la valeur du "
     "déplacement pour calculer la hauteur de la ligne de flottaison,\npuis cliquez le bouton "
     "'Déplacement'",
     "Use the mass budget screen or enter directly the displacement value to compute the water "
     "level,\nthen click on 'Displacement' button"},
    {"Label1_1",
     "Entrez la hauteur de la ligne de flottaison pour calculer le déplacement,\npuis cliquez le "
     "bouton 'Z ligne flottaison'",
     "Enter the height of the waterline to compute the displacement\nthen click 'Z Waterline' "
     "button."},
    {"Label1_2",
     "Cliquez 'Calcul' pour effectuer le calcul désiré, surveillez les commentaires çi-dessous\n"
     "Les unités de mesure du niveau de la flottaison et du déplacement sont les mêmes que pour "
     "les dimensions de la coque du bateau (m et m³).",
     "Click on 'Compute' to execute the desired computation, watch comments herebelow\nUnits of "
     "mesure for waterline height and displacement are the same as for the dimensions of the "
     "hull (m and m³)."},
    {"Label3_0", "Angle de tanguage (deg)", "Pitch angle (deg)"},
    {"Option1_0", "Déplacement (m3)", "Displacement (m3)"},
    {"Option1_1", "Z ligne flottaison (m)", "Z Waterline (m)"},
    {"Calcul1", "Calcul", "Compute"},
    {"fin2", "Terminé", "Quit"},
    // The exact figures beside the results.
    {"ExactFrame", "Valeurs exactes (surface réelle de la coque)",
     "Exact figures (true hull surface)"},
    {"ExactLabel_waterlineZ", "Z flottaison au tableau", "Waterline Z at the transom"},
    {"ExactLabel_pitch", "Angle de tanguage", "Pitch angle"},
    {"ExactLabel_volume", "Volume de carène", "Displaced volume"},
    {"ExactLabel_displacementFresh", "Déplacement, eau douce", "Displacement, fresh water"},
    {"ExactLabel_displacementSea", "Déplacement, eau de mer", "Displacement, sea water"},
    {"ExactLabel_waterlineLength", "Longueur de flottaison", "Waterline length"},
    {"ExactLabel_waterlineBeam", "Largeur de flottaison", "Waterline beam"},
    {"ExactLabel_draft", "Tirant d'eau", "Draft"},
    {"ExactLabel_waterplaneArea", "Surface de flottaison", "Waterplane area"},
    {"ExactLabel_LCF", "Centre de flottaison X (LCF)", "Centre of flotation X (LCF)"},
    {"ExactLabel_buoyancyX", "Centre de carène X", "Centre of buoyancy X"},
    {"ExactLabel_buoyancyY", "Centre de carène Y", "Centre of buoyancy Y"},
    {"ExactLabel_buoyancyZ", "Centre de carène Z", "Centre of buoyancy Z"},
    {"ExactLabel_KB", "KB, carène au-dessus de K", "KB, buoyancy above K"},
    {"ExactLabel_BMt", "BMt, rayon métacentrique transversal",
     "BMt, transverse metacentric radius"},
    {"ExactLabel_BMl", "BMl, rayon métacentrique longitudinal",
     "BMl, longitudinal metacentric radius"},
    {"ExactLabel_KMt", "KMt, métacentre transversal", "KMt, transverse metacentre"},
    {"ExactLabel_KMl", "KMl, métacentre longitudinal", "KMl, longitudinal metacentre"},
    {"ExactLabel_Cb", "Coefficient bloc Cb", "Block coefficient Cb"},
    {"ExactLabel_Cp", "Coefficient prismatique Cp", "Prismatic coefficient Cp"},
    {"ExactLabel_Cm", "Coefficient de maître-couple Cm", "Midship coefficient Cm"},
    {"ExactLabel_Cwp", "Coefficient de flottaison Cwp", "Waterplane coefficient Cwp"},
    {"ExactLabel_wettedSurface", "Surface mouillée", "Wetted surface"},
    {"ExactNote",
     "Même calcul sur la coque réelle : fond courbe entre quille et bouchain 1, tableau et "
     "étrave réels. K : point le plus bas de la coque ; X depuis le tableau.",
     "The same computation on the true hull: curved bottom between keel and chine 1, true "
     "transom and stem. K: the lowest point of the hull; X from the transom."},
    {"Courbes", "Courbes", "Curves"},
};

const QColor kRefusedBackground(255, 127, 127);

QLabel* makeLabel(QWidget* parent, const char* name, bool wrap) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(wrap);
    return label;
}

void setBackground(QLabel& label, const QColor& colour) {
    QPalette p = label.palette();
    p.setColor(QPalette::Window, colour);
    p.setColor(QPalette::WindowText, Qt::black);
    label.setPalette(p);
}

QColor fromRgb(int32_t rgb) {
    return QColor(rgb & 0xff, (rgb >> 8) & 0xff, (rgb >> 16) & 0xff);
}

}  // namespace

Hydro1::Hydro1(AppWindows& windows) : windows_(windows) {
    setObjectName(QStringLiteral("hydro1"));

    auto* modes = new QButtonGroup(this);
    const char* optionNames[2] = {"Option1_0", "Option1_1"};
    const char* units[2] = {"m³", "m"};
    auto* grid = new QGridLayout;
    grid->setColumnStretch(3, 1);
    grid->setHorizontalSpacing(8);
    int row = 0;
    for (int i = 0; i < 2; ++i) {
        auto* label = makeLabel(this, i == 0 ? "Label1_0" : "Label1_1", true);
        grid->addWidget(label, row++, 0, 1, 4);
        option1_[i] = new QRadioButton(this);
        option1_[i]->setObjectName(QString::fromLatin1(optionNames[i]));
        modes->addButton(option1_[i], i);
        text1_[i] = MakeBox(this, QStringLiteral("Text1_%1").arg(i));
        grid->addWidget(option1_[i], row, 0);
        grid->addWidget(text1_[i], row, 1);
        grid->addWidget(new QLabel(QString::fromUtf8(units[i]), this), row++, 2);
        grid->setRowMinimumHeight(row++, 6);
        connect(option1_[i], &QRadioButton::clicked, this, [this, i] { optionClicked(i); });
        // Enter in a box chooses its mode and computes.
        connect(text1_[i], &QLineEdit::returnPressed, this, [this, i] {
            option1_[i]->setChecked(true);
            optionClicked(i);
        });
    }
    auto* pitchLabel = makeLabel(this, "Label3_0", false);
    pitchLabel->setIndent(22);  // under the option buttons' captions
    text3_ = MakeBox(this, QStringLiteral("Text3_0"));
    grid->addWidget(pitchLabel, row, 0);
    grid->addWidget(text3_, row, 1);
    grid->addWidget(new QLabel(QStringLiteral("°"), this), row++, 2);

    calcul1_ = new QPushButton(this);
    calcul1_->setObjectName(QStringLiteral("Calcul1"));
    calcul1_->setDefault(true);
    fin2_ = new QPushButton(this);
    fin2_->setObjectName(QStringLiteral("fin2"));
    for (QPushButton* b : {calcul1_, fin2_}) b->setMinimumWidth(120);
    connect(calcul1_, &QPushButton::clicked, this, [this] { calcul1(Trigger::Action); });
    connect(fin2_, &QPushButton::clicked, this, [this] { quit(); });

    diagnosis_ = makeLabel(this, "Label2_0", true);
    diagnosis_->setAutoFillBackground(true);
    diagnosis_->setFrameShape(QFrame::Panel);
    diagnosis_->setFrameShadow(QFrame::Sunken);
    diagnosis_->setMargin(6);
    QFont bold = diagnosis_->font();
    bold.setBold(true);
    diagnosis_->setFont(bold);
    diagnosis_->setText(QStringLiteral("  "));
    results_ = makeLabel(this, "Label2_1", false);
    results_->setFrameShape(QFrame::Panel);
    results_->setFrameShadow(QFrame::Sunken);
    results_->setMargin(6);
    results_->setMinimumHeight(results_->fontMetrics().lineSpacing() * 5 + 14);
    results_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    results_->setText(QStringLiteral("  "));
    auto* label4 = makeLabel(this, "Label4", false);
    label4->setText(QStringLiteral("  "));

    exact_ = new ExactPanel(this);
    connect(exact_->curvesButton(), &QPushButton::clicked, this,
            [this] { windows_.courbes().activate(); });

    auto* layout = new QVBoxLayout;
    layout->addLayout(grid);
    layout->addWidget(makeLabel(this, "Label1_2", true));
    auto* compute = new QHBoxLayout;
    compute->addWidget(calcul1_);
    compute->addStretch();
    layout->addLayout(compute);
    layout->addWidget(diagnosis_);
    layout->addWidget(results_);
    layout->addWidget(label4);
    auto* end = new QHBoxLayout;
    end->addStretch();
    end->addWidget(fin2_);
    layout->addLayout(end);
    // The window's own controls on the left, the exact figures beside them.
    auto* columns = new QHBoxLayout(this);
    columns->addLayout(layout, 1);
    columns->addWidget(exact_);
    setMinimumWidth(560);
    setCaptions();
}

void Hydro1::activate() {
    setCaptions();
    runActivation();
    if (!placed_) {
        adjustSize();
        PlaceAtEdge(*this, TwipsToPixels(*this, 200), 0);
        placed_ = true;
    }
    show();
    raise();
    activateWindow();
}

void Hydro1::massHandedOver() {
    showBoxes();
    if (isVisible()) calcul1(Trigger::Passive);
}

// Every activation, deactivation and closing computes again.
void Hydro1::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || busy_) return;
    // A second computation right after activate() finds the same figures: no guard needed.
    if (isActiveWindow()) {
        setCaptions();
        runActivation();
    } else if (isVisible()) {
        calcul1(Trigger::Passive);
    }
}

void Hydro1::closeEvent(QCloseEvent* event) {
    calcul1(Trigger::Passive);
    if (windows_.hasMass1()) windows_.mass1().hide();
    if (windows_.hasCourbes()) windows_.courbes().hide();
    event->accept();
}

void Hydro1::setCaptions() {
    ApplyCaptions(*this, kCaptions, windows_.doc().hull.Language);
}

void Hydro1::runActivation() {
    if (busy_) return;
    busy_ = true;
    readBoxes();
    Document& doc = windows_.doc();
    std::optional<EntryError> err;
    {
        WaitCursor wait(windows_.dialogs());
        err = ActivateHydro(doc.hull, doc.hydro, doc.hydroBoxes, doc.totals);
    }
    showBoxes();
    busy_ = false;
    showResults(err, Trigger::Passive);
}

void Hydro1::optionClicked(int index) {
    windows_.doc().hydro.HydroMode = static_cast<int16_t>(index);
    calcul1(Trigger::Action);
}

void Hydro1::calcul1(Trigger trigger) {
    if (busy_) return;
    busy_ = true;
    readBoxes();
    Document& doc = windows_.doc();
    diagnosis_->setText(QStringLiteral("  "));
    results_->setText(QStringLiteral("  "));
    std::optional<EntryError> err;
    {
        WaitCursor wait(windows_.dialogs());
        err = ComputeHydrostatics(doc.hull, doc.hydro, doc.hydroBoxes, doc.totals);
    }
    showBoxes();
    busy_ = false;
    showResults(err, trigger);
}

// Quit: the figures as the boxes show them, the windows of the hydrostatics hidden, then the
// waterline on the drawing board.
void Hydro1::quit() {
    calcul1(Trigger::Passive);
    if (windows_.hasMass1()) windows_.mass1().hide();
    if (windows_.hasCourbes()) windows_.courbes().hide();
    hide();
    windows_.dessin().drawWaterline();
}

void Hydro1::readBoxes() {
    HydroBoxes& b = windows_.doc().hydroBoxes;
    for (int i = 0; i < 2; ++i) b.Text1[i] = FromQ(text1_[i]->text());
    b.Text3 = FromQ(text3_->text());
}

void Hydro1::showBoxes() {
    const Document& doc = windows_.doc();
    for (int i = 0; i < 2; ++i) text1_[i]->setText(ToQ(doc.hydroBoxes.Text1[i]));
    text3_->setText(ToQ(doc.hydroBoxes.Text3));
    option1_[doc.hydro.HydroMode == 0 ? 0 : 1]->setChecked(true);
}

void Hydro1::showResults(const std::optional<EntryError>& err, Trigger trigger) {
    const Document& doc = windows_.doc();
    const int16_t language = doc.hull.Language;
    for (QLineEdit* box : {text1_[0], text1_[1], text3_}) SetBoxColour(*box, kBoxWhite);
    if (err) {
        if (QLineEdit* box = FindBox(*this, err->box)) SetBoxColour(*box, kBoxRefused);
        diagnosis_->setText(ToQ(err->text(language)));
        setBackground(*diagnosis_, kRefusedBackground);
        results_->setText(QStringLiteral("  "));
        exact_->clear();
        if (trigger == Trigger::Action) {
            busy_ = true;
            windows_.dialogs().beep();
            windows_.dialogs().message("Voriel2000 " + FromQ(windowTitle().trimmed()),
                                       err->text(language));
            busy_ = false;
        }
        return;
    }
    diagnosis_->setText(
        ToQ(ImmersionMessage(doc.hydro.ImmersionLevel, doc.hydro.Unstable, language)));
    setBackground(*diagnosis_, fromRgb(ImmersionColour(doc.hydro.ImmersionLevel)));
    results_->setText(ToQ(HydroResultsText(doc.hydro, language)));
    exact_->showCondition(ExactBesideWindow(doc.hull, doc.hydro, doc.totals), language);
    if (windows_.hasCourbes()) windows_.courbes().hydroComputed();
}

}  // namespace voriel
