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
#include "support/temp_dir.h"
#include "support/test_hulls.h"

namespace voriel {
namespace {

using test::TempDir;

// The first characters of the file at path, as many as `start` holds.
std::string readFile(const std::string& path);
std::string head(const std::string& path, const std::string& start) {
    return readFile(path).substr(0, start.size());
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
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

TEST(ExportCommands, SingleFileCommandsProposeTheHullNameAndTitleTheirErrors) {
    const Scene s;
    const auto dxf = LinesDxfCommand(s.hull).at(0);
    EXPECT_EQ(dxf.dialog.title, "Voriel2000 - Save hull lines as DXF file");
    EXPECT_EQ(dxf.dialog.filter, "Lines (*.DXF)|*.DXF");
    EXPECT_EQ(dxf.dialog.proposedName, "VORIEL.DXF");
    EXPECT_EQ(dxf.errorTitle, "Voriel2000 Saving Hull line DXF");
    const auto xyz = LinesXyzCommand(s.hull).at(0);
    EXPECT_EQ(xyz.dialog.title, "Voriel2000");
    EXPECT_EQ(xyz.dialog.filter, "Lines (*.XYZ)|*.XYZ");
    EXPECT_EQ(xyz.dialog.proposedName, "VORIEL.XYZ");
    const auto wrl = VrmlCommand(s.hull).at(0);
    EXPECT_EQ(wrl.dialog.title, "Voriel2000");
    EXPECT_EQ(wrl.dialog.filter, "VRML (*.WRL)|*.WRL");
    EXPECT_EQ(wrl.dialog.proposedName, "VORIEL.WRL");
    EXPECT_EQ(wrl.errorTitle, "Voriel2000 Saving Hull VRML2");
    EXPECT_TRUE(dxf.namesHull && xyz.namesHull && wrl.namesHull);
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
        EXPECT_EQ(readFile(dir / f.dialog.proposedName), ExportText(f, named, s.board));
    }
    EXPECT_EQ(dir.entries().size(), all.size());  // no temporary file left behind
}

TEST(ExportCommands, MissingFolderIsReportedWithTheFileAndTheCommandTitle) {
    const Scene s;
    TempDir dir;
    const std::string path = dir / "no such folder/boat.DXF";
    const auto o = SaveExportFile(LinesDxfCommand(s.hull).at(0), s.hull, s.board, path);
    EXPECT_FALSE(o.written);
    ASSERT_TRUE(o.error);
    EXPECT_EQ(o.error->title, "Voriel2000 Saving Hull line DXF");
    EXPECT_EQ(o.error->message, path + ": No such file or directory");
    EXPECT_FALSE(o.hullFileName);  // the hull keeps its name when nothing was written
}

TEST(ExportCommands, FolderWithoutWritePermissionIsReported) {
    const Scene s;
    TempDir dir;
    // The superuser writes anywhere it may change permissions; sysfs refuses new files to all.
    std::string folder = "/sys";
    if (geteuid() != 0) {
        ASSERT_EQ(chmod(dir.path().c_str(), 0555), 0);
        folder = dir.path();
    }
    const auto f = DevelopmentDxfCommand(s.hull, s.board).at(1);
    const auto o = SaveExportFile(f, s.hull, s.board, folder + "/decks.DXF");
    ASSERT_TRUE(o.error);
    EXPECT_EQ(o.error->title, "Voriel2000 Saving deck development DXF");
    EXPECT_EQ(o.error->message, folder + "/decks.DXF: Permission denied");
}

// Lowers the largest file size the process may write, as a full disk would stop the writing.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        ok_ = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previous_);
    }
    bool ok() const { return ok_; }

private:
    rlimit saved_{};
    void (*previous_)(int) = nullptr;
    bool ok_ = false;
};

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
    EXPECT_EQ(readFile(path), before);
    EXPECT_EQ(dir.entries(), (std::vector<std::string>{"VORIEL.WRL"}));  // no temporary left
}

TEST(ExportCommands, TargetThatIsAFolderIsRefused) {
    const Scene s;
    TempDir dir;
    ASSERT_EQ(mkdir((dir / "VORIEL.XYZ").c_str(), 0755), 0);
    const auto o =
        SaveExportFile(LinesXyzCommand(s.hull).at(0), s.hull, s.board, dir / "VORIEL.XYZ");
    ASSERT_TRUE(o.error);
    EXPECT_EQ(o.error->message, dir / "VORIEL.XYZ" + ": Is a directory");
}

}  // namespace
}  // namespace voriel
