// The hull data file: golden files, round trips, old and edited files, refusals, save targets.
#include "hull/hull_data_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <random>
#include <tuple>

#include "board/station_sections.h"
#include "export/export_commands.h"
#include "support/case_lines.h"
#include "support/finishes_within.h"
#include "support/finite_text.h"
#include "support/temp_dir.h"
#include "support/test_data.h"
#include "support/test_hulls.h"

namespace voriel {
namespace {

using test::Slurp;
using test::TempDir;
using Lines = std::vector<std::string>;

Lines splitCrLf(const std::string& text) {  // the golden files prove every line ends in CR LF
    Lines lines;
    for (std::size_t at = 0, end; (end = text.find("\r\n", at)) != std::string::npos; at = end + 2)
        lines.push_back(text.substr(at, end - at));
    return lines;
}

std::string joinCrLf(const Lines& lines) {
    std::string out;
    for (const auto& l : lines) out += l + "\r\n";
    return out;
}

// The default hull's file, edited as a user's editor or another version leaves it, line by line
// (1-based): "N=TEXT" sets line N, "N+TEXT" inserts TEXT before it, "N-" erases it, "..N" keeps
// the first N lines, "," turns every point from line 3 on into a comma.
std::string editedDefault(const Lines& edits) {
    Lines l = splitCrLf(HullDataText(test::ValidatedDefaultHull()));
    for (const std::string& e : edits) {
        const std::size_t at = e.find_first_not_of("0123456789");
        if (e == ",")
            for (std::size_t i = 2; i < l.size(); ++i)
                std::replace(l[i].begin(), l[i].end(), '.', ',');
        else if (e[0] == '.')
            l.resize(std::stoul(e.substr(2)));
        else if (e[at] == '=')
            l[std::stoul(e) - 1] = e.substr(at + 1);
        else if (e[at] == '+')
            l.insert(l.begin() + std::stol(e) - 1, e.substr(at + 1));
        else
            l.erase(l.begin() + std::stol(e) - 1);
    }
    return joinCrLf(l);
}

// Read into the start-up hull, which has no max-beam index: the reader sets it. (The points
// recomputed on reading: GoldenExport, which reads the golden data files.)
TEST(HullDataFile, RandomHullsRoundTrip) {
    Hull blank;
    SetDefaultHull(blank);
    for (uint32_t seed = 1; seed <= 200; ++seed) {
        Hull h = test::RandomHull(seed);
        h.HullFileName = "r";
        const std::string what = "seed " + std::to_string(seed), text = HullDataText(h);
        const HullReadResult r = ReadHullData(text, "/x/r.D50", blank);
        ASSERT_TRUE(r.hull.has_value()) << r.error;
        EXPECT_EQ(r.hull->HullFileName, "r");
        EXPECT_EQ(r.hull->MaxBeamIndex, h.MaxBeamIndex) << what;
        EXPECT_EQ(HullDataText(*r.hull), text) << what;  // what was read writes back the same
    }
}

// Files other versions and editors leave, read into a hull whose flags and forward S differ:
// the hull read is the default hull with `expect` applied.
TEST(HullDataFile, OldAndEditedFilesAreRead) {
    Hull start;
    SetDefaultHull(start);
    start.StemTurnIn[2] = start.TransomTurnIn[3] = -1;
    start.ShapeSFwd = 3;
    const struct {
        const char* path;
        Lines edits;
        std::function<void(Hull&)> expect = [](Hull&) {};
    } cases[] = {
        {"commas.D50", {","}},
        {"no-header.D50", {"1-", "1=RRRR"}},  // and no "&": every flag normal
        {"my,boat.D50",                       // a header with a comma does not shift the values
         {"1=my,boat - Voriel 2000", "2=&RNRR,x"},
         [](Hull& e) { e.StemTurnIn[2] = e.StemTurnIn[3] = e.TransomTurnIn[3] = -1; }},
        {"dir.D50/old.d51", {"6-"}},  // no forward S
        {"early.D50",                 // an early EOF copies the line below
         {"..65", "66+EOF "},
         [](Hull& e) {
             e.PlankAngle[4] = e.PlankAngle[3] = e.PlankAngle[2];
             for (const auto f : {&Hull::XFwd, &Hull::YFwd, &Hull::ZFwd, &Hull::XMax, &Hull::YMax,
                                  &Hull::ZMax, &Hull::XAft, &Hull::YAft, &Hull::ZAft})
                 (e.*f)[4] = (e.*f)[3];
             for (const auto f : {&Hull::PlaneZ0, &Hull::PlaneZX, &Hull::PlaneZY})
                 (e.*f)[4] = (e.*f)[3];
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        const HullReadResult r = ReadHullData(editedDefault(c.edits), c.path, start);
        ASSERT_TRUE(r.hull.has_value()) << r.error;
        Hull expected = test::ValidatedDefaultHull();
        expected.HullFileName = HullNameFromPath(c.path);
        c.expect(expected);
        EXPECT_EQ(HullDataText(*r.hull), HullDataText(expected));
        EXPECT_EQ(r.hull->MaxBeamIndex, 41);
    }
}

// Every refused file of tests/golden/hull_data_file/refused.txt (which says their form): an
// error naming the file and the reason, and no hull.
TEST(HullDataFile, RefusedFiles) {
    const auto cases = test::CaseLines("golden/hull_data_file/refused.txt");
    EXPECT_GE(cases.size(), 16u);  // the whole file was read
    for (const std::string& line : cases) {
        SCOPED_TRACE(line);
        const Lines f = test::Split(line, '|');
        const HullReadResult r = ReadHullData(editedDefault({f.begin() + 1, f.end()}),
                                              "/boats/bad.D50", test::ValidatedDefaultHull());
        EXPECT_FALSE(r.hull.has_value());
        EXPECT_EQ(r.error.rfind("/boats/bad.D50: ", 0), 0u) << r.error;
        EXPECT_NE(r.error.find(f[0]), std::string::npos) << r.error;
    }
}

// Opening: the hull takes the name of the file (the kinds of file are the bounded reader's).
TEST(HullDataFile, OpeningNamesTheHullAfterItsFile) {
    TempDir dir;
    const std::string text = HullDataText(test::ValidatedDefaultHull());
    for (const char* name : {"boat.D50", "my\nboat.D50"}) std::ofstream(dir / name) << text;
    std::ofstream(dir / "big.D50") << text << std::string(kMaxHullFileSize, ' ');
    symlink("boat.D50", (dir / "link.D50").c_str());
    mkfifo((dir / "pipe.D50").c_str(), 0644);
    const std::vector<std::pair<std::string, std::string>> cases = {
        // path, name or error
        {dir / "boat.D50", "boat"},
        {dir / "link.D50", "link"},
        {dir / "my\nboat.D50", "myboat"},
        {dir / "pipe.D50", dir / "pipe.D50: this is not a regular file"},
        {dir / "big.D50", dir / "big.D50: the file is too large to be a hull data file"},
    };
    for (const auto& [path, result] : cases) {
        // Run apart, so that a read waiting on a FIFO fails the test instead of hanging it.
        EXPECT_TRUE(test::FinishesWithin(10, [&] {
            const HullReadResult r = OpenHullData(path, test::ValidatedDefaultHull());
            return r.hull ? r.hull->HullFileName == result : r.error == result;
        })) << path;
    }
}

// Each entry of the folder: name, kind and content.
Lines snapshot(const TempDir& dir) {
    Lines out;
    for (const std::string& name : dir.entries()) {
        struct stat st {};
        lstat((dir / name).c_str(), &st);
        out.push_back(name + " " + std::to_string(st.st_mode & S_IFMT) + " " + Slurp(dir / name));
    }
    return out;
}

// The layout of every line is fixed by the golden files, which voriel-cli designs and saves
// (CliTest.DesignAndDrawGiveTheGoldenFiles). Saving under every kind of name and target of its own
// (tests/golden/hull_data_file/ save_targets.txt, which says their form): the file a save writes
// and whether the user must be asked first, or a refusal with every file and the hull untouched
// (links, read-only files and the rest are the safe writer's).
TEST(HullDataFile, SavingUnderEveryKindOfName) {
    const auto cases = test::CaseLines("golden/hull_data_file/save_targets.txt");
    EXPECT_GE(cases.size(), 14u);  // the whole file was read
    for (const std::string& line : cases) {
        SCOPED_TRACE(line);
        Lines f = test::Split(line, '|');
        for (std::string& name : f)
            if (const auto at = name.find("\\n"); at != std::string::npos)
                name.replace(at, 2, "\n");
        const std::string &kind = f[0], &chosen = f[1], &written = f[2];
        TempDir dir;
        const std::string laid = kind.empty() ? "" : dir / kind.substr(2);
        if (kind[0] == 'f' || kind[0] == 'z')
            std::ofstream(laid) << (kind[0] == 'f' ? "x" : std::string(100000, 'z'));
        if (kind[0] == 'p') mkfifo(laid.c_str(), 0644);
        if (kind[0] == 'd') mkdir(laid.c_str(), 0755);
        const Lines before = snapshot(dir);
        const SaveTarget target = HullDataSaveTarget(dir / chosen);
        Hull h = test::ValidatedDefaultHull();
        const auto err = SaveHullData(h, dir / chosen);
        if (written.empty()) {
            ASSERT_TRUE(err.has_value());
            EXPECT_EQ(err->find('\n'), std::string::npos) << *err;
            EXPECT_EQ(err->rfind(dir.path(), 0), 0u) << *err;
            EXPECT_EQ(h.HullFileName, "VORIEL2000");
            EXPECT_EQ(snapshot(dir), before);
            continue;
        }
        ASSERT_FALSE(err.has_value()) << *err;
        EXPECT_EQ(target.path, dir / written);
        EXPECT_EQ(target.replacesOther, f[3] == "asks");
        EXPECT_EQ(Slurp(dir / written), HullDataText(h));
        EXPECT_EQ(std::tie(h.HullFileName, h.TurnInFlags),
                  std::make_tuple(HullNameFromPath(written), "&NNNN"));
    }
    EXPECT_EQ(HullDataSaveTarget("").error, "no file name given");
    EXPECT_EQ(HullDataSaveTarget("/b/.D50").error,
              "/b/.D50: a hull data file needs a name before the first \".\" of its file name");
    EXPECT_EQ(HullNameFromPath("/a.b/c/.hidden.D50"), ".hidden.D50");
    EXPECT_EQ(PathWithExtension("/a.b/c/name.x.y", ".D50"), "/a.b/c/name.D50");
}

// Whatever extreme value a file holds, a file that is accepted writes no NaN into any export.
TEST(HullDataFile, AcceptedFilesWriteOnlyFiniteNumbers) {
    const char* const extremes[] = {" 1E+200", "-1E+200", " 1E-300", " 0",     "-25",
                                    " 1E+06",  " 1E+160", "-1E+06",  " 1E+300"};
    std::mt19937 rng(11);
    int accepted = 0;
    for (int round = 0; round < 150; ++round) {
        auto lines = splitCrLf(HullDataText(test::RandomHull(1 + round % 40)));
        for (int k = 0; k < 2; ++k) {
            // A value line: 3..9, or one of the thirteen of a block (not its marker).
            std::size_t at = std::uniform_int_distribution<std::size_t>(2, 78)(rng);
            if (at >= 9 && (at - 9) % 14 == 0) ++at;
            lines[at] = extremes[std::uniform_int_distribution<int>(0, 8)(rng)];
        }
        const HullReadResult r =
            ReadHullData(joinCrLf(lines), "x.D50", test::ValidatedDefaultHull());
        if (!r.hull) continue;
        ++accepted;
        BoardState board;
        board.ChineView = 1;
        ComputeAllStationSections(*r.hull, board);
        std::string box = "2,5";
        for (const ExportFile& f : EveryExportFile(*r.hull, board, box))
            ASSERT_EQ(test::NonFiniteWord(ExportText(f, *r.hull, board)), std::string::npos)
                << "round " << round << " " << f.dialog.proposedName;
    }
    EXPECT_GT(accepted, 20);  // the check does not refuse everything
}

}  // namespace
}  // namespace voriel
