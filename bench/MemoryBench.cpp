// Peak resident memory with the largest allowed grid and after a pattern search over a large
// word list, measured in a process of its own (helpers/PeakMemory.cpp) beside the same process
// with only the main window.
#include "HelperFigures.h"

#include "grid/GridLimits.h"

#include <benchmark/benchmark.h>

#include <map>
#include <string>

namespace {

// The helper's figures by name ("peak_kb" and what else it prints); empty when it failed.
std::map<std::string, double> helperFigures(const std::string& arguments) {
    return bench::helperFigures(std::string("'") + CLUEFORGE_PEAK_HELPER + "' " + arguments);
}

// The helper's peak resident memory in MB; -1 when it failed.
double peakMb(const std::string& arguments) {
    const auto figures = helperFigures(arguments);
    return figures.empty() ? -1 : figures.at("peak_kb") / 1024.0;
}

void PeakMemoryLargestGrid(benchmark::State& state) {
    const int side = gridlimits::kMaxGridSide;
    double grid = 0, window = 0;
    for (auto _ : state) {
        grid = peakMb(std::to_string(side));
        window = peakMb("");
        if (grid < 0 || window < 0) {
            state.SkipWithError("the helper failed");
            return;
        }
    }
    state.counters["peak_mb"] = grid;
    state.counters["window_mb"] = window;
    state.counters["ratio"] = grid / window;
    state.counters["goal_mb"] = 200;
    state.counters["side"] = side;
}

// The pattern search for "??" over a 60 MB list of two-letter words, in the window: the time
// of the search and the repaint after it, and the peak memory, beside the window alone.
void PeakMemoryPatternSearch(benchmark::State& state) {
    constexpr int kMegabytes = 60;
    std::map<std::string, double> search;
    double window = 0;
    for (auto _ : state) {
        search = helperFigures("search " + std::to_string(kMegabytes));
        window = peakMb("");
        if (search.empty() || window < 0) {
            state.SkipWithError("the helper failed");
            return;
        }
    }
    state.counters["search_ms"] = search["search_ms"];
    state.counters["found"] = search["found"];
    state.counters["peak_mb"] = search["peak_kb"] / 1024.0;
    state.counters["window_mb"] = window;
    state.counters["list_mb"] = kMegabytes;
}

} // namespace

BENCHMARK(PeakMemoryLargestGrid)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(PeakMemoryPatternSearch)->Iterations(1)->Unit(benchmark::kMillisecond);
