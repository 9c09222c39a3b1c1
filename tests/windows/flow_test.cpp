// The start window and the normal flow through the six windows: Begin, both screens validated
// with a redraw after each, Develop, Draw station, hydrostatics and mass budget, Compute, the
// hydrostatics' Quit, the board's Quit, and back to the start window; the windows shown and the
// board's enabling after every step, and every window's captions following the language chosen.
// Then the two definition screens (chine 1, chines 2-3): validation by Valider, by leaving the
// screen and by closing it, refused entries keeping the hull and the screen; each screen's own
// filling, the stem-inclination rule and the turned-in check boxes. (The screens' reading rules,
// and that untouched boxes read back what they show over random hulls: the core's Chine1Screen
// and Chines23Screen tests.)

#include "windows/window_harness.h"

using namespace voriel;
using namespace voriel::test;

namespace {

// A screen, one of its boxes, an entry it takes (with a decimal comma), one it refuses and the
// English message saying why.
struct Screen {
    const char *name, *box, *good, *shown;
    double (*stored)(const Hull&);  // where the box goes in the hull
    double value;
    const char *refused, *said;
};
const Screen kScreens[] = {
    {"bouchain1", "Text1_0", "7,2", "7.2", [](const Hull& h) { return h.XFwd[0]; }, 7.2, "0",
     "The length LWL cannot be 0."},
    {"bouchain2", "Text3_0", "1,2", "1.2", [](const Hull& h) { return h.ZFwd[4]; }, 1.2, "1e999",
     "Invalid value in Text3(0): \"1e999\""},
};

}  // namespace

class FlowTest : public QObject {
    Q_OBJECT

private slots:
    // The board with the chine-1 screen over it; for a row of chines 2-3, chine 1 validated
    // first and the chines-2/3 screen opened, as the board allows. (The flow tests start a
    // program of their own.)
    void init() {
        h_ = std::make_unique<Harness>();
        h_->windows.dessin().begin();
        const char* tag = QTest::currentDataTag();
        screen_ = &kScreens[tag && QLatin1String(tag) == QLatin1String("chines 2-3") ? 1 : 0];
        if (screen_ == &kScreens[1]) openChines23();
        before_ = h_->doc.hull;
    }

    // Runs in the same windows: Begin without a choice (French), then English, French and
    // English again, each ending with the board's Quit; the captions follow the language chosen
    // at each start; the enabling and the sheet are followed on the first run.
    void normalFlowInEachLanguage() {
        h_ = std::make_unique<Harness>();  // a program just started
        Harness& h = *h_;
        Lancement& start = h.windows.lancement();
        for (const int choice : {-1, 1, 0, 1}) {
            start.activate();
            if (choice >= 0) Click(start, choice == 0 ? "Language_0" : "Language_1");
            walk(h, std::max(choice, 0), choice < 0);
            // Quit saves the hull first; a cancelled save dialog (no answer queued) still quits.
            h.dialogs = FakeDialogs{};
            Click(h.windows.dessin(), "CANCEL");
            QCOMPARE(h.dialogs.requests.size(), std::size_t{1});
            QVERIFY(h.dialogs.requests[0].rfind("Save; ", 0) == 0 && h.dialogs.messages.empty());
            QCOMPARE(Shown(), QString("lancement"));
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
            h_ = std::make_unique<Harness>(false);  // a program just started
            Harness& h = *h_;
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
            VERIFY_CAPTIONS(start, "lancement", language);
            QWidget other;
            QVERIFY(language == 0 || Activate(other));
            // A hull plainly not the default one, as a builder leaves it after some work.
            h.doc.hull.XFwd[0] = 9.5;
            h.doc.hull.HullFileName = "DORIS";
            if (language == 0) {
                start.hide();
                start.activate();
            }
            QVERIFY(language == 0 || Activate(start));
            QCOMPARE(h.doc.hull.Language, int16_t(language));
            QVERIFY(SameHull(h.doc.hull, defaults));
            VERIFY_CAPTIONS(start, "lancement", language);
            QVERIFY(Child<QRadioButton>(start, language == 0 ? "Language_0" : "Language_1")
                        ->isChecked());
        }
    }

    // Hidden by the board (its Quit), a screen validates nothing. A refused entry: by Valider
    // said with a beep, its box light red, the hull and the screen kept; by going to the board,
    // said again and the screen comes back to the front with the entry to correct. Corrected,
    // going to the board validates: the box white again, showing what the hull took.
    void validatesOnValiderLeavingAndClosing_data() {
        QTest::addColumn<int>("screen");
        QTest::newRow("chine 1") << 0;
        QTest::newRow("chines 2-3") << 1;
    }
    void validatesOnValiderLeavingAndClosing() {
        Type(window(), screen_->box, screen_->good);
        window().hide();
        QVERIFY(SameHull(h_->doc.hull, before_) && h_->dialogs.messages.empty());
        activateScreen();
        QVERIFY(Activate(window()));
        Type(window(), screen_->box, screen_->refused);
        h_->doc.hull.Language = 1;  // the message in the hull's language
        Click(window(), "valider");
        QCOMPARE(h_->dialogs.messages.size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(h_->dialogs.messages[0].text), QString(screen_->said));
        QVERIFY(h_->dialogs.beeps >= 1 && window().isVisible());
        QCOMPARE(BoxColour(*Child<QLineEdit>(window(), screen_->box)), kBoxRefused);
        h_->windows.dessin().activateWindow();  // the screen takes the focus back at once
        QTRY_COMPARE(h_->dialogs.messages.size(), std::size_t{2});
        QTRY_VERIFY(window().isActiveWindow());
        QCOMPARE(BoxText(window(), screen_->box), QString(screen_->refused));
        QVERIFY(SameHull(h_->doc.hull, before_));
        Type(window(), screen_->box, screen_->good);
        QVERIFY(Activate(h_->windows.dessin()));
        QTRY_VERIFY(!window().isVisible());
        QCOMPARE(screen_->stored(h_->doc.hull), screen_->value);
        QCOMPARE(BoxText(window(), screen_->box), QString(screen_->shown));
        QCOMPARE(BoxColour(*Child<QLineEdit>(window(), screen_->box)), kBoxWhite);
        QCOMPARE(h_->dialogs.messages.size(), std::size_t{2});

        // Closed, it validates, and a refused entry keeps it open. (Refilled when shown again: the
        // filling test.)
        h_->doc.hull = before_;
        activateScreen();
        Type(window(), screen_->box, screen_->good);
        QVERIFY(window().close());
        QCOMPARE(screen_->stored(h_->doc.hull), screen_->value);
        activateScreen();
        Type(window(), screen_->box, screen_->refused);
        QVERIFY(!window().close() && window().isVisible());
        QCOMPARE(screen_->stored(h_->doc.hull), screen_->value);
    }

    // golden/windows/screen_boxes.txt: a screen, a box and what it shows of the default hull
    // with a length of 6.25 and the stem at -7 degrees: numbers as numbers, angles as integers,
    // both inclinations as absolute values. The stem inclination box is open only with a half
    // width forward, as typed (golden/windows/stem_rule.txt: the half width typed, 1 when the box
    // is open).
    void fillsTheBoxesFromTheHullTheStemRuleAndTheTurnedInBoxes() {
        openChines23();
        h_->doc.hull.XFwd[0] = 6.25;
        h_->doc.hull.StemAngle = -7;
        Bouchain1& s = h_->windows.bouchain1();
        s.activate();
        for (const QStringList& r : Rows("windows/screen_boxes", 3))
            QCOMPARE(BoxText(Window(qPrintable(r[0])), qPrintable(r[1])), r[2]);
        QVERIFY(!Child(s, "Text2_5")->isEnabled());  // the default forefoot is pointed
        for (const QStringList& r : Rows("windows/stem_rule", 2)) {
            Type(s, "Text1_3", r[0]);
            QVERIFY2(Child(s, "Text2_5")->isEnabled() == (r[1] == "1"), qPrintable(r[0]));
        }

        // A click on each turned-in box, and the four boxes and flags after it (+1 kept, -1
        // turned in), as golden/windows/check_boxes.txt lists them: the box, then the ticks of
        // Marotte 2, 3, Tableau 2, 3 before and after.
        Bouchain2& s2 = h_->windows.bouchain2();
        const char* names[4] = {"ChkMarotte_2", "ChkMarotte_3", "ChkTableau_2", "ChkTableau_3"};
        Hull& hull = h_->doc.hull;
        const auto flag = [&hull](int j) -> int16_t& {
            return (j < 2 ? hull.StemTurnIn : hull.TransomTurnIn)[2 + j % 2];
        };
        for (const QStringList& r : Rows("windows/check_boxes", 3)) {
            for (int j = 0; j < 4; ++j) flag(j) = r[1][j] == '1' ? -1 : 1;
            s2.hide();
            s2.activate();  // filled from the flags
            for (int j = 0; j < 4; ++j)
                QCOMPARE(Child<QCheckBox>(s2, names[j])->isChecked(), r[1][j] == '1');
            Child<QCheckBox>(s2, qPrintable(r[0]))->click();
            for (int j = 0; j < 4; ++j) {
                QVERIFY2(Child<QCheckBox>(s2, names[j])->isChecked() == (r[2][j] == '1'),
                         qPrintable(r[0]));
                QCOMPARE(flag(j), int16_t(r[2][j] == '1' ? -1 : 1));
            }
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
            // Begun again, the steps before the redraws are off ('.' not looked at).
            const QString enabling = Enabling(h.windows.dessin());
            QVERIFY2(QRegularExpression("^...10000.00.$").match(enabling).hasMatch(),
                     qPrintable(enabling));
        }
    }
    QWidget& window() { return Window(screen_->name); }
    void activateScreen() {
        screen_ == kScreens ? h_->windows.bouchain1().activate()
                            : h_->windows.bouchain2().activate();
    }
    void openChines23() {
        Click(h_->windows.bouchain1(), "valider");
        Click(h_->windows.dessin(), "Command1_1");
    }

    std::unique_ptr<Harness> h_;
    const Screen* screen_ = nullptr;
    Hull before_;  // the hull as the screen was shown
};

QTEST_MAIN(FlowTest)
#include "flow_test.moc"
