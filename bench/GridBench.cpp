#include "app/AppState.h"
#include "app/frmForma.h"
#include "grid/CrosswordDocument.h"
#include "grid/GridAnalysis.h"
#include "grid/GridLimits.h"
#include "grid/ShownGrid.h"
#include "platform/QtPlatform.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <random>

namespace {

// A crossword-like drawn grid: about one cell in six black, mirrored through the centre as
// authors draw them, from a fixed seed so that every run measures the same grid.
CrosswordDocument drawnPattern(int side) {
    CrosswordDocument doc;
    doc.startNewGrid(side, side, "Bench", 0);
    std::mt19937 random(20240611u);
    std::bernoulli_distribution black(1.0 / 6.0);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            if (black(random)) {
                doc.CellMap.set(x, y, 1);
                doc.CellMap.set(side - 1 - x, side - 1 - y, 1);
            }
    return doc;
}

// The same grid analysed, with an answer in every slot as a finished crossword has.
CrosswordDocument answeredPattern(int side) {
    CrosswordDocument doc = drawnPattern(side);
    analyseGrid(doc);
    for (int n = 1; n <= doc.NumberedCount; ++n)
        for (int d = 0; d <= 1; ++d)
            if (const int len = doc.SlotTable.at(n, 2, d); len > 0)
                doc.SlotTexts.set(n, 1, d, QByteArray(len, '\xc0'));
    return doc;
}

void setCells(benchmark::State& state, int side) {
    state.SetItemsProcessed(state.iterations() * side * side);
    state.counters["cells"] = side * side;
}

void BM_AnalyseGrid(benchmark::State& state) {
    const int side = static_cast<int>(state.range(0));
    CrosswordDocument doc = drawnPattern(side);
    for (auto _ : state) {
        // The drawn map stays two-dimensional, so the same grid is analysed again each time.
        benchmark::DoNotOptimize(analyseGrid(doc));
    }
    setCells(state, side);
    state.counters["words"] = doc.WordCount;
}

void BM_BuildShownGrid(benchmark::State& state) {
    const int side = static_cast<int>(state.range(0));
    const int style = static_cast<int>(state.range(1));
    CrosswordDocument doc = answeredPattern(side);
    for (auto _ : state) {
        buildShownGrid(doc, style);
        benchmark::DoNotOptimize(doc.CellMap);
    }
    setCells(state, side);
}

// The main window with the default settings, never shown.
struct Window {
    QTemporaryDir folder;
    AppState app{folder.path()};
    platform::QtPlatform platform;
    frmForma form{app, platform};
    Window() { form.NewFont(); }
};

// The whole "grid ready" path in the window: analysis, shown grid, full repaint of every slot
// at the default cell size, scroll bars, and the first slot selected.
void BM_GridReadyInWindow(benchmark::State& state) {
    const int side = static_cast<int>(state.range(0));
    Window w;
    const CrosswordDocument drawn = drawnPattern(side);
    for (auto _ : state) {
        state.PauseTiming();
        w.app.doc = drawn;
        state.ResumeTiming();
        w.form.AnalyseGrid();
    }
    setCells(state, side);
}

// A full repaint with a letter in every cell, as after a change of cell size or font.
void BM_RedrawGrid(benchmark::State& state) {
    const int side = static_cast<int>(state.range(0));
    Window w;
    w.app.doc = answeredPattern(side);
    w.form.BuildShownGrid();
    for (auto _ : state)
        w.form.RedrawGrid();
    setCells(state, side);
}

constexpr int kLargest = gridlimits::kMaxGridSide;

BENCHMARK(BM_AnalyseGrid)
    ->Arg(15)
    ->Arg(100)
    ->Arg(kLargest)
    ->Arg(500)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BuildShownGrid)
    ->ArgsProduct({{15, 100, kLargest, 500}, {0, 1}})
    ->ArgNames({"side", "style"})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GridReadyInWindow)->Arg(15)->Arg(100)->Arg(kLargest)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RedrawGrid)->Arg(15)->Arg(100)->Arg(kLargest)->Unit(benchmark::kMillisecond);

} // namespace
