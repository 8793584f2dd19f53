#include "files/ScrambleTables.h"

#include "files/RuntimeRandom.h"
#include "text/SequentialText.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// "Разное" in Windows-1251: collections of that name were numbered and got a seed of their own.
constexpr char kMiscPrefix[] = "\xD0\xE0\xE7\xED\xEE\xE5";

void mapInto(const std::array<int, 256>& table, QByteArrayView text, char* out) {
    for (qsizetype i = 0; i < text.size(); ++i)
        out[i] = static_cast<char>(table[static_cast<unsigned char>(text[i])]);
}

QByteArray mapThrough(const std::array<int, 256>& table, QByteArrayView text) {
    QByteArray out(text.size(), Qt::Uninitialized);
    mapInto(table, text, out.data());
    return out;
}

} // namespace

void TitleRemainder::add(QByteArrayView piece) {
    for (char c : piece)
        byteSum += static_cast<unsigned char>(c);
    lastTwo.append(piece.last(std::min<qsizetype>(2, piece.size())));
    lastTwo = lastTwo.right(2);
}

std::int64_t scrambleSeed(QByteArrayView title, const TitleRemainder& cutAway) {
    std::int64_t seed = -20731;
    if (title.startsWith(QByteArrayView(kMiscPrefix))) {
        const QByteArray end =
            (title.last(std::min<qsizetype>(2, title.size())).toByteArray() + cutAway.lastTwo)
                .right(2);
        if (seqtext::numericValue(end) > 2)
            seed -= 1;
    }
    for (char c : title)
        seed -= static_cast<unsigned char>(c);
    return seed - cutAway.byteSum;
}

ScrambleTables BuildScrambleTables(QByteArrayView title, const TitleRemainder& cutAway) {
    RuntimeRandom rnd;
    rnd.restart(static_cast<float>(scrambleSeed(title, cutAway)));
    ScrambleTables t;
    for (int j = 32; j <= 255; ++j) {
        int c = 0;
        do {
            // The product is a single, as the runtime computes it; the generator's full period
            // guarantees that every free code turns up.
            const float product = rnd.next() * 224.0f;
            c = static_cast<int>(std::floor(product)) + 32;
        } while (t.ScrambleTable[static_cast<std::size_t>(c)] != 0);
        t.ScrambleTable[static_cast<std::size_t>(c)] = j;
        t.UnscrambleTable[static_cast<std::size_t>(j)] = c;
    }
    return t;
}

QByteArray ScrambleText(const ScrambleTables& tables, QByteArrayView text) {
    return mapThrough(tables.ScrambleTable, text);
}

QByteArray UnscrambleText(const ScrambleTables& tables, QByteArrayView text) {
    return mapThrough(tables.UnscrambleTable, text);
}

QByteArray UnscrambleText(const ScrambleTables& tables, QByteArray&& text) {
    QByteArray out = std::move(text);
    mapInto(tables.UnscrambleTable, out, out.data());
    return out;
}

void ScrambleTextInto(const ScrambleTables& tables, QByteArrayView text, QByteArray& out) {
    out.resize(text.size());
    mapInto(tables.ScrambleTable, text, out.data());
}
