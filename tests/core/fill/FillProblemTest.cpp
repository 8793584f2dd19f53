#include "fill/FillProblem.h"

#include "grid/CrosswordDocument.h"
#include "support/GridPattern.h"
#include "words/Placement.h"

#include <gtest/gtest.h>

TEST(FillProblem, ReopenedSlotsLoseTheirLettersUnlessAKeptAnswerCrossesThem) {
    CrosswordDocument doc = analysedGrid({"...", ".#.", "..."});
    ASSERT_EQ(PlaceAnswer(doc, 1, 0, "CAT", "").kind, PlacementOutcome::Kind::Placed);
    ASSERT_EQ(PlaceAnswer(doc, 3, 0, "TOP", "").kind, PlacementOutcome::Kind::Placed);
    ASSERT_EQ(PlaceAnswer(doc, 1, 1, "CAT", "").kind, PlacementOutcome::Kind::Placed);
    EXPECT_EQ(fill::problemFrom(doc).problem.fixed, QByteArray("CATA\0\0TOP", 9));
    // 3 across afresh: its T stays for 1 down, the rest of the row opens.
    EXPECT_EQ(fill::problemFrom(doc, {{3, Direction::Across}}).problem.fixed,
              QByteArray("CATA\0\0T\0\0", 9));
    EXPECT_EQ(fill::problemFrom(doc, {{3, Direction::Across}, {1, Direction::Down}}).problem.fixed,
              QByteArray("CAT\0\0\0\0\0\0", 9));
}
