// Painting a slot and its number on the grid, and scrolling it into view.
#include "app/frmForma.h"
#include "grid/ShownGrid.h"
#include "platform/PictureBox.h"
#include "text/CodePage.h"
#include "words/SlotColors.h"

#include <QScrollBar>

#include <algorithm>

namespace {

void setBarValue(QScrollBar* bar, int value) {
    bar->setValue(std::clamp(value, bar->minimum(), bar->maximum()));
}

} // namespace

void frmForma::scrollSlotIntoView(int left, int top, int right, int bottom, bool afterDrawing) {
    // The field's margin shows before the slot's first cell and after its last one.
    const int margin = fieldgeometry::kMargin;
    if (!afterDrawing) {
        // The slot starts above or left of the visible part: show its first cell.
        if (picPole->y() + top < 0)
            setBarValue(VScroll1, top - margin);
        if (picPole->x() + left < 0)
            setBarValue(HScroll1, left - margin);
        return;
    }
    // The slot ends below or right of the visible part, which ends at the other bar when that
    // bar is shown. A hidden bar is never moved: the picture fits that way.
    const int viewBottom = HScroll1->isHidden() ? picControl->height() : HScroll1->y();
    const int viewRight = VScroll1->isHidden() ? picControl->width() : VScroll1->x();
    if (!VScroll1->isHidden()) {
        const int u = bottom - viewBottom;
        if (u > VScroll1->value())
            setBarValue(VScroll1, u + margin);
    }
    if (!HScroll1->isHidden()) {
        const int u = right - viewRight;
        if (u > HScroll1->value())
            setBarValue(HScroll1, u + margin);
    }
}

FieldGeometry frmForma::fieldGeometry() const {
    return FieldGeometry(state_.settings.CellSize, state_.doc.GridWidth, state_.doc.GridHeight);
}

CellPainter frmForma::cellPainter(const FieldGeometry& geometry) const {
    const int s = std::clamp(state_.settings.NumberSize, 1, 3);
    return CellPainter(geometry, *picNomera[static_cast<std::size_t>(s - 1)], s);
}

void frmForma::paintSlotCell(int c, int r, const QColor& color) {
    const CrosswordDocument& doc = state_.doc;
    const int code = doc.CellMap.at(c, r, layer::kLetter);
    const QChar letter = code > 0 ? cp1251::toUnicode(static_cast<unsigned char>(code)) : QChar();
    cellPainter(fieldGeometry())
        .slotCell(*picPole, c, r, color, doc.CellMap.at(c, r, layer::kNumber), letter,
                  letter.isNull() ? 0 : letterOffset());
}

void frmForma::DrawSlot(int number, int direction, const QColor& color) {
    if (number < 1 || (direction != 0 && direction != 1))
        return;
    const CrosswordDocument& doc = state_.doc;
    const FieldGeometry geometry = fieldGeometry();
    int c = doc.ShownSlotTable.at(number, 0, direction);
    int r = doc.ShownSlotTable.at(number, 1, direction);
    const int len = doc.ShownSlotTable.at(number, 2, direction);
    const bool highlight = color == slotcolor::kYellow;
    if (highlight) {
        const QPoint first = geometry.square(c, r).topLeft();
        scrollSlotIntoView(first.x(), first.y(), first.x(), first.y(), false);
    }

    QRect last = geometry.square(c, r);
    const PictureBox::Batch batch(*picPole);
    for (int k = 0; k < len; ++k) {
        last = geometry.square(c, r);
        paintSlotCell(c, r, color);
        if (direction == 0)
            ++c;
        else
            ++r;
    }
    if (highlight) {
        // The corner after the last cell, and that cell's far corner.
        const QPoint after = geometry.square(c, r).topLeft();
        const QPoint end = len > 0 ? last.bottomRight() : after;
        scrollSlotIntoView(after.x(), after.y(), end.x(), end.y(), true);
    }
}
