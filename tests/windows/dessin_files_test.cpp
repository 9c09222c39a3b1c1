// The drawing board's file commands with the fake dialogs: save and open, cancel, write errors,
// the Quit button's save, the question before replacing another file, and the Save menu's
// exports. (The files' contents: the core's golden files; the safe writing: the core's tests.)
#include <QAction>
#include <QLineEdit>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTest>
#include <fstream>
#include <functional>
#include <memory>

#include "export/export_commands.h"
#include "hull/hull_data_file.h"
#include "support/temp_dir.h"
#include "support/test_data.h"
#include "support/test_hulls.h"
#include "windows/lancement.h"
#include "windows/qt_dialogs.h"
#include "windows/window_harness.h"

using namespace voriel;
using namespace voriel::test;

namespace {

void WriteFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

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
        h_->dialogs = FakeDialogs{};
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
        Trigger(board(), "fmenu_S_Data");

        QCOMPARE(int(h_->dialogs.requests.size()), 1);
        const FakeDialogs::Request& save = h_->dialogs.requests[0];
        QVERIFY(!save.open);
        QCOMPARE(save.dialog.title, std::string("Voriel2000"));
        QCOMPARE(save.dialog.filter, std::string("Data Voriel2000|*.D50|All files|*.*"));
        QCOMPARE(save.dialog.proposedName, std::string("DORIS.D50"));
        QCOMPARE(h_->doc.hull.HullFileName, std::string("boat"));
        QCOMPARE(BoxText(board(), "Text2"), QString("boat"));
        QCOMPARE(board().windowTitle(), QString("Voriel2000  -  Fichier Sauvé : boat"));
        QVERIFY(board().statusBar()->currentMessage().contains(QString::fromStdString(path)));
        QCOMPARE(board().focusWidget(), Child(board(), "CANCEL"));
        QVERIFY(Slurp(path).rfind("boat - Voriel 2000\r\n", 0) == 0);

        // A new hull in between, then the file opened again.
        Trigger(board(), "fmenu_New");
        QCOMPARE(h_->doc.hull.HullFileName, std::string("Voriel"));
        h_->doc.hull.Language = 1;
        h_->dialogs.answerPath(path);
        Trigger(board(), "fmenu_Open");

        const FakeDialogs::Request& open = h_->dialogs.requests.back();
        QVERIFY(open.open);
        QCOMPARE(open.dialog.title, std::string("voriel"));
        QCOMPARE(open.dialog.filter, std::string("Data Voriel2000|*.D50|Old Data (*.D51)|*.D51"));
        QCOMPARE(open.dialog.proposedName, std::string("Voriel.D50"));
        Hull expected = before;
        expected.HullFileName = "boat";
        QCOMPARE(HullDataText(h_->doc.hull), HullDataText(expected));
        QCOMPARE(h_->doc.hull.Language, int16_t(1));  // the session's language, not the file's
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

    // Every command whose dialogs are cancelled writes nothing and says nothing.
    void cancelWritesNothing() {
        const std::string text = HullDataText(h_->doc.hull);
        std::vector<const char*> entries{"fmenu_S_Data"};
        for (const ExportCase& c : ExportCases()) entries.push_back(c.entry);
        for (const char* entry : entries) {
            h_->dialogs = FakeDialogs{};  // every dialog cancelled
            Trigger(board(), entry);
            QVERIFY2(!h_->dialogs.requests.empty(), entry);
            QVERIFY(dir_->entries().empty());
            QVERIFY(h_->dialogs.messages.empty());
            QCOMPARE(HullDataText(h_->doc.hull), text);
            QCOMPARE(BoxText(board(), "Text2"), QString("DORIS"));
        }
    }

    void openCancelledOrRefusedKeepsTheHull() {
        const std::string text = HullDataText(h_->doc.hull);
        const QString enabling = Enabling(board());
        // "": the dialog is cancelled; else a file that is not a whole hull.
        for (const char* content :
             {"", "hello\r\nworld\r\n", "boat - Voriel 2000\r\n&NNNN\r\n 2.5\r\n"}) {
            h_->dialogs = FakeDialogs{};
            if (*content == '\0') {
                h_->dialogs.answerCancel();
            } else {
                WriteFile(*dir_ / "bad.D50", content);
                h_->dialogs.answerPath(*dir_ / "bad.D50");
            }
            Trigger(board(), "fmenu_Open");
            QCOMPARE(HullDataText(h_->doc.hull), text);
            QCOMPARE(Enabling(board()), enabling);
            QCOMPARE(int(h_->dialogs.messages.size()), *content ? 1 : 0);
            if (*content)
                QCOMPARE(h_->dialogs.messages[0].title, std::string("Voriel2000 Opening file"));
            QVERIFY(!h_->windows.bouchain1().isVisible());
        }
    }

    // A file that cannot be written: the message under the command's title, the hull's name and
    // the files on disk as they were.
    void writeErrorIsShownUnderTheCommandsTitle() {
        const std::pair<const char*, const char*> rows[] = {
            {"fmenu_S_Data", kSaveDataTitle}, {"fmenu_S_VRML", "Voriel2000 Saving Hull VRML2"}};
        for (const auto& [entry, title] : rows) {
            h_->dialogs = FakeDialogs{};
            h_->dialogs.answerPath(*dir_ / "missing/boat.out");
            Trigger(board(), entry);
            QCOMPARE(int(h_->dialogs.messages.size()), 1);
            QCOMPARE(h_->dialogs.messages[0].title, std::string(title));
            QVERIFY2(h_->dialogs.messages[0].text.find(*dir_ / "missing/boat") != std::string::npos,
                     h_->dialogs.messages[0].text.c_str());
            QCOMPARE(h_->doc.hull.HullFileName, std::string("DORIS"));
            QCOMPARE(BoxText(board(), "Text2"), QString("DORIS"));
            QVERIFY(dir_->entries().empty());
        }
    }

    // The Quit button saves first; a failed save, or a replacement declined, keeps the builder
    // on the board with the hull.
    void quitButtonWhoseSaveFailsStaysOnTheBoard() {
        const std::string text = HullDataText(h_->doc.hull);
        h_->dialogs.answerPath(*dir_ / "missing/boat.D50");
        Click(board(), "CANCEL");
        QCOMPARE(int(h_->dialogs.messages.size()), 1);
        QCOMPARE(h_->dialogs.messages[0].title, std::string(kSaveDataTitle));
        QVERIFY(board().isVisible());
        QVERIFY(!h_->windows.lancement().isVisible());
        QCOMPARE(HullDataText(h_->doc.hull), text);

        WriteFile(*dir_ / "hull.D50", "keep\r\n");
        h_->dialogs.answerPath(*dir_ / "hull.old");
        h_->dialogs.answerConfirm(false);
        Click(board(), "CANCEL");
        QVERIFY(board().isVisible());
        QCOMPARE(Slurp(*dir_ / "hull.D50"), std::string("keep\r\n"));
        QCOMPARE(HullDataText(h_->doc.hull), text);
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
            QCOMPARE(Slurp(*dir_ / "doris.D50"), HullDataText(named));
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
        Trigger(board(), "fmenu_S_Data");
        QCOMPARE(int(h_->dialogs.questions.size()), asked ? 1 : 0);
        if (asked) {
            QCOMPARE(h_->dialogs.questions[0].title, std::string(kSaveDataTitle));
            QVERIFY(h_->dialogs.questions[0].text.find(target) != std::string::npos);
        }
        QCOMPARE(Slurp(target) != old && !Slurp(target).empty(), written);
        QCOMPARE(h_->doc.hull.HullFileName, std::string(written ? "hull" : "DORIS"));
        QVERIFY(h_->dialogs.messages.empty());
    }

    // Each command asks for its files with the core's dialogs and writes what the core makes of
    // the hull; the lines and VRML files name the hull after the file chosen.
    void exportsWriteTheirFiles() {
        for (const ExportCase& c : ExportCases()) {
            h_->dialogs = FakeDialogs{};
            h_->doc.hull.HullFileName = "DORIS";
            board().hullNameChanged();
            Hull hull = h_->doc.hull;
            BoardState board0 = h_->doc.board;
            const std::vector<ExportFile> files = c.files(hull, board0);
            QVERIFY(!files.empty());
            std::vector<std::string> paths;
            for (std::size_t i = 0; i < files.size(); ++i) {
                paths.push_back(*dir_ / ("boat.part" + std::to_string(i)));
                h_->dialogs.answerPath(paths.back());
            }
            Trigger(board(), c.entry);
            QCOMPARE(h_->dialogs.requests.size(), files.size());
            QVERIFY(h_->dialogs.messages.empty());
            const bool names = files[0].namesHull;
            Hull named = hull;
            named.HullFileName = "boat";
            for (std::size_t i = 0; i < files.size(); ++i) {
                const SaveDialog& asked = h_->dialogs.requests[i].dialog;
                QCOMPARE(asked.title, files[i].dialog.title);
                QCOMPARE(asked.filter, files[i].dialog.filter);
                QCOMPARE(asked.proposedName, files[i].dialog.proposedName);
                QCOMPARE(Slurp(paths[i]), ExportText(files[i], names ? named : hull, board0));
            }
            const std::string name = names ? named.HullFileName : "DORIS";
            QCOMPARE(h_->doc.hull.HullFileName, name);
            QCOMPARE(BoxText(board(), "Text2").toStdString(), name);
            QVERIFY(board().statusBar()->currentMessage().contains(
                QString::fromStdString(paths.back())));
            QCOMPARE(board().focusWidget(), Child(board(), "CANCEL"));
        }
    }

    void fileFiltersInQtsForm() {
        const std::pair<const char*, const char*> rows[] = {
            {"Data Voriel2000|*.D50|All files|*.*", "Data Voriel2000 (*.D50);;All files (*.*)"},
            {"Lines (*.DXF)|*.DXF", "Lines (*.DXF)"},  // the description shows the pattern
            {"Plank (*_P*.XYZ)|*.XYZ", "Plank (*_P*.XYZ) (*.XYZ)"},  // shows another pattern
            {"Data Voriel2000|*.D50|Old Data (*.D51)|*.D51",
             "Data Voriel2000 (*.D50);;Old Data (*.D51)"},
            {"Hulls|*.D50;*.D51", "Hulls (*.D50 *.D51)"},
        };
        for (const auto& [filter, qt] : rows) QCOMPARE(QtFileFilter(filter), QString(qt));
    }

private:
    Dessin& board() { return h_->windows.dessin(); }

    std::unique_ptr<Harness> h_;
    std::unique_ptr<TempDir> dir_;
};

QTEST_MAIN(DessinFilesTest)
#include "dessin_files_test.moc"
