// The development XYZ tables against their layouts, and the files the command proposes.
#include <gtest/gtest.h>

#include <sstream>

#include "board/station_sections.h"
#include "develop/end_plates.h"
#include "develop/panel_development.h"
#include "export/development_xyz.h"
#include "export/export_commands.h"
#include "export/layout_check.h"
#include "support/test_hulls.h"

namespace voriel {
namespace {

std::string twoDigits(int p) {
    return (p < 10 ? " 0" : " ") + std::to_string(p) + " ";
}

void edgeRows(test::ExpectedFile& e, const char* title, const std::array<double, kDevPointCount>& x,
              const std::array<double, kDevPointCount>& y, int n) {
    e.line(title);
    e.line(" point\t    X \t    Y ");
    for (int p = 0; p <= n; ++p) e.numbers(twoDigits(p) + "\t@P\t@P", {x[p], y[p]});
    e.line("");
}

test::ExpectedFile expectedPlate(const std::string& name, int code, const Development& d) {
    test::ExpectedFile e;
    e.line(name);
    const int n = code == 0 ? 83 : 82;
    if (code < 10) {
        e.line("Plank \t" + std::to_string(code) + "\tdevelopment created with Voriel 2000");
        edgeRows(e, "Lower edge from transom to stem", d.DevXi, d.DevYi, n);
        edgeRows(e, "Upper edge from transom to stem", d.DevXs, d.DevYs, n);
    } else {
        e.line("Half Deck \t" + std::to_string(code - 10) +
               "\tdevelopment created with Voriel 2000");
        edgeRows(e, "Outer edge from transom to stem", d.DevXs, d.DevYs, n);
    }
    e.line("EOF");
    return e;
}

test::ExpectedFile expectedEndPlate(const std::string& name, const EndPlateDev& d, bool bow) {
    test::ExpectedFile e;
    e.line(name);
    e.line(bow ? "Half Bow plate development  created with Voriel 2000"
               : "Half Transom development created with Voriel 2000");
    e.line("");
    e.line("Lower part");
    e.line("    Y \t    Z ");
    for (int p = 0; p <= 11; ++p) e.numbers("@P\t@P", {d[p].half, d[p].slant});
    e.numbers("@P\t@P", {0.0, d[11].slant});
    e.line("");
    e.line("Upper part");
    e.line("    Y \t    Z ");
    e.numbers("@P\t@P", {0.0, d[11].slant});
    for (int p = 11; p <= 13; ++p) e.numbers("@P\t@P", {d[p].half, d[p].slant});
    e.numbers("@P\t@P", {0.0, d[13].slant});
    e.line("");
    e.line(bow ? "EOF" : "EOF ");
    return e;
}

BoardState redrawn(const Hull& h, int16_t stage) {
    BoardState b;
    b.ChineView = stage;
    ComputeAllStationSections(h, b);
    return b;
}

// A hull with a pram bow: chine 1 has a half width at the forefoot.
Hull pramBowHull() {
    for (uint32_t seed = 1;; ++seed) {
        Hull h = test::RandomHull(seed);
        if (HasBowPlate(h)) return h;
    }
}

TEST(DevelopmentXyz, EveryTableOfTheDefaultHullFollowsItsLayout) {
    Hull h = test::ValidatedDefaultHull();
    h.HullFileName = "A HULL NAME LONGER THAN FIFTEEN";
    const BoardState b = redrawn(h, 1);
    const Panel panels[] = {Panel::Bottom, Panel::Plank1, Panel::Plank2, Panel::Plank3,
                            Panel::Deck1,  Panel::Deck2,  Panel::Deck3,  Panel::Deck4};
    const int codes[] = {0, 1, 2, 3, 11, 12, 13, 14};
    const auto files = DevelopmentXyzCommand(h, b);
    ASSERT_EQ(files.size(), 9u);  // no pram bow on the default hull
    for (int k = 0; k < 8; ++k) {
        const Development d = DevelopPanel(h, panels[k]);
        EXPECT_TRUE(expectedPlate(h.HullFileName, codes[k], d).matches(ExportText(files[k], h, b)))
            << "code " << codes[k];
    }
    EXPECT_TRUE(expectedEndPlate(h.HullFileName, ComputeTransomDev(b), false)
                    .matches(ExportText(files[8], h, b)));
}

TEST(DevelopmentXyz, BowPlateTableOfAPramBowHull) {
    const Hull h = pramBowHull();
    const BoardState b = redrawn(h, 1);
    const auto files = DevelopmentXyzCommand(h, b);
    ASSERT_EQ(files.size(), 10u);
    EXPECT_EQ(files[9].kind, ExportKind::BowPlateXyz);
    EXPECT_TRUE(expectedEndPlate(h.HullFileName, ComputeBowPlateDev(b), true)
                    .matches(ExportText(files[9], h, b)));
}

TEST(DevelopmentXyz, RandomHullsFollowTheLayouts) {
    for (uint32_t seed = 400; seed < 415; ++seed) {
        const Hull h = test::RandomHull(seed);
        const BoardState b = redrawn(h, 1);
        const auto files = DevelopmentXyzCommand(h, b);
        ASSERT_EQ(files.size(), HasBowPlate(h) ? 10u : 9u);
        EXPECT_TRUE(expectedPlate(h.HullFileName, 0, DevelopPanel(h, Panel::Bottom))
                        .matches(ExportText(files[0], h, b)))
            << seed;
        EXPECT_TRUE(expectedPlate(h.HullFileName, 3, DevelopPanel(h, Panel::Plank3))
                        .matches(ExportText(files[3], h, b)))
            << seed;
        EXPECT_TRUE(expectedPlate(h.HullFileName, 14, DevelopPanel(h, Panel::Deck4))
                        .matches(ExportText(files[7], h, b)))
            << seed;
        EXPECT_TRUE(expectedEndPlate(h.HullFileName, ComputeTransomDev(b), false)
                        .matches(ExportText(files[8], h, b)))
            << seed;
    }
}

TEST(DevelopmentXyz, ProposedFilesTitlesAndFiltersAtBothStages) {
    Hull h = test::ValidatedDefaultHull();
    h.HullFileName = "ABCDEFGHIJKLMNOPQRST";
    const auto stage0 = DevelopmentXyzCommand(h, redrawn(h, 0));
    ASSERT_EQ(stage0.size(), 2u);  // only the bottom and the deck at chine 1
    EXPECT_EQ(stage0[0].dialog.proposedName, "ABCDEFGHIJKLMNO_P0.XYZ");
    EXPECT_EQ(stage0[1].dialog.proposedName, "ABCDEFGHIJKLMNO_D1.XYZ");

    const Hull bow = [] {
        Hull p = pramBowHull();
        p.HullFileName = "Sloop";
        return p;
    }();
    const auto stage1 = DevelopmentXyzCommand(bow, redrawn(bow, 1));
    std::vector<std::string> names;
    for (const auto& f : stage1) names.push_back(f.dialog.proposedName);
    EXPECT_EQ(names, (std::vector<std::string>{"Sloop_P0.XYZ", "Sloop_P1.XYZ", "Sloop_P2.XYZ",
                                               "Sloop_P3.XYZ", "Sloop_D1.XYZ", "Sloop_D2.XYZ",
                                               "Sloop_D3.XYZ", "Sloop_D4.XYZ", "Sloop_TR.XYZ",
                                               "Sloop_BOW.XYZ"}));
    EXPECT_EQ(stage1[0].dialog.title, "Voriel2000 - Save developed plank as XYZ file");
    EXPECT_EQ(stage1[0].dialog.filter, "Plank (*_P*.XYZ)|*.XYZ");
    EXPECT_EQ(stage1[4].dialog.title, "Voriel2000 - Save developed deck as XYZ file");
    EXPECT_EQ(stage1[4].dialog.filter, "Deck (*_D*.XYZ)|*.XYZ");  // shows the deck tables
    EXPECT_EQ(stage1[8].dialog.title, "Voriel2000 - Save Transom as XYZ file");
    EXPECT_EQ(stage1[8].dialog.filter, "Transom (*_TR.XYZ)|*.XYZ");
    EXPECT_EQ(stage1[9].dialog.title, "Voriel2000 - Save bow plate as XYZ file");
    EXPECT_EQ(stage1[9].dialog.filter, "Bow (*_BOW.XYZ)|*.XYZ");
    for (const auto& f : stage1) EXPECT_FALSE(f.namesHull);
}

TEST(DevelopmentXyz, NamesAreCutByCharactersNotBytes) {
    Hull h = test::ValidatedDefaultHull();
    h.HullFileName = "BÂTEAU À BORDÉS 2026";  // accented letters take two bytes each
    const auto files = DevelopmentXyzCommand(h, redrawn(h, 0));
    EXPECT_EQ(files[0].dialog.proposedName, "BÂTEAU À BORDÉS_P0.XYZ");
}

TEST(DevelopmentXyz, BowPlateOnlyAboveAMillimetreOfForefootHalfWidth) {
    Hull h = pramBowHull();
    h.YFwd[Chine1] = 0.001;  // at the limit the bow is a stem: no plate, as on the board
    EXPECT_EQ(DevelopmentXyzCommand(h, redrawn(h, 1)).size(), 9u);
    h.YFwd[Chine1] = 0.0011;
    EXPECT_EQ(DevelopmentXyzCommand(h, redrawn(h, 1)).size(), 10u);
}

}  // namespace
}  // namespace voriel
