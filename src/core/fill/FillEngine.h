#pragma once

#include "words/WordList.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QSet>

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <vector>

// Filling a grid's open slots with words of the lists: every slot a word, crossings agreeing,
// no word twice.
namespace fill {

// A grid to fill: cells 0..cellCount-1, each slot its cells in reading order. `fixed` holds a
// letter (Windows-1251 byte) per cell the author placed, 0 for an open cell.
struct Problem {
    int cellCount = 0;
    std::vector<std::vector<int>> slotCells;
    QByteArray fixed;
};

// The words a fill may use, by length, with one bit set per word for each letter at each
// position, so that the words fitting a cell's possible letters are found with a few ANDs
// and ORs. Up to 64 different letters; a word with a 65th is left out.
class Lexicon {
public:
    // Adds the words of one list (upper case, as the lists hold them). A word given twice is
    // kept once.
    void add(const words::WordList& list);
    void add(QByteArrayView word);
    // A word never to use.
    void forbid(QByteArrayView word);

    int wordCount(int length) const;
    QByteArrayView word(int length, int index) const;
    bool contains(QByteArrayView word) const;

private:
    friend class Search;
    struct Bucket {
        int length = 0;
        QByteArray letters;                 // the words back to back
        std::vector<std::uint64_t> allowed; // one bit per word: not forbidden
        QByteArray symbols;                 // the words' letters as symbols, back to back
        std::vector<int> table;             // word index + 1 by hash of its letters, 0 = none
        void remember(int index);
        // bits[position * 64 + symbol]: one bit per word with that letter there
        std::vector<std::vector<std::uint64_t>> bits;
        int count() const { return length > 0 ? static_cast<int>(letters.size() / length) : 0; }
    };
    int symbolOf(unsigned char letter);  // -1 when the alphabet is full
    int find(QByteArrayView word) const; // its index in its length's words, or -1

    std::vector<Bucket> buckets_;   // index: length
    std::array<int, 256> symbol_{}; // letter byte -> symbol + 1, 0 = none yet
    int symbols_ = 0;
    QSet<QByteArray> forbidden_;
};

struct Options {
    std::uint64_t seed = 1;
    // Search steps (words or letters tried) before giving up with LimitReached.
    std::int64_t stepLimit = 50'000'000;
    // Steps of the shortest run between restarts (runs grow by Luby's sequence).
    std::int64_t restartSteps = 2048;
    // Set from any thread to stop the search within a step.
    const std::atomic_bool* cancel = nullptr;
    // Now and then, from the calling thread: slots with a word so far and all slots.
    std::function<void(int filled, int total)> progress;
    // Searches racing on as many threads, each from its own seed (0: one per core). The answer
    // depends on the seed and this number only, never on which thread ran faster.
    int threads = 0;
};

struct Result {
    enum class Status {
        Filled,       // `words` holds a word per slot
        NoFill,       // the whole search found none: no fill exists with these words
        Cancelled,    // stopped by `cancel`
        LimitReached, // stopped after stepLimit steps without an answer either way
    };
    Status status = Status::NoFill;
    std::vector<QByteArray> words; // per slot, Filled only
    // NoFill found before any choice: a slot no word of the lists can fill once the placed
    // letters have narrowed its crossings down; else -1.
    int deadSlot = -1;
    // NoFill found by the whole search: the slot left without a word most often; else -1.
    int hardestSlot = -1;
    std::int64_t steps = 0;
};

// Fills every slot of `problem`. Slots whose cells are all fixed keep their letters whether or
// not the lists hold them. The same seed and number of threads give the same fill.
Result fillGrid(const Problem& problem, const Lexicon& lexicon, const Options& options = {});

// Words for one slot, best first: each fits the letters the slot's cells may still take once
// the placed letters have narrowed the whole grid down and, placed, leaves the slots crossing
// it, and those crossing them, at least one word once those crossings have been narrowed down.
// "Best" leaves the most words to the crossing slots. At most `maxCount`, from the first 3 ×
// maxCount + 30 best; none for a slot the author filled whole. `cancel`, set from any thread,
// stops the look-up with a partial answer.
std::vector<QByteArray> suggestWords(const Problem& problem, const Lexicon& lexicon, int slot,
                                     int maxCount, const std::atomic_bool* cancel = nullptr);

// The cells through which no word of the lexicon can pass any more, in increasing order: the
// cells of every slot left without a word once the placed letters have narrowed its crossings
// down (slots already dead do not narrow their crossings further).
std::vector<int> deadCells(const Problem& problem, const Lexicon& lexicon,
                           const std::atomic_bool* cancel = nullptr);

} // namespace fill
