// Print All to a PDF file for the default hull at stage 1: the 23 pages drawn on the printer
// canvas, the PDF made and written safely; and the same pages on the recording canvas.
#include <benchmark/benchmark.h>

#include <QPrinter>
#include <QTemporaryDir>

#include "board/print_documents.h"
#include "board/print_page.h"
#include "board/station_sections.h"
#include "canvas/page_recording_canvas.h"
#include "gui_bench_main.h"
#include "hull/definition_screens.h"
#include "windows/printed_document.h"

namespace {

using namespace voriel;

struct Desk {
    Hull hull = ValidatedDefaultHull();
    BoardState board;
    Desk() {
        hull.HullFileName = "boat";
        board.ChineView = 1;
        ComputeAllStationSections(hull, board);
    }
};

void BM_PrintAllToPdf(benchmark::State& state) {
    const Desk desk;
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    SetPdfPrinter(printer, Paper::A4, dir.filePath(QStringLiteral("all.pdf")).toStdString());
    for (auto _ : state) {
        const auto error =
            PrintOnPrinter(printer, PrintCommand::All, desk.hull, desk.board, "2024-05-17");
        if (error) state.SkipWithError(error->c_str());
    }
}
BENCHMARK(BM_PrintAllToPdf)->Unit(benchmark::kMillisecond);

// The core's share: the same document on the recording canvas.
void BM_PrintAllRecorded(benchmark::State& state) {
    const Desk desk;
    const PageArea a4 = PrintableArea(Paper::A4);
    for (auto _ : state) {
        PageRecordingCanvas canvas(a4.width, a4.height);
        PrintDocument(PrintCommand::All, desk.hull, desk.board, "2024-05-17", canvas);
        benchmark::DoNotOptimize(canvas.recording().data());
    }
}
BENCHMARK(BM_PrintAllRecorded)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return voriel::RunGuiBenchmarks(argc, argv);
}
