// The drawing board's sheet on the screen canvas: a full redraw, a zoom redraw, and the start
// window from its creation to its first paint.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QFont>
#include <cstdio>

#include "board/board_actions.h"
#include "hull/definition_screens.h"
#include "windows/app_windows.h"
#include "windows/document.h"
#include "windows/lancement.h"
#include "windows/qt_dialogs.h"
#include "windows/screen_canvas.h"

namespace {

using namespace voriel;

QFont SheetFont() {
    QFont font = QApplication::font();
    font.setPointSize(8);
    return font;
}

// Fit, 83 sections, lines and body plan of both stages.
void BM_FullRedrawStage1(benchmark::State& state) {
    const Hull hull = ValidatedDefaultHull();
    BoardState board;
    board.ChineView = 1;
    ScreenCanvas canvas(96, 96, SheetFont());  // 1920 x 1080 pixels at 96 dpi
    canvas.resize(1920, 1080);
    for (auto _ : state) {
        RedrawBoard(hull, board, canvas);
        benchmark::DoNotOptimize(canvas.image().constBits());
    }
}
BENCHMARK(BM_FullRedrawStage1)->Unit(benchmark::kMillisecond);

// A left-button box on the profile: the band drawn and erased, then the sheet drawn again at the
// new scale (no fit, no sections).
void BM_ZoomRedraw(benchmark::State& state) {
    const Hull hull = ValidatedDefaultHull();
    BoardState fitted;
    fitted.ChineView = 1;
    ScreenCanvas canvas(96, 96, SheetFont());  // 1920 x 1080 pixels at 96 dpi
    canvas.resize(1920, 1080);
    RedrawBoard(hull, fitted, canvas);
    for (auto _ : state) {
        BoardState board = fitted;
        BoardMouseDown(board, canvas, 1, 3000, 2000);
        BoardMouseMove(board, canvas, 1, 6000, 4000);
        BoardMouseUp(hull, board, canvas, 1, 9000, 6000);
        benchmark::DoNotOptimize(canvas.image().constBits());
    }
}
BENCHMARK(BM_ZoomRedraw)->Unit(benchmark::kMillisecond);

// Watches for the first paint of a window.
class FirstPaint : public QObject {
public:
    bool painted = false;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) painted = true;
        return false;
    }
};

// The six-window registry made, the start window activated (default hull, captions, centred)
// and painted once.
void ShowStartWindow() {
    Document doc;
    QtDialogs dialogs;
    AppWindows windows(doc, dialogs);
    FirstPaint watch;
    Lancement& start = windows.lancement();
    start.installEventFilter(&watch);
    start.activate();
    while (!watch.painted) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    start.removeEventFilter(&watch);
}

void BM_StartWindowToFirstPaint(benchmark::State& state) {
    for (auto _ : state) ShowStartWindow();
}
BENCHMARK(BM_StartWindowToFirstPaint)->Unit(benchmark::kMillisecond);

}  // namespace

// The offscreen platform's notes on what it cannot do (raise a window) are no result.
void QuietPlatform(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtWarningMsg && message.contains("does not support")) return;
    std::fprintf(stderr, "%s\n", qPrintable(message));
}

int main(int argc, char** argv) {
    qInstallMessageHandler(QuietPlatform);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // The program's own start, once and cold: the application, then the start window painted.
    QElapsedTimer timer;
    timer.start();
    QApplication app(argc, argv);
    const double appMs = timer.nsecsElapsed() / 1e6;
    ShowStartWindow();
    std::printf("Start: QApplication %.1f ms, then the start window's first paint at %.1f ms\n",
                appMs, timer.nsecsElapsed() / 1e6);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
