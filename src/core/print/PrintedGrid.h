#pragma once

#include <QByteArray>

#include <array>
#include <cstdint>
#include <vector>

struct CrosswordDocument;

namespace publish {

// What a printed cell shows. Outside cells lie beyond the figure: from either end of their
// column up to its first slot cell, as the export pictures leave them white; the cells a
// column's slots enclose are black.
enum class CellKind : std::uint8_t { Outside, Block, Light };

// The grid as the screen shows it (the turned style turned), ready to be drawn anywhere.
struct GridPicture {
    int width = 0;
    int height = 0;
    std::vector<CellKind> kinds;
    std::vector<int> numbers;           // 0 for none
    std::vector<unsigned char> letters; // Windows-1251, 0 for none

    std::size_t index(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
               static_cast<std::size_t>(x);
    }
    CellKind kind(int x, int y) const { return kinds[index(x, y)]; }
    int number(int x, int y) const { return numbers[index(x, y)]; }
    unsigned char letter(int x, int y) const { return letters[index(x, y)]; }
};

// The shown grid of a document with slots; letters only when `withLetters`.
GridPicture gridPicture(const CrosswordDocument& doc, bool withLetters);

// One numbered slot's clue and answer, as the lists print them.
struct ClueEntry {
    int number = 0;
    QByteArray clue;
    QByteArray answer; // capital first letter, the rest small
};

// The clues across (0) and down (1), by number.
std::array<std::vector<ClueEntry>, 2> clueEntries(const CrosswordDocument& doc);

} // namespace publish
