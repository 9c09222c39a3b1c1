// The export commands after their dialogs: what each dialog proposes, cancel, naming the hull,
// and safe writing.
#include <gtest/gtest.h>

#include <fstream>

#include "board/station_sections.h"
#include "export/export_commands.h"
#include "support/case_lines.h"
#include "support/file_size_limit.h"
#include "support/temp_dir.h"
#include "support/test_data.h"
#include "support/test_hulls.h"

namespace voriel {
namespace {

using test::Slurp;
using test::TempDir;

struct Scene {
    Hull hull = test::ValidatedDefaultHull();
    BoardState board;
    Scene() {
        hull.HullFileName = "VORIEL";
        board.ChineView = 1;
        ComputeAllStationSections(hull, board);
    }
};

// Every file's dialog and failure title (tests/golden/dialogs/export_files.txt), for a pram bow
// (whose bow plate has a table of its own) named past the 15 characters the development files
// keep, cut by characters, not bytes.
TEST(ExportCommands, EveryFileProposesItsNameTitleFilterAndErrorTitle) {
    Scene s;
    s.hull.YFwd[Chine1] = 0.3;  // the names only ask whether there is a bow plate
    s.hull.HullFileName = "BÂTEAU À BORDÉS 2026";
    std::string box = "0,46";  // a decimal comma, between stations 7 and 8
    std::string got;
    for (const ExportFile& f : EveryExportFile(s.hull, s.board, box)) {
        got += f.dialog.title + "\t" + f.dialog.filter + "\t" + f.dialog.proposedName + "\t" +
               f.errorTitle + "\t" + (f.namesHull ? "names" : "-") + "\n";
    }
    std::string expected;
    for (const std::string& line : test::CaseLines("golden/dialogs/export_files.txt"))
        expected += line + "\n";
    EXPECT_EQ(got, expected);
    EXPECT_EQ(box, ".45");  // the station box shows the X of station 7
    // At chine 1 only the bottom and the half deck at chine 1 have tables.
    s.board.ChineView = 0;
    const auto stage0 = DevelopmentXyzCommand(s.hull, s.board);
    ASSERT_EQ(stage0.size(), 2u);
    EXPECT_EQ(stage0[1].dialog.proposedName, "BÂTEAU À BORDÉS_D1.XYZ");
    // A name typed in the name box that is not a file name still proposes one file.
    s.hull.HullFileName = "SAIL/BOAT\n";
    EXPECT_EQ(LinesDxfCommand(s.hull).at(0).dialog.proposedName, "SAIL_BOAT .DXF");
    EXPECT_EQ(DevelopmentDxfCommand(s.hull, s.board).at(0).dialog.proposedName,
              "SAIL_BOAT _PLANK.DXF");
}

// A cancelled dialog skips its file only: nothing written, no error, the name kept.
TEST(ExportCommands, ACancelledFileSkipsThatFileOnly) {
    Scene s;
    TempDir dir;
    std::string box = "2";
    std::vector<std::string> expected;
    const std::vector<ExportFile> files = EveryExportFile(s.hull, s.board, box);
    for (std::size_t k = 0; k < files.size(); ++k) {
        const bool cancelled = k % 2 == 1;
        const std::string& name = files[k].dialog.proposedName;
        const ExportOutcome o = SaveExportFile(
            files[k], s.hull, s.board, cancelled ? std::nullopt : std::optional(dir / name));
        EXPECT_TRUE(o.written != cancelled && !o.error) << name;
        EXPECT_EQ(o.hullFileName.has_value(), !cancelled && files[k].namesHull) << name;
        if (!cancelled) expected.push_back(name);
    }
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(dir.entries(), expected);
}

// The lines and the scene name the hull after the file chosen (cut before its first "." but for a
// leading one) before their first point; the development files keep the hull's name.
TEST(ExportCommands, LinesAndSceneFilesNameTheHullBeforeTheirFirstPoint) {
    const Scene s;
    TempDir dir;
    const struct {
        ExportFile file;
        std::string chosen;
        std::optional<std::string> name;
        std::string head;
    } cases[] = {
        {LinesDxfCommand(s.hull).at(0), "boat.first.dxf", "boat",
         "999\r\nboat - created with Voriel 2000\r\n"},
        {LinesXyzCommand(s.hull).at(0), "my sloop.xyz", "my sloop", "my sloop\tVoriel 2000\r\n"},
        {VrmlCommand(s.hull).at(0), ".hidden.wrl", ".hidden.wrl", "#VRML V2.0 utf8"},
        {DevelopmentDxfCommand(s.hull, s.board).at(0), "planks.dxf", std::nullopt,
         "999\r\nVORIEL - Planks  - development created with Voriel 2000\r\n"},
    };
    for (const auto& c : cases) {
        const ExportOutcome o = SaveExportFile(c.file, s.hull, s.board, dir / c.chosen);
        EXPECT_TRUE(o.written && o.hullFileName == c.name) << c.chosen;
        EXPECT_EQ(Slurp(dir / c.chosen).substr(0, c.head.size()), c.head);
    }
}

// A target the safe writer refuses (every kind is the safe writer's tests') and a write that
// fails (a full disk): the message names the file and the reason under the command's title, the
// hull keeps its name, the file there stays intact and no temporary file is left.
TEST(ExportCommands, RefusedTargetsAndFailedWritesAreReportedUnderTheCommandsTitle) {
    const Scene s;
    TempDir dir;
    const std::string before = "an earlier scene the builder wants to keep\r\n";
    std::ofstream(dir / "VORIEL.WRL", std::ios::binary) << before;
    const struct {
        ExportFile file;
        std::string path, title, reason;
    } cases[] = {
        {DevelopmentDxfCommand(s.hull, s.board).at(1), dir / "no such folder/decks.DXF",
         "Voriel2000 Saving deck development DXF", "No such file or directory"},
        {VrmlCommand(s.hull).at(0), dir / "VORIEL.WRL", "Voriel2000 Saving Hull VRML2",
         "File too large"},
    };
    for (const auto& c : cases) {
        std::optional<test::FileSizeLimit> limit;
        if (c.reason == "File too large") limit.emplace(4096);  // the scene is far larger
        ASSERT_TRUE(!limit || limit->ok());
        const auto o = SaveExportFile(c.file, s.hull, s.board, c.path);
        limit.reset();
        EXPECT_FALSE(o.written || o.hullFileName);
        ASSERT_TRUE(o.error) << c.path;
        EXPECT_EQ(o.error->title + "\n" + o.error->message,
                  c.title + "\n" + c.path + ": " + c.reason);
    }
    EXPECT_EQ(Slurp(dir / "VORIEL.WRL"), before);
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"VORIEL.WRL"});
}

}  // namespace
}  // namespace voriel
