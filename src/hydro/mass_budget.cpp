// The mass-budget table: reading its boxes, showing the areas and summing the rows as displayed.
#include "hydro/mass_budget.h"

#include <algorithm>
#include <cmath>

#include "text/number_text.h"

namespace voriel {

namespace {

EntryError invalidEntry(const std::string& box, const std::string& text) {
    return EntryError{box, "Valeur non valable dans " + box + " : \"" + text + "\"",
                      "Invalid value in " + box + ": \"" + text + "\""};
}

std::string boxName(const char* array, int row) {
    return std::string(array) + "(" + std::to_string(row) + ")";
}

// Reads one input box (comma fixed); false for an entry that is not a finite number.
bool readBox(const std::string& text, double& value) {
    value = Val(CommaToPoint(text));
    return std::isfinite(value);
}

std::optional<EntryError> readMassInputs(const MassTable& t, double length,
                                         std::array<double, kPanelDensityCount>& density,
                                         MassBudget& b) {
    const auto clampX = [length](double x) { return std::min(std::max(x, 0.0), length); };
    double v = 0.0;
    for (int n = 1; n <= 12; ++n) {
        if (!readBox(t.Text1[n], v)) return invalidEntry(boxName("Text1", n), t.Text1[n]);
        density[n - 1] = std::max(v, 0.0);
    }
    for (int j = 1; j <= 2; ++j) {
        if (!readBox(t.Text2[10 + j], v))
            return invalidEntry(boxName("Text2", 10 + j), t.Text2[10 + j]);
        b.BulkheadArea[j - 1] = std::max(v, 0.0);
        if (!readBox(t.Text4[10 + j], v))
            return invalidEntry(boxName("Text4", 10 + j), t.Text4[10 + j]);
        b.BulkheadX[j - 1] = clampX(v);
    }
    for (int n = 1; n <= 6; ++n) {
        // Masses are not clamped: a negative mass (a part taken away) is summed as entered.
        if (!readBox(t.Text3[12 + n], v))
            return invalidEntry(boxName("Text3", 12 + n), t.Text3[12 + n]);
        b.ItemMass[n - 1] = v;
        if (!readBox(t.Text4[12 + n], v))
            return invalidEntry(boxName("Text4", 12 + n), t.Text4[12 + n]);
        b.ItemX[n - 1] = clampX(v);
    }
    return std::nullopt;
}

// Rows 1..5 are hull plates: they always weigh something, so their density is at least 0.1.
void showMassAreas(std::array<double, kPanelDensityCount>& density, const MassBudget& b,
                   MassTable& t) {
    for (int n = 1; n <= 12; ++n) {
        if (n <= 5 && density[n - 1] < 0.1) density[n - 1] = 0.1;
        t.Text1[n] = Format(density[n - 1], "0.0");
    }
    const MassAreas& a = b.Areas;
    const double areas[] = {a.PlateArea[0], a.PlateArea[1], a.PlateArea[2], a.PlateArea[3],
                            a.TransomArea,  a.BowPlateArea, a.DeckArea[0],  a.DeckArea[1],
                            a.DeckArea[2],  a.DeckArea[3]};
    const double centres[] = {a.PlateCentreX[0], a.PlateCentreX[1], a.PlateCentreX[2],
                              a.PlateCentreX[3], a.TransomCentreX,  a.BowPlateCentreX,
                              a.DeckCentreX[0],  a.DeckCentreX[1],  a.DeckCentreX[2],
                              a.DeckCentreX[3]};
    for (int n = 1; n <= 10; ++n) {
        t.Text2[n] = Format(areas[n - 1], "0.000");
        t.Text4[n] = Format(centres[n - 1], "0.000");
    }
    for (int j = 1; j <= 2; ++j) {
        t.Text2[10 + j] = Format(b.BulkheadArea[j - 1], "0.000");
        t.Text4[10 + j] = Format(b.BulkheadX[j - 1], "0.000");
    }
    for (int n = 1; n <= 6; ++n) {
        t.Text3[12 + n] = Format(b.ItemMass[n - 1], "0.000");
        t.Text4[12 + n] = Format(b.ItemX[n - 1], "0.000");
    }
}

// The totals work on the texts as displayed, so they add up the rounded values the user sees.
// False when a row or a total is not a finite number (a row shown as "Inf" would read back as 0
// and drop out of the total).
bool sumRows(MassTable& t, MassTotals& totals) {
    double area = 0.0;
    for (int n = 1; n <= 12; ++n) area += Val(t.Text2[n]);
    t.Text2[0] = Format(area, " 0.000");
    bool rowsFinite = true;
    for (int n = 1; n <= 12; ++n) {
        const double rowMass = Val(t.Text2[n]) * Val(t.Text1[n]);
        rowsFinite = rowsFinite && std::isfinite(rowMass);
        t.Text3[n] = Format(rowMass, " 0.00");
    }
    double mass = 0.0, moment = 0.0;
    for (int n = 1; n <= 18; ++n) {
        const double rowMoment = Val(t.Text3[n]) * Val(t.Text4[n]);
        rowsFinite = rowsFinite && std::isfinite(rowMoment);
        mass += Val(t.Text3[n]);
        moment += rowMoment;
    }
    totals.TotalMass = mass;
    t.Text3[0] = Format(mass, " 0.000");
    // With no mass (or less) there is no centre of gravity: 0 leaves the trim alone.
    totals.MassCentreX = mass > 0 ? moment / mass : 0.0;
    t.Text4[0] = Format(totals.MassCentreX, "0.000");
    return rowsFinite && std::isfinite(area) && std::isfinite(mass) && std::isfinite(moment) &&
           std::isfinite(totals.MassCentreX);
}

bool areasFinite(const MassAreas& a) {
    for (const auto* values : {&a.PlateArea, &a.PlateCentreX, &a.DeckArea, &a.DeckCentreX})
        for (const double v : *values)
            if (!std::isfinite(v)) return false;
    return std::isfinite(a.TransomArea) && std::isfinite(a.TransomCentreX) &&
           std::isfinite(a.BowPlateArea) && std::isfinite(a.BowPlateCentreX);
}

}  // namespace

MassTable ActivateMassTable(Hull& hull, MassBudget& budget, MassTotals& totals) {
    MassTable t;
    for (auto* column : {&t.Text1, &t.Text2, &t.Text3, &t.Text4}) column->fill(" ");
    showMassAreas(hull.PanelDensity, budget, t);
    // The boxes were just filled from finite values, so this cannot be refused.
    ComputeMassBudget(hull, budget, t, totals);
    return t;
}

std::optional<EntryError> ComputeMassBudget(Hull& hull, MassBudget& budget, MassTable& table,
                                            MassTotals& totals) {
    std::array<double, kPanelDensityCount> density = hull.PanelDensity;
    MassBudget b = budget;
    if (auto err = readMassInputs(table, hull.XFwd[1], density, b)) return err;
    b.Areas = ComputeMassAreas(hull);
    MassTable t = table;
    MassTotals sums = totals;
    showMassAreas(density, b, t);
    // An area shown as "Inf" would read back as 0, as an infinite row would.
    if (!areasFinite(b.Areas) || !sumRows(t, sums))
        return EntryError{"Text3(0)",
                          "Valeurs trop grandes : les totaux ne sont pas des nombres finis",
                          "Values too large: the totals are not finite numbers"};
    hull.PanelDensity = density;
    budget = b;
    table = t;
    totals = sums;
    return std::nullopt;
}

void HandMassToHydro(const MassTotals& totals, HydroState& hydro, HydroBoxes& boxes) {
    boxes.Text1[0] = Format(totals.TotalMass / 1000, "0.000");
    hydro.HydroMode = 0;
}

}  // namespace voriel
