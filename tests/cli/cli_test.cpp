// voriel-cli design and dump, run as a user runs them.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <algorithm>
#include <cmath>
#include <fstream>
#include <nlohmann/json.hpp>

#include "cli/cli_run.h"
#include "support/temp_dir.h"

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

// The lines of a text that ends with a line break.
std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::size_t start = 0;
    for (auto end = text.find('\n'); end != std::string::npos; end = text.find('\n', start)) {
        out.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return out;
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
        EXPECT_EQ(lines(r.err).size(), 1u) << r.err;
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

// Entries the screens accept one by one whose hull would print NaN somewhere.
TEST_F(CliTest, DesignRefusesEntriesThatEndInNaN) {
    for (const std::vector<std::string>& entries :
         {std::vector<std::string>{"lwl=1e160"},
          {"chine2.height-aft=1e6"},
          {"s-shape-aft=1e300", "chine2.height-forward=45"}}) {
        std::vector<std::string> args = {"design", "--json", "-o", path("nan")};
        args.insert(args.end(), entries.begin(), entries.end());
        const CliRun r = run(args);
        EXPECT_EQ(r.status, 1) << entries[0];
        EXPECT_EQ(r.err,
                  "voriel-cli: The hull cannot be computed from these values; nothing was "
                  "changed.\n");
        EXPECT_EQ(r.out, "");
    }
    EXPECT_TRUE(Slurp(path("nan.D50")).empty());
}

// Files voriel-cli must not read: values no screen produces, a FIFO; each command refuses them in
// one line, without waiting.
TEST_F(CliTest, EveryCommandRefusesFilesItMustNotRead) {
    ASSERT_EQ(run({"design", "-o", path("boat.D50")}).status, 0);
    const std::string good = Slurp(path("boat.D50"));
    auto edited = [&good](std::vector<std::pair<int, std::string>> edits) {
        auto ls = lines(good);
        for (const auto& [line, text] : edits) ls[line - 1] = text + "\r";
        std::string out;
        for (const auto& l : ls) out += l + "\n";
        return out;
    };
    std::ofstream(path("nan1.D50"), std::ios::binary)
        << edited({{15, " 0"}, {18, "-25"}, {29, "-25"}, {30, " 0"}});
    std::ofstream(path("nan2.D50"), std::ios::binary) << edited({{3, " 1e200"}});
    ASSERT_EQ(mkfifo(path("pipe.D50").c_str(), 0644), 0);
    const std::vector<std::pair<std::string, std::string>> files = {
        {"nan1.D50",
         ": the values of this file do not describe a hull (its lines cannot be "
         "computed)"},
        {"nan2.D50",
         ": the values of this file do not describe a hull (its lines cannot be "
         "computed)"},
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
        EXPECT_EQ(lines(r.err).size(), 1u) << r.err;
        EXPECT_LT(r.err.size(), 200u + dir_.size()) << r.err;
    }
    EXPECT_EQ(run({"dump", path("no\nsuch.D50")}).err,
              "voriel-cli: " + path("no\\nsuch.D50") + ": No such file or directory\n");
}

}  // namespace
