// voriel-cli hydro, mass, curves and stability: each option reaches the computation, the shapes
// of the JSON (the texts and CSV are golden/texts, the refusals golden/cli/refusals.txt).
#include <gtest/gtest.h>

#include <cmath>

#include "cli/cli_run.h"

namespace {

using voriel::test::ExactFigureNames;

class HydroCliTest : public voriel::test::CliTest {
protected:
    const std::string boat_ = voriel::test::BoatFile();
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
    EXPECT_TRUE(d["message"].is_string() && d["results"].is_string()) << where;
    expectAllFinite(d, where);
}

// Each option of hydro, its text read as the window's box reads it, reaches the computation.
TEST_F(HydroCliTest, EachOptionReachesTheHydrostatics) {
    auto d = json({"hydro", boat_, "--waterline", "0,1", "--json"});
    expectHydroShape(d, "waterline");
    EXPECT_EQ(d["z"], 0.1);
    EXPECT_EQ(d["message"], "Le bouchain 1 est immergé");
    EXPECT_EQ(std::string(d["results"]).rfind("Surface du plan de flottaison  = ", 0), 0u);
    EXPECT_EQ(d["exact"]["status"], "afloat");
    for (const std::string& name : ExactFigureNames())
        EXPECT_TRUE(d["exact"].contains(name)) << name;

    d = json({"hydro", boat_, "--lang", "en", "--waterline", "0.1", "--pitch", "0,5", "--json"});
    EXPECT_EQ(d["message"], "Chine 1 is immersed");
    EXPECT_NEAR(d["pitchDeg"].get<double>(), 0.5, 1e-12);

    d = json({"hydro", boat_, "--displacement", "0,8", "--mass-centre", "2,4", "--json"});
    expectHydroShape(d, "displacement");
    EXPECT_NEAR(d["volume"].get<double>(), 0.8, 0.0001);
    EXPECT_NEAR(d["buoyancy"][0].get<double>(), 2.4, 0.002 * 6);
    EXPECT_NEAR(d["exact"]["volume"].get<double>(), 0.8, 1e-8);

    d = json({"hydro", boat_, "--displacement", "500", "--json"});
    EXPECT_EQ(d["level"], 5);
    EXPECT_EQ(d["message"], "ATTENTION : déplacement trop élevé, le bateau coule !");
    EXPECT_EQ(d["exact"]["status"], "submerged");
    expectAllFinite(d, "sinking");
}

// ROW=TEXT entries reach their boxes; the table shows texts; --float hands the total over.
TEST_F(HydroCliTest, MassEntriesReachTheirRowsAndFloatHandsTheTotalOver) {
    const auto d = json({"mass", boat_, "density.3=0,04", "mass.13=300", "x.13=2,4", "x.11=-1",
                         "area.12=1,5", "--json"});
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

    const auto f =
        json({"mass", boat_, "mass.13=300", "x.13=2.4", "--float", "--lang", "en", "--json"});
    ASSERT_TRUE(f.contains("hydro"));
    expectHydroShape(f["hydro"], "mass --float");
    EXPECT_NEAR(f["hydro"]["volume"].get<double>(), std::round(f["TotalMass"].get<double>()) / 1000,
                0.0006);
    EXPECT_EQ(f["hydro"]["message"], "Chine 1 is immersed");
}

TEST_F(HydroCliTest, CurvesGiveEveryFigureAtEachLevel) {
    const auto d = json({"curves", boat_, "--levels", "7", "--json"});
    ASSERT_EQ(d["levels"].size(), 7u);
    double previous = 0;
    for (const auto& level : d["levels"]) {
        for (const std::string& name : ExactFigureNames())
            EXPECT_TRUE(level.contains(name)) << name;
        for (const char* name : {"TPC", "MCT", "z"}) EXPECT_TRUE(level[name].is_number()) << name;
        EXPECT_EQ(level["status"], "afloat");
        EXPECT_GT(level["volume"].get<double>(), previous);
        previous = level["volume"];
    }
    EXPECT_NEAR(d["levels"][6]["z"].get<double>(), d["sheerZ"].get<double>(), 1e-12);
}

TEST_F(HydroCliTest, StabilityGivesKnAloneOrGzWithItsAnglesAndAreas) {
    const auto kn = json({"stability", boat_, "--displacement", "1,2", "--json"});
    ASSERT_EQ(kn["points"].size(), 19u);
    EXPECT_EQ(kn["points"][0]["KN"], 0.0);
    EXPECT_FALSE(kn.contains("GZ") || kn["points"][3].contains("GZ"));
    EXPECT_EQ(kn["points"][18]["heel"], 90.0);
    // K, the hull's lowest point, is where the curves of form measure the draft from.
    const auto level = json({"curves", boat_, "--levels", "1", "--json"})["levels"][0];
    EXPECT_NEAR(kn["keelZ"].get<double>(), level["z"].get<double>() - level["draft"].get<double>(),
                1e-12);

    const auto gz = json({"stability", boat_, "--displacement", "1.2", "--kg", "0.9", "--json"});
    for (const char* name : {"maxGZ", "angleOfMaxGZ", "area30", "area40", "KG", "vanishingAngle"})
        EXPECT_TRUE(gz[name].is_number()) << name;
    // --kg reaches the curve: GZ = KN - KG sin(heel), here at 30 degrees.
    EXPECT_EQ(gz["points"][6]["heel"], 30.0);
    EXPECT_NEAR(gz["points"][6]["GZ"].get<double>(), kn["points"][6]["KN"].get<double>() - 0.45,
                1e-9);
    const auto high = json({"stability", boat_, "--displacement", "1.2", "--kg", "50", "--json"});
    EXPECT_EQ(high["vanishingAngle"], 0.0);  // a very high KG: never stable
}

}  // namespace
