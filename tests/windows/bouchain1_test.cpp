// The chine-1 screen: filling, the stem-inclination rule, and validation by Valider, by leaving
// the screen and by closing it, refused entries included. (Its captions: the flow test; the
// screen's reading rules: the core's Chine1Screen tests.)
#include <QLineEdit>
#include <QTest>
#include <memory>
#include <utility>

#include "support/test_hulls.h"
#include "windows/entry_box.h"
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

    // Numbers as numbers, angles as integers, both inclinations as absolute values.
    void fillsTheBoxesFromTheHull() {
        h_->doc.hull.XFwd[0] = 6.25;
        h_->doc.hull.StemAngle = -7;
        screen_->activate();
        QCOMPARE(BoxText(*screen_, "Text1_0"), QString("6.25"));
        QCOMPARE(BoxText(*screen_, "Text1_2"), QString(".95"));
        QCOMPARE(BoxText(*screen_, "Text2_3"), QString("12"));
        QCOMPARE(BoxText(*screen_, "Text2_5"), QString("7"));
        QCOMPARE(BoxText(*screen_, "Text2_6"), QString("25"));
        QVERIFY(screen_->isVisible());
    }

    // The stem inclination box is open only with a half width forward, as typed.
    void stemInclinationOnlyWithAHalfWidthForward() {
        QVERIFY(!Child(*screen_, "Text2_5")->isEnabled());  // the default forefoot is pointed
        const std::pair<const char*, bool> rows[] = {{"0", false},  {"0,0", false}, {"abc", false},
                                                     {"", false},   {"0,2", true},  {".05", true},
                                                     {"-0.1", true}};
        for (const auto& [halfWidth, enabled] : rows) {
            Type(*screen_, "Text1_3", halfWidth);
            QVERIFY2(Child(*screen_, "Text2_5")->isEnabled() == enabled, halfWidth);
        }
    }

    // An entry typed, Valider, and what the hull, the box and the board hold after it.
    void valider() {
        struct Row {
            const char* box;
            const char* typed;
            const char* shown;  // the box after validation
            double stored;
        };
        for (const Row& r : {Row{"Text1_0", "6,5", "6.5", 6.5}, Row{"Text2_6", "25", "25", -25}}) {
            screen_->activate();
            Type(*screen_, r.box, r.typed);
            Click(*screen_, "valider");
            QVERIFY(h_->dialogs.messages.empty());
            QVERIFY(!screen_->isVisible());
            QCOMPARE(BoxText(*screen_, r.box), QString(r.shown));
            const Hull& hull = h_->doc.hull;
            QCOMPARE(r.box[4] == '1' ? hull.XFwd[0] : double(hull.TransomAngle), r.stored);
            QVERIFY(AllFinite(hull));
            // Back on the board, with the chines-2/3 button and the redraw enabled.
            QVERIFY(h_->windows.dessin().isVisible());
            QCOMPARE(Enabling(h_->windows.dessin()), QString("100110001000"));
            // Shown again, the screen holds what the hull now holds.
            screen_->activate();
            QCOMPARE(BoxText(*screen_, "Text2_6"), QString("25"));
        }
    }

    // A refused entry: said (in the hull's language) with a beep, its box light red, the hull and
    // the screen kept; corrected, the box is white again and the hull takes it.
    void refusedOnValider() {
        const std::pair<const char*, const char*> rows[] = {{"Text1_0", "0"},
                                                            {"Text2_1", "-1e400"}};
        for (const auto& [box, typed] : rows) {
            h_->dialogs = FakeDialogs{};
            const Hull before = h_->doc.hull;
            Type(*screen_, box, typed);
            Click(*screen_, "valider");
            QCOMPARE(h_->dialogs.messages.size(), std::size_t{1});
            QVERIFY(!h_->dialogs.messages[0].text.empty());
            QVERIFY(h_->dialogs.beeps >= 1);
            QVERIFY(SameHull(h_->doc.hull, before));
            QVERIFY(screen_->isVisible());
            QCOMPARE(BoxColour(*Child<QLineEdit>(*screen_, box)), kBoxRefused);
            Type(*screen_, box, box[4] == '2' ? "0.2" : "7");
            Click(*screen_, "valider");
            QCOMPARE(h_->dialogs.messages.size(), std::size_t{1});
            QVERIFY(!screen_->isVisible());
            QCOMPARE(BoxColour(*Child<QLineEdit>(*screen_, box)), kBoxWhite);
            QVERIFY(!SameHull(h_->doc.hull, before));
            screen_->activate();
        }
        h_->doc.hull.Language = 1;
        screen_->activate();
        Type(*screen_, "Text1_0", "0");
        Click(*screen_, "valider");
        QCOMPARE(h_->dialogs.messages.back().text, std::string("The length LWL cannot be 0."));
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

    // Over many hulls a builder could type, Valider without a change keeps the hull's lines: each
    // box is filled from and read back to the same value.
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
