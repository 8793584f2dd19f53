#include "grid/GridDrawing.h"

#include "text/SequentialText.h"

#include <algorithm>
#include <array>

using fieldgeometry::kMargin;

std::optional<QPoint> cellAt(int x, int y, int cellSize, int gridWidth, int gridHeight) {
    return FieldGeometry(cellSize, gridWidth, gridHeight).cellAt(x, y);
}

std::vector<QPoint> drawnCells(int cx, int cy, int gridWidth, int gridHeight, bool symmetric) {
    const int w = gridWidth;
    const int h = gridHeight;
    const std::array<QPoint, 8> images{{{cx, cy},
                                        {cx, h - 1 - cy},
                                        {w - 1 - cx, h - 1 - cy},
                                        {w - 1 - cx, cy},
                                        {cy, w - 1 - cx},
                                        {h - 1 - cy, w - 1 - cx},
                                        {h - 1 - cy, cx},
                                        {cy, cx}}};
    const std::size_t count = !symmetric ? 1 : (cx != cy && w == h) ? 8 : 4;
    std::vector<QPoint> cells;
    cells.reserve(count);
    for (std::size_t i = 0; i < count; ++i)
        if (std::find(cells.begin(), cells.end(), images[i]) == cells.end())
            cells.push_back(images[i]);
    return cells;
}

QByteArray coordinatesText(const QByteArray& label, int x, int y, int cellSize, int gridWidth,
                           int gridHeight) {
    auto place = [cellSize](int pixel, int count) -> long long {
        if (cellSize < 1 || pixel < kMargin ||
            pixel > static_cast<long long>(count) * cellSize + kMargin - 1)
            return 0;
        return (pixel - kMargin) / cellSize + 1;
    };
    return label + seqtext::strNumber(place(x, gridWidth)) + ',' +
           QByteArray::number(place(y, gridHeight));
}
