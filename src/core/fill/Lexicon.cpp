// The words by length, with a bitset per position and letter, found again through an
// open-addressing table over the lists' own bytes.
#include "fill/Bits.h"
#include "fill/FillEngine.h"

#include <algorithm>

namespace fill {

namespace {

std::size_t hashOf(QByteArrayView word) {
    std::uint64_t h = 14695981039346656037ULL;
    for (const char c : word)
        h = (h ^ static_cast<unsigned char>(c)) * 1099511628211ULL;
    return static_cast<std::size_t>(h ^ (h >> 29));
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
    if (list.length > 0 && static_cast<std::size_t>(list.length) < buckets_.size()) {
        Bucket& b = buckets_[static_cast<std::size_t>(list.length)];
        b.letters.reserve(b.letters.size() + list.letters.size());
        b.symbols.reserve(b.symbols.size() + list.letters.size());
    }
    for (qsizetype i = 0; i < list.count(); ++i)
        add(list.word(i));
}

int Lexicon::find(QByteArrayView word) const {
    const auto length = static_cast<std::size_t>(word.size());
    if (length == 0 || length >= buckets_.size() || buckets_[length].table.empty())
        return -1;
    const Bucket& b = buckets_[length];
    const std::size_t mask = b.table.size() - 1;
    for (std::size_t at = hashOf(word) & mask;; at = (at + 1) & mask) {
        const int entry = b.table[at];
        if (entry == 0)
            return -1;
        if (this->word(b.length, entry - 1) == word)
            return entry - 1;
    }
}

void Lexicon::Bucket::remember(int index) {
    // Open addressing, at most half full.
    if (static_cast<std::size_t>(index + 1) * 2 > table.size()) {
        std::vector<int> old(std::max<std::size_t>(64, table.size() * 2), 0);
        old.swap(table);
        for (const int entry : old)
            if (entry != 0)
                remember(entry - 1);
    }
    const std::size_t mask = table.size() - 1;
    std::size_t at =
        hashOf(QByteArrayView(letters).sliced(static_cast<qsizetype>(index) * length, length)) &
        mask;
    while (table[at] != 0)
        at = (at + 1) & mask;
    table[at] = index + 1;
}

void Lexicon::add(QByteArrayView word) {
    const int length = static_cast<int>(word.size());
    if (length < 1 || find(word) >= 0)
        return;
    std::array<unsigned char, 256> symbols{};
    if (word.size() > static_cast<qsizetype>(symbols.size()))
        return;
    for (int p = 0; p < length; ++p) {
        const int s = symbolOf(static_cast<unsigned char>(word[p]));
        if (s < 0)
            return;
        symbols[static_cast<std::size_t>(p)] = static_cast<unsigned char>(s);
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
    for (int p = 0; p < length; ++p) {
        b.symbols.append(static_cast<char>(symbols[static_cast<std::size_t>(p)]));
        setBit(b.bits[static_cast<std::size_t>(p) * 64 + symbols[static_cast<std::size_t>(p)]],
               index);
    }
    b.allowed.resize(static_cast<std::size_t>(index / 64) + 1, 0);
    if (forbidden_.isEmpty() || !forbidden_.contains(word.toByteArray()))
        setBit(b.allowed, index);
    b.remember(index);
}

void Lexicon::forbid(QByteArrayView word) {
    forbidden_.insert(word.toByteArray());
    const int i = find(word);
    if (i >= 0)
        buckets_[static_cast<std::size_t>(word.size())].allowed[static_cast<std::size_t>(i / 64)] &=
            ~(std::uint64_t{1} << (i % 64));
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
    return find(word) >= 0 && (forbidden_.isEmpty() || !forbidden_.contains(word.toByteArray()));
}

} // namespace fill
