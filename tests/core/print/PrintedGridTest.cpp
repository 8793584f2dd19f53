#include "print/PrintedGrid.h"

#include "grid/ShownGrid.h"

#include "support/Crosswords.h"
#include "support/FilledCrossword.h"
#include "support/GridPattern.h"

#include <gtest/gtest.h>

namespace {

using publish::CellKind;

// The kinds as rows: ' ' outside, '#' black, '.' light.
QByteArrayList kindRows(const publish::GridPicture& g) {
    QByteArrayList rows;
    for (int y = 0; y < g.height; ++y) {
        QByteArray row;
        for (int x = 0; x < g.width; ++x)
            row += g.kind(x, y) == CellKind::Outside ? ' '
                   : g.kind(x, y) == CellKind::Block ? '#'
                                                     : '.';
        rows << row;
    }
    return rows;
}

TEST(PrintedGrid, CellsOutsideTheFigureBlackInsideAndLightInSlots) {
    struct Case {
        QByteArrayList drawn;
        int style;
        QByteArrayList expected;
    };
    const Case cases[] = {
        // A black cell at an edge lies outside, one a column's slots enclose is black; a white
        // cell no slot passes through counts as black as well.
        {{"...#.", ".#...", "....."}, 0, {"... .", ".#...", "....."}},
        {{"..#..", "#####", ".#..."}, 0, {".. ..", "   ##", "  ..."}},
        // Only the column's ends count: a black cell at the side edge between slots is black.
        {{"....", ".#.#", "....", "#..."}, 0, {"....", ".#.#", "....", " ..."}},
        // Turned: as the screen shows it, the whole picture turned by 180 degrees.
        {{"...#.", ".#...", "....."}, 1, {".....", "...#.", ". ..."}},
    };
    for (const Case& c : cases) {
        const CrosswordDocument doc = analysedGrid(c.drawn, c.style);
        EXPECT_EQ(kindRows(publish::gridPicture(doc, false)), c.expected)
            << c.drawn.join('|').toStdString() << " style " << c.style;
    }
}

TEST(PrintedGrid, NumbersAlwaysLettersOnlyWhenAsked) {
    FilledCrossword filled;
    filled.rows = {fixtures::cp(u"КОТ"), fixtures::cp(u"О#А"), fixtures::cp(u"ТОК")};
    const CrosswordDocument doc = filled.build();
    for (const bool letters : {false, true}) {
        const publish::GridPicture g = publish::gridPicture(doc, letters);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 3; ++x) {
                EXPECT_EQ(g.number(x, y), doc.CellMap.at(x, y, layer::kNumber)) << x << y;
                const char expected = letters ? filled.rows[y].at(x) : char(0);
                EXPECT_EQ(g.letter(x, y),
                          static_cast<unsigned char>(expected == '#' ? 0 : expected))
                    << x << y;
            }
        EXPECT_EQ(g.number(0, 0), 1);
    }
}

TEST(PrintedGrid, ClueListsByDirectionAndNumberWithAnswersCapitalised) {
    FilledCrossword filled;
    filled.rows = {fixtures::cp(u"КОТ"), fixtures::cp(u"О#А"), fixtures::cp(u"ТОК")};
    filled.clues = {{fixtures::cp(u"КОТ"), fixtures::cp(u"Мурлыка")},
                    {fixtures::cp(u"ТАК"), fixtures::cp(u"Да")}};
    const auto lists = publish::clueEntries(filled.build());
    const auto numbersOf = [](const std::vector<publish::ClueEntry>& list) {
        std::vector<int> n;
        for (const auto& e : list)
            n.push_back(e.number);
        return n;
    };
    EXPECT_EQ(numbersOf(lists[0]), (std::vector<int>{1, 3}));
    EXPECT_EQ(numbersOf(lists[1]), (std::vector<int>{1, 2}));
    EXPECT_EQ(lists[0][0].clue, fixtures::cp(u"Мурлыка"));
    EXPECT_EQ(lists[0][0].answer, fixtures::cp(u"Кот"));
    EXPECT_EQ(lists[1][1].clue, fixtures::cp(u"Да"));
    EXPECT_EQ(lists[1][1].answer, fixtures::cp(u"Так"));
}

} // namespace
