// voriel-cli design, dump and draw, run as a user runs them: names, saving, JSON shape, the golden
// drawings of the default hull, the actions in command-line order, and every refusal of every
// command.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>

#include "cli/cli_run.h"
#include "support/temp_dir.h"

namespace {

using voriel::test::CliRun;
using voriel::test::CliTest;
using voriel::test::ExpectGolden;
using voriel::test::ListedCases;
using voriel::test::OutputLines;
using voriel::test::Slurp;
using voriel::test::TempDir;

// The dump's shape beyond what the DXF read-back (tests/export/dxf_readback.py) reads from it by
// index (the lines, stations and developments): for a pointed bow (whose bow plate is null) and
// a pram bow.
TEST_F(CliTest, DumpHasTheShapeOfTheRecordAndWhatIsComputedFromIt) {
    for (const std::string forefoot : {"0", "0.3"}) {
        const auto d = json({"design", "half-width-forward=" + forefoot, "--json"});
        EXPECT_EQ(d["hullFileName"], "VORIEL2000");
        const auto& rec = d["record"];
        EXPECT_EQ(rec["XFwd"].size(), 6u);
        EXPECT_EQ(rec["PlaneZ0"].size(), 5u);
        EXPECT_EQ(rec["PanelDensity"].size(), 12u);
        EXPECT_EQ(rec["XMax"][1].get<double>(), 3.0);  // doubles read back to the same double
        for (const char* axis : {"X", "Y", "Z"}) {
            ASSERT_EQ(d["bottomRulings"][axis].size(), 2u);
            for (const auto& row : d["bottomRulings"][axis]) EXPECT_EQ(row.size(), 84u);
            EXPECT_EQ(d["lines"][axis][4].size(), 83u);
        }
        EXPECT_EQ(d["developments"]["bowPlate"].is_null(), forefoot == "0");
        for (const char* key : {"PlateArea", "PlateCentreX", "DeckArea", "DeckCentreX"})
            EXPECT_EQ(d["mass"][key].size(), 4u) << key;
        for (const char* key : {"TransomArea", "TransomCentreX", "BowPlateArea", "BowPlateCentreX"})
            EXPECT_TRUE(d["mass"][key].is_number()) << key;
    }
}

// Every box of the chines-2/3 screen reaches its own field; boxes are read as typed (decimal
// comma) and the check boxes are set in the order given.
TEST_F(CliTest, DesignTakesEveryBoxAsTypedInOrder) {
    const auto rec = json(
        {"design", "lwl=6,5", "keel-advance=75", "stem-turned-in-2=1", "stem-turned-in-3=0",
         "transom-turned-in-3=1", "chine2.height-forward=0,35", "chine2.height-max-beam=0,25",
         "chine2.height-aft=0,35", "chine2.plank-inclination=10", "chine3.height-forward=0,8",
         "chine3.height-max-beam=0,65", "chine3.height-aft=0,75", "chine3.plank-inclination=77",
         "sheer.height-forward=1,15", "sheer.height-max-beam=1,05", "sheer.height-aft=1,1",
         "sheer.plank-inclination=80", "--json"})["record"];
    const std::pair<const char*, std::vector<double>> fields[] = {
        {"ZFwd", {0.35, 0.8, 1.15}},
        {"ZMax", {0.25, 0.65, 1.05}},
        {"ZAft", {0.35, 0.75, 1.1}},
        {"PlankAngle", {17, 77, 80}}};  // 10 is held at 17
    for (const auto& [field, values] : fields)
        for (int c = 0; c < 3; ++c)
            EXPECT_EQ(rec[field][c + (field[0] == 'P' ? 1 : 2)].get<double>(), values[c]) << field;
    EXPECT_EQ(rec["XFwd"][0], 6.5);
    EXPECT_EQ(rec["StemTurnIn"][2], 1);  // ticking 2 ticked 3, clearing 3 then cleared 2
    EXPECT_EQ(rec["StemTurnIn"][3], 1);
    EXPECT_EQ(rec["TransomTurnIn"][2], 1);
    EXPECT_EQ(rec["TransomTurnIn"][3], -1);
    EXPECT_LT(rec["KeelAdvance"].get<int>(), 60);
}

// The golden hulls, designed from the boxes hulls.txt names, are saved byte for byte; the default
// hull draws as its golden recordings and the computing commands print their golden texts.
TEST_F(CliTest, DesignAndDrawGiveTheGoldenFiles) {
    const auto hulls = ListedCases("golden/d50/hulls.txt");
    EXPECT_EQ(hulls.size(), 3u);
    for (const auto& c : hulls) {
        std::vector<std::string> args = {"design", "-o", path(c[0])};
        args.insert(args.end(), c.begin() + 1, c.end());
        ASSERT_EQ(run(args).status, 0) << c[0];
        ExpectGolden(Slurp(path(c[0] + ".D50")), "golden/d50/" + c[0] + ".D50");
    }
    for (const auto& [folder, count] :
         {std::pair<std::string, std::size_t>{"drawing", 4}, {"texts", 9}}) {
        const auto cases = ListedCases("golden/" + folder + "/cases.txt");
        EXPECT_EQ(cases.size(), count) << folder;
        for (const auto& c : cases) {
            std::vector<std::string> args = {c[1], voriel::test::BoatFile()};
            args.insert(args.end(), c.begin() + 2, c.end());
            ExpectGolden(out(args), "golden/" + folder + "/" + c[0] + ".txt");
        }
    }
}

TEST_F(CliTest, AFileNameThatIsNotUtf8StillDumps) {
    const std::string name = "bateau\xe9";  // Latin-1
    ASSERT_EQ(run({"design", "-o", path(name)}).status, 0);
    EXPECT_EQ(json({"dump", path(name + ".D50")})["hullFileName"].get<std::string>().substr(0, 6),
              "bateau");
}

// Every refusal of golden/cli/refusals.txt, in a folder laid out for them: the status, the
// message, nothing on stdout, and every file and folder there as it was.
TEST_F(CliTest, RefusalsSayWhyAndLoseNothing) {
    for (const char* folder : {"folder.DXF", "folder.pdf", "sub"})
        mkdir(path(folder).c_str(), 0755);
    for (const char* fifo : {"pipe.D50", "pipe.WRL"}) mkfifo(path(fifo).c_str(), 0644);
    const std::pair<const char*, std::string> files[] = {
        {"ketch.D50", Slurp(voriel::test::BoatFile())},
        {"bad.D50", "bad - Voriel 2000\r\n&NNNN\r\n 2.5\r\n"},
        {"notes.D50", "not a hull\r\n"},
        {"taken", "a file where the folder should go"},
        {"kept.pdf", "the old file"}};
    for (const auto& [name, text] : files) std::ofstream(path(name), std::ios::binary) << text;
    const auto snapshot = [&] {
        std::string out;
        for (const std::string& name : TempDir::List(dir_)) {
            if (name == "out" || name == "err") continue;
            out += name + ":" + Slurp(path(name)) + "\n";
            for (const std::string& inside : TempDir::List(path(name))) out += "  " + inside + "\n";
        }
        return out;
    };
    const std::string before = snapshot();
    const auto expand = [&](std::string text) {
        for (const auto& [name, value] : {std::pair<std::string, std::string>{"$DIR", dir_},
                                          {"$BOAT", voriel::test::BoatFile()}})
            for (auto at = text.find(name); at != std::string::npos; at = text.find(name))
                text.replace(at, name.size(), value);
        return text;
    };
    const auto rows = voriel::test::CaseLines("golden/cli/refusals.txt");
    EXPECT_GT(rows.size(), 80u);
    for (const std::string& line : rows) {
        std::vector<std::string> fields = voriel::test::Split(line, '\t');
        for (auto& field : fields) field = expand(field);
        SCOPED_TRACE(line);
        const CliRun r = run({fields.begin() + 2, fields.end()});
        EXPECT_EQ(r.status, std::stoi(fields[0])) << r.err;
        EXPECT_EQ(r.out, "");
        if (fields[0] == "1") {
            EXPECT_EQ(r.err.rfind("voriel-cli: " + fields[1], 0), 0u) << r.err;
            EXPECT_EQ(OutputLines(r.err).size(), 1u) << r.err;
        } else {
            EXPECT_EQ(r.err.rfind("voriel-cli: ", 0), 0u) << r.err;
            EXPECT_NE(r.err.find(fields[1]), std::string::npos) << r.err;
            EXPECT_NE(r.err.find("Usage:"), std::string::npos) << r.err;
        }
        EXPECT_EQ(snapshot(), before);
    }
}

// -o: the path written is always named on stderr (so that the JSON on stdout stays pure); a
// file the user did not name exactly is replaced only with --force.
TEST_F(CliTest, DesignSavesWhereItSaysAndAsksForForce) {
    const auto lwl = [&] { return json({"dump", path("boat.D50")})["record"]["XFwd"][0]; };
    const std::string saved = "voriel-cli: saved " + path("boat.D50") + "\n";
    CliRun r = run({"design", "--json", "-o", path("boat")});
    EXPECT_EQ(nlohmann::json::parse(r.out)["hullFileName"], "boat");
    EXPECT_EQ(r.err, saved);
    r = run({"design", "lwl=7", "-o", path("boat")});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "voriel-cli: " + path("boat") + ": the hull would be saved as " +
                         path("boat.D50") +
                         ", which exists and is not the file named; give --force to replace it\n");
    EXPECT_EQ(lwl(), 6);
    EXPECT_EQ(run({"design", "lwl=7", "-o", path("boat"), "--force"}).err, saved);
    EXPECT_EQ(lwl(), 7);
    EXPECT_EQ(run({"design", "lwl=8", "-o", path("boat.D50")}).err, saved);  // named exactly
    EXPECT_EQ(lwl(), 8);
    EXPECT_EQ(TempDir::List(dir_), (std::vector<std::string>{"boat.D50", "err", "out"}));
}

// Every error is one line of reasonable length, whatever the names and texts hold.
TEST_F(CliTest, ErrorsAreOneLineOfReasonableLength) {
    const std::string huge = "1" + std::string(5000, '0');
    std::string lines12 = Slurp(voriel::test::BoatFile());
    std::size_t at = 0;
    for (int n = 1; n < 12; ++n) at = lines12.find('\n', at) + 1;
    lines12.replace(at, lines12.find('\r', at) - at, " " + huge);
    std::ofstream(path("long.D50"), std::ios::binary) << lines12;
    const std::string boat = voriel::test::BoatFile();
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"dump", path("no\nsuch\x1b.D50")},
          {"dump", path("long.D50")},
          {"design", "lwl=" + huge},
          {"hydro", boat, "--waterline", huge},
          {"mass", boat, "density.1=" + huge},
          {"design", "-o", path("no\nfolder/boat")}}) {
        const CliRun r = run(args);
        EXPECT_EQ(r.status, 1) << args[1];
        EXPECT_EQ(OutputLines(r.err).size(), 1u) << r.err;
        EXPECT_LT(r.err.size(), 200u + dir_.size() + boat.size()) << r.err;
    }
    EXPECT_EQ(run({"dump", path("no\nsuch.D50")}).err,
              "voriel-cli: " + path("no\\nsuch.D50") + ": No such file or directory\n");
}

TEST_F(CliTest, DrawActionsRunInTheOrderGiven) {
    const auto draw = [&](std::vector<std::string> args) {
        args.insert(args.begin(), {"draw", voriel::test::BoatFile()});
        return out(args);
    };
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
