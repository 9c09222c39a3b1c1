// The normal flow through the six windows: start window, Begin, both screens validated with a
// redraw after each, Develop, Draw station, hydrostatics and mass budget, Compute, the
// hydrostatics' Quit, the board's Quit, and back to the start window; the board's enabling after
// every step, and every window's captions following the language chosen at each run.
#include <QAction>
#include <QRegularExpression>
#include <QTest>
#include <memory>

#include "windows/hydro1.h"
#include "windows/lancement.h"
#include "windows/mass1.h"
#include "windows/window_harness.h"

using namespace voriel;
using namespace voriel::test;

class FlowTest : public QObject {
    Q_OBJECT

private slots:
    // -1: Begin without choosing a language (French).
    void normalFlow_data() {
        QTest::addColumn<int>("choice");
        QTest::newRow("no choice") << -1;
        QTest::newRow("French") << 0;
        QTest::newRow("English") << 1;
    }
    void normalFlow() {
        QFETCH(int, choice);
        Harness h;
        AppWindows& w = h.windows;
        Lancement& start = w.lancement();
        start.activate();
        if (choice >= 0) Click(start, choice == 0 ? "Language_0" : "Language_1");

        Click(start, "CREATE");
        Dessin& board = w.dessin();
        QVERIFY(!start.isVisible() && board.isVisible() && w.bouchain1().isVisible());
        QCOMPARE(board.windowTitle(), QString(choice == 1 ? "Voriel2000  -  New Hull : VORIEL2000"
                                                          : "Voriel2000  -  Nouvelle voriel : "
                                                            "VORIEL2000"));
        QCOMPARE(Enabling(board), QString("000100001000"));

        Click(w.bouchain1(), "valider");
        QVERIFY(!w.bouchain1().isVisible());
        QCOMPARE(Enabling(board), QString("100110001000"));

        const QImage blank = Sheet(board);
        Click(board, "dessine");
        const QImage chine1 = Sheet(board);
        QVERIFY(chine1 != blank);
        QCOMPARE(h.doc.board.ChineView, int16_t{0});
        QCOMPARE(Enabling(board), QString("110111000000"));

        Click(board, "Command1_1");
        QVERIFY(w.bouchain2().isVisible());
        QCOMPARE(Enabling(board), QString("110110000011"));
        Click(w.bouchain2(), "valider");
        QVERIFY(!w.bouchain2().isVisible());
        QCOMPARE(Enabling(board), QString("110110000011"));

        Click(board, "dessine");
        const QImage allLines = Sheet(board);
        QVERIFY(allLines != chine1);
        QCOMPARE(h.doc.board.ChineView, int16_t{1});
        QCOMPARE(Enabling(board), QString("111111111011"));

        Click(board, "Developer");
        const QImage developed = Sheet(board);
        QVERIFY(developed != allLines);
        QCOMPARE(Enabling(board), QString("111111111011"));

        Click(board, "DessCouple");
        QVERIFY(Sheet(board) != developed);
        QCOMPARE(Enabling(board), QString("111111111111"));

        Trigger(board, "Hmenu");
        QVERIFY(w.hydro1().isVisible() && w.mass1().isVisible());
        QCOMPARE(h.doc.hydro.HydroMode, int16_t{1});  // no mass yet: floated at LWL / 100

        Click(w.mass1(), "Calcul1");
        QCOMPARE(h.doc.hydro.HydroMode, int16_t{0});
        QVERIFY(h.doc.totals.MassCentreX > 0);
        const QImage beforeWaterline = Sheet(board);
        Click(w.hydro1(), "fin2");
        QVERIFY(!w.hydro1().isVisible() && !w.mass1().isVisible());
        QVERIFY(board.isVisible());
        QVERIFY(Sheet(board) != beforeWaterline);
        QCOMPARE(Enabling(board), QString("111111111111"));

        // Quit saves the hull first; a cancelled save dialog still quits.
        h.dialogs.answerCancel();
        Click(board, "CANCEL");
        QCOMPARE(h.dialogs.requests.size(), std::size_t{1});
        QVERIFY(!h.dialogs.requests[0].open);
        QVERIFY(!board.isVisible());
        QVERIFY(start.isVisible());
        QVERIFY(h.dialogs.messages.empty());
        QCOMPARE(h.dialogs.waitDepth, 0);

        // Back at the start the hull is the default one, and Begin starts again from it.
        h.doc.hull.XFwd[0] = 9;
        start.activate();
        Click(start, "CREATE");
        QVERIFY(w.bouchain1().isVisible());
        QCOMPARE(BoxText(w.bouchain1(), "Text1_0"), QString("6"));
        const QString enabling = Enabling(board);  // '.' not looked at
        QVERIFY2(QRegularExpression("^...10000.00.$").match(enabling).hasMatch(),
                 qPrintable(enabling));
    }

    // The same windows, kept for the run, follow the language chosen at each start, both ways.
    void captionsFollowTheLanguageOfEachRun() {
        Harness h;
        AppWindows& w = h.windows;
        for (const int language : {1, 0, 1}) {
            w.lancement().activate();
            Click(w.lancement(), language == 0 ? "Language_0" : "Language_1");
            Click(w.lancement(), "CREATE");
            VERIFY_CAPTIONS(w.bouchain1(), "chine1", language);
            Click(w.bouchain1(), "valider");
            VERIFY_CAPTIONS(w.dessin(), "board", language);
            Click(w.dessin(), "Command1_1");
            VERIFY_CAPTIONS(w.bouchain2(), "chines23", language);
            Click(w.bouchain2(), "valider");
            Click(w.dessin(), "dessine");
            Trigger(w.dessin(), "Hmenu");
            VERIFY_CAPTIONS(w.hydro1(), "hydro", language);
            VERIFY_CAPTIONS(w.mass1(), "mass", language);
            Click(w.hydro1(), "fin2");
            h.dialogs.answerCancel();
            Click(w.dessin(), "CANCEL");
            QVERIFY(w.lancement().isVisible());
        }
    }
};

QTEST_MAIN(FlowTest)
#include "flow_test.moc"
