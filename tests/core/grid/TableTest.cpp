#include "grid/Table.h"

#include <QByteArray>

#include <gtest/gtest.h>

TEST(Table, HoldsItsBoundsInclusive) {
    auto t = Table<int>::withBounds(3, 2, 5);
    EXPECT_EQ(t.rank(), 3);
    EXPECT_EQ(t.upperBound(0), 3);
    EXPECT_EQ(t.upperBound(1), 2);
    EXPECT_EQ(t.upperBound(2), 5);
    EXPECT_EQ(t.upperBound(3), -1);
    t.set(3, 2, 5, 7);
    t.set(0, 0, 0, 1);
    EXPECT_EQ(t.at(3, 2, 5), 7);
    EXPECT_EQ(t.at(0, 0, 0), 1);
}

TEST(Table, OutsideIndicesNeitherReadNorWrite) {
    auto t = Table<int>::withBounds(2, 2);
    t.fill(9);
    const int bad[][2] = {{-1, 0}, {0, -1}, {3, 0}, {0, 3}, {INT_MIN, INT_MAX}};
    for (const auto& b : bad) {
        t.set(b[0], b[1], 5);
        EXPECT_EQ(t.at(b[0], b[1]), 0);
    }
    // A different number of indices than the table's rank is outside too.
    t.set(1, 1, 1, 5);
    EXPECT_EQ(t.at(1, 1, 1), 0);
    EXPECT_EQ(t.at(1), 0);
    for (int i = 0; i <= 2; ++i)
        for (int j = 0; j <= 2; ++j)
            EXPECT_EQ(t.at(i, j), 9);
}

TEST(Table, AbsurdBoundsGiveAnEmptyTable) {
    const auto huge = Table<int>::withBounds(2'000'000'000, 2, 5);
    EXPECT_TRUE(huge.isEmpty());
    EXPECT_EQ(huge.at(0, 0, 0), 0);
    const auto negative = Table<QByteArray>::withBounds(-5, 1);
    EXPECT_TRUE(negative.isEmpty());
    EXPECT_EQ(negative.at(0, 0), QByteArray());
    const auto maxInt = Table<int>::withBounds(INT_MAX);
    EXPECT_TRUE(maxInt.isEmpty());
}
