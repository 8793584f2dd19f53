// The grid: analysis, the shown grid and the full repaint, for a small, a large and the
// largest allowed grid, each with a per-cell cost (flat across sizes when the cost is linear)
// and a plain reference measured beside it.
#include "BenchCrosswords.h"
#include "BenchWindow.h"
#include "Paired.h"
#include "grid/GridView.h"

#include "grid/GridAnalysis.h"
#include "grid/GridLimits.h"
#include "grid/PictureBox.h"
#include "grid/ShownGrid.h"
#include "text/CodePage.h"

#include <QPainter>
#include <QStaticText>

#include <array>

namespace {

using bench::timed;

constexpr double kFrameMs = 1000.0 / 60.0;

// Reference of the table work: one copy of the drawn cell map, a plain pass over every cell.
bench::Reference copyCells(const CrosswordDocument& doc) {
    return {"copy", [&doc] {
                return timed([&doc] {
                    Table<int> copy = doc.CellMap;
                    benchmark::DoNotOptimize(copy);
                });
            }};
}

void BM_AnalyseGrid(benchmark::State& state) {
    const int side = static_cast<int>(state.range(0));
    CrosswordDocument doc = bench::drawnPattern(side);
    // The drawn map stays two-dimensional, so the same grid is analysed again each time.
    const double total = bench::runPaired(
        state, [&doc] { return timed([&doc] { benchmark::DoNotOptimize(analyseGrid(doc)); }); },
        {copyCells(doc)});
    bench::setPerCell(state, total, 1LL * side * side);
    state.counters["words"] = doc.WordCount;
}

void BM_BuildShownGrid(benchmark::State& state) {
    const int side = static_cast<int>(state.range(0));
    const int style = static_cast<int>(state.range(1));
    CrosswordDocument doc = bench::answeredPattern(side, false);
    const CrosswordDocument drawn = bench::drawnPattern(side);
    const double total = bench::runPaired(state,
                                          [&doc, style] {
                                              return timed([&doc, style] {
                                                  buildShownGrid(doc, style);
                                                  benchmark::DoNotOptimize(doc.CellMap);
                                              });
                                          },
                                          {copyCells(drawn)});
    bench::setPerCell(state, total, 1LL * side * side);
}

// Reference of the drawing: what plain Qt does for the same cells on a picture of the same
// size: a white fill, then per slot cell its black square, the white inside and its letter
// (kept as static text), reading the document the window shows. Slot numbers, scroll bars and the
// selection are left out.
struct PlainDrawing {
    QImage image;
    QFont font;
    int cell;
    std::array<QStaticText, 256> letters;
    const CrosswordDocument& doc;

    PlainDrawing(const CrosswordDocument& d, const PictureBox& pic, int cellSize)
        : image(pic.pictureWidth(), pic.pictureHeight(), QImage::Format_RGB32),
          font(pic.pictureFont()), cell(cellSize), doc(d) {
        for (int code = 0; code < 256; ++code)
            letters[static_cast<std::size_t>(code)] =
                QStaticText(QString(cp1251::toUnicode(static_cast<unsigned char>(code))));
    }
    double operator()() {
        return timed([this] {
            image.fill(Qt::white);
            QPainter p(&image);
            p.setFont(font);
            p.setPen(Qt::black);
            for (int y = 0; y < doc.GridHeight; ++y)
                for (int x = 0; x < doc.GridWidth; ++x) {
                    const int code = doc.CellMap.at(x, y, layer::kLetter);
                    if (code <= 0 && doc.CellMap.at(x, y, 0) <= 0 && doc.CellMap.at(x, y, 1) <= 0)
                        continue;
                    const QRect r(x * cell + 5, y * cell + 5, cell + 1, cell + 1);
                    p.fillRect(r, Qt::black);
                    p.fillRect(r.adjusted(1, 1, -1, -1), Qt::white);
                    if (code > 0)
                        p.drawStaticText(r.right() - 10, r.top() + 2,
                                         letters[static_cast<std::size_t>(code)]);
                }
        });
    }
};

// The whole "grid ready" path in the window: analysis, shown grid, full repaint of every slot
// at the default cell size, scroll bars, and the first slot selected.
void BM_GridReadyInWindow(benchmark::State& state) {
    const int side = static_cast<int>(state.range(0));
    bench::Window w;
    w.app.session.documentForSetup() = bench::answeredPattern(side, false);
    w.app.session.showForSetup(0);
    w.view->drawGrid();
    PlainDrawing plain(w.app.doc(), *w.view->picture(), w.app.settings.CellSize);
    const CrosswordDocument drawn = bench::drawnPattern(side);
    const double total = bench::runPaired(state,
                                          [&] {
                                              w.app.session.documentForSetup() = drawn;
                                              return timed([&] { w.form.acceptDrawnGrid(); });
                                          },
                                          {{"qt_cells", std::ref(plain)}});
    bench::setPerCell(state, total, 1LL * side * side);
}

// A full repaint with a letter in every cell, as after a change of cell size or font.
void BM_RedrawGrid(benchmark::State& state) {
    const int side = static_cast<int>(state.range(0));
    bench::Window w;
    w.app.session.documentForSetup() = bench::answeredPattern(side, false);
    w.app.session.showForSetup(0);
    w.view->drawGrid();
    PlainDrawing plain(w.app.doc(), *w.view->picture(), w.app.settings.CellSize);
    const double total =
        bench::runPaired(state, [&w] { return timed([&w] { w.view->redrawGrid(); }); },
                         {{"qt_cells", std::ref(plain)}});
    bench::setPerCell(state, total, 1LL * side * side);
    // Share of one 60 Hz frame: below 1 fits, "well inside" is about half or less.
    state.counters["frame_share"] =
        total / static_cast<double>(state.iterations()) * 1e3 / kFrameMs;
}

// The same full repaint of the largest grid in a large letter font, beside the repaint in the
// default 10-point font: a letter reaches past its cell there, which must not cost more.
void BM_RedrawGridLetterFont(benchmark::State& state) {
    const int side = gridlimits::kMaxGridSide;
    const int points = static_cast<int>(state.range(0));
    bench::Window large;
    bench::Window plain;
    for (bench::Window* w : {&large, &plain}) {
        w->app.session.documentForSetup() = bench::answeredPattern(side, false);
        w->form.state().session.showForSetup(0);
        w->view->drawGrid();
    }
    large.app.settings.LetterFontSize = points;
    large.form.applyLetterFont();
    const double total = bench::runPaired(
        state, [&large] { return timed([&large] { large.view->redrawGrid(); }); },
        {{"10pt", [&plain] { return timed([&plain] { plain.view->redrawGrid(); }); }}});
    bench::setPerCell(state, total, 1LL * side * side);
}

constexpr int kLargest = gridlimits::kMaxGridSide;

BENCHMARK(BM_AnalyseGrid)
    ->Arg(15)
    ->Arg(100)
    ->Arg(kLargest)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BuildShownGrid)
    ->ArgsProduct({{15, 100, kLargest}, {0, 1}})
    ->ArgNames({"side", "style"})
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GridReadyInWindow)
    ->Arg(15)
    ->Arg(100)
    ->Arg(kLargest)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RedrawGrid)
    ->Arg(15)
    ->Arg(100)
    ->Arg(kLargest)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RedrawGridLetterFont)
    ->Arg(72)
    ->Arg(400)
    ->ArgName("points")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

} // namespace
