// The drawing board's sheet drawn on a canvas that keeps nothing: a full redraw of the default
// hull at stage 1 (fit, 83 sections, lines, body plan), a redraw after a zoom, and the same full
// redraw recorded as text.
#include <benchmark/benchmark.h>

#include "board/board_actions.h"
#include "board/zoom_pan.h"
#include "canvas/recording_canvas.h"
#include "hull/definition_screens.h"

namespace {

using voriel::Canvas;

// Counts the calls and draws nothing, so that only the drawing routines are timed.
class NullCanvas : public Canvas {
public:
    void clear() override { ++calls; }
    float scaleWidth() const override { return 13800.0f; }
    float scaleHeight() const override { return 7000.0f; }
    void setColor(int32_t) override { ++calls; }
    void setStyle(voriel::LineStyle) override { ++calls; }
    void setWidth(int) override { ++calls; }
    void setMode(voriel::DrawMode) override { ++calls; }
    float textWidth(const std::string& text) const override {
        return 120.0f * static_cast<float>(text.size());
    }
    float textHeight(const std::string&) const override { return 240.0f; }
    long calls = 0;

protected:
    void drawLine(float, float, float, float) override { ++calls; }
    void drawPoint(float, float) override { ++calls; }
    void drawCircle(float, float, float) override { ++calls; }
    void drawText(float, float, const std::string&) override { ++calls; }
};

void BM_RedrawStage1(benchmark::State& state) {
    const voriel::Hull hull = voriel::ValidatedDefaultHull();
    voriel::BoardState board;
    board.ChineView = 1;
    NullCanvas canvas;
    for (auto _ : state) {
        voriel::RedrawBoard(hull, board, canvas);
        benchmark::DoNotOptimize(canvas.calls);
    }
    state.counters["calls"] = static_cast<double>(canvas.calls) / state.iterations();
}
BENCHMARK(BM_RedrawStage1)->Unit(benchmark::kMicrosecond);

void BM_ZoomRedrawStage1(benchmark::State& state) {
    const voriel::Hull hull = voriel::ValidatedDefaultHull();
    voriel::BoardState board;
    board.ChineView = 1;
    NullCanvas canvas;
    voriel::RedrawBoard(hull, board, canvas);
    board.DragStartX = 3000.0f;
    board.DragStartY = 1500.0f;
    board.DragX = 6000.0f;
    board.DragY = 4500.0f;
    voriel::ZoomToBox(board, canvas.scaleWidth(), canvas.scaleHeight());
    canvas.calls = 0;
    for (auto _ : state) {
        voriel::RedrawView(hull, board, canvas);
        benchmark::DoNotOptimize(canvas.calls);
    }
    state.counters["calls"] = static_cast<double>(canvas.calls) / state.iterations();
}
BENCHMARK(BM_ZoomRedrawStage1)->Unit(benchmark::kMicrosecond);

void BM_RedrawStage1Recorded(benchmark::State& state) {
    const voriel::Hull hull = voriel::ValidatedDefaultHull();
    voriel::BoardState board;
    board.ChineView = 1;
    voriel::RecordingCanvas canvas;
    for (auto _ : state) {
        canvas.forget();
        voriel::RedrawBoard(hull, board, canvas);
        benchmark::DoNotOptimize(canvas.recording().data());
    }
}
BENCHMARK(BM_RedrawStage1Recorded)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
