#include "grid/FieldGeometry.h"

using namespace fieldgeometry;

FieldGeometry::FieldGeometry(int cellSize, int gridWidth, int gridHeight, int margin, bool turned)
    : cell_(cellSize), width_(gridWidth), height_(gridHeight), margin_(margin), turned_(turned) {}

FieldGeometry FieldGeometry::exported(int cellSize, int gridWidth, int gridHeight, int style) {
    return FieldGeometry(cellSize, gridWidth, gridHeight, 0, style != 0);
}

QSize FieldGeometry::drawingSize() const {
    return QSize(width_ * cell_ + kDrawingExtra, height_ * cell_ + kDrawingExtra);
}

QSize FieldGeometry::slotsSize() const {
    return QSize(width_ * cell_ + kSlotsExtra, height_ * cell_ + kSlotsExtra);
}

QSize FieldGeometry::closedSize() const {
    return QSize(width_ * cell_ + 2 * margin_ + 1, height_ * cell_ + 2 * margin_ + 1);
}

QPoint FieldGeometry::corner(int cx, int cy) const {
    if (turned_) {
        cx = width_ - 1 - cx;
        cy = height_ - 1 - cy;
    }
    return QPoint(margin_ + cx * cell_, margin_ + cy * cell_);
}

QRect FieldGeometry::square(int cx, int cy) const {
    const QPoint p = corner(cx, cy);
    return QRect(p, p + QPoint(cell_, cell_));
}

QRect FieldGeometry::inside(int cx, int cy) const {
    if (cell_ < 2)
        return QRect();
    return square(cx, cy).adjusted(1, 1, -1, -1);
}

QPoint FieldGeometry::numberAt(int cx, int cy) const {
    return corner(cx, cy) + QPoint(2, 2);
}

QPoint FieldGeometry::letterAt(int cx, int cy, int letterWidth, int letterOffset) const {
    const QPoint p = corner(cx, cy);
    return QPoint(p.x() + cell_ - letterWidth - 2, p.y() + letterOffset);
}

std::optional<QPoint> FieldGeometry::cellAt(int x, int y) const {
    if (cell_ < 1 || x < margin_ || y < margin_)
        return std::nullopt;
    int cx = (x - margin_) / cell_;
    int cy = (y - margin_) / cell_;
    if (cx >= width_ || cy >= height_)
        return std::nullopt;
    if (turned_) {
        cx = width_ - 1 - cx;
        cy = height_ - 1 - cy;
    }
    return QPoint(cx, cy);
}
