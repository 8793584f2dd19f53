#pragma once

#include "grid/CrosswordDocument.h"
#include "grid/ShownGrid.h"

#include <QByteArray>
#include <QPoint>

// The slot tables read by name: a slot is its number and its direction (0 across, 1 down).

// The slot's length in the drawn grid, 0 for none.
inline int slotLength(const CrosswordDocument& doc, int number, int direction) {
    return doc.SlotTable.at(number, 2, direction);
}
// The same in the shown grid, and the shown cell it starts from (its leftmost or top cell).
inline int shownSlotLength(const CrosswordDocument& doc, int number, int direction) {
    return doc.ShownSlotTable.at(number, 2, direction);
}
inline QPoint shownSlotStart(const CrosswordDocument& doc, int number, int direction) {
    return {doc.ShownSlotTable.at(number, 0, direction),
            doc.ShownSlotTable.at(number, 1, direction)};
}
// Whether the shown slot passes through shown cell (cx, cy).
inline bool shownSlotHolds(const CrosswordDocument& doc, int number, int direction, int cx,
                           int cy) {
    const QPoint start = shownSlotStart(doc, number, direction);
    const int k = direction == 0 ? cx - start.x() : cy - start.y();
    const bool inLine = direction == 0 ? cy == start.y() : cx == start.x();
    return inLine && k >= 0 && k < shownSlotLength(doc, number, direction);
}
// The author's clue and answer of a crossword with clues ("" for none).
inline QByteArray clueOf(const CrosswordDocument& doc, int number, int direction) {
    return doc.SlotTexts.at(number, 0, direction);
}
inline QByteArray answerOf(const CrosswordDocument& doc, int number, int direction) {
    return doc.SlotTexts.at(number, 1, direction);
}

namespace layer {
// The layer of the letter the word of `direction` puts in a cell, and of the one its crossing
// word puts there.
constexpr int wordLetter(int direction) {
    return kAcrossWord + direction;
}
constexpr int crossingLetter(int direction) {
    return kDownWord - direction;
}
} // namespace layer
