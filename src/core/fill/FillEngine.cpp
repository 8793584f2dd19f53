// The fill's entry points: one search, or several racing, over a problem.
#include "fill/FillEngine.h"
#include "fill/Search.h"

#include <algorithm>
#include <memory>
#include <thread>

namespace fill {

namespace {

// Search `number`'s seed: the caller's own for the first, so that one thread fills as before.
std::uint64_t seedOf(std::uint64_t seed, int number) {
    if (number == 0)
        return seed;
    std::uint64_t z = seed + 0x9E3779B97F4A7C15ULL * static_cast<std::uint64_t>(number);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

} // namespace

Result fillGrid(const Problem& problem, const Lexicon& lexicon, const Options& options) {
    const int cores = static_cast<int>(std::max(1U, std::thread::hardware_concurrency()));
    const int count =
        std::clamp(options.threads > 0 ? options.threads : cores, 1, Race::kMostSearches);
    if (count == 1) {
        Search search(problem, lexicon, options, false);
        return search.run();
    }
    // The searches differ in their seeds; the first runs on the calling thread and alone
    // reports progress.
    Race race;
    std::vector<Options> own(static_cast<std::size_t>(count), options);
    std::vector<std::unique_ptr<Search>> searches;
    std::vector<Result> results(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        Options& o = own[static_cast<std::size_t>(i)];
        o.seed = seedOf(options.seed, i);
        if (i > 0)
            o.progress = nullptr;
        searches.push_back(std::make_unique<Search>(problem, lexicon, o, false));
        searches.back()->enter(&race, i);
    }
    std::vector<std::thread> helpers;
    for (int i = 1; i < count; ++i)
        helpers.emplace_back([&, i] {
            results[static_cast<std::size_t>(i)] = searches[static_cast<std::size_t>(i)]->run();
        });
    results[0] = searches[0]->run();
    for (std::thread& helper : helpers)
        helper.join();
    int winner = -1;
    for (int i = 0; i < count; ++i) {
        const Search& s = *searches[static_cast<std::size_t>(i)];
        if (s.finished() &&
            (winner < 0 || s.raceKey() < searches[static_cast<std::size_t>(winner)]->raceKey()))
            winner = i;
    }
    if (winner >= 0)
        return results[static_cast<std::size_t>(winner)];
    // No answer: every search was cancelled or reached the step limit alike.
    return results[0];
}

std::vector<QByteArray> suggestWords(const Problem& problem, const Lexicon& lexicon, int slot,
                                     int maxCount, const std::atomic_bool* cancel) {
    Options options;
    options.cancel = cancel;
    Search search(problem, lexicon, options, true);
    return search.suggest(slot, maxCount);
}

std::vector<int> deadCells(const Problem& problem, const Lexicon& lexicon,
                           const std::atomic_bool* cancel) {
    Options options;
    options.cancel = cancel;
    Search search(problem, lexicon, options, true);
    return search.dead();
}

} // namespace fill
