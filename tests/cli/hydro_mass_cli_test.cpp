// voriel-cli hydro and mass, run as a user runs them on a hull file written by voriel-cli design:
// each option reaches the computation, the JSON shape, the text for a person, the refusals.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "cli/cli_run.h"

namespace {

using voriel::test::CliRun;
using voriel::test::CliTest;
using voriel::test::kExactFigureNames;

class HydroCliTest : public CliTest {
protected:
    void SetUp() override {
        CliTest::SetUp();
        const CliRun r = run({"design", "-o", path("boat.D50")});
        ASSERT_EQ(r.status, 0) << r.err;
        boat_ = path("boat.D50");
    }
    // Runs a command that must succeed and returns its JSON.
    nlohmann::json json(std::vector<std::string> args) const {
        args.push_back("--json");
        const CliRun r = run(args);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.err, "");
        return nlohmann::json::parse(r.out);
    }
    std::string boat_;
};

// Every number of a JSON value, arrays and objects walked through; null (a non-finite double) is
// not a number and fails.
void expectAllFinite(const nlohmann::json& j, const std::string& where) {
    if (j.is_array() || j.is_object()) {
        for (const auto& item : j) expectAllFinite(item, where);
    } else if (!j.is_string() && !j.is_boolean()) {
        ASSERT_TRUE(j.is_number()) << where << ": " << j.dump();
        EXPECT_TRUE(std::isfinite(j.get<double>())) << where;
    }
}

// The window's results; hydro adds the exact figures under "exact".
void expectHydroShape(const nlohmann::json& d, const std::string& where) {
    for (const char* key : {"WaterZ", "WaterX", "WaterHalfBreadth", "SectionArea"})
        EXPECT_EQ(d[key].size(), 83u) << where << " " << key;
    EXPECT_EQ(d["buoyancy"].size(), 3u);
    for (const char* key : {"volume", "z", "pitchDeg", "waterplaneArea", "TotalMass"})
        EXPECT_TRUE(d[key].is_number()) << where << " " << key;
    EXPECT_TRUE(d["message"].is_string());
    EXPECT_TRUE(d["results"].is_string());
    expectAllFinite(d, where);
}

// Each option of hydro, its text read as the window's box reads it, reaches the computation.
TEST_F(HydroCliTest, EachOptionReachesTheHydrostatics) {
    auto d = json({"hydro", boat_, "--waterline", "0,1"});
    expectHydroShape(d, "waterline");
    EXPECT_EQ(d["z"], 0.1);
    EXPECT_EQ(d["message"], "Le bouchain 1 est immergé");
    EXPECT_EQ(std::string(d["results"]).rfind("Surface du plan de flottaison  = ", 0), 0u);
    EXPECT_EQ(d["exact"]["status"], "afloat");
    for (const char* name : kExactFigureNames) EXPECT_TRUE(d["exact"].contains(name)) << name;

    d = json({"hydro", boat_, "--lang", "en", "--waterline", "0.1", "--pitch", "0,5"});
    EXPECT_EQ(d["message"], "Chine 1 is immersed");
    EXPECT_NEAR(d["pitchDeg"].get<double>(), 0.5, 1e-12);

    d = json({"hydro", boat_, "--displacement", "0,8", "--mass-centre", "2,4", "--lang", "en"});
    expectHydroShape(d, "displacement");
    EXPECT_NEAR(d["volume"].get<double>(), 0.8, 0.0001);
    EXPECT_NEAR(d["buoyancy"][0].get<double>(), 2.4, 0.002 * 6);
    EXPECT_NEAR(d["exact"]["volume"].get<double>(), 0.8, 1e-8);

    d = json({"hydro", boat_, "--displacement", "500"});
    EXPECT_EQ(d["level"], 5);
    EXPECT_EQ(d["message"], "ATTENTION : déplacement trop élevé, le bateau coule !");
    EXPECT_EQ(d["exact"]["status"], "submerged");
    expectAllFinite(d, "sinking");
}

TEST_F(HydroCliTest, WrongUsageShowsTheUsageAndBadEntriesNameTheirOption) {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"hydro", boat_},
          {"hydro", boat_, "--waterline", "1", "--lang", "de"},
          {"hydro", boat_, "--waterline", "1", "--mass-centre", "2"},
          {"hydro", boat_, "--displacement", "1", "--mass-centre", "2.4m"},
          {"mass", boat_, "mass.12=3"},
          {"mass", boat_, "density.1"}}) {
        const CliRun r = run(args);
        EXPECT_EQ(r.status, 2) << args.back();
        EXPECT_NE(r.err.find("Usage:"), std::string::npos) << r.err;
        EXPECT_EQ(r.out, "");
    }
    EXPECT_NE(run({"hydro", boat_, "--displacement", "1", "--mass-centre", "2.4m"})
                  .err.find("--mass-centre takes a number, not \"2.4m\""),
              std::string::npos);
    EXPECT_NE(run({"mass", boat_, "mass.12=3"})
                  .err.find("unknown name \"mass.12\"; valid names: density.1"),
              std::string::npos);
}

// Entries the computation refuses: one line naming the file and the box, exit status 1.
TEST_F(HydroCliTest, RefusedEntriesFailInOneLine) {
    const struct {
        std::vector<std::string> args;
        std::string err;  // after "voriel-cli: FILE: "
    } cases[] = {
        {{"hydro", boat_, "--displacement", "1", "--pitch", "1e999"},
         "--pitch: Invalid value in Text3(0): \"1e999\""},
        {{"hydro", boat_, "--displacement", "1.7e308", "--waterline", "1,7e308"},
         "Values too large: the computation gives no finite result"},
        {{"mass", boat_, "density.2=1e999"}, "density.2: Invalid value in Text1(2): \"1e999\""},
        // A row that would show " Inf." and drop out of the total.
        {{"mass", boat_, "--float", "density.1=1e308"},
         "Values too large: the totals are not finite numbers"},
        {{"mass", boat_, "--float", "mass.13=1e308", "x.13=5"},
         "Values too large: the totals are not finite numbers"},
    };
    for (const auto& c : cases) {
        const CliRun r = run(c.args);
        EXPECT_EQ(r.status, 1) << c.err;
        EXPECT_EQ(r.err, "voriel-cli: " + boat_ + ": " + c.err + "\n");
        EXPECT_EQ(r.out, "");
    }
    const CliRun missing = run({"hydro", path("missing.D50"), "--waterline", "1"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "voriel-cli: " + path("missing.D50") + ": No such file or directory\n");
}

// ROW=TEXT entries reach their boxes; the table shows texts; --float hands the total over.
TEST_F(HydroCliTest, MassEntriesReachTheirRowsAndFloatHandsTheTotalOver) {
    const auto d = json(
        {"mass", boat_, "density.3=0,04", "mass.13=300", "x.13=2,4", "x.11=-1", "area.12=1,5"});
    ASSERT_EQ(d["rows"].size(), 19u);
    for (const auto& row : d["rows"])
        for (const char* key : {"density", "area", "mass", "x"}) EXPECT_TRUE(row[key].is_string());
    EXPECT_EQ(d["rows"][3]["density"], "0.1");
    EXPECT_EQ(d["rows"][13]["mass"], "300.000");
    EXPECT_EQ(d["rows"][13]["x"], "2.400");
    EXPECT_EQ(d["rows"][11]["x"], "0.000");
    EXPECT_EQ(d["rows"][12]["area"], "1.500");
    EXPECT_FALSE(d.contains("hydro"));
    expectAllFinite(d, "mass");

    const auto f = json({"mass", boat_, "mass.13=300", "x.13=2.4", "--float", "--lang", "en"});
    ASSERT_TRUE(f.contains("hydro"));
    expectHydroShape(f["hydro"], "mass --float");
    EXPECT_NEAR(f["hydro"]["volume"].get<double>(), std::round(f["TotalMass"].get<double>()) / 1000,
                0.0006);
    EXPECT_EQ(f["hydro"]["message"], "Chine 1 is immersed");
}

TEST_F(HydroCliTest, PeopleGetTheWindowsTextsThenTheExactTable) {
    CliRun r = run({"hydro", boat_, "--waterline", "0,1", "--lang", "en"});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string& out = r.out;
    EXPECT_EQ(out.rfind("Displacement (m3)  ", 0), 0u) << out;
    const auto diagnosis = out.find("Chine 1 is immersed\nWaterline plane area  = ");
    const auto exact = out.find("\nExact figures (true hull surface):\n");
    ASSERT_NE(diagnosis, std::string::npos);
    ASSERT_NE(exact, std::string::npos);
    EXPECT_LT(diagnosis, exact);
    EXPECT_NE(out.find("  Wetted surface "), std::string::npos);

    r = run({"mass", boat_});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 20);  // headings, 18 rows, total
    EXPECT_NE(r.out.find("\nTotal "), std::string::npos);
    EXPECT_NE(r.out.find("Premier bordé"), std::string::npos);
    r = run({"mass", boat_, "--float", "--lang", "en"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("\nEquipment 3 "), std::string::npos);
    EXPECT_NE(r.out.find("Exact figures (true hull surface):"), std::string::npos);
}

}  // namespace
