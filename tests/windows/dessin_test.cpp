// The drawing board: the stage set back by Chine 1, the focus after a redraw, the sheet under the
// keyboard, the mouse and a new hull, its title and shortcuts, the hull-name box, the resize
// layout, Quit, and the Print menu. (The enabling along the walk and the captions: the flow test.)
#include <QAction>
#include <QFileInfo>
#include <QLineEdit>
#include <QTest>
#include <memory>
#include <utility>

#include "support/temp_dir.h"
#include "windows/fake_print_dialogs.h"
#include "windows/lancement.h"
#include "windows/plan_widget.h"
#include "windows/window_harness.h"

using namespace voriel;
using namespace voriel::test;

namespace {

// The board's size in twips set as the window's size (96 dpi under the offscreen platform).
void ResizeTwips(QWidget& board, int w, int h) {
    const double px = board.logicalDpiX() / 1440.0, py = board.logicalDpiY() / 1440.0;
    board.resize(qRound(w * px), qRound(h * py));
    QCoreApplication::processEvents();
}

QRectF TwipsOf(QWidget& board, const char* name) {
    const QRect g = Child(board, name)->geometry();
    const double tx = 1440.0 / board.logicalDpiX(), ty = 1440.0 / board.logicalDpiY();
    return {g.x() * tx, g.y() * ty, g.width() * tx, g.height() * ty};
}

}  // namespace

class DessinTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        h_ = std::make_unique<Harness>();
        h_->windows.lancement().activate();
        Click(h_->windows.lancement(), "CREATE");
    }
    void cleanup() { h_.reset(); }

    // Chine 1 pressed after the whole walk sets the stage back: stage 0's enabling before its
    // redraw, and the redraw shows keel and chine 1 only, without the colour of the upper lines
    // (the default hull's green).
    void chine1SetsTheStageBack() {
        const QRgb upper = qRgb(0, 155, 0);
        validate("bouchain1");
        click("dessine");
        QCOMPARE(PixelsOf(board(), upper), 0);
        click("Command1_1");
        QCOMPARE(h_->doc.board.ChineView, 1);
        validate("bouchain2");
        click("dessine");
        QVERIFY(PixelsOf(board(), upper) > 100);
        click("DessCouple");
        click("Command1_0");
        QCOMPARE(Enabling(board()), QString("100110001001"));
        QCOMPARE(h_->doc.board.ChineView, 0);
        validate("bouchain1");
        click("dessine");
        QCOMPARE(PixelsOf(board(), upper), 0);
        QVERIFY(Sheet(board()) != blankSheet());
        QCOMPARE(h_->dialogs.waitDepth, 0);
        QVERIFY(h_->dialogs.messages.empty());
    }

    void aRedrawGivesTheFocusToTheNextStep() {
        validate("bouchain1");
        click("dessine");
        QCOMPARE(board().focusWidget(), Child(board(), "Command1_1"));
        click("Command1_1");
        validate("bouchain2");
        click("dessine");
        QCOMPARE(board().focusWidget(), Child(board(), "Developer"));
    }

    // The redraw button redraws when the keyboard brings the focus to it.
    void tabbingToTheRedrawButtonRedraws() {
        validate("bouchain1");
        click("dessine");
        const QImage drawn = Sheet(board());
        plan().canvas().clear();
        QCOMPARE(Sheet(board()), blankSheet());
        QWidget* redraw = Child(board(), "dessine");
        QFocusEvent tabIn(QEvent::FocusIn, Qt::TabFocusReason);
        QCoreApplication::sendEvent(redraw, &tabIn);
        QCOMPARE(Sheet(board()), drawn);
        plan().canvas().clear();
        QFocusEvent back(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
        QCoreApplication::sendEvent(redraw, &back);
        QCOMPARE(Sheet(board()), blankSheet());
    }

    void zoomPanAndDoubleClickOnTheSheet() {
        toStageOne();
        const QImage fitted = Sheet(board());
        PlanWidget* p = &plan();
        // A click without a drag changes nothing and leaves no mark.
        QTest::mouseClick(p, Qt::LeftButton, {}, QPoint(200, 150));
        QCOMPARE(Sheet(board()), fitted);
        // A box dragged with the left button zooms into it.
        QTest::mousePress(p, Qt::LeftButton, {}, QPoint(100, 80));
        QTest::mouseMove(p, QPoint(200, 150));
        QVERIFY(Sheet(board()) != fitted);  // the rubber band shows
        QTest::mouseMove(p, QPoint(300, 200));
        QTest::mouseRelease(p, Qt::LeftButton, {}, QPoint(300, 200));
        QVERIFY(Sheet(board()) != fitted);
        QVERIFY(h_->doc.board.ViewScaleX > 0);
        // A double click goes back to the fitted view.
        QTest::mouseDClick(p, Qt::LeftButton, {}, QPoint(200, 150));
        QCOMPARE(Sheet(board()), fitted);
        // A right-button drag moves the drawing.
        const float originX = h_->doc.board.ViewOriginX;
        QTest::mousePress(p, Qt::RightButton, {}, QPoint(100, 100));
        QTest::mouseMove(p, QPoint(120, 100));
        QTest::mouseRelease(p, Qt::RightButton, {}, QPoint(150, 90));
        QVERIFY(qAbs(h_->doc.board.ViewOriginX - originX - 50 * 15) < 1);
        QVERIFY(Sheet(board()) != fitted);
        QCOMPARE(h_->dialogs.waitDepth, 0);
    }

    void theSheetIgnoresTheMouseBeforeAnythingCanBeDrawn() {
        const QImage before = Sheet(board());
        QTest::mouseDClick(&plan(), Qt::LeftButton, {}, QPoint(200, 150));
        QCOMPARE(Sheet(board()), before);
        QCOMPARE(Enabling(board()), QString("000100001000"));
    }

    // The title of the board itself, and the menu entries' shortcuts, the same in both languages.
    void titleAndShortcutsInBothLanguages() {
        const std::pair<const char*, const char*> shortcuts[] = {
            {"fmenu_New", "Ctrl+N"},      {"fmenu_Open", "Ctrl+O"},      {"fmenu_S_Data", "Ctrl+S"},
            {"fmenu_P_Dessin", "Ctrl+P"}, {"fmenu_P_Develop", "Ctrl+D"}, {"fmenu_P_Tout", "Ctrl+A"},
            {"fmenu_Quit", "Ctrl+Q"}};
        for (const int language : {0, 1}) {
            h_->doc.hull.Language = static_cast<int16_t>(language);
            board().activate();
            QCOMPARE(board().windowTitle(),
                     QString::fromUtf8(language == 0 ? "  Planche à dessiner" : "  Drawing board"));
            for (const auto& [name, shortcut] : shortcuts)
                QCOMPARE(Child<QAction>(board(), name)->shortcut().toString(), QString(shortcut));
        }
    }

    // Enter in the name box: too short refused (orange, a beep), long cut to 15 (yellow), upper
    // case; other keys edit the box and nothing else.
    void hullNameBoxRules() {
        struct Row {
            const char *typed, *shown, *hullName;  // hullName "": the name stays as it was
            QColor background;                     // invalid: the window's own background
            int beeps;
        };
        const Row rows[] = {
            {"ab", "VORIEL", "", QColor(255, 127, 0), 1},
            {"", "VORIEL", "", QColor(255, 127, 0), 1},
            {"abc", "ABC", "ABC", QColor(), 0},
            {"doris de lorient", "DORIS DE LORIEN", "DORIS DE LORIEN", QColor(255, 255, 0), 0},
            {"abcdefghijklmnopqrst", "ABCDEFGHIJKLMNO", "ABCDEFGHIJKLMNO", QColor(255, 255, 0), 0},
            {"pénichette", "PÉNICHETTE", "PÉNICHETTE", QColor(), 0},
        };
        auto* box = Child<QLineEdit>(board(), "Text2");
        box->clear();
        QTest::keyClicks(box, "ab");
        QCOMPARE(box->text(), QString("ab"));
        QCOMPARE(h_->dialogs.beeps, 0);
        QCOMPARE(h_->doc.hull.HullFileName, std::string("VORIEL2000"));
        for (const Row& r : rows) {
            h_->dialogs = FakeDialogs{};
            h_->doc.hull.HullFileName = "BOAT";
            Enter(board(), "Text2", QString::fromUtf8(r.typed));
            QCOMPARE(box->text(), QString::fromUtf8(r.shown));
            QCOMPARE(QString::fromStdString(h_->doc.hull.HullFileName),
                     QString::fromUtf8(*r.hullName ? r.hullName : "BOAT"));
            QCOMPARE(
                box->palette().color(QPalette::Base),
                r.background.isValid() ? r.background : board().palette().color(QPalette::Window));
            QCOMPARE(h_->dialogs.beeps, r.beeps);
            QCOMPARE(h_->dialogs.waitDepth, 0);
        }
    }

    // Controls laid out under the sheet for a window of 12000 x 7500 twips, as the resize rule
    // places them.
    void resizeLaysTheStripOutUnderTheSheet() {
        struct Place {
            const char* name;
            double left, top, width, height;
        };
        const Place expected[] = {
            {"Plan1", 40, 40, 11800, 5500},        {"CANCEL", 10400, 5700, 1400, 500},
            {"dessine", 8800, 5700, 1400, 500},    {"Command1_0", 200, 6250, 1400, 500},
            {"Command1_1", 1800, 6250, 1400, 500}, {"DessCouple", 3550, 6250, 2100, 500},
            {"Developer", 8800, 6250, 1400, 500},  {"Label2", 200, 5750, 1100, 200},
            {"Text2", 1350, 5700, 2000, -1},       {"Label1", 3550, 5750, 1000, 200},
            {"Text1", 4650, 5700, 1000, -1},
        };
        ResizeTwips(board(), 12000, 7500);
        for (const Place& p : expected) {
            const QRectF t = TwipsOf(board(), p.name);
            const double tol = 15;  // one pixel
            QVERIFY2(qAbs(t.left() - p.left) <= tol && qAbs(t.top() - p.top) <= tol &&
                         qAbs(t.width() - p.width) <= tol &&
                         (p.height < 0 || qAbs(t.height() - p.height) <= tol),
                     qPrintable(QString("%1 at %2,%3 %4x%5")
                                    .arg(p.name)
                                    .arg(t.left())
                                    .arg(t.top())
                                    .arg(t.width())
                                    .arg(t.height())));
        }
        // The whole strip fits in the window under the menu bar.
        QVERIFY(Child(board(), "Command1_0")->geometry().bottom() <
                board().centralWidget()->height());
        // The sheet's drawing surface is the widget's size.
        QCOMPARE(plan().canvas().image().size(), plan().size());
    }

    // At or below either limit (whole pixels at 96 dpi, 15 twips each) nothing moves; just past
    // both the layout follows again.
    void resizeAtOrBelowTheLimitsMovesNothing() {
        for (const auto& [width, height] : {std::pair{8595, 7500}, {12000, 3990}, {6000, 3000}}) {
            ResizeTwips(board(), 12000, 7500);
            const QRect plan1 = Child(board(), "Plan1")->geometry();
            const QRect quit = Child(board(), "CANCEL")->geometry();
            ResizeTwips(board(), width, height);
            QCOMPARE(Child(board(), "Plan1")->geometry(), plan1);
            QCOMPARE(Child(board(), "CANCEL")->geometry(), quit);
        }
        ResizeTwips(board(), 8700, 4200);
        QVERIFY(qAbs(TwipsOf(board(), "Plan1").width() - 8500) <= 15);
        QVERIFY(qAbs(TwipsOf(board(), "Plan1").height() - 2200) <= 15);
    }

    // New: the default hull named "Voriel", the sheet wiped, and the chine-1 screen open.
    void newHullStartsAgainFromTheDefaults() {
        toStageOne();
        h_->doc.hull.HullFileName = "DORIS";
        h_->doc.hull.XFwd[0] = 9.0;
        QVERIFY(Sheet(board()) != blankSheet());
        Trigger(board(), "fmenu_New");
        QCOMPARE(h_->doc.hull.HullFileName, std::string("Voriel"));
        Hull defaults;
        SetDefaultHull(defaults);
        QCOMPARE(h_->doc.hull.XFwd, defaults.XFwd);
        QCOMPARE(BoxText(board(), "Text2"), QString("Voriel"));
        QCOMPARE(board().windowTitle(), QString("Voriel2000  -  Nouvelle voriel"));
        QCOMPARE(Sheet(board()), blankSheet());
        QCOMPARE(Enabling(board()), QString("100100001001"));
        QVERIFY(Child(h_->windows.bouchain1(), "valider")->isVisible());
        QCOMPARE(h_->doc.board.ChineView, 0);
    }

    // Quit in the menu and closing the window go back to the start window without saving.
    void quitAndCloseGoBackToTheStart() {
        toStageOne();
        for (const bool close : {false, true}) {
            board().activate();
            if (close)
                board().close();
            else
                Trigger(board(), "fmenu_Quit");
            QVERIFY(!board().isVisible());
            QVERIFY(h_->windows.lancement().isVisible());
            QVERIFY(h_->dialogs.requests.empty());
        }
    }

    // Each print entry prints one document through its dialog; Printer setup opens its own.
    void printEntriesPrintThroughTheirDialogs() {
        toStageOne();
        auto print = std::make_unique<FakePrintDialogs>();
        auto templates = std::make_unique<FakeTemplateDialogs>();
        FakePrintDialogs& p = *print;
        FakeTemplateDialogs& t = *templates;
        board().usePrintDialogs(std::move(print), std::move(templates));
        board().usePrintDate("2026-12-06");
        TempDir dir;
        for (const char* name :
             {"fmenu_P_Dessin", "fmenu_P_Develop", "fmenu_P_Tout", "fmenu_P_Gabarits"}) {
            const std::string pdf = dir / (std::string(name) + ".pdf");
            p.pdf = pdf;
            t.pdf = pdf;
            Trigger(board(), name);
            QVERIFY2(QFileInfo(QString::fromStdString(pdf)).size() > 1000, name);
        }
        Trigger(board(), "fmenu_PSetup");  // its own dialog only
        QCOMPARE(p.setups, 1);
        QCOMPARE(p.titles, (std::vector<std::string>{kPrintDrawingTitle, kPrintDevelopmentTitle,
                                                     kPrintAllTitle}));
        QCOMPARE(t.titles, std::vector<std::string>{kPrintTemplatesTitle});
        QVERIFY(h_->dialogs.messages.empty());
    }

private:
    Dessin& board() { return h_->windows.dessin(); }
    PlanWidget& plan() { return *Child<PlanWidget>(board(), "Plan1"); }
    QImage blankSheet() {
        QImage white(plan().canvas().image().size(), QImage::Format_RGB32);
        white.fill(Qt::white);
        return white;
    }
    void click(const char* name) { Click(board(), name); }
    void validate(const char* screen) {
        Click(screen == QLatin1String("bouchain1") ? static_cast<QWidget&>(h_->windows.bouchain1())
                                                   : h_->windows.bouchain2(),
              "valider");
    }
    void toStageOne() {
        validate("bouchain1");
        click("dessine");
        click("Command1_1");
        validate("bouchain2");
        click("dessine");
    }

    std::unique_ptr<Harness> h_;
};

QTEST_MAIN(DessinTest)
#include "dessin_test.moc"
