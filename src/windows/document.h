// Everything the desktop program keeps for the run: one value made in main() and handed to the
// windows, which read and change it only through the core.
#pragma once

#include <string>

#include "board/board_state.h"
#include "hull/hull.h"
#include "hydro/hydrostatics.h"
#include "hydro/mass_budget.h"
#include "hydro/mass_totals.h"

namespace voriel {

struct Document {
    Hull hull;
    BoardState board;
    HydroState hydro;
    HydroBoxes hydroBoxes;  // what the hydrostatics window's boxes last showed
    MassBudget mass;
    MassTable massTable;  // what the mass-budget window's boxes last showed
    MassTotals totals;
};

}  // namespace voriel
