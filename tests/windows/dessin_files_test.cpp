// The drawing board's file commands with the fake dialogs: save and open, cancel, write errors,
// the Quit button's save, the question before replacing another file, and the Save menu's
// exports.
#include <sys/resource.h>

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTest>
#include <csignal>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>

#include "export/export_commands.h"
#include "hull/hull_data_file.h"
#include "support/file_size_limit.h"
#include "support/temp_dir.h"
#include "support/test_hulls.h"
#include "windows/bouchain1.h"
#include "windows/bouchain2.h"
#include "windows/dessin.h"
#include "windows/lancement.h"
#include "windows/qt_dialogs.h"
#include "windows/window_harness.h"

using namespace voriel;
using namespace voriel::test;

namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void WriteFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// Lowers the largest file size the process may write, as a full disk would stop the writing.
// A Save menu command: its menu entry and the files the core says it writes for the board.
struct ExportCase {
    const char* entry;
    std::function<std::vector<ExportFile>(Hull&, BoardState&)> files;
};

std::vector<ExportCase> ExportCases() {
    std::string box = "2.57";
    return {
        {"fmenu_S_XYZ", [](Hull& h, BoardState&) { return LinesXyzCommand(h); }},
        {"fmenu_S_DXF", [](Hull& h, BoardState&) { return LinesDxfCommand(h); }},
        {"fmenu_SD_XYZ", [](Hull& h, BoardState& b) { return DevelopmentXyzCommand(h, b); }},
        {"fmenu_SD_DXF", [](Hull& h, BoardState& b) { return DevelopmentDxfCommand(h, b); }},
        {"fmenu_Station_DXF",
         [box](Hull& h, BoardState& b) mutable { return StationDxfCommand(h, b, box); }},
        {"fmenu_S_VRML", [](Hull& h, BoardState&) { return VrmlCommand(h); }},
    };
}

const char* const kDataFilter = "Data Voriel2000|*.D50|All files|*.*";
const char* const kSaveDataTitle = "Voriel 2000 Saving Data";

}  // namespace

class DessinFilesTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        h_ = std::make_unique<Harness>();
        dir_ = std::make_unique<TempDir>();
        h_->windows.lancement().activate();
        Click(h_->windows.lancement(), "CREATE");
        // A hull of the builder's own, drawn at stage 1 with a station shown.
        Click(h_->windows.bouchain1(), "valider");
        Click(board(), "dessine");
        h_->doc.hull = RandomHull(7);
        h_->doc.hull.HullFileName = "DORIS";
        board().hullNameChanged();
        Click(board(), "Command1_1");
        Click(h_->windows.bouchain2(), "valider");
        Click(board(), "dessine");
        Type(board(), "Text1", "2,57");
        Click(board(), "DessCouple");
        h_->dialogs.clearRecord();
    }
    void cleanup() {
        QCOMPARE(h_->dialogs.waitDepth, 0);
        QCOMPARE(h_->dialogs.pendingAnswers(), std::size_t(0));
        h_.reset();
        dir_.reset();
    }

    void saveThenOpenGivesTheSameHull() {
        const Hull before = h_->doc.hull;
        const std::string path = *dir_ / "boat.D50";
        h_->dialogs.answerPath(path);
        action("fmenu_S_Data")->trigger();

        QCOMPARE(int(h_->dialogs.requests.size()), 1);
        const FakeDialogs::Request& save = h_->dialogs.requests[0];
        QVERIFY(save.kind == FakeDialogs::Kind::Save);
        QCOMPARE(save.dialog.title, std::string("Voriel2000"));
        QCOMPARE(save.dialog.filter, std::string(kDataFilter));
        QCOMPARE(save.dialog.proposedName, std::string("DORIS.D50"));
        QCOMPARE(h_->doc.hull.HullFileName, std::string("boat"));
        QCOMPARE(BoxText(board(), "Text2"), QString("boat"));
        QCOMPARE(board().windowTitle(), QString("Voriel2000  -  Fichier Sauvé : boat"));
        QVERIFY(board().statusBar()->currentMessage().contains(QString::fromStdString(path)));
        QCOMPARE(board().focusWidget(), Child(board(), "CANCEL"));
        const std::string saved = ReadFile(path);
        QVERIFY(saved.rfind("boat - Voriel 2000\r\n", 0) == 0);

        // A new hull in between, then the file opened again.
        action("fmenu_New")->trigger();
        QCOMPARE(h_->doc.hull.HullFileName, std::string("Voriel"));
        h_->doc.hull.Language = 1;
        h_->dialogs.answerPath(path);
        action("fmenu_Open")->trigger();

        const FakeDialogs::Request& open = h_->dialogs.requests.back();
        QVERIFY(open.kind == FakeDialogs::Kind::Open);
        QCOMPARE(open.dialog.title, std::string("voriel"));
        QCOMPARE(open.dialog.filter, std::string("Data Voriel2000|*.D50|Old Data (*.D51)|*.D51"));
        QCOMPARE(open.dialog.proposedName, std::string("Voriel.D50"));
        Hull expected = before;
        expected.HullFileName = "boat";
        QCOMPARE(HullDataText(h_->doc.hull), HullDataText(expected));
        QCOMPARE(h_->doc.hull.Language,
                 int16_t(1));  // the language is the session's, not the file's
        QCOMPARE(BoxText(board(), "Text2"), QString("boat"));
        QCOMPARE(board().windowTitle(), QString("Voriel 2000 - File Open : boat"));
        // The chine-1 screen opens on the values read; nothing is exported before a redraw.
        QVERIFY(h_->windows.bouchain1().isVisible());
        QCOMPARE(h_->doc.board.ChineView, 0);
        const QString enabling = Enabling(board());  // '.' not looked at
        QVERIFY2(QRegularExpression("^100.0.00.00.$").match(enabling).hasMatch(),
                 qPrintable(enabling));
        QVERIFY(h_->dialogs.messages.empty());
    }

    // Every command whose dialog is cancelled writes nothing and says nothing.
    void cancelWritesNothing_data() {
        QTest::addColumn<QString>("entry");
        QTest::newRow("data") << "fmenu_S_Data";
        for (const ExportCase& c : ExportCases()) QTest::newRow(c.entry) << c.entry;
    }
    void cancelWritesNothing() {
        QFETCH(QString, entry);
        const std::string text = HullDataText(h_->doc.hull);
        for (int i = 0; i < 20; ++i) h_->dialogs.answerCancel();
        action(entry.toLatin1().constData())->trigger();
        QVERIFY(!h_->dialogs.requests.empty());
        // Drain what the command did not ask for.
        while (h_->dialogs.pendingAnswers() > 0) h_->dialogs.saveFile({});
        QVERIFY(dir_->entries().empty());
        QVERIFY(h_->dialogs.messages.empty());
        QCOMPARE(HullDataText(h_->doc.hull), text);
        QCOMPARE(BoxText(board(), "Text2"), QString("DORIS"));
    }

    void openCancelledOrRefusedKeepsTheHull_data() {
        QTest::addColumn<QString>("content");  // empty: the dialog is cancelled
        QTest::addColumn<bool>("message");
        QTest::newRow("cancelled") << "" << false;
        QTest::newRow("not a hull file") << "hello\r\nworld\r\n" << true;
        QTest::newRow("cut short") << "boat - Voriel 2000\r\n&NNNN\r\n 2.5\r\n" << true;
    }
    void openCancelledOrRefusedKeepsTheHull() {
        QFETCH(QString, content);
        QFETCH(bool, message);
        const std::string text = HullDataText(h_->doc.hull);
        const QString enabling = Enabling(board());
        if (content.isEmpty()) {
            h_->dialogs.answerCancel();
        } else {
            WriteFile(*dir_ / "bad.D50", content.toStdString());
            h_->dialogs.answerPath(*dir_ / "bad.D50");
        }
        action("fmenu_Open")->trigger();
        QCOMPARE(HullDataText(h_->doc.hull), text);
        QCOMPARE(Enabling(board()), enabling);
        QCOMPARE(int(h_->dialogs.messages.size()), message ? 1 : 0);
        if (message)
            QCOMPARE(h_->dialogs.messages[0].title, std::string("Voriel2000 Opening file"));
        QVERIFY(!h_->windows.bouchain1().isVisible());
    }

    // A file that cannot be written: the message under the command's title, the hull's name and
    // the files on disk as they were.
    void writeErrorIsShownUnderTheCommandsTitle_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("title");
        QTest::newRow("data") << "fmenu_S_Data" << kSaveDataTitle;
        QTest::newRow("lines XYZ") << "fmenu_S_XYZ"
                                   << "Voriel2000 Saving Hull line XYZ";
        QTest::newRow("lines DXF") << "fmenu_S_DXF"
                                   << "Voriel2000 Saving Hull line DXF";
        QTest::newRow("development XYZ") << "fmenu_SD_XYZ"
                                         << "Voriel2000 Saving development XYZ";
        QTest::newRow("development DXF") << "fmenu_SD_DXF"
                                         << "Voriel2000 Saving plank development DXF";
        QTest::newRow("station DXF") << "fmenu_Station_DXF"
                                     << "Voriel2000 Saving station DXF";
        QTest::newRow("VRML") << "fmenu_S_VRML"
                              << "Voriel2000 Saving Hull VRML2";
    }
    void writeErrorIsShownUnderTheCommandsTitle() {
        QFETCH(QString, entry);
        QFETCH(QString, title);
        const std::string path = *dir_ / "missing/boat.out";
        h_->dialogs.answerPath(path);
        for (int i = 0; i < 20; ++i) h_->dialogs.answerCancel();  // the command's other files
        action(entry.toLatin1().constData())->trigger();
        while (h_->dialogs.pendingAnswers() > 0) h_->dialogs.saveFile({});
        QCOMPARE(int(h_->dialogs.messages.size()), 1);
        QCOMPARE(QString::fromStdString(h_->dialogs.messages[0].title), title);
        QVERIFY2(h_->dialogs.messages[0].text.find(*dir_ / "missing/boat") != std::string::npos,
                 h_->dialogs.messages[0].text.c_str());
        QCOMPARE(h_->doc.hull.HullFileName, std::string("DORIS"));
        QCOMPARE(BoxText(board(), "Text2"), QString("DORIS"));
        QVERIFY(dir_->entries().empty());
    }

    void aFailedSaveLeavesTheOldFileIntact() {
        const std::string path = *dir_ / "boat.D50";
        const std::string old = "an earlier hull the builder wants to keep\r\n";
        WriteFile(path, old);
        h_->dialogs.answerPath(path);
        {
            FileSizeLimit limit(200);  // a hull file is about 1.3 kB
            QVERIFY(limit.ok());
            action("fmenu_S_Data")->trigger();
        }
        QCOMPARE(int(h_->dialogs.messages.size()), 1);
        QCOMPARE(h_->dialogs.messages[0].title, std::string(kSaveDataTitle));
        QCOMPARE(ReadFile(path), old);
        QCOMPARE(dir_->entries(), std::vector<std::string>{"boat.D50"});
        QCOMPARE(h_->doc.hull.HullFileName, std::string("DORIS"));
    }

    // The Quit button saves first; a failed save keeps the builder on the board with the hull.
    void quitButtonWhoseSaveFailsStaysOnTheBoard() {
        const std::string text = HullDataText(h_->doc.hull);
        h_->dialogs.answerPath(*dir_ / "missing/boat.D50");
        Click(board(), "CANCEL");
        QCOMPARE(int(h_->dialogs.messages.size()), 1);
        QCOMPARE(h_->dialogs.messages[0].title, std::string(kSaveDataTitle));
        QVERIFY(board().isVisible());
        QVERIFY(!h_->windows.lancement().isVisible());
        QCOMPARE(HullDataText(h_->doc.hull), text);
        QCOMPARE(h_->doc.hull.HullFileName, std::string("DORIS"));
    }

    void quitButtonSavesThenGoesBackToTheStart_data() {
        QTest::addColumn<bool>("cancel");
        QTest::newRow("saved") << false;
        QTest::newRow("dialog cancelled") << true;
    }
    void quitButtonSavesThenGoesBackToTheStart() {
        QFETCH(bool, cancel);
        const Hull before = h_->doc.hull;
        if (cancel)
            h_->dialogs.answerCancel();
        else
            h_->dialogs.answerPath(*dir_ / "doris.D50");
        Click(board(), "CANCEL");
        QVERIFY(!board().isVisible());
        QVERIFY(!h_->windows.bouchain1().isVisible());
        QVERIFY(!h_->windows.bouchain2().isVisible());
        QVERIFY(h_->windows.lancement().isVisible());
        QVERIFY(h_->dialogs.messages.empty());
        if (cancel) {
            QVERIFY(dir_->entries().empty());
        } else {
            Hull named = before;
            named.HullFileName = "doris";
            named.TurnInFlags = TurnInLetters(named);
            QCOMPARE(ReadFile(*dir_ / "doris.D50"), HullDataText(named));
        }
    }

    // The data file always ends in .D50: when that is not the file the builder named and it is
    // there already, the board asks before replacing it.
    void replacingAnotherFileAsksFirst_data() {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<bool>("exists");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("written");
        QTest::newRow("other name, there, No") << "hull.old.D50" << true << false << true << false;
        QTest::newRow("other name, there, Yes") << "hull.old.D50" << true << true << true << true;
        QTest::newRow("other name, not there") << "hull.txt" << false << false << false << true;
        QTest::newRow("the name chosen") << "hull.D50" << true << false << false << true;
    }
    void replacingAnotherFileAsksFirst() {
        QFETCH(QString, chosen);
        QFETCH(bool, exists);
        QFETCH(bool, yes);
        QFETCH(bool, asked);
        QFETCH(bool, written);
        const std::string target = *dir_ / "hull.D50";
        const std::string old = "the hull.D50 already there\r\n";
        if (exists) WriteFile(target, old);
        h_->dialogs.answerPath(*dir_ / chosen.toStdString());
        if (asked) h_->dialogs.answerConfirm(yes);
        action("fmenu_S_Data")->trigger();
        QCOMPARE(int(h_->dialogs.questions.size()), asked ? 1 : 0);
        QCOMPARE(h_->dialogs.unansweredConfirms, 0);
        if (asked) {
            QCOMPARE(h_->dialogs.questions[0].title, std::string(kSaveDataTitle));
            QVERIFY(h_->dialogs.questions[0].text.find(target) != std::string::npos);
        }
        QCOMPARE(ReadFile(target) != old && !ReadFile(target).empty(), written);
        QCOMPARE(h_->doc.hull.HullFileName, std::string(written ? "hull" : "DORIS"));
        QVERIFY(h_->dialogs.messages.empty());
    }

    // Declining to replace on the way out is no save: the board stays.
    void quitButtonDeclinedReplacementStays() {
        WriteFile(*dir_ / "hull.D50", "keep\r\n");
        h_->dialogs.answerPath(*dir_ / "hull.old");
        h_->dialogs.answerConfirm(false);
        Click(board(), "CANCEL");
        QVERIFY(board().isVisible());
        QCOMPARE(ReadFile(*dir_ / "hull.D50"), std::string("keep\r\n"));
    }

    // Each command asks for its files with the core's dialogs and writes what the core makes of
    // the hull; the lines and VRML files name the hull after the file chosen.
    void exportsWriteTheirFiles_data() {
        QTest::addColumn<int>("index");
        int i = 0;
        for (const ExportCase& c : ExportCases()) QTest::newRow(c.entry) << i++;
    }
    void exportsWriteTheirFiles() {
        QFETCH(int, index);
        const ExportCase c = ExportCases()[index];
        Hull hull = h_->doc.hull;
        BoardState board0 = h_->doc.board;
        const std::vector<ExportFile> files = c.files(hull, board0);
        QVERIFY(!files.empty());
        std::vector<std::string> paths;
        for (std::size_t i = 0; i < files.size(); ++i) {
            paths.push_back(*dir_ / ("boat.part" + std::to_string(i)));
            h_->dialogs.answerPath(paths.back());
        }
        action(c.entry)->trigger();

        QCOMPARE(h_->dialogs.requests.size(), files.size());
        QVERIFY(h_->dialogs.messages.empty());
        for (std::size_t i = 0; i < files.size(); ++i) {
            const SaveDialog& asked = h_->dialogs.requests[i].dialog;
            QCOMPARE(asked.title, files[i].dialog.title);
            QCOMPARE(asked.filter, files[i].dialog.filter);
            QCOMPARE(asked.proposedName, files[i].dialog.proposedName);
            Hull named = hull;
            if (files[i].namesHull) named.HullFileName = "boat";
            QCOMPARE(ReadFile(paths[i]), ExportText(files[i], named, board0));
        }
        const bool names = files[0].namesHull;
        QCOMPARE(h_->doc.hull.HullFileName, std::string(names ? "boat" : "DORIS"));
        QCOMPARE(BoxText(board(), "Text2"), QString(names ? "boat" : "DORIS"));
        QVERIFY(
            board().statusBar()->currentMessage().contains(QString::fromStdString(paths.back())));
        QCOMPARE(board().focusWidget(), Child(board(), "CANCEL"));
    }

    void fileFiltersInQtsForm_data() {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("qt");
        QTest::newRow("data") << kDataFilter << "Data Voriel2000 (*.D50);;All files (*.*)";
        QTest::newRow("description shows the pattern") << "Lines (*.DXF)|*.DXF"
                                                       << "Lines (*.DXF)";
        QTest::newRow("description shows another pattern") << "Plank (*_P*.XYZ)|*.XYZ"
                                                           << "Plank (*_P*.XYZ) (*.XYZ)";
        QTest::newRow("old data") << "Data Voriel2000|*.D50|Old Data (*.D51)|*.D51"
                                  << "Data Voriel2000 (*.D50);;Old Data (*.D51)";
        QTest::newRow("several patterns") << "Hulls|*.D50;*.D51"
                                          << "Hulls (*.D50 *.D51)";
    }
    void fileFiltersInQtsForm() {
        QFETCH(QString, filter);
        QFETCH(QString, qt);
        QCOMPARE(QtFileFilter(filter.toStdString()), qt);
    }

private:
    Dessin& board() { return h_->windows.dessin(); }
    QAction* action(const char* name) {
        auto* a = board().findChild<QAction*>(QString::fromLatin1(name));
        if (a == nullptr) qFatal("no menu entry %s", name);
        return a;
    }

    std::unique_ptr<Harness> h_;
    std::unique_ptr<TempDir> dir_;
};

QTEST_MAIN(DessinFilesTest)
#include "dessin_files_test.moc"
