#include "words/SlotSelection.h"
#include "support/GridPattern.h"

#include <gtest/gtest.h>

namespace {

const QByteArrayList kBlackCentre{"...", ".#.", "..."};

TEST(NextUnanswered, AcrossBeforeDownByNumber) {
    CrosswordDocument doc = analysedGrid(kBlackCentre);
    EXPECT_EQ(nextUnanswered(doc), (SlotRef{1, Direction::Across}));
    doc.SlotTexts.set(1, 1, 0, "ABC");
    EXPECT_EQ(nextUnanswered(doc), (SlotRef{1, Direction::Down}));
    doc.SlotTexts.set(1, 1, 1, "AXY");
    // Number 2 has no across word; its down word comes next.
    EXPECT_EQ(nextUnanswered(doc), (SlotRef{2, Direction::Down}));
    doc.SlotTexts.set(2, 1, 1, "CDE");
    doc.SlotTexts.set(1, 0, 0, "a clue is not an answer");
    EXPECT_EQ(nextUnanswered(doc), (SlotRef{3, Direction::Across}));
    doc.SlotTexts.set(3, 1, 0, "YFE");
    EXPECT_EQ(nextUnanswered(doc), (SlotRef{0, Direction::Down}));
}

TEST(SolverPairForNumber, OnlyUnsolvedWordsOfTheNumber) {
    CrosswordDocument doc = analysedGrid(kBlackCentre);
    doc.SolvedFlags.set(3, 0, 1);
    doc.SolvedFlags.set(1, 0, 1);
    struct Case {
        int number;
        SolverPair pair;
    };
    for (const Case& c : {Case{1, {0, 1}}, Case{2, {0, 2}}, Case{3, {0, 0}}, Case{0, {0, 0}},
                          Case{4, {0, 0}}, Case{-1, {0, 0}}})
        EXPECT_EQ(solverPairForNumber(doc, c.number), c.pair) << c.number;
    doc.SolvedFlags.set(1, 0, 0);
    EXPECT_EQ(solverPairForNumber(doc, 1), (SolverPair{1, 1}));
}

} // namespace
