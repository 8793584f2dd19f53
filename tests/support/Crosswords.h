#pragma once

#include "grid/CrosswordDocument.h"

#include <QByteArray>
#include <QString>

#include <initializer_list>

// Small crosswords set up by hand for tests of the word and solving logic.
namespace fixtures {

struct Slot {
    int n, d, x, y, length;
};

// Fills the slot tables (classic orientation), an all-empty text table of the mode's shape and
// a cell map with K layers in which layers 0 and 1 hold the slot numbers and layer 2 the
// printed numbers.
void setSlots(CrosswordDocument& doc, int width, int height, std::initializer_list<Slot> list,
              EditMode mode);

// The 3 × 3 grid with a black centre: 1 across and down from (0, 0), 2 down from (2, 0),
// 3 across from (0, 2), all three cells long.
void ring3x3(CrosswordDocument& doc, EditMode mode);

// Windows-1251 bytes of a UTF-16 literal.
QByteArray cp(const char16_t* text);

// The letters of layer 3 along a slot, as Windows-1251 bytes ('.' for an empty cell).
QByteArray shownLetters(const CrosswordDocument& doc, int n, int d);

} // namespace fixtures
