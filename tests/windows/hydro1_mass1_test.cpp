// The hydrostatics and mass-budget windows: computing again on activation, deactivation, close,
// Enter and the mode buttons; the exact figures beside the results; Quit drawing the waterline on
// the board; the mass table's boxes, its computation on Enter and on leaving a box, and Compute
// (or leaving the window) handing the total to the hydrostatics; refused entries changing nothing;
// the mass window's captions following the language both ways it comes back. (The other captions:
// the flow test; the computations themselves: the core's hydro tests.)
#include <algorithm>

#include "hydro/exact_hydrostatics.h"
#include "windows/window_harness.h"

using namespace voriel;
using namespace voriel::test;

namespace {

double Number(QWidget& w, const char* box) {
    return Val(BoxText(w, box).toStdString());
}

template <typename... V>
std::vector<double> Values(V... v) {
    return {double(v)...};
}
// The core's figures in the order of golden/windows/exact_figures.txt, which names the panel's
// controls and the decimals they show.
std::vector<double> CoreFigures(const ExactCondition& c) {
    const ExactFigures& f = c.figures;
    return Values(c.waterlineZ, c.pitch * 180 / kHydroPi, f.volume, f.displacementFresh,
                  f.displacementSea, f.waterlineLength, f.waterlineBeam, f.draft, f.waterplaneArea,
                  f.LCF, f.buoyancy[0], f.buoyancy[1], f.buoyancy[2], f.KB, f.BMt, f.BMl, f.KMt,
                  f.KMl, f.Cb, f.Cp, f.Cm, f.Cwp, f.wettedSurface);
}

// The panel's figures against the core's for the document as it stands; the mismatches, one a
// line, empty when the panel shows the core's result.
QString PanelWrong(QWidget& window, const Document& doc) {
    const auto core = CoreFigures(ExactBesideWindow(doc.hull, doc.hydro, doc.totals));
    const auto figures = Rows("windows/exact_figures", 2);
    QString wrong = figures.size() == core.size() ? "" : "a figure without its name";
    for (std::size_t i = 0; i < std::min(figures.size(), core.size()); ++i) {
        const QString shown = CaptionOf(window, "Exact_" + figures[i][0]);
        const double tolerance = 0.5 * std::pow(10.0, -figures[i][1].toInt()) + 1e-9;
        if (!QRegularExpression("^-?\\d+(\\.\\d+)?$").match(shown).hasMatch() ||
            !(std::fabs(Val(shown.toStdString()) - core[i]) <= tolerance))
            wrong += QString("%1: \"%2\" for %3\n").arg(figures[i][0], shown).arg(core[i]);
    }
    return wrong;
}

void FloatAt(QWidget& hydro, const QString& z) {
    Type(hydro, "Text1_1", z);
    Click(hydro, "Option1_1");
}

// The displacement the hydrostatics must show for the mass table's total.
QString TotalInTonnes(QWidget& mass) {
    return QString::fromStdString(Format(Number(mass, "Text3_0") / 1000, "0.000"));
}

}  // namespace

class Hydro1Mass1Test : public QObject {
    Q_OBJECT

private slots:
    void init() {
        h_ = std::make_unique<Harness>();
        WalkToRedrawnBoard(*h_);
        hydro_ = &h_->windows.hydro1();
        hydro_->activate();
    }

    // The exact figures follow every computation: waterline, displacement, trim over a centre of
    // gravity; the displacement mode floats the true hull at the window's displacement. A refused
    // entry in between.
    void exactPanel() {
        QCOMPARE(PanelWrong(*hydro_, h_->doc), QString());
        FloatAt(*hydro_, "0,15");  // (the panel at other waterlines: the status rows below)
        QCOMPARE(CaptionOf(*hydro_, "Exact_waterlineZ"), QString("0.150"));

        // A refused entry blanks them (that it changes nothing: the core's hydrostatics tests);
        // said once, in the window too, its box light red; activation and deactivation say it in
        // the window without a message box.
        Type(*hydro_, "Text3_0", "1e999");
        Click(*hydro_, "Calcul1");
        for (const QStringList& f : Rows("windows/exact_figures", 2))
            QCOMPARE(CaptionOf(*hydro_, "Exact_" + f[0]), QString());
        QCOMPARE(BoxColour(*Child<QLineEdit>(*hydro_, "Text3_0")), kBoxRefused);
        QCOMPARE(CaptionOf(*hydro_, "Label2_0").toStdString(), h_->dialogs.messages.at(0).text);
        QWidget elsewhere;
        QVERIFY(Activate(elsewhere) && Activate(*hydro_));
        QCOMPARE(h_->dialogs.messages.size(), std::size_t{1});

        Type(*hydro_, "Text3_0", "0");
        Type(*hydro_, "Text1_0", "1,2");
        Click(*hydro_, "Option1_0");
        QCOMPARE(BoxColour(*Child<QLineEdit>(*hydro_, "Text3_0")), kBoxWhite);
        QCOMPARE(PanelWrong(*hydro_, h_->doc), QString());
        QCOMPARE(CaptionOf(*hydro_, "Exact_volume"), QString("1.200"));

        h_->doc.totals.MassCentreX = 2.4;  // a mass budget's centre: both methods trim over it
        Click(*hydro_, "Calcul1");
        QCOMPARE(PanelWrong(*hydro_, h_->doc), QString());

        // Dry, afloat, the deck edge under water, the whole hull under water, said in both
        // languages: golden/windows/exact_status.txt: the fraction of the way from the keel to the
        // lowest sheer, and what is said in French and in English.
        const auto& z = h_->doc.hull.LineZ;
        const double keel = *std::min_element(z[Keel].begin(), z[Keel].end());
        const double sheer = *std::min_element(z[Sheer].begin(), z[Sheer].end());
        for (const QStringList& r : Rows("windows/exact_status", 3)) {
            const double height = keel + r[0].toDouble() * (sheer - keel);
            for (const int language : {0, 1}) {
                h_->doc.hull.Language = int16_t(language);
                FloatAt(*hydro_, QString::fromStdString(Format(height, "0.000")));
                QCOMPARE(CaptionOf(*hydro_, "ExactStatus"), r[1 + language]);
            }
            QCOMPARE(PanelWrong(*hydro_, h_->doc), QString());
        }
    }

    // With no mass yet the hull is first floated at a hundredth of its length, in the boxes too;
    // Enter in a box chooses that box's mode and computes; a waterline typed, then the window
    // activated or left, closed or quit: each computes again.
    void everyWayInComputesAgain() {
        QCOMPARE((QStringList{BoxText(*hydro_, "Text1_1"), BoxText(*hydro_, "Text3_0"), mode()}),
                 (QStringList{"0.060", "0.0", "waterline"}));
        QCOMPARE(CaptionOf(*hydro_, "Label2_0"), QString::fromUtf8("Le bouchain 1 est immergé"));
        QVERIFY(h_->dialogs.waitCount >= 1 && h_->dialogs.waitDepth == 0);

        const double volume = Number(*hydro_, "Text1_0");
        const QString twice = QString::fromStdString(Format(2 * volume, "0.000"));
        Enter(*hydro_, "Text1_0", QString(twice).replace('.', ','));
        QCOMPARE((QStringList{BoxText(*hydro_, "Text1_0"), mode()}),
                 (QStringList{twice, "displacement"}));
        Enter(*hydro_, "Text1_1", "0.03");
        QCOMPARE(mode(), QString("waterline"));
        QVERIFY(Number(*hydro_, "Text1_0") < volume);

        for (const bool typedWhileAway : {true, false}) {
            QWidget elsewhere;
            QVERIFY(Activate(typedWhileAway ? elsewhere : *hydro_));
            Type(*hydro_, "Text1_1", typedWhileAway ? "0,12" : "0,14");
            QVERIFY(Activate(typedWhileAway ? *hydro_ : elsewhere));
            QTRY_COMPARE(BoxText(*hydro_, "Text1_1"), QString(typedWhileAway ? "0.120" : "0.140"));
        }

        // Closing computes again and hides the mass budget and the curves; Quit hides them too
        // and draws the waterline in the sheer's colour on the board.
        Dessin& board = h_->windows.dessin();
        const int32_t c = h_->doc.hull.LineColor[4];
        const QRgb sheer = qRgb(c & 0xff, (c >> 8) & 0xff, (c >> 16) & 0xff);
        for (const bool quit : {false, true}) {
            hydro_->activate();
            h_->windows.mass1().activate();
            Click(*hydro_, "Courbes");
            QCOMPARE(Shown(), QString("dessin hydro1 Mass1 courbes"));
            Click(board, "dessine");
            const int before = PixelsOf(board, sheer);
            Type(*hydro_, "Text1_1", quit ? "0.2" : "0.15");
            Child<QRadioButton>(*hydro_, "Option1_1")->setChecked(true);
            h_->doc.hydro.HydroMode = 1;
            if (quit)
                Click(*hydro_, "fin2");
            else
                QVERIFY(hydro_->close());
            QCOMPARE(BoxText(*hydro_, "Text1_1"), QString(quit ? "0.200" : "0.150"));
            QCOMPARE(Shown(), QString("dessin"));
            QCOMPARE(PixelsOf(board, sheer) > before + 100, quit);
        }
        for (int i = 0; i < kPointCount; ++i)
            QVERIFY(qAbs(h_->doc.hydro.WaterZ[i] - 0.2) < 1e-12);  // no pitch: level water
    }

    // The mass table as activation shows it: green boxes to type in, pink ones for the results;
    // computing on Enter and on leaving a box.
    void massTable() {
        Mass1& mass = h_->windows.mass1();
        mass.activate();
        // golden/windows/mass_boxes.txt: each row's boxes Text1..Text4, i input (green), r result
        // or b blank (both pink).
        const std::vector<QStringList> kinds = Rows("windows/mass_boxes", 1);
        QCOMPARE(int(kinds.size()), kMassRows);
        for (int row = 0; row < kMassRows; ++row) {
            for (int c = 1; c <= 4; ++c) {
                const QString name = QString("Text%1_%2").arg(c).arg(row);
                QLineEdit* box = Child<QLineEdit>(mass, qPrintable(name));
                const QChar kind = kinds[row][0][c - 1];
                QVERIFY2(BoxColour(*box) == (kind == 'i' ? kBoxInput : kBoxResult) &&
                             box->isReadOnly() == (kind != 'i') &&
                             (kind != 'b' || box->text() == " "),
                         qPrintable(name));
            }
        }
        QCOMPARE((QStringList{BoxText(mass, "Text1_1"), BoxText(mass, "Text1_7")}),
                 (QStringList{"12.0", "0.0"}));
        // (The totals against the texts shown: the core's mass-table tests.)
        QVERIFY(Number(mass, "Text2_1") > 0 && Number(mass, "Text3_0") > 0);  // area, mass

        // Enter computes (and only computes: the hydrostatics keeps its own displacement); so does
        // leaving a box; the area and position columns show the values as the table holds them.
        // (An entry shown again in the table's form proves the computation ran; its sums: the
        // core's mass-budget tests.)
        Enter(mass, "Text1_1", "24");
        QCOMPARE((QStringList{BoxText(mass, "Text1_1"), mode()}),
                 (QStringList{"24.0", "waterline"}));
        QCOMPARE(h_->doc.hull.PanelDensity[0], 24.0);

        QVERIFY(Activate(mass));
        Child<QLineEdit>(mass, "Text3_13")->setFocus(Qt::TabFocusReason);
        Type(mass, "Text3_13", "150,5");  // the engine's mass
        Child<QLineEdit>(mass, "Text4_13")->setFocus(Qt::TabFocusReason);
        QCOMPARE(BoxText(mass, "Text3_13"), QString("150.500"));

        // golden/windows/mass_held.txt: a box, what is typed, what it shows after Enter, and why.
        for (const QStringList& r : Rows("windows/mass_held", 4)) {
            Enter(mass, qPrintable(r[0]), r[1]);
            QCOMPARE(BoxText(mass, qPrintable(r[0])), r[2]);
        }
        QVERIFY(h_->dialogs.messages.empty());
    }

    // A refused entry is kept to be corrected, also when leaving and coming back (the message box
    // does that), and said again by Compute, which hands nothing over. Corrected, Compute takes
    // what is typed and hands the total over: the hydrostatics float the hull at that
    // displacement; leaving the window hands it over too.
    void massComputeHandsTheTotalToTheHydrostatics() {
        Mass1& mass = h_->windows.mass1();
        mass.activate();
        Enter(mass, "Text1_2", "1e999");
        QCOMPARE(BoxColour(*Child<QLineEdit>(mass, "Text1_2")), kBoxRefused);
        QWidget elsewhere;
        QVERIFY(Activate(elsewhere) && Activate(mass));
        QCOMPARE(BoxText(mass, "Text1_2"), QString("1e999"));
        QCOMPARE(h_->dialogs.messages.size(), std::size_t{1});
        Click(mass, "Calcul1");
        QCOMPARE(h_->dialogs.messages.size(), std::size_t{2});
        QCOMPARE(h_->doc.hydro.HydroMode, int16_t{1});  // (the table and hull kept: the core's)
        QVERIFY(!CaptionOf(mass, "status").isEmpty());

        Type(mass, "Text1_2", "12");
        Type(mass, "Text3_14", "300");  // ballast
        Click(mass, "Calcul1");
        QCOMPARE(BoxColour(*Child<QLineEdit>(mass, "Text1_2")), kBoxInput);
        QVERIFY(CaptionOf(mass, "status").isEmpty() && Number(mass, "Text3_0") > 300);
        QCOMPARE((QStringList{BoxText(*hydro_, "Text1_0"), mode()}),
                 (QStringList{TotalInTonnes(mass), "displacement"}));
        QVERIFY(qAbs(h_->doc.hydro.Volume - Number(mass, "Text3_0") / 1000) < 0.001);
        QCOMPARE(h_->dialogs.messages.size(), std::size_t{2});

        // The captions follow a language changed meanwhile: shown again by the board while it is
        // the active window (no activation comes), and activated by the builder.
        const QString handed = BoxText(*hydro_, "Text1_0");
        QVERIFY(Activate(mass));
        h_->doc.hull.Language = 1;
        mass.activate();
        VERIFY_CAPTIONS(mass, "Mass1", 1);
        Type(mass, "Text3_15", "240");  // passengers, no Enter
        h_->doc.hull.Language = 0;
        QVERIFY(Activate(*hydro_));
        QTRY_COMPARE(BoxText(mass, "Text3_15"), QString("240.000"));
        QCOMPARE(BoxText(*hydro_, "Text1_0"), TotalInTonnes(mass));
        QVERIFY(BoxText(*hydro_, "Text1_0") != handed);
        VERIFY_CAPTIONS(mass, "Mass1", 1);  // leaving sets nothing
        QVERIFY(Activate(mass));
        VERIFY_CAPTIONS(mass, "Mass1", 0);
    }

private:
    // The mode button checked (0 displacement, 1 waterline) and the document's mode.
    // The hydrostatics' mode, as its buttons show it and as it computes.
    QString mode() {
        const bool button = Child<QRadioButton>(*hydro_, "Option1_1")->isChecked();
        const int mode = h_->doc.hydro.HydroMode;
        if (button != (mode == 1)) return QString("button %1, mode %2").arg(button).arg(mode);
        return mode == 1 ? "waterline" : "displacement";
    }

    std::unique_ptr<Harness> h_;
    Hydro1* hydro_ = nullptr;
};

QTEST_MAIN(Hydro1Mass1Test)
#include "hydro1_mass1_test.moc"
