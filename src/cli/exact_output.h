// The exact hydrostatic figures as voriel-cli prints them: JSON objects, a person's table and
// CSV numbers.
#pragma once

#include <nlohmann/json.hpp>
#include <string>

#include "hydro/exact_hydrostatics.h"
#include "hydro/hydrostatics.h"
#include "hydro/mass_totals.h"

namespace voriel::cli {

// "afloat", "dry" or "submerged".
std::string StatusName(ExactStatus status);

// Every figure under its name (metres, square metres, cubic metres, kilograms), with the
// condition's status, waterline height z and pitchDeg.
nlohmann::json ExactJson(const ExactCondition& condition);

// The figures as a short table of labelled lines (language 0 French, else English).
std::string ExactTable(const ExactCondition& condition, int language);

// voriel-cli hydro for a person: the window's boxes, diagnosis and results text after a
// computation, then the exact figures beside them (language 0 French, else English).
std::string HydroText(const Hull& hull, const HydroState& state, const HydroBoxes& boxes,
                      const MassTotals& totals, int16_t language);

// A number for a CSV cell or a JSON-like text: the shortest text that reads back the same, with
// "." whatever the locale.
std::string PlainNumber(double v);

// v with `decimals` decimals ("0.000" for 3), for a person's table.
std::string Fixed(double v, int decimals);

}  // namespace voriel::cli
