// Drawing cells: the one painter of the screen, the export pictures and the preview.
#include "grid/CellPainter.h"

#include "grid/PictureBox.h"
#include "grid/SlotColors.h"
#include "print/PrintedGrid.h"
#include "text/CodePage.h"

#include <QByteArray>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>

#include <iterator>

namespace {

QColor insideColor(CellLook look) {
    switch (look) {
    case CellLook::Plain:
        return slotcolor::kWhite;
    case CellLook::Selected:
        return slotcolor::kYellow;
    case CellLook::Dead:
        return slotcolor::kDead;
    case CellLook::DeadSelected:
        return slotcolor::kDeadYellow;
    case CellLook::DrawnBlack:
        return slotcolor::kDrawnBlack;
    case CellLook::Revealed:
        return slotcolor::kRevealed;
    }
    return slotcolor::kWhite;
}

// The set of the digit strips drawn on the look's inside colour.
int digitSet(CellLook look) {
    switch (look) {
    case CellLook::Selected:
        return 1;
    case CellLook::Dead:
        return 2;
    case CellLook::DeadSelected:
        return 3;
    case CellLook::Revealed:
        return 4;
    case CellLook::Plain:
    case CellLook::DrawnBlack:
        break;
    }
    return 0;
}

// The capitals that reach furthest up, down and across: a size that fits them fits all.
const QString& largestCapitals() {
    static const QString capitals = QStringLiteral(u"ЖШЩЮМЙЁДЦWQ");
    return capitals;
}

} // namespace

CellPainter::CellPainter(const FieldGeometry& geometry, const PictureBox& digits, int scale,
                         LetterPlace place)
    : geometry_(geometry), digits_(digits), scale_(scale), place_(place) {}

QRect CellPainter::numberBox(int cx, int cy, int n) const {
    const int digits = static_cast<int>(QByteArray::number(n).size());
    // Each digit's last column of dots is blank.
    return QRect(geometry_.numberAt(cx, cy),
                 QSize(digits * 5 * scale_ - scale_, digits_.pictureHeight()));
}

QRect CellPainter::letterRoom(int cx, int cy) const {
    const QPoint number = geometry_.numberAt(cx, cy);
    const int c = geometry_.cellSize();
    // From the number's corner, as far in from the far lines as it is from the near ones,
    // a blank row of dots below the band.
    const int left = number.x();
    const int right = number.x() + c - 4;
    const int bottom = number.y() + c - 4;
    const int top = number.y() + digits_.pictureHeight() + scale_;
    // Numbers that leave a sliver of the cell: the letters take all of it, as nothing could
    // be read there.
    if (bottom - top + 1 < c / 4)
        return QRect(number, QPoint(std::max(left, right), std::max(number.y(), bottom)));
    return QRect(QPoint(left, top), QPoint(std::max(left, right), bottom));
}

QFont CellPainter::fittedFont(const QFont& chosen) const {
    const QSize room = letterRoom(0, 0).size();
    QFont font = chosen;
    const auto inkOf = [](const QFont& f) {
        const QFontMetrics metrics(f);
        QRect ink;
        for (const QChar letter : largestCapitals())
            ink |= metrics.tightBoundingRect(QString(letter));
        return ink;
    };
    font.setPixelSize(100);
    const QRect large = inkOf(font);
    int size = 1;
    if (large.width() > 0 && large.height() > 0)
        size = std::max(
            1, std::min(room.width() * 100 / large.width(), room.height() * 100 / large.height()));
    // Hinting does not scale: smaller until the drawn capitals fit.
    for (font.setPixelSize(size); size > 1; font.setPixelSize(--size)) {
        const QRect ink = inkOf(font);
        if (ink.width() <= room.width() && ink.height() <= room.height())
            break;
    }
    return font;
}

QPoint CellPainter::letterAt(const PictureBox& pic, int cx, int cy, QChar letter,
                             int letterOffset) const {
    if (place_ == LetterPlace::AsFont)
        return geometry_.letterAt(cx, cy, pic.textWidth(QString(letter)), letterOffset);
    const QRect room = letterRoom(cx, cy);
    const QRect ink = pic.letterInk(letter);
    // Across: the letter's own ink centred. Down: the band every capital inks centred, so
    // that the letters share a base line; a letter reaching beyond it is moved inside.
    QRect band;
    for (const QChar capital : largestCapitals())
        band |= pic.letterInk(capital);
    const int x = room.left() + (room.width() - ink.width()) / 2 - ink.left();
    int y = room.top() + (room.height() - band.height()) / 2 - band.top();
    if (y + ink.bottom() > room.bottom())
        y = room.bottom() - ink.bottom();
    if (y + ink.top() < room.top())
        y = room.top() - ink.top();
    return QPoint(x, y);
}

QRect CellPainter::letterInk(const PictureBox& pic, int cx, int cy, QChar letter,
                             int letterOffset) const {
    return pic.letterInk(letter).translated(letterAt(pic, cx, cy, letter, letterOffset));
}

QColor CellPainter::cursorColor() {
    return slotcolor::kCursor;
}

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

void CellPainter::blank(PictureBox& pic, int cx, int cy) const {
    const QRect r = geometry_.square(cx, cy);
    pic.fillBox(r.left(), r.top(), r.right(), r.bottom(), slotcolor::kWhite);
}

void CellPainter::square(PictureBox& pic, int cx, int cy, CellLook look) const {
    const QRect r = geometry_.square(cx, cy);
    pic.fillBox(r.left(), r.top(), r.right(), r.bottom(), slotcolor::kBorder);
    fillInside(pic, cx, cy, look);
}

void CellPainter::fillInside(PictureBox& pic, int cx, int cy, CellLook look) const {
    const QRect r = geometry_.inside(cx, cy);
    if (!r.isEmpty())
        pic.fillBox(r.left(), r.top(), r.right(), r.bottom(), insideColor(look));
}

void CellPainter::number(PictureBox& pic, int cx, int cy, int n, CellLook look) const {
    const int s = scale_;
    const QPoint at = geometry_.numberAt(cx, cy);
    // The digits drawn on the cell's own inside.
    const int offset = digitSet(look) * 50 * s;
    const QByteArray digits = QByteArray::number(n);
    for (qsizetype i = 0; i < digits.size(); ++i) {
        const int k = digits[i] - '0';
        pic.copyBand(digits_, k * 5 * s + offset, 0, 5 * s, digits_.pictureHeight(),
                     at.x() + static_cast<int>(i) * 5 * s, at.y());
    }
}

void CellPainter::letter(PictureBox& pic, int cx, int cy, QChar letter, int letterOffset) const {
    const QPoint at = letterAt(pic, cx, cy, letter, letterOffset);
    pic.printText(at.x(), at.y(), QString(letter));
}

void CellPainter::slotCell(PictureBox& pic, int cx, int cy, CellLook look, int n, QChar letter,
                           int letterOffset) const {
    const QColor inside = insideColor(look);
    const QRect square = geometry_.square(cx, cy);
    const bool lettered = !letter.isNull();
    const QPoint letterAt = lettered ? this->letterAt(pic, cx, cy, letter, letterOffset) : QPoint();
    // The square, its inside and the letter in one copy, the letter cut at the square. A
    // number goes on before the letter, which may cover part of it: there the copy holds no
    // letter and the letter follows.
    if (n <= 0 && pic.stampCell(square, slotcolor::kBorder, inside, letter, letterAt))
        return;
    if (n > 0 && pic.stampCell(square, slotcolor::kBorder, inside, QChar(), QPoint())) {
        number(pic, cx, cy, n, look);
        pic.stampLetter(square, letter, letterAt);
        return;
    }
    // Off the picture's edge: drawn piece by piece, the letter whole.
    this->square(pic, cx, cy, look);
    if (n > 0)
        number(pic, cx, cy, n, look);
    if (lettered)
        pic.printText(letterAt.x(), letterAt.y(), QString(letter));
}

namespace {

// Runs of like cells along a row or a column, so that a page holds a few long lines and
// rectangles rather than one per cell.
template <typename Pred, typename Emit>
void eachRun(int count, const Pred& included, const Emit& onRun) {
    for (int i = 0; i < count;) {
        if (!included(i)) {
            ++i;
            continue;
        }
        int j = i;
        while (j + 1 < count && included(j + 1))
            ++j;
        onRun(i, j);
        i = j + 1;
    }
}

} // namespace

void CellPainter::paint(QPainter& p, const publish::GridPicture& grid,
                        const VectorLook& look) const {
    using publish::CellKind;
    const int w = grid.width;
    const int h = grid.height;
    const auto runRect = [this](int x0, int y0, int x1, int y1) {
        // Both border lines of the end squares, one pixel wide each.
        const QRect r = geometry_.square(x0, y0).united(geometry_.square(x1, y1));
        return QRectF(r.left(), r.top(), r.width(), r.height());
    };
    p.save();
    p.setPen(Qt::NoPen);
    for (int y = 0; y < h; ++y) {
        eachRun(
            w, [&](int x) { return grid.kind(x, y) == CellKind::Block; },
            [&](int a, int b) {
                // The pictures paint an outside cell white over the line it shares with a
                // black one (outside cells meet black ones only side by side).
                QRectF r = runRect(a, y, b, y);
                for (const int n : {a - 1, b + 1}) {
                    if (n < 0 || n >= w || grid.kind(n, y) != CellKind::Outside)
                        continue;
                    if (geometry_.square(n, y).left() < r.left())
                        r.setLeft(r.left() + 1);
                    else
                        r.setRight(r.right() - 1);
                }
                p.fillRect(r, slotcolor::kBorder);
            });
        eachRun(
            w, [&](int x) { return grid.kind(x, y) == CellKind::Light; },
            [&](int a, int b) { p.fillRect(runRect(a, y, b, y), slotcolor::kWhite); });
    }

    // The lines of every light square, a line wherever a light cell lies on either side,
    // found in the picture's rows and columns (the turned style turns the cells, not them).
    QPen pen(slotcolor::kBorder, look.lineWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    p.setPen(pen);
    const bool turned = geometry_.turned();
    const auto light = [&grid, turned](int px, int py) {
        if (px < 0 || py < 0 || px >= grid.width || py >= grid.height)
            return false;
        return turned ? grid.kind(grid.width - 1 - px, grid.height - 1 - py) == CellKind::Light
                      : grid.kind(px, py) == CellKind::Light;
    };
    const int c = geometry_.cellSize();
    const QPoint origin = geometry_.square(turned ? w - 1 : 0, turned ? h - 1 : 0).topLeft();
    // Pixel k of the picture is the square [k, k + 1): a line runs through its middle.
    const auto mid = [](int k) { return k + 0.5; };
    for (int py = 0; py <= h; ++py)
        eachRun(
            w, [&](int px) { return light(px, py - 1) || light(px, py); },
            [&](int a, int b) {
                const qreal y = mid(origin.y() + py * c);
                p.drawLine(QLineF(mid(origin.x() + a * c), y, mid(origin.x() + (b + 1) * c), y));
            });
    for (int px = 0; px <= w; ++px)
        eachRun(
            h, [&](int py) { return light(px - 1, py) || light(px, py); },
            [&](int a, int b) {
                const qreal x = mid(origin.x() + px * c);
                p.drawLine(QLineF(x, mid(origin.y() + a * c), x, mid(origin.y() + (b + 1) * c)));
            });

    // Numbers: digits as tall as the pictures' dotted ones, from the same corner.
    QFont numberFont = look.numberFont;
    const qreal digitHeight = 7.0 * scale_;
    const qreal dpi = p.device() ? p.device()->logicalDpiY() : 72.0;
    {
        QFont probe = numberFont;
        probe.setPixelSize(100);
        const qreal capHeight = QFontMetricsF(probe).capHeight();
        const qreal pixels = digitHeight * 100.0 / (capHeight > 0 ? capHeight : 72.0);
        numberFont.setPointSizeF(pixels * 72.0 / dpi);
    }
    p.setFont(numberFont);
    p.setPen(slotcolor::kBorder);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (const int n = grid.number(x, y); n > 0) {
                const QPoint at = geometry_.numberAt(x, y);
                p.drawText(QPointF(at.x(), at.y() + digitHeight), QString::number(n));
            }

    if (look.fitLetters) {
        paintFittedLetters(p, grid, look, digitHeight);
        p.restore();
        return;
    }
    // Letters where the screen puts them, in the letter font.
    p.setFont(look.letterFont);
    p.setPen(look.letterColor);
    const QFontMetricsF letterMetrics(look.letterFont);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (const unsigned char code = grid.letter(x, y); code != 0) {
                const QString text(cp1251::toUnicode(code));
                const int width = qRound(letterMetrics.horizontalAdvance(text));
                const QPoint at = geometry_.letterAt(x, y, width, look.letterOffset);
                p.drawText(QPointF(at.x(), at.y() + letterMetrics.ascent()), text);
            }
    p.restore();
}

void CellPainter::paintFittedLetters(QPainter& p, const publish::GridPicture& grid,
                                     const VectorLook& look, qreal digitHeight) const {
    const int c = geometry_.cellSize();
    // Below the number's band, inside the lines.
    const qreal left = 2, right = c - 2;
    const qreal top = 2 + digitHeight + 2, bottom = c - 2;
    if (right <= left || bottom <= top)
        return;
    // One size for every letter, that of the widest and tallest capitals.
    QFont font = look.letterFont;
    font.setPixelSize(100);
    QRectF largest;
    for (const QChar letter : largestCapitals())
        largest = largest.united(QFontMetricsF(font).tightBoundingRect(letter));
    const qreal fit = std::min((right - left) / largest.width(), (bottom - top) / largest.height());
    const int screenPixels = look.letterFont.pixelSize() > 0 ? look.letterFont.pixelSize() : c;
    font.setPixelSize(std::max(1, std::min(screenPixels, static_cast<int>(100 * fit))));
    p.setFont(font);
    p.setPen(look.letterColor);
    const QFontMetricsF metrics(font);
    for (int y = 0; y < grid.height; ++y)
        for (int x = 0; x < grid.width; ++x)
            if (const unsigned char code = grid.letter(x, y); code != 0) {
                const QString text(cp1251::toUnicode(code));
                const QRectF ink = metrics.tightBoundingRect(text);
                // The number's corner lies 2 pixels in from the cell's.
                const QPoint corner = geometry_.numberAt(x, y) - QPoint(2, 2);
                p.drawText(QPointF(corner.x() + (left + right - ink.width()) / 2 - ink.left(),
                                   corner.y() + (top + bottom - ink.height()) / 2 - ink.top()),
                           text);
            }
}
