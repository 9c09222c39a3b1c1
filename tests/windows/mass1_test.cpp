// The mass-budget window: the green and pink boxes, the computation on Enter and on leaving a box,
// and Compute (or leaving the window) handing the total to the hydrostatics. (Its captions: the
// flow test; the table's rules: the core's MassTable tests.)
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <memory>

#include "text/number_text.h"
#include "windows/entry_box.h"
#include "windows/hydro1.h"
#include "windows/mass1.h"
#include "windows/window_harness.h"

using namespace voriel;
using namespace voriel::test;

namespace {

// Each row's boxes Text1..Text4: i input (green), r result or b blank (both pink).
const char* const kBoxKinds[kMassRows] = {
    "brrr",                                          // totals
    "irrr", "irrr", "irrr", "irrr", "irrr", "irrr",  // plates
    "irrr", "irrr", "irrr", "irrr",                  // floor and decks
    "iiri", "iiri",                                  // bulkheads
    "bbii", "bbii", "bbii", "bbii", "bbii", "bbii",  // loads
};

QString BoxName(int column, int row) {
    return QStringLiteral("Text%1_%2").arg(column).arg(row);
}

double Number(QWidget& w, int column, int row) {
    return Val(BoxText(w, qPrintable(BoxName(column, row))).toStdString());
}

}  // namespace

class Mass1Test : public QObject {
    Q_OBJECT

private slots:
    void init() {
        h_ = DefaultHarness();
        WalkToRedrawnBoard(*h_);
        hydro_ = &h_->windows.hydro1();
        mass_ = &h_->windows.mass1();
        hydro_->activate();
        mass_->activate();
    }
    void cleanup() { h_.reset(); }

    // The table as activation shows it: green boxes to type in, pink ones for the results.
    void activationShowsTheTable() {
        for (int row = 0; row < kMassRows; ++row) {
            for (int c = 1; c <= 4; ++c) {
                QLineEdit* box = Child<QLineEdit>(*mass_, qPrintable(BoxName(c, row)));
                const bool input = kBoxKinds[row][c - 1] == 'i';
                QCOMPARE(BoxColour(*box), input ? kBoxInput : kBoxResult);
                QCOMPARE(box->isReadOnly(), !input);
                if (kBoxKinds[row][c - 1] == 'b') QCOMPARE(box->text(), QString(" "));
            }
        }
        QCOMPARE(BoxText(*mass_, "Text1_1"), QString("12.0"));
        QCOMPARE(BoxText(*mass_, "Text1_7"), QString("0.0"));
        QVERIFY(Number(*mass_, 2, 1) > 0);  // the bottom's area
        QVERIFY(Number(*mass_, 3, 0) > 0);  // the total mass
        QCOMPARE(h_->doc.totals.TotalMass, Number(*mass_, 3, 0));
        QVERIFY(qAbs(h_->doc.totals.MassCentreX - Number(*mass_, 4, 0)) <= 0.0005);
    }

    void enterComputes() {
        const double bottom = Number(*mass_, 3, 1);
        const double total = Number(*mass_, 3, 0);
        Enter(*mass_, "Text1_1", "24");
        QVERIFY(qAbs(Number(*mass_, 3, 1) - 2 * bottom) <= 0.011);
        QVERIFY(qAbs(Number(*mass_, 3, 0) - (total + bottom)) <= 0.02);
        QCOMPARE(BoxText(*mass_, "Text1_1"), QString("24.0"));
        QCOMPARE(h_->doc.hull.PanelDensity[0], 24.0);
        QVERIFY(h_->dialogs.messages.empty());
        // Enter computes only: the hydrostatics still has its own displacement.
        QCOMPARE(h_->doc.hydro.HydroMode, int16_t{1});
    }

    void leavingABoxComputes() {
        QVERIFY(Activate(*mass_));
        const double total = Number(*mass_, 3, 0);
        QLineEdit* engine = Child<QLineEdit>(*mass_, "Text3_13");
        engine->setFocus(Qt::TabFocusReason);
        engine->setText("150,5");
        Child<QLineEdit>(*mass_, "Text4_13")->setFocus(Qt::TabFocusReason);
        QCOMPARE(BoxText(*mass_, "Text3_13"), QString("150.500"));
        QVERIFY(qAbs(Number(*mass_, 3, 0) - (total + 150.5)) <= 0.002);
    }

    // A box of the area and position columns shows the value as the core holds it (the rules
    // themselves are the core's MassTable tests; the density and mass columns: enterComputes and
    // leavingABoxComputes).
    void entriesHeldAsTheTableSays() {
        const char* const rows[][3] = {{"Text4_14", "99", "6.000"},   // a load beyond the stem
                                       {"Text2_12", "-2", "0.000"}};  // a negative bulkhead area
        for (const auto& [box, typed, shown] : rows) {
            Enter(*mass_, box, typed);
            QCOMPARE(BoxText(*mass_, box), QString(shown));
        }
    }

    void computeHandsTheTotalToTheHydrostatics() {
        Type(*mass_, "Text3_14", "300");  // ballast
        Type(*mass_, "Text4_14", "2.5");
        Click(*mass_, "Calcul1");
        const double total = Number(*mass_, 3, 0);
        QVERIFY(total > 300);
        QVERIFY(Child<QRadioButton>(*hydro_, "Option1_0")->isChecked());
        QCOMPARE(h_->doc.hydro.HydroMode, int16_t{0});
        QCOMPARE(BoxText(*hydro_, "Text1_0"),
                 QString::fromStdString(Format(total / 1000, "0.000")));
        // The hydrostatics floated the hull at that displacement and trimmed it.
        QVERIFY(qAbs(h_->doc.hydro.Volume - total / 1000) < 0.001);
        QVERIFY(qAbs(h_->doc.hydro.BuoyancyX - h_->doc.totals.MassCentreX) <=
                0.002 * h_->doc.hull.XFwd[1] + 1e-9);
        QVERIFY(h_->dialogs.messages.empty());
    }

    void leavingTheWindowHandsOverToo() {
        QVERIFY(Activate(*mass_));
        Type(*mass_, "Text3_15", "240");  // passengers, no Enter
        QVERIFY(Activate(*hydro_));
        QTRY_COMPARE(h_->doc.hydro.HydroMode, int16_t{0});
        QCOMPARE(BoxText(*mass_, "Text3_15"), QString("240.000"));
        QCOMPARE(BoxText(*hydro_, "Text1_0"),
                 QString::fromStdString(Format(Number(*mass_, 3, 0) / 1000, "0.000")));
    }

    void aRefusedEntryIsShownAndHandsNothingOver() {
        const MassTotals totals = h_->doc.totals;
        const double density = h_->doc.hull.PanelDensity[1];
        Enter(*mass_, "Text1_2", "1e999");
        QCOMPARE(h_->dialogs.messages.size(), std::size_t{1});
        QCOMPARE(BoxColour(*Child<QLineEdit>(*mass_, "Text1_2")), kBoxRefused);
        QCOMPARE(BoxText(*mass_, "Text1_2"), QString("1e999"));  // kept to be corrected
        // Leaving and coming back (the message box does that) keeps it there too.
        QWidget elsewhere;
        QVERIFY(Activate(elsewhere));
        QVERIFY(Activate(*mass_));
        QCOMPARE(BoxText(*mass_, "Text1_2"), QString("1e999"));
        QCOMPARE(h_->dialogs.messages.size(), std::size_t{1});
        Click(*mass_, "Calcul1");
        QCOMPARE(h_->dialogs.messages.size(), std::size_t{2});
        QCOMPARE(h_->doc.hydro.HydroMode, int16_t{1});
        QCOMPARE(h_->doc.totals.MassCentreX, totals.MassCentreX);
        QCOMPARE(h_->doc.hull.PanelDensity[1], density);
        QVERIFY(!CaptionOf(*mass_, "status").isEmpty());
        Type(*mass_, "Text1_2", "12");
        Click(*mass_, "Calcul1");
        QCOMPARE(BoxColour(*Child<QLineEdit>(*mass_, "Text1_2")), kBoxInput);
        QVERIFY(CaptionOf(*mass_, "status").isEmpty());
        QCOMPARE(h_->doc.hydro.HydroMode, int16_t{0});
    }

private:
    std::unique_ptr<Harness> h_;
    Hydro1* hydro_ = nullptr;
    Mass1* mass_ = nullptr;
};

QTEST_MAIN(Mass1Test)
#include "mass1_test.moc"
