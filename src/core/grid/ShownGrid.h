#pragma once

#include <QByteArray>

#include <vector>

struct CrosswordDocument;

// Layers of the three-dimensional CellMap.
namespace layer {
constexpr int kAcross = 0;     // unsolved across slot covering the cell, 0 = none
constexpr int kDown = 1;       // the same for down
constexpr int kNumber = 2;     // number printed in the cell
constexpr int kLetter = 3;     // letter code shown
constexpr int kAcrossWord = 4; // letter the across word puts here (K = 5 only)
constexpr int kDownWord = 5;   // letter the down word puts here (K = 5 only)
} // namespace layer

// The highest layer of the shown CellMap in the document's mode: 5 while the author or the
// solver without answers types words (they need each word's own letters), 3 otherwise.
int shownLayerBound(const CrosswordDocument& doc);

// The text a slot shows in the document's mode: the author's answer, or a solved word.
QByteArray shownSlotText(const CrosswordDocument& doc, int number, int direction);

// Rebuilds CellMap [0..W, 0..H, 0..K] and ShownSlotTable from SlotTable, SlotTexts and
// SolvedFlags, in the classic style (shownStyle 0) or turned by 180 degrees (any other).
// A text gives its letters from the numbered cell on in reading order; a text shorter than
// its slot (only a damaged file has one) leaves the remaining cells empty, a longer one is
// cut. A slot that starts outside the field is not shown; one that runs past the edge is cut
// at the edge.
void buildShownGrid(CrosswordDocument& doc, int shownStyle);

// The cells some shown slot passes through, row by row (W × H); a slot's cells beyond the
// field are left out.
std::vector<bool> shownSlotCells(const CrosswordDocument& doc);
