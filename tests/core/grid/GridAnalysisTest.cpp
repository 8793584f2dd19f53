#include "grid/GridAnalysis.h"
#include "support/GridPattern.h"

#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <vector>

namespace {

// Across column, row, length, then down column, row, length, of one number.
using Slots = std::array<int, 6>;

struct AnalysisCase {
    const char* name;
    QByteArrayList rows;
    std::vector<Slots> numbers; // number 1 first
    int wordCount;
};

std::vector<Slots> slotsOf(const CrosswordDocument& doc) {
    std::vector<Slots> out;
    for (int n = 1; n <= doc.NumberedCount; ++n)
        out.push_back({doc.SlotTable.at(n, 0, 0), doc.SlotTable.at(n, 1, 0),
                       doc.SlotTable.at(n, 2, 0), doc.SlotTable.at(n, 0, 1),
                       doc.SlotTable.at(n, 1, 1), doc.SlotTable.at(n, 2, 1)});
    return out;
}

void PrintTo(const AnalysisCase& c, std::ostream* os) {
    *os << c.name;
}

class GridAnalysisFinds : public testing::TestWithParam<AnalysisCase> {};

TEST_P(GridAnalysisFinds, NumbersStartCellsInReadingOrder) {
    const AnalysisCase& c = GetParam();
    CrosswordDocument doc = drawnGrid(c.rows);
    ASSERT_TRUE(analyseGrid(doc));
    EXPECT_EQ(slotsOf(doc), c.numbers);
    EXPECT_EQ(doc.NumberedCount, static_cast<int>(c.numbers.size()));
    EXPECT_EQ(doc.WordCount, c.wordCount);
    EXPECT_EQ(doc.SlotTable.upperBound(0), doc.NumberedCount);
}

INSTANTIATE_TEST_SUITE_P(
    Grids, GridAnalysisFinds,
    testing::Values(AnalysisCase{"BlackCentre",
                                 {"...", ".#.", "..."},
                                 {{0, 0, 3, 0, 0, 3}, {0, 0, 0, 2, 0, 3}, {0, 2, 3, 0, 0, 0}},
                                 4},
                    AnalysisCase{"TwoByOne", {".."}, {{0, 0, 2, 0, 0, 0}}, 1},
                    AnalysisCase{"OneByTwo", {".", "."}, {{0, 0, 0, 0, 0, 2}}, 1},
                    // Words that end in the last column and in the last row.
                    AnalysisCase{"WordsAtTheEdges", {"#..", "#.#"}, {{1, 0, 2, 1, 0, 2}}, 2},
                    // (1, 2) has black or the edge all round: no word, no number.
                    AnalysisCase{
                        "LoneWhiteCell", {"...#", "####", "#.##"}, {{0, 0, 3, 0, 0, 0}}, 1},
                    // A run inside another run never starts a second word of that direction.
                    AnalysisCase{"OneLongRun", {"....."}, {{0, 0, 5, 0, 0, 0}}, 1},
                    AnalysisCase{"DownOnlyBeforeAcross",
                                 {"#.#", "...", "#.#"},
                                 {{0, 0, 0, 1, 0, 3}, {0, 1, 3, 0, 0, 0}},
                                 2}),
    [](const testing::TestParamInfo<AnalysisCase>& info) { return info.param.name; });

TEST(GridAnalysis, FillsEmptyTablesAndEntersAuthoring) {
    for (const int noAnswers : {0, 1}) {
        CrosswordDocument doc = drawnGrid({"...", ".#.", "..."}, noAnswers);
        doc.SolvedCount = 7; // left over from a crossword solved earlier
        doc.CurrentSlot = 9;
        ASSERT_TRUE(analyseGrid(doc));
        EXPECT_EQ(doc.Mode, noAnswers ? EditMode::ModeAuthorNoAnswers : EditMode::ModeAuthor);
        EXPECT_TRUE(doc.Modified);
        EXPECT_EQ(doc.SolvedCount, 0);
        EXPECT_EQ(doc.CurrentSlot, 0);
        EXPECT_EQ(doc.SlotTexts.rank(), 3);
        EXPECT_EQ(doc.SlotTexts.upperBound(0), 3);
        EXPECT_EQ(doc.SlotTexts.upperBound(1), 1);
        EXPECT_EQ(doc.SlotTexts.upperBound(2), 1);
        EXPECT_EQ(doc.SolvedFlags, Table<int>::withBounds(3, 1));
        EXPECT_EQ(doc.SlotTexts, Table<QByteArray>::withBounds(3, 1, 1));
    }
}

struct NoWordCase {
    const char* name;
    QByteArrayList rows;
};
void PrintTo(const NoWordCase& c, std::ostream* os) {
    *os << c.name;
}

class GridAnalysisWithoutWords : public testing::TestWithParam<NoWordCase> {};

TEST_P(GridAnalysisWithoutWords, LeavesTheDrawingUntouched) {
    CrosswordDocument doc = drawnGrid(GetParam().rows);
    const CrosswordDocument before = doc;
    EXPECT_FALSE(analyseGrid(doc));
    EXPECT_EQ(doc.Mode, EditMode::ModeDrawGrid);
    EXPECT_EQ(doc.CellMap, before.CellMap);
    EXPECT_EQ(doc.NumberedCount, 0);
    EXPECT_EQ(doc.WordCount, 0);
    EXPECT_TRUE(doc.SlotTable.isEmpty());
    EXPECT_FALSE(doc.Modified);
}

INSTANTIATE_TEST_SUITE_P(Grids, GridAnalysisWithoutWords,
                         testing::Values(NoWordCase{"AllBlack", {"###", "###", "###"}},
                                         NoWordCase{"OneByOne", {"."}},
                                         NoWordCase{"Checkerboard", {".#.", "#.#", ".#."}}),
                         [](const testing::TestParamInfo<NoWordCase>& info) {
                             return info.param.name;
                         });

TEST(GridAnalysis, RefusesAGridThatIsNoLongerBeingDrawn) {
    CrosswordDocument doc = analysedGrid({"..", ".."});
    const Table<int> shown = doc.CellMap;
    EXPECT_FALSE(analyseGrid(doc));
    EXPECT_EQ(doc.CellMap, shown);
}

} // namespace
