// Peak resident memory with the largest allowed grid, measured in a process of its own
// (helpers/PeakMemory.cpp) beside the same process with only the main window.
#include "grid/GridLimits.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

namespace {

// The helper's peak resident memory in MB; -1 when it failed.
double peakMb(const std::string& arguments) {
    const std::string command = std::string("'") + CLUEFORGE_PEAK_HELPER + "' " + arguments;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return -1;
    long kb = -1;
    if (std::fscanf(pipe, "peak_kb %ld", &kb) != 1)
        kb = -1;
    const int status = pclose(pipe);
    return status == 0 && kb > 0 ? static_cast<double>(kb) / 1024.0 : -1;
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

} // namespace

BENCHMARK(PeakMemoryLargestGrid)->Iterations(1)->Unit(benchmark::kMillisecond);
