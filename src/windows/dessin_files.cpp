// The drawing board's file commands: new hull, open, save data and the Save menu's exports.
#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>

#include "board/board_actions.h"
#include "export/export_commands.h"
#include "hull/hull_data_file.h"
#include "windows/app_windows.h"
#include "windows/dessin.h"
#include "windows/plan_widget.h"

namespace voriel {

namespace {

const char* const kSaveDataTitle = "Voriel 2000 Saving Data";
const char* const kOpenTitle = "Voriel2000 Opening file";

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

// The hull name as a proposed file name: no folder separator in it.
std::string fileNameOf(const std::string& hullName) {
    std::string out = hullName;
    for (char& c : out)
        if (c == '/') c = '_';
    return out;
}

}  // namespace

std::string Dessin::replaceQuestion(const std::string& path) {
    return french() ? "Le fichier " + path + " existe déjà. Le remplacer ?"
                    : "The file " + path + " already exists. Replace it?";
}

void Dessin::showWritten(const std::string& path) {
    statusBar()->showMessage((french() ? "Fichier écrit : " : "File written: ") + qs(path));
}

void Dessin::newHull() {
    ResetToNewHull(doc().hull);
    showHullName();
    setWindowTitle("Voriel2000  -  Nouvelle voriel");
    plan_->canvas().clear();
    plan_->showDrawing();
    disableExports();
    command1_[0]->setEnabled(true);
    command1_[1]->setEnabled(false);
    dessine_->setEnabled(false);
    command1Click(0);
}

void Dessin::openData() {
    Dialogs& dialogs = windows_.dialogs();
    const auto path =
        dialogs.openFile({"voriel", "Data Voriel2000|*.D50|Old Data (*.D51)|*.D51", "Voriel.D50"});
    if (!path) return;
    HullReadResult read;
    {
        WaitCursor wait(dialogs);
        read = OpenHullData(*path, doc().hull);
    }
    // The hull in memory changes only when the whole file was read.
    if (!read.hull) {
        dialogs.message(kOpenTitle, read.error);
        return;
    }
    doc().hull = *read.hull;
    showHullName();
    setWindowTitle(
        qs((french() ? "Voriel 2000 - Fichier Ouvert : " : "Voriel 2000 - File Open : ") +
           doc().hull.HullFileName));
    statusBar()->showMessage((french() ? "Fichier lu : " : "File read: ") + qs(*path));
    command1_[1]->setEnabled(false);
    dessCouple_->setEnabled(false);
    developer_->setEnabled(false);
    dessine_->setEnabled(true);
    for (QAction* a : {fmenuPrint_->menuAction(), fmenuSXyz_, fmenuSDxf_}) a->setEnabled(true);
    fmenuStationDxf_->setEnabled(false);
    command1Click(0);
}

Dessin::SaveResult Dessin::saveData() {
    Dialogs& dialogs = windows_.dialogs();
    Hull& hull = doc().hull;
    const auto path = dialogs.saveFile({"Voriel2000", "Data Voriel2000|*.D50|All files|*.*",
                                        fileNameOf(hull.HullFileName) + ".D50"});
    if (!path) return SaveResult::Cancelled;
    WaitCursor wait(dialogs);
    const SaveTarget target = HullDataSaveTarget(*path);
    if (!target.error.empty()) {
        dialogs.message(kSaveDataTitle, target.error);
        return SaveResult::Failed;
    }
    // The data file always ends in .D50: a file the builder did not name is replaced only when
    // asked.
    if (target.replacesOther && !dialogs.confirm(kSaveDataTitle, replaceQuestion(target.path)))
        return SaveResult::Declined;
    if (auto error = SaveHullData(hull, *path)) {
        dialogs.message(kSaveDataTitle, *error);
        return SaveResult::Failed;
    }
    setWindowTitle(qs("Voriel2000  -  Fichier Sauvé : " + hull.HullFileName));
    showHullName();
    showWritten(target.path);
    cancel_->setFocus(Qt::OtherFocusReason);
    return SaveResult::Saved;
}

// Each file of a command in turn: a cancelled dialog skips its file, a failure is shown under
// the command's title and the next file is still offered.
void Dessin::runExport(const std::vector<ExportFile>& files) {
    Dialogs& dialogs = windows_.dialogs();
    for (const ExportFile& file : files) {
        const auto path = dialogs.saveFile(file.dialog);
        WaitCursor wait(dialogs);
        const ExportOutcome outcome = SaveExportFile(file, doc().hull, doc().board, path);
        if (outcome.error) dialogs.message(outcome.error->title, outcome.error->message);
        if (outcome.hullFileName) {
            doc().hull.HullFileName = *outcome.hullFileName;
            showHullName();
        }
        if (outcome.written) showWritten(*path);
    }
    cancel_->setFocus(Qt::OtherFocusReason);
}

void Dessin::exportLinesXyz() {
    runExport(LinesXyzCommand(doc().hull));
}

void Dessin::exportLinesDxf() {
    runExport(LinesDxfCommand(doc().hull));
}

void Dessin::exportDevelopmentXyz() {
    runExport(DevelopmentXyzCommand(doc().hull, doc().board));
}

void Dessin::exportDevelopmentDxf() {
    runExport(DevelopmentDxfCommand(doc().hull, doc().board));
}

void Dessin::exportStationDxf() {
    // The station is drawn again from its box, then written.
    drawStation();
    std::string box = text1_->text().toStdString();
    const std::vector<ExportFile> files = StationDxfCommand(doc().hull, doc().board, box);
    text1_->setText(qs(box));
    runExport(files);
}

void Dessin::exportVrml() {
    runExport(VrmlCommand(doc().hull));
}

}  // namespace voriel
