// The fill's entry points: one search, or several racing, over a problem.
#include "fill/FillEngine.h"
#include "fill/Search.h"

namespace fill {

Result fillGrid(const Problem& problem, const Lexicon& lexicon, const Options& options) {
    Search search(problem, lexicon, options, false);
    return search.run();
}

std::vector<QByteArray> suggestWords(const Problem& problem, const Lexicon& lexicon, int slot,
                                     int maxCount) {
    const Options options;
    Search search(problem, lexicon, options, true);
    return search.suggest(slot, maxCount);
}

std::vector<int> deadCells(const Problem& problem, const Lexicon& lexicon) {
    const Options options;
    Search search(problem, lexicon, options, true);
    return search.dead();
}

} // namespace fill
