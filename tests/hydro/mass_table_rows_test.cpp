// A mass-table entry whose row or total is not finite is refused, never shown as "Inf" and left
// out of the total.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "hydro/mass_budget.h"
#include "support/test_hulls.h"
#include "text/number_text.h"

namespace voriel {
namespace {

struct Opened {
    Hull hull = test::ValidatedDefaultHull();
    MassBudget budget;
    MassTotals totals;
    MassTable table;
    Opened() { table = ActivateMassTable(hull, budget, totals); }
};

TEST(MassTableRows, AnEntryWhoseRowIsNotFiniteIsRefused) {
    // What is typed, as (box, text) pairs of the input columns.
    using Typing = std::function<void(MassTable&)>;
    const std::vector<std::pair<const char*, Typing>> refused = {
        {"density 1e308 on the bottom", [](MassTable& t) { t.Text1[1] = "1e308"; }},
        {"density 1e308 on the floor", [](MassTable& t) { t.Text1[7] = "1,7e308"; }},
        {"a mass of 1e308 at 5 m",
         [](MassTable& t) {
             t.Text3[13] = "1e308";
             t.Text4[13] = "5";
         }},
        {"two masses whose sum overflows",
         [](MassTable& t) {
             t.Text3[14] = "1.5e308";
             t.Text3[15] = "1.5e308";
         }},
    };
    for (const auto& [what, typing] : refused) {
        Opened o;
        const Opened before = o;
        typing(o.table);
        const MassTable typed = o.table;
        const auto err = ComputeMassBudget(o.hull, o.budget, o.table, o.totals);
        ASSERT_TRUE(err.has_value()) << what;
        EXPECT_EQ(err->english, "Values too large: the totals are not finite numbers") << what;
        EXPECT_EQ(o.table.Text1, typed.Text1) << what;  // left to be corrected
        EXPECT_EQ(o.table.Text3[0], before.table.Text3[0]) << what;
        EXPECT_EQ(o.totals.TotalMass, before.totals.TotalMass) << what;
        EXPECT_EQ(o.hull.PanelDensity, before.hull.PanelDensity) << what;
        EXPECT_EQ(o.budget.ItemMass, before.budget.ItemMass) << what;
    }
}

TEST(MassTableRows, LargeButFiniteRowsAreSummed) {
    Opened o;
    o.table.Text1[1] = "1e300";
    ASSERT_FALSE(ComputeMassBudget(o.hull, o.budget, o.table, o.totals).has_value());
    const double row = Val(o.table.Text3[1]);
    EXPECT_TRUE(std::isfinite(row) && row > 1e300);
    EXPECT_GE(o.totals.TotalMass, row);  // the row is in the total
    EXPECT_TRUE(std::isfinite(o.totals.MassCentreX));
}

}  // namespace
}  // namespace voriel
