// Fuzz target: the hull data file reader must never crash, and a hull it accepts must give
// finite numbers everywhere the program prints or writes them.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "finite_everywhere.h"
#include "hull/hull.h"
#include "hull/hull_data_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view content(reinterpret_cast<const char*>(data), size);
    voriel::Hull current;
    voriel::SetDefaultHull(current);
    for (const char* path : {"fuzz.D50", "fuzz.D51"}) {
        const voriel::HullReadResult r = voriel::ReadHullData(content, path, current);
        if (r.hull.has_value() == !r.error.empty()) std::abort();
        if (r.hull) voriel::fuzz::RequireFiniteEverywhere(*r.hull);
    }
    return 0;
}
