// The lines XYZ table against its layout, in both languages.
#include <gtest/gtest.h>

#include <sstream>

#include "board/station_sections.h"
#include "export/layout_check.h"
#include "export/lines_xyz.h"
#include "support/test_hulls.h"

namespace voriel {
namespace {

struct Titles {
    const char* line;
    const char* keel;
    const char* chine;
    const char* transom;
    const char* station;
    const char* stem;
    const char* keelRow;
};
const Titles kFrench{"LIGNE ", " Quille", " Bouchain ", "TABLEAU", "COUPLE", "ETRAVE", "QUILLE"};
const Titles kEnglish{"LINE ", " Keel", " Chine ", "TRANSOM", "STATION", "STEM", "KEEL"};

const char* const kHeader = "     X \t     Y \t     Z";

void section(test::ExpectedFile& e, const BoardState& b, int p, const Titles& t) {
    e.line(kHeader);
    for (int j = 13; j >= 0; --j)
        e.numbers("@S\t@S\t@S", {b.StationPtX[p][j], b.StationPtY[p][j], b.StationPtZ[p][j]});
    e.line(t.keelRow);
    for (int j = 0; j <= 13; ++j)
        e.numbers("@S\t@S\t@S", {b.StationPtX[p][j], -b.StationPtY[p][j], b.StationPtZ[p][j]});
}

test::ExpectedFile expectedLinesXyz(const Hull& h, const BoardState& b, const Titles& t) {
    test::ExpectedFile e;
    e.line(h.HullFileName + "\tVoriel 2000");
    for (int j = 0; j <= 4; ++j) {
        e.line(std::string(t.line) + "\t" + (j == 0 ? t.keel : t.chine + std::to_string(j)));
        e.line(kHeader);
        for (int i = 0; i <= 82; ++i)
            e.numbers("@S\t@S\t@S", {h.LineX[j][i], h.LineY[j][i], h.LineZ[j][i]});
        e.line("");
    }
    e.line(t.transom);
    section(e, b, 0, t);
    e.line("");
    for (int p = 1; p <= 81; p += 4) {
        e.line(std::string(t.station) + "\t " + std::to_string(p) + " ");
        section(e, b, p, t);
        e.line("");
    }
    e.line(t.stem);
    section(e, b, 82, t);
    e.line("EOF");
    return e;
}

std::string linesXyz(const Hull& h) {
    BoardState b;
    ComputeAllStationSections(h, b);
    std::ostringstream out;
    WriteLinesXyz(out, h, b);
    return out.str();
}

TEST(LinesXyz, DefaultHullInBothLanguagesFollowsTheLayoutLineByLine) {
    Hull h = test::ValidatedDefaultHull();
    BoardState b;
    ComputeAllStationSections(h, b);
    h.Language = 0;
    EXPECT_TRUE(expectedLinesXyz(h, b, kFrench).matches(linesXyz(h)));
    h.Language = 1;
    EXPECT_TRUE(expectedLinesXyz(h, b, kEnglish).matches(linesXyz(h)));
    h.Language = 7;  // anything but 0 is English
    EXPECT_TRUE(expectedLinesXyz(h, b, kEnglish).matches(linesXyz(h)));
}

TEST(LinesXyz, RandomHullsFollowTheLayoutLineByLine) {
    for (uint32_t seed = 100; seed < 120; ++seed) {
        Hull h = test::RandomHull(seed);
        h.Language = static_cast<int16_t>(seed % 2);
        BoardState b;
        ComputeAllStationSections(h, b);
        EXPECT_TRUE(expectedLinesXyz(h, b, seed % 2 ? kEnglish : kFrench).matches(linesXyz(h)))
            << "seed " << seed;
    }
}

TEST(LinesXyz, ZeroCarriesAPlusSign) {
    EXPECT_EQ(SignedXyzNumber(0.0), " +0.000 ");
    EXPECT_EQ(SignedXyzNumber(-0.0), " +0.000 ");  // the keel's half breadth negated
    EXPECT_EQ(SignedXyzNumber(2.5), " +2.500 ");
    EXPECT_EQ(SignedXyzNumber(-0.1234), " -0.123 ");
    EXPECT_EQ(SignedXyzNumber(-12.0006), " -12.001 ");
}

TEST(LinesXyz, KeelRowsOfEverySectionCarryZeroHalfBreadthWithPlus) {
    std::vector<std::string> lines;
    ASSERT_TRUE(test::SplitCrLf(linesXyz(test::ValidatedDefaultHull()), lines));
    // The two rows around each "QUILLE" title are the keel point of both halves of a section.
    int keelTitles = 0;
    for (std::size_t i = 1; i + 1 < lines.size(); ++i) {
        if (lines[i] != "QUILLE") continue;
        ++keelTitles;
        for (const std::string& row : {lines[i - 1], lines[i + 1]})
            EXPECT_NE(row.find("\t +0.000 \t"), std::string::npos) << row;
    }
    EXPECT_EQ(keelTitles, 1 + 21 + 1);
}

}  // namespace
}  // namespace voriel
