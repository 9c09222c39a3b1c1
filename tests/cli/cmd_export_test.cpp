// voriel-cli export, run as a user runs it: which files it writes, where, and how it refuses.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "cli/cli_run.h"
#include "support/temp_dir.h"
#include "support/test_data.h"

namespace voriel {
namespace {

using test::CliRun;
using test::Slurp;
using test::TestData;

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

    static bool startsWith(const std::string& text, const std::string& start) {
        return text.compare(0, start.size(), start) == 0;
    }
};

// The golden copy of a file that export --all wrote for a golden hull, as
// scripts/update-golden.sh files it.
std::string goldenCopy(const std::string& hull, const std::string& file, const std::string& stage,
                       const std::string& lang) {
    const std::string stem = file.substr(0, file.rfind('.')), ext = file.substr(file.rfind('.'));
    if (file == hull + ".XYZ") return "golden/lines_xyz/" + stem + "." + lang + ext;
    if (file == hull + ".DXF") return "golden/lines_dxf/" + file;
    if (file == hull + ".WRL") return "golden/vrml/" + file;
    if (file.rfind(hull + "_STAT_", 0) == 0) return "golden/station_dxf/" + file;
    return std::string(ext == ".DXF" ? "golden/development_dxf/" : "golden/development_xyz/") +
           stem + ".stage" + stage + ext;
}

// --all writes every file of the Save menu in the menu's order under its proposed name, with the
// stage and the language asked for: the golden files.
TEST_F(ExportCli, AllWritesTheGoldenFilesOfTheStageAndLanguage) {
    const struct {
        const char* hull;
        const char* stage;
        const char* lang;
        std::vector<std::string> files;
    } cases[] = {
        {"pram",
         "0",
         "en",
         {"pram.XYZ", "pram.DXF", "pram_P0.XYZ", "pram_D1.XYZ", "pram_PLANK.DXF", "pram_DECK.DXF",
          "pram_STAT_41.DXF", "pram.WRL"}},
        {"steep",
         "1",
         "fr",
         {"steep.XYZ", "steep.DXF", "steep_P0.XYZ", "steep_P1.XYZ", "steep_P2.XYZ", "steep_P3.XYZ",
          "steep_D1.XYZ", "steep_D2.XYZ", "steep_D3.XYZ", "steep_D4.XYZ", "steep_TR.XYZ",
          "steep_PLANK.DXF", "steep_DECK.DXF", "steep_STAT_41.DXF", "steep.WRL"}},
    };
    for (const auto& c : cases) {
        const std::string folder = path(std::string(c.hull) + "/nested");
        const CliRun r = run({"export", TestData("golden/d50/" + std::string(c.hull) + ".D50"),
                              "--all", folder, "--stage", c.stage, "--lang", c.lang});
        ASSERT_EQ(r.status, 0) << r.err;
        std::vector<std::string> expected;
        for (const std::string& f : c.files) {
            expected.push_back(folder + "/" + f);
            EXPECT_TRUE(Slurp(folder + "/" + f) ==
                        Slurp(TestData(goldenCopy(c.hull, f, c.stage, c.lang))))
                << f << " differs from its golden copy";
        }
        EXPECT_EQ(test::OutputLines(r.out), expected);
    }
}

TEST_F(ExportCli, EachOptionWritesWhatItsMenuCommandWrites) {
    const std::string file = design("yawl");
    const CliRun r = run({"export", file, "--lang", "en", "--lines-xyz", path("l.xyz"), "--dev-dxf",
                          dir_, "--station", "2,57", "--station-dxf", path("s.dxf")});
    ASSERT_EQ(r.status, 0) << r.err;
    // The lines file renames the hull "l" before the development files are proposed.
    EXPECT_EQ(test::OutputLines(r.out),
              (std::vector<std::string>{path("l.xyz"), path("l_PLANK.DXF"), path("l_DECK.DXF"),
                                        path("s.dxf")}));
    EXPECT_TRUE(startsWith(Slurp(path("l.xyz")), "l\tVoriel 2000\r\nLINE \t Keel\r\n"));
    EXPECT_TRUE(startsWith(Slurp(path("l_PLANK.DXF")), "999\r\nl - Planks  - development"));
    EXPECT_TRUE(startsWith(Slurp(path("s.dxf")), "999\r\nstation  35\r\n"));
    EXPECT_FALSE(test::Exists(path("yawl.WRL")));
}

// Every target is checked before the first file is written: a refused one writes nothing at
// all, and leaves no folder that --all created.
TEST_F(ExportCli, ARefusedTargetIsFoundBeforeAnyFileIsWritten) {
    const std::string file = design("ketch");
    ASSERT_EQ(mkfifo(path("pipe.WRL").c_str(), 0644), 0);
    ASSERT_EQ(mkdir(path("folder.DXF").c_str(), 0755), 0);
    ASSERT_EQ(mkdir(path("sub").c_str(), 0755), 0);
    std::ofstream(path("taken")) << "a file where the folder should go";
    const std::string hullFile = Slurp(file);
    struct Case {
        std::vector<std::string> options;
        std::string error;  // after "voriel-cli: "
    };
    const std::vector<Case> cases = {
        {{"--lines-dxf", path("ok.DXF"), "--vrml", path("missing/x.WRL")},
         path("missing/x.WRL") + ": No such file or directory"},
        // The development folders are not created: the first file names the problem.
        {{"--lines-dxf", path("ok.DXF"), "--dev-xyz", path("x")},
         path("x/ok_P0.XYZ") + ": No such file or directory"},
        {{"--lines-xyz", path("ok.XYZ"), "--vrml", path("pipe.WRL")},
         path("pipe.WRL") + ": this is not a regular file"},
        {{"--vrml", path("ok.WRL"), "--lines-dxf", path("folder.DXF")},
         path("folder.DXF") + ": Is a directory"},
        // The hull file, reached by another spelling of its path.
        {{"--vrml", path("ok.WRL"), "--lines-dxf", path("sub/../ketch.D50")},
         path("sub/../ketch.D50") +
             ": this is the hull file being exported; it is not overwritten"},
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
    EXPECT_EQ(Slurp(file), hullFile);
}

// --all creates its folder first, so a station file named inside it is written with the rest.
TEST_F(ExportCli, AllCreatesItsFolderBeforeTheTargetsAreChecked) {
    const std::string file = design("skiff");
    const CliRun r = run({"export", file, "--all", path("saved"), "--station", "3", "--station-dxf",
                          path("saved/station.DXF")});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto written = test::OutputLines(r.out);
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
    const auto written = test::OutputLines(r.out);
    ASSERT_EQ(written.size(), 9u) << r.err;
    std::string list;
    for (const std::string& w : written) list += (list.empty() ? "" : ", ") + w;
    EXPECT_EQ(r.err, "voriel-cli: " + path("x/dory_PLANK.DXF") +
                         ": File too large; already written: " + list + "\n");
    EXPECT_FALSE(test::Exists(path("x/dory_PLANK.DXF")));
    EXPECT_FALSE(test::Exists(path("x/dory_DECK.DXF")));
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
    EXPECT_FALSE(test::Exists(path("a")));
    EXPECT_FALSE(test::Exists(path("v")));
    const CliRun missing = run({"export", path("nothing.D50"), "--all", path("a")});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "voriel-cli: " + path("nothing.D50") + ": No such file or directory\n");
}

}  // namespace
}  // namespace voriel
