// voriel-cli export, run as a user runs it: which files it writes, where, and how it refuses.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "cli/cli_run.h"
#include "support/temp_dir.h"

namespace voriel {
namespace {

using test::CliRun;
using test::Exists;
using test::OutputLines;
using test::Slurp;
using test::TempDir;
using test::TestData;

using ExportCli = test::CliTest;

// --all writes every file of the Save menu in the menu's order under its proposed name; the lines
// table shows the language asked for and the plank DXF the stage (the other files' bytes are
// GoldenExport's).
TEST_F(ExportCli, AllWritesEveryFileOfTheStageAndLanguage) {
    const struct {
        std::string hull, stage, lang;
        std::vector<std::string> files;  // after the hull's name
    } cases[] = {
        {"pram",
         "0",
         "en",
         {".XYZ", ".DXF", "_P0.XYZ", "_D1.XYZ", "_PLANK.DXF", "_DECK.DXF", "_STAT_41.DXF", ".WRL"}},
        {"steep",
         "1",
         "fr",
         {".XYZ", ".DXF", "_P0.XYZ", "_P1.XYZ", "_P2.XYZ", "_P3.XYZ", "_D1.XYZ", "_D2.XYZ",
          "_D3.XYZ", "_D4.XYZ", "_TR.XYZ", "_PLANK.DXF", "_DECK.DXF", "_STAT_41.DXF", ".WRL"}},
    };
    for (const auto& c : cases) {
        const std::string folder = path(c.hull + "/nested"), in = folder + "/" + c.hull;
        const std::string written = out({"export", TestData("golden/d50/" + c.hull + ".D50"),
                                         "--all", folder, "--stage", c.stage, "--lang", c.lang});
        std::vector<std::string> expected;
        for (const std::string& end : c.files) expected.push_back(in + end);
        EXPECT_EQ(OutputLines(written), expected);
        EXPECT_TRUE(Slurp(in + ".XYZ") ==
                    Slurp(TestData("golden/lines_xyz/" + c.hull + "." + c.lang + ".XYZ")));
        EXPECT_TRUE(Slurp(in + "_PLANK.DXF") == Slurp(TestData("golden/development_dxf/" + c.hull +
                                                               "_PLANK.stage" + c.stage + ".DXF")));
    }
}

TEST_F(ExportCli, EachOptionWritesWhatItsMenuCommandWrites) {
    // The lines file renames the hull "l" before the development files are proposed.
    EXPECT_EQ(
        OutputLines(out({"export", test::BoatFile(), "--lang", "en", "--lines-xyz", path("l.xyz"),
                         "--dev-dxf", dir_, "--station", "2,57", "--station-dxf", path("s.dxf")})),
        (std::vector<std::string>{path("l.xyz"), path("l_PLANK.DXF"), path("l_DECK.DXF"),
                                  path("s.dxf")}));
    EXPECT_EQ(Slurp(path("l.xyz")).rfind("l\tVoriel 2000\r\nLINE \t Keel\r\n", 0), 0u);
    EXPECT_EQ(Slurp(path("l_PLANK.DXF")).rfind("999\r\nl - Planks  - development", 0), 0u);
    EXPECT_EQ(Slurp(path("s.dxf")).rfind("999\r\nstation  35\r\n", 0), 0u);
    EXPECT_EQ(TempDir::List(dir_).size(), 6u);  // and out and err: nothing else

    // --all creates its folder first, so a station file named inside it is written with the rest.
    const auto written =
        OutputLines(out({"export", test::BoatFile(), "--all", path("saved"), "--station", "3",
                         "--station-dxf", path("saved/station.DXF")}));
    ASSERT_EQ(written.size(), 16u);  // 15 files of a pointed bow, and the station named
    EXPECT_EQ(written.front(), path("saved/station.DXF"));
    EXPECT_EQ(TempDir::List(path("saved")).size(), 16u);
    EXPECT_EQ(Slurp(path("saved/station.DXF")).rfind("999\r\nstation  41\r\n", 0), 0u);
}

// A failure once the targets are checked (a full disk, here a file size limit) stops the writing
// and names the files already written.
TEST_F(ExportCli, AFailureWhileWritingNamesTheFilesAlreadyWritten) {
    ASSERT_EQ(mkdir(path("x").c_str(), 0755), 0);
    // The nine tables are a few kilobytes, the plank DXF far more than the 20 kB allowed.
    const CliRun r =
        run({"export", test::BoatFile(), "--dev-xyz", path("x"), "--dev-dxf", path("x")},
            "trap '' XFSZ; ulimit -f 40; ");
    EXPECT_EQ(r.status, 1);
    const auto written = OutputLines(r.out);
    ASSERT_EQ(written.size(), 9u) << r.err;
    std::string list;
    for (const std::string& w : written) list += (list.empty() ? "" : ", ") + w;
    EXPECT_EQ(r.err, "voriel-cli: " + path("x/boat_PLANK.DXF") +
                         ": File too large; already written: " + list + "\n");
    EXPECT_FALSE(Exists(path("x/boat_PLANK.DXF")));
    EXPECT_FALSE(Exists(path("x/boat_DECK.DXF")));
}

}  // namespace
}  // namespace voriel
