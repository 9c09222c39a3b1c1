// The chine-1 screen: captions, filling, the stem-inclination rule, and validation by Valider, by
// leaving the screen and by closing it, refused entries included.
#include <QLineEdit>
#include <QTest>
#include <memory>

#include "support/test_hulls.h"
#include "windows/bouchain1.h"
#include "windows/dessin.h"
#include "windows/entry_box.h"
#include "windows/expected_captions.h"
#include "windows/window_harness.h"

using namespace voriel;
using namespace voriel::test;

class Bouchain1Test : public QObject {
    Q_OBJECT

private slots:
    void init() {
        h_ = DefaultHarness();
        h_->windows.dessin().begin();  // the board with the chine-1 screen over it
        screen_ = &h_->windows.bouchain1();
    }
    void cleanup() { h_.reset(); }

    void captions_data() { AddLanguageRows(); }
    void captions() {
        const std::string wrong = CaptionsShownWrong(*h_, *screen_, kChine1Captions);
        QVERIFY2(wrong.empty(), wrong.c_str());
    }

    // Numbers as numbers, angles as integers, both inclinations as absolute values.
    void fillsTheBoxesFromTheHull() {
        h_->doc.hull.XFwd[0] = 6.25;
        h_->doc.hull.StemAngle = -7;
        h_->windows.bouchain1().activate();
        QCOMPARE(BoxText(*screen_, "Text1_0"), QString("6.25"));
        QCOMPARE(BoxText(*screen_, "Text1_2"), QString(".95"));
        QCOMPARE(BoxText(*screen_, "Text2_3"), QString("12"));
        QCOMPARE(BoxText(*screen_, "Text2_5"), QString("7"));
        QCOMPARE(BoxText(*screen_, "Text2_6"), QString("25"));
        QVERIFY(screen_->isVisible());
    }

    void stemInclinationOnlyWithAHalfWidthForward_data() {
        QTest::addColumn<QString>("halfWidth");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("zero") << "0" << false;
        QTest::newRow("zero comma") << "0,0" << false;
        QTest::newRow("not a number") << "abc" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("decimal comma") << "0,2" << true;
        QTest::newRow("point") << ".05" << true;
        QTest::newRow("negative") << "-0.1" << true;
    }
    void stemInclinationOnlyWithAHalfWidthForward() {
        QFETCH(QString, halfWidth);
        QFETCH(bool, enabled);
        QVERIFY(!Child(*screen_, "Text2_5")->isEnabled());  // the default forefoot is pointed
        Type(*screen_, "Text1_3", halfWidth);
        QCOMPARE(Child(*screen_, "Text2_5")->isEnabled(), enabled);
    }

    // Entries typed and what the hull and the boxes hold after Valider.
    void valider_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");  // the box after validation
        QTest::addColumn<double>("stored");
        QTest::newRow("decimal comma LWL") << "Text1_0"
                                           << "6,5"
                                           << "6.5" << 6.5;
        QTest::newRow("negative half beam") << "Text1_2"
                                            << "-0,8"
                                            << "-0.8" << 0.8;
        QTest::newRow("transom typed positive") << "Text2_6"
                                                << "25"
                                                << "25" << -25.0;
        QTest::newRow("deadrise rounded") << "Text2_3"
                                          << "14,5"
                                          << "14.5" << 14.0;
    }
    void valider() {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(double, stored);
        Type(*screen_, qPrintable(box), typed);
        Click(*screen_, "valider");
        QVERIFY(h_->dialogs.messages.empty());
        QVERIFY(!screen_->isVisible());
        QCOMPARE(BoxText(*screen_, qPrintable(box)), shown);
        const Hull& hull = h_->doc.hull;
        const double value = box == "Text1_0"   ? hull.XFwd[0]
                             : box == "Text1_2" ? hull.YMax[1]
                             : box == "Text2_6" ? double(hull.TransomAngle)
                                                : double(hull.PlankAngle[0]);
        QCOMPARE(value, stored);
        QVERIFY(AllFinite(hull));
        // Back on the board, with the chines-2/3 button and the redraw enabled.
        Dessin& board = h_->windows.dessin();
        QVERIFY(board.isVisible());
        QVERIFY(Child(board, "Command1_1")->isEnabled());
        QVERIFY(Child(board, "dessine")->isEnabled());
        // Shown again, the screen holds what the hull now holds.
        screen_->activate();
        QCOMPARE(BoxText(*screen_, "Text2_6"), QString("25"));
    }

    void refusedOnValider_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::newRow("LWL 0") << "Text1_0"
                               << "0";
        QTest::newRow("LWL not a number") << "Text1_0"
                                          << "six";
        QTest::newRow("LWL 0 with a comma") << "Text1_0"
                                            << "0,0";
        QTest::newRow("infinite beam") << "Text1_2"
                                       << "1e999";
        QTest::newRow("infinite height") << "Text2_1"
                                         << "-1e400";
    }
    void refusedOnValider() {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        const Hull before = h_->doc.hull;
        Type(*screen_, qPrintable(box), typed);
        Click(*screen_, "valider");
        QCOMPARE(h_->dialogs.messages.size(), std::size_t{1});
        QVERIFY(!h_->dialogs.messages[0].text.empty());
        QVERIFY(h_->dialogs.beeps >= 1);
        QVERIFY(SameHull(h_->doc.hull, before));
        QVERIFY(screen_->isVisible());
        QCOMPARE(BoxColour(*Child<QLineEdit>(*screen_, qPrintable(box))), kBoxRefused);
        // Corrected and validated, the box is white again and the hull takes it.
        Type(*screen_, qPrintable(box), box == "Text2_1" ? "0.2" : "7");
        Click(*screen_, "valider");
        QCOMPARE(h_->dialogs.messages.size(), std::size_t{1});
        QVERIFY(!screen_->isVisible());
        QCOMPARE(BoxColour(*Child<QLineEdit>(*screen_, qPrintable(box))), kBoxWhite);
        QVERIFY(!SameHull(h_->doc.hull, before));
    }

    void theMessageSpeaksTheLanguage() {
        h_->doc.hull.Language = 1;
        screen_->activate();
        Type(*screen_, "Text1_0", "0");
        Click(*screen_, "valider");
        QCOMPARE(h_->dialogs.messages.size(), std::size_t{1});
        QCOMPARE(h_->dialogs.messages[0].text, std::string("The length LWL cannot be 0."));
    }

    // Going to the board without Valider validates the screen all the same.
    void leavingValidates() {
        QVERIFY(Activate(*screen_));
        Type(*screen_, "Text1_0", "7,2");
        QVERIFY(Activate(h_->windows.dessin()));
        QTRY_VERIFY(!screen_->isVisible());
        QCOMPARE(h_->doc.hull.XFwd[0], 7.2);
        QCOMPARE(BoxText(*screen_, "Text1_0"), QString("7.2"));
        QVERIFY(h_->dialogs.messages.empty());
    }

    void leavingWithARefusedEntryKeepsTheScreen() {
        const Hull before = h_->doc.hull;
        QVERIFY(Activate(*screen_));
        Type(*screen_, "Text1_0", "0");
        h_->windows.dessin().activateWindow();  // the screen takes the focus back at once
        QTRY_COMPARE(h_->dialogs.messages.size(), std::size_t{1});
        QVERIFY(screen_->isVisible());
        QVERIFY(SameHull(h_->doc.hull, before));
        // The screen comes back to the front, still holding the entry to correct.
        QTRY_VERIFY(screen_->isActiveWindow());
        QCOMPARE(BoxText(*screen_, "Text1_0"), QString("0"));
        QCOMPARE(h_->dialogs.messages.size(), std::size_t{1});
    }

    void closingValidates() {
        QVERIFY(Activate(*screen_));
        Type(*screen_, "Text1_0", "8");
        QVERIFY(screen_->close());
        QCOMPARE(h_->doc.hull.XFwd[0], 8.0);
        Type(*screen_, "Text1_0", "0");
        screen_->activate();  // refilled from the hull
        QCOMPARE(BoxText(*screen_, "Text1_0"), QString("8"));
        Type(*screen_, "Text1_0", "0");
        QVERIFY(!screen_->close());
        QVERIFY(screen_->isVisible());
        QCOMPARE(h_->doc.hull.XFwd[0], 8.0);
    }

    // Hidden by the board (its Quit), the screen validates nothing.
    void hidingIsNoValidation() {
        const Hull before = h_->doc.hull;
        Type(*screen_, "Text1_0", "9");
        screen_->hide();
        QVERIFY(SameHull(h_->doc.hull, before));
        QVERIFY(h_->dialogs.messages.empty());
    }

    // Over many hulls a builder could type, Valider without a change keeps the hull's lines.
    void validatingUnchangedBoxesKeepsTheLines() {
        for (uint32_t seed = 1; seed <= 20; ++seed) {
            h_->doc.hull = RandomHull(seed);
            const Hull before = h_->doc.hull;
            screen_->activate();
            Click(*screen_, "valider");
            QVERIFY2(h_->dialogs.messages.empty(), qPrintable(QString::number(seed)));
            QVERIFY(AllFinite(h_->doc.hull));
            for (int p = 0; p < kPointCount; p += 8) {
                QVERIFY(qAbs(h_->doc.hull.LineY[1][p] - before.LineY[1][p]) < 1e-9);
                QVERIFY(qAbs(h_->doc.hull.LineZ[1][p] - before.LineZ[1][p]) < 1e-9);
            }
        }
    }

private:
    std::unique_ptr<Harness> h_;
    Bouchain1* screen_ = nullptr;
};

QTEST_MAIN(Bouchain1Test)
#include "bouchain1_test.moc"
