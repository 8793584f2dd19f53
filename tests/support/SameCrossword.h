#pragma once

#include "grid/CrosswordDocument.h"

#include <gtest/gtest.h>

// Everything a crossword file holds is the same in both.
inline void expectSameCrossword(const CrosswordDocument& a, const CrosswordDocument& b) {
    EXPECT_EQ(a.CrosswordTitle, b.CrosswordTitle);
    EXPECT_EQ(a.CrosswordAuthor, b.CrosswordAuthor);
    EXPECT_EQ(a.CrosswordPassword, b.CrosswordPassword);
    EXPECT_EQ(a.Scramble, b.Scramble);
    EXPECT_EQ(a.NoAnswers, b.NoAnswers);
    EXPECT_EQ(a.GridWidth, b.GridWidth);
    EXPECT_EQ(a.GridHeight, b.GridHeight);
    EXPECT_EQ(a.NumberedCount, b.NumberedCount);
    EXPECT_EQ(a.WordCount, b.WordCount);
    EXPECT_EQ(a.SlotTable, b.SlotTable);
    EXPECT_EQ(a.SlotTexts, b.SlotTexts);
}
