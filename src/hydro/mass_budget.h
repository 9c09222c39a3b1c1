// The mass budget: plates, floor and decks, bulkheads and loads summed into a total mass and a
// centre of gravity.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "hull/definition_screens.h"
#include "hull/hull.h"
#include "hydro/hydrostatics.h"
#include "hydro/mass_areas.h"
#include "hydro/mass_totals.h"

namespace voriel {

constexpr int kMassRows = 19;  // row 0 the totals, rows 1..18 the items

// What the mass-budget window keeps while the program runs. The panel densities of rows 1..12
// live in the hull record (Hull::PanelDensity), which a new hull resets.
struct MassBudget {
    MassAreas Areas;                       // recomputed from the lines at every Compute
    std::array<double, 2> BulkheadArea{};  // m2, bulkheads 1 and 2 (rows 11, 12)
    std::array<double, 2> BulkheadX{};     // m, their positions
    std::array<double, 6> ItemMass{};      // kg: engine, ballast, passengers, equipment 1..3
    std::array<double, 6> ItemX{};         // m, their positions (rows 13..18)
};

// The table's boxes, index = row: Text1 panel density (kg/m2), Text2 area (m2), Text3 mass (kg),
// Text4 centre of mass X (m).
struct MassTable {
    std::array<std::string, kMassRows> Text1, Text2, Text3, Text4;
};

// Form_Activate: every box gets one blank, the persistent values are shown, then the budget is
// computed. Returns the table as the window then shows it.
MassTable ActivateMassTable(Hull& hull, MassBudget& budget, MassTotals& totals);

// ComputeMassBudget: reads the input boxes (a decimal comma accepted; negative densities and
// bulkhead areas become 0, positions are held to 0..XFwd(1)), recomputes the areas from the
// lines, shows everything and sums the rows as displayed into totals. Writes PanelDensity of the
// hull and nothing else of it. An entry that is not a finite number, or entries too large for
// finite totals, are refused with the hull, budget, table and totals untouched.
std::optional<EntryError> ComputeMassBudget(Hull& hull, MassBudget& budget, MassTable& table,
                                            MassTotals& totals);

// The mass budget's Compute hands its total to the hydrostatics: the displacement box gets the
// total in m3 of fresh water and the displacement mode is selected.
void HandMassToHydro(const MassTotals& totals, HydroState& hydro, HydroBoxes& boxes);

}  // namespace voriel
