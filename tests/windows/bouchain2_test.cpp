// The chines-2/3 screen: filling, the turned-in check boxes, and validation by Valider, by leaving
// the screen and by closing it, refused entries included. (Its captions: the flow test; the
// check-box rule and the reading rules: the core's Chines23Screen tests.)
#include <QCheckBox>
#include <QLineEdit>
#include <QTest>
#include <memory>

#include "windows/entry_box.h"
#include "windows/window_harness.h"

using namespace voriel;
using namespace voriel::test;

class Bouchain2Test : public QObject {
    Q_OBJECT

private slots:
    void init() {
        h_ = DefaultHarness();
        h_->windows.dessin().begin();
        Click(h_->windows.bouchain1(), "valider");  // chine 1 first, as the board allows
        Click(h_->windows.dessin(), "Command1_1");
        screen_ = &h_->windows.bouchain2();
        QVERIFY(screen_->isVisible());
    }
    void cleanup() { h_.reset(); }

    void fillsTheBoxesFromTheHull() {
        QCOMPARE(BoxText(*screen_, "Text1_0"), QString(".3"));
        QCOMPARE(BoxText(*screen_, "Text2_1"), QString(".6"));
        QCOMPARE(BoxText(*screen_, "Text3_2"), QString("1.05"));
        QCOMPARE(BoxText(*screen_, "Text1_3"), QString("50"));
        QCOMPARE(BoxText(*screen_, "Text3_3"), QString("85"));
    }

    // A click on each box, and the four boxes and flags after it (+1 kept, -1 turned in).
    void eachCheckBoxReachesTheRule() {
        struct Row {
            const char* box;
            const char* before;  // ticks of Marotte 2, 3, Tableau 2, 3: "0101"
            const char* after;
        };
        const Row rows[] = {{"ChkMarotte_3", "0000", "0100"},
                            {"ChkMarotte_2", "1100", "0100"},
                            {"ChkTableau_2", "0000", "0011"},
                            {"ChkTableau_3", "0011", "0000"}};
        const char* names[4] = {"ChkMarotte_2", "ChkMarotte_3", "ChkTableau_2", "ChkTableau_3"};
        Hull& hull = h_->doc.hull;
        for (const Row& r : rows) {
            // Set the flags, then show the screen so that it fills from them.
            for (int j = 0; j < 4; ++j)
                (j < 2 ? hull.StemTurnIn : hull.TransomTurnIn)[2 + j % 2] =
                    r.before[j] == '1' ? -1 : 1;
            screen_->hide();
            screen_->activate();
            for (int j = 0; j < 4; ++j)
                QCOMPARE(Child<QCheckBox>(*screen_, names[j])->isChecked(), r.before[j] == '1');
            Child<QCheckBox>(*screen_, r.box)->click();
            for (int j = 0; j < 4; ++j) {
                QVERIFY2(Child<QCheckBox>(*screen_, names[j])->isChecked() == (r.after[j] == '1'),
                         r.box);
                const auto& flags = j < 2 ? hull.StemTurnIn : hull.TransomTurnIn;
                QCOMPARE(flags[2 + j % 2], int16_t(r.after[j] == '1' ? -1 : 1));
            }
            QCOMPARE(hull.StemTurnIn[4], int16_t{-1});
            QCOMPARE(hull.TransomTurnIn[4], int16_t{-1});
        }
    }

    void validerTakesDecimalCommas() {
        const Hull before = h_->doc.hull;
        Type(*screen_, "Text2_0", "0,8");
        Child<QCheckBox>(*screen_, "ChkMarotte_2")->click();
        Click(*screen_, "valider");
        QVERIFY(h_->dialogs.messages.empty());
        QVERIFY(!screen_->isVisible());
        QCOMPARE(BoxText(*screen_, "Text2_0"), QString("0.8"));
        QCOMPARE(h_->doc.hull.ZFwd[3], 0.8);
        QCOMPARE(h_->doc.hull.StemTurnIn[3], int16_t{-1});
        QVERIFY(h_->doc.hull.LineZ[3] != before.LineZ[3]);
        QVERIFY(AllFinite(h_->doc.hull));
        QVERIFY(h_->windows.dessin().isVisible());
        QVERIFY(Child(h_->windows.dessin(), "dessine")->isEnabled());
    }

    // A box refused, and heights accepted alone that make no hull: by Valider and by leaving the
    // screen, the screen and the hull are kept.
    void refusedEntries_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::newRow("infinite height") << "Text1_1"
                                         << "1e999";
        QTest::newRow("huge heights") << "Text3_2"
                                      << "1e300";
    }
    void refusedEntries() {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        Child<QCheckBox>(*screen_, "ChkTableau_2")->click();  // flags changed by the click...
        const Hull before = h_->doc.hull;
        Type(*screen_, qPrintable(box), typed);
        Click(*screen_, "valider");
        QCOMPARE(h_->dialogs.messages.size(), std::size_t{1});
        QVERIFY(SameHull(h_->doc.hull, before));  // ...and nothing more by the refusal
        QVERIFY(screen_->isVisible());
        QVERIFY(AllFinite(h_->doc.hull));
        if (h_->dialogs.messages[0].text.find("Text") != std::string::npos)
            QCOMPARE(BoxColour(*Child<QLineEdit>(*screen_, qPrintable(box))), kBoxRefused);
        QVERIFY(Activate(*screen_));
        h_->windows.dessin().activateWindow();
        QTRY_COMPARE(h_->dialogs.messages.size(), std::size_t{2});
        QVERIFY(screen_->isVisible());
        QVERIFY(SameHull(h_->doc.hull, before));
    }

    void leavingValidates() {
        QVERIFY(Activate(*screen_));
        Type(*screen_, "Text3_0", "1,2");
        QVERIFY(Activate(h_->windows.dessin()));
        QTRY_VERIFY(!screen_->isVisible());
        QCOMPARE(h_->doc.hull.ZFwd[4], 1.2);
        QVERIFY(h_->dialogs.messages.empty());
    }

    void closingValidates() {
        Type(*screen_, "Text3_1", "1.1");
        QVERIFY(screen_->close());
        QCOMPARE(h_->doc.hull.ZMax[4], 1.1);
        screen_->activate();
        Type(*screen_, "Text3_1", "1e999");
        QVERIFY(!screen_->close());
        QCOMPARE(h_->doc.hull.ZMax[4], 1.1);
    }

private:
    std::unique_ptr<Harness> h_;
    Bouchain2* screen_ = nullptr;
};

QTEST_MAIN(Bouchain2Test)
#include "bouchain2_test.moc"
