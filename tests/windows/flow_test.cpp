// The start window and the normal flow through the six windows: Begin, both screens validated
// with a redraw after each, Develop, Draw station, hydrostatics and mass budget, Compute, the
// hydrostatics' Quit, the board's Quit, and back to the start window; the windows shown and the
// board's enabling after every step, and every window's captions following the language chosen.
#include "windows/window_harness.h"

using namespace voriel;
using namespace voriel::test;

class FlowTest : public QObject {
    Q_OBJECT

private slots:
    // Runs in the same windows: Begin without a choice (French), then English, French and
    // English again, each ending with the board's Quit; the captions follow the language chosen
    // at each start; the enabling and the sheet are followed on the first run.
    void normalFlowInEachLanguage() {
        Harness h;
        Lancement& start = h.windows.lancement();
        for (const int choice : {-1, 1, 0, 1}) {
            start.activate();
            if (choice >= 0) Click(start, choice == 0 ? "Language_0" : "Language_1");
            walk(h, std::max(choice, 0), choice < 0);
            // Quit saves the hull first; a cancelled save dialog still quits.
            h.dialogs = FakeDialogs{};
            h.dialogs.answerCancel();
            Click(h.windows.dessin(), "CANCEL");
            QCOMPARE(h.dialogs.requests.size(), std::size_t{1});
            QVERIFY(h.dialogs.requests[0].rfind("Save; ", 0) == 0 && h.dialogs.messages.empty());
            QCOMPARE(Shown(), QString("lancement"));
            h.doc.hull.XFwd[0] = 9;  // the next Begin starts again from the default hull
        }
    }

    // Before a choice the start window offers both languages, centred on the screen; a language
    // clicked sets its captions. Loading the window, and showing it again (by activate() in the
    // French run, by a real activation in the English one) put the default hull back, the
    // language kept.
    void startWindowLanguagesAndTheDefaultHull() {
        Hull defaults;
        SetDefaultHull(defaults);
        for (const int language : {0, 1}) {
            Harness h;
            Lancement& start = h.windows.lancement();
            QVERIFY(SameHull(h.doc.hull, defaults));  // loading the window
            start.activate();
            QCOMPARE(CaptionOf(start, "CREATE") + ", " + CaptionOf(start, "CANCEL") + ", " +
                         CaptionOf(start, "Language_0") + ", " + CaptionOf(start, "Language_1"),
                     QString::fromUtf8("DEBUTER, begin, TERMINER, end, Français, English"));
            QCOMPARE(h.doc.hull.Language, int16_t{0});
            const QPoint offset =
                start.frameGeometry().center() - start.screen()->availableGeometry().center();
            QVERIFY2(offset.manhattanLength() <= 40,
                     qPrintable(QString("%1,%2").arg(offset.x()).arg(offset.y())));
            // Through the other language first, so that the captions really change.
            Click(start, language == 0 ? "Language_1" : "Language_0");
            Click(start, language == 0 ? "Language_0" : "Language_1");
            QCOMPARE(h.doc.hull.Language, int16_t(language));
            VERIFY_CAPTIONS(start, "lancement", language);
            QWidget other;
            QVERIFY(language == 0 || Activate(other));
            // A hull plainly not the default one, as a builder leaves it after some work.
            h.doc.hull.XFwd[0] = 9.5;
            h.doc.hull.PlankAngle[2] = 44;
            h.doc.hull.HullFileName = "DORIS";
            h.doc.hull.PanelDensity[0] = 30;
            if (language == 0) {
                start.hide();
                start.activate();
            }
            QVERIFY(language == 0 || Activate(start));
            QCOMPARE(h.doc.hull.Language, int16_t(language));
            defaults.Language = int16_t(language);
            QVERIFY(SameHull(h.doc.hull, defaults));
            VERIFY_CAPTIONS(start, "lancement", language);
            QVERIFY(Child<QRadioButton>(start, language == 0 ? "Language_0" : "Language_1")
                        ->isChecked());
        }
    }

private:
    // Walks golden/windows/walk.txt: at each step a button clicked (or a menu entry triggered)
    // in a window, then the windows shown, the board's enabling and whether the sheet changed
    // (when `states`: the first run), and the windows whose captions are checked in the language.
    void walk(Harness& h, int language, bool states) {
        for (const QStringList& s : Rows("windows/walk", 6)) {
            const QImage before = Sheet(h.windows.dessin());
            Click(Window(qPrintable(s[0])), qPrintable(s[1]));
            QVERIFY2(Shown() == s[2], qPrintable(s[1]));
            QVERIFY2(!states || Enabling(h.windows.dessin()) == s[3], qPrintable(s[1]));
            QVERIFY2(!states || s[4] == "0" || Sheet(h.windows.dessin()) != before,
                     qPrintable(s[1]));
            for (const QString& w : s[5].split(' '))
                if (w != "-") VERIFY_CAPTIONS(Window(qPrintable(w)), w.toStdString(), language);
            if (s[1] != "CREATE") continue;
            QCOMPARE(h.windows.dessin().windowTitle(),
                     QString(language == 1 ? "Voriel2000  -  New Hull : VORIEL2000"
                                           : "Voriel2000  -  Nouvelle voriel : VORIEL2000"));
            QCOMPARE(BoxText(h.windows.bouchain1(), "Text1_0"), QString("6"));
            // Begun again, the steps before the redraws are off ('.' not looked at).
            const QString enabling = Enabling(h.windows.dessin());
            QVERIFY2(QRegularExpression("^...10000.00.$").match(enabling).hasMatch(),
                     qPrintable(enabling));
        }
    }
};

QTEST_MAIN(FlowTest)
#include "flow_test.moc"
