// voriel-cli hydro and mass, run as a user runs them on a hull file written by voriel-cli design.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "cli/cli_run.h"

namespace {

using voriel::test::CliRun;
using voriel::test::CliTest;

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
        // hydro and mass print for a person unless asked for JSON.
        if (args[0] == "hydro" || args[0] == "mass") args.push_back("--json");
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

void expectHydroShape(const nlohmann::json& d) {
    for (const char* key : {"WaterZ", "WaterX", "WaterHalfBreadth", "SectionArea"})
        EXPECT_EQ(d[key].size(), 83u) << key;
    EXPECT_EQ(d["buoyancy"].size(), 3u);
    for (const char* key : {"volume", "z", "pitchDeg", "waterplaneArea", "TotalMass"})
        EXPECT_TRUE(d[key].is_number()) << key;
    EXPECT_TRUE(d["message"].is_string());
    EXPECT_TRUE(d["results"].is_string());
    expectAllFinite(d, "hydro");
}

TEST_F(HydroCliTest, WaterlineModeFloatsTheHullAtTheHeightTyped) {
    const auto d = json({"hydro", boat_, "--waterline", "0,1"});
    expectHydroShape(d);
    EXPECT_EQ(d["z"], 0.1);
    EXPECT_EQ(d["pitchDeg"], 0.0);
    EXPECT_EQ(d["level"], 1);
    EXPECT_EQ(d["message"], "Le bouchain 1 est immergé");
    const std::string results = d["results"];
    EXPECT_EQ(results.rfind("Surface du plan de flottaison  = ", 0), 0u) << results;
    EXPECT_NE(results.find("\nCentre de déplacement :\nX= "), std::string::npos);
    EXPECT_GT(d["volume"].get<double>(), 0.0);
    EXPECT_DOUBLE_EQ(d["TotalMass"].get<double>(), d["volume"].get<double>() * 1000);
    for (const auto& z : d["WaterZ"]) EXPECT_EQ(z, 0.1);
}

TEST_F(HydroCliTest, EnglishTextsAndPitchWithADecimalComma) {
    const auto d = json({"hydro", boat_, "--lang", "en", "--waterline", "0.1", "--pitch", "0,5"});
    EXPECT_EQ(d["message"], "Chine 1 is immersed");
    EXPECT_EQ(std::string(d["results"]).rfind("Waterline plane area  = ", 0), 0u);
    EXPECT_NEAR(d["pitchDeg"].get<double>(), 0.5, 1e-12);
    EXPECT_GT(d["WaterZ"][82].get<double>(), d["WaterZ"][0].get<double>());
}

TEST_F(HydroCliTest, DisplacementModeFindsBackTheWaterlineOfTheVolume) {
    const auto wet = json({"hydro", boat_, "--waterline", "0.123"});
    const double volume = wet["volume"];
    const auto d = json({"hydro", boat_, "--displacement", nlohmann::json(volume).dump()});
    expectHydroShape(d);
    EXPECT_NEAR(d["z"].get<double>(), 0.123, 0.001);
    EXPECT_NEAR(d["volume"].get<double>(), volume, 0.0001);
    EXPECT_EQ(d["pitchDeg"], 0.0);
}

TEST_F(HydroCliTest, MassCentreTrimsTheHullOverIt) {
    const auto d =
        json({"hydro", boat_, "--displacement", "0,8", "--mass-centre", "2,4", "--lang", "en"});
    expectHydroShape(d);
    EXPECT_NEAR(d["buoyancy"][0].get<double>(), 2.4, 0.002 * 6);
    EXPECT_LT(d["pitchDeg"].get<double>(), 0.0);
}

TEST_F(HydroCliTest, FarTooHeavyABoatSinks) {
    const auto d = json({"hydro", boat_, "--displacement", "500"});
    EXPECT_EQ(d["level"], 5);
    EXPECT_EQ(d["message"], "ATTENTION : déplacement trop élevé, le bateau coule !");
    EXPECT_EQ(d["results"], "  ");
    expectAllFinite(d, "sinking");
}

TEST_F(HydroCliTest, WrongUsageShowsTheUsageAndBadEntriesNameTheirOption) {
    CliRun r = run({"hydro", boat_});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("--waterline"), std::string::npos);
    EXPECT_NE(r.err.find("Usage:"), std::string::npos);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(run({"hydro", boat_, "--waterline", "1", "--lang", "de"}).status, 2);
    EXPECT_EQ(run({"hydro", boat_, "--waterline", "1", "--mass-centre", "2"}).status, 2);
    r = run({"hydro", boat_, "--displacement", "1", "--mass-centre", "2.4m"});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("--mass-centre takes a number, not \"2.4m\""), std::string::npos);

    r = run({"hydro", boat_, "--displacement", "1", "--pitch", "1e999"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "voriel-cli: " + boat_ + ": --pitch: Invalid value in Text3(0): \"1e999\"\n");
    EXPECT_EQ(r.out, "");
    r = run({"hydro", boat_, "--displacement", "1.7e308", "--waterline", "1,7e308"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "voriel-cli: " + boat_ +
                         ": Values too large: the computation gives no finite result\n");
    r = run({"hydro", path("missing.D50"), "--waterline", "1"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("missing.D50"), std::string::npos);
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1);
}

TEST_F(HydroCliTest, MassTableAfterComputeWithTheBoxesAsDisplayed) {
    const auto d = json(
        {"mass", boat_, "density.3=0,04", "mass.13=300", "x.13=2,4", "x.11=-1", "area.12=1,5"});
    ASSERT_EQ(d["rows"].size(), 19u);
    for (const auto& row : d["rows"])
        for (const char* key : {"density", "area", "mass", "x"}) EXPECT_TRUE(row[key].is_string());
    EXPECT_EQ(d["rows"][0]["density"], " ");
    EXPECT_EQ(d["rows"][3]["density"], "0.1");
    EXPECT_EQ(d["rows"][13]["mass"], "300.000");
    EXPECT_EQ(d["rows"][13]["x"], "2.400");
    EXPECT_EQ(d["rows"][13]["area"], " ");
    EXPECT_EQ(d["rows"][11]["x"], "0.000");
    EXPECT_EQ(d["rows"][12]["area"], "1.500");
    EXPECT_EQ(d["rows"][12]["density"], "0.0");  // bulkhead 2 has no density yet
    EXPECT_EQ(d["rows"][12]["mass"], " 0.00");
    // The total is the sum of the masses shown.
    double total = 0.0;
    for (int n = 1; n <= 18; ++n) total += std::stod(std::string(d["rows"][n]["mass"]));
    EXPECT_NEAR(d["TotalMass"].get<double>(), total, 1e-9);
    EXPECT_EQ(std::string(d["rows"][0]["mass"]).substr(0, 1), " ");
    EXPECT_FALSE(d.contains("hydro"));
    expectAllFinite(d, "mass");
}

TEST_F(HydroCliTest, MassFloatHandsTheTotalToTheHydrostatics) {
    const auto d = json({"mass", boat_, "mass.13=300", "x.13=2.4", "--float", "--lang", "en"});
    ASSERT_TRUE(d.contains("hydro"));
    const auto& h = d["hydro"];
    expectHydroShape(h);
    const double displacement = std::round(d["TotalMass"].get<double>()) / 1000;
    EXPECT_NEAR(h["volume"].get<double>(), displacement, 0.0006);
    EXPECT_NEAR(h["buoyancy"][0].get<double>(), d["MassCentreX"].get<double>(), 0.002 * 6);
    EXPECT_EQ(h["level"], 1);
    EXPECT_EQ(h["message"], "Chine 1 is immersed");
    expectAllFinite(d, "mass --float");
}

TEST_F(HydroCliTest, MassRefusesUnknownRowsAndEntriesThatAreNotNumbers) {
    CliRun r = run({"mass", boat_, "mass.12=3"});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("unknown name \"mass.12\"; valid names: density.1"), std::string::npos);
    EXPECT_NE(r.err.find("mass.18"), std::string::npos);
    EXPECT_EQ(run({"mass", boat_, "density.1"}).status, 2);
    r = run({"mass", boat_, "density.2=1e999"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err,
              "voriel-cli: " + boat_ + ": density.2: Invalid value in Text1(2): \"1e999\"\n");
    EXPECT_EQ(r.out, "");
}

TEST_F(HydroCliTest, DumpCarriesTheMassAreas) {
    const auto d = json({"dump", boat_});
    const auto& m = d["mass"];
    for (const char* key : {"PlateArea", "PlateCentreX", "DeckArea", "DeckCentreX"})
        EXPECT_EQ(m[key].size(), 4u) << key;
    for (const char* key : {"TransomArea", "TransomCentreX", "BowPlateArea", "BowPlateCentreX"})
        EXPECT_TRUE(m[key].is_number()) << key;
    expectAllFinite(m, "dump mass");
    // The table shows the same areas.
    const auto table = json({"mass", boat_});
    char shown[32];
    std::snprintf(shown, sizeof shown, "%.3f", m["PlateArea"][0].get<double>());
    EXPECT_EQ(table["rows"][1]["area"], shown);
    std::snprintf(shown, sizeof shown, "%.3f", m["TransomArea"].get<double>());
    EXPECT_EQ(table["rows"][5]["area"], shown);
}

const char* const kExactNames[] = {"volume",
                                   "displacementFresh",
                                   "displacementSea",
                                   "waterlineLength",
                                   "waterlineBeam",
                                   "draft",
                                   "buoyancy",
                                   "waterplaneArea",
                                   "LCF",
                                   "KB",
                                   "BMt",
                                   "BMl",
                                   "KMt",
                                   "KMl",
                                   "Cb",
                                   "Cp",
                                   "Cm",
                                   "Cwp",
                                   "wettedSurface"};

TEST_F(HydroCliTest, JsonAddsTheExactFiguresOfTheSameCondition) {
    const auto wl = json({"hydro", boat_, "--waterline", "0.1"});
    const auto& e = wl["exact"];
    for (const char* name : kExactNames) EXPECT_TRUE(e.contains(name)) << name;
    EXPECT_EQ(e["buoyancy"].size(), 3u);
    EXPECT_EQ(e["status"], "afloat");
    EXPECT_EQ(e["z"], 0.1);
    // The window's chords and cut ends read low.
    EXPECT_GT(e["volume"].get<double>(), wl["volume"].get<double>());
    expectAllFinite(wl, "exact");

    // Displacement mode, trimmed over the centre of gravity: the exact search floats the same
    // volume with the centre of buoyancy above it.
    const auto d = json({"hydro", boat_, "--displacement", "0,8", "--mass-centre", "2,4"});
    EXPECT_NEAR(d["exact"]["volume"].get<double>(), 0.8, 1e-8);
    EXPECT_NEAR(d["exact"]["buoyancy"][0].get<double>(), 2.4, 1e-5);
    EXPECT_EQ(json({"hydro", boat_, "--displacement", "500"})["exact"]["status"], "submerged");
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
