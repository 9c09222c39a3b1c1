// The hull data file: golden files, round trips, old and edited files, refusals, save targets.
#include "hull/hull_data_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <random>

#include "board/station_sections.h"
#include "export/export_commands.h"
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
using Edit = std::function<void(Lines&)>;

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

// The default hull's file, edited as a user's editor or another version leaves it.
std::string editedDefault(const Edit& edit) {
    Lines lines = splitCrLf(HullDataText(test::ValidatedDefaultHull()));
    edit(lines);
    return joinCrLf(lines);
}

Edit setLines(const std::vector<std::pair<std::size_t, std::string>>& texts) {  // 1-based
    return [=](Lines& l) {
        for (const auto& [line, text] : texts) l[line - 1] = text;
    };
}

// The layout of every line is fixed by the golden files (the CLI designs and saves all three).
TEST(HullDataFile, GoldenFilesAreWrittenAndReadBackByteForByte) {
    TempDir dir;
    Hull saved = test::ValidatedDefaultHull();
    ASSERT_FALSE(SaveHullData(saved, dir / "boat").has_value());
    EXPECT_EQ(saved.HullFileName, "boat");
    EXPECT_EQ(saved.TurnInFlags, "&NNNN");
    EXPECT_EQ(Slurp(dir / "boat.D50"), Slurp(test::TestData("golden/d50/boat.D50")));
    for (const std::string name : {"boat", "pram", "steep"}) {
        const std::string path = test::TestData("golden/d50/" + name + ".D50");
        const HullReadResult r = OpenHullData(path, test::ValidatedDefaultHull());
        ASSERT_TRUE(r.hull.has_value()) << r.error;
        EXPECT_EQ(HullDataText(*r.hull), Slurp(path)) << name;
    }
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
    const auto none = [](Hull&) {};
    const struct {
        const char* path;
        Edit edit;
        std::function<void(Hull&)> expect;
    } cases[] = {
        {"commas.D50",
         [](Lines& l) {
             for (std::size_t i = 2; i < l.size(); ++i)
                 std::replace(l[i].begin(), l[i].end(), '.', ',');
         },
         none},
        {"no-header.D50",  // and no "&": every flag normal
         [](Lines& l) {
             l.erase(l.begin());
             l[0] = "RRRR";
         },
         none},
        {"my,boat.D50",  // a header with a comma does not shift the values
         [](Lines& l) {
             l[0] = "my,boat - Voriel 2000";
             l[1] = "&RNRR,x";
         },
         [](Hull& e) { e.StemTurnIn[2] = e.StemTurnIn[3] = e.TransomTurnIn[3] = -1; }},
        {"dir.D50/old.d51", [](Lines& l) { l.erase(l.begin() + 5); }, none},  // no forward S
        {"early.D50",  // an early EOF copies the line below
         [](Lines& l) {
             l.resize(9 + 14 * 4);
             l.push_back("EOF ");
         },
         [](Hull& e) {
             e.PlankAngle[3] = e.PlankAngle[4] = e.PlankAngle[2];
             for (const auto f : {&Hull::XFwd, &Hull::YFwd, &Hull::ZFwd, &Hull::XMax, &Hull::YMax,
                                  &Hull::ZMax, &Hull::XAft, &Hull::YAft, &Hull::ZAft})
                 (e.*f)[4] = (e.*f)[3];
             for (const auto f : {&Hull::PlaneZ0, &Hull::PlaneZX, &Hull::PlaneZY})
                 (e.*f)[4] = (e.*f)[3];
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        const HullReadResult r = ReadHullData(editedDefault(c.edit), c.path, start);
        ASSERT_TRUE(r.hull.has_value()) << r.error;
        Hull expected = test::ValidatedDefaultHull();
        expected.HullFileName = HullNameFromPath(c.path);
        c.expect(expected);
        EXPECT_EQ(HullDataText(*r.hull), HullDataText(expected));
        EXPECT_EQ(r.hull->MaxBeamIndex, 41);
    }
}

// Every refused file: an error naming the file and the reason, and no hull.
TEST(HullDataFile, RefusedFiles) {
    const std::string shifted = "where the marker \"LINE  ", noHull = "do not describe a hull";
    const std::vector<std::pair<Edit, std::string>> cases = {
        {[](Lines& l) { l.resize(40); }, "ends too early (line 41, line value, is missing)"},
        {[](Lines& l) { l.clear(); }, "ends too early"},
        {[](Lines& l) { l[9] = "EOF "; }, "\"EOF\") in the block of line 0"},
        {[](Lines& l) { l[9 + 14] = "EOF"; }, "\"EOF\") in the block of line 1"},
        {setLines({{12, " 1e999"}}), "line 12 (line value) is not a finite number: \" 1e999\""},
        {setLines({{7, " 40000"}}), "line 7 (KeelAdvance) is outside the range of a 16-bit"},
        {setLines({{10 + 14 * 3 + 1, "-32769"}}), "(PlankAngle) is outside the range of a 16-bit"},
        // What the writer once wrote for a file named "my<LF>boat.D50".
        {[](Lines& l) { l.insert(l.begin(), "my"); }, shifted},
        {[](Lines& l) { l.erase(l.begin() + 9 + 14 * 2 + 5); }, shifted + "3\" of block 3"},
        {[](Lines& l) { l.insert(l.begin() + 12, " 1"); }, shifted + "1\" of block 1"},
        {setLines({{10 + 14, "LINE  3"}}), "line 24 is \"LINE  3\" where the marker \"LINE  1\""},
        {setLines({{10 + 14 * 3, " 50"}}), shifted + "3\" of block 3 belongs"},
        {setLines({{12, " 0"}, {26, " 0"}, {40, " 0"}, {54, " 0"}, {68, " 0"}}), noHull},  // LWL
        {setLines({{15, " 0"}, {18, "-25"}, {29, "-25"}, {30, " 0"}}), noHull},  // sections NaN
        {setLines({{3, " 1E+200"}}), noHull},   // PowerFwd: developments NaN
        {setLines({{63, " 1E+200"}}), noHull},  // a sheer plane: transom NaN
    };
    for (const auto& [edit, reason] : cases) {
        SCOPED_TRACE(reason);
        const HullReadResult r =
            ReadHullData(editedDefault(edit), "/boats/bad.D50", test::ValidatedDefaultHull());
        EXPECT_FALSE(r.hull.has_value());
        EXPECT_EQ(r.error.rfind("/boats/bad.D50: ", 0), 0u) << r.error;
        EXPECT_NE(r.error.find(reason), std::string::npos) << r.error;
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

// Saving under every kind of name and target of its own: the file a save writes and whether the
// user must be asked first, or a refusal with every file and the hull untouched (links,
// read-only files and the rest are the safe writer's).
TEST(HullDataFile, SavingUnderEveryKindOfName) {
    const auto file = [](const char* name, std::string text) {
        return [=](const TempDir& d) { std::ofstream(d / name) << text; };
    };
    const auto nothing = [](const TempDir&) {};
    const struct {
        std::function<void(const TempDir&)> lay;
        std::string chosen;   // relative to the folder
        std::string written;  // the file that holds the hull afterwards; empty: refused
        bool replacesOther;   // the file written is not the one named, and it exists
    } cases[] = {
        {nothing, "boat", "boat.D50", false},
        {file("boat.D50", std::string(100000, 'z')), "boat.D50", "boat.D50", false},
        {file("boat.D50", "x"), "boat", "boat.D50", true},
        {file("hull.D50", "x"), "hull.old.D50", "hull.D50", true},  // cut before the first "."
        {file("boat.D50", "x"), "boat.d50", "boat.D50", true},      // another file on this system
        {nothing, "Sloop.txt", "Sloop.D50", false},
        {nothing, "my\nboat.D50", "my\nboat.D50", false},  // a line break stays in the file's name
        {[](const TempDir& d) { mkfifo((d / "boat.D50").c_str(), 0644); }, "boat.D50", "", false},
        {[](const TempDir& d) { mkdir((d / "boat.D50").c_str(), 0755); }, "boat", "", false},
        {file("file", "x"), "file/boat.D50", "", false},
        {nothing, ".D50", "", false},  // nothing before the first "."
        {nothing, ".hidden.D50", "", false},
        {nothing, "sub.d/", "", false},
        {nothing, "", "", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.chosen);
        TempDir dir;
        c.lay(dir);
        const Lines before = snapshot(dir);
        const SaveTarget target = HullDataSaveTarget(dir / c.chosen);
        Hull h = test::ValidatedDefaultHull();
        const auto err = SaveHullData(h, dir / c.chosen);
        if (c.written.empty()) {
            ASSERT_TRUE(err.has_value());
            EXPECT_EQ(err->find('\n'), std::string::npos) << *err;
            EXPECT_EQ(err->rfind(dir.path(), 0), 0u) << *err;
            EXPECT_EQ(h.HullFileName, "VORIEL2000");
            EXPECT_EQ(snapshot(dir), before);
            continue;
        }
        ASSERT_FALSE(err.has_value()) << *err;
        EXPECT_EQ(target.path, dir / c.written);
        EXPECT_EQ(target.replacesOther, c.replacesOther);
        EXPECT_EQ(Slurp(dir / c.written), HullDataText(h));
        EXPECT_EQ(h.HullFileName, HullNameFromPath(c.written));
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
