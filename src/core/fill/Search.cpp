// The fill search: letter masks per cell, word bitsets per slot, propagation to a fixed point,
// the most constrained slot first, jumps back to the cause of a failure, and restarts.
#include "fill/Search.h"
#include "fill/Bits.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace fill {

namespace {

constexpr int kOpen = -1; // a slot's word: none yet
constexpr int kKept = -2; // the author's whole word
constexpr int kDead = -3; // no word left, while only looking rather than searching

// Explaining failures costs a set of levels per slot and cell, which grows with the square of
// the grid; beyond this the search backtracks one level at a time.
constexpr int kMostLevelsExplained = 4096;

// A slot with more words left than this is narrowed a letter at a time.
constexpr int kMostWordsTriedOneByOne = 256;

// 1, 1, 2, 1, 1, 2, 4, 1, 1, 2, 1, 1, 2, 4, 8, …
std::int64_t luby(std::int64_t i) {
    for (std::int64_t k = 1;; ++k) {
        const std::int64_t full = (std::int64_t{1} << k) - 1;
        if (i == full)
            return std::int64_t{1} << (k - 1);
        if (i < full)
            return luby(i - (full >> 1));
    }
}

// The choices of (minus score, choice) pairs, highest score first.
std::vector<int> bestFirst(std::vector<std::pair<float, int>>& scored) {
    std::sort(scored.begin(), scored.end());
    std::vector<int> out;
    out.reserve(scored.size());
    for (const auto& [score, choice] : scored)
        out.push_back(choice);
    return out;
}

} // namespace

Search::Search(const Problem& problem, const Lexicon& lexicon, const Options& options,
               bool tolerant)
    : p_(problem), lex_(lexicon), opt_(options), tolerant_(tolerant), rng_(options.seed) {
    all_ = lex_.symbols_ == 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << lex_.symbols_) - 1;
    const auto cells = static_cast<std::size_t>(std::max(p_.cellCount, 0));
    const std::size_t n = p_.slotCells.size();
    slots_.resize(n);
    slotsOfCell_.resize(cells);
    // A level per slot or cell at most: each choice gives a slot its word or a cell its letter.
    k_ =
        n + cells <= static_cast<std::size_t>(kMostLevelsExplained) ? (n + cells + 2 + 63) / 64 : 0;
    std::size_t at = cells;
    int widest = 0;
    for (std::size_t s = 0; s < n; ++s) {
        Slot& slot = slots_[s];
        slot.cells = p_.slotCells[s];
        const std::size_t length = slot.cells.size();
        if (length < lex_.buckets_.size() && lex_.buckets_[length].length != 0)
            slot.bucket = &lex_.buckets_[length];
        slot.span = slot.bucket ? static_cast<int>(slot.bucket->allowed.size()) : 0;
        widest = std::max(widest, slot.span);
        slot.words = at;
        at += static_cast<std::size_t>(slot.span);
        for (std::size_t pos = 0; pos < length; ++pos)
            slotsOfCell_[static_cast<std::size_t>(slot.cells[pos])].emplace_back(
                static_cast<int>(s), static_cast<int>(pos));
    }
    for (std::size_t s = 0; s < n; ++s) {
        slots_[s].why = at;
        at += k_;
        const std::size_t length = slots_[s].cells.size();
        if (slotsOfLength_.size() <= length)
            slotsOfLength_.resize(length + 1);
        slotsOfLength_[length].push_back(static_cast<int>(s));
    }
    cellWhy_ = at;
    at += cells * k_;
    std::size_t residues = 0;
    for (Slot& slot : slots_) {
        slot.residues = residues;
        residues += slot.cells.size() * 64;
    }
    residues_.assign(residues, -1);
    t_.w.assign(at, 0);
    t_.i.assign(2 * n + 2, 0);
    queued_.assign(n, 0);
    weight_.assign(n, 1.0);
    conflict_.assign(k_, 0);
    scratch_.assign(static_cast<std::size_t>(widest), 0);
}

void Search::addLevels(std::size_t at, const std::uint64_t* levels) {
    for (std::size_t k = 0; k < k_; ++k)
        setW(at + k, t_.w[at + k] | levels[k]);
}

bool Search::wipe(int s) {
    weight_[static_cast<std::size_t>(s)] += 1.0;
    if (tolerant_ && !probing_) {
        setChosen(s, kDead);
        setI(2 * slots_.size(), deadCount() + 1);
        return true;
    }
    lastWiped_ = s;
    std::copy_n(&t_.w[slots_[static_cast<std::size_t>(s)].why], k_, conflict_.begin());
    return false;
}

bool Search::hasWord(int s, int word) const {
    return chosen(s) == kOpen &&
           (t_.w[slots_[static_cast<std::size_t>(s)].words + static_cast<std::size_t>(word / 64)] >>
                (word % 64) &
            1) != 0;
}

bool Search::dropWord(int s, int word, const std::uint64_t* reason) {
    if (!hasWord(s, word))
        return true;
    const Slot& slot = slots_[static_cast<std::size_t>(s)];
    const std::size_t at = slot.words + static_cast<std::size_t>(word / 64);
    setW(at, t_.w[at] & ~(std::uint64_t{1} << (word % 64)));
    setCount(s, count(s) - 1);
    addLevels(slot.why, reason);
    if (count(s) == 0)
        return wipe(s);
    enqueue(s);
    return true;
}

void Search::enqueue(int s) {
    // A probe looks only near its slot: the rest of the grid was settled before it.
    if (probing_ && !near_.empty() && near_[static_cast<std::size_t>(s)] == 0)
        return;
    if (queued_[static_cast<std::size_t>(s)] == 0) {
        queued_[static_cast<std::size_t>(s)] = 1;
        queue_.push_back(s);
    }
}

void Search::clearQueue() {
    for (const int s : queue_)
        queued_[static_cast<std::size_t>(s)] = 0;
    queue_.clear();
}

bool Search::narrowWords(int s, int pos, std::uint64_t before, std::uint64_t now) {
    const Slot& slot = slots_[static_cast<std::size_t>(s)];
    const Lexicon::Bucket& b = *slot.bucket;
    const std::size_t span = static_cast<std::size_t>(slot.span);
    const std::uint64_t removed = before & ~now;
    int lost = 0;
    const auto keepOnly = [&](std::size_t i, std::uint64_t keep) {
        const std::uint64_t old = t_.w[slot.words + i];
        if ((old & ~keep) != 0) {
            lost += std::popcount(old & ~keep);
            setW(slot.words + i, old & keep);
        }
    };
    const std::size_t row = static_cast<std::size_t>(pos) * 64;
    const int dense = std::min(std::popcount(removed), std::popcount(now) + 2) * slot.span;
    if (count(s) < dense) {
        // Few words left: look at each one's letter.
        const auto length = static_cast<qsizetype>(slot.cells.size());
        const char* symbols = b.symbols.constData() + pos;
        for (std::size_t i = 0; i < span; ++i) {
            const std::uint64_t old = t_.w[slot.words + i];
            std::uint64_t keep = old;
            for (std::uint64_t m = old; m != 0; m &= m - 1) {
                const auto w = static_cast<qsizetype>(i * 64) + std::countr_zero(m);
                if ((now >> static_cast<unsigned char>(symbols[w * length]) & 1) == 0)
                    keep &= ~(m & -m);
            }
            if (keep != old) {
                lost += std::popcount(old & ~keep);
                setW(slot.words + i, keep);
            }
        }
    } else if (std::popcount(removed) <= std::popcount(now)) {
        for (std::uint64_t m = removed; m != 0; m &= m - 1) {
            const Bits& bits = b.bits[row + static_cast<std::size_t>(std::countr_zero(m))];
            for (std::size_t i = 0; i < bits.size() && i < span; ++i)
                if (bits[i] != 0)
                    keepOnly(i, ~bits[i]);
        }
    } else {
        std::fill_n(scratch_.begin(), span, 0);
        for (std::uint64_t m = now; m != 0; m &= m - 1) {
            const Bits& bits = b.bits[row + static_cast<std::size_t>(std::countr_zero(m))];
            for (std::size_t i = 0; i < bits.size() && i < span; ++i)
                scratch_[i] |= bits[i];
        }
        for (std::size_t i = 0; i < span; ++i)
            keepOnly(i, scratch_[i]);
    }
    if (lost == 0)
        return false;
    setCount(s, count(s) - lost);
    return true;
}

bool Search::narrowCell(int c, std::uint64_t keep, const std::uint64_t* reason, int from) {
    const std::uint64_t before = mask(c);
    const std::uint64_t now = before & keep;
    if (now == before)
        return true;
    addLevels(cellWhy(c), reason);
    setW(static_cast<std::size_t>(c), now);
    for (const auto& [s, pos] : slotsOfCell_[static_cast<std::size_t>(c)]) {
        if (s == from || chosen(s) != kOpen)
            continue;
        if (slots_[static_cast<std::size_t>(s)].bucket == nullptr ||
            !narrowWords(s, pos, before, now))
            continue;
        addLevels(slots_[static_cast<std::size_t>(s)].why, &t_.w[cellWhy(c)]);
        if (count(s) == 0) {
            if (!wipe(s))
                return false;
        } else {
            enqueue(s);
        }
    }
    return true;
}

bool Search::assign(int s, int word, const std::uint64_t* reason) {
    const Slot& slot = slots_[static_cast<std::size_t>(s)];
    const int length = static_cast<int>(slot.cells.size());
    setChosen(s, word);
    setI(2 * slots_.size() + 1, assigned() + 1);
    for (int i = 0; i < slot.span; ++i)
        setW(slot.words + static_cast<std::size_t>(i),
             i == word / 64 ? std::uint64_t{1} << (word % 64) : 0);
    setCount(s, 1);
    const std::size_t at = static_cast<std::size_t>(word / 64);
    const std::uint64_t bit = std::uint64_t{1} << (word % 64);
    for (const int o : slotsOfLength_[slot.cells.size()]) {
        const Slot& other = slots_[static_cast<std::size_t>(o)];
        if (o == s || chosen(o) != kOpen || (t_.w[other.words + at] & bit) == 0)
            continue;
        setW(other.words + at, t_.w[other.words + at] & ~bit);
        setCount(o, count(o) - 1);
        addLevels(other.why, reason);
        if (count(o) == 0) {
            if (!wipe(o))
                return false;
        } else {
            enqueue(o);
        }
    }
    for (int pos = 0; pos < length; ++pos) {
        const auto symbol = static_cast<unsigned char>(
            slot.bucket->symbols[static_cast<qsizetype>(word) * length + pos]);
        if (!narrowCell(slot.cells[static_cast<std::size_t>(pos)], std::uint64_t{1} << symbol,
                        reason, s))
            return false;
    }
    return true;
}

void Search::supports(int s, std::vector<std::uint64_t>& out) {
    const Slot& slot = slots_[static_cast<std::size_t>(s)];
    const Lexicon::Bucket& b = *slot.bucket;
    const std::size_t length = slot.cells.size();
    const std::uint64_t* words = &t_.w[slot.words];
    out.assign(length, 0);
    // Reading each word costs less than scanning the bitsets for letters that have none.
    if (count(s) <= 2 * slot.span) {
        for (int i = 0; i < slot.span; ++i)
            for (std::uint64_t m = words[i]; m != 0; m &= m - 1) {
                const std::size_t w = static_cast<std::size_t>(i) * 64 +
                                      static_cast<std::size_t>(std::countr_zero(m));
                for (std::size_t pos = 0; pos < length; ++pos)
                    out[pos] |= std::uint64_t{1} << static_cast<unsigned char>(
                                    b.symbols[static_cast<qsizetype>(w * length + pos)]);
            }
        return;
    }
    // The word that last showed a letter possible there usually still does.
    int* residue = &residues_[slot.residues];
    for (std::size_t pos = 0; pos < length; ++pos)
        for (std::uint64_t m = mask(slot.cells[pos]); m != 0; m &= m - 1) {
            const int symbol = std::countr_zero(m);
            int& known = residue[pos * 64 + static_cast<std::size_t>(symbol)];
            if (known >= 0 && (words[known / 64] >> (known % 64) & 1) != 0) {
                out[pos] |= std::uint64_t{1} << symbol;
                continue;
            }
            const Bits& bits = b.bits[pos * 64 + static_cast<std::size_t>(symbol)];
            for (std::size_t i = 0; i < bits.size() && i < static_cast<std::size_t>(slot.span); ++i)
                if (const std::uint64_t common = bits[i] & words[i]; common != 0) {
                    out[pos] |= std::uint64_t{1} << symbol;
                    known = static_cast<int>(i * 64) + std::countr_zero(common);
                    break;
                }
        }
}

bool Search::drain() {
    std::vector<std::uint64_t> letters;
    while (!queue_.empty()) {
        // A large grid settles for a while: a cancel is answered within it too.
        if ((++drained_ & 255) == 0) {
            if (outrun()) {
                halted_ = true;
                return false;
            }
            if (opt_.cancel != nullptr && opt_.cancel->load(std::memory_order_relaxed)) {
                result_.status = Result::Status::Cancelled;
                halted_ = true;
                return false;
            }
        }
        const int s = queue_.back();
        queue_.pop_back();
        queued_[static_cast<std::size_t>(s)] = 0;
        if (chosen(s) != kOpen)
            continue;
        const Slot& slot = slots_[static_cast<std::size_t>(s)];
        if (count(s) == 1) {
            // A slot with one word left takes it, so that no other slot repeats it.
            if (!assign(s, firstBit(&t_.w[slot.words], slot.span), &t_.w[slot.why]))
                return false;
            continue;
        }
        supports(s, letters);
        for (std::size_t pos = 0; pos < slot.cells.size(); ++pos)
            if (!narrowCell(slot.cells[pos], letters[pos], &t_.w[slot.why], s))
                return false;
    }
    return true;
}

bool Search::settle() {
    // Every search starts from what settling leaves: its changes are never undone, and on a
    // large grid their trail would be most of the memory.
    struct NotRecorded {
        Trail& t;
        explicit NotRecorded(Trail& trail) : t(trail) { t.record(false); }
        ~NotRecorded() { t.record(true); }
    } notRecorded(t_);
    const std::vector<std::uint64_t> none(k_, 0);
    const auto cells = static_cast<std::size_t>(std::max(p_.cellCount, 0));
    for (std::size_t c = 0; c < cells; ++c)
        t_.w[c] = all_;
    for (std::size_t s = 0; s < slots_.size(); ++s) {
        Slot& slot = slots_[s];
        QByteArray word;
        for (const int c : slot.cells)
            word.append(c < p_.fixed.size() ? p_.fixed[c] : '\0');
        t_.i[slots_.size() + s] = !slot.cells.empty() && !word.contains('\0') ? kKept : kOpen;
        if (slot.bucket != nullptr)
            std::copy(slot.bucket->allowed.begin(), slot.bucket->allowed.end(),
                      t_.w.begin() + static_cast<std::ptrdiff_t>(slot.words));
        t_.i[s] = slot.bucket ? countBitsIn(slot.bucket->allowed) : 0;
    }
    // Words the author placed whole are not used again.
    for (std::size_t s = 0; s < slots_.size(); ++s) {
        if (chosen(static_cast<int>(s)) != kKept || slots_[s].bucket == nullptr)
            continue;
        QByteArray word;
        for (const int c : slots_[s].cells)
            word.append(p_.fixed[c]);
        if (const int i = lex_.find(word); i >= 0)
            for (const int o : slotsOfLength_[slots_[s].cells.size()]) {
                if (static_cast<std::size_t>(o) == s)
                    continue;
                std::uint64_t& bits = t_.w[slots_[static_cast<std::size_t>(o)].words +
                                           static_cast<std::size_t>(i / 64)];
                if ((bits >> (i % 64) & 1) != 0) {
                    bits &= ~(std::uint64_t{1} << (i % 64));
                    --t_.i[static_cast<std::size_t>(o)];
                }
            }
    }
    for (std::size_t s = 0; s < slots_.size(); ++s)
        if (chosen(static_cast<int>(s)) == kOpen) {
            if (count(static_cast<int>(s)) == 0 && !wipe(static_cast<int>(s)))
                return false;
            if (chosen(static_cast<int>(s)) == kOpen)
                enqueue(static_cast<int>(s));
        }
    for (std::size_t c = 0; c < cells && c < static_cast<std::size_t>(p_.fixed.size()); ++c) {
        const auto letter = static_cast<unsigned char>(p_.fixed[static_cast<qsizetype>(c)]);
        if (letter == 0)
            continue;
        // A letter no word has leaves its cell without any.
        const int symbol = lex_.symbol_[letter] - 1;
        if (!narrowCell(static_cast<int>(c), symbol < 0 ? 0 : std::uint64_t{1} << symbol,
                        none.data(), -1)) {
            clearQueue();
            return false;
        }
    }
    if (!drain()) {
        clearQueue();
        return false;
    }
    return true;
}

int Search::pickSlot() const {
    int best = -1;
    double bestScore = 0;
    for (std::size_t s = 0; s < slots_.size(); ++s) {
        if (chosen(static_cast<int>(s)) != kOpen)
            continue;
        const double score = count(static_cast<int>(s)) / weight_[s];
        if (best < 0 || score < bestScore ||
            (score == bestScore &&
             slots_[s].cells.size() > slots_[static_cast<std::size_t>(best)].cells.size())) {
            best = static_cast<int>(s);
            bestScore = score;
        }
    }
    return best;
}

float Search::openness(int s, int pos, int symbol) const {
    const Slot& slot = slots_[static_cast<std::size_t>(s)];
    const Bits& bits =
        slot.bucket->bits[static_cast<std::size_t>(pos) * 64 + static_cast<std::size_t>(symbol)];
    int n = 0;
    for (std::size_t i = 0; i < bits.size() && i < static_cast<std::size_t>(slot.span); ++i)
        n += std::popcount(bits[i] & t_.w[slot.words + i]);
    return static_cast<float>(std::log(static_cast<double>(n) + 1.0));
}

std::vector<int> Search::ordered(int s, double noise) {
    const Slot& slot = slots_[static_cast<std::size_t>(s)];
    const Lexicon::Bucket& b = *slot.bucket;
    const std::size_t length = slot.cells.size();
    // Per position and letter: the log of how many words the crossing slot keeps with it.
    std::vector<std::array<float, 64>> open(length);
    for (std::size_t pos = 0; pos < length; ++pos) {
        open[pos].fill(0);
        const int c = slot.cells[pos];
        for (const auto& [o, at] : slotsOfCell_[static_cast<std::size_t>(c)]) {
            if (o == s || chosen(o) != kOpen)
                continue;
            for (std::uint64_t m = mask(c); m != 0; m &= m - 1) {
                const int symbol = std::countr_zero(m);
                open[pos][static_cast<std::size_t>(symbol)] += openness(o, at, symbol);
            }
        }
    }
    std::vector<std::pair<float, int>> scored;
    scored.reserve(static_cast<std::size_t>(count(s)));
    std::uniform_real_distribution<float> jitter(0.0F, static_cast<float>(noise));
    const std::uint64_t* words = &t_.w[slot.words];
    for (int i = 0; i < slot.span; ++i)
        for (std::uint64_t m = words[i]; m != 0; m &= m - 1) {
            const int w = i * 64 + std::countr_zero(m);
            float score = noise > 0 ? jitter(rng_) : 0.0F;
            for (std::size_t pos = 0; pos < length; ++pos)
                score += open[pos][static_cast<unsigned char>(
                    b.symbols[static_cast<qsizetype>(static_cast<std::size_t>(w) * length + pos)])];
            scored.emplace_back(-score, w);
        }
    return bestFirst(scored);
}

namespace {

std::uint64_t keyOf(std::int64_t steps, int number) {
    return static_cast<std::uint64_t>(steps) * Race::kMostSearches +
           static_cast<std::uint64_t>(number);
}

} // namespace

std::uint64_t Search::raceKey() const {
    return keyOf(result_.steps, number_);
}

bool Search::outrun() const {
    return race_ != nullptr && raceKey() > race_->best.load(std::memory_order_relaxed);
}

void Search::finish() {
    finished_ = true;
    if (race_ == nullptr)
        return;
    const std::uint64_t key = raceKey();
    std::uint64_t best = race_->best.load();
    while (key < best && !race_->best.compare_exchange_weak(best, key)) {
    }
}

bool Search::stopped() {
    ++result_.steps;
    if (outrun()) {
        halted_ = true;
        return true;
    }
    if (result_.steps > restartAt_) {
        restarting_ = true;
        return true;
    }
    if (opt_.cancel != nullptr && opt_.cancel->load(std::memory_order_relaxed)) {
        result_.status = Result::Status::Cancelled;
        halted_ = true;
    } else if (result_.steps > opt_.stepLimit) {
        result_.status = Result::Status::LimitReached;
        halted_ = true;
    }
    return halted_;
}

int Search::pickCell(int s) const {
    int best = -1;
    for (const int c : slots_[static_cast<std::size_t>(s)].cells) {
        const int letters = std::popcount(mask(c));
        if (letters > 1 && (best < 0 || letters < std::popcount(mask(best))))
            best = c;
    }
    return best;
}

std::vector<int> Search::orderedLetters(int c, double noise) {
    std::vector<std::pair<float, int>> scored;
    std::uniform_real_distribution<float> jitter(0.0F, static_cast<float>(noise));
    for (std::uint64_t m = mask(c); m != 0; m &= m - 1) {
        const int symbol = std::countr_zero(m);
        float score = noise > 0 ? jitter(rng_) : 0.0F;
        for (const auto& [o, at] : slotsOfCell_[static_cast<std::size_t>(c)]) {
            if (chosen(o) != kOpen)
                continue;
            score += openness(o, at, symbol);
        }
        scored.emplace_back(-score, symbol);
    }
    return bestFirst(scored);
}

bool Search::ruleOut(const Refuted& r, const std::uint64_t* reason) {
    return (r.slot >= 0 ? dropWord(r.slot, r.choice, reason)
                        : narrowCell(r.cell, ~(std::uint64_t{1} << r.choice), reason, -1)) &&
           drain();
}

bool Search::keepRefuted() {
    const std::vector<std::uint64_t> none(k_, 0);
    for (; refutedKept_ < refuted_.size(); ++refutedKept_)
        if (!ruleOut(refuted_[refutedKept_], none.data())) {
            clearQueue();
            return false;
        }
    return true;
}

bool Search::solve(int level) {
    if (stopped())
        return false;
    if (opt_.progress && (result_.steps & 1023) == 1)
        opt_.progress(assigned(), static_cast<int>(slots_.size()));
    const int s = pickSlot();
    if (s < 0)
        return true;
    // A slot with few words left tries each; otherwise one of its cells tries each letter,
    // which rules out whole families of words at a time.
    const int cell = count(s) > kMostWordsTriedOneByOne ? pickCell(s) : -1;
    // No phase saving: going back to the words a run last gave sent classic15 round the same
    // dead end after every restart (filled in 1,150 steps without it, not in 10,000 with it).
    const std::vector<int> choices = cell < 0 ? ordered(s, 0.7) : orderedLetters(cell, 0.7);
    // Why the choices are only these: part of the reason if none of them works.
    const std::size_t why = cell < 0 ? slots_[static_cast<std::size_t>(s)].why : cellWhy(cell);
    std::vector<std::uint64_t> failure(t_.w.begin() + static_cast<std::ptrdiff_t>(why),
                                       t_.w.begin() + static_cast<std::ptrdiff_t>(why + k_));
    std::vector<std::uint64_t> decision(k_, 0);
    const auto bit = static_cast<std::size_t>(level);
    if (k_ > 0)
        decision[bit / 64] = std::uint64_t{1} << (bit % 64);
    const auto decided = [&] {
        return cell < 0 ? chosen(s) != kOpen : std::popcount(mask(cell)) == 1;
    };
    for (std::size_t n = 0; n < choices.size(); ++n) {
        if (n > 0 && stopped())
            return false;
        // A refutation before may have ruled this choice out already.
        if (cell < 0 ? !hasWord(s, choices[n]) : (mask(cell) >> choices[n] & 1) == 0)
            continue;
        const Mark m = mark();
        const bool settled =
            (cell < 0 ? assign(s, choices[n], decision.data())
                      : narrowCell(cell, std::uint64_t{1} << choices[n], decision.data(), -1)) &&
            drain();
        if (!settled)
            clearQueue();
        if (settled && solve(level + 1))
            return true;
        undo(m);
        if (halted_ || restarting_)
            return false;
        if (k_ > 0) {
            // The failure did not depend on this choice: the choices below the latest one it
            // depended on cannot mend it.
            if ((conflict_[bit / 64] >> (bit % 64) & 1) == 0)
                return false;
            conflict_[bit / 64] &= ~(std::uint64_t{1} << (bit % 64));
            for (std::size_t k = 0; k < k_; ++k)
                failure[k] |= conflict_[k];
        }
        // The choice is refuted for the reasons its failure found: ruling it out narrows the
        // crossings for the choices still to try.
        const std::vector<std::uint64_t> reason = conflict_;
        const Refuted choice{cell < 0 ? s : -1, cell, choices[n]};
        if (k_ > 0 && std::all_of(reason.begin(), reason.end(), [](auto w) { return w == 0; }))
            refuted_.push_back(choice);
        const bool refuted = ruleOut(choice, reason.data());
        if (!refuted) {
            clearQueue();
            if (halted_)
                return false;
            for (std::size_t k = 0; k < k_; ++k)
                conflict_[k] |= failure[k];
            return false;
        }
        if (decided()) {
            // What is left is forced: go on below without a choice of this level.
            if (solve(level + 1))
                return true;
            for (std::size_t k = 0; k < k_ && !halted_ && !restarting_; ++k)
                conflict_[k] |= failure[k];
            return false;
        }
    }
    conflict_ = failure;
    return false;
}

QByteArray Search::wordOf(int s, int word) const {
    const Slot& slot = slots_[static_cast<std::size_t>(s)];
    if (word >= 0)
        return lex_.word(static_cast<int>(slot.cells.size()), word).toByteArray();
    QByteArray out;
    for (const int c : slot.cells)
        out.append(p_.fixed[c]);
    return out;
}

Result Search::run() {
    if (!settle()) {
        if (halted_)
            return result_;
        result_.status = Result::Status::NoFill;
        result_.deadSlot = lastWiped_;
        finish();
        return result_;
    }
    // Restarts after 1, 1, 2, 1, 1, 2, 4, … times restartSteps steps (Luby's sequence) keep
    // what was learnt (the hard slots' weights, the words and letters last given, the choices
    // refuted for good) and leave an unlucky early choice behind, while the growing runs keep
    // the search complete.
    Mark root = mark();
    bool filled = false;
    for (std::int64_t run = 1;; ++run) {
        restartAt_ = result_.steps + std::max<std::int64_t>(opt_.restartSteps, 1) * luby(run);
        restarting_ = false;
        filled = solve(1);
        if (!restarting_)
            break;
        undo(root);
        clearQueue();
        // What the last run refuted for good holds from the root on.
        if (!keepRefuted())
            break;
        root = mark();
    }
    if (!filled) {
        if (!halted_) {
            result_.status = Result::Status::NoFill;
            if (!weight_.empty())
                result_.hardestSlot = static_cast<int>(
                    std::max_element(weight_.begin(), weight_.end()) - weight_.begin());
            finish();
        }
        return result_;
    }
    result_.status = Result::Status::Filled;
    finish();
    for (std::size_t s = 0; s < slots_.size(); ++s)
        result_.words.push_back(wordOf(static_cast<int>(s), chosen(static_cast<int>(s))));
    return result_;
}

std::vector<QByteArray> Search::suggest(int slot, int maxCount) {
    std::vector<QByteArray> out;
    settle();
    if (slot < 0 || static_cast<std::size_t>(slot) >= slots_.size() || maxCount < 1)
        return out;
    if (chosen(slot) >= 0) {
        // The crossings leave this slot one word.
        out.push_back(wordOf(slot, chosen(slot)));
        return out;
    }
    if (chosen(slot) != kOpen)
        return out;
    // A word is refused as soon as it leaves a slot that still had words without any. The grid
    // was settled without it, so only the slots crossing it settle again: a word is refused
    // when it leaves one of them, or a slot crossing one of them, without a word. Settling the
    // whole grid again for each word would cost the author a wait growing with the grid.
    near_.assign(slots_.size(), 0);
    for (const int c : slots_[static_cast<std::size_t>(slot)].cells)
        for (const auto& [o, at] : slotsOfCell_[static_cast<std::size_t>(c)])
            near_[static_cast<std::size_t>(o)] = 1;
    probing_ = true;
    const std::vector<std::uint64_t> none(k_, 0);
    // Past a few times the words wanted, a word refused is likelier than one kept: the list
    // stops there rather than keep the author waiting.
    const std::vector<int> words = ordered(slot, 0);
    const std::size_t tried = std::min(words.size(), static_cast<std::size_t>(maxCount) * 3 + 30);
    for (std::size_t n = 0; n < tried && static_cast<int>(out.size()) < maxCount && !halted_; ++n) {
        const int w = words[n];
        const Mark m = mark();
        if (assign(slot, w, none.data()) && drain())
            out.push_back(wordOf(slot, w));
        clearQueue();
        undo(m);
    }
    probing_ = false;
    near_.clear();
    return out;
}

std::vector<int> Search::dead() {
    settle();
    std::vector<int> out;
    for (std::size_t s = 0; s < slots_.size(); ++s)
        if (chosen(static_cast<int>(s)) == kDead)
            out.insert(out.end(), slots_[s].cells.begin(), slots_[s].cells.end());
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
    return out;
}

} // namespace fill
