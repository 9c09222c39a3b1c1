// voriel-cli curves and stability: arguments, exit statuses and the shapes of JSON and CSV.
#include <gtest/gtest.h>

#include <cmath>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_run.h"

namespace {

using voriel::test::CliRun;
using voriel::test::CliTest;
using voriel::test::kExactFigureNames;
using voriel::test::OutputLines;

class ExactCliTest : public CliTest {
protected:
    void SetUp() override {
        CliTest::SetUp();
        ASSERT_EQ(run({"design", "-o", path("boat.D50")}).status, 0);
        boat_ = path("boat.D50");
    }
    nlohmann::json json(const std::vector<std::string>& args) const {
        const CliRun r = run(args);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.err, "");
        return nlohmann::json::parse(r.out);
    }
    std::string boat_;
};

TEST_F(ExactCliTest, CurvesGiveEveryFigureAtEachLevelInJsonCsvAndATable) {
    const auto d = json({"curves", boat_, "--levels", "7", "--json"});
    ASSERT_EQ(d["levels"].size(), 7u);
    double previous = 0;
    for (const auto& level : d["levels"]) {
        for (const char* name : kExactFigureNames) EXPECT_TRUE(level.contains(name)) << name;
        for (const char* name : {"TPC", "MCT", "z"}) EXPECT_TRUE(level[name].is_number()) << name;
        EXPECT_EQ(level["status"], "afloat");
        EXPECT_GT(level["volume"].get<double>(), previous);
        previous = level["volume"];
    }
    EXPECT_NEAR(d["levels"][6]["z"].get<double>(), d["sheerZ"].get<double>(), 1e-12);

    const CliRun csv = run({"curves", boat_, "--levels", "4", "--csv"});
    ASSERT_EQ(csv.status, 0) << csv.err;
    const auto rows = OutputLines(csv.out);
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[0].rfind("z,draft,volume,", 0), 0u);
    for (const auto& row : rows)
        EXPECT_EQ(std::count(row.begin(), row.end(), ','),
                  std::count(rows[0].begin(), rows[0].end(), ','));

    const CliRun table = run({"curves", boat_, "--levels", "3", "--lang", "en"});
    ASSERT_EQ(table.status, 0);
    EXPECT_EQ(OutputLines(table.out).size(), 5u);  // title, header, three levels
    EXPECT_EQ(table.out.rfind("Curves of form", 0), 0u);
}

TEST_F(ExactCliTest, StabilityGivesKnAloneOrGzWithItsAnglesAndAreas) {
    const auto kn = json({"stability", boat_, "--displacement", "1,2", "--json"});
    ASSERT_EQ(kn["points"].size(), 19u);
    EXPECT_EQ(kn["points"][0]["KN"], 0.0);
    EXPECT_FALSE(kn.contains("GZ") || kn["points"][3].contains("GZ"));
    EXPECT_EQ(kn["points"][18]["heel"], 90.0);

    const auto gz = json({"stability", boat_, "--displacement", "1.2", "--kg", "0.9", "--json"});
    for (const char* name : {"maxGZ", "angleOfMaxGZ", "area30", "area40", "KG"})
        EXPECT_TRUE(gz[name].is_number()) << name;
    EXPECT_TRUE(gz["vanishingAngle"].is_number());
    // --kg reaches the curve: GZ = KN - KG sin(heel), here at 30 degrees.
    EXPECT_EQ(gz["points"][6]["heel"], 30.0);
    EXPECT_NEAR(gz["points"][6]["GZ"].get<double>(), kn["points"][6]["KN"].get<double>() - 0.45,
                1e-9);
    // A very high KG: never stable.
    const auto high = json({"stability", boat_, "--displacement", "1.2", "--kg", "50", "--json"});
    EXPECT_EQ(high["vanishingAngle"], 0.0);

    const CliRun csv = run({"stability", boat_, "--displacement", "1.2", "--kg", "0.9", "--csv"});
    ASSERT_EQ(csv.status, 0);
    const auto rows = OutputLines(csv.out);
    ASSERT_EQ(rows.size(), 20u);
    EXPECT_EQ(rows[0], "heel,KN,GZ,deckImmersed");
}

TEST_F(ExactCliTest, WrongArgumentsAreUsageErrorsAndAnUnbearableLoadFails) {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"curves", boat_, "--levels", "0"},
          {"curves", boat_, "--levels", "many"},
          {"curves", boat_, "--json", "--csv"},
          {"stability", boat_},
          {"stability", boat_, "--displacement", "0"},
          {"stability", boat_, "--displacement", "-1"},
          {"stability", boat_, "--displacement", "2m3"},
          {"stability", boat_, "--displacement", "1", "--kg", "x"},
          {"stability", boat_, "--displacement", "1", "--json", "--csv"}}) {
        const CliRun r = run(args);
        EXPECT_EQ(r.status, 2) << args.back();
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find("Usage:"), std::string::npos);
    }
    CliRun r = run({"stability", boat_, "--displacement", "1000"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("sinks"), std::string::npos);
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1);
    r = run({"curves", path("missing.D50")});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
}

}  // namespace
