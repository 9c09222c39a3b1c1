// The curves window: the curves of form and the GZ curve of the true hull, the KG entry, and
// printing; the curves are computed again only when what they depend on changed.
#include "windows/courbes.h"

#include <QChart>
#include <QChartView>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>
#include <variant>

#include "hull/definition_screens.h"
#include "hydro/exact_hydrostatics.h"
#include "text/number_text.h"
#include "windows/app_windows.h"
#include "windows/caption_table.h"
#include "windows/courbes_charts.h"
#include "windows/courbes_print.h"
#include "windows/entry_box.h"
#include "windows/print_commands.h"
#include "windows/screen_placement.h"

namespace voriel {

namespace {

const Caption kCaptions[] = {
    {"window", "  Courbes de carène et stabilité", "  Curves of form and stability"},
    {"FormFrame", "Courbes de carène de la coque réelle, assiette nulle",
     "Curves of form of the true hull, level trim"},
    {"FormNote",
     "KB : centre de carène ; KMt : métacentre transversal ; LCF : centre de flottaison. K : "
     "point le plus bas de la coque. Un point par tirant d'eau calculé, jusqu'au livet le plus "
     "bas.",
     "KB: centre of buoyancy; KMt: transverse metacentre; LCF: centre of flotation. K: the "
     "lowest point of the hull. One point per draft computed, up to the lowest sheer point."},
    {"GzFrame", "Stabilité : bras de levier de redressement GZ", "Stability: righting lever GZ"},
    {"KgLabel", "KG, centre de gravité au-dessus de K (m)", "KG, centre of gravity above K (m)"},
    {"Tracer", "Tracer", "Plot"},
    {"GzNote",
     "La coque est inclinée à déplacement constant (celui de la fenêtre hydrostatique), son "
     "assiette maintenue ; le pont est fermé à la hauteur du livet. K : point le plus bas de la "
     "coque.",
     "The hull is heeled at constant displacement (that of the hydrostatics window), its trim "
     "held; the deck is closed at sheer height. K: the lowest point of the hull."},
    {"Imprimer", "Imprimer", "Print"},
    {"fin", "Fermer", "Close"},
};

constexpr const char* kPrintCurvesTitle = "Voriel2000 Printing curves";

QChartView* makeView(QWidget* parent, const QString& name, QSize minimum) {
    auto* view = new QChartView(parent);
    view->setObjectName(name);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(minimum);
    return view;
}

// Puts the chart in the view; the view gives up the one it had, which goes.
void replaceChart(QChartView& view, QChart* chart) {
    QChart* old = view.chart();
    view.setChart(chart);
    delete old;
}

void setBackground(QLabel& label, const QColor& colour) {
    QPalette p = label.palette();
    p.setColor(QPalette::Window, colour);
    p.setColor(QPalette::WindowText, Qt::black);
    label.setPalette(p);
}

// A KG typed in the box: a height in metres, a decimal comma accepted, within a waterline length
// of K either way (beyond that it is a slip of the keyboard, not a boat).
std::variant<double, EntryError> readKg(const QString& typed, double lwl) {
    bool ok = false;
    const double v =
        QString::fromStdString(CommaToPoint(typed.toStdString())).trimmed().toDouble(&ok);
    const std::string shown = typed.toStdString();
    if (!ok || !std::isfinite(v))
        return EntryError{"KG",
                          "Valeur non valable pour KG : \"" + shown +
                              "\". Entrez la hauteur du centre de gravité au-dessus de K en "
                              "mètres, par exemple 0,45.",
                          "Invalid value for KG: \"" + shown +
                              "\". Enter the height of the centre of gravity above K in metres, "
                              "for example 0.45."};
    if (std::fabs(v) > lwl) {
        const std::string limit = Format(lwl, "0.000");
        return EntryError{"KG",
                          "KG hors limites : \"" + shown + "\". Entrez une hauteur entre -" +
                              limit + " et " + limit + " m (la longueur de flottaison).",
                          "KG out of range: \"" + shown + "\". Enter a height between -" + limit +
                              " and " + limit + " m (the waterline length)."};
    }
    return v;
}

}  // namespace

Courbes::Courbes(AppWindows& windows) : windows_(windows) {
    setObjectName(QStringLiteral("courbes"));

    auto* form = new QGroupBox(this);
    form->setObjectName(QStringLiteral("FormFrame"));
    auto* formGrid = new QGridLayout;
    for (std::size_t i = 0; i < kFormCurves.size(); ++i) {
        formViews_[i] =
            makeView(form, QStringLiteral("Chart_") + kFormCurves[i].name, QSize(270, 200));
        formGrid->addWidget(formViews_[i], static_cast<int>(i) / 2, static_cast<int>(i) % 2);
    }
    auto* formNote = new QLabel(form);
    formNote->setObjectName(QStringLiteral("FormNote"));
    formNote->setWordWrap(true);
    auto* formLayout = new QVBoxLayout(form);
    formLayout->addLayout(formGrid, 1);
    formLayout->addWidget(formNote);

    auto* gz = new QGroupBox(this);
    gz->setObjectName(QStringLiteral("GzFrame"));
    auto* kgLabel = new QLabel(gz);
    kgLabel->setObjectName(QStringLiteral("KgLabel"));
    kgBox_ = MakeBox(gz, QStringLiteral("KG"), 8);
    auto* plot = new QPushButton(gz);
    plot->setObjectName(QStringLiteral("Tracer"));
    kgMessage_ = new QLabel(gz);
    kgMessage_->setObjectName(QStringLiteral("KgMessage"));
    kgMessage_->setWordWrap(true);
    kgMessage_->setAutoFillBackground(true);
    kgMessage_->setMargin(4);
    kgMessage_->hide();
    gzView_ = makeView(gz, QStringLiteral("Chart_GZ"), QSize(460, 340));
    gzFigures_ = new QLabel(gz);
    gzFigures_->setObjectName(QStringLiteral("GzFigures"));
    gzFigures_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* note = new QLabel(gz);
    note->setObjectName(QStringLiteral("GzNote"));
    note->setWordWrap(true);
    auto* kgRow = new QHBoxLayout;
    kgRow->addWidget(kgLabel);
    kgRow->addWidget(kgBox_);
    kgRow->addWidget(plot);
    kgRow->addStretch();
    auto* gzLayout = new QVBoxLayout(gz);
    gzLayout->addLayout(kgRow);
    gzLayout->addWidget(kgMessage_);
    gzLayout->addWidget(gzView_, 1);
    gzLayout->addWidget(gzFigures_);
    gzLayout->addWidget(note);
    connect(kgBox_, &QLineEdit::editingFinished, this, [this] { kgEntered(); });
    connect(plot, &QPushButton::clicked, this, [this] { kgEntered(); });

    auto* printButton = new QPushButton(this);
    printButton->setObjectName(QStringLiteral("Imprimer"));
    auto* close = new QPushButton(this);
    close->setObjectName(QStringLiteral("fin"));
    for (QPushButton* b : {printButton, close}) b->setMinimumWidth(120);
    connect(printButton, &QPushButton::clicked, this, [this] { print(); });
    connect(close, &QPushButton::clicked, this, [this] { hide(); });

    auto* columns = new QHBoxLayout;
    columns->addWidget(form, 1);
    columns->addWidget(gz, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(printButton);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addLayout(buttons);
    for (QChartView* v : formViews_) v->setChart(new QChart);
    gzView_->setChart(new QChart);
    setCaptions();
}

Courbes::~Courbes() = default;

int16_t Courbes::language() const {
    return windows_.doc().hull.Language;
}

void Courbes::activate() {
    setCaptions();
    refresh();
    if (!isVisible()) {
        adjustSize();
        PlaceOverBoard(*this, windows_);
    }
    show();
    raise();
    activateWindow();
}

void Courbes::hydroComputed() {
    if (isVisible()) refresh();
}

void Courbes::setPrintDialogs(PrintDialogs& dialogs) {
    printDialogs_ = &dialogs;
}

void Courbes::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || busy_ || !isActiveWindow()) return;
    setCaptions();
    refresh();
}

// Captions, and the charts' texts, which are in the language too.
void Courbes::setCaptions() {
    ApplyCaptions(*this, kCaptions, language());
    if (hullOfCurves_) {
        for (std::size_t i = 0; i < kFormCurves.size(); ++i)
            replaceChart(*formViews_[i], MakeFormChart(kFormCurves[i], levels_, language()));
        if (crossFor_) showGz();
    }
    if (!kgMessage_->text().isEmpty()) kgEntered();  // the refusal said again in the language
}

void Courbes::refresh() {
    if (busy_) return;
    busy_ = true;
    {
        WaitCursor wait(windows_.dialogs());
        updateHull();
        updateCross();
    }
    busy_ = false;
}

void Courbes::updateHull() {
    const Hull& hull = windows_.doc().hull;
    if (hullOfCurves_ && SameShape(*hullOfCurves_, hull)) return;
    exact_ = BuildExactHull(hull);
    levels_ = ComputeCurvesOfForm(exact_, 20);
    hullOfCurves_ = hull;
    crossFor_.reset();
    for (std::size_t i = 0; i < kFormCurves.size(); ++i)
        replaceChart(*formViews_[i], MakeFormChart(kFormCurves[i], levels_, language()));
}

// At the hydrostatics window's displacement and trim.
void Courbes::updateCross() {
    const HydroState& hydro = windows_.doc().hydro;
    const std::array<double, 2> key{hydro.Volume, hydro.PitchAngle};
    if (crossFor_ && *crossFor_ == key) return;
    crossFor_ = key;
    cross_ = CrossCurves{key[0], key[1], {}};
    if (key[0] > 0) {
        cross_ = ComputeCrossCurves(exact_, key[0], key[1]);
        if (!kg_) {
            // A first KG at the waterline, until the builder types the boat's own.
            const ExactCondition upright = ExactAtDisplacement(exact_, key[0], key[1]);
            kg_ = std::round(upright.figures.draft * 100) / 100;
            kgBox_->setText(QString::fromStdString(Format(*kg_, "0.000")));
            kgText_ = kgBox_->text();
        }
    }
    updateGz();
}

void Courbes::updateGz() {
    gz_ = cross_.points.empty() ? GzCurve{} : ComputeGz(exact_, cross_, kg_.value_or(0.0));
    showGz();
}

void Courbes::showGz() {
    replaceChart(*gzView_, MakeGzChart(cross_, gz_, language()));
    if (cross_.points.empty())
        gzFigures_->setText(QString::fromUtf8(
            language() == 0
                ? "Pas de courbe GZ : la fenêtre hydrostatique ne donne aucun déplacement."
                : "No GZ curve: the hydrostatics window gives no displacement."));
    else
        gzFigures_->setText(GzFiguresText(cross_, gz_, language()));
}

// Enter, leaving the box or Plot: a new KG draws the curve again; a refused one leaves the
// curve as it was and says why in the window.
void Courbes::kgEntered() {
    const QString typed = kgBox_->text();
    const auto read = readKg(typed, windows_.doc().hull.XFwd[0]);
    if (const auto* error = std::get_if<EntryError>(&read)) {
        kgMessage_->setText(ToQ(error->text(language())));
        setBackground(*kgMessage_, kBoxRefused);
        kgMessage_->show();
        SetBoxColour(*kgBox_, kBoxRefused);
        kgText_ = typed;
        return;
    }
    kgMessage_->clear();
    kgMessage_->hide();
    SetBoxColour(*kgBox_, kBoxWhite);
    if (typed == kgText_ && kg_) return;
    kg_ = std::get<double>(read);
    kgBox_->setText(QString::fromStdString(Format(*kg_, "0.000")));
    kgText_ = kgBox_->text();
    if (crossFor_) {
        WaitCursor wait(windows_.dialogs());
        updateGz();
    }
}

void Courbes::print() {
    kgEntered();
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer_->setPageOrientation(QPageLayout::Landscape);
    }
    if (!printDialogs_) {
        qtPrintDialogs_ = std::make_unique<QtPrintDialogs>(this);
        printDialogs_ = qtPrintDialogs_.get();
    }
    if (!printDialogs_->print(*printer_, kPrintCurvesTitle)) return;
    refresh();
    CurvesPrintout printout{
        windows_.doc().hull.HullFileName, TodayPrintDate(), language(), levels_, cross_, gz_};
    std::optional<std::string> error;
    {
        WaitCursor wait(windows_.dialogs());
        error = PrintCurves(*printer_, printout);
    }
    if (error) windows_.dialogs().message(kPrintCurvesTitle, *error);
}

}  // namespace voriel
