// The hydrostatics window: the computation on activation, deactivation, close, Enter and the mode
// buttons, a refused entry, Quit drawing the waterline on the board, and the exact figures beside
// the results. (Its captions: the flow test; the computation itself: the core's hydro tests.)
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <memory>
#include <string>

#include "hydro/exact_hydrostatics.h"
#include "text/number_text.h"
#include "windows/courbes.h"
#include "windows/entry_box.h"
#include "windows/hydro1.h"
#include "windows/mass1.h"
#include "windows/window_harness.h"

using namespace voriel;
using namespace voriel::test;

namespace {

double BoxValue(QWidget& w, const char* box) {
    return Val(BoxText(w, box).toStdString());
}

using Figure = double (*)(const ExactCondition&);

// Each figure of the panel by its control name, read from the core's result on its own.
struct ExpectedFigure {
    const char* name;
    int decimals;
    Figure value;
};
const ExpectedFigure kFigures[] = {
    {"waterlineZ", 3, [](const ExactCondition& c) { return c.waterlineZ; }},
    {"pitch", 1, [](const ExactCondition& c) { return c.pitch * 180 / kHydroPi; }},
    {"volume", 3, [](const ExactCondition& c) { return c.figures.volume; }},
    {"displacementFresh", 0, [](const ExactCondition& c) { return c.figures.displacementFresh; }},
    {"displacementSea", 0, [](const ExactCondition& c) { return c.figures.displacementSea; }},
    {"waterlineLength", 3, [](const ExactCondition& c) { return c.figures.waterlineLength; }},
    {"waterlineBeam", 3, [](const ExactCondition& c) { return c.figures.waterlineBeam; }},
    {"draft", 3, [](const ExactCondition& c) { return c.figures.draft; }},
    {"waterplaneArea", 3, [](const ExactCondition& c) { return c.figures.waterplaneArea; }},
    {"LCF", 3, [](const ExactCondition& c) { return c.figures.LCF; }},
    {"buoyancyX", 3, [](const ExactCondition& c) { return c.figures.buoyancy[0]; }},
    {"buoyancyY", 3, [](const ExactCondition& c) { return c.figures.buoyancy[1]; }},
    {"buoyancyZ", 3, [](const ExactCondition& c) { return c.figures.buoyancy[2]; }},
    {"KB", 3, [](const ExactCondition& c) { return c.figures.KB; }},
    {"BMt", 3, [](const ExactCondition& c) { return c.figures.BMt; }},
    {"BMl", 3, [](const ExactCondition& c) { return c.figures.BMl; }},
    {"KMt", 3, [](const ExactCondition& c) { return c.figures.KMt; }},
    {"KMl", 3, [](const ExactCondition& c) { return c.figures.KMl; }},
    {"Cb", 3, [](const ExactCondition& c) { return c.figures.Cb; }},
    {"Cp", 3, [](const ExactCondition& c) { return c.figures.Cp; }},
    {"Cm", 3, [](const ExactCondition& c) { return c.figures.Cm; }},
    {"Cwp", 3, [](const ExactCondition& c) { return c.figures.Cwp; }},
    {"wettedSurface", 3, [](const ExactCondition& c) { return c.figures.wettedSurface; }},
};

QString FigureText(QWidget& window, const char* name) {
    return Child<QLabel>(window, (std::string("Exact_") + name).c_str())->text();
}

// The panel's figures against the core's for the document as it stands; the mismatches, one a
// line, empty when the panel shows the core's result.
QString PanelWrong(QWidget& window, const Document& doc) {
    const ExactCondition c = ExactBesideWindow(doc.hull, doc.hydro, doc.totals);
    QString wrong;
    for (const ExpectedFigure& f : kFigures) {
        const QString shown = FigureText(window, f.name);
        const bool number = !shown.isEmpty() && !shown.contains("nan", Qt::CaseInsensitive) &&
                            !shown.contains("inf", Qt::CaseInsensitive);
        if (!number || !std::isfinite(f.value(c)) ||
            std::fabs(Val(shown.toStdString()) - f.value(c)) >
                0.5 * std::pow(10.0, -f.decimals) + 1e-9)
            wrong += QString("%1: \"%2\" for %3\n").arg(f.name, shown).arg(f.value(c));
    }
    return wrong;
}

// A waterline height a fraction of the way from the keel's lowest point to the sheer's.
QString WaterlineAt(const Hull& hull, double fraction) {
    const double keel = *std::min_element(hull.LineZ[Keel].begin(), hull.LineZ[Keel].end());
    const double sheer = *std::min_element(hull.LineZ[Sheer].begin(), hull.LineZ[Sheer].end());
    return QString::fromStdString(Format(keel + fraction * (sheer - keel), "0.000"));
}

void FloatAt(QWidget& hydro, const QString& z) {
    Type(hydro, "Text1_1", z);
    Click(hydro, "Option1_1");
}

}  // namespace

class Hydro1Test : public QObject {
    Q_OBJECT

private slots:
    void init() {
        h_ = DefaultHarness();
        WalkToRedrawnBoard(*h_);
        hydro_ = &h_->windows.hydro1();
        hydro_->activate();
    }
    void cleanup() { h_.reset(); }

    // The exact figures follow every computation: waterline, displacement, trim over a centre of
    // gravity; the displacement mode floats the true hull at the window's displacement.
    void exactFiguresAreTheCoresAfterEveryComputation() {
        QCOMPARE(PanelWrong(*hydro_, h_->doc), QString());
        const double low = Val(FigureText(*hydro_, "volume").toStdString());
        FloatAt(*hydro_, "0,15");
        QCOMPARE(PanelWrong(*hydro_, h_->doc), QString());
        QVERIFY(Val(FigureText(*hydro_, "volume").toStdString()) > low + 0.1);
        QCOMPARE(FigureText(*hydro_, "waterlineZ"), QString("0.150"));

        Type(*hydro_, "Text1_0", "1,2");
        Click(*hydro_, "Option1_0");
        QCOMPARE(PanelWrong(*hydro_, h_->doc), QString());
        QCOMPARE(FigureText(*hydro_, "volume"), QString("1.200"));
        QCOMPARE(FigureText(*hydro_, "displacementFresh"), QString("1200"));
        QCOMPARE(FigureText(*hydro_, "displacementSea"), QString("1230"));

        h_->doc.totals.MassCentreX = 2.4;  // a mass budget's centre: both methods trim over it
        Click(*hydro_, "Calcul1");
        QCOMPARE(PanelWrong(*hydro_, h_->doc), QString());
        QVERIFY(FigureText(*hydro_, "pitch") != QString("0.0"));
        QVERIFY(qAbs(Val(FigureText(*hydro_, "buoyancyX").toStdString()) - 2.4) <= 0.0125);
    }

    // Dry, afloat, the deck edge under water, the whole hull under water: said in both languages.
    void exactStatusSaysWhereTheWaterIs() {
        struct Row {
            double fraction;  // of the way from the keel to the lowest sheer
            const char *french, *english;
        };
        const Row rows[] = {
            {-0.5, "Rien n'est immergé", "Nothing is under water"},
            {0.3, "À flot, le livet hors de l'eau", "Afloat, the deck edge clear of the water"},
            {1.05, "ATTENTION : le livet est immergé !", "WARNING: the deck edge is under water!"},
            {20.0, "ATTENTION : la coque est entièrement sous l'eau, elle coule !",
             "WARNING: the whole hull is under water, she sinks!"},
        };
        for (const Row& r : rows) {
            for (const int language : {0, 1}) {
                h_->doc.hull.Language = int16_t(language);
                FloatAt(*hydro_, WaterlineAt(h_->doc.hull, r.fraction));
                QCOMPARE(CaptionOf(*hydro_, "ExactStatus"),
                         QString::fromUtf8(language == 0 ? r.french : r.english));
            }
            QCOMPARE(PanelWrong(*hydro_, h_->doc), QString());
        }
    }

    void aRefusedEntryBlanksTheExactFigures() {
        QVERIFY(!FigureText(*hydro_, "volume").isEmpty());
        FloatAt(*hydro_, "1e999");
        for (const ExpectedFigure& f : kFigures) QCOMPARE(FigureText(*hydro_, f.name), QString());
        FloatAt(*hydro_, "0.1");
        QCOMPARE(PanelWrong(*hydro_, h_->doc), QString());
    }

    void curvesButtonOpensTheCurvesWindowAndQuitClosesIt() {
        QVERIFY(!h_->windows.hasCourbes());
        Click(*hydro_, "Courbes");
        QVERIFY(h_->windows.hasCourbes() && h_->windows.courbes().isVisible());
        QVERIFY(hydro_->isVisible());
        Click(*hydro_, "fin2");  // Quit hides the windows of the hydrostatics
        QVERIFY(!h_->windows.courbes().isVisible());
    }

    // With no mass yet the hull is first floated at a hundredth of its length, in the boxes too.
    void firstActivationFloatsAtAHundredthOfTheLength() {
        QCOMPARE(BoxText(*hydro_, "Text1_1"), QString("0.060"));
        QVERIFY(Child<QRadioButton>(*hydro_, "Option1_1")->isChecked());
        QCOMPARE(BoxText(*hydro_, "Text3_0"), QString("0.0"));
        QVERIFY(BoxValue(*hydro_, "Text1_0") > 0);
        QCOMPARE(CaptionOf(*hydro_, "Label2_0"), QString::fromUtf8("Le bouchain 1 est immergé"));
        QCOMPARE(h_->dialogs.waitDepth, 0);
        QVERIFY(h_->dialogs.waitCount >= 1);
    }

    // A waterline typed, then the window activated or left: either computes again.
    void activationOrDeactivationComputesAgain_data() {
        QTest::addColumn<bool>("typedWhileAway");
        QTest::newRow("activation") << true;
        QTest::newRow("deactivation") << false;
    }
    void activationOrDeactivationComputesAgain() {
        QFETCH(bool, typedWhileAway);
        QWidget elsewhere;
        QVERIFY(Activate(typedWhileAway ? elsewhere : *hydro_));
        const double before = BoxValue(*hydro_, "Text1_0");
        Type(*hydro_, "Text1_1", "0,12");
        QVERIFY(Activate(typedWhileAway ? *hydro_ : elsewhere));
        QTRY_COMPARE(BoxText(*hydro_, "Text1_1"), QString("0.120"));
        QVERIFY(BoxValue(*hydro_, "Text1_0") > before);
    }

    void closingComputesAgainAndHidesTheMassBudget() {
        h_->windows.mass1().activate();
        Type(*hydro_, "Text1_1", "0.15");
        Child<QRadioButton>(*hydro_, "Option1_1")->setChecked(true);
        h_->doc.hydro.HydroMode = 1;
        QVERIFY(hydro_->close());
        QCOMPARE(BoxText(*hydro_, "Text1_1"), QString("0.150"));
        QVERIFY(!h_->windows.mass1().isVisible());
    }

    // Enter in a box chooses that box's mode and computes.
    void enterChoosesTheModeOfItsBox() {
        const double volume = BoxValue(*hydro_, "Text1_0");  // floated at 0.060 m
        const QString twice = QString::fromStdString(Format(2 * volume, "0.000"));
        Enter(*hydro_, "Text1_0", QString(twice).replace('.', ','));
        QVERIFY(Child<QRadioButton>(*hydro_, "Option1_0")->isChecked());
        QCOMPARE(h_->doc.hydro.HydroMode, int16_t{0});
        QCOMPARE(BoxText(*hydro_, "Text1_0"), twice);
        QVERIFY(BoxValue(*hydro_, "Text1_1") > 0.06);

        Enter(*hydro_, "Text1_1", "0.03");
        QCOMPARE(h_->doc.hydro.HydroMode, int16_t{1});
        QVERIFY(BoxValue(*hydro_, "Text1_0") < volume);
    }

    void aRefusedEntryChangesNothing() {
        const double volume = h_->doc.hydro.Volume;
        const double mass = h_->doc.totals.TotalMass;
        Type(*hydro_, "Text3_0", "1e999");
        Click(*hydro_, "Calcul1");
        QCOMPARE(h_->dialogs.messages.size(), std::size_t{1});
        QCOMPARE(h_->doc.hydro.Volume, volume);
        QCOMPARE(h_->doc.totals.TotalMass, mass);
        QCOMPARE(BoxColour(*Child<QLineEdit>(*hydro_, "Text3_0")), kBoxRefused);
        QCOMPARE(CaptionOf(*hydro_, "Label2_0"),
                 QString::fromStdString(h_->dialogs.messages[0].text));
        // Activation and deactivation say it in the window, without a message box each time.
        QWidget elsewhere;
        QVERIFY(Activate(elsewhere));
        QVERIFY(Activate(*hydro_));
        QCOMPARE(h_->dialogs.messages.size(), std::size_t{1});
        Type(*hydro_, "Text3_0", "0");
        Click(*hydro_, "Calcul1");
        QCOMPARE(BoxColour(*Child<QLineEdit>(*hydro_, "Text3_0")), kBoxWhite);
    }

    // Quit hides both windows and draws the waterline in the sheer's colour on the board.
    void quitDrawsTheWaterlineOnTheBoard() {
        Dessin& board = h_->windows.dessin();
        const int32_t c = h_->doc.hull.LineColor[4];
        const QRgb sheer = qRgb(c & 0xff, (c >> 8) & 0xff, (c >> 16) & 0xff);
        Click(board, "dessine");
        const int before = PixelsOf(board, sheer);
        h_->windows.mass1().activate();
        FloatAt(*hydro_, "0.2");
        Click(*hydro_, "fin2");
        QVERIFY(!hydro_->isVisible());
        QVERIFY(!h_->windows.mass1().isVisible());
        QVERIFY(board.isVisible());
        QVERIFY(PixelsOf(board, sheer) > before + 100);
        for (int i = 0; i < kPointCount; ++i)
            QVERIFY(qAbs(h_->doc.hydro.WaterZ[i] - 0.2) < 1e-12);  // no pitch: level water
    }

private:
    std::unique_ptr<Harness> h_;
    Hydro1* hydro_ = nullptr;
};

QTEST_MAIN(Hydro1Test)
#include "hydro1_test.moc"
