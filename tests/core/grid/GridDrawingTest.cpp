#include "grid/GridDrawing.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <vector>

namespace {

using Cells = std::vector<QPoint>;

struct SymmetryCase {
    const char* name;
    int w, h, cx, cy;
    bool symmetric;
    Cells cells;
};

void PrintTo(const SymmetryCase& c, std::ostream* os) {
    *os << c.name;
}

class DrawnCells : public testing::TestWithParam<SymmetryCase> {};

TEST_P(DrawnCells, InPaintingOrder) {
    const SymmetryCase& c = GetParam();
    EXPECT_EQ(drawnCells(c.cx, c.cy, c.w, c.h, c.symmetric), c.cells);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DrawnCells,
    testing::Values(SymmetryCase{"Plain", 5, 5, 1, 0, false, {{1, 0}}},
                    SymmetryCase{"AllEightImages",
                                 5,
                                 5,
                                 1,
                                 0,
                                 true,
                                 {{1, 0}, {1, 4}, {3, 4}, {3, 0}, {0, 3}, {4, 3}, {4, 1}, {0, 1}}},
                    SymmetryCase{"Centre", 5, 5, 2, 2, true, {{2, 2}}},
                    // On the diagonal the transposed set repeats the mirror images and is skipped.
                    SymmetryCase{"Diagonal", 5, 5, 0, 0, true, {{0, 0}, {0, 4}, {4, 4}, {4, 0}}},
                    SymmetryCase{
                        "MiddleColumn", 5, 5, 2, 0, true, {{2, 0}, {2, 4}, {0, 2}, {4, 2}}},
                    // A grid that is not square keeps only its mirror images.
                    SymmetryCase{"Wide", 5, 3, 1, 0, true, {{1, 0}, {1, 2}, {3, 2}, {3, 0}}},
                    SymmetryCase{"Tall", 2, 6, 0, 1, true, {{0, 1}, {0, 4}, {1, 4}, {1, 1}}}),
    [](const testing::TestParamInfo<SymmetryCase>& info) { return info.param.name; });

TEST(DrawnCells, NeverLeaveTheField) {
    for (const auto& [w, h] : {std::pair{7, 3}, std::pair{3, 7}, std::pair{1, 4}, std::pair{6, 6}})
        for (int cx = 0; cx < w; ++cx)
            for (int cy = 0; cy < h; ++cy)
                for (const QPoint& p : drawnCells(cx, cy, w, h, true))
                    EXPECT_TRUE(p.x() >= 0 && p.x() < w && p.y() >= 0 && p.y() < h)
                        << w << "x" << h << " at " << cx << "," << cy;
}

struct PointerCase {
    int x, y;
    std::optional<QPoint> cell;
};

TEST(CellAt, MarginsAndTheCellBeyondTheLast) {
    // A 3 × 2 grid of 20-pixel cells: the field runs from 5 to 64 across and 5 to 44 down.
    for (const PointerCase& c :
         {PointerCase{4, 10, std::nullopt}, PointerCase{10, 4, std::nullopt},
          PointerCase{-30, 10, std::nullopt}, PointerCase{5, 5, QPoint(0, 0)},
          PointerCase{24, 24, QPoint(0, 0)}, PointerCase{25, 5, QPoint(1, 0)},
          PointerCase{64, 44, QPoint(2, 1)}, PointerCase{65, 10, std::nullopt},
          PointerCase{10, 45, std::nullopt}})
        EXPECT_EQ(cellAt(c.x, c.y, 20, 3, 2), c.cell) << c.x << "," << c.y;
}

TEST(CoordinatesText, ColumnWithABlankThenTheRow) {
    struct Case {
        int x, y;
        QByteArray text;
    };
    // 10 × 10 grid of 20-pixel cells.
    for (const Case& c :
         {Case{5 + 2 * 20, 5 + 6 * 20 + 19, "Cell: 3,7"}, Case{4, 50, "Cell: 0,3"},
          Case{50, 2, "Cell: 3,0"}, Case{204, 204, "Cell: 10,10"}, Case{205, 100, "Cell: 0,5"}})
        EXPECT_EQ(coordinatesText("Cell:", c.x, c.y, 20, 10, 10), c.text) << c.x << "," << c.y;
}

} // namespace
