#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <optional>

namespace fieldgeometry {
// The screen's field lies 5 pixels in from the picture's top-left corner.
constexpr int kMargin = 5;
// Beyond the cells: the drawing picture keeps room for the closing line and a wider margin on
// the right and at the bottom; the picture of the slots has the margin on both sides.
constexpr int kDrawingExtra = 3 * kMargin;
constexpr int kSlotsExtra = 2 * kMargin;
} // namespace fieldgeometry

// Where the cells of a grid picture lie: the lines at margin + k·cellSize pixels, each cell's
// square from one line to the next, both included. The screen has the 5-pixel margin; the
// export pictures have none and, in the turned (right-to-left) style, show the grid turned by
// 180°, so that cell (x, y) is drawn where cell (W-1-x, H-1-y) would be.
class FieldGeometry {
public:
    FieldGeometry(int cellSize, int gridWidth, int gridHeight, int margin = fieldgeometry::kMargin,
                  bool turned = false);
    // The export pictures of a grid shown in the given style (0 classic, other turned).
    static FieldGeometry exported(int cellSize, int gridWidth, int gridHeight, int style);

    int cellSize() const { return cell_; }
    int margin() const { return margin_; }
    bool turned() const { return turned_; }

    // The picture while the grid is drawn, and once it shows slots.
    QSize drawingSize() const;
    QSize slotsSize() const;
    // The field with its closing lines and a margin on every side.
    QSize closedSize() const;

    // The square of the cell, its border lines included.
    QRect square(int cx, int cy) const;
    // Inside the border lines; empty for a one-pixel cell.
    QRect inside(int cx, int cy) const;
    // Top-left corner of the slot number's first digit.
    QPoint numberAt(int cx, int cy) const;
    // Top-left corner of a letter letterWidth wide, right-aligned with a 2-pixel gap and
    // letterOffset below the square's top.
    QPoint letterAt(int cx, int cy, int letterWidth, int letterOffset) const;
    // The cell under pixel (x, y); nothing in the margins, right of the last column or below
    // the last row.
    std::optional<QPoint> cellAt(int x, int y) const;

private:
    QPoint corner(int cx, int cy) const;

    int cell_, width_, height_, margin_;
    bool turned_;
};
