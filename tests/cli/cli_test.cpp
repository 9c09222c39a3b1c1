// voriel-cli design and dump, run as a user runs them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <nlohmann/json.hpp>

#include "cli/cli_run.h"

namespace {

using voriel::test::CliRun;
using voriel::test::CliTest;
using voriel::test::Slurp;

TEST_F(CliTest, DesignPrintsTheDumpOfTheValidatedDefaultHull) {
    const CliRun r = run({"design", "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto d = nlohmann::json::parse(r.out);
    EXPECT_EQ(d["hullFileName"], "VORIEL2000");
    EXPECT_EQ(d["record"]["MaxBeamIndex"], 41);
    EXPECT_EQ(d["record"]["XFwd"].size(), 6u);
    EXPECT_EQ(d["record"]["PlaneZ0"].size(), 5u);
    EXPECT_EQ(d["record"]["LineColor"][3], 155 * 256);
    EXPECT_EQ(d["record"]["PanelDensity"].size(), 12u);
    for (const char* axis : {"X", "Y", "Z"}) {
        ASSERT_EQ(d["lines"][axis].size(), 5u);
        for (const auto& line : d["lines"][axis]) EXPECT_EQ(line.size(), 83u);
        ASSERT_EQ(d["bottomRulings"][axis].size(), 2u);
        for (const auto& row : d["bottomRulings"][axis]) EXPECT_EQ(row.size(), 84u);
    }
    // Doubles read back to the same double.
    EXPECT_EQ(d["record"]["XMax"][0].get<double>(),
              3.0 + 0.95 * std::tan(45 * 3.14159265359 / 180));
}

// Counts the nulls (non-finite numbers) anywhere in a JSON value.
int nulls(const nlohmann::json& j) {
    if (j.is_null()) return 1;
    int n = 0;
    if (j.is_structured())
        for (const auto& item : j) n += nulls(item);
    return n;
}

TEST_F(CliTest, DumpHoldsStationsDevelopmentsAndAreasOfTheirSizes) {
    for (const char* forefoot : {"0", "0.3"}) {
        const CliRun r = run({"design", std::string("half-width-forward=") + forefoot, "--json"});
        ASSERT_EQ(r.status, 0) << r.err;
        const auto d = nlohmann::json::parse(r.out);
        for (const char* axis : {"X", "Y", "Z"}) {
            ASSERT_EQ(d["stations"][axis].size(), 83u);
            for (const auto& section : d["stations"][axis]) EXPECT_EQ(section.size(), 14u);
        }
        const auto& dev = d["developments"];
        for (const char* edge : {"Xi", "Yi", "Xs", "Ys"}) {
            EXPECT_EQ(dev["bottom"][edge].size(), 84u);
            for (const char* plate :
                 {"plank1", "plank2", "plank3", "deck1", "deck2", "deck3", "deck4"})
                EXPECT_EQ(dev[plate][edge].size(), 83u) << plate;
        }
        EXPECT_EQ(dev["transom"]["slant"].size(), 14u);
        EXPECT_EQ(dev["transom"]["half"].size(), 14u);
        const bool pram = std::string(forefoot) != "0";
        EXPECT_EQ(dev["bowPlate"].is_null(), !pram);
        if (pram) {
            EXPECT_EQ(dev["bowPlate"]["half"].size(), 14u);
        }
        for (const char* key : {"PlateArea", "PlateCentreX", "DeckArea", "DeckCentreX"})
            EXPECT_EQ(d["mass"][key].size(), 4u) << key;
        for (const char* key : {"TransomArea", "TransomCentreX", "BowPlateArea", "BowPlateCentreX"})
            EXPECT_TRUE(d["mass"][key].is_number()) << key;
        EXPECT_EQ(nulls(d), pram ? 0 : 1) << "only a pointed bow's plate is null";
    }
}

TEST_F(CliTest, DesignTakesBoxesAsTypedAndChecksBoxesInOrder) {
    const CliRun r =
        run({"design", "lwl=6,5", "keel-advance=75", "stem-turned-in-2=1", "stem-turned-in-3=0",
             "transom-turned-in-3=1", "chine2.plank-inclination=10", "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto rec = nlohmann::json::parse(r.out)["record"];
    EXPECT_EQ(rec["XFwd"][0], 6.5);
    EXPECT_EQ(rec["PlankAngle"][1], 17);
    EXPECT_EQ(rec["StemTurnIn"][2], 1);  // ticking 2 ticked 3, clearing 3 then cleared 2
    EXPECT_EQ(rec["StemTurnIn"][3], 1);
    EXPECT_EQ(rec["TransomTurnIn"][2], 1);
    EXPECT_EQ(rec["TransomTurnIn"][3], -1);
    EXPECT_LT(rec["KeelAdvance"].get<int>(), 60);
}

TEST_F(CliTest, DesignWritesTheDataFileThatDumpReadsBack) {
    CliRun r = run({"design", "half-width-forward=0.25", "-o", path("my.boat.txt"), "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto designed = nlohmann::json::parse(r.out);
    EXPECT_EQ(designed["hullFileName"], "my");
    const std::string file = Slurp(path("my.D50"));
    ASSERT_EQ(file.substr(0, 20), "my - Voriel 2000\r\n&N");
    r = run({"dump", path("my.D50")});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto opened = nlohmann::json::parse(r.out);
    EXPECT_EQ(opened["hullFileName"], "my");
    EXPECT_EQ(opened["record"]["MaxBeamIndex"], 41);
    for (int p = 0; p <= 82; ++p)
        EXPECT_NEAR(opened["lines"]["Y"][3][p].get<double>(),
                    designed["lines"]["Y"][3][p].get<double>(), 1e-9);
}

TEST_F(CliTest, AFileNameThatIsNotUtf8StillDumps) {
    const std::string name = "bateau\xe9";  // Latin-1
    CliRun r = run({"design", "-o", path(name)});
    ASSERT_EQ(r.status, 0) << r.err;
    r = run({"dump", path(name + ".D50")});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto d = nlohmann::json::parse(r.out);
    EXPECT_EQ(d["hullFileName"].get<std::string>().substr(0, 6), "bateau");
}

TEST_F(CliTest, WrongUsageExitsTwoWithTheUsage) {
    CliRun r = run({"design", "colour=red"});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("unknown name \"colour\""), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("chine3.height-aft"), std::string::npos);
    EXPECT_NE(r.err.find("Usage"), std::string::npos);
    r = run({"design", "lwl"});
    EXPECT_EQ(r.status, 2);
    r = run({"design", "stem-turned-in-2=yes"});
    EXPECT_EQ(r.status, 2);
    r = run({"frobnicate"});
    EXPECT_EQ(r.status, 2);
    r = run({});
    EXPECT_EQ(r.status, 2);
    r = run({"dump"});
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.out.empty());
}

TEST_F(CliTest, FailuresExitOneAndWriteNothing) {
    CliRun r = run({"design", "lwl=0", "-o", path("zero.D50")});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("LWL"), std::string::npos) << r.err;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1);
    EXPECT_TRUE(Slurp(path("zero.D50")).empty());

    r = run({"design", "sheer.height-aft=1e999", "-o", path("inf.D50"), "--json"});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.out.empty());
    EXPECT_TRUE(Slurp(path("inf.D50")).empty());

    r = run({"dump", path("missing.D50")});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("missing.D50"), std::string::npos);
    EXPECT_TRUE(r.out.empty());

    std::ofstream(path("bad.D50")) << "bad - Voriel 2000\r\n&NNNN\r\n 2.5\r\n";
    r = run({"dump", path("bad.D50")});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("bad.D50"), std::string::npos);

    r = run({"design", "-o", path("nofolder/x.D50")});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("nofolder/x.D50"), std::string::npos) << r.err;
}

}  // namespace
