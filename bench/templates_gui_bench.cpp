// Full-size templates of every plate of the default hull at stage 1 to an A4 PDF file: the plan,
// every page drawn on the printer canvas, the PDF made and written safely; and the core's share on
// the recording canvas. The sheet and page counts are reported as counters.
#include <benchmark/benchmark.h>

#include <QPrinter>
#include <QTemporaryDir>

#include "board/print_page.h"
#include "board/station_sections.h"
#include "canvas/page_recording_canvas.h"
#include "develop/template_document.h"
#include "gui_bench_main.h"
#include "hull/definition_screens.h"
#include "windows/printed_document.h"

namespace {

using namespace voriel;

struct Desk {
    Hull hull = ValidatedDefaultHull();
    BoardState board;
    TemplateRequest request;
    Desk() {
        hull.HullFileName = "boat";
        board.ChineView = 1;
        ComputeAllStationSections(hull, board);
        request.date = "2024-05-17";
    }
};

void count(benchmark::State& state, const TemplatePlan& plan) {
    state.counters["sheets"] = plan.sheets;
    state.counters["pages"] = plan.pages;
}

void BM_AllTemplatesToPdf(benchmark::State& state) {
    const Desk desk;
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    SetPdfPrinter(printer, Paper::A4, dir.filePath(QStringLiteral("templates.pdf")).toStdString());
    TemplatePlan plan;
    for (auto _ : state) {
        const auto error =
            PrintPagesOnPrinter(printer, [&](Canvas& canvas) -> std::optional<std::string> {
                plan = PlanTemplates(desk.hull, desk.board, desk.request, canvas.scaleWidth(),
                                     canvas.scaleHeight());
                if (!plan.error.empty()) return plan.error;
                PrintTemplates(desk.hull, plan, desk.request, canvas);
                return std::nullopt;
            });
        if (error) state.SkipWithError(error->c_str());
    }
    count(state, plan);
}
BENCHMARK(BM_AllTemplatesToPdf)->Unit(benchmark::kMillisecond);

// The core's share: the plan and the same pages on the recording canvas.
void BM_AllTemplatesRecorded(benchmark::State& state) {
    const Desk desk;
    const PageArea a4 = PrintableArea(Paper::A4);
    TemplatePlan plan;
    for (auto _ : state) {
        plan = PlanTemplates(desk.hull, desk.board, desk.request, a4.width, a4.height);
        PageRecordingCanvas canvas(a4.width, a4.height);
        PrintTemplates(desk.hull, plan, desk.request, canvas);
        benchmark::DoNotOptimize(canvas.recording().data());
    }
    count(state, plan);
}
BENCHMARK(BM_AllTemplatesRecorded)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return voriel::RunGuiBenchmarks(argc, argv);
}
