// Mass budget: areas against closed forms and bounds, the table as the window shows it, the
// totals summed from the texts displayed, and the entries refused with everything kept.
#include "hydro/mass_budget.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <tuple>

#include "hydro/prism_hull.h"
#include "support/test_hulls.h"
#include "text/number_text.h"

namespace voriel {
namespace {

const std::vector<std::pair<double, double>> kSection(test::kPrismSection.begin(),
                                                      test::kPrismSection.end());

TEST(MassAreas, PrismPlatesDecksAndEndsAreTheirClosedForms) {
    const MassAreas a = ComputeMassAreas(test::PrismHull());
    const auto& sec = test::kPrismSection;
    const double len = test::kPrismLength;
    for (int k = 0; k < 4; ++k) {
        const double side =
            std::hypot(sec[k].first - sec[k + 1].first, sec[k].second - sec[k + 1].second);
        EXPECT_NEAR(a.PlateArea[k], 2 * side * len, 1e-12) << k;
        EXPECT_NEAR(a.PlateCentreX[k], len / 2, 1e-12) << k;
        EXPECT_NEAR(a.DeckArea[k], 2 * sec[k + 1].first * len, 1e-12) << k;
        EXPECT_NEAR(a.DeckCentreX[k], len / 2, 1e-12) << k;
    }
    // Upright ends: each plate is the whole section, keel to sheer.
    const double section = test::AreaBelow(kSection, sec[4].second).area;
    EXPECT_NEAR(a.TransomArea, section, 1e-12);
    EXPECT_NEAR(a.BowPlateArea, section, 1e-12);
    EXPECT_EQ(a.TransomCentreX, 0.0);
    EXPECT_NEAR(a.BowPlateCentreX, len, 1e-12);
    // A transom leaning aft is the section stretched along its plane.
    Hull h = test::PrismHull();
    const double lean = 0.3;  // m aft per m up
    for (int k = 0; k <= Sheer; ++k) h.LineX[k][0] = -lean * h.LineZ[k][0];
    const MassAreas leaning = ComputeMassAreas(h);
    EXPECT_NEAR(leaning.TransomArea, section * std::sqrt(1 + lean * lean), 1e-12);
    EXPECT_LT(leaning.TransomCentreX, 0.0);
    EXPECT_GT(leaning.TransomCentreX, -lean * 2.0);
}

// A pointed bow and a sheer on chine 3 leave nothing to cover: no area and the centre at 0.
TEST(MassAreas, NothingToCoverHasNoAreaAndCentreZero) {
    Hull h = test::PrismHull();
    for (int k = 0; k <= Sheer; ++k) h.LineY[k][82] = 0.0;
    h.LineZ[Sheer] = h.LineZ[Chine3];
    h.LineY[Sheer] = h.LineY[Chine3];
    const MassAreas a = ComputeMassAreas(h);
    for (double v : {a.BowPlateArea, a.BowPlateCentreX, a.PlateArea[3], a.PlateCentreX[3]})
        EXPECT_EQ(v, 0.0);
}

// On hulls a builder can enter every plate has an area and its centre lies within the length of
// the lines it covers (that every area is finite, AllResultsFinite checks).
TEST(MassAreas, RandomHullPlatesAreCentredOnTheirLines) {
    for (uint32_t seed = 1; seed <= 300; ++seed) {
        const Hull h = test::RandomHull(seed);
        const MassAreas a = ComputeMassAreas(h);
        for (int k = 0; k < 4; ++k) {
            const auto [lo1, hi1] = std::minmax_element(h.LineX[k].begin(), h.LineX[k].end());
            const auto [lo2, hi2] =
                std::minmax_element(h.LineX[k + 1].begin(), h.LineX[k + 1].end());
            EXPECT_GT(a.PlateArea[k], 0.0) << seed;
            EXPECT_GE(a.PlateCentreX[k], std::min(*lo1, *lo2)) << seed;
            EXPECT_LE(a.PlateCentreX[k], std::max(*hi1, *hi2)) << seed;
        }
    }
}

// Texts typed in boxes: column 1..4 (density, area, mass, position), row, text.
using Typed = std::tuple<int, int, std::string>;

// The default hull's table as activated.
struct Budget {
    Hull hull = test::ValidatedDefaultHull();
    MassBudget budget;
    MassTotals totals;
    MassTable table;
    Budget() { table = ActivateMassTable(hull, budget, totals); }
    std::optional<EntryError> compute() { return ComputeMassBudget(hull, budget, table, totals); }
    std::string& box(int column, int row) {
        return (
            *std::array{&table.Text1, &table.Text2, &table.Text3, &table.Text4}[column - 1])[row];
    }
    template <typename Entries>
    void type(const Entries& entries) {
        for (const auto& [column, row, text] : entries) box(column, row) = text;
    }
};

// No lines yet: nothing to cover (a centre of 0/0 would be refused), no mass, centre zero.
TEST(MassTable, ActivationOfAHullWithoutLinesShowsNoMass) {
    Hull empty;
    MassBudget budget;
    MassTotals totals{123, 4};
    const MassTable t = ActivateMassTable(empty, budget, totals);
    EXPECT_EQ(totals.TotalMass, 0.0);
    EXPECT_EQ(totals.MassCentreX, 0.0);
    EXPECT_EQ(t.Text4[0], "0.000");
    EXPECT_EQ(t.Text3[0], " 0.000");
    EXPECT_EQ(t.Text2[0], " 0.000");
}

// The totals add up the rounded values shown (the default table's rows and totals are the golden
// mass texts'): six loads of 0.4 g each show as 0.000 kg and weigh nothing in the total.
TEST(MassTable, TotalsAddUpTheRoundedValuesShown) {
    Budget b;
    for (int n = 13; n <= 18; ++n) b.table.Text3[n] = "0.0004";
    const double before = b.totals.TotalMass;
    ASSERT_FALSE(b.compute());
    EXPECT_EQ(b.totals.TotalMass, before);
    // A negative mass is summed as entered.
    const double centre = b.totals.MassCentreX;
    b.table.Text3[13] = "-50";
    b.table.Text4[13] = "1";
    ASSERT_FALSE(b.compute());
    EXPECT_NEAR(b.totals.TotalMass, before - 50, 1e-9);
    EXPECT_NEAR(b.totals.MassCentreX, (before * centre - 50) / (before - 50), 0.001);
    EXPECT_EQ(b.table.Text3[13], "-50.000");
    // A large but finite row is summed.
    b.table.Text1[1] = "1e300";
    ASSERT_FALSE(b.compute());
    const double row = Val(b.table.Text3[1]);
    EXPECT_TRUE(std::isfinite(row) && row > 1e300);
    EXPECT_GE(b.totals.TotalMass, row);
    EXPECT_TRUE(std::isfinite(b.totals.MassCentreX));
}

// Plates weigh at least 0.1 kg/m2 (the bow plate may weigh nothing; a plank's clamp the golden
// mass texts show), negative densities and bulkhead areas become 0, positions are held within
// the hull.
TEST(MassTable, EntriesAreHeldWithinTheirLimits) {
    Budget b;
    const Typed typed[] = {
        {1, 6, "0.04"}, {1, 7, "-5"},  {4, 11, "-1"},   {4, 12, "99"}, {2, 11, "-2"},
        {2, 12, "1,5"}, {1, 12, "10"}, {4, 18, "7,25"}, {3, 18, "20"},
    };
    b.type(typed);
    ASSERT_FALSE(b.compute());
    EXPECT_EQ(b.hull.PanelDensity[5], 0.04);
    EXPECT_EQ(b.hull.PanelDensity[6], 0.0);
    EXPECT_EQ(b.budget.ItemX[5], b.hull.XFwd[1]);
    const Typed shown[] = {
        {1, 6, "0.0"},     {3, 6, " 0.00"},
        {4, 11, "0.000"},  {4, 12, Format(b.hull.XFwd[1], "0.000")},
        {2, 11, "0.000"},  {2, 12, "1.500"},
        {3, 12, " 15.00"}, {3, 18, "20.000"},
    };
    for (const auto& [column, row, text] : shown) EXPECT_EQ(b.box(column, row), text) << row;
}

// An entry that is not a finite number, or whose row or total is not finite, is refused with the
// typed texts left to be corrected and the hull, budget and totals as they were; never shown as
// "Inf" and left out of the total.
TEST(MassTable, EntryThatIsNotAFiniteNumberOrOverflowsIsRefusedAndNothingChanges) {
    const std::string tooLarge = "Values too large: the totals are not finite numbers";
    const struct {
        const char* what;
        std::vector<Typed> typing;
        std::string english, box = "Text3(0)";  // a total too large shows in the total's box
    } cases[] = {
        {"1e999 typed",
         {{1, 2, "5"}, {3, 15, "1e999"}},
         "Invalid value in Text3(15): \"1e999\"",
         "Text3(15)"},
        {"two bulkheads of 1e308", {{2, 11, "1e308"}, {2, 12, "1e308"}}, tooLarge},
        {"density 1e308 on the bottom", {{1, 1, "1e308"}}, tooLarge},
        {"density 1e308 on the floor", {{1, 7, "1,7e308"}}, tooLarge},
        {"a mass of 1e308 at 5 m", {{3, 13, "1e308"}, {4, 13, "5"}}, tooLarge},
        {"two masses whose sum overflows", {{3, 14, "1.5e308"}, {3, 15, "1.5e308"}}, tooLarge},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Budget b;
        const Budget before = b;
        b.type(c.typing);
        const MassTable typed = b.table;
        const auto err = b.compute();
        ASSERT_TRUE(err);
        EXPECT_EQ(err->english, c.english);
        EXPECT_EQ(err->box, c.box);
        EXPECT_EQ(b.table.Text1, typed.Text1);
        EXPECT_EQ(b.table.Text2, typed.Text2);
        EXPECT_EQ(b.table.Text3, typed.Text3);
        EXPECT_EQ(b.table.Text3[0], before.table.Text3[0]);
        EXPECT_EQ(b.totals.TotalMass, before.totals.TotalMass);
        EXPECT_EQ(b.hull.PanelDensity, before.hull.PanelDensity);
        EXPECT_EQ(b.budget.ItemMass, before.budget.ItemMass);
        EXPECT_EQ(b.budget.BulkheadArea, before.budget.BulkheadArea);
    }
}

}  // namespace
}  // namespace voriel
