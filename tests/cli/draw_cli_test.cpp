// voriel-cli draw: the golden drawings of the default hull, the actions in command-line order and
// the refusals.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_run.h"

namespace {

using voriel::test::CliRun;
using voriel::test::CliTest;
using voriel::test::Slurp;

const std::string kBoat = voriel::test::TestData("golden/d50/boat.D50");

class DrawCliTest : public CliTest {
protected:
    // The recording of voriel-cli draw on the default hull, which must succeed.
    std::string draw(std::vector<std::string> args) const {
        args.insert(args.begin(), {"draw", kBoat});
        const CliRun r = run(args);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.err, "");
        return r.out;
    }
};

TEST_F(DrawCliTest, TheDefaultHullDrawsAsItsGoldenRecordings) {
    std::ifstream cases(voriel::test::TestData("golden/drawing/cases.txt"));
    ASSERT_TRUE(cases) << "no golden drawing cases";
    int compared = 0;
    for (std::string line; std::getline(cases, line);) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream words(line);
        std::string name;
        std::vector<std::string> args;
        words >> name;
        for (std::string a; words >> a;) args.push_back(a);
        const std::string golden = Slurp(voriel::test::TestData("golden/drawing/" + name + ".txt"));
        ASSERT_FALSE(golden.empty()) << name;
        // On a difference, scripts/update-golden.sh rewrites the file for review in git diff.
        EXPECT_TRUE(draw(args) == golden) << name << " differs from its golden recording";
        ++compared;
    }
    EXPECT_EQ(compared, 4);
}

TEST_F(DrawCliTest, ActionsRunInTheOrderGiven) {
    const std::string base = draw({});
    ASSERT_EQ(base.rfind("clear\n", 0), 0u);
    const std::string developed = draw({"--develop"});
    ASSERT_EQ(developed.rfind(base, 0), 0u);
    const std::string develop = developed.substr(base.size());
    EXPECT_NE(develop.find("pset"), std::string::npos);
    EXPECT_EQ(draw({"--develop", "--double-click"}), base + develop + "clear\n" + base);
    EXPECT_EQ(draw({"--double-click", "--develop"}), base + "clear\n" + base + develop);

    const std::string fwd = draw({"--station", "1"}).substr(base.size());
    const std::string aft = draw({"--station", "5"}).substr(base.size());
    EXPECT_NE(fwd, aft);
    EXPECT_EQ(draw({"--station", "1", "--develop", "--station=5"}), base + fwd + develop + aft);
}

TEST_F(DrawCliTest, StageAndSizeChangeTheSheet) {
    const std::string stage1 = draw({});
    const std::string stage0 = draw({"--stage", "0"});
    EXPECT_LT(stage0.size(), stage1.size());
    EXPECT_EQ(draw({"--stage", "1", "--size", "13800,7000"}), stage1);
    const std::string wide = draw({"--size", "27600,7000"});
    EXPECT_NE(wide, stage1);
    EXPECT_NE(wide.find("\nline 27500 "), std::string::npos);  // the X axis ends 100 twips short
}

TEST_F(DrawCliTest, BadArgumentsAreRefusedWithOneClearMessageAndNothingDrawn) {
    const std::string notHull = path("notes.D50");
    std::ofstream(notHull) << "not a hull\r\n";
    const struct {
        std::vector<std::string> args;
        int status;
        const char* says;
    } cases[] = {
        {{"draw", path("missing.D50")}, 1, "missing.D50"},
        {{"draw", notHull}, 1, "notes.D50"},
        {{"draw"}, 2, "FILE"},
        {{"draw", kBoat, "--stage", "2"}, 2, "--stage"},
        {{"draw", kBoat, "--size", "13800"}, 2, "--size"},
        {{"draw", kBoat, "--size", "500,7000"}, 2, "--size"},
        {{"draw", kBoat, "--size", "a,b"}, 2, "--size"},
        {{"draw", kBoat, "--zoom", "1,2,3"}, 2, "--zoom"},
        {{"draw", kBoat, "--zoom", "1e9,0,0,0"}, 2, "--zoom"},
        {{"draw", kBoat, "--pan", "1,2,3,x"}, 2, "--pan"},
        {{"draw", kBoat, "--pan", "1,2,3,4,5"}, 2, "--pan"},
        {{"draw", kBoat, "--stage", "0", "--station", "3"}, 2, "--station"},
        {{"draw", kBoat, "--waterline", "1e999"}, 1, "--waterline"},
    };
    for (const auto& c : cases) {
        const CliRun r = run(c.args);
        const std::string what = c.args.size() > 2 ? c.args[2] : c.args.back();
        EXPECT_EQ(r.status, c.status) << what;
        EXPECT_EQ(r.out, "") << what;
        EXPECT_EQ(r.err.rfind("voriel-cli: ", 0), 0u) << what;
        EXPECT_NE(r.err.find(c.says), std::string::npos) << what << ": " << r.err;
        if (c.status == 1) {
            EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << what;
        }
    }
}

}  // namespace
