#include "solve/Solving.h"

#include "support/Crosswords.h"

#include <gtest/gtest.h>

using fixtures::cp;
using fixtures::shownLetters;
using Next = CheckOutcome::Next;

namespace {

// The 3 × 3 ring with its answers: 1 across КОТ, 1 down КИТ, 2 down ТОН, 3 across ТОН.
struct Checking : ::testing::Test {
    CrosswordDocument doc;
    void SetUp() override {
        fixtures::ring3x3(doc, EditMode::ModeSolve);
        doc.SlotTexts.set(1, 1, 0, cp(u"КОТ"));
        doc.SlotTexts.set(1, 1, 1, cp(u"КИТ"));
        doc.SlotTexts.set(2, 1, 1, cp(u"ТОН"));
        doc.SlotTexts.set(3, 1, 0, cp(u"ТОН"));
        doc.CurrentSlot = 1;
        doc.CurrentDownSlot = 1;
    }
};

} // namespace

TEST_F(Checking, TheDownAnswerTypedFirstSolvesTheDownWord) {
    const CheckOutcome out = CheckSolverAnswer(doc, cp(u"кит"), 0);
    ASSERT_TRUE(out.hit);
    EXPECT_EQ(out.slot, 1);
    EXPECT_EQ(out.direction, 1);
    EXPECT_EQ(out.next, Next::KeepAcrossSelected);
    EXPECT_EQ(doc.CurrentSlot, 1);
    EXPECT_EQ(doc.CurrentDownSlot, 0);
    EXPECT_EQ(doc.SolvedFlags.at(1, 1), 1);
    EXPECT_EQ(doc.SolvedCount, 1);
    EXPECT_EQ(out.open, 3);
    EXPECT_EQ(shownLetters(doc, 1, 1), cp(u"КИТ"));
    // The solved word no longer answers clicks; the across word still does.
    EXPECT_EQ(doc.CellMap.at(0, 1, 1), 0);
    EXPECT_EQ(doc.CellMap.at(0, 0, 0), 1);
    EXPECT_TRUE(doc.Modified);
}

TEST_F(Checking, TheAcrossAnswerKeepsTheDownWordSelected) {
    const CheckOutcome out = CheckSolverAnswer(doc, cp(u"КОТ"), 0);
    ASSERT_TRUE(out.hit);
    EXPECT_EQ(out.direction, 0);
    EXPECT_EQ(out.next, Next::KeepDownSelected);
    EXPECT_EQ(doc.CurrentSlot, 0);
    EXPECT_EQ(doc.CurrentDownSlot, 1);
}

TEST_F(Checking, AMissChangesNothing) {
    const CrosswordDocument before = doc;
    for (const QByteArray& word : {cp(u"КОС"), cp(u"КОТЫ"), QByteArray("1"), QByteArray()}) {
        const CheckOutcome out = CheckSolverAnswer(doc, word, 0);
        EXPECT_FALSE(out.hit);
        EXPECT_EQ(doc.CellMap, before.CellMap);
        EXPECT_EQ(doc.SolvedCount, 0);
        EXPECT_EQ(doc.CurrentSlot, 1);
        EXPECT_FALSE(doc.Modified);
    }
    doc.CurrentSlot = 0;
    doc.CurrentDownSlot = 0;
    EXPECT_FALSE(CheckSolverAnswer(doc, cp(u"КОТ"), 0).hit); // nothing selected
}

TEST_F(Checking, AfterTheHighestNumberTheSearchWrapsToNumberOne) {
    doc.CurrentSlot = 3;
    doc.CurrentDownSlot = 0;
    const CheckOutcome out = CheckSolverAnswer(doc, cp(u"тон"), 0);
    ASSERT_TRUE(out.hit);
    EXPECT_EQ(out.next, Next::SelectPair);
    EXPECT_EQ(out.across, 1);
    EXPECT_EQ(out.down, 1);
}

TEST_F(Checking, SolvedWordsAreSkippedAndTheLastWordEndsTheCrossword) {
    doc.SolvedFlags.set(1, 0, 1);
    doc.SolvedFlags.set(1, 1, 1);
    doc.SolvedFlags.set(3, 0, 1);
    doc.SolvedCount = 3;
    doc.CurrentSlot = 0;
    doc.CurrentDownSlot = 2;
    const CheckOutcome out = CheckSolverAnswer(doc, cp(u"ТОН"), 0);
    ASSERT_TRUE(out.hit);
    EXPECT_EQ(out.next, Next::Solved);
    EXPECT_EQ(out.open, 0);
    EXPECT_EQ(doc.CurrentSlot, 0);
    EXPECT_EQ(doc.CurrentDownSlot, 0);
}

TEST_F(Checking, InconsistentCountsEndTheSearchAfterOneCycle) {
    doc.SolvedFlags.set(1, 0, 1);
    doc.SolvedFlags.set(1, 1, 1);
    doc.SolvedFlags.set(3, 0, 1);
    doc.SolvedCount = 0; // disagrees with the flags
    doc.CurrentSlot = 0;
    doc.CurrentDownSlot = 2;
    const CheckOutcome out = CheckSolverAnswer(doc, cp(u"ТОН"), 0);
    ASSERT_TRUE(out.hit);
    EXPECT_EQ(out.next, Next::None);
}

TEST_F(Checking, RightToLeftWordsAreTypedAsTheyReadOnScreen) {
    // Shown turned by 180°: 1 across reads from (2, 2) leftwards, so its shown start is (0, 2).
    doc.ShownSlotTable.set(1, 0, 0, 0);
    doc.ShownSlotTable.set(1, 1, 0, 2);
    const CheckOutcome out = CheckSolverAnswer(doc, cp(u"ТОК"), 1);
    ASSERT_TRUE(out.hit);
    EXPECT_EQ(out.direction, 0);
    EXPECT_EQ(shownLetters(doc, 1, 0), cp(u"ТОК"));
}

namespace {

struct Entry : ::testing::Test {
    CrosswordDocument doc;
    void SetUp() override {
        fixtures::ring3x3(doc, EditMode::ModeSolveNoAnswers);
        doc.CurrentSlot = 1;
        doc.CurrentDirection = 0;
    }
};

} // namespace

TEST_F(Entry, AWordIsWrittenCountedAndTheFirstOpenSlotFollows) {
    const EntryOutcome out = EnterSolverAnswer(doc, cp(u"кот"), 0);
    EXPECT_TRUE(out.entered);
    EXPECT_FALSE(out.conflict);
    EXPECT_EQ(doc.SlotTexts.at(1, 0), cp(u"КОТ"));
    EXPECT_EQ(doc.SolvedFlags.at(1, 0), 1);
    EXPECT_EQ(doc.SolvedCount, 1);
    EXPECT_EQ(out.open, 3);
    ASSERT_TRUE(out.nextFound);
    EXPECT_EQ(out.nextSlot, 1);
    EXPECT_EQ(out.nextDirection, 1);
    // Overwriting does not count the slot twice.
    EnterSolverAnswer(doc, cp(u"КИТ"), 0);
    EXPECT_EQ(doc.SolvedCount, 1);
    EXPECT_EQ(shownLetters(doc, 1, 0), cp(u"КИТ"));
}

TEST_F(Entry, AContradictingLetterChangesNothing) {
    EnterSolverAnswer(doc, cp(u"КОТ"), 0);
    doc.CurrentDirection = 1;
    doc.Modified = false;
    const EntryOutcome out = EnterSolverAnswer(doc, cp(u"ЛИС"), 0);
    EXPECT_TRUE(out.conflict);
    EXPECT_EQ(out.position, 1);
    EXPECT_EQ(out.crossing, static_cast<unsigned char>(cp(u"К")[0]));
    EXPECT_EQ(out.typed, static_cast<unsigned char>(cp(u"Л")[0]));
    EXPECT_EQ(doc.SolvedCount, 1);
    EXPECT_FALSE(doc.Modified);
}

TEST_F(Entry, AFirstCellFilledByACrossingWordStillCountsAsNew) {
    EnterSolverAnswer(doc, cp(u"КОТ"), 0); // fills (0, 0), the first cell of 1 down too
    doc.CurrentDirection = 1;
    EnterSolverAnswer(doc, cp(u"КИТ"), 0);
    EXPECT_EQ(doc.SolvedCount, 2);
}

TEST_F(Entry, TheLastOpenSlotEndsTheSearch) {
    for (auto [n, d, word] :
         {std::tuple{1, 0, u"КОТ"}, std::tuple{1, 1, u"КИТ"}, std::tuple{2, 1, u"ТОН"}}) {
        doc.CurrentSlot = n;
        doc.CurrentDirection = d;
        ASSERT_FALSE(EnterSolverAnswer(doc, cp(word), 0).conflict);
    }
    doc.CurrentSlot = 3;
    doc.CurrentDirection = 0;
    const EntryOutcome out = EnterSolverAnswer(doc, cp(u"тон"), 0);
    EXPECT_EQ(out.open, 0);
    EXPECT_FALSE(out.nextFound);
    EXPECT_EQ(doc.CurrentSlot, 3);
}

TEST_F(Entry, RightToLeftStoresTheWordInReadingOrder) {
    const EntryOutcome out = EnterSolverAnswer(doc, cp(u"КОТ"), 1);
    EXPECT_FALSE(out.conflict);
    EXPECT_EQ(shownLetters(doc, 1, 0), cp(u"КОТ"));
    EXPECT_EQ(doc.SlotTexts.at(1, 0), cp(u"ТОК"));
}

TEST_F(Entry, WordsOfAnotherLengthAreIgnored) {
    const EntryOutcome out = EnterSolverAnswer(doc, cp(u"КОТЫ"), 0);
    EXPECT_FALSE(out.entered);
    EXPECT_FALSE(out.conflict);
    EXPECT_EQ(doc.SolvedCount, 0);
    EXPECT_FALSE(doc.Modified);
}

TEST(JumpToNumber, TogglesOrMovesTheSelection) {
    CrosswordDocument doc;
    fixtures::ring3x3(doc, EditMode::ModeSolveNoAnswers);
    doc.CurrentSlot = 1;
    doc.CurrentDirection = 0;
    Selected previous;
    ASSERT_TRUE(JumpToNumber(doc, 1, previous)); // 1 has both words: toggles to down
    EXPECT_EQ(doc.CurrentDirection, 1);
    EXPECT_EQ(previous.slot, 1);
    EXPECT_EQ(previous.direction, 0);
    ASSERT_TRUE(JumpToNumber(doc, 3, previous)); // 3 has only an across word
    EXPECT_EQ(doc.CurrentSlot, 3);
    EXPECT_EQ(doc.CurrentDirection, 0);
    EXPECT_FALSE(JumpToNumber(doc, 3, previous)); // current, nothing in the other direction
    ASSERT_TRUE(JumpToNumber(doc, 2, previous));  // 2 has only a down word
    EXPECT_EQ(doc.CurrentDirection, 1);
}
