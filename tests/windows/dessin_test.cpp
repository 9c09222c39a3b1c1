// The drawing board: the enabling along the work, captions in both languages, the hull-name box,
// the resize layout, and the sheet under the redraw, the mouse and a new hull.
#include <QAction>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>
#include <utility>

#include "support/temp_dir.h"
#include "windows/bouchain1.h"
#include "windows/bouchain2.h"
#include "windows/dessin.h"
#include "windows/expected_captions.h"
#include "windows/fake_print_dialogs.h"
#include "windows/hydro1.h"
#include "windows/lancement.h"
#include "windows/mass1.h"
#include "windows/plan_widget.h"
#include "windows/window_harness.h"

using namespace voriel;
using namespace voriel::test;

namespace {

// The title bar; the buttons' and menu entries' texts are in expected_captions.h.
const ExpectedCaption kBoardTitle[] = {{"window", "  Planche à dessiner", "  Drawing board"}};

// The menu entries' shortcuts, the same in both languages.
const std::pair<const char*, const char*> kShortcuts[] = {
    {"fmenu_New", "Ctrl+N"},      {"fmenu_Open", "Ctrl+O"},      {"fmenu_S_Data", "Ctrl+S"},
    {"fmenu_P_Dessin", "Ctrl+P"}, {"fmenu_P_Develop", "Ctrl+D"}, {"fmenu_P_Tout", "Ctrl+A"},
    {"fmenu_Quit", "Ctrl+Q"},
};

QAction* Action(QWidget& window, const char* name) {
    auto* a = window.findChild<QAction*>(QString::fromLatin1(name));
    if (a == nullptr) qFatal("no menu entry %s", name);
    return a;
}

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
    // redraw. (The enabling along the walk itself is checked by flow_test.)
    void chine1SetsTheStageBack() {
        validate("bouchain1");
        click("dessine");
        click("Command1_1");
        QCOMPARE(h_->doc.board.ChineView, 1);
        validate("bouchain2");
        click("dessine");
        click("DessCouple");
        click("Command1_0");
        QCOMPARE(Enabling(board()), QString("100110001001"));
        QCOMPARE(h_->doc.board.ChineView, 0);
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

    // After chines 2-3, Chine 1 sets the stage back: the next redraw shows keel and chine 1
    // only, without the colour of the upper lines (the default hull's green).
    void theStageDecidesWhatIsDrawn() {
        const QRgb upper[] = {qRgb(0, 155, 0)};
        validate("bouchain1");
        click("dessine");
        QVERIFY(sheet() != blankSheet());
        for (const QRgb c : upper) QCOMPARE(pixelsOf(c), 0);
        click("Command1_1");
        validate("bouchain2");
        click("dessine");
        for (const QRgb c : upper) QVERIFY(pixelsOf(c) > 100);
        click("Command1_0");
        validate("bouchain1");
        click("dessine");
        for (const QRgb c : upper) QCOMPARE(pixelsOf(c), 0);
        QVERIFY(sheet() != blankSheet());
    }

    // The redraw button redraws when the keyboard brings the focus to it.
    void tabbingToTheRedrawButtonRedraws() {
        validate("bouchain1");
        click("dessine");
        const QImage drawn = sheet();
        plan().canvas().clear();
        QCOMPARE(sheet(), blankSheet());
        QWidget* redraw = Child(board(), "dessine");
        QFocusEvent tabIn(QEvent::FocusIn, Qt::TabFocusReason);
        QCoreApplication::sendEvent(redraw, &tabIn);
        QCOMPARE(sheet(), drawn);
        plan().canvas().clear();
        QFocusEvent back(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
        QCoreApplication::sendEvent(redraw, &back);
        QCOMPARE(sheet(), blankSheet());
    }

    void zoomPanAndDoubleClickOnTheSheet() {
        toStageOne();
        const QImage fitted = sheet();
        PlanWidget* p = &plan();
        // A click without a drag changes nothing and leaves no mark.
        QTest::mouseClick(p, Qt::LeftButton, {}, QPoint(200, 150));
        QCOMPARE(sheet(), fitted);
        // A box dragged with the left button zooms into it.
        QTest::mousePress(p, Qt::LeftButton, {}, QPoint(100, 80));
        QTest::mouseMove(p, QPoint(200, 150));
        QVERIFY(sheet() != fitted);  // the rubber band shows
        QTest::mouseMove(p, QPoint(300, 200));
        QTest::mouseRelease(p, Qt::LeftButton, {}, QPoint(300, 200));
        const QImage zoomed = sheet();
        QVERIFY(zoomed != fitted);
        QVERIFY(h_->doc.board.ViewScaleX > 0);
        // A double click goes back to the fitted view.
        QTest::mouseDClick(p, Qt::LeftButton, {}, QPoint(200, 150));
        QCOMPARE(sheet(), fitted);
        // A right-button drag moves the drawing.
        const float originX = h_->doc.board.ViewOriginX;
        QTest::mousePress(p, Qt::RightButton, {}, QPoint(100, 100));
        QTest::mouseMove(p, QPoint(120, 100));
        QTest::mouseRelease(p, Qt::RightButton, {}, QPoint(150, 90));
        QVERIFY(qAbs(h_->doc.board.ViewOriginX - originX - 50 * 15) < 1);
        QVERIFY(sheet() != fitted);
        QCOMPARE(h_->dialogs.waitDepth, 0);
    }

    void theSheetIgnoresTheMouseBeforeAnythingCanBeDrawn() {
        const QImage before = sheet();
        QTest::mouseDClick(&plan(), Qt::LeftButton, {}, QPoint(200, 150));
        QCOMPARE(sheet(), before);
        QCOMPARE(Enabling(board()), QString("000100001000"));
    }

    void captionsInBothLanguages() {
        for (const int language : {0, 1}) {
            h_->doc.hull.Language = static_cast<int16_t>(language);
            board().activate();
            std::vector<std::string> wrong = CaptionMismatches(board(), kBoardCaptions, language);
            for (const std::string& w : CaptionMismatches(board(), kBoardTitle, language))
                wrong.push_back(w);
            QVERIFY2(wrong.empty(), Joined(wrong).c_str());
            for (const auto& [name, shortcut] : kShortcuts)
                QCOMPARE(Action(board(), name)->shortcut().toString(), QString(shortcut));
        }
    }

    void hullNameBoxRules_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("hullName");  // empty: the name stays as it was
        QTest::addColumn<QColor>("background");
        QTest::addColumn<int>("beeps");
        const QColor window = QColor();  // the window's own background
        QTest::newRow("two letters") << "ab"
                                     << "VORIEL"
                                     << "" << QColor(255, 127, 0) << 1;
        QTest::newRow("empty") << ""
                               << "VORIEL"
                               << "" << QColor(255, 127, 0) << 1;
        QTest::newRow("three letters") << "abc"
                                       << "ABC"
                                       << "ABC" << window << 0;
        QTest::newRow("fifteen") << "doris de lorient"
                                 << "DORIS DE LORIEN"
                                 << "DORIS DE LORIEN" << QColor(255, 255, 0) << 0;
        QTest::newRow("twenty") << "abcdefghijklmnopqrst"
                                << "ABCDEFGHIJKLMNO"
                                << "ABCDEFGHIJKLMNO" << QColor(255, 255, 0) << 0;
        QTest::newRow("accents") << "pénichette"
                                 << "PÉNICHETTE"
                                 << "PÉNICHETTE" << window << 0;
    }
    void hullNameBoxRules() {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QString, hullName);
        QFETCH(QColor, background);
        QFETCH(int, beeps);
        auto* box = Child<QLineEdit>(board(), "Text2");
        h_->doc.hull.HullFileName = "BOAT";
        box->setText(typed);
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(box->text(), shown);
        QCOMPARE(QString::fromStdString(h_->doc.hull.HullFileName),
                 hullName.isEmpty() ? QString("BOAT") : hullName);
        QCOMPARE(box->palette().color(QPalette::Base),
                 background.isValid() ? background : board().palette().color(QPalette::Window));
        QCOMPARE(h_->dialogs.beeps, beeps);
        QCOMPARE(h_->dialogs.waitDepth, 0);
    }

    // Other keys edit the box and nothing else.
    void onlyEnterActsInTheNameBox() {
        auto* box = Child<QLineEdit>(board(), "Text2");
        box->clear();
        QTest::keyClicks(box, "ab");
        QCOMPARE(box->text(), QString("ab"));
        QCOMPARE(h_->dialogs.beeps, 0);
        QCOMPARE(h_->doc.hull.HullFileName, std::string("VORIEL2000"));
    }

    // Controls laid out under the sheet for a window of W x H twips; the values follow the resize
    // rule for a window of 12000 x 7500 twips.
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

    void resizeAtOrBelowTheLimitsMovesNothing_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        // Whole pixels at 96 dpi (15 twips each) just under the limits.
        QTest::newRow("8595 wide") << 8595 << 7500;
        QTest::newRow("3990 high") << 12000 << 3990;
        QTest::newRow("both small") << 6000 << 3000;
    }
    void resizeAtOrBelowTheLimitsMovesNothing() {
        QFETCH(int, width);
        QFETCH(int, height);
        ResizeTwips(board(), 12000, 7500);
        const QRect plan = Child(board(), "Plan1")->geometry();
        const QRect quit = Child(board(), "CANCEL")->geometry();
        ResizeTwips(board(), width, height);
        QCOMPARE(Child(board(), "Plan1")->geometry(), plan);
        QCOMPARE(Child(board(), "CANCEL")->geometry(), quit);
        // Just past both limits the layout follows again.
        ResizeTwips(board(), 8700, 4200);
        QVERIFY(qAbs(TwipsOf(board(), "Plan1").width() - 8500) <= 15);
        QVERIFY(qAbs(TwipsOf(board(), "Plan1").height() - 2200) <= 15);
    }

    // New: the default hull named "Voriel", the sheet wiped, and the chine-1 screen open.
    void newHullStartsAgainFromTheDefaults() {
        toStageOne();
        h_->doc.hull.HullFileName = "DORIS";
        h_->doc.hull.XFwd[0] = 9.0;
        QVERIFY(sheet() != blankSheet());
        Action(board(), "fmenu_New")->trigger();
        QCOMPARE(h_->doc.hull.HullFileName, std::string("Voriel"));
        Hull defaults;
        SetDefaultHull(defaults);
        QCOMPARE(h_->doc.hull.XFwd, defaults.XFwd);
        QCOMPARE(BoxText(board(), "Text2"), QString("Voriel"));
        QCOMPARE(board().windowTitle(), QString("Voriel2000  -  Nouvelle voriel"));
        QCOMPARE(sheet(), blankSheet());
        QCOMPARE(Enabling(board()), QString("100100001001"));
        QVERIFY(Child(h_->windows.bouchain1(), "valider")->isVisible());
        QCOMPARE(h_->doc.board.ChineView, 0);
    }

    // Quit in the menu and closing the window go back to the start window without saving.
    void quitAndCloseGoBackToTheStart_data() {
        QTest::addColumn<bool>("close");
        QTest::newRow("menu Quit") << false;
        QTest::newRow("window closed") << true;
    }
    void quitAndCloseGoBackToTheStart() {
        QFETCH(bool, close);
        toStageOne();
        if (close)
            board().close();
        else
            Action(board(), "fmenu_Quit")->trigger();
        QVERIFY(!board().isVisible());
        QVERIFY(h_->windows.lancement().isVisible());
        QVERIFY(h_->dialogs.requests.empty());
    }

    void hydroOpensBothWindows() {
        toStageOne();
        Action(board(), "Hmenu")->trigger();
        QVERIFY(h_->windows.hydro1().isVisible());
        QVERIFY(h_->windows.mass1().isVisible());
    }

    // Each print entry prints one document through its dialog; Printer setup opens its own.
    void printEntriesPrintThroughTheirDialogs() {
        toStageOne();
        auto print = std::make_unique<test::FakePrintDialogs>();
        auto templates = std::make_unique<test::FakeTemplateDialogs>();
        test::FakePrintDialogs& p = *print;
        test::FakeTemplateDialogs& t = *templates;
        board().usePrintDialogs(std::move(print), std::move(templates));
        board().usePrintDate("2026-12-06");
        test::TempDir dir;
        const char* entries[] = {"fmenu_P_Dessin", "fmenu_P_Develop", "fmenu_P_Tout",
                                 "fmenu_P_Gabarits"};
        for (const char* name : entries) {
            const std::string pdf = dir / (std::string(name) + ".pdf");
            p.pdf = pdf;
            t.pdf = pdf;
            Action(board(), name)->trigger();
            QVERIFY2(QFileInfo(QString::fromStdString(pdf)).size() > 1000, name);
        }
        QCOMPARE(p.titles, (std::vector<std::string>{kPrintDrawingTitle, kPrintDevelopmentTitle,
                                                     kPrintAllTitle}));
        QCOMPARE(t.titles, std::vector<std::string>{kPrintTemplatesTitle});
        Action(board(), "fmenu_PSetup")->trigger();
        QCOMPARE(p.setups, 1);
        QVERIFY(h_->dialogs.messages.empty());
    }

private:
    Dessin& board() { return h_->windows.dessin(); }
    PlanWidget& plan() { return *Child<PlanWidget>(board(), "Plan1"); }
    QImage sheet() { return plan().canvas().image().copy(); }
    int pixelsOf(QRgb colour) {
        const QImage& img = plan().canvas().image();
        int n = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) n += img.pixel(x, y) == colour ? 1 : 0;
        return n;
    }
    QImage blankSheet() {
        QImage white(plan().canvas().image().size(), QImage::Format_RGB32);
        white.fill(Qt::white);
        return white;
    }
    void click(const char* name) { Click(board(), name); }
    void validate(const char* screen) {
        QWidget* w = screen == QLatin1String("bouchain1")
                         ? static_cast<QWidget*>(&h_->windows.bouchain1())
                         : static_cast<QWidget*>(&h_->windows.bouchain2());
        Click(*w, "valider");
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
