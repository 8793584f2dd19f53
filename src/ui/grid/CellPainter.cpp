// Drawing cells: the one painter of the screen, the export pictures and the preview.
#include "grid/CellPainter.h"

#include "platform/PictureBox.h"
#include "words/SlotColors.h"

#include <QByteArray>

#include <iterator>

CellPainter::CellPainter(const FieldGeometry& geometry, const PictureBox& digits, int scale)
    : geometry_(geometry), digits_(digits), scale_(scale) {}

void CellPainter::emptyField(PictureBox& pic, int gridWidth, int gridHeight) const {
    const int c = geometry_.cellSize();
    const QPoint first = geometry_.square(0, 0).topLeft();
    const QPoint last = first + QPoint(gridWidth * c, gridHeight * c);
    pic.fillBox(first.x(), first.y(), last.x(), last.y(), slotcolor::kWhite);
    for (int i = 0; i <= gridWidth; ++i)
        pic.line(first.x() + i * c, first.y(), first.x() + i * c, last.y(), slotcolor::kBorder);
    // One pixel longer than the field, to close the bottom-right corner.
    for (int j = 0; j <= gridHeight; ++j)
        pic.line(first.x(), first.y() + j * c, last.x() + 1, first.y() + j * c, slotcolor::kBorder);
}

void CellPainter::fill(PictureBox& pic, int cx, int cy, const QColor& color) const {
    const QRect r = geometry_.square(cx, cy);
    pic.fillBox(r.left(), r.top(), r.right(), r.bottom(), color);
}

void CellPainter::square(PictureBox& pic, int cx, int cy, const QColor& inside) const {
    fill(pic, cx, cy, slotcolor::kBorder);
    fillInside(pic, cx, cy, inside);
}

void CellPainter::fillInside(PictureBox& pic, int cx, int cy, const QColor& color) const {
    const QRect r = geometry_.inside(cx, cy);
    if (!r.isEmpty())
        pic.fillBox(r.left(), r.top(), r.right(), r.bottom(), color);
}

void CellPainter::number(PictureBox& pic, int cx, int cy, int n) const {
    const int s = scale_;
    const QPoint at = geometry_.numberAt(cx, cy);
    // The digits drawn on the cell's own background.
    const QColor background = pic.pixel(at.x(), at.y());
    int offset = 0;
    for (std::size_t set = 0; set < std::size(slotcolor::kNumberBackgrounds); ++set)
        if (background == slotcolor::kNumberBackgrounds[set])
            offset = static_cast<int>(set) * 50 * s;
    const QByteArray digits = QByteArray::number(n);
    for (qsizetype i = 0; i < digits.size(); ++i) {
        const int k = digits[i] - '0';
        pic.copyBand(digits_, k * 5 * s + offset, 0, 5 * s, digits_.pictureHeight(),
                     at.x() + static_cast<int>(i) * 5 * s, at.y());
    }
}

void CellPainter::letter(PictureBox& pic, int cx, int cy, QChar letter, int letterOffset) const {
    const QString text(letter);
    const QPoint at = geometry_.letterAt(cx, cy, pic.textWidth(text), letterOffset);
    pic.printText(at.x(), at.y(), text);
}

void CellPainter::slotCell(PictureBox& pic, int cx, int cy, const QColor& inside, int n,
                           QChar letter, int letterOffset) const {
    const QRect square = geometry_.square(cx, cy);
    const bool lettered = !letter.isNull();
    const QPoint letterAt =
        lettered ? geometry_.letterAt(cx, cy, pic.textWidth(QString(letter)), letterOffset)
                 : QPoint();
    // The square, its inside and the letter in one copy, the letter cut at the square. A
    // number goes on before the letter, which may cover part of it: there the copy holds no
    // letter and the letter follows.
    if (n <= 0 && pic.stampCell(square, slotcolor::kBorder, inside, letter, letterAt))
        return;
    if (n > 0 && pic.stampCell(square, slotcolor::kBorder, inside, QChar(), QPoint())) {
        number(pic, cx, cy, n);
        pic.stampLetter(square, letter, letterAt);
        return;
    }
    // Off the picture's edge: drawn piece by piece, the letter whole.
    this->square(pic, cx, cy, inside);
    if (n > 0)
        number(pic, cx, cy, n);
    if (lettered)
        pic.printText(letterAt.x(), letterAt.y(), QString(letter));
}
