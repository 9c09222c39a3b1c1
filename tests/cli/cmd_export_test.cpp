// voriel-cli export, run as a user runs it: which files it writes, where, and how it refuses.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <set>

#include "board/station_sections.h"
#include "cli/cli_run.h"
#include "export/export_commands.h"
#include "hull/definition_screens.h"
#include "hull/hull_data_file.h"
#include "support/temp_dir.h"

namespace voriel {
namespace {

using test::CliRun;
using test::Slurp;

class ExportCli : public test::CliTest {
protected:
    // Designs a hull from the named boxes and saves it as name.D50 in the test folder.
    std::string design(const std::string& name, std::vector<std::string> entries = {}) {
        entries.insert(entries.begin(), "design");
        entries.push_back("-o");
        entries.push_back(path(name + ".D50"));
        const CliRun r = run(entries);
        EXPECT_EQ(r.status, 0) << r.err;
        return path(name + ".D50");
    }

    // The hull and the board as the command sees them after reading `file` and redrawing.
    struct Desk {
        Hull hull;
        BoardState board;
    };
    static Desk desk(const std::string& file, int16_t stage, int16_t language = 0) {
        Hull blank;
        SetDefaultHull(blank);
        Desk d{*OpenHullData(file, blank).hull, {}};
        d.hull.Language = language;
        d.board.ChineView = stage;
        ComputeAllStationSections(d.hull, d.board);
        return d;
    }

    // The files of every command, the station file for the station box text `box`.
    static std::vector<ExportFile> menuFiles(Desk& d, std::string box) {
        std::vector<ExportFile> files;
        for (const auto& cmd :
             {LinesXyzCommand(d.hull), LinesDxfCommand(d.hull),
              DevelopmentXyzCommand(d.hull, d.board), DevelopmentDxfCommand(d.hull, d.board),
              StationDxfCommand(d.hull, d.board, box), VrmlCommand(d.hull)})
            files.insert(files.end(), cmd.begin(), cmd.end());
        return files;
    }

    static std::vector<std::string> outputLines(const std::string& text) {
        std::vector<std::string> out;
        std::size_t start = 0;
        for (auto end = text.find('\n'); end != std::string::npos; end = text.find('\n', start)) {
            out.push_back(text.substr(start, end - start));
            start = end + 1;
        }
        return out;
    }

    static bool startsWith(const std::string& text, const std::string& start) {
        return text.compare(0, start.size(), start) == 0;
    }

    static bool exists(const std::string& p) {
        struct stat st {};
        return stat(p.c_str(), &st) == 0;
    }
};

TEST_F(ExportCli, AllWritesEveryFileOfTheSaveMenuUnderItsProposedName) {
    const std::string file = design("sloop", {"half-width-forward=0,3"});  // a pram bow
    const CliRun r = run({"export", file, "--all", path("saved/nested")});
    ASSERT_EQ(r.status, 0) << r.err;
    Desk d = desk(file, 1);
    // Without --station, the station box holds the max-beam position.
    const auto files = menuFiles(d, BoxText(d.hull.XMax[Chine1]));
    ASSERT_EQ(files.size(), 16u);  // lines XYZ and DXF, 10 tables, plank, deck, station, scene
    std::vector<std::string> expectedPaths;
    for (const ExportFile& f : files) {
        expectedPaths.push_back(path("saved/nested/" + f.dialog.proposedName));
        EXPECT_EQ(Slurp(expectedPaths.back()), ExportText(f, d.hull, d.board))
            << f.dialog.proposedName;
    }
    EXPECT_EQ(outputLines(r.out), expectedPaths);
    EXPECT_EQ(files[14].dialog.proposedName,
              "sloop_STAT_" + std::to_string(d.hull.MaxBeamIndex) + ".DXF");
}

TEST_F(ExportCli, EachOptionWritesWhatItsMenuCommandWrites) {
    const std::string file = design("yawl");
    const CliRun r = run({"export", file, "--lang", "en", "--lines-xyz", path("l.xyz"), "--dev-dxf",
                          dir_, "--station", "2,57", "--station-dxf", path("s.dxf")});
    ASSERT_EQ(r.status, 0) << r.err;
    Desk d = desk(file, 1, 1);
    // The lines file renames the hull "l" before the development files are proposed.
    const auto xyz = LinesXyzCommand(d.hull).at(0);
    d.hull.HullFileName = "l";
    EXPECT_EQ(Slurp(path("l.xyz")), ExportText(xyz, d.hull, d.board));
    EXPECT_TRUE(startsWith(Slurp(path("l.xyz")), "l\tVoriel 2000\r\nLINE \t Keel\r\n"));
    for (const ExportFile& f : DevelopmentDxfCommand(d.hull, d.board))
        EXPECT_EQ(Slurp(path(f.dialog.proposedName)), ExportText(f, d.hull, d.board));
    EXPECT_TRUE(exists(path("l_PLANK.DXF")));
    EXPECT_TRUE(exists(path("l_DECK.DXF")));
    std::string box = "2,57";
    const auto station = StationDxfCommand(d.hull, d.board, box).at(0);
    EXPECT_EQ(d.board.StationIndex, 35);
    EXPECT_EQ(Slurp(path("s.dxf")), ExportText(station, d.hull, d.board));
    EXPECT_TRUE(startsWith(Slurp(path("s.dxf")), "999\r\nstation  35\r\n"));
    EXPECT_FALSE(exists(path("yawl.WRL")));
}

TEST_F(ExportCli, StageZeroWritesTheDevelopmentsOfChineOneOnly) {
    const std::string file = design("dinghy", {"half-width-forward=0,2"});
    const CliRun r =
        run({"export", file, "--stage", "0", "--dev-xyz", path("x"), "--dev-dxf", path("x")});
    // The folders of --dev-xyz and --dev-dxf are not created: the first file names the problem.
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find(path("x/dinghy_P0.XYZ") + ": No such file or directory"),
              std::string::npos)
        << r.err;
    ASSERT_EQ(mkdir(path("x").c_str(), 0755), 0);
    const CliRun again =
        run({"export", file, "--stage", "0", "--dev-xyz", path("x"), "--dev-dxf", path("x")});
    ASSERT_EQ(again.status, 0) << again.err;
    EXPECT_EQ(outputLines(again.out),
              (std::vector<std::string>{path("x/dinghy_P0.XYZ"), path("x/dinghy_D1.XYZ"),
                                        path("x/dinghy_PLANK.DXF"), path("x/dinghy_DECK.DXF")}));
    Desk d = desk(file, 0);
    for (const auto& cmd :
         {DevelopmentXyzCommand(d.hull, d.board), DevelopmentDxfCommand(d.hull, d.board)})
        for (const ExportFile& f : cmd)
            EXPECT_EQ(Slurp(path("x/" + f.dialog.proposedName)), ExportText(f, d.hull, d.board));
}

// Every target is checked before the first file is written: a refused one writes nothing at
// all, and leaves no folder that --all created.
TEST_F(ExportCli, ARefusedTargetIsFoundBeforeAnyFileIsWritten) {
    const std::string file = design("ketch");
    ASSERT_EQ(mkfifo(path("pipe.WRL").c_str(), 0644), 0);
    ASSERT_EQ(mkdir(path("folder.DXF").c_str(), 0755), 0);
    std::ofstream(path("taken")) << "a file where the folder should go";
    struct Case {
        std::vector<std::string> options;
        std::string error;  // after "voriel-cli: "
    };
    const std::vector<Case> cases = {
        {{"--lines-dxf", path("ok.DXF"), "--vrml", path("missing/x.WRL")},
         path("missing/x.WRL") + ": No such file or directory"},
        {{"--lines-xyz", path("ok.XYZ"), "--vrml", path("pipe.WRL")},
         path("pipe.WRL") + ": this is not a regular file"},
        {{"--vrml", path("ok.WRL"), "--lines-dxf", path("folder.DXF")},
         path("folder.DXF") + ": Is a directory"},
        {{"--vrml", path("ok.WRL"), "--lines-dxf", file},
         file + ": this is the hull file being exported; it is not overwritten"},
        {{"--all", path("fresh/out"), "--station-dxf", path("taken/s.DXF")},
         path("taken/s.DXF") + ": Not a directory"},
        {{"--lines-dxf", path("ok.DXF"), "--all", path("taken")},
         path("taken") + ": Not a directory"},
    };
    const std::vector<std::string> before = test::TempDir::List(dir_);
    for (const Case& c : cases) {
        std::vector<std::string> args = {"export", file};
        args.insert(args.end(), c.options.begin(), c.options.end());
        const CliRun r = run(args);
        EXPECT_EQ(r.status, 1) << c.error;
        EXPECT_EQ(r.err, "voriel-cli: " + c.error + "\n");
        EXPECT_TRUE(r.out.empty()) << r.out;
        EXPECT_EQ(test::TempDir::List(dir_), before) << c.error;
    }
    EXPECT_EQ(Slurp(path("taken")), "a file where the folder should go");
}

// --all creates its folder first, so a station file named inside it is written with the rest.
TEST_F(ExportCli, AllCreatesItsFolderBeforeTheTargetsAreChecked) {
    const std::string file = design("skiff");
    const CliRun r = run({"export", file, "--all", path("saved"), "--station", "3", "--station-dxf",
                          path("saved/station.DXF")});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto written = outputLines(r.out);
    ASSERT_EQ(written.size(), 16u);  // 15 files of a pointed bow, and the station named
    EXPECT_EQ(written.front(), path("saved/station.DXF"));
    EXPECT_EQ(test::TempDir::List(path("saved")).size(), 16u);
    EXPECT_TRUE(startsWith(Slurp(path("saved/station.DXF")), "999\r\nstation  41\r\n"));
}

// A failure once the targets are checked (a full disk, here a file size limit) stops the writing
// and names the files already written.
TEST_F(ExportCli, AFailureWhileWritingNamesTheFilesAlreadyWritten) {
    const std::string file = design("dory");
    ASSERT_EQ(mkdir(path("x").c_str(), 0755), 0);
    // The nine tables are a few kilobytes, the plank DXF far more than the 20 kB allowed.
    const CliRun r = run({"export", file, "--dev-xyz", path("x"), "--dev-dxf", path("x")},
                         "trap '' XFSZ; ulimit -f 40; ");
    EXPECT_EQ(r.status, 1);
    const auto written = outputLines(r.out);
    ASSERT_EQ(written.size(), 9u) << r.err;
    std::string list;
    for (const std::string& w : written) list += (list.empty() ? "" : ", ") + w;
    EXPECT_EQ(r.err, "voriel-cli: " + path("x/dory_PLANK.DXF") +
                         ": File too large; already written: " + list + "\n");
    EXPECT_FALSE(exists(path("x/dory_PLANK.DXF")));
    EXPECT_FALSE(exists(path("x/dory_DECK.DXF")));
}

TEST_F(ExportCli, WrongUsageShowsTheUsageAndWritesNothing) {
    const std::string file = design("cat");
    const std::vector<std::vector<std::string>> wrong = {
        {"export", file},                                         // nothing to write
        {"export", file, "--station", "3", "--vrml", path("v")},  // a station without its file
        {"export", file, "--stage", "2", "--all", path("a")},
        {"export", file, "--lang", "de", "--all", path("a")},
        {"export", "--all", path("a")},  // no hull file
    };
    for (const auto& args : wrong) {
        const CliRun r = run(args);
        EXPECT_EQ(r.status, 2) << args.back();
        EXPECT_NE(r.err.find("Usage: export"), std::string::npos) << r.err;
        EXPECT_TRUE(r.out.empty());
    }
    EXPECT_FALSE(exists(path("a")));
    EXPECT_FALSE(exists(path("v")));
}

TEST_F(ExportCli, UnreadableHullOrFolderIsAFailureNamingIt) {
    CliRun r = run({"export", path("nothing.D50"), "--all", path("a")});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "voriel-cli: " + path("nothing.D50") + ": No such file or directory\n");
    const std::string file = design("junk");
    std::ofstream(path("taken")) << "a file where the folder should go";
    r = run({"export", file, "--all", path("taken")});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find(path("taken")), std::string::npos) << r.err;
    EXPECT_EQ(Slurp(path("taken")), "a file where the folder should go");
}

TEST_F(ExportCli, TheHullFileIsNeverOverwritten) {
    const std::string file = design("proa");
    const std::string before = Slurp(file);
    ASSERT_EQ(mkdir(path("sub").c_str(), 0755), 0);
    // The same file reached by another spelling of its path.
    const CliRun r =
        run({"export", file, "--lines-dxf", path("sub/../proa.D50"), "--vrml", path("proa.WRL")});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "voriel-cli: " + path("sub/../proa.D50") +
                         ": this is the hull file being exported; it is not overwritten\n");
    EXPECT_EQ(Slurp(file), before);
    EXPECT_FALSE(exists(path("proa.WRL")));  // refused before anything was written
}

}  // namespace
}  // namespace voriel
