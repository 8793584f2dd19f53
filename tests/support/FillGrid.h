#pragma once

#include "fill/FillEngine.h"

#include <QByteArrayList>

#include <vector>

// Rows of '.' (open), '#' (black) or a placed letter; slotCells are the runs of two cells or more.
inline fill::Problem grid(const QByteArrayList& rows) {
    fill::Problem p;
    const int h = static_cast<int>(rows.size());
    const int w = h > 0 ? static_cast<int>(rows[0].size()) : 0;
    p.cellCount = w * h;
    p.fixed = QByteArray(p.cellCount, '\0');
    const auto open = [&](int x, int y) { return rows[y][x] != '#'; };
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (open(x, y) && rows[y][x] != '.')
                p.fixed[y * w + x] = rows[y][x];
    for (int d = 0; d < 2; ++d)
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const int px = d == 0 ? x - 1 : x;
                const int py = d == 0 ? y : y - 1;
                if (!open(x, y) || (px >= 0 && py >= 0 && open(px, py)))
                    continue;
                std::vector<int> cells;
                for (int cx = x, cy = y; cx < w && cy < h && open(cx, cy);
                     cx += d == 0 ? 1 : 0, cy += d == 1 ? 1 : 0)
                    cells.push_back(cy * w + cx);
                if (cells.size() >= 2)
                    p.slotCells.push_back(cells);
            }
    return p;
}

// The words given, as the lists would hold them.
inline fill::Lexicon lexicon(const QByteArrayList& words) {
    fill::Lexicon l;
    for (const QByteArray& w : words)
        l.add(w);
    return l;
}
