#include "grid/ShownGrid.h"
#include "grid/GridAnalysis.h"
#include "support/GridPattern.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace {

const QByteArrayList kBlackCentre{"...", ".#.", "..."};

// Shown column, row and length of number n in direction d.
using Shown = std::array<int, 3>;
Shown shown(const CrosswordDocument& doc, int n, int d) {
    return {doc.ShownSlotTable.at(n, 0, d), doc.ShownSlotTable.at(n, 1, d),
            doc.ShownSlotTable.at(n, 2, d)};
}

// One layer of the shown map, a row of text per grid row: '.' for 0, else the value's digit
// or, for letter layers, the letter.
QByteArrayList layerRows(const CrosswordDocument& doc, int l) {
    QByteArrayList rows;
    for (int y = 0; y < doc.GridHeight; ++y) {
        QByteArray row;
        for (int x = 0; x < doc.GridWidth; ++x) {
            const int v = doc.CellMap.at(x, y, l);
            row += v == 0 ? '.' : (l >= layer::kLetter ? char(v) : char('0' + v));
        }
        rows << row;
    }
    return rows;
}

TEST(ShownGrid, ClassicStyleKeepsTheStoredSlots) {
    const CrosswordDocument doc = analysedGrid(kBlackCentre);
    EXPECT_EQ(doc.ShownSlotTable, doc.SlotTable);
    EXPECT_EQ(layerRows(doc, layer::kNumber), (QByteArrayList{"1.2", "...", "3.."}));
    EXPECT_EQ(layerRows(doc, layer::kAcross), (QByteArrayList{"111", "...", "333"}));
    EXPECT_EQ(layerRows(doc, layer::kDown), (QByteArrayList{"1.2", "1.2", "1.2"}));
}

TEST(ShownGrid, RightToLeftTurnsTheGrid) {
    const CrosswordDocument doc = analysedGrid(kBlackCentre, 1);
    EXPECT_EQ(layerRows(doc, layer::kNumber), (QByteArrayList{"..3", "...", "2.1"}));
    EXPECT_EQ(shown(doc, 1, 0), (Shown{0, 2, 3}));
    EXPECT_EQ(shown(doc, 1, 1), (Shown{2, 0, 3}));
    EXPECT_EQ(shown(doc, 2, 1), (Shown{0, 0, 3}));
    EXPECT_EQ(shown(doc, 3, 0), (Shown{0, 0, 3}));
    EXPECT_EQ(shown(doc, 2, 0), (Shown{0, 0, 0}));
    EXPECT_EQ(shown(doc, 3, 1), (Shown{0, 0, 0}));
    EXPECT_EQ(layerRows(doc, layer::kAcross), (QByteArrayList{"333", "...", "111"}));
    EXPECT_EQ(layerRows(doc, layer::kDown), (QByteArrayList{"2.1", "2.1", "2.1"}));

    const CrosswordDocument row = analysedGrid({"....."}, 1);
    EXPECT_EQ(layerRows(row, layer::kNumber), (QByteArrayList{"....1"}));
    EXPECT_EQ(shown(row, 1, 0), (Shown{0, 0, 5}));
}

TEST(ShownGrid, LayerCountFollowsTheMode) {
    struct Case {
        EditMode mode;
        int bound;
    };
    for (const Case c : {Case{EditMode::ModeAuthor, 5}, Case{EditMode::ModeSolveNoAnswers, 5},
                         Case{EditMode::ModeSolve, 3}, Case{EditMode::ModeIncomplete, 3},
                         Case{EditMode::ModeAuthorNoAnswers, 3}}) {
        CrosswordDocument doc = analysedGrid(kBlackCentre);
        doc.Mode = c.mode;
        buildShownGrid(doc, 0);
        EXPECT_EQ(doc.CellMap.upperBound(2), c.bound) << modeValue(c.mode);
        EXPECT_EQ(doc.CellMap.upperBound(0), 3);
        EXPECT_EQ(doc.CellMap.upperBound(1), 3);
    }
}

TEST(ShownGrid, LeavesTheSpareColumnAndRowAndLoneCellsEmpty) {
    const CrosswordDocument doc = analysedGrid({"...#", "####", "#.##"});
    for (int l = 0; l <= 5; ++l) {
        for (int x = 0; x <= 4; ++x)
            EXPECT_EQ(doc.CellMap.at(x, 3, l), 0);
        for (int y = 0; y <= 3; ++y)
            EXPECT_EQ(doc.CellMap.at(4, y, l), 0);
        EXPECT_EQ(doc.CellMap.at(1, 2, l), 0); // the lone white cell belongs to no word
    }
}

// The letters a grid shows: 1 across "ABC", 1 down "AXY", 2 down "CDE", 3 across "YFE".
CrosswordDocument withAnswers(EditMode mode) {
    CrosswordDocument doc = drawnGrid(kBlackCentre);
    analyseGrid(doc);
    doc.Mode = mode;
    const bool solverWords = mode == EditMode::ModeSolveNoAnswers;
    if (solverWords)
        doc.SlotTexts = Table<QByteArray>::withBounds(3, 1);
    auto put = [&](int n, int d, const QByteArray& word) {
        if (solverWords)
            doc.SlotTexts.set(n, d, word);
        else
            doc.SlotTexts.set(n, 1, d, word);
    };
    put(1, 0, "ABC");
    put(1, 1, "AXY");
    put(2, 1, "CDE");
    put(3, 0, "YFE");
    return doc;
}

TEST(ShownGrid, AuthorSeesEveryAnswerInBothStyles) {
    CrosswordDocument doc = withAnswers(EditMode::ModeAuthor);
    buildShownGrid(doc, 0);
    EXPECT_EQ(layerRows(doc, layer::kLetter), (QByteArrayList{"ABC", "X.D", "YFE"}));
    EXPECT_EQ(layerRows(doc, layer::kAcrossWord), (QByteArrayList{"ABC", "...", "YFE"}));
    EXPECT_EQ(layerRows(doc, layer::kDownWord), (QByteArrayList{"A.C", "X.D", "Y.E"}));
    buildShownGrid(doc, 1);
    // Each word reads from its numbered cell leftwards or upwards.
    EXPECT_EQ(layerRows(doc, layer::kLetter), (QByteArrayList{"EFY", "D.X", "CBA"}));
}

TEST(ShownGrid, SolversSeeOnlySolvedWords) {
    for (const EditMode mode :
         {EditMode::ModeSolve, EditMode::ModeSolveNoAnswers, EditMode::ModeIncomplete}) {
        CrosswordDocument doc = withAnswers(mode);
        doc.SolvedFlags.set(1, 0, 1);
        buildShownGrid(doc, 0);
        const QByteArrayList letters = mode == EditMode::ModeIncomplete
                                           ? QByteArrayList{"...", "...", "..."}
                                           : QByteArrayList{"ABC", "...", "..."};
        EXPECT_EQ(layerRows(doc, layer::kLetter), letters) << modeValue(mode);
        // A solved word no longer claims its cells.
        EXPECT_EQ(layerRows(doc, layer::kAcross), (QByteArrayList{"...", "...", "333"}));
        EXPECT_EQ(layerRows(doc, layer::kDown), (QByteArrayList{"1.2", "1.2", "1.2"}));
    }
}

TEST(ShownGrid, TextsThatDoNotFitTheirSlot) {
    struct Case {
        QByteArray word;
        int style;
        QByteArray row; // the top row shown
    };
    for (const Case& c : {Case{"AB", 0, "AB."}, Case{"AB", 1, ".BA"}, Case{"ABCDE", 0, "ABC"},
                          Case{"ABCDE", 1, "CBA"}, Case{"", 0, "..."}}) {
        CrosswordDocument doc = drawnGrid({"...", "###"});
        analyseGrid(doc);
        doc.SlotTexts.set(1, 1, 0, c.word);
        buildShownGrid(doc, c.style);
        const int row = c.style == 0 ? 0 : 1;
        EXPECT_EQ(layerRows(doc, layer::kLetter).at(row), c.row) << c.word.constData();
    }
}

TEST(ShownGrid, SlotsOutsideTheFieldFromADamagedFile) {
    CrosswordDocument doc = drawnGrid({"...", "...", "..."});
    analyseGrid(doc);                 // 1 across and down, 2 down, 3 down, 4 across, 5 across
    doc.SlotTable.set(1, 2, 0, 1000); // runs far past the right edge
    doc.SlotTable.set(2, 0, 1, -4);   // starts left of the field
    doc.SlotTable.set(3, 1, 1, 3);    // starts in the spare row
    doc.SlotTable.set(4, 2, 0, -2);   // negative length
    for (const int style : {0, 1}) {
        buildShownGrid(doc, style);
        EXPECT_EQ(doc.ShownSlotTable.at(1, 2, 0), 3);
        EXPECT_EQ(doc.ShownSlotTable.at(2, 2, 1), 0);
        EXPECT_EQ(doc.ShownSlotTable.at(3, 2, 1), 0);
        EXPECT_EQ(doc.ShownSlotTable.at(4, 2, 0), 0);
        for (int l = 0; l <= 5; ++l)
            for (int i = 0; i <= 3; ++i) {
                EXPECT_EQ(doc.CellMap.at(3, i, l), 0);
                EXPECT_EQ(doc.CellMap.at(i, 3, l), 0);
            }
    }
}

} // namespace
