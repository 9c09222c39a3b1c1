// Writing every export file of the Save menu for the default hull (target: under 20 ms together).
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "board/station_sections.h"
#include "export/export_commands.h"
#include "hull/definition_screens.h"

namespace {

using namespace voriel;

struct Desk {
    Hull hull;
    BoardState board;
    std::vector<ExportFile> files;
};

// The default hull with both screens validated, redrawn with all lines, and the files of every
// export command (15 for this hull: it has no bow plate).
Desk defaultDesk() {
    Desk d;
    d.hull = ValidatedDefaultHull();
    d.board.ChineView = 1;
    ComputeAllStationSections(d.hull, d.board);
    std::string box = BoxText(d.hull.XMax[Chine1]);
    d.files = EveryExportFile(d.hull, d.board, box);
    return d;
}

// Every file written safely (temporary file, flushed to disk, renamed) into a new folder under
// `parent`.
void writeEveryFile(benchmark::State& state, const char* parent) {
    const Desk d = defaultDesk();
    std::string tmpl = std::string(parent) + "/voriel-bench-XXXXXX";
    if (!mkdtemp(tmpl.data())) {
        state.SkipWithError("no temporary folder");
        return;
    }
    for (auto _ : state) {
        for (const ExportFile& f : d.files) {
            const ExportOutcome o =
                SaveExportFile(f, d.hull, d.board, tmpl + "/" + f.dialog.proposedName);
            if (!o.written) state.SkipWithError("a file could not be written");
        }
    }
    state.counters["files"] = static_cast<double>(d.files.size());
    std::system(("rm -rf '" + tmpl + "'").c_str());
}

// On the disk: each file's flush to disk waits for the device.
void BM_WriteEveryFile(benchmark::State& state) {
    writeEveryFile(state, "/tmp");
}
BENCHMARK(BM_WriteEveryFile)->Unit(benchmark::kMillisecond)->UseRealTime();

// In a memory file system, where the flush costs nothing: the program's own share.
void BM_WriteEveryFileInMemory(benchmark::State& state) {
    writeEveryFile(state, "/dev/shm");
}
BENCHMARK(BM_WriteEveryFileInMemory)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same files' texts only, without the disk.
void BM_ComposeEveryFile(benchmark::State& state) {
    const Desk d = defaultDesk();
    for (auto _ : state) {
        std::size_t bytes = 0;
        for (const ExportFile& f : d.files) bytes += ExportText(f, d.hull, d.board).size();
        benchmark::DoNotOptimize(bytes);
    }
}
BENCHMARK(BM_ComposeEveryFile)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
