#include "grid/ShownGrid.h"

#include "grid/CrosswordDocument.h"

#include <algorithm>

int shownLayerBound(const CrosswordDocument& doc) {
    return (doc.Mode == EditMode::ModeAuthor || doc.Mode == EditMode::ModeSolveNoAnswers) ? 5 : 3;
}

QByteArray shownSlotText(const CrosswordDocument& doc, int number, int direction) {
    if (doc.Mode == EditMode::ModeAuthor && doc.NoAnswers == 0)
        return doc.SlotTexts.at(number, 1, direction);
    if (doc.SolvedFlags.at(number, direction) != 1)
        return {};
    if (doc.Mode == EditMode::ModeSolveNoAnswers)
        return doc.SlotTexts.at(number, direction);
    if (doc.Mode == EditMode::ModeSolve)
        return doc.SlotTexts.at(number, 1, direction);
    return {};
}

void buildShownGrid(CrosswordDocument& doc, int shownStyle) {
    const int w = doc.GridWidth;
    const int h = doc.GridHeight;
    const int n = doc.NumberedCount;
    const int k = shownLayerBound(doc);
    const bool turned = shownStyle != 0;
    doc.CellMap = Table<int>::withBounds(w, h, k);
    doc.ShownSlotTable = Table<int>::withBounds(n, 2, 1);

    for (int number = 1; number <= n; ++number) {
        for (int d = 0; d <= 1; ++d) {
            int x = doc.SlotTable.at(number, 0, d);
            int y = doc.SlotTable.at(number, 1, d);
            int len = doc.SlotTable.at(number, 2, d);
            if (len <= 0 || x < 0 || y < 0 || x >= w || y >= h)
                continue;
            len = std::min(len, d == 0 ? w - x : h - y);

            if (turned) {
                const int tx = w - 1 - x;
                const int ty = h - 1 - y;
                doc.CellMap.set(tx, ty, layer::kNumber, number);
                x = tx - (1 - d) * (len - 1);
                y = ty - d * (len - 1);
            } else {
                doc.CellMap.set(x, y, layer::kNumber, number);
            }
            doc.ShownSlotTable.set(number, 0, d, x);
            doc.ShownSlotTable.set(number, 1, d, y);
            doc.ShownSlotTable.set(number, 2, d, len);

            const QByteArray text = shownSlotText(doc, number, d);
            const bool unsolved = doc.SolvedFlags.at(number, d) == 0;
            // The letters hints gave away show in words still open.
            const QByteArray given = unsolved && doc.Mode == EditMode::ModeSolve
                                         ? doc.SlotTexts.at(number, 1, d)
                                         : QByteArray();
            for (int i = 0; i < len; ++i) {
                const int cx = x + (d == 0 ? i : 0);
                const int cy = y + (d == 1 ? i : 0);
                if (unsolved)
                    doc.CellMap.set(cx, cy, d, number);
                // Turned, the shown start holds the word's last letter.
                const int at = turned ? len - 1 - i : i;
                if (at < given.size() &&
                    doc.Aids.RevealedCells.at(turned ? w - 1 - cx : cx, turned ? h - 1 - cy : cy))
                    doc.CellMap.set(cx, cy, layer::kLetter, static_cast<unsigned char>(given[at]));
                if (at >= text.size())
                    continue;
                const int code = static_cast<unsigned char>(text[at]);
                doc.CellMap.set(cx, cy, layer::kLetter, code);
                if (k == 5)
                    doc.CellMap.set(cx, cy, layer::kAcrossWord + d, code);
            }
        }
    }
}

std::vector<bool> shownSlotCells(const CrosswordDocument& doc) {
    const int w = std::max(doc.GridWidth, 0);
    const int h = std::max(doc.GridHeight, 0);
    std::vector<bool> covered(static_cast<std::size_t>(w) * static_cast<std::size_t>(h));
    for (int n = 1; n <= doc.NumberedCount; ++n)
        for (int d = 0; d <= 1; ++d) {
            const int c = doc.ShownSlotTable.at(n, 0, d);
            const int r = doc.ShownSlotTable.at(n, 1, d);
            const int len = doc.ShownSlotTable.at(n, 2, d);
            for (int k = 0; k < len; ++k) {
                const int x = c + (d == 0 ? k : 0);
                const int y = r + (d == 1 ? k : 0);
                if (x < 0 || y < 0 || x >= w || y >= h)
                    break;
                covered[static_cast<std::size_t>(y) * static_cast<std::size_t>(w) +
                        static_cast<std::size_t>(x)] = true;
            }
        }
    return covered;
}
