#include "grid/GridAnalysis.h"

#include "grid/CrosswordDocument.h"

#include <array>
#include <cstdint>
#include <vector>

namespace {

// One numbered start cell: across column, row, length, then down column, row, length.
using StartRecord = std::array<int, 6>;

} // namespace

bool analyseGrid(CrosswordDocument& doc) {
    const int w = doc.GridWidth;
    const int h = doc.GridHeight;
    if (w < 1 || h < 1 || doc.CellMap.rank() != 2)
        return false;
    const Table<int>& cells = doc.CellMap;
    auto white = [&cells](int x, int y) { return cells.at(x, y) == 0; };

    // marks[(y * w + x) * 2 + d]: the cell lies inside a word of direction d, not at its start.
    std::vector<std::uint8_t> marks(static_cast<std::size_t>(w) * static_cast<std::size_t>(h) * 2);
    auto mark = [&marks, w](int x, int y, int d) -> std::uint8_t& {
        return marks[(static_cast<std::size_t>(y) * static_cast<std::size_t>(w) +
                      static_cast<std::size_t>(x)) *
                         2 +
                     static_cast<std::size_t>(d)];
    };

    std::vector<StartRecord> records;
    int wordCount = 0;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if (!white(x, y))
                continue;
            bool recordHere = false;
            if (x + 1 <= w - 1 && white(x + 1, y) && mark(x + 1, y, 0) == 0) {
                int k = x + 1;
                for (; k <= w - 1 && white(k, y); ++k)
                    mark(k, y, 0) = 1;
                records.push_back({x, y, k - x, 0, 0, 0});
                recordHere = true;
                ++wordCount;
            }
            if (y + 1 <= h - 1 && white(x, y + 1) && mark(x, y + 1, 1) == 0) {
                int k = y + 1;
                for (; k <= h - 1 && white(x, k); ++k)
                    mark(x, k, 1) = 1;
                ++wordCount;
                if (!recordHere)
                    records.push_back({0, 0, 0, 0, 0, 0});
                StartRecord& r = records.back();
                r[3] = x;
                r[4] = y;
                r[5] = k - y;
            }
        }
    }
    if (records.empty())
        return false;

    const int n = static_cast<int>(records.size());
    doc.NumberedCount = n;
    doc.WordCount = wordCount;
    doc.SlotTable = Table<int>::withBounds(n, 2, 1);
    for (int i = 1; i <= n; ++i) {
        const StartRecord& r = records[static_cast<std::size_t>(i - 1)];
        for (int f = 0; f < 3; ++f) {
            doc.SlotTable.set(i, f, 0, r[static_cast<std::size_t>(f)]);
            doc.SlotTable.set(i, f, 1, r[static_cast<std::size_t>(f + 3)]);
        }
    }
    doc.SlotTexts = Table<QByteArray>::withBounds(n, 1, 1);
    doc.Mode = doc.NoAnswers == 1 ? EditMode::ModeAuthorNoAnswers : EditMode::ModeAuthor;
    doc.SolvedFlags = Table<int>::withBounds(n, 1);
    // Nothing is solved in a fresh grid, and no slot of an earlier crossword stays selected.
    doc.SolvedCount = 0;
    doc.CurrentSlot = 0;
    doc.CurrentDirection = 0;
    doc.CurrentDownSlot = 0;
    doc.Modified = true;
    return true;
}
