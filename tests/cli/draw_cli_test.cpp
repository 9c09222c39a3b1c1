// voriel-cli draw: the golden drawings of the default hull and the actions in command-line order
// (the refusals are in golden/cli/refusals.txt).
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "cli/cli_run.h"

namespace {

using voriel::test::BoatFile;
using voriel::test::CliRun;
using voriel::test::Slurp;
using voriel::test::TestData;

class DrawCliTest : public voriel::test::CliTest {
protected:
    // The recording of voriel-cli draw on the default hull, which must succeed.
    std::string draw(std::vector<std::string> args) const {
        args.insert(args.begin(), {"draw", BoatFile()});
        const CliRun r = run(args);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.err, "");
        return r.out;
    }
};

TEST_F(DrawCliTest, TheDefaultHullDrawsAsItsGoldenRecordings) {
    std::ifstream cases(TestData("golden/drawing/cases.txt"));
    int compared = 0;
    for (std::string line; std::getline(cases, line);) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream words(line);
        std::string name;
        std::vector<std::string> args;
        words >> name;
        for (std::string a; words >> a;) args.push_back(a);
        const std::string golden = Slurp(TestData("golden/drawing/" + name + ".txt"));
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
    // The stage and the size of the sheet.
    EXPECT_LT(draw({"--stage", "0"}).size(), base.size());
    EXPECT_EQ(draw({"--stage", "1", "--size", "13800,7000"}), base);
    EXPECT_NE(draw({"--size", "27600,7000"}).find("\nline 27500 "), std::string::npos);
}

}  // namespace
