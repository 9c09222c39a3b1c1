// What the fuzz targets require of every hull they get accepted: no non-finite number anywhere
// the program prints or writes one.
#pragma once

#include <cmath>
#include <cstdlib>
#include <string>

#include "board/station_sections.h"
#include "export/export_commands.h"
#include "hull/hull.h"
#include "hull/hull_data_file.h"
#include "hydro/mass_areas.h"
#include "hydro/mass_budget.h"
#include "support/finite_text.h"

namespace voriel::fuzz {

// Aborts unless the hull data file, the XYZ tables of the Save menu (the lines with every station
// section, every developed plate, the transom and the bow plate; all lines defined), the plate
// areas as the dump prints them and the mass table as its window opens hold only finite numbers.
// Judged on what a user gets, not on the check the reader and the screens apply, so that a gap
// in that check is found here. (The DXF files and the scene repeat the tables' numbers in other
// layouts; leaving them out keeps the fuzzing fast.)
inline void RequireFiniteEverywhere(const Hull& hull) {
    const auto require = [](bool finite) {
        if (!finite) std::abort();
    };
    const auto requireText = [&require](const std::string& text) {
        require(test::NonFiniteWord(text) == std::string::npos);
    };
    requireText(HullDataText(hull));
    BoardState board;
    board.ChineView = 1;
    ComputeAllStationSections(hull, board);
    std::string stationBox = "3";
    for (const ExportFile& f : EveryExportFile(hull, board, stationBox))
        if (f.kind == ExportKind::LinesXyz || f.kind == ExportKind::DevelopmentXyz ||
            f.kind == ExportKind::TransomXyz || f.kind == ExportKind::BowPlateXyz)
            requireText(ExportText(f, hull, board));
    const MassAreas a = ComputeMassAreas(hull);
    for (int k = 0; k < 4; ++k)
        require(
            std::isfinite(a.PlateArea[k] + a.PlateCentreX[k] + a.DeckArea[k] + a.DeckCentreX[k]));
    require(std::isfinite(a.TransomArea + a.TransomCentreX + a.BowPlateArea + a.BowPlateCentreX));
    Hull h = hull;
    MassBudget budget;
    MassTotals totals;
    const MassTable table = ActivateMassTable(h, budget, totals);
    for (const auto* column : {&table.Text1, &table.Text2, &table.Text3, &table.Text4})
        for (const std::string& text : *column) requireText(text);
}

}  // namespace voriel::fuzz
