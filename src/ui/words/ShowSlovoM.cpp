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
    if (!afterDrawing) {
        // The slot starts above or left of the visible part: show its first cell.
        if (picPole->y() + top < 0)
            setBarValue(VScroll1, top - 5);
        if (picPole->x() + left < 0)
            setBarValue(HScroll1, left - 5);
        return;
    }
    // The slot ends below or right of the visible part, which ends at the other bar when that
    // bar is shown. A hidden bar is never moved: the picture fits that way.
    const int viewBottom = HScroll1->isHidden() ? picControl->height() : HScroll1->y();
    const int viewRight = VScroll1->isHidden() ? picControl->width() : VScroll1->x();
    if (!VScroll1->isHidden()) {
        const int u = bottom - viewBottom;
        if (u > VScroll1->value())
            setBarValue(VScroll1, u + 5);
    }
    if (!HScroll1->isHidden()) {
        const int u = right - viewRight;
        if (u > HScroll1->value())
            setBarValue(HScroll1, u + 5);
    }
}

void frmForma::paintSlotCell(int c, int r, const QColor& color) {
    const int size = state_.settings.CellSize;
    const int left = size * c + 5;
    const int top = size * r + 5;
    const int right = left + size;
    const int bottom = top + size;
    const CrosswordDocument& doc = state_.doc();
    const int n = doc.CellMap.at(c, r, layer::kNumber);
    const int code = doc.CellMap.at(c, r, layer::kLetter);
    const QString letter =
        code > 0 ? QString(cp1251::toUnicode(static_cast<unsigned char>(code))) : QString();
    const QPoint letterAt =
        code > 0 ? QPoint(right - picPole->textWidth(letter) - 2, top + letterOffset()) : QPoint();
    // The square, its inside and the letter in one copy, the letter cut at the square. A
    // number goes on before the letter, which may cover part of it: there the copy holds no
    // letter and the letter follows.
    const QRect square(QPoint(left, top), QPoint(right, bottom));
    const QChar shown = code > 0 ? letter.at(0) : QChar();
    if (n <= 0 && picPole->stampCell(square, slotcolor::kBorder, color, shown, letterAt))
        return;
    if (n > 0 && picPole->stampCell(square, slotcolor::kBorder, color, QChar(), QPoint())) {
        DrawSlotNumber(left, top, n, *picPole);
        picPole->stampLetter(square, shown, letterAt);
        return;
    }
    // The black square, then the background inside it: the cell with its outline.
    picPole->fillBox(left, top, right, bottom, slotcolor::kBorder);
    if (size >= 2)
        picPole->fillBox(left + 1, top + 1, right - 1, bottom - 1, color);
    if (n > 0)
        DrawSlotNumber(left, top, n, *picPole);
    if (code > 0)
        picPole->printText(letterAt.x(), letterAt.y(), letter);
}

void frmForma::DrawSlot(int number, int direction, const QColor& color) {
    if (number < 1 || (direction != 0 && direction != 1))
        return;
    const CrosswordDocument& doc = state_.doc();
    const int size = state_.settings.CellSize;
    int c = doc.ShownSlotTable.at(number, 0, direction);
    int r = doc.ShownSlotTable.at(number, 1, direction);
    const int len = doc.ShownSlotTable.at(number, 2, direction);
    int left = size * c + 5;
    int top = size * r + 5;
    const bool highlight = color == slotcolor::kYellow;
    if (highlight)
        scrollSlotIntoView(left, top, left, top, false);

    int right = left;
    int bottom = top;
    const PictureBox::Batch batch(*picPole);
    for (int k = 0; k < len; ++k) {
        right = left + size;
        bottom = top + size;
        paintSlotCell(c, r, color);
        if (direction == 0) {
            ++c;
            left += size;
        } else {
            ++r;
            top += size;
        }
    }
    if (highlight)
        scrollSlotIntoView(left, top, right, bottom, true);
}

void frmForma::DrawSlotNumber(int x, int y, int number, PictureBox& target) {
    const int s = std::clamp(state_.settings.NumberSize, 1, 3);
    const PictureBox& strip = *picNomera[static_cast<std::size_t>(s - 1)];
    const int offset = target.pixel(x + 2, y + 2) == slotcolor::kYellow ? 50 * s : 0;
    const QByteArray digits = QByteArray::number(number);
    for (qsizetype i = 0; i < digits.size(); ++i) {
        const int k = digits[i] - '0';
        target.copyBand(strip, k * 5 * s + offset, 0, 5 * s, strip.pictureHeight(),
                        x + 2 + static_cast<int>(i) * 5 * s, y + 2);
    }
}
