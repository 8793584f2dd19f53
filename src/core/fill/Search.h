#pragma once

#include "fill/FillEngine.h"
#include "fill/Trail.h"

#include <atomic>
#include <limits>
#include <random>

namespace fill {

// Searches racing over one problem on several threads. The one finishing in the fewest steps
// wins (the lowest number on a tie), whichever thread ran fastest, so that a seed and a number
// of searches always give the same answer: a search stops once it is past the best finish.
struct Race {
    static constexpr int kMostSearches = 256;
    std::atomic<std::uint64_t> best{std::numeric_limits<std::uint64_t>::max()};
};

// One search over a problem. Everything that narrows on the way (cell masks, each slot's words,
// the decision levels behind each narrowing) lives in two flat arrays whose old values go on a
// trail, so that a failed choice is undone by unwinding it. A slot left without a word reports
// the levels behind it, and the search jumps back to the latest of them.
class Search {
public:
    // `tolerant`: a slot left without a word is marked dead and the rest goes on, for looking at
    // a grid rather than filling it.
    Search(const Problem& problem, const Lexicon& lexicon, const Options& options, bool tolerant);

    // Runs as search `number` of `race`.
    void enter(Race* race, int number) {
        race_ = race;
        number_ = number;
    }
    Result run();
    // Whether run() gave an answer: a fill, or that none exists.
    bool finished() const { return finished_; }
    std::uint64_t raceKey() const;
    std::vector<QByteArray> suggest(int slot, int maxCount);
    std::vector<int> dead();

private:
    struct Slot {
        std::vector<int> cells;
        const Lexicon::Bucket* bucket = nullptr;
        int span = 0;             // 64-bit words of its word bits
        std::size_t words = 0;    // where its word bits start in t_.w
        std::size_t why = 0;      // where its levels start in t_.w
        std::size_t residues = 0; // where its remembered words start in residues_
    };
    using Mark = Trail::Mark;

    std::uint64_t mask(int c) const { return t_.w[static_cast<std::size_t>(c)]; }
    std::size_t cellWhy(int c) const { return cellWhy_ + static_cast<std::size_t>(c) * k_; }
    int count(int s) const { return t_.i[static_cast<std::size_t>(s)]; }
    int chosen(int s) const { return t_.i[slots_.size() + static_cast<std::size_t>(s)]; }
    int deadCount() const { return t_.i[2 * slots_.size()]; }
    int assigned() const { return t_.i[2 * slots_.size() + 1]; }
    void setW(std::size_t at, std::uint64_t v) { t_.setW(at, v); }
    void setI(std::size_t at, int v) { t_.setI(at, v); }
    void setCount(int s, int v) { setI(static_cast<std::size_t>(s), v); }
    void setChosen(int s, int v) { setI(slots_.size() + static_cast<std::size_t>(s), v); }
    void addLevels(std::size_t at, const std::uint64_t* levels);
    Mark mark() const { return t_.mark(); }
    void undo(Mark m) { t_.undo(m); }

    bool settle();
    // Keeps only the words of slot s with a letter of `now` at `pos`, where it had `before`.
    bool narrowWords(int s, int pos, std::uint64_t before, std::uint64_t now);
    bool narrowCell(int c, std::uint64_t keep, const std::uint64_t* reason, int from);
    bool assign(int s, int word, const std::uint64_t* reason);
    bool wipe(int s);
    bool hasWord(int s, int word) const;
    // Rules a word out of slot s, for `reason`.
    bool dropWord(int s, int word, const std::uint64_t* reason);
    void enqueue(int s);
    bool drain();
    void clearQueue();
    // The letters of slot s's words at each position.
    void supports(int s, std::vector<std::uint64_t>& out);
    // The open slot with the fewest words for its weight, or -1.
    int pickSlot() const;
    // The words of slot s, those leaving the most to the crossings first.
    // How much a letter at a position leaves slot s: the log of its words with it there, + 1.
    float openness(int s, int pos, int symbol) const;
    std::vector<int> ordered(int s, double noise);
    // The open cell of slot s with the fewest letters left, or -1.
    int pickCell(int s) const;
    // The letters of cell c, those leaving the most to its slots first.
    std::vector<int> orderedLetters(int c, double noise);
    bool solve(int level);
    bool stopped();
    // Another search of the race finished sooner.
    bool outrun() const;
    void finish();
    QByteArray wordOf(int s, int word) const;

    const Problem& p_;
    const Lexicon& lex_;
    const Options& opt_;
    const bool tolerant_;
    std::mt19937_64 rng_;
    std::uint64_t all_ = 0; // every symbol of the lexicon
    std::vector<Slot> slots_;
    std::vector<std::vector<std::pair<int, int>>> slotsOfCell_; // (slot, position)
    // By length: the slots a word of that length could repeat in. Per slot, the other slots
    // of its length would grow with the square of a large grid's slots.
    std::vector<std::vector<int>> slotsOfLength_;
    std::size_t k_ = 0; // 64-bit words per level set
    std::size_t cellWhy_ = 0;

    // t_.w: cell masks, each slot's word bits, levels per slot, levels per cell.
    // t_.i: words left per slot, the word chosen per slot, dead slots, slots with a word.
    Trail t_;

    std::vector<int> queue_;
    std::vector<char> queued_;
    std::vector<double> weight_; // per slot: how often it was left without a word
    // A choice refuted for no reason but the grid: ruled out for good, after every restart too.
    struct Refuted {
        int slot = -1; // a word of this slot, or
        int cell = -1; // a letter of this cell
        int choice = 0;
    };
    std::vector<Refuted> refuted_;
    std::size_t refutedKept_ = 0; // how many of them the root holds
    bool ruleOut(const Refuted& r, const std::uint64_t* reason);
    bool keepRefuted();
    std::vector<std::uint64_t> conflict_;
    std::vector<std::uint64_t> scratch_;
    // Per slot, position and letter: a word that had the letter there when last looked at.
    std::vector<int> residues_;
    Result result_;
    bool halted_ = false;
    bool restarting_ = false;
    bool probing_ = false;
    std::vector<char> near_; // per slot, while probing: whether it may settle again
    std::uint64_t drained_ = 0;
    std::int64_t restartAt_ = 0;
    int lastWiped_ = -1;
    bool finished_ = false;
    Race* race_ = nullptr;
    int number_ = 0;
};

} // namespace fill
