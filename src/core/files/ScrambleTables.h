#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <array>
#include <cstdint>

// The character substitution that hides answers, author and password in a crossword file. The
// tables follow from the title alone, which the file keeps in plain text, so a reader rebuilds
// them from there.
struct ScrambleTables {
    // Code 32..255 -> scrambled code; 0..31 hold 0.
    std::array<int, 256> ScrambleTable{};
    // Scrambled code 32..255 -> plain code; 0..31 hold 0. The inverse of ScrambleTable.
    std::array<int, 256> UnscrambleTable{};

    bool operator==(const ScrambleTables&) const = default;
};

// What the seed needs of the part of a title that a reader cut away: the sum of its bytes and
// its last two, gathered piece by piece without holding the part.
struct TitleRemainder {
    std::int64_t byteSum = 0;
    QByteArray lastTwo;

    void add(QByteArrayView piece);
    bool isEmpty() const { return lastTwo.isEmpty(); }
};

// The generator seed that a title gives (exposed for its tests); for a title that was cut when
// read, the seed of the whole title.
std::int64_t scrambleSeed(QByteArrayView title, const TitleRemainder& cutAway = {});

ScrambleTables BuildScrambleTables(QByteArrayView title, const TitleRemainder& cutAway = {});

// Byte by byte through the tables; the length is kept and codes below 32 become 0.
QByteArray ScrambleText(const ScrambleTables& tables, QByteArrayView text);
QByteArray UnscrambleText(const ScrambleTables& tables, QByteArrayView text);
// The same in place, for a text that is not needed in its scrambled form any more.
QByteArray UnscrambleText(const ScrambleTables& tables, QByteArray&& text);
// ScrambleText into out, which keeps its capacity from one text to the next.
void ScrambleTextInto(const ScrambleTables& tables, QByteArrayView text, QByteArray& out);
