// voriel-cli design and dump, run as a user runs them: names, saving, JSON shape, refusals.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <algorithm>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "cli/cli_run.h"
#include "support/temp_dir.h"

namespace {

using voriel::test::CliRun;
using voriel::test::CliTest;
using voriel::test::OutputLines;
using voriel::test::Slurp;
using voriel::test::TestData;

// The sizes of the dump's arrays, for a pointed bow (whose bow plate is null) and a pram bow.
TEST_F(CliTest, DumpHasTheShapeOfTheRecordAndWhatIsComputedFromIt) {
    for (const char* forefoot : {"0", "0.3"}) {
        const CliRun r = run({"design", std::string("half-width-forward=") + forefoot, "--json"});
        ASSERT_EQ(r.status, 0) << r.err;
        const auto d = nlohmann::json::parse(r.out);
        EXPECT_EQ(d["hullFileName"], "VORIEL2000");
        EXPECT_EQ(d["record"]["XFwd"].size(), 6u);
        EXPECT_EQ(d["record"]["PlaneZ0"].size(), 5u);
        EXPECT_EQ(d["record"]["PanelDensity"].size(), 12u);
        for (const char* axis : {"X", "Y", "Z"}) {
            ASSERT_EQ(d["lines"][axis].size(), 5u);
            for (const auto& line : d["lines"][axis]) EXPECT_EQ(line.size(), 83u);
            ASSERT_EQ(d["bottomRulings"][axis].size(), 2u);
            for (const auto& row : d["bottomRulings"][axis]) EXPECT_EQ(row.size(), 84u);
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
        EXPECT_EQ(dev["transom"]["half"].size(), 14u);
        const bool pram = std::string(forefoot) != "0";
        EXPECT_EQ(dev["bowPlate"].is_null(), !pram);
        for (const char* key : {"PlateArea", "PlateCentreX", "DeckArea", "DeckCentreX"})
            EXPECT_EQ(d["mass"][key].size(), 4u) << key;
        for (const char* key : {"TransomArea", "TransomCentreX", "BowPlateArea", "BowPlateCentreX"})
            EXPECT_TRUE(d["mass"][key].is_number()) << key;
        // Doubles read back to the same double.
        EXPECT_EQ(d["record"]["XMax"][1].get<double>(), 3.0);
    }
}

// Every box of the chines-2/3 screen is known by its name and reaches its field.
TEST_F(CliTest, DesignTakesEveryBoxOfTheChines23Screen) {
    const struct {
        const char* row;
        const char* field;
        const char* typed;
        double value;
        int offset;  // the field's index is the line's, less this
    } rows[] = {{"height-forward", "ZFwd", "1,23", 1.23, 0},
                {"height-max-beam", "ZMax", "0,97", 0.97, 0},
                {"height-aft", "ZAft", "1,11", 1.11, 0},
                {"plank-inclination", "PlankAngle", "77", 77, 1}};
    const char* const columns[] = {"chine2", "chine3", "sheer"};
    for (int c = 0; c < 3; ++c) {
        for (const auto& row : rows) {
            const std::string name = std::string(columns[c]) + "." + row.row;
            const CliRun r = run({"design", name + "=" + row.typed, "--json"});
            ASSERT_EQ(r.status, 0) << name << ": " << r.err;
            const auto rec = nlohmann::json::parse(r.out)["record"];
            EXPECT_EQ(rec[row.field][2 + c - row.offset].get<double>(), row.value) << name;
        }
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

// The golden hulls, designed from the boxes hulls.txt names, are saved byte for byte.
TEST_F(CliTest, DesignSavesTheGoldenHulls) {
    std::ifstream list(TestData("golden/d50/hulls.txt"));
    int hulls = 0;
    for (std::string line; std::getline(list, line);) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream words(line);
        std::string name;
        words >> name;
        std::vector<std::string> args = {"design", "-o", path(name)};
        for (std::string entry; words >> entry;) args.push_back(entry);
        const CliRun r = run(args);
        ASSERT_EQ(r.status, 0) << r.err;
        const std::string golden = Slurp(TestData("golden/d50/" + name + ".D50"));
        ASSERT_FALSE(golden.empty()) << name;
        EXPECT_TRUE(Slurp(path(name + ".D50")) == golden) << name << " differs from its golden";
        ++hulls;
    }
    EXPECT_EQ(hulls, 3);
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
    const struct {
        std::vector<std::string> args;
        const char* says;
    } cases[] = {
        {{"design", "colour=red"}, "unknown name \"colour\"; valid names: lwl"},
        {{"design", "lwl"}, "entry \"lwl\" is not of the form NAME=TEXT"},
        {{"design", "stem-turned-in-2=yes"}, "takes 1 (ticked) or 0 (cleared), not \"yes\""},
        {{"frobnicate"}, "A subcommand is required"},
        {{}, "A subcommand is required"},
        {{"dump"}, "FILE"},
    };
    for (const auto& c : cases) {
        const CliRun r = run(c.args);
        EXPECT_EQ(r.status, 2) << c.says;
        EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
        EXPECT_TRUE(r.out.empty());
    }
}

TEST_F(CliTest, FailuresExitOneInOneLineAndWriteNothing) {
    std::ofstream(path("bad.D50")) << "bad - Voriel 2000\r\n&NNNN\r\n 2.5\r\n";
    const struct {
        std::vector<std::string> args;
        std::string says;
    } cases[] = {
        {{"design", "lwl=0", "-o", path("zero.D50")}, "The length LWL cannot be 0."},
        // Entries each screen takes whose hull would print NaN somewhere.
        {{"design", "lwl=1e160", "-o", path("nan.D50"), "--json"},
         "The hull cannot be computed from these values; nothing was changed."},
        {{"dump", path("missing.D50")}, path("missing.D50") + ": No such file or directory"},
        {{"dump", path("bad.D50")}, path("bad.D50")},
        {{"design", "-o", path("nofolder/x.D50")}, path("nofolder/x.D50")},
    };
    for (const auto& c : cases) {
        const CliRun r = run(c.args);
        EXPECT_EQ(r.status, 1) << c.says;
        EXPECT_EQ(r.err.rfind("voriel-cli: " + c.says, 0), 0u) << r.err;
        EXPECT_EQ(OutputLines(r.err).size(), 1u) << r.err;
        EXPECT_TRUE(r.out.empty());
    }
    EXPECT_EQ(voriel::test::TempDir::List(dir_),
              (std::vector<std::string>{"bad.D50", "err", "out"}));
}

// -o: the path written is always named on stderr; a file the user did not name exactly is
// replaced only with --force; a name with nothing before its first "." is refused.
TEST_F(CliTest, DesignSavesWhereItSaysAndAsksForForce) {
    struct Case {
        std::vector<std::string> args;  // after "design"
        int status;
        std::string err;   // the whole of stderr
        std::string file;  // the file that then holds a hull with this LWL ("" none)
        double lwl;
    };
    const std::vector<Case> cases = {
        {{"-o", path("boat")}, 0, "voriel-cli: saved " + path("boat.D50") + "\n", "boat.D50", 6},
        {{"lwl=7", "-o", path("boat")},
         1,
         "voriel-cli: " + path("boat") + ": the hull would be saved as " + path("boat.D50") +
             ", which exists and is not the file named; give --force to replace it\n",
         "boat.D50",
         6},
        {{"lwl=7", "-o", path("boat"), "--force"},
         0,
         "voriel-cli: saved " + path("boat.D50") + "\n",
         "boat.D50",
         7},
        {{"lwl=8", "-o", path("boat.D50")},
         0,
         "voriel-cli: saved " + path("boat.D50") + "\n",
         "boat.D50",
         8},
        {{"lwl=9", "-o", path("boat.old.D50")}, 1, "", "boat.D50", 8},
        {{"-o", ""}, 1, "voriel-cli: no file name given\n", "", 0},
        {{"-o", path("sub") + "/"},
         1,
         "voriel-cli: " + path("sub/") +
             ": a hull data file needs a name before the first \".\" of its file name\n",
         "",
         0},
        {{"-o", path(".D50")}, 1, "", "", 0},
        {{"-o", path("my\nboat.D50")},
         0,
         "voriel-cli: saved " + path("my\\nboat.D50") + "\n",
         "my\nboat.D50",
         6},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = {"design"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const CliRun r = run(args);
        const std::string what = c.args[c.args.size() > 2 ? 2 : 1];
        EXPECT_EQ(r.status, c.status) << what << ": " << r.err;
        EXPECT_EQ(OutputLines(r.err).size(), 1u) << r.err;
        if (!c.err.empty()) {
            EXPECT_EQ(r.err, c.err);
        }
        if (c.file.empty()) continue;
        const CliRun d = run({"dump", path(c.file)});
        ASSERT_EQ(d.status, 0) << d.err;
        EXPECT_EQ(nlohmann::json::parse(d.out)["record"]["XFwd"][0], c.lwl) << what;
    }
    // Only the files named above were written.
    EXPECT_EQ(voriel::test::TempDir::List(dir_),
              (std::vector<std::string>{"boat.D50", "err", "my\nboat.D50", "out"}));
    EXPECT_EQ(Slurp(path("my\nboat.D50")).substr(0, 22), "myboat - Voriel 2000\r\n");
}

TEST_F(CliTest, SavedPathGoesToStderrSoThatTheJsonStaysPure) {
    const CliRun r = run({"design", "--json", "-o", path("boat")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(nlohmann::json::parse(r.out)["hullFileName"], "boat");
    EXPECT_EQ(r.err, "voriel-cli: saved " + path("boat.D50") + "\n");
}

// Files voriel-cli must not read: values no screen produces, a FIFO; each command refuses them in
// one line, without waiting.
TEST_F(CliTest, EveryCommandRefusesFilesItMustNotRead) {
    ASSERT_EQ(run({"design", "-o", path("boat.D50")}).status, 0);
    auto ls = OutputLines(Slurp(path("boat.D50")));
    for (const auto& [line, text] :
         {std::pair<int, const char*>{15, " 0"}, {18, "-25"}, {29, "-25"}, {30, " 0"}})
        ls[line - 1] = std::string(text) + "\r";
    std::ofstream nan(path("nan.D50"), std::ios::binary);
    for (const auto& l : ls) nan << l << "\n";
    nan.close();
    ASSERT_EQ(mkfifo(path("pipe.D50").c_str(), 0644), 0);
    const std::vector<std::pair<std::string, std::string>> files = {
        {"nan.D50",
         ": the values of this file do not describe a hull (its lines cannot be computed)"},
        {"pipe.D50", ": this is not a regular file"},
    };
    for (const auto& [file, reason] : files) {
        for (const std::vector<std::string>& command : {std::vector<std::string>{"dump"},
                                                        {"mass"},
                                                        {"hydro", "--waterline", "0.1"},
                                                        {"export", "--vrml", path("x.WRL")}}) {
            std::vector<std::string> args = {command[0], path(file)};
            args.insert(args.end(), command.begin() + 1, command.end());
            const CliRun r = run(args);
            EXPECT_EQ(r.status, 1) << command[0] << " " << file;
            EXPECT_EQ(r.err, "voriel-cli: " + path(file) + reason + "\n");
            EXPECT_EQ(r.out, "");
        }
    }
    struct stat st {};
    EXPECT_NE(stat(path("x.WRL").c_str(), &st), 0);
}

// Every error is one line of reasonable length, whatever the names and texts hold.
TEST_F(CliTest, ErrorsAreOneLineOfReasonableLength) {
    const std::string huge = "1" + std::string(5000, '0');
    ASSERT_EQ(run({"design", "-o", path("boat.D50")}).status, 0);
    std::string lines12 = Slurp(path("boat.D50"));
    std::size_t at = 0;
    for (int n = 1; n < 12; ++n) at = lines12.find('\n', at) + 1;
    lines12.replace(at, lines12.find('\r', at) - at, " " + huge);
    std::ofstream(path("long.D50"), std::ios::binary) << lines12;
    const std::vector<std::vector<std::string>> commands = {
        {"dump", path("no\nsuch\x1b.D50")},
        {"dump", path("long.D50")},
        {"design", "lwl=" + huge},
        {"hydro", path("boat.D50"), "--waterline", huge},
        {"mass", path("boat.D50"), "density.1=" + huge},
        {"design", "-o", path("no\nfolder/boat")},
    };
    for (const auto& args : commands) {
        const CliRun r = run(args);
        EXPECT_EQ(r.status, 1) << args[1];
        EXPECT_EQ(OutputLines(r.err).size(), 1u) << r.err;
        EXPECT_LT(r.err.size(), 200u + dir_.size()) << r.err;
    }
    EXPECT_EQ(run({"dump", path("no\nsuch.D50")}).err,
              "voriel-cli: " + path("no\\nsuch.D50") + ": No such file or directory\n");
}

}  // namespace
