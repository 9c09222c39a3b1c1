// The drawing board: the stage set back by Chine 1, the sheet under the keyboard, the mouse and a
// new hull, its title and shortcuts, the hull-name box, the resize layout, Quit, the Print menu,
// and the file commands with the fake dialogs (save and open, cancel, write errors, the Quit
// button's save, the question before replacing another file, the exports). (The enabling along
// the walk and the captions: the flow test; the files' contents: the core's golden files.)
#include "export/export_commands.h"
#include "hull/hull_data_file.h"
#include "support/pdf_tools.h"
#include "windows/qt_dialogs.h"
#include "windows/window_harness.h"

using namespace voriel;
using namespace voriel::test;

namespace {

// The board's size in twips set as the window's size (96 dpi under the offscreen platform).
void ResizeTwips(QWidget& board, int w, int h) {
    board.resize(qRound(w * board.logicalDpiX() / 1440.0),
                 qRound(h * board.logicalDpiY() / 1440.0));
    QCoreApplication::processEvents();
}

// A control's left, top, width and height in twips.
std::array<double, 4> TwipsOf(QWidget& board, const char* name) {
    const QRect g = Child(board, name)->geometry();
    const double tx = 1440.0 / board.logicalDpiX(), ty = 1440.0 / board.logicalDpiY();
    return {g.x() * tx, g.y() * ty, g.width() * tx, g.height() * ty};
}

// The Save menu's export entries.
const char* const kExports[] = {"fmenu_S_XYZ",  "fmenu_S_DXF",       "fmenu_SD_XYZ",
                                "fmenu_SD_DXF", "fmenu_Station_DXF", "fmenu_S_VRML"};

const char* const kSaveDataTitle = "Voriel 2000 Saving Data";

}  // namespace

class DessinTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        h_ = std::make_unique<Harness>();
        dir_ = std::make_unique<TempDir>();
        h_->windows.lancement().activate();
        Click(h_->windows.lancement(), "CREATE");
    }
    void cleanup() {
        QCOMPARE(h_->dialogs.waitDepth, 0);
        QCOMPARE(h_->dialogs.pendingAnswers(), std::size_t(0));
    }

    // Before anything can be drawn the sheet ignores the mouse. Each redraw gives the focus to
    // the next step; then a click without a drag leaves no mark, a box dragged zooms into it
    // (the rubber band showing meanwhile), a double click goes back to the fitted view and a
    // right-button drag moves the drawing. Chine 1 pressed after the whole walk sets the stage
    // back: stage 0's enabling before its redraw, and the redraw shows keel and chine 1 only,
    // without the colour of the upper lines (the default hull's green). The redraw button
    // redraws when the keyboard brings the focus to it, not otherwise.
    void stagesRedrawsAndTheMouseOnTheSheet() {
        PlanWidget* p = &plan();
        QTest::mouseDClick(p, Qt::LeftButton, {}, QPoint(200, 150));
        QCOMPARE(Sheet(board()), blankSheet());
        toStageOne();
        QCOMPARE(board().focusWidget(), Child(board(), "Developer"));
        const QRgb upper = qRgb(0, 155, 0);
        QVERIFY(PixelsOf(board(), upper) > 100);
        const QImage fitted = Sheet(board());
        QTest::mouseClick(p, Qt::LeftButton, {}, QPoint(200, 150));
        QCOMPARE(Sheet(board()), fitted);
        QTest::mousePress(p, Qt::LeftButton, {}, QPoint(100, 80));
        QTest::mouseMove(p, QPoint(200, 150));
        QVERIFY(Sheet(board()) != fitted);
        QTest::mouseMove(p, QPoint(300, 200));
        QTest::mouseRelease(p, Qt::LeftButton, {}, QPoint(300, 200));
        QVERIFY(Sheet(board()) != fitted && h_->doc.board.ViewScaleX > 0);
        QTest::mouseDClick(p, Qt::LeftButton, {}, QPoint(200, 150));
        QCOMPARE(Sheet(board()), fitted);
        const float originX = h_->doc.board.ViewOriginX;
        QTest::mousePress(p, Qt::RightButton, {}, QPoint(100, 100));
        QTest::mouseMove(p, QPoint(120, 100));
        QTest::mouseRelease(p, Qt::RightButton, {}, QPoint(150, 90));
        QVERIFY(qAbs(h_->doc.board.ViewOriginX - originX - 50 * 15) < 1);

        click("DessCouple");
        click("Command1_0");
        QCOMPARE(Enabling(board()) + QString::number(h_->doc.board.ChineView), "1001100010010");
        Click(h_->windows.bouchain1(), "valider");
        click("dessine");
        QCOMPARE(board().focusWidget(), Child(board(), "Command1_1"));
        QCOMPARE(PixelsOf(board(), upper), 0);
        const QImage drawn = Sheet(board());
        QVERIFY(drawn != blankSheet() && h_->dialogs.messages.empty());
        for (const Qt::FocusReason reason : {Qt::TabFocusReason, Qt::ActiveWindowFocusReason}) {
            plan().canvas().clear();
            QFocusEvent in(QEvent::FocusIn, reason);
            QCoreApplication::sendEvent(Child(board(), "dessine"), &in);
            QCOMPARE(Sheet(board()), reason == Qt::TabFocusReason ? drawn : blankSheet());
        }
    }

    // The title of the board itself, and the menu entries' shortcuts, the same in both languages;
    // the file filters in Qt's form for the real file dialogs.
    void titleAndShortcutsInBothLanguages() {
        for (const char* title : {"  Planche à dessiner", "  Drawing board"}) {
            h_->doc.hull.Language = int16_t(title[2] == 'D');
            board().activate();
            QCOMPARE(board().windowTitle(), QString::fromUtf8(title));
            for (const QStringList& r : Rows("windows/shortcuts", 2))
                QCOMPARE(Child<QAction>(board(), qPrintable(r[0]))->shortcut().toString(), r[1]);
        }
        for (const QStringList& r : Rows("windows/qt_file_filters", 2))  // the real dialogs'
            QCOMPARE(QtFileFilter(r[0].toStdString()), r[1]);
    }

    // Keys other than Enter edit the name box and nothing else; Enter: too short refused (orange,
    // a beep), long cut to 15 (yellow), in upper case.
    void hullNameBoxRules() {
        auto* box = Child<QLineEdit>(board(), "Text2");
        box->clear();
        QTest::keyClicks(box, "ab");
        QCOMPARE(h_->dialogs.beeps, 0);
        QCOMPARE(h_->doc.hull.HullFileName, std::string("VORIEL2000"));
        // golden/windows/name_box.txt: typed, shown, the hull's name after ("": as it was), and
        // the box's colour ("window": the window's own).
        for (const QStringList& r : Rows("windows/name_box", 4)) {
            h_->dialogs = FakeDialogs{};
            h_->doc.hull.HullFileName = "BOAT";
            Enter(board(), "Text2", r[0]);
            QCOMPARE(box->text(), r[1]);
            QCOMPARE(QString::fromStdString(h_->doc.hull.HullFileName),
                     r[2].isEmpty() ? "BOAT" : r[2]);
            QCOMPARE(box->palette().color(QPalette::Base),
                     r[3] == "window" ? board().palette().color(QPalette::Window) : QColor(r[3]));
            QCOMPARE(h_->dialogs.beeps, r[2].isEmpty() ? 1 : 0);
        }
    }

    // Controls laid out under the sheet for a window of 12000 x 7500 twips, as the resize rule
    // places them (to a pixel); at or below either limit nothing moves.
    void resizeLaysTheStripOutUnderTheSheet() {
        ResizeTwips(board(), 12000, 7500);
        for (const QStringList& p : Rows("windows/board_layout", 5)) {  // left top width height
            const auto t = TwipsOf(board(), qPrintable(p[0]));
            for (int i = 0; i < 4; ++i)
                QVERIFY2(p[i + 1] == "-" || qAbs(t[i] - p[i + 1].toDouble()) <= 15,
                         qPrintable(p[0]));
        }
        QVERIFY(Child(board(), "Command1_0")->geometry().bottom() <
                board().centralWidget()->height());
        QCOMPARE(plan().canvas().image().size(), plan().size());
        const QRect plan1 = Child(board(), "Plan1")->geometry();
        // Whole pixels at 96 dpi (15 twips each) just under the limits.
        for (const auto& [width, height] : {std::pair{8595, 7500}, {12000, 3990}, {6000, 3000}}) {
            ResizeTwips(board(), width, height);
            QCOMPARE(Child(board(), "Plan1")->geometry(), plan1);
        }
        ResizeTwips(board(), 8700, 4200);  // just past both
        const auto t = TwipsOf(board(), "Plan1");
        QVERIFY(qAbs(t[2] - 8500) <= 15 && qAbs(t[3] - 2200) <= 15);
    }

    // New: the default hull named "Voriel", the sheet wiped, and the chine-1 screen open. Quit
    // and close: back to the start window without saving.
    void newQuitAndClose() {
        toStageOne();
        h_->doc.hull.HullFileName = "DORIS";
        h_->doc.hull.XFwd[0] = 9.0;
        Click(board(), "fmenu_New");
        QCOMPARE(h_->doc.hull.XFwd[0], 6.0);
        QCOMPARE(state(),
                 "Voriel|Voriel|Voriel2000  -  Nouvelle voriel|bouchain1 dessin|0|CANCEL|");
        QCOMPARE(Sheet(board()), blankSheet());
        QCOMPARE(Enabling(board()), QString("100100001001"));
        for (const bool close : {false, true}) {
            board().activate();
            close ? void(board().close()) : Click(board(), "fmenu_Quit");
            QCOMPARE(Shown(), QString("lancement"));
            QVERIFY(h_->dialogs.requests.empty());
        }
    }

    // Each print entry prints one document through its dialog; Printer setup opens its own only.
    void printEntriesPrintThroughTheirDialogs() {
        toStageOne();
        auto print = std::make_unique<FakePrintDialogs>();
        auto templates = std::make_unique<FakeTemplateDialogs>();
        FakePrintDialogs& p = *print;
        FakeTemplateDialogs& t = *templates;
        board().usePrintDialogs(std::move(print), std::move(templates));
        board().usePrintDate("2026-12-06");
        // golden/windows/print_entries.txt: each entry and the pages it prints at stage 1.
        for (const QStringList& r : Rows("windows/print_entries", 2)) {
            p.pdf = t.pdf = *dir_ / (r[0].toStdString() + ".pdf");
            Click(board(), qPrintable(r[0]));
            QCOMPARE(PdfPages(*p.pdf), r[1].toInt());
        }
        Click(board(), "fmenu_PSetup");
        QCOMPARE(p.setups, 1);
        QCOMPARE(p.titles, (std::vector<std::string>{kPrintDrawingTitle, kPrintDevelopmentTitle,
                                                     kPrintAllTitle}));
        QCOMPARE(t.titles, std::vector<std::string>{kPrintTemplatesTitle});
        QVERIFY(h_->dialogs.messages.empty());
    }

    void saveThenOpenGivesTheSameHull() {
        toStageOne(true);
        const Hull before = h_->doc.hull;
        const std::string path = *dir_ / "boat.D50";
        h_->dialogs.answerPath(path);
        Click(board(), "fmenu_S_Data");
        QCOMPARE(h_->dialogs.requests.back(),
                 std::string("Save; Voriel2000; Data Voriel2000|*.D50|All files|*.*; DORIS.D50"));
        QCOMPARE(state(),
                 "boat|boat|Voriel2000  -  Fichier Sauvé : boat|dessin|1|CANCEL|"
                 "Fichier écrit : ~/boat.D50");
        QVERIFY(Slurp(path).rfind("boat - Voriel 2000\r\n", 0) == 0);

        // A new hull in between, then the file opened again in the session's language.
        Click(board(), "fmenu_New");
        h_->doc.hull.Language = 1;
        h_->dialogs.answerPath(path);
        Click(board(), "fmenu_Open");
        QCOMPARE(
            h_->dialogs.requests.back(),
            std::string("Open; voriel; Data Voriel2000|*.D50|Old Data (*.D51)|*.D51; Voriel.D50"));
        Hull expected = before;
        expected.HullFileName = "boat";
        QCOMPARE(HullDataText(h_->doc.hull), HullDataText(expected));
        QCOMPARE(h_->doc.hull.Language, int16_t(1));
        // The chine-1 screen opens on the values read; nothing is exported before a redraw.
        QCOMPARE(state(),
                 "boat|boat|Voriel 2000 - File Open : boat|bouchain1 dessin|0|CANCEL|"
                 "File read: ~/boat.D50");
        QVERIFY2(QRegularExpression("^100.0.00.00.$").match(Enabling(board())).hasMatch(),
                 qPrintable(Enabling(board())));
        QVERIFY(h_->dialogs.messages.empty());
    }

    // Every command whose dialogs are cancelled writes nothing and says nothing; Open cancelled,
    // or of a file that is not a whole hull, and files that cannot be written keep the hull, its
    // name and the files on disk.
    void cancelledOrRefusedCommandsKeepTheHullAndFiles() {
        toStageOne(true);
        const std::string text = HullDataText(h_->doc.hull);
        const QString enabling = Enabling(board());
        std::vector<const char*> entries(std::begin(kExports), std::end(kExports));
        entries.push_back("fmenu_S_Data");
        for (const char* entry : entries) {
            h_->dialogs = FakeDialogs{};  // every dialog cancelled
            Click(board(), entry);
            QVERIFY2(!h_->dialogs.requests.empty() && h_->dialogs.messages.empty(), entry);
        }
        QVERIFY(dir_->entries().empty());
        for (const char* content :
             {"", "hello\r\nworld\r\n", "boat - Voriel 2000\r\n&NNNN\r\n 2.5\r\n"}) {
            h_->dialogs = FakeDialogs{};
            if (*content) {
                std::ofstream(*dir_ / "bad.D50", std::ios::binary) << content;
                h_->dialogs.answerPath(*dir_ / "bad.D50");
            }
            Click(board(), "fmenu_Open");
            QVERIFY(*content ? h_->dialogs.saidOnce("Voriel2000 Opening file")
                             : h_->dialogs.messages.empty());
            QCOMPARE(Shown(), QString("dessin"));
        }
        // A file that cannot be written: the message under the command's title.
        for (const auto& [entry, title] : {std::pair{"fmenu_S_Data", kSaveDataTitle},
                                           {"fmenu_S_VRML", "Voriel2000 Saving Hull VRML2"},
                                           {"CANCEL", kSaveDataTitle}}) {  // Quit saves first
            h_->dialogs = FakeDialogs{};
            h_->dialogs.answerPath(*dir_ / "missing/boat.out");
            Click(board(), entry);
            QVERIFY2(h_->dialogs.saidOnce(title, *dir_ / "missing/boat"), entry);
            QCOMPARE(Shown(), QString("dessin"));
        }
        QVERIFY(dir_->entries() == std::vector<std::string>{"bad.D50"});
        QCOMPARE(HullDataText(h_->doc.hull), text);
        QCOMPARE(BoxText(board(), "Text2") + Enabling(board()), "DORIS" + enabling);
    }

    // The data file always ends in .D50: when that is not the file the builder named and it is
    // there already, the board asks before replacing it; the Quit button's save too.
    void replacingAnotherFileAsksFirst() {
        toStageOne(true);
        const std::string target = *dir_ / "hull.D50", old = "the hull.D50 already there\r\n";
        // golden/windows/replacing.txt: the file chosen, then 1 or 0: whether hull.D50 is there,
        // the answer Yes, whether the board asks, whether it writes hull.D50.
        for (const QStringList& row : Rows("windows/replacing", 2)) {
            const auto flag = [&row](int i) { return row[1][i] == '1'; };
            h_->dialogs = FakeDialogs{};
            h_->doc.hull.HullFileName = "DORIS";
            std::remove(target.c_str());
            if (flag(0)) std::ofstream(target, std::ios::binary) << old;
            h_->dialogs.answerPath(*dir_ / row[0].toStdString());
            if (flag(2)) h_->dialogs.answerConfirm(flag(1));
            Click(board(), "fmenu_S_Data");
            QCOMPARE(int(h_->dialogs.questions.size()), flag(2) ? 1 : 0);
            for (const auto& [title, text] : h_->dialogs.questions)
                QVERIFY(title == kSaveDataTitle && text.find(target) != std::string::npos);
            QCOMPARE(Slurp(target) != old && !Slurp(target).empty(), flag(3));
            QCOMPARE(h_->doc.hull.HullFileName, std::string(flag(3) ? "hull" : "DORIS"));
            QVERIFY(h_->dialogs.messages.empty());
        }
        // The Quit button saves first: a replacement declined keeps the builder on the board with
        // the hull and the file; a save done goes back to the start window.
        const std::string kept = Slurp(target);
        const Hull before = h_->doc.hull;
        h_->dialogs.answerPath(*dir_ / "hull.old");
        h_->dialogs.answerConfirm(false);
        Click(board(), "CANCEL");
        QCOMPARE(Shown(), QString("dessin"));
        QVERIFY(Slurp(target) == kept && SameHull(h_->doc.hull, before));
        h_->dialogs.answerPath(*dir_ / "doris.D50");
        Click(board(), "CANCEL");
        QCOMPARE(Shown(), QString("lancement"));
        QVERIFY(Slurp(*dir_ / "doris.D50").rfind("doris - Voriel 2000\r\n", 0) == 0);
        QVERIFY(h_->dialogs.messages.empty());
    }

    // Each command asks for its files with the core's dialogs and writes what the core makes of
    // the hull; the lines and VRML files name the hull after the file chosen.
    void exportsWriteTheirFiles() {
        toStageOne(true);
        std::string station = "2.57";
        for (const std::string entry : kExports) {
            h_->dialogs = FakeDialogs{};
            h_->doc.hull.HullFileName = "DORIS";
            board().hullNameChanged();
            Hull named = h_->doc.hull;
            BoardState b = h_->doc.board;
            const std::vector<ExportFile> files =  // what the core says the command writes
                entry == "fmenu_S_XYZ"    ? LinesXyzCommand(named)
                : entry == "fmenu_S_DXF"  ? LinesDxfCommand(named)
                : entry == "fmenu_SD_XYZ" ? DevelopmentXyzCommand(named, b)
                : entry == "fmenu_SD_DXF" ? DevelopmentDxfCommand(named, b)
                : entry == "fmenu_S_VRML" ? VrmlCommand(named)
                                          : StationDxfCommand(named, b, station);
            const auto part = [this](std::size_t i) {
                return *dir_ / ("boat.part" + std::to_string(i));
            };
            for (std::size_t i = 0; i < files.size(); ++i) h_->dialogs.answerPath(part(i));
            Click(board(), entry.c_str());
            QCOMPARE(h_->dialogs.requests.size(), files.size());
            QVERIFY(h_->dialogs.messages.empty());
            if (files.at(0).namesHull) named.HullFileName = "boat";
            for (std::size_t i = 0; i < files.size(); ++i) {
                QCOMPARE(h_->dialogs.requests[i], Asked(false, files[i].dialog));
                QCOMPARE(Slurp(part(i)), ExportText(files[i], named, b));
            }
            const QString name = QString::fromStdString(named.HullFileName);
            QCOMPARE(state(), name + "|" + name + "|" + board().windowTitle() +
                                  "|dessin|1|CANCEL|Fichier écrit : ~/boat.part" +
                                  QString::number(files.size() - 1));
        }
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
    // The hull's name, the name box, the title, the windows shown, the stage, the control with
    // the focus and the status bar (the temporary folder as "~"), as one line.
    QString state() {
        QWidget* focus = board().focusWidget();
        return QStringList{QString::fromStdString(h_->doc.hull.HullFileName),
                           BoxText(board(), "Text2"),
                           board().windowTitle(),
                           Shown(),
                           QString::number(h_->doc.board.ChineView),
                           focus ? focus->objectName() : "-",
                           board().statusBar()->currentMessage()}
            .join('|')
            .replace(QString::fromStdString(dir_->path()), "~");
    }
    // Both screens validated, with a redraw after each; for the builder's hull, a hull of his own
    // named DORIS put in after the first, and a station shown at the end.
    void toStageOne(bool buildersHull = false) {
        Click(h_->windows.bouchain1(), "valider");
        click("dessine");
        if (buildersHull) {
            h_->doc.hull = RandomHull(7);
            h_->doc.hull.HullFileName = "DORIS";
            board().hullNameChanged();
        }
        click("Command1_1");
        Click(h_->windows.bouchain2(), "valider");
        click("dessine");
        if (!buildersHull) return;
        Type(board(), "Text1", "2,57");
        click("DessCouple");
        h_->dialogs = FakeDialogs{};
    }

    std::unique_ptr<Harness> h_;
    std::unique_ptr<TempDir> dir_;
};

QTEST_MAIN(DessinTest)
#include "dessin_test.moc"
