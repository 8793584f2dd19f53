#include "words/SlotPattern.h"
#include "grid/CrosswordDocument.h"

#include <gtest/gtest.h>

using words::prefilledPattern;

namespace {

// A 5 × 4 grid in ModeAuthor with slot 1 across at (0, 1), 5 cells, and slot 2 down at
// (3, 0), 4 cells. Letters are set layer by layer by the test.
CrosswordDocument twoSlots() {
    CrosswordDocument doc;
    doc.GridWidth = 5;
    doc.GridHeight = 4;
    doc.Mode = EditMode::ModeAuthor;
    doc.NumberedCount = 2;
    doc.CellMap = Table<int>::withBounds(5, 4, 5);
    doc.SlotTable = Table<int>::withBounds(2, 2, 1);
    doc.SlotTable.set(1, 0, 0, 0);
    doc.SlotTable.set(1, 1, 0, 1);
    doc.SlotTable.set(1, 2, 0, 5);
    doc.SlotTable.set(2, 0, 1, 3);
    doc.SlotTable.set(2, 1, 1, 0);
    doc.SlotTable.set(2, 2, 1, 4);
    return doc;
}

} // namespace

TEST(PrefilledPattern, TakesTheCrossingLettersOnly) {
    CrosswordDocument doc = twoSlots();
    // Down letters crossing slot 1 in columns 1 and 3; slot 1's own across letters everywhere.
    doc.CellMap.set(1, 1, 5, 0xC0); // А
    doc.CellMap.set(3, 1, 5, 0xCA); // К
    for (int x = 0; x < 5; ++x)
        doc.CellMap.set(x, 1, 4, 0xDF); // Я
    doc.CurrentSlot = 1;
    doc.CurrentDirection = 0;
    EXPECT_EQ(prefilledPattern(doc), QByteArray("?\xC0?\xCA?"));

    // Down: the across letters (layer 4) cross it; row 1 has Я there.
    doc.CurrentSlot = 2;
    doc.CurrentDirection = 1;
    EXPECT_EQ(prefilledPattern(doc), QByteArray("?\xDF??"));
}

TEST(PrefilledPattern, NothingWithoutACurrentSlotAndNoWalkPastAnyGrid) {
    CrosswordDocument doc = twoSlots();
    doc.CurrentSlot = 0;
    EXPECT_EQ(prefilledPattern(doc), QByteArray());
    doc.CurrentSlot = 1;
    doc.SlotTable.set(1, 2, 0, 2'000'000'000);
    EXPECT_EQ(prefilledPattern(doc).size(), 250);
    doc.CurrentSlot = 7; // not in the table
    EXPECT_EQ(prefilledPattern(doc), QByteArray());
}
