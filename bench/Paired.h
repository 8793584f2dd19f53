#pragma once

#include <benchmark/benchmark.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

// Every figure of the suite is read as a ratio to a reference measured in the same run, each
// iteration timing the operation and then every reference, so that a slower moment of the
// machine (the background work of a two-core box) weighs on both sides alike.
namespace bench {

// Seconds taken by f; the callables of runPaired time only their measured part with it, so
// that setting up and tearing down stay outside.
template <typename F> double timed(F&& f) {
    const auto start = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

struct Reference {
    std::string name;
    std::function<double()> run; // seconds of one run
};

// Runs op (seconds of one run) and each reference per iteration. The benchmark's time is op's
// (register it with UseManualTime); counters: <name>_ms, the reference's mean time, and
// ratio_<name> (ratio when there is one reference), op's time over the reference's. Returns
// op's total seconds.
template <typename Op>
double runPaired(benchmark::State& state, Op&& op, const std::vector<Reference>& references) {
    double opTotal = 0;
    std::vector<double> totals(references.size(), 0.0);
    for (auto _ : state) {
        const double t = op();
        opTotal += t;
        state.SetIterationTime(t);
        for (std::size_t i = 0; i < references.size(); ++i)
            totals[i] += references[i].run();
    }
    const double n = static_cast<double>(state.iterations());
    for (std::size_t i = 0; i < references.size(); ++i) {
        const std::string& name = references[i].name;
        state.counters[name + "_ms"] = totals[i] / n * 1e3;
        const std::string ratio = references.size() == 1 ? "ratio" : "ratio_" + name;
        state.counters[ratio] = totals[i] > 0 ? opTotal / totals[i] : 0.0;
    }
    return opTotal;
}

// Per-cell cost of op, in nanoseconds, for the grid benchmarks (flat across sizes = linear).
inline void setPerCell(benchmark::State& state, double opSeconds, long long cells) {
    const double n = static_cast<double>(state.iterations());
    state.counters["cells"] = static_cast<double>(cells);
    state.counters["ns_per_cell"] = n > 0 ? opSeconds / n / static_cast<double>(cells) * 1e9 : 0;
}

} // namespace bench
