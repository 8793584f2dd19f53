#include "words/Placement.h"

#include "support/Crosswords.h"

#include <gtest/gtest.h>

using fixtures::cp;
using fixtures::shownLetters;
using Kind = PlacementOutcome::Kind;

namespace {

struct Authoring : ::testing::Test {
    CrosswordDocument doc;
    void SetUp() override { fixtures::ring3x3(doc, EditMode::ModeAuthor); }
};

} // namespace

TEST_F(Authoring, AWordIsStoredUpperCaseWithItsClueAsTyped) {
    const PlacementOutcome out = PlaceAnswer(doc, 1, 0, cp(u"кот"), cp(u"Домашний зверь"));
    EXPECT_EQ(out.kind, Kind::Placed);
    EXPECT_EQ(doc.SlotTexts.at(1, 1, 0), cp(u"КОТ"));
    EXPECT_EQ(doc.SlotTexts.at(1, 0, 0), cp(u"Домашний зверь"));
    EXPECT_EQ(shownLetters(doc, 1, 0), cp(u"КОТ"));
    EXPECT_EQ(doc.CellMap.at(2, 0, 4), static_cast<unsigned char>(cp(u"Т")[0]));
    EXPECT_EQ(doc.CellMap.at(2, 0, 5), 0);
    EXPECT_TRUE(doc.Modified);
}

TEST_F(Authoring, WordsOfTheWrongLengthOrWithABlankChangeNothing) {
    PlaceAnswer(doc, 1, 1, cp(u"КИТ"), "clue");
    doc.Modified = false;
    const CrosswordDocument before = doc;
    for (const QByteArray& word : {cp(u"КО"), cp(u"КОТЫ"), cp(u"К Т")}) {
        EXPECT_EQ(PlaceAnswer(doc, 1, 0, word, "clue").kind, Kind::Ignored);
        EXPECT_EQ(doc.CellMap, before.CellMap);
        EXPECT_EQ(doc.SlotTexts, before.SlotTexts);
        EXPECT_FALSE(doc.Modified);
    }
}

TEST_F(Authoring, ACrossingLetterInAnyCaseIsAccepted) {
    ASSERT_EQ(PlaceAnswer(doc, 1, 1, cp(u"АРБ"), "").kind, Kind::Placed);   // 1 down: А at (0,0)
    EXPECT_EQ(PlaceAnswer(doc, 1, 0, cp(u"аист"), "").kind, Kind::Ignored); // too long
    EXPECT_EQ(PlaceAnswer(doc, 1, 0, cp(u"ауж"), "").kind, Kind::Placed);
    EXPECT_EQ(shownLetters(doc, 1, 1), cp(u"АРБ"));
}

TEST_F(Authoring, AContradictingLetterIsReportedAndNothingIsWritten) {
    ASSERT_EQ(PlaceAnswer(doc, 2, 1, cp(u"УЖР"), "").kind, Kind::Placed); // Р at (2, 2)
    ASSERT_EQ(PlaceAnswer(doc, 1, 1, cp(u"БОД"), "").kind, Kind::Placed); // Д at (0, 2)
    doc.Modified = false;
    const CrosswordDocument before = doc;
    const PlacementOutcome out = PlaceAnswer(doc, 3, 0, cp(u"дом"), "clue");
    EXPECT_EQ(out.kind, Kind::Conflict);
    EXPECT_EQ(out.position, 3);
    EXPECT_EQ(out.crossing, static_cast<unsigned char>(cp(u"Р")[0]));
    EXPECT_EQ(out.typed, static_cast<unsigned char>(cp(u"М")[0]));
    EXPECT_EQ(doc.CellMap, before.CellMap);
    EXPECT_EQ(doc.SlotTexts, before.SlotTexts);
    EXPECT_FALSE(doc.Modified);
}

TEST_F(Authoring, RemovalKeepsTheCrossingLetters) {
    ASSERT_EQ(PlaceAnswer(doc, 1, 0, cp(u"КОТ"), "a").kind, Kind::Placed);
    ASSERT_EQ(PlaceAnswer(doc, 2, 1, cp(u"ТУР"), "b").kind, Kind::Placed);
    doc.Modified = false;
    EXPECT_EQ(PlaceAnswer(doc, 1, 0, "", "new clue").kind, Kind::Removed);
    EXPECT_EQ(shownLetters(doc, 1, 0), QByteArray("..") + cp(u"Т"));
    EXPECT_EQ(shownLetters(doc, 2, 1), cp(u"ТУР"));
    EXPECT_TRUE(doc.SlotTexts.at(1, 1, 0).isEmpty());
    EXPECT_EQ(doc.SlotTexts.at(1, 0, 0), "new clue");
    EXPECT_TRUE(doc.Modified);
    // Removing what is not there does nothing, not even store the clue.
    doc.Modified = false;
    EXPECT_EQ(PlaceAnswer(doc, 1, 0, "", "other").kind, Kind::Ignored);
    EXPECT_EQ(doc.SlotTexts.at(1, 0, 0), "new clue");
    EXPECT_FALSE(doc.Modified);
}

TEST_F(Authoring, NoSuchSlotIsIgnored) {
    EXPECT_EQ(PlaceAnswer(doc, 2, 0, cp(u"КОТ"), "").kind, Kind::Ignored); // 2 has no across
    EXPECT_EQ(PlaceAnswer(doc, 99, 0, cp(u"КОТ"), "").kind, Kind::Ignored);
    EXPECT_EQ(PlaceAnswer(doc, -1, 1, cp(u"КОТ"), "").kind, Kind::Ignored);
    EXPECT_FALSE(doc.Modified);
}

TEST_F(Authoring, DeletionKeepsASharedLetterAndEmptiesClueAndAnswer) {
    PlaceAnswer(doc, 1, 0, cp(u"КОТ"), "cat");
    PlaceAnswer(doc, 2, 1, cp(u"ТУР"), "tour");
    doc.CurrentSlot = 1;
    doc.CurrentDirection = 0;
    doc.Modified = false;
    ASSERT_TRUE(CanDeleteAnswer(doc));
    DeleteAnswer(doc);
    EXPECT_EQ(shownLetters(doc, 1, 0), QByteArray("..") + cp(u"Т"));
    EXPECT_TRUE(doc.SlotTexts.at(1, 0, 0).isEmpty());
    EXPECT_TRUE(doc.SlotTexts.at(1, 1, 0).isEmpty());
    EXPECT_TRUE(doc.Modified);
    EXPECT_FALSE(CanDeleteAnswer(doc));
}

TEST(SolvingWithoutAnswers, DeletionReopensTheSlot) {
    CrosswordDocument doc;
    fixtures::ring3x3(doc, EditMode::ModeSolveNoAnswers);
    for (int x = 0; x < 3; ++x) {
        doc.CellMap.set(x, 0, 3, 'A' + x);
        doc.CellMap.set(x, 0, 4, 'A' + x);
    }
    doc.SlotTexts.set(1, 0, "ABC");
    doc.SolvedFlags.set(1, 0, 1);
    doc.SolvedCount = 1;
    doc.CurrentSlot = 1;
    doc.CurrentDirection = 0;
    ASSERT_TRUE(CanDeleteAnswer(doc));
    DeleteAnswer(doc);
    EXPECT_EQ(doc.SolvedCount, 0);
    EXPECT_EQ(doc.SolvedFlags.at(1, 0), 0);
    EXPECT_TRUE(doc.SlotTexts.at(1, 0).isEmpty());
    EXPECT_EQ(shownLetters(doc, 1, 0), "...");
    EXPECT_FALSE(CanDeleteAnswer(doc));
    DeleteAnswer(doc); // nothing left to delete: the count must not drop again
    EXPECT_EQ(doc.SolvedCount, 0);
}
