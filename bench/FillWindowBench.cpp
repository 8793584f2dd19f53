// The fill's look-ups in the window on the largest grid, 250 × 250 with about 9,600 slots:
// opening it, a placement and a cancelled fill, each with the word lists and beside the same
// without them (the reference, measured in the same run), on the window's thread and in peak
// memory. Each figure comes from a process of its own (helpers/FillWindow.cpp).
#include "BenchCrosswords.h"
#include "HelperFigures.h"

#include "grid/CrosswordDocument.h"
#include "grid/GridAnalysis.h"
#include "ipuz/IpuzFile.h"

#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include <map>
#include <string>

namespace {

constexpr int kSide = 250;

// A grid of kSide × kSide with one cell in eleven black, mirrored through the centre: about
// 9,600 slots, most of them long enough to cross many others.
const QString& largeIpuz() {
    static QTemporaryDir dir;
    static const QString path = [] {
        CrosswordDocument doc = bench::drawnPattern(kSide, 1.0 / 22.0);
        analyseGrid(doc);
        const QString file = dir.filePath(QStringLiteral("large.ipuz"));
        return ipuz::writeIpuzFile(file, doc) == FileStatus::Ok ? file : QString();
    }();
    return path;
}

// The helper's figures by name; empty when it failed.
std::map<std::string, double> run(bool lists, const char* phase) {
    return bench::helperFigures(std::string("'") + CLUEFORGE_FILL_HELPER + "' '" +
                                largeIpuz().toStdString() + "' " + (lists ? "1 " : "0 ") + phase);
}

double ratio(double a, double b) {
    return b > 0 ? a / b : 0;
}

// One phase with the lists beside the same without: times in ms, memory in MB.
void phase(benchmark::State& state, const char* name) {
    std::map<std::string, double> with, without;
    for (auto _ : state) {
        with = run(true, name);
        without = run(false, name);
        if (with.empty() || without.empty()) {
            state.SkipWithError("the helper failed");
            return;
        }
    }
    for (const char* figure : {"window_ms", "shaded_ms"})
        if (with.count(figure) > 0) {
            state.counters[figure] = with[figure];
            state.counters[std::string("ref_") + figure] = without[figure];
            state.counters[std::string("ratio_") + figure] = ratio(with[figure], without[figure]);
        }
    state.counters["slots"] = with["slots"];
    state.counters["peak_mb"] = with["peak_kb"] / 1024.0;
    state.counters["ref_peak_mb"] = without["peak_kb"] / 1024.0;
    state.counters["ratio_peak"] = ratio(with["peak_kb"], without["peak_kb"]);
    if (with.count("held_kb") > 0) {
        state.counters["held_mb"] = with["held_kb"] / 1024.0;
        // What stays after the fill, as a share of what it took at its peak.
        state.counters["held_share"] = ratio(with["held_kb"], with["peak_kb"]);
    }
}

void FillLargeGridOpen(benchmark::State& state) {
    phase(state, "open");
    state.counters["goal_peak_mb"] = 300;
}

void FillLargeGridPlacement(benchmark::State& state) {
    phase(state, "place");
    state.counters["goal_window_ms"] = 100;
}

void FillLargeGridCancelledFill(benchmark::State& state) {
    phase(state, "cancel");
}

} // namespace

BENCHMARK(FillLargeGridOpen)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(FillLargeGridPlacement)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(FillLargeGridCancelledFill)->Iterations(1)->Unit(benchmark::kMillisecond);
