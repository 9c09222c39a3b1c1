// The export commands after their dialogs: cancel, naming the hull, and safe writing.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "board/station_sections.h"
#include "export/export_commands.h"
#include "support/file_size_limit.h"
#include "support/temp_dir.h"
#include "support/test_data.h"
#include "support/test_hulls.h"

namespace voriel {
namespace {

using test::TempDir;

using test::FileSizeLimit;
using test::Slurp;

// The first characters of the file at path, as many as `start` holds.
std::string head(const std::string& path, const std::string& start) {
    return Slurp(path).substr(0, start.size());
}

struct Scene {
    Hull hull = test::ValidatedDefaultHull();
    BoardState board;
    Scene() {
        hull.HullFileName = "VORIEL";
        board.ChineView = 1;
        ComputeAllStationSections(hull, board);
    }
};

// Every file's dialog and failure title, for a pram bow (whose bow plate has a table of its own)
// named past the 15 characters the development files keep, cut by characters, not bytes.
TEST(ExportCommands, EveryFileProposesItsNameTitleFilterAndErrorTitle) {
    Scene s;
    s.hull.YFwd[Chine1] = 0.3;  // the names only ask whether there is a bow plate
    s.hull.HullFileName = "BÂTEAU À BORDÉS 2026";
    std::string box = "0,46";  // a decimal comma, between stations 7 and 8
    const std::vector<ExportFile> files = EveryExportFile(s.hull, s.board, box);
    const std::string dev = "BÂTEAU À BORDÉS";
    const char* const plankXyz = "Voriel2000 - Save developed plank as XYZ file";
    const char* const deckXyz = "Voriel2000 - Save developed deck as XYZ file";
    const char* const devXyzError = "Voriel2000 Saving development XYZ";
    const std::vector<std::vector<std::string>> expected = {
        {"Voriel2000", "Lines (*.XYZ)|*.XYZ", s.hull.HullFileName + ".XYZ",
         "Voriel2000 Saving Hull line XYZ"},
        {"Voriel2000 - Save hull lines as DXF file", "Lines (*.DXF)|*.DXF",
         s.hull.HullFileName + ".DXF", "Voriel2000 Saving Hull line DXF"},
        {plankXyz, "Plank (*_P*.XYZ)|*.XYZ", dev + "_P0.XYZ", devXyzError},
        {plankXyz, "Plank (*_P*.XYZ)|*.XYZ", dev + "_P1.XYZ", devXyzError},
        {plankXyz, "Plank (*_P*.XYZ)|*.XYZ", dev + "_P2.XYZ", devXyzError},
        {plankXyz, "Plank (*_P*.XYZ)|*.XYZ", dev + "_P3.XYZ", devXyzError},
        {deckXyz, "Deck (*_D*.XYZ)|*.XYZ", dev + "_D1.XYZ", devXyzError},
        {deckXyz, "Deck (*_D*.XYZ)|*.XYZ", dev + "_D2.XYZ", devXyzError},
        {deckXyz, "Deck (*_D*.XYZ)|*.XYZ", dev + "_D3.XYZ", devXyzError},
        {deckXyz, "Deck (*_D*.XYZ)|*.XYZ", dev + "_D4.XYZ", devXyzError},
        {"Voriel2000 - Save Transom as XYZ file", "Transom (*_TR.XYZ)|*.XYZ", dev + "_TR.XYZ",
         devXyzError},
        {"Voriel2000 - Save bow plate as XYZ file", "Bow (*_BOW.XYZ)|*.XYZ", dev + "_BOW.XYZ",
         devXyzError},
        {"Voriel2000 - Save developed plank as DXF file", "Plank (*_PLANK.DXF)|*.DXF",
         dev + "_PLANK.DXF", "Voriel2000 Saving plank development DXF"},
        {"Voriel2000 - Save developed deck as DXF file", "Deck (*_DECK.DXF)|*.DXF",
         dev + "_DECK.DXF", "Voriel2000 Saving deck development DXF"},
        {"Voriel2000 - Save current station as DXF file", "Station (*.DXF)|*.DXF",
         dev + "_STAT_07.DXF", "Voriel2000 Saving station DXF"},
        {"Voriel2000", "VRML (*.WRL)|*.WRL", s.hull.HullFileName + ".WRL",
         "Voriel2000 Saving Hull VRML2"},
    };
    ASSERT_EQ(files.size(), expected.size());
    for (std::size_t k = 0; k < files.size(); ++k) {
        const ExportFile& f = files[k];
        EXPECT_EQ((std::vector<std::string>{f.dialog.title, f.dialog.filter, f.dialog.proposedName,
                                            f.errorTitle}),
                  expected[k]);
        // The lines and the scene name the hull; no other file does.
        EXPECT_EQ(f.namesHull, k < 2 || k + 1 == files.size()) << f.dialog.proposedName;
    }
    EXPECT_EQ(box, ".45");  // the station box shows the X of station 7
    // At chine 1 only the bottom and the half deck at chine 1 have tables.
    s.board.ChineView = 0;
    const auto stage0 = DevelopmentXyzCommand(s.hull, s.board);
    ASSERT_EQ(stage0.size(), 2u);
    EXPECT_EQ(stage0[1].dialog.proposedName, dev + "_D1.XYZ");
}

TEST(ExportCommands, BowPlateOnlyAboveAMillimetreOfForefootHalfWidth) {
    Scene s;
    s.hull.YFwd[Chine1] = 0.001;  // at the limit the bow is a stem: no plate, as on the board
    EXPECT_EQ(DevelopmentXyzCommand(s.hull, s.board).size(), 9u);
    s.hull.YFwd[Chine1] = 0.0011;
    EXPECT_EQ(DevelopmentXyzCommand(s.hull, s.board).size(), 10u);
}

TEST(ExportCommands, ANameThatIsNotAFileNameStillProposesOneFile) {
    Scene s;
    s.hull.HullFileName = "SAIL/BOAT\n";  // typed in the name box
    EXPECT_EQ(LinesDxfCommand(s.hull).at(0).dialog.proposedName, "SAIL_BOAT .DXF");
    EXPECT_EQ(DevelopmentDxfCommand(s.hull, s.board).at(0).dialog.proposedName,
              "SAIL_BOAT _PLANK.DXF");
}

TEST(ExportCommands, CancelWritesNothingAndKeepsTheName) {
    const Scene s;
    TempDir dir;
    for (const auto& files :
         {LinesDxfCommand(s.hull), LinesXyzCommand(s.hull), VrmlCommand(s.hull),
          DevelopmentXyzCommand(s.hull, s.board), DevelopmentDxfCommand(s.hull, s.board)}) {
        for (const ExportFile& f : files) {
            const ExportOutcome o = SaveExportFile(f, s.hull, s.board, std::nullopt);
            EXPECT_FALSE(o.written);
            EXPECT_FALSE(o.error);
            EXPECT_FALSE(o.hullFileName);
        }
    }
    EXPECT_TRUE(dir.entries().empty());
}

TEST(ExportCommands, ACancelledTableSkipsThatTableOnly) {
    const Scene s;
    TempDir dir;
    const auto files = DevelopmentXyzCommand(s.hull, s.board);
    ASSERT_EQ(files.size(), 9u);
    std::vector<std::string> expected;
    for (std::size_t k = 0; k < files.size(); ++k) {
        // The user cancels every other dialog; the command goes on with the next table.
        std::optional<std::string> chosen;
        if (k % 2 == 0) chosen = dir / files[k].dialog.proposedName;
        const ExportOutcome o = SaveExportFile(files[k], s.hull, s.board, chosen);
        EXPECT_EQ(o.written, k % 2 == 0);
        EXPECT_FALSE(o.error);
        if (o.written) expected.push_back(files[k].dialog.proposedName);
    }
    EXPECT_EQ(dir.entries(),
              (std::vector<std::string>{"VORIEL_D1.XYZ", "VORIEL_D3.XYZ", "VORIEL_P0.XYZ",
                                        "VORIEL_P2.XYZ", "VORIEL_TR.XYZ"}));
    EXPECT_EQ(expected.size(), 5u);
}

TEST(ExportCommands, LinesAndSceneFilesNameTheHullBeforeTheirFirstPoint) {
    const Scene s;
    TempDir dir;
    const auto o =
        SaveExportFile(LinesDxfCommand(s.hull).at(0), s.hull, s.board, dir / "boat.first.dxf");
    ASSERT_TRUE(o.written);
    EXPECT_EQ(o.hullFileName, "boat");
    // The file carries the new name in its comment.
    const std::string comment = "999\r\nboat - created with Voriel 2000\r\n";
    EXPECT_EQ(head(dir / "boat.first.dxf", comment), comment);
    const auto x =
        SaveExportFile(LinesXyzCommand(s.hull).at(0), s.hull, s.board, dir / "my sloop.xyz");
    EXPECT_EQ(x.hullFileName, "my sloop");
    EXPECT_EQ(head(dir / "my sloop.xyz", "my sloop\tVoriel 2000\r\n"), "my sloop\tVoriel 2000\r\n");
    const auto v = SaveExportFile(VrmlCommand(s.hull).at(0), s.hull, s.board, dir / ".hidden.wrl");
    EXPECT_EQ(v.hullFileName, ".hidden.wrl");  // a leading point does not cut the name
    // The development files keep the hull's name.
    const auto d = SaveExportFile(DevelopmentDxfCommand(s.hull, s.board).at(0), s.hull, s.board,
                                  dir / "planks.dxf");
    EXPECT_TRUE(d.written);
    EXPECT_FALSE(d.hullFileName);
    const std::string planks = "999\r\nVORIEL - Planks  - development created with Voriel 2000\r\n";
    EXPECT_EQ(head(dir / "planks.dxf", planks), planks);
}

TEST(ExportCommands, EveryFileIsWrittenWholeAtItsPath) {
    Scene s;
    s.hull = test::RandomHull(3);
    s.hull.HullFileName = "R3";
    ComputeAllStationSections(s.hull, s.board);
    std::string box = "1,5";
    TempDir dir;
    const std::vector<ExportFile> all = EveryExportFile(s.hull, s.board, box);
    for (const ExportFile& f : all) {
        const auto o = SaveExportFile(f, s.hull, s.board, dir / f.dialog.proposedName);
        ASSERT_TRUE(o.written) << f.dialog.proposedName;
        Hull named = s.hull;
        if (o.hullFileName) named.HullFileName = *o.hullFileName;
        EXPECT_EQ(Slurp(dir / f.dialog.proposedName), ExportText(f, named, s.board));
    }
    EXPECT_EQ(dir.entries().size(), all.size());  // no temporary file left behind
}

// A target the safe writer refuses: the message names the file and the reason under the
// command's title, and the hull keeps its name.
TEST(ExportCommands, RefusedTargetsAreReportedUnderTheCommandsTitle) {
    const Scene s;
    TempDir dir;
    ASSERT_EQ(mkdir((dir / "VORIEL.XYZ").c_str(), 0755), 0);
    // The superuser writes anywhere it may change permissions; sysfs refuses new files to all.
    std::string locked = "/sys";
    if (geteuid() != 0) {
        ASSERT_EQ(mkdir((dir / "locked").c_str(), 0555), 0);
        locked = dir / "locked";
    }
    const struct {
        ExportFile file;
        std::string path, title, reason;
    } cases[] = {
        {LinesDxfCommand(s.hull).at(0), dir / "no such folder/boat.DXF",
         "Voriel2000 Saving Hull line DXF", "No such file or directory"},
        {DevelopmentDxfCommand(s.hull, s.board).at(1), locked + "/decks.DXF",
         "Voriel2000 Saving deck development DXF", "Permission denied"},
        {LinesXyzCommand(s.hull).at(0), dir / "VORIEL.XYZ", "Voriel2000 Saving Hull line XYZ",
         "Is a directory"},
    };
    for (const auto& c : cases) {
        const auto o = SaveExportFile(c.file, s.hull, s.board, c.path);
        EXPECT_FALSE(o.written);
        ASSERT_TRUE(o.error) << c.path;
        EXPECT_EQ(o.error->title, c.title);
        EXPECT_EQ(o.error->message, c.path + ": " + c.reason);
        EXPECT_FALSE(o.hullFileName);
    }
}

// Lowers the largest file size the process may write, as a full disk would stop the writing.
TEST(ExportCommands, AFailedWriteKeepsTheExistingFileIntact) {
    const Scene s;
    TempDir dir;
    const std::string path = dir / "VORIEL.WRL";
    const std::string before = "an earlier scene the builder wants to keep\r\n";
    std::ofstream(path, std::ios::binary) << before;
    std::optional<ExportError> error;
    {
        FileSizeLimit limit(4096);  // the scene is far larger
        ASSERT_TRUE(limit.ok());
        error = SaveExportFile(VrmlCommand(s.hull).at(0), s.hull, s.board, path).error;
    }
    ASSERT_TRUE(error);
    EXPECT_EQ(error->message, path + ": File too large");
    EXPECT_EQ(Slurp(path), before);
    EXPECT_EQ(dir.entries(), (std::vector<std::string>{"VORIEL.WRL"}));  // no temporary left
}

}  // namespace
}  // namespace voriel
