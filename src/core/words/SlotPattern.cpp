#include "words/SlotPattern.h"

#include "grid/CrosswordDocument.h"
#include "grid/GridLimits.h"
#include "grid/SlotAccess.h"
#include "words/WordList.h"

#include <algorithm>

namespace words {

QByteArray prefilledPattern(const CrosswordDocument& doc) {
    const int n = doc.CurrentSlot;
    const int d = doc.CurrentDirection;
    if (n <= 0 || (d != 0 && d != 1))
        return {};
    int x = doc.SlotTable.at(n, 0, d);
    int y = doc.SlotTable.at(n, 1, d);
    // A damaged table must not make the walk run on past any grid.
    const int length = std::clamp(slotLength(doc, n, d), 0, gridlimits::kMaxGridSide);
    QByteArray pattern;
    pattern.reserve(length);
    for (int i = 0; i < length; ++i) {
        const int letter = doc.CellMap.at(x, y, layer::crossingLetter(d));
        pattern.append(letter > 0 && letter <= 255 ? static_cast<char>(letter) : kUnknownLetter);
        if (d == 0)
            ++x;
        else
            ++y;
    }
    return pattern;
}

} // namespace words
