#pragma once

#include "grid/FieldGeometry.h"

#include <QByteArray>
#include <QPoint>

#include <optional>
#include <vector>

// The cell under pixel (x, y) of the screen's field picture (FieldGeometry::cellAt).
std::optional<QPoint> cellAt(int x, int y, int cellSize, int gridWidth, int gridHeight);

// The cells one drawing click at (cx, cy) sets, in painting order, each once: the clicked
// cell; with symmetry its mirror images (vertical, both, horizontal) and, on a square grid,
// the four transposed cells as well. A grid that is not square has no diagonal symmetry, so
// there the transposed set is left out whole and no cell ever falls outside the field.
std::vector<QPoint> drawnCells(int cx, int cy, int gridWidth, int gridHeight, bool symmetric);

// The pointer's cell as the coordinates label shows it: label, then the column counted from 1
// with a blank before it, a comma and the row; 0 for a pointer outside the field that way.
QByteArray coordinatesText(const QByteArray& label, int x, int y, int cellSize, int gridWidth,
                           int gridHeight);
