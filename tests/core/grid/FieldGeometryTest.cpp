#include "grid/FieldGeometry.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

// A 4 × 3 grid of 20-pixel cells: on screen, and exported in both styles.
const FieldGeometry kScreen(20, 4, 3);
const FieldGeometry kClassic = FieldGeometry::exported(20, 4, 3, 0);
const FieldGeometry kTurned = FieldGeometry::exported(20, 4, 3, 1);

TEST(FieldGeometry, PictureSizes) {
    EXPECT_EQ(kScreen.drawingSize(), QSize(4 * 20 + 15, 3 * 20 + 15));
    EXPECT_EQ(kScreen.slotsSize(), QSize(4 * 20 + 10, 3 * 20 + 10));
    EXPECT_EQ(kClassic.closedSize(), QSize(4 * 20 + 1, 3 * 20 + 1));
    EXPECT_EQ(kTurned.closedSize(), QSize(4 * 20 + 1, 3 * 20 + 1));
    // The preview: one cell with its margin on every side.
    EXPECT_EQ(FieldGeometry(100, 1, 1).closedSize(), QSize(111, 111));
    EXPECT_EQ(kScreen.margin(), 5);
    EXPECT_EQ(kClassic.margin(), 0);
    EXPECT_FALSE(kClassic.turned());
    EXPECT_TRUE(kTurned.turned());
}

struct CellCase {
    const char* name;
    const FieldGeometry* geometry;
    int cx, cy;
    QPoint corner; // the square's top-left pixel
};

TEST(FieldGeometry, SquareInsideNumberAndLetterFollowTheCorner) {
    const CellCase cases[] = {
        {"screen first", &kScreen, 0, 0, {5, 5}},
        {"screen last", &kScreen, 3, 2, {65, 45}},
        {"screen top right", &kScreen, 3, 0, {65, 5}},
        {"classic first", &kClassic, 0, 0, {0, 0}},
        {"classic last", &kClassic, 3, 2, {60, 40}},
        {"turned first", &kTurned, 0, 0, {60, 40}},
        {"turned last", &kTurned, 3, 2, {0, 0}},
        {"turned top right", &kTurned, 3, 0, {0, 40}},
        {"turned middle", &kTurned, 1, 1, {40, 20}},
    };
    for (const CellCase& c : cases) {
        const FieldGeometry& g = *c.geometry;
        const QPoint p = c.corner;
        // Both border lines belong to the square: neighbours share them.
        EXPECT_EQ(g.square(c.cx, c.cy), QRect(p, p + QPoint(20, 20))) << c.name;
        EXPECT_EQ(g.inside(c.cx, c.cy), QRect(p + QPoint(1, 1), p + QPoint(19, 19))) << c.name;
        EXPECT_EQ(g.numberAt(c.cx, c.cy), p + QPoint(2, 2)) << c.name;
        // A letter 9 pixels wide ends 2 pixels before the right border line.
        EXPECT_EQ(g.letterAt(c.cx, c.cy, 9, 4), p + QPoint(20 - 9 - 2, 4)) << c.name;
        // The pixels of the square's top-left line and of its inside are the cell's own.
        EXPECT_EQ(g.cellAt(p.x(), p.y()), QPoint(c.cx, c.cy)) << c.name;
        EXPECT_EQ(g.cellAt(p.x() + 19, p.y() + 19), QPoint(c.cx, c.cy)) << c.name;
    }
}

TEST(FieldGeometry, SmallCells) {
    const FieldGeometry one(1, 3, 3);
    EXPECT_EQ(one.square(2, 2), QRect(QPoint(7, 7), QPoint(8, 8)));
    EXPECT_TRUE(one.inside(2, 2).isEmpty());
    EXPECT_EQ(one.cellAt(7, 7), QPoint(2, 2));
    EXPECT_EQ(one.cellAt(8, 7), std::nullopt); // the closing line
    const FieldGeometry two(2, 3, 3);
    EXPECT_EQ(two.inside(0, 0), QRect(6, 6, 1, 1));
}

struct PointerCase {
    const char* name;
    const FieldGeometry* geometry;
    int x, y;
    std::optional<QPoint> cell;
};

TEST(FieldGeometry, CellUnderThePointer) {
    const PointerCase cases[] = {
        {"left margin", &kScreen, 4, 10, std::nullopt},
        {"top margin", &kScreen, 10, 4, std::nullopt},
        {"right closing line", &kScreen, 85, 10, std::nullopt},
        {"below the last row", &kScreen, 10, 65, std::nullopt},
        {"last pixel", &kScreen, 84, 64, QPoint(3, 2)},
        {"negative", &kScreen, -30, -30, std::nullopt},
        {"classic first pixel", &kClassic, 0, 0, QPoint(0, 0)},
        {"classic right edge", &kClassic, 80, 0, std::nullopt},
        {"turned first pixel", &kTurned, 0, 0, QPoint(3, 2)},
        {"turned last pixel", &kTurned, 79, 59, QPoint(0, 0)},
        {"turned below", &kTurned, 0, 60, std::nullopt},
    };
    for (const PointerCase& c : cases)
        EXPECT_EQ(c.geometry->cellAt(c.x, c.y), c.cell) << c.name;
    EXPECT_EQ(FieldGeometry(0, 3, 3).cellAt(10, 10), std::nullopt);
}

TEST(FieldGeometry, EveryCellIsFoundUnderItsOwnSquare) {
    for (const FieldGeometry* g : {&kScreen, &kClassic, &kTurned})
        for (int cy = 0; cy < 3; ++cy)
            for (int cx = 0; cx < 4; ++cx) {
                const QRect r = g->inside(cx, cy);
                EXPECT_EQ(g->cellAt(r.center().x(), r.center().y()), QPoint(cx, cy));
            }
}

} // namespace
