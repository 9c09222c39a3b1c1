// The Save menu's export commands as the drawing board runs them: the files each one proposes,
// and the writing of one file once its dialog has given a path or been cancelled.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "board/board_state.h"
#include "hull/hull.h"

namespace voriel {

// What the Save As dialog of one file shows.
struct SaveDialog {
    std::string title;
    std::string filter;        // "Description|pattern"
    std::string proposedName;  // a file name without folder, built from HullFileName
};

enum class ExportKind {
    LinesDxf,
    LinesXyz,
    DevelopmentXyz,  // a plank (code 0..3) or half deck (code 11..14)
    TransomXyz,
    BowPlateXyz,
    PlankDxf,
    DeckDxf,
    StationDxf,
    Vrml
};

// One file of a command.
struct ExportFile {
    ExportKind kind = ExportKind::LinesDxf;
    int code = 0;  // the plate code of a development table, the station index of a station file
    SaveDialog dialog;
    std::string errorTitle;  // the title of the message box that reports a failure
    bool namesHull = false;  // the chosen file name becomes HullFileName
};

// Each command's files in the order their dialogs come; a cancelled dialog skips its file only.
std::vector<ExportFile> LinesDxfCommand(const Hull& hull);
std::vector<ExportFile> LinesXyzCommand(const Hull& hull);
// ChineView 0: the bottom and the half deck at chine 1; else the bottom, planks 1..3, the four
// half decks, the transom and, for a pram bow, the bow plate.
std::vector<ExportFile> DevelopmentXyzCommand(const Hull& hull, const BoardState& board);
// The plank file and the deck file.
std::vector<ExportFile> DevelopmentDxfCommand(const Hull& hull, const BoardState& board);
// First the Draw station action on the station box's text (board.StationX and StationIndex are
// set, the box shows the station's X), then the file of that station.
std::vector<ExportFile> StationDxfCommand(const Hull& hull, BoardState& board,
                                          std::string& stationBox);
std::vector<ExportFile> VrmlCommand(const Hull& hull);

// Every file of the Save menu's export commands, in the menu's order (lines XYZ, lines DXF,
// development XYZ, development DXF, station DXF from the station box's text, VRML), with the
// names proposed for the hull as it stands.
std::vector<ExportFile> EveryExportFile(const Hull& hull, BoardState& board,
                                        std::string& stationBox);

// The text of the file for the hull, its HullFileName included, and the board as they stand.
std::string ExportText(const ExportFile& file, const Hull& hull, const BoardState& board);

struct ExportError {
    std::string title;    // the command's message-box title
    std::string message;  // the file and the reason
};

struct ExportOutcome {
    bool written = false;
    std::optional<ExportError> error;
    std::optional<std::string> hullFileName;  // the hull's new name, when the file names it
};

// After the dialog: nothing when it was cancelled (no path); otherwise the file is written
// safely at the path (an existing file is replaced only by a complete one) and, for the lines
// and VRML files, the hull takes the chosen file's name, cut before its first ".".
ExportOutcome SaveExportFile(const ExportFile& file, const Hull& hull, const BoardState& board,
                             const std::optional<std::string>& chosenPath);

}  // namespace voriel
