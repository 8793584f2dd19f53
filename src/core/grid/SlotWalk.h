#pragma once

#include "grid/Table.h"

#include <type_traits>

// Calls fn(i, x, y) for the cells of slot n in direction d of a slot table (SlotTable or
// ShownSlotTable), from its start cell: rightwards across, downwards down. A callback that
// returns bool stops the walk by returning false.
template <typename Fn> void forEachSlotCell(const Table<int>& table, int n, int d, Fn fn) {
    int x = table.at(n, 0, d);
    int y = table.at(n, 1, d);
    const int length = table.at(n, 2, d);
    for (int i = 0; i < length; ++i) {
        if constexpr (std::is_same_v<decltype(fn(i, x, y)), bool>) {
            if (!fn(i, x, y))
                return;
        } else {
            fn(i, x, y);
        }
        (d == 0 ? x : y) += 1;
    }
}
