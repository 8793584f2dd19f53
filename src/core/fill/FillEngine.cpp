// The fill search: letter masks per cell, word bitsets per slot, propagation to a fixed point
// and the most constrained slot first.
#include "fill/FillEngine.h"

#include <algorithm>
#include <bit>
#include <random>

namespace fill {

namespace {

using Bits = std::vector<std::uint64_t>;

void setBit(Bits& bits, int i) {
    const auto word = static_cast<std::size_t>(i / 64);
    if (bits.size() <= word)
        bits.resize(word + 1, 0);
    bits[word] |= std::uint64_t{1} << (i % 64);
}

bool anyCommon(const Bits& a, const Bits& b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i)
        if ((a[i] & b[i]) != 0)
            return true;
    return false;
}

int countBits(const Bits& bits) {
    int n = 0;
    for (const std::uint64_t w : bits)
        n += std::popcount(w);
    return n;
}

} // namespace

int Lexicon::symbolOf(unsigned char letter) {
    if (symbol_[letter] == 0) {
        if (symbols_ == 64)
            return -1;
        symbol_[letter] = ++symbols_;
    }
    return symbol_[letter] - 1;
}

void Lexicon::add(const words::WordList& list) {
    for (qsizetype i = 0; i < list.count(); ++i)
        add(list.word(i));
}

void Lexicon::add(QByteArrayView word) {
    const int length = static_cast<int>(word.size());
    if (length < 1 || words_.contains(word.toByteArray()))
        return;
    std::vector<int> symbols(static_cast<std::size_t>(length));
    for (int p = 0; p < length; ++p) {
        const int s = symbolOf(static_cast<unsigned char>(word[p]));
        if (s < 0)
            return;
        symbols[static_cast<std::size_t>(p)] = s;
    }
    if (buckets_.size() <= static_cast<std::size_t>(length))
        buckets_.resize(static_cast<std::size_t>(length) + 1);
    Bucket& b = buckets_[static_cast<std::size_t>(length)];
    if (b.length == 0) {
        b.length = length;
        b.bits.resize(static_cast<std::size_t>(length) * 64);
    }
    const int index = b.count();
    b.letters.append(word);
    for (int p = 0; p < length; ++p)
        setBit(b.bits[static_cast<std::size_t>(p) * 64 +
                      static_cast<std::size_t>(symbols[static_cast<std::size_t>(p)])],
               index);
    b.allowed.resize(static_cast<std::size_t>(index / 64) + 1, 0);
    if (!forbidden_.contains(word.toByteArray()))
        setBit(b.allowed, index);
    words_.insert(word.toByteArray());
}

void Lexicon::forbid(QByteArrayView word) {
    forbidden_.insert(word.toByteArray());
    const auto length = static_cast<std::size_t>(word.size());
    if (length >= buckets_.size())
        return;
    Bucket& b = buckets_[length];
    for (int i = 0; i < b.count(); ++i)
        if (QByteArrayView(b.letters).sliced(static_cast<qsizetype>(i) * b.length, b.length) ==
            word)
            b.allowed[static_cast<std::size_t>(i / 64)] &= ~(std::uint64_t{1} << (i % 64));
}

int Lexicon::wordCount(int length) const {
    if (length < 0 || static_cast<std::size_t>(length) >= buckets_.size())
        return 0;
    return buckets_[static_cast<std::size_t>(length)].count();
}

QByteArrayView Lexicon::word(int length, int index) const {
    const Bucket& b = buckets_[static_cast<std::size_t>(length)];
    return QByteArrayView(b.letters).sliced(static_cast<qsizetype>(index) * length, length);
}

bool Lexicon::contains(QByteArrayView word) const {
    return words_.contains(word.toByteArray()) && !forbidden_.contains(word.toByteArray());
}

// One search: cell masks (the letters a cell may still take), a word per chosen slot and the
// words used so far, undone by copying on each choice.
class Search {
public:
    Search(const Problem& problem, const Lexicon& lexicon, const Options& options)
        : p_(problem), lex_(lexicon), opt_(options), rng_(options.seed) {}

    Result run();

private:
    using Buckets = std::vector<Lexicon::Bucket>;
    struct State {
        std::vector<std::uint64_t> masks; // per cell
        std::vector<int> chosen;          // per slot: word index, -1 open, -2 kept as placed
        std::vector<Bits> used;           // per length
    };

    const Lexicon::Bucket* bucketFor(int slot) const;
    // The words that can still go into `slot`.
    Bits domain(const State& s, int slot) const;
    // Narrows every cell to the letters some fitting word puts there, until nothing changes;
    // false (and the slot in `dead`) when a slot has no word left.
    bool propagate(State& s, int& dead) const;
    bool step(State& s, int depth);
    bool stopped();

    const Problem& p_;
    const Lexicon& lex_;
    const Options& opt_;
    std::mt19937_64 rng_;
    std::uint64_t all_ = 0;                                     // every symbol of the lexicon
    std::vector<std::vector<std::pair<int, int>>> slotsOfCell_; // (slot, position)
    Result result_;
    bool halted_ = false;
};

const Lexicon::Bucket* Search::bucketFor(int slot) const {
    const auto length = p_.slotCells[static_cast<std::size_t>(slot)].size();
    if (length >= lex_.buckets_.size() || lex_.buckets_[length].length == 0)
        return nullptr;
    return &lex_.buckets_[length];
}

Bits Search::domain(const State& s, int slot) const {
    const Lexicon::Bucket* b = bucketFor(slot);
    if (b == nullptr)
        return {};
    Bits d = b->allowed;
    const Bits& used = s.used[static_cast<std::size_t>(b->length)];
    for (std::size_t i = 0; i < used.size() && i < d.size(); ++i)
        d[i] &= ~used[i];
    const auto& cells = p_.slotCells[static_cast<std::size_t>(slot)];
    Bits any(d.size());
    for (std::size_t pos = 0; pos < cells.size(); ++pos) {
        const std::uint64_t mask = s.masks[static_cast<std::size_t>(cells[pos])];
        if (mask == all_)
            continue;
        std::fill(any.begin(), any.end(), 0);
        for (std::uint64_t m = mask; m != 0; m &= m - 1) {
            const Bits& bits = b->bits[pos * 64 + static_cast<std::size_t>(std::countr_zero(m))];
            for (std::size_t i = 0; i < bits.size() && i < any.size(); ++i)
                any[i] |= bits[i];
        }
        for (std::size_t i = 0; i < d.size(); ++i)
            d[i] &= any[i];
    }
    return d;
}

bool Search::propagate(State& s, int& dead) const {
    for (bool changed = true; changed;) {
        changed = false;
        for (int slot = 0; slot < static_cast<int>(p_.slotCells.size()); ++slot) {
            if (s.chosen[static_cast<std::size_t>(slot)] != -1)
                continue;
            const Bits d = domain(s, slot);
            if (countBits(d) == 0) {
                dead = slot;
                return false;
            }
            const Lexicon::Bucket* b = bucketFor(slot);
            const auto& cells = p_.slotCells[static_cast<std::size_t>(slot)];
            for (std::size_t pos = 0; pos < cells.size(); ++pos) {
                std::uint64_t& mask = s.masks[static_cast<std::size_t>(cells[pos])];
                std::uint64_t kept = 0;
                for (std::uint64_t m = mask; m != 0; m &= m - 1) {
                    const int sym = std::countr_zero(m);
                    if (anyCommon(b->bits[pos * 64 + static_cast<std::size_t>(sym)], d))
                        kept |= std::uint64_t{1} << sym;
                }
                if (kept != mask) {
                    mask = kept;
                    changed = true;
                }
            }
        }
    }
    return true;
}

bool Search::stopped() {
    ++result_.steps;
    if (opt_.cancel != nullptr && opt_.cancel->load(std::memory_order_relaxed)) {
        result_.status = Result::Status::Cancelled;
        halted_ = true;
    } else if (result_.steps > opt_.stepLimit) {
        result_.status = Result::Status::LimitReached;
        halted_ = true;
    }
    return halted_;
}

bool Search::step(State& s, int depth) {
    if (stopped())
        return false;
    if (opt_.progress && (result_.steps & 1023) == 1)
        opt_.progress(depth, static_cast<int>(p_.slotCells.size()));
    // The open slot with the fewest words left.
    int best = -1;
    Bits bestDomain;
    int bestCount = 0;
    for (int slot = 0; slot < static_cast<int>(p_.slotCells.size()); ++slot) {
        if (s.chosen[static_cast<std::size_t>(slot)] != -1)
            continue;
        Bits d = domain(s, slot);
        const int n = countBits(d);
        if (best < 0 || n < bestCount) {
            best = slot;
            bestCount = n;
            bestDomain = std::move(d);
        }
    }
    if (best < 0) {
        result_.status = Result::Status::Filled;
        return true;
    }
    std::vector<int> candidates;
    candidates.reserve(static_cast<std::size_t>(bestCount));
    for (std::size_t i = 0; i < bestDomain.size(); ++i)
        for (std::uint64_t m = bestDomain[i]; m != 0; m &= m - 1)
            candidates.push_back(static_cast<int>(i * 64) + std::countr_zero(m));
    std::shuffle(candidates.begin(), candidates.end(), rng_);

    const Lexicon::Bucket* b = bucketFor(best);
    const auto& cells = p_.slotCells[static_cast<std::size_t>(best)];
    for (const int w : candidates) {
        State next = s;
        next.chosen[static_cast<std::size_t>(best)] = w;
        setBit(next.used[static_cast<std::size_t>(b->length)], w);
        for (std::size_t pos = 0; pos < cells.size(); ++pos) {
            const auto letter = static_cast<unsigned char>(
                b->letters[static_cast<qsizetype>(w) * b->length + static_cast<qsizetype>(pos)]);
            next.masks[static_cast<std::size_t>(cells[pos])] = std::uint64_t{1}
                                                               << (lex_.symbol_[letter] - 1);
        }
        int dead = -1;
        if (propagate(next, dead) && step(next, depth + 1)) {
            s = std::move(next);
            return true;
        }
        if (halted_)
            return false;
    }
    return false;
}

Result Search::run() {
    const auto cellCount = static_cast<std::size_t>(std::max(p_.cellCount, 0));
    all_ = lex_.symbols_ == 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << lex_.symbols_) - 1;
    State s;
    s.masks.assign(cellCount, all_);
    s.chosen.assign(p_.slotCells.size(), -1);
    s.used.resize(lex_.buckets_.size());
    // Slots the author filled whole stay as they are, and their words are not used again.
    for (std::size_t slot = 0; slot < p_.slotCells.size(); ++slot) {
        const auto& cells = p_.slotCells[slot];
        QByteArray word;
        for (const int c : cells)
            word.append(c < p_.fixed.size() ? p_.fixed[c] : '\0');
        if (cells.empty() || word.contains('\0'))
            continue;
        s.chosen[slot] = -2;
        if (const Lexicon::Bucket* b = bucketFor(static_cast<int>(slot)))
            for (int i = 0; i < b->count(); ++i)
                if (lex_.word(b->length, i) == word)
                    setBit(s.used[static_cast<std::size_t>(b->length)], i);
    }
    // A letter no word has leaves its cell without any: the open slotCells through it cannot be
    // filled.
    for (std::size_t c = 0; c < cellCount && c < static_cast<std::size_t>(p_.fixed.size()); ++c) {
        const auto letter = static_cast<unsigned char>(p_.fixed[static_cast<qsizetype>(c)]);
        if (letter != 0) {
            const int sym = lex_.symbol_[letter] - 1;
            s.masks[c] = sym < 0 ? 0 : std::uint64_t{1} << sym;
        }
    }
    int dead = -1;
    if (!propagate(s, dead)) {
        result_.status = Result::Status::NoFill;
        result_.deadSlot = dead;
        return result_;
    }
    if (!step(s, 0)) {
        if (!halted_)
            result_.status = Result::Status::NoFill;
        return result_;
    }
    result_.words.reserve(p_.slotCells.size());
    for (const auto& cells : p_.slotCells) {
        QByteArray word;
        for (const int c : cells) {
            if (c < p_.fixed.size() && p_.fixed[c] != '\0') {
                word.append(p_.fixed[c]);
                continue;
            }
            const std::uint64_t m = s.masks[static_cast<std::size_t>(c)];
            const int sym = std::countr_zero(m);
            const auto it = std::find(lex_.symbol_.begin(), lex_.symbol_.end(), sym + 1);
            word.append(static_cast<char>(it - lex_.symbol_.begin()));
        }
        result_.words.push_back(word);
    }
    return result_;
}

Result fillGrid(const Problem& problem, const Lexicon& lexicon, const Options& options) {
    Search search(problem, lexicon, options);
    return search.run();
}

namespace {

bool fits(QByteArrayView word, const Problem& problem, const std::vector<int>& cells) {
    for (std::size_t k = 0; k < cells.size(); ++k) {
        const char letter = problem.fixed[cells[k]];
        if (letter != '\0' && letter != word[static_cast<qsizetype>(k)])
            return false;
    }
    return true;
}

bool openCellIn(const Problem& problem, const std::vector<int>& cells) {
    return std::any_of(cells.begin(), cells.end(), [&](int c) { return problem.fixed[c] == '\0'; });
}

} // namespace

std::vector<QByteArray> suggestWords(const Problem& problem, const Lexicon& lexicon, int slot,
                                     int maxCount) {
    std::vector<QByteArray> out;
    if (slot < 0 || static_cast<std::size_t>(slot) >= problem.slotCells.size() || maxCount < 1)
        return out;
    const auto& cells = problem.slotCells[static_cast<std::size_t>(slot)];
    if (!openCellIn(problem, cells))
        return out;
    const int length = static_cast<int>(cells.size());
    for (int i = 0; i < lexicon.wordCount(length) && static_cast<int>(out.size()) < maxCount; ++i) {
        const QByteArrayView word = lexicon.word(length, i);
        if (!fits(word, problem, cells) || !lexicon.contains(word))
            continue;
        Problem placed = problem;
        for (std::size_t k = 0; k < cells.size(); ++k)
            placed.fixed[cells[k]] = word[static_cast<qsizetype>(k)];
        Options settleOnly;
        settleOnly.stepLimit = 0;
        if (fillGrid(placed, lexicon, settleOnly).status != Result::Status::NoFill)
            out.push_back(word.toByteArray());
    }
    return out;
}

std::vector<int> deadCells(const Problem& problem, const Lexicon& lexicon) {
    std::vector<bool> dead(static_cast<std::size_t>(std::max(problem.cellCount, 0)), false);
    for (const auto& cells : problem.slotCells) {
        if (!openCellIn(problem, cells))
            continue;
        const int length = static_cast<int>(cells.size());
        bool any = false;
        for (int i = 0; i < lexicon.wordCount(length) && !any; ++i)
            any = fits(lexicon.word(length, i), problem, cells) &&
                  lexicon.contains(lexicon.word(length, i));
        if (!any)
            for (const int c : cells)
                dead[static_cast<std::size_t>(c)] = true;
    }
    std::vector<int> out;
    for (std::size_t c = 0; c < dead.size(); ++c)
        if (dead[c])
            out.push_back(static_cast<int>(c));
    return out;
}

} // namespace fill
