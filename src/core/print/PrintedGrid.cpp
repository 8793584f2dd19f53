// The grid and the clue lists as a printed crossword shows them.
#include "print/PrintedGrid.h"

#include "grid/CrosswordDocument.h"
#include "grid/ShownGrid.h"
#include "grid/SlotAccess.h"
#include "text/CodePage.h"

#include <algorithm>

namespace publish {

GridPicture gridPicture(const CrosswordDocument& doc, bool withLetters) {
    GridPicture g;
    g.width = std::max(doc.GridWidth, 0);
    g.height = std::max(doc.GridHeight, 0);
    const std::size_t cells =
        static_cast<std::size_t>(g.width) * static_cast<std::size_t>(g.height);
    g.kinds.assign(cells, CellKind::Block);
    g.numbers.assign(cells, 0);
    g.letters.assign(cells, 0);
    const std::vector<bool> covered = shownSlotCells(doc);
    for (int x = 0; x < g.width; ++x) {
        for (int y = 0; y < g.height && !covered[g.index(x, y)]; ++y)
            g.kinds[g.index(x, y)] = CellKind::Outside;
        for (int y = g.height - 1; y >= 0 && !covered[g.index(x, y)]; --y)
            g.kinds[g.index(x, y)] = CellKind::Outside;
    }
    for (int y = 0; y < g.height; ++y)
        for (int x = 0; x < g.width; ++x) {
            const std::size_t i = g.index(x, y);
            if (!covered[i])
                continue;
            g.kinds[i] = CellKind::Light;
            g.numbers[i] = std::max(doc.CellMap.at(x, y, layer::kNumber), 0);
            if (const int code = doc.CellMap.at(x, y, layer::kLetter); withLetters && code > 0)
                g.letters[i] = static_cast<unsigned char>(code);
        }
    return g;
}

std::array<std::vector<ClueEntry>, 2> clueEntries(const CrosswordDocument& doc) {
    std::array<std::vector<ClueEntry>, 2> out;
    for (int n = 1; n <= doc.NumberedCount; ++n)
        for (int d = 0; d < 2; ++d) {
            if (slotLength(doc, n, d) < 1)
                continue;
            const QByteArray answer = shownSlotText(doc, n, d);
            out[static_cast<std::size_t>(d)].push_back(
                {n, clueOf(doc, n, d), answer.left(1) + cp1251::toLower(answer.mid(1))});
        }
    return out;
}

} // namespace publish
