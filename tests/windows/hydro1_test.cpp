// The hydrostatics window: captions, the computation on activation, deactivation, close, Enter
// and the mode buttons, a refused entry, and Quit drawing the waterline on the board.
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <memory>

#include "text/number_text.h"
#include "windows/dessin.h"
#include "windows/entry_box.h"
#include "windows/expected_captions.h"
#include "windows/hydro1.h"
#include "windows/mass1.h"
#include "windows/plan_widget.h"
#include "windows/window_harness.h"

using namespace voriel;
using namespace voriel::test;

namespace {

double BoxValue(QWidget& w, const char* box) {
    return Val(BoxText(w, box).toStdString());
}

// How many pixels of the sheet are of the colour r + 256 g + 65536 b.
int PixelsOfColour(Dessin& board, int32_t rgb) {
    const QImage image = board.findChild<PlanWidget*>()->canvas().image();
    const QRgb wanted = qRgb(rgb & 0xff, (rgb >> 8) & 0xff, (rgb >> 16) & 0xff);
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xffffff) == (wanted & 0xffffff)) ++n;
    return n;
}

}  // namespace

class Hydro1Test : public QObject {
    Q_OBJECT

private slots:
    void init() {
        h_ = std::make_unique<Harness>();
        SetDefaultHull(h_->doc.hull);
        WalkToRedrawnBoard(*h_);
        hydro_ = &h_->windows.hydro1();
    }
    void cleanup() { h_.reset(); }

    void captions_data() {
        QTest::addColumn<int>("language");
        QTest::newRow("French") << 0;
        QTest::newRow("English") << 1;
    }
    void captions() {
        QFETCH(int, language);
        h_->doc.hull.Language = int16_t(language);
        hydro_->activate();
        const auto wrong = CaptionMismatches(*hydro_, kHydroCaptions, language);
        QVERIFY2(wrong.empty(), Joined(wrong).c_str());
        const QString results = CaptionOf(*hydro_, "Label2_1");
        QVERIFY2(results.startsWith(language == 0 ? "Surface du plan de flottaison  = "
                                                  : "Waterline plane area  = "),
                 qPrintable(results));
    }

    // With no mass yet the hull is first floated at a hundredth of its length.
    void firstActivationFloatsAtAHundredthOfTheLength() {
        hydro_->activate();
        QCOMPARE(BoxText(*hydro_, "Text1_1"), QString("0.060"));
        QVERIFY(Child<QRadioButton>(*hydro_, "Option1_1")->isChecked());
        QCOMPARE(BoxText(*hydro_, "Text3_0"), QString("0.0"));
        const double volume = BoxValue(*hydro_, "Text1_0");
        QVERIFY(volume > 0);
        QCOMPARE(h_->doc.totals.TotalMass, h_->doc.hydro.Volume * 1000);
        QCOMPARE(CaptionOf(*hydro_, "Label2_0"), QString::fromUtf8("Le bouchain 1 est immergé"));
        QCOMPARE(h_->dialogs.waitDepth, 0);
        QVERIFY(h_->dialogs.waitCount >= 1);
    }

    void activationComputesAgain() {
        hydro_->activate();
        QWidget elsewhere;
        QVERIFY(Activate(elsewhere));
        const double before = BoxValue(*hydro_, "Text1_0");
        Type(*hydro_, "Text1_1", "0,1");  // typed while the window is not the active one
        QVERIFY(Activate(*hydro_));
        QCOMPARE(BoxText(*hydro_, "Text1_1"), QString("0.100"));
        QVERIFY(BoxValue(*hydro_, "Text1_0") > before);
    }

    void deactivationComputesAgain() {
        hydro_->activate();
        QVERIFY(Activate(*hydro_));
        const double before = BoxValue(*hydro_, "Text1_0");
        Type(*hydro_, "Text1_1", "0,12");
        QWidget elsewhere;
        QVERIFY(Activate(elsewhere));
        QTRY_COMPARE(BoxText(*hydro_, "Text1_1"), QString("0.120"));
        QVERIFY(BoxValue(*hydro_, "Text1_0") > before);
    }

    void closingComputesAgainAndHidesTheMassBudget() {
        hydro_->activate();
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
        hydro_->activate();  // floated at 0.060 m
        const double volume = BoxValue(*hydro_, "Text1_0");
        const QString twice = QString::fromStdString(Format(2 * volume, "0.000"));
        Type(*hydro_, "Text1_0", QString(twice).replace('.', ','));
        QTest::keyClick(Child(*hydro_, "Text1_0"), Qt::Key_Return);
        QVERIFY(Child<QRadioButton>(*hydro_, "Option1_0")->isChecked());
        QCOMPARE(h_->doc.hydro.HydroMode, int16_t{0});
        QCOMPARE(BoxText(*hydro_, "Text1_0"), twice);
        QVERIFY(BoxValue(*hydro_, "Text1_1") > 0.06);

        Type(*hydro_, "Text1_1", "0.03");
        QTest::keyClick(Child(*hydro_, "Text1_1"), Qt::Key_Return);
        QCOMPARE(h_->doc.hydro.HydroMode, int16_t{1});
        QVERIFY(BoxValue(*hydro_, "Text1_0") < volume);
    }

    // Displacement then waterline: the two modes agree on the same hull.
    void theModesRoundTrip() {
        hydro_->activate();
        Type(*hydro_, "Text1_0", "0.8");
        Click(*hydro_, "Option1_0");
        const QString z = BoxText(*hydro_, "Text1_1");
        Click(*hydro_, "Option1_1");
        QCOMPARE(BoxText(*hydro_, "Text1_1"), z);
        QVERIFY(qAbs(BoxValue(*hydro_, "Text1_0") - 0.8) <= 0.0015);
    }

    void aRefusedEntryChangesNothing() {
        hydro_->activate();
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
        h_->windows.dessin().findChild<QAbstractButton*>("dessine")->click();
        const int before = PixelsOfColour(board, h_->doc.hull.LineColor[4]);
        hydro_->activate();
        h_->windows.mass1().activate();
        Type(*hydro_, "Text1_1", "0.2");
        Click(*hydro_, "Option1_1");
        Click(*hydro_, "fin2");
        QVERIFY(!hydro_->isVisible());
        QVERIFY(!h_->windows.mass1().isVisible());
        QVERIFY(board.isVisible());
        QVERIFY(PixelsOfColour(board, h_->doc.hull.LineColor[4]) > before + 100);
        for (int i = 0; i < kPointCount; ++i)
            QVERIFY(qAbs(h_->doc.hydro.WaterZ[i] - 0.2) < 1e-12);  // no pitch: level water
    }

private:
    std::unique_ptr<Harness> h_;
    Hydro1* hydro_ = nullptr;
};

QTEST_MAIN(Hydro1Test)
#include "hydro1_test.moc"
