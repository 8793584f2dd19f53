// A crossword's slots and placed answers turned into a fill problem.
#include "fill/FillProblem.h"

#include "grid/CrosswordDocument.h"
#include "grid/SlotAccess.h"
#include "grid/SlotWalk.h"

#include <algorithm>

namespace fill {

DocumentProblem problemFrom(const CrosswordDocument& doc, const std::vector<SlotRef>& reopened) {
    DocumentProblem out;
    Problem& p = out.problem;
    const int w = std::max(doc.GridWidth, 0);
    p.cellCount = w * std::max(doc.GridHeight, 0);
    p.fixed = QByteArray(p.cellCount, '\0');
    for (int n = 1; n <= doc.NumberedCount; ++n)
        for (int d = 0; d <= 1; ++d) {
            if (slotLength(doc, n, d) < 1)
                continue;
            // Answers are stored upper case, as placing them made them.
            const bool open = std::find(reopened.begin(), reopened.end(),
                                        SlotRef{n, directionAt(d)}) != reopened.end();
            const QByteArray answer = open ? QByteArray() : answerOf(doc, n, d);
            std::vector<int> cells;
            forEachSlotCell(doc.SlotTable, n, d, [&](int i, int x, int y) {
                if (x < 0 || y < 0 || x >= w || y >= doc.GridHeight)
                    return false;
                const int c = y * w + x;
                cells.push_back(c);
                if (i < answer.size() && answer[i] != '\0')
                    p.fixed[c] = answer[i];
                return true;
            });
            p.slotCells.push_back(std::move(cells));
            out.refs.push_back({n, directionAt(d)});
        }
    return out;
}

} // namespace fill
