// The export commands: proposed files, dialogs and the writing of each file.
#include "export/export_commands.h"

#include <algorithm>
#include <sstream>
#include <utility>

#include "board/station_sections.h"
#include "develop/end_plates.h"
#include "develop/panel_development.h"
#include "export/development_dxf.h"
#include "export/development_xyz.h"
#include "export/file_text.h"
#include "export/lines_dxf.h"
#include "export/lines_xyz.h"
#include "export/vrml_scene.h"
#include "files/safe_file.h"
#include "hull/hull_data_file.h"
#include "text/number_text.h"

namespace voriel {

namespace {

// The hull name as part of a proposed file name: one line, and no "/" that would turn the name
// into a folder.
std::string nameForFile(const std::string& hullName) {
    std::string out = OneLine(hullName);
    for (char& c : out)
        if (c == '/') c = '_';
    return out;
}

// The development files cut the hull name to 15 characters.
std::string shortName(const Hull& hull) {
    return nameForFile(LeftChars(hull.HullFileName, 15));
}

ExportFile file(ExportKind kind, int code, std::string title, std::string filter, std::string name,
                std::string errorTitle, bool namesHull = false) {
    return {kind,
            code,
            {std::move(title), std::move(filter), std::move(name)},
            std::move(errorTitle),
            namesHull};
}

const char* const kDevelopmentXyzError = "Voriel2000 Saving development XYZ";

ExportFile developmentXyz(const Hull& hull, int code) {
    if (code < 10)
        return file(ExportKind::DevelopmentXyz, code,
                    "Voriel2000 - Save developed plank as XYZ file", "Plank (*_P*.XYZ)|*.XYZ",
                    shortName(hull) + "_P" + Format(code, "0") + ".XYZ", kDevelopmentXyzError);
    // The deck tables end in _D: their filter shows them, not the plank tables.
    return file(ExportKind::DevelopmentXyz, code, "Voriel2000 - Save developed deck as XYZ file",
                "Deck (*_D*.XYZ)|*.XYZ", shortName(hull) + "_D" + Format(code - 10, "0") + ".XYZ",
                kDevelopmentXyzError);
}

}  // namespace

std::vector<ExportFile> LinesDxfCommand(const Hull& hull) {
    return {file(ExportKind::LinesDxf, 0, "Voriel2000 - Save hull lines as DXF file",
                 "Lines (*.DXF)|*.DXF", nameForFile(hull.HullFileName) + ".DXF",
                 "Voriel2000 Saving Hull line DXF", true)};
}

std::vector<ExportFile> LinesXyzCommand(const Hull& hull) {
    return {file(ExportKind::LinesXyz, 0, "Voriel2000", "Lines (*.XYZ)|*.XYZ",
                 nameForFile(hull.HullFileName) + ".XYZ", "Voriel2000 Saving Hull line XYZ", true)};
}

std::vector<ExportFile> DevelopmentXyzCommand(const Hull& hull, const BoardState& board) {
    if (board.ChineView == 0) return {developmentXyz(hull, 0), developmentXyz(hull, 11)};
    std::vector<ExportFile> files;
    for (const int code : {0, 1, 2, 3, 11, 12, 13, 14}) files.push_back(developmentXyz(hull, code));
    files.push_back(file(ExportKind::TransomXyz, 0, "Voriel2000 - Save Transom as XYZ file",
                         "Transom (*_TR.XYZ)|*.XYZ", shortName(hull) + "_TR.XYZ",
                         kDevelopmentXyzError));
    if (HasBowPlate(hull))
        files.push_back(file(ExportKind::BowPlateXyz, 0, "Voriel2000 - Save bow plate as XYZ file",
                             "Bow (*_BOW.XYZ)|*.XYZ", shortName(hull) + "_BOW.XYZ",
                             kDevelopmentXyzError));
    return files;
}

std::vector<ExportFile> DevelopmentDxfCommand(const Hull& hull, const BoardState&) {
    return {file(ExportKind::PlankDxf, 0, "Voriel2000 - Save developed plank as DXF file",
                 "Plank (*_PLANK.DXF)|*.DXF", shortName(hull) + "_PLANK.DXF",
                 "Voriel2000 Saving plank development DXF"),
            // The deck file's dialog names the decks, not the planks it was copied from.
            file(ExportKind::DeckDxf, 0, "Voriel2000 - Save developed deck as DXF file",
                 "Deck (*_DECK.DXF)|*.DXF", shortName(hull) + "_DECK.DXF",
                 "Voriel2000 Saving deck development DXF")};
}

std::vector<ExportFile> StationDxfCommand(const Hull& hull, BoardState& board,
                                          std::string& stationBox) {
    stationBox = ChooseStation(hull, board, stationBox);
    const int p = board.StationIndex;
    return {file(ExportKind::StationDxf, p, "Voriel2000 - Save current station as DXF file",
                 "Station (*.DXF)|*.DXF", shortName(hull) + "_STAT_" + Format(p, "00") + ".DXF",
                 "Voriel2000 Saving station DXF")};
}

std::vector<ExportFile> VrmlCommand(const Hull& hull) {
    return {file(ExportKind::Vrml, 0, "Voriel2000", "VRML (*.WRL)|*.WRL",
                 nameForFile(hull.HullFileName) + ".WRL", "Voriel2000 Saving Hull VRML2", true)};
}

std::vector<ExportFile> EveryExportFile(const Hull& hull, BoardState& board,
                                        std::string& stationBox) {
    std::vector<ExportFile> all;
    for (const auto& files :
         {LinesXyzCommand(hull), LinesDxfCommand(hull), DevelopmentXyzCommand(hull, board),
          DevelopmentDxfCommand(hull, board), StationDxfCommand(hull, board, stationBox),
          VrmlCommand(hull)})
        all.insert(all.end(), files.begin(), files.end());
    return all;
}

std::string ExportText(const ExportFile& f, const Hull& hull, const BoardState& board) {
    std::ostringstream out;
    switch (f.kind) {
        case ExportKind::LinesDxf:
            WriteLinesDxf(out, hull, board);
            break;
        case ExportKind::LinesXyz:
            WriteLinesXyz(out, hull, board);
            break;
        case ExportKind::DevelopmentXyz: {
            const Panel panel =
                f.code < 10 ? static_cast<Panel>(f.code)
                            : static_cast<Panel>(static_cast<int>(Panel::Deck1) + f.code - 11);
            WriteDevelopmentXyz(out, hull.HullFileName, f.code, f.code == 0 ? 83 : 82,
                                DevelopPanel(hull, panel));
            break;
        }
        case ExportKind::TransomXyz:
            WriteTransomXyz(out, hull.HullFileName, ComputeTransomDev(board));
            break;
        case ExportKind::BowPlateXyz:
            WriteBowPlateXyz(out, hull.HullFileName, ComputeBowPlateDev(board));
            break;
        case ExportKind::PlankDxf:
            WritePlankDxf(out, hull, board);
            break;
        case ExportKind::DeckDxf:
            WriteDeckDxf(out, hull, board);
            break;
        case ExportKind::StationDxf:
            // The station chosen is 1..81; a file made by hand stays within the sections.
            WriteStationDxf(out, board, std::clamp(f.code, 0, kPointCount - 1));
            break;
        case ExportKind::Vrml:
            WriteVrmlScene(out, hull);
            break;
    }
    return out.str();
}

ExportOutcome SaveExportFile(const ExportFile& f, const Hull& hull, const BoardState& board,
                             const std::optional<std::string>& chosenPath) {
    ExportOutcome outcome;
    if (!chosenPath) return outcome;
    std::string text;
    std::string newName;
    if (f.namesHull) {
        Hull named = hull;
        named.HullFileName = newName = HullNameFromPath(*chosenPath);
        text = ExportText(f, named, board);
    } else {
        text = ExportText(f, hull, board);
    }
    if (auto err = WriteFileSafely(*chosenPath, text)) {
        outcome.error = ExportError{f.errorTitle, *err};
        return outcome;
    }
    outcome.written = true;
    if (f.namesHull) outcome.hullFileName = newName;
    return outcome;
}

}  // namespace voriel
