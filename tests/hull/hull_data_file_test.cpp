// The hull data file: layout, save naming, round trips, old files and every refused file.
#include "hull/hull_data_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <functional>
#include <random>
#include <sstream>

#include "board/station_sections.h"
#include "export/export_commands.h"
#include "hull/chine1.h"
#include "support/finishes_within.h"
#include "support/finite_text.h"
#include "support/temp_dir.h"
#include "support/test_data.h"
#include "support/test_hulls.h"
#include "text/number_text.h"

namespace voriel {
namespace {

std::vector<std::string> splitCrLf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const auto end = text.find("\r\n", start);
        EXPECT_NE(end, std::string::npos) << "every line ends with CR LF";
        if (end == std::string::npos) break;
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

std::string joinCrLf(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& l : lines) out += l + "\r\n";
    return out;
}

using test::Slurp;

using test::TempDir;

Hull defaultNamed(const char* name) {
    Hull h = test::ValidatedDefaultHull();
    h.HullFileName = name;
    return h;
}

// The layout of every block is fixed by the golden data files (the CLI saves all three).
TEST(HullDataFile, DefaultHullSavedAsBoatMatchesTheReferenceByteForByte) {
    TempDir dir;
    Hull h = test::ValidatedDefaultHull();
    ASSERT_FALSE(SaveHullData(h, dir / "boat").has_value());
    const std::string golden = Slurp(test::TestData("golden/d50/boat.D50"));
    ASSERT_FALSE(golden.empty());
    EXPECT_EQ(Slurp(dir / "boat.D50"), golden);
    EXPECT_EQ(h.HullFileName, "boat");
    EXPECT_EQ(h.TurnInFlags, "&NNNN");
}

TEST(HullDataFile, SaveNamingRule) {
    TempDir dir;
    Hull h = test::ValidatedDefaultHull();
    ASSERT_FALSE(SaveHullData(h, dir / "hull.old.D50").has_value());
    EXPECT_EQ(h.HullFileName, "hull");
    EXPECT_FALSE(Slurp(dir / "hull.D50").empty());
    EXPECT_TRUE(Slurp(dir / "hull.old.D50").empty());
    ASSERT_FALSE(SaveHullData(h, dir / "Sloop.txt").has_value());
    EXPECT_EQ(Slurp(dir / "Sloop.D50").substr(0, 21), "Sloop - Voriel 2000\r\n");
    EXPECT_EQ(HullNameFromPath("/a.b/c/.hidden.D50"), ".hidden.D50");
    EXPECT_EQ(PathWithExtension("/a.b/c/name.x.y", ".D50"), "/a.b/c/name.D50");
}

TEST(HullDataFile, FailedSaveKeepsTheHullAndTheFiles) {
    TempDir dir;
    Hull h = test::ValidatedDefaultHull();
    const Hull before = h;
    std::ofstream(dir / "file") << "x";
    const auto err = SaveHullData(h, dir / "file/boat.D50");  // a folder that is a file
    ASSERT_TRUE(err.has_value());
    EXPECT_NE(err->find("boat.D50"), std::string::npos) << *err;
    EXPECT_EQ(h.HullFileName, before.HullFileName);
    ASSERT_EQ(mkdir((dir / "boat.D50").c_str(), 0755), 0);  // the target is a folder
    ASSERT_TRUE(SaveHullData(h, dir / "boat").has_value());
    struct stat st {};
    ASSERT_EQ(stat((dir / "boat.D50").c_str(), &st), 0);
    EXPECT_TRUE(S_ISDIR(st.st_mode));
    EXPECT_EQ(h.HullFileName, before.HullFileName);
    EXPECT_EQ(Slurp(dir / "file"), "x");
}

TEST(HullDataFile, SaveReplacesAnExistingFileWhole) {
    TempDir dir;
    std::ofstream(dir / "boat.D50") << std::string(100000, 'z');
    Hull h = test::ValidatedDefaultHull();
    ASSERT_FALSE(SaveHullData(h, dir / "boat.D50").has_value());
    EXPECT_EQ(Slurp(dir / "boat.D50"), HullDataText(h));
}

void expectSameParameters(const Hull& a, const Hull& b, const std::string& what) {
    for (int i = 0; i <= 4; ++i) {
        for (const auto f : {&Hull::XFwd, &Hull::YFwd, &Hull::ZFwd, &Hull::XMax, &Hull::YMax,
                             &Hull::ZMax, &Hull::XAft, &Hull::YAft, &Hull::ZAft})
            EXPECT_NEAR((a.*f)[i], (b.*f)[i], 1e-14 * (1 + std::fabs((a.*f)[i]))) << what;
        EXPECT_EQ(a.PlankAngle[i], b.PlankAngle[i]) << what;
    }
    EXPECT_EQ(a.KeelAdvance, b.KeelAdvance);
    EXPECT_EQ(a.StemAngle, b.StemAngle);
    EXPECT_EQ(a.TransomAngle, b.TransomAngle);
    EXPECT_EQ(a.StemTurnIn, b.StemTurnIn) << what;
    EXPECT_EQ(a.TransomTurnIn, b.TransomTurnIn) << what;
    EXPECT_EQ(a.MaxBeamIndex, b.MaxBeamIndex) << what;
}

TEST(HullDataFile, RandomHullsRoundTrip) {
    Hull blank;
    SetDefaultHull(blank);
    for (uint32_t seed = 1; seed <= 200; ++seed) {
        Hull h = test::RandomHull(seed);
        h.HullFileName = "r" + std::to_string(seed);
        const std::string text = HullDataText(h);
        const HullReadResult r = ReadHullData(text, h.HullFileName + ".D50", blank);
        ASSERT_TRUE(r.hull.has_value()) << r.error;
        const std::string what = "seed " + std::to_string(seed);
        expectSameParameters(*r.hull, h, what);
        for (int i = 0; i <= 4; ++i)
            for (int p = 0; p <= 82; ++p) {
                ASSERT_NEAR(r.hull->LineX[i][p], h.LineX[i][p], 1e-9) << what;
                ASSERT_NEAR(r.hull->LineY[i][p], h.LineY[i][p], 1e-9) << what;
                ASSERT_NEAR(r.hull->LineZ[i][p], h.LineZ[i][p], 1e-9) << what;
            }
        for (int j = 0; j <= 83; ++j)
            ASSERT_NEAR(r.hull->BottomRulingX[1][j], h.BottomRulingX[1][j], 1e-9) << what;
        // What was read writes back byte for byte.
        EXPECT_EQ(HullDataText(*r.hull), text) << what;
    }
}

TEST(HullDataFile, OpeningSetsTheMaxBeamIndexTheFileDoesNotStore) {
    Hull startUp;
    SetDefaultHull(startUp);
    ASSERT_EQ(startUp.MaxBeamIndex, 0);
    const Hull saved = defaultNamed("boat");
    const HullReadResult r = ReadHullData(HullDataText(saved), "/x/boat.D50", startUp);
    ASSERT_TRUE(r.hull.has_value()) << r.error;
    EXPECT_EQ(r.hull->MaxBeamIndex, 41);
    EXPECT_EQ(r.hull->HullFileName, "boat");
    EXPECT_NEAR(r.hull->BottomRulingX[0][42], saved.BottomRulingX[0][42], 1e-12);
    EXPECT_NEAR(r.hull->BottomRulingX[1][60], saved.BottomRulingX[1][60], 1e-12);
}

TEST(HullDataFile, DecimalCommasAndNoHeader) {
    const Hull saved = defaultNamed("boat");
    auto lines = splitCrLf(HullDataText(saved));
    for (std::size_t i = 2; i < lines.size(); ++i)
        for (char& c : lines[i])
            if (c == '.') c = ',';
    Hull start;
    SetDefaultHull(start);
    HullReadResult r = ReadHullData(joinCrLf(lines), "boat.D50", start);
    ASSERT_TRUE(r.hull.has_value()) << r.error;
    EXPECT_EQ(r.hull->PowerFwd, 2.5);
    expectSameParameters(*r.hull, saved, "commas");

    // No header, no "&": every flag normal.
    start.StemTurnIn[2] = start.TransomTurnIn[3] = -1;
    lines = splitCrLf(HullDataText(saved));
    lines.erase(lines.begin());
    lines[0] = "RRRR";
    r = ReadHullData(joinCrLf(lines), "boat.D50", start);
    ASSERT_TRUE(r.hull.has_value()) << r.error;
    EXPECT_EQ(r.hull->StemTurnIn[2], 1);
    EXPECT_EQ(r.hull->TransomTurnIn[3], 1);
    EXPECT_EQ(r.hull->PowerFwd, 2.5);
}

TEST(HullDataFile, TurnInLettersAndAHeaderWithAComma) {
    Hull saved = defaultNamed("my,boat");
    saved.StemTurnIn[2] = saved.StemTurnIn[3] = -1;
    saved.TransomTurnIn[3] = -1;
    const std::string text = HullDataText(saved);
    EXPECT_EQ(splitCrLf(text)[1], "&RNRR");
    Hull start;
    SetDefaultHull(start);
    const HullReadResult r = ReadHullData(text, "my,boat.D50", start);
    ASSERT_TRUE(r.hull.has_value()) << r.error;
    EXPECT_EQ(r.hull->StemTurnIn[2], -1);
    EXPECT_EQ(r.hull->TransomTurnIn[2], 1);
    EXPECT_EQ(r.hull->StemTurnIn[3], -1);
    EXPECT_EQ(r.hull->TransomTurnIn[3], -1);
    EXPECT_EQ(r.hull->PowerFwd, 2.5);  // the header's comma does not shift the values
    EXPECT_EQ(r.hull->TurnInFlags, "RNRR");
}

TEST(HullDataFile, OldFormatHasNoForwardSShape) {
    Hull saved = defaultNamed("old");
    saved.ShapeSFwd = 0.7;
    auto lines = splitCrLf(HullDataText(saved));
    lines.erase(lines.begin() + 5);  // line 6, the forward S shape
    Hull start;
    SetDefaultHull(start);
    start.ShapeSFwd = 3;
    const HullReadResult r = ReadHullData(joinCrLf(lines), "dir.D50/old.d51", start);
    ASSERT_TRUE(r.hull.has_value()) << r.error;
    EXPECT_EQ(r.hull->ShapeSFwd, 0);
    EXPECT_EQ(r.hull->ShapeSAft, 1);
    EXPECT_EQ(r.hull->KeelAdvance, 45);
    saved.ShapeSFwd = 0;
    expectSameParameters(*r.hull, saved, "d51");
}

TEST(HullDataFile, EarlyEndCopiesTheLineBelow) {
    const Hull saved = defaultNamed("early");
    auto lines = splitCrLf(HullDataText(saved));
    lines.resize(9 + 14 * 4);
    lines.push_back("EOF ");
    Hull start;
    SetDefaultHull(start);
    const HullReadResult r = ReadHullData(joinCrLf(lines), "early.D50", start);
    ASSERT_TRUE(r.hull.has_value()) << r.error;
    const Hull& h = *r.hull;
    EXPECT_EQ(h.PlankAngle[3], saved.PlankAngle[2]);
    EXPECT_EQ(h.PlankAngle[4], saved.PlankAngle[2]);
    EXPECT_EQ(h.ZFwd[4], saved.ZFwd[3]);
    EXPECT_EQ(h.PlaneZY[4], h.PlaneZY[3]);
    // The plank above chine 3 meets chine 3's own plane on chine 3.
    for (int p = 0; p <= 82; ++p) {
        EXPECT_NEAR(h.LineY[4][p], h.LineY[3][p], 1e-12);
        EXPECT_NEAR(h.LineZ[4][p], h.LineZ[3][p], 1e-12);
    }
}

// Every refused file: an error naming the file, and no hull.
void expectRefused(const std::string& content, const std::string& reasonPart) {
    Hull start = test::ValidatedDefaultHull();
    const HullReadResult r = ReadHullData(content, "/boats/bad.D50", start);
    EXPECT_FALSE(r.hull.has_value()) << reasonPart;
    EXPECT_NE(r.error.find("/boats/bad.D50"), std::string::npos) << r.error;
    EXPECT_NE(r.error.find(reasonPart), std::string::npos) << r.error;
}

TEST(HullDataFile, RefusedFiles) {
    const auto lines = splitCrLf(HullDataText(defaultNamed("bad")));
    auto cut = lines;
    cut.resize(40);
    expectRefused(joinCrLf(cut), "ends too early");
    expectRefused("", "ends too early");
    for (const std::size_t block : {0u, 1u}) {
        auto early = lines;
        early.resize(9 + 14 * block);
        early.push_back("EOF ");
        expectRefused(joinCrLf(early), "EOF");
    }
    auto huge = lines;
    huge[11] = " 1e999";
    expectRefused(joinCrLf(huge), "not a finite number");
    auto wide = lines;
    wide[6] = " 40000";
    expectRefused(joinCrLf(wide), "16-bit");
    auto zeroLength = lines;
    for (std::size_t b = 0; b < 5; ++b) zeroLength[9 + 14 * b + 2] = " 0";  // LWL 0
    expectRefused(joinCrLf(zeroLength), "do not describe a hull");
}

TEST(HullDataFile, OpenRefusesMissingFoldersAndOversizedFiles) {
    TempDir dir;
    Hull start;
    SetDefaultHull(start);
    HullReadResult r = OpenHullData(dir / "none.D50", start);
    EXPECT_FALSE(r.hull.has_value());
    EXPECT_NE(r.error.find("none.D50"), std::string::npos);
    r = OpenHullData(dir / "", start);
    EXPECT_FALSE(r.hull.has_value());
    const Hull saved = defaultNamed("big");
    std::ofstream(dir / "big.D50", std::ios::binary)
        << HullDataText(saved) << std::string(kMaxHullFileSize, ' ');
    r = OpenHullData(dir / "big.D50", start);
    EXPECT_FALSE(r.hull.has_value());
    EXPECT_NE(r.error.find("too large"), std::string::npos) << r.error;
    std::ofstream(dir / "ok.D50", std::ios::binary) << HullDataText(saved);
    r = OpenHullData(dir / "ok.D50", start);
    ASSERT_TRUE(r.hull.has_value()) << r.error;
    EXPECT_EQ(r.hull->HullFileName, "ok");
}

// The file a save writes, and whether the user must be asked first.
TEST(HullDataFile, SaveTargets) {
    TempDir dir;
    std::ofstream(dir / "taken.D50") << "x";
    std::ofstream(dir / "hull.D50") << "x";
    struct Case {
        std::string chosen;  // relative to the folder ("" alone: the empty name)
        std::string path;    // relative; empty when refused
        bool replacesOther;
    };
    const std::vector<Case> cases = {
        {"boat", "boat.D50", false},              // a new file
        {"boat.D50", "boat.D50", false},          // exactly the name given
        {"taken", "taken.D50", true},             // not the name given, and it exists
        {"taken.D50", "taken.D50", false},        // the name given: replacing it was asked for
        {"hull.old.D50", "hull.D50", true},       // cut before the first "."
        {"taken.d50", "taken.D50", true},         // another file on this file system
        {"my\nboat.D50", "my\nboat.D50", false},  // a line break stays in the file's name
        {"", "", false},                          // nothing before the first "."
        {".D50", "", false},
        {".hidden.D50", "", false},
        {"sub.d/", "", false},
    };
    for (const Case& c : cases) {
        const SaveTarget t = HullDataSaveTarget(dir / c.chosen);
        EXPECT_EQ(t.error.empty(), !c.path.empty()) << c.chosen << ": " << t.error;
        if (c.path.empty()) continue;
        EXPECT_EQ(t.path, dir / c.path) << c.chosen;
        EXPECT_EQ(t.replacesOther, c.replacesOther) << c.chosen;
    }
    const SaveTarget none = HullDataSaveTarget("");
    EXPECT_EQ(none.error, "no file name given");
    EXPECT_NE(HullDataSaveTarget(dir / ".D50").error.find(dir / ".D50: "), std::string::npos);
}

mode_t modeOf(const std::string& path) {
    struct stat st {};
    return lstat(path.c_str(), &st) == 0 ? st.st_mode : 0;
}

// Saving to targets of its own kinds: what is written where, and what is refused with nothing
// written and the hull untouched (links, read-only files and the rest are the safe writer's).
TEST(HullDataFile, SavingToEveryKindOfTarget) {
    struct Case {
        const char* what;
        std::function<void(const TempDir&)> lay;
        std::string chosen;   // relative to the folder
        std::string written;  // the file that holds the hull afterwards; empty: refused
        std::string name;     // the hull's name once saved
        std::function<void(const TempDir&)> check;
    };
    const std::vector<Case> cases = {
        {"a dotted name over the file it writes (the caller has agreed)",
         [](const TempDir& d) { std::ofstream(d / "hull.D50") << "old"; }, "hull.old.D50",
         "hull.D50", "hull", nullptr},
        {"a line break in the name", [](const TempDir&) {}, "my\nboat.D50", "my\nboat.D50",
         "myboat",
         [](const TempDir& d) {
             EXPECT_EQ(Slurp(d / "my\nboat.D50").substr(0, 22), "myboat - Voriel 2000\r\n");
         }},
        {"a FIFO", [](const TempDir& d) { mkfifo((d / "boat.D50").c_str(), 0644); }, "boat.D50", "",
         "", [](const TempDir& d) { EXPECT_TRUE(S_ISFIFO(modeOf(d / "boat.D50"))); }},
        {"nothing before the first point", [](const TempDir&) {}, ".D50", "", "", nullptr},
        {"a folder's name ending in /", [](const TempDir&) {}, "", "", "", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        c.lay(dir);
        const std::vector<std::string> before = dir.entries();
        Hull h = test::ValidatedDefaultHull();
        const auto err = SaveHullData(h, dir / c.chosen);
        if (c.written.empty()) {
            ASSERT_TRUE(err.has_value());
            EXPECT_EQ(std::count(err->begin(), err->end(), '\n'), 0) << *err;
            EXPECT_EQ(h.HullFileName, "VORIEL2000");
            EXPECT_EQ(dir.entries(), before);
        } else {
            ASSERT_FALSE(err.has_value()) << *err;
            EXPECT_EQ(h.HullFileName, c.name);
            EXPECT_EQ(Slurp(dir / c.written), HullDataText(h));
            const std::string saved = HullDataSaveTarget(dir / c.chosen).path;
            const HullReadResult back = OpenHullData(saved, test::ValidatedDefaultHull());
            ASSERT_TRUE(back.hull.has_value()) << back.error;
            EXPECT_EQ(back.hull->HullFileName, c.name);
            expectSameParameters(*back.hull, h, c.what);
        }
        if (c.check) c.check(dir);
    }
}

// Opening every kind of file: a FIFO is refused without waiting for a writer.
TEST(HullDataFile, OpeningEveryKindOfFile) {
    TempDir dir;
    const std::string text = HullDataText(defaultNamed("x"));
    std::ofstream(dir / "boat.D50", std::ios::binary) << text;
    std::ofstream(dir / "my\nboat.D50", std::ios::binary) << text;
    symlink("boat.D50", (dir / "link.D50").c_str());
    mkfifo((dir / "pipe.D50").c_str(), 0644);
    mkdir((dir / "folder.D50").c_str(), 0755);
    struct Case {
        std::string path;
        std::string name;   // the hull's name when read
        std::string error;  // else the whole error
    };
    const std::vector<Case> cases = {
        {dir / "boat.D50", "boat", ""},
        {dir / "link.D50", "link", ""},
        {dir / "my\nboat.D50", "myboat", ""},
        {dir / "pipe.D50", "", dir / "pipe.D50: this is not a regular file"},
        {"/dev/zero", "", "/dev/zero: this is not a regular file"},
        {dir / "folder.D50", "", dir / "folder.D50: Is a directory"},
        {dir / "no\nfile.D50", "", dir / "no\\nfile.D50: No such file or directory"},
    };
    for (const Case& c : cases) {
        // Run apart, so that a read waiting on a FIFO fails the test instead of hanging it.
        EXPECT_TRUE(test::FinishesWithin(10, [&c] {
            const HullReadResult r = OpenHullData(c.path, test::ValidatedDefaultHull());
            return c.error.empty() ? r.hull && r.hull->HullFileName == c.name
                                   : !r.hull && r.error == c.error;
        })) << c.path;
    }
}

// A file whose lines have shifted is refused: each block must open with its own marker.
TEST(HullDataFile, ShiftedLinesAreRefused) {
    const auto lines = splitCrLf(HullDataText(defaultNamed("boat")));
    using Edit = std::function<void(std::vector<std::string>&)>;
    const std::vector<std::pair<const char*, Edit>> cases = {
        // What the writer once wrote for a file named "my<LF>boat.D50".
        {"a line break in the header",
         [](auto& l) {
             l[0] = "boat - Voriel 2000";
             l.insert(l.begin(), "my");
         }},
        {"a line lost in block 2", [](auto& l) { l.erase(l.begin() + 9 + 14 * 2 + 5); }},
        {"a line added in block 0", [](auto& l) { l.insert(l.begin() + 12, " 1"); }},
        {"the marker of another block", [](auto& l) { l[9 + 14] = "LINE  3"; }},
        {"no marker", [](auto& l) { l[9 + 14 * 3] = " 50"; }},
    };
    for (const auto& [what, edit] : cases) {
        auto edited = lines;
        edit(edited);
        expectRefused(joinCrLf(edited), "where the marker \"LINE  ");
    }
}

// The data file with the values of `edits` (1-based line, text), as a user's editor leaves it.
std::string editedDefault(const std::vector<std::pair<std::size_t, std::string>>& edits) {
    auto lines = splitCrLf(HullDataText(defaultNamed("bad")));
    for (const auto& [line, text] : edits) lines[line - 1] = text;
    return joinCrLf(lines);
}

TEST(HullDataFile, ValuesNoScreenCouldProduceAreRefused) {
    const std::vector<std::vector<std::pair<std::size_t, std::string>>> cases = {
        {{15, " 0"}, {18, "-25"}, {29, "-25"}, {30, " 0"}},  // sections NaN
        {{3, " 1E+200"}},                                    // PowerFwd: developments NaN
        {{63, " 1E+200"}},                                   // a sheer plane: transom NaN
    };
    for (const auto& edits : cases) expectRefused(editedDefault(edits), "do not describe a hull");
}

TEST(HullDataFile, AQuotedLineIsCutShort) {
    const std::string digits = " 1" + std::string(5000, '0');
    const Hull start = test::ValidatedDefaultHull();
    const HullReadResult r = ReadHullData(editedDefault({{12, digits}}), "/b/bad.D50", start);
    ASSERT_FALSE(r.hull.has_value());
    EXPECT_EQ(r.error, "/b/bad.D50: line 12 (line value) is not a finite number: \" 1" +
                           std::string(38, '0') + "…\"");
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
