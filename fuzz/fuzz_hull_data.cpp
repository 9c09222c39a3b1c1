// Fuzz target: the hull data file reader must never crash, and a hull it accepts must be whole.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "hull/hull.h"
#include "hull/hull_data_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view content(reinterpret_cast<const char*>(data), size);
    voriel::Hull current;
    voriel::SetDefaultHull(current);
    for (const char* path : {"fuzz.D50", "fuzz.D51"}) {
        const voriel::HullReadResult r = voriel::ReadHullData(content, path, current);
        if (r.hull.has_value() == !r.error.empty()) std::abort();
        if (!r.hull) continue;
        for (int i = 0; i <= 4; ++i)
            for (int p = 0; p < voriel::kPointCount; ++p)
                if (!std::isfinite(r.hull->LineX[i][p]) || !std::isfinite(r.hull->LineZ[i][p]))
                    std::abort();
    }
    return 0;
}
