#include "platform/PictureBox.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::ClickFocus);
    setMouseTracking(true);
    image_ = QImage(1, 1, QImage::Format_RGB32);
    image_.fill(backColor_);
    resize(1, 1);
}

void PictureBox::setPictureSize(int width, int height) {
    width = std::max(width, 1);
    height = std::max(height, 1);
    if (width != image_.width() || height != image_.height()) {
        QImage next(width, height, QImage::Format_RGB32);
        next.fill(backColor_);
        QPainter p(&next);
        p.drawImage(0, 0, image_);
        p.end();
        image_ = std::move(next);
    }
    resize(width, height);
    update();
}

void PictureBox::clear() {
    image_.fill(backColor_);
    update();
}

void PictureBox::line(int x1, int y1, int x2, int y2, const QColor& color) {
    if (x1 == x2 && y1 == y2)
        return;
    QPainter p(&image_);
    p.setPen(QPen(color, 0));
    // The end point is not drawn: draw to it, then restore the pixel that was there.
    const QPoint end(x2, y2);
    const bool endInside = image_.rect().contains(end);
    const QRgb saved = endInside ? image_.pixel(end) : 0;
    p.drawLine(x1, y1, x2, y2);
    p.end();
    if (endInside)
        image_.setPixel(end, saved);
    update();
}

void PictureBox::fillBox(int x1, int y1, int x2, int y2, const QColor& color) {
    const QRect r = QRect(QPoint(std::min(x1, x2), std::min(y1, y2)),
                          QPoint(std::max(x1, x2), std::max(y1, y2)));
    QPainter p(&image_);
    p.fillRect(r, color);
    p.end();
    update();
}

void PictureBox::box(int x1, int y1, int x2, int y2, const QColor& color) {
    const int l = std::min(x1, x2), r = std::max(x1, x2);
    const int t = std::min(y1, y2), b = std::max(y1, y2);
    fillBox(l, t, r, t, color);
    fillBox(l, b, r, b, color);
    fillBox(l, t, l, b, color);
    fillBox(r, t, r, b, color);
}

void PictureBox::printText(int x, int y, const QString& text) {
    QPainter p(&image_);
    p.setFont(font_);
    p.setPen(foreColor_);
    const QFontMetrics fm(font_, &image_);
    p.drawText(QPoint(x, y + fm.ascent()), text);
    p.end();
    update();
}

int PictureBox::textWidth(const QString& text) const {
    return QFontMetrics(font_, &image_).horizontalAdvance(text);
}

int PictureBox::textHeight(const QString& text) const {
    const QFontMetrics fm(font_, &image_);
    return fm.height() *
           static_cast<int>(std::max<qsizetype>(1, text.count(QLatin1Char('\n')) + 1));
}

void PictureBox::copyBand(const PictureBox& source, int sx, int sy, int w, int h, int dx, int dy) {
    if (w <= 0 || h <= 0)
        return;
    QPainter p(&image_);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(QPoint(dx, dy), source.image_, QRect(sx, sy, w, h));
    p.end();
    update();
}

QColor PictureBox::pixel(int x, int y) const {
    if (!image_.rect().contains(x, y))
        return {};
    return QColor(image_.pixel(x, y));
}

bool PictureBox::saveBmp(const QString& path) const {
    return image_.convertToFormat(QImage::Format_RGB888).save(path, "BMP");
}

void PictureBox::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    p.drawImage(event->rect().topLeft(), image_, event->rect());
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    emit mouseDown(event->button(), pos.x(), pos.y());
    QWidget::mousePressEvent(event);
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    emit mouseUp(event->button(), pos.x(), pos.y());
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    emit mouseMove(event->buttons(), pos.x(), pos.y());
}

void PictureBox::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    emit gotFocus();
}
