// A widget that keeps what is drawn on it: the grid, the number strips, the export pictures.
#include "grid/PictureBox.h"

#include "files/FileCommon.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QStaticText>

#include <algorithm>
#include <cstring>

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::ClickFocus);
    setMouseTracking(true);
    image_ = QImage(1, 1, QImage::Format_RGB32);
    image_.fill(backColor_);
    resize(1, 1);
}

PictureBox::~PictureBox() = default;

PictureBox::Batch::Batch(PictureBox& picture) : picture_(picture), outer_(!picture.batch_) {
    if (outer_) {
        picture_.batch_ = std::make_unique<QPainter>(&picture_.image_);
        picture_.batchTextReady_ = false;
    }
}

PictureBox::Batch::~Batch() {
    if (!outer_)
        return;
    picture_.batch_.reset();
    picture_.update();
}

template <typename Draw> void PictureBox::paint(Draw&& draw) {
    if (batch_) {
        draw(*batch_);
        return;
    }
    QPainter p(&image_);
    draw(p);
    p.end();
    update();
}

void PictureBox::setPictureSize(int width, int height) {
    Q_ASSERT(!batch_);
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
    Q_ASSERT(!batch_);
    image_.fill(backColor_);
    update();
}

void PictureBox::line(int x1, int y1, int x2, int y2, const QColor& color) {
    if (x1 == x2 && y1 == y2)
        return;
    // The end point is not drawn: draw to it, then restore the pixel that was there.
    const QPoint end(x2, y2);
    const bool endInside = image_.rect().contains(end);
    const QRgb saved = endInside ? image_.pixel(end) : 0;
    paint([&](QPainter& p) {
        p.setPen(QPen(color, 0));
        p.drawLine(x1, y1, x2, y2);
    });
    batchTextReady_ = false;
    if (endInside)
        image_.setPixel(end, saved);
}

void PictureBox::fillBox(int x1, int y1, int x2, int y2, const QColor& color) {
    const QRect r = QRect(QPoint(std::min(x1, x2), std::min(y1, y2)),
                          QPoint(std::max(x1, x2), std::max(y1, y2)));
    paint([&](QPainter& p) { p.fillRect(r, color); });
}

void PictureBox::box(int x1, int y1, int x2, int y2, const QColor& color) {
    const int l = std::min(x1, x2), r = std::max(x1, x2);
    const int t = std::min(y1, y2), b = std::max(y1, y2);
    fillBox(l, t, r, t, color);
    fillBox(l, b, r, b, color);
    fillBox(l, t, l, b, color);
    fillBox(r, t, r, b, color);
}

void PictureBox::setPictureFont(const QFont& font) {
    font_ = font;
    metrics_.reset();
    letters_.clear();
    letterWidths_.clear();
    letterInks_.clear();
    clearStamps();
    batchTextReady_ = false;
}

void PictureBox::clearStamps() {
    stamps_.clear();
    letterLayers_.clear();
}

const QFontMetrics& PictureBox::metrics() const {
    if (!metrics_)
        metrics_.emplace(font_, &image_);
    return *metrics_;
}

const QStaticText& PictureBox::staticLetter(QChar letter) {
    auto it = letters_.find(letter.unicode());
    if (it == letters_.end()) {
        it = letters_.insert(letter.unicode(), QStaticText(QString(letter)));
        it->setTextFormat(Qt::PlainText);
    }
    return *it;
}

void PictureBox::printText(int x, int y, const QString& text) {
    if (text.size() == 1) {
        const QStaticText& letter = staticLetter(text.at(0));
        if (batch_) {
            // Setting the font again for every letter of a repaint costs as much as drawing.
            if (!batchTextReady_) {
                batch_->setFont(font_);
                batch_->setPen(foreColor_);
                batchTextReady_ = true;
            }
            batch_->drawStaticText(QPoint(x, y), letter);
            ++lettersDrawn_;
            return;
        }
        paint([&](QPainter& p) {
            p.setFont(font_);
            p.setPen(foreColor_);
            p.drawStaticText(QPoint(x, y), letter);
        });
        ++lettersDrawn_;
        return;
    }
    const int ascent = metrics().ascent();
    paint([&](QPainter& p) {
        p.setFont(font_);
        p.setPen(foreColor_);
        p.drawText(QPoint(x, y + ascent), text);
    });
    batchTextReady_ = batch_ != nullptr;
}

const QImage& PictureBox::cellStamp(QSize size, const QColor& border, const QColor& inside,
                                    QChar letter, QPoint offset) {
    const StampKey key{letter.unicode(), border.rgba(), inside.rgba(), size.width(),
                       size.height(),    offset.x(),    offset.y()};
    auto it = stamps_.find(key);
    if (it != stamps_.end())
        return *it;
    QImage stamp(size, image_.format());
    stamp.fill(border);
    QPainter p(&stamp);
    p.fillRect(QRect(QPoint(0, 0), size).adjusted(1, 1, -1, -1), inside);
    if (!letter.isNull()) {
        p.setFont(font_);
        p.setPen(foreColor_);
        p.drawStaticText(offset, staticLetter(letter));
        ++lettersDrawn_;
    }
    p.end();
    return *stamps_.insert(key, std::move(stamp));
}

bool PictureBox::stampCell(const QRect& square, const QColor& border, const QColor& inside,
                           QChar letter, QPoint letterAt) {
    if (square.isEmpty() || !image_.rect().contains(square) || image_.depth() != 32)
        return false;
    const QPoint offset = letter.isNull() ? QPoint() : letterAt - square.topLeft();
    const QImage& stamp = cellStamp(square.size(), border, inside, letter, offset);
    // Rows copied straight into the picture: a painter call per cell costs several times more.
    const auto rowBytes = static_cast<std::size_t>(square.width()) * 4;
    const qsizetype stride = image_.bytesPerLine();
    uchar* to = image_.bits() + square.top() * stride + qsizetype(square.left()) * 4;
    const uchar* from = stamp.constBits();
    for (int y = 0; y < square.height(); ++y, to += stride, from += stamp.bytesPerLine())
        std::memcpy(to, from, rowBytes);
    if (!batch_)
        update(square);
    return true;
}

bool PictureBox::stampLetter(const QRect& square, QChar letter, QPoint letterAt) {
    if (square.isEmpty() || !image_.rect().contains(square) || image_.depth() != 32)
        return false;
    if (letter.isNull())
        return true;
    const QPoint offset = letterAt - square.topLeft();
    const StampKey key{letter.unicode(), 0,          0,         square.width(),
                       square.height(),  offset.x(), offset.y()};
    auto it = letterLayers_.find(key);
    if (it == letterLayers_.end()) {
        // Where the letter inks inside the square, from a drawing on a transparent canvas.
        QImage canvas(square.size(), QImage::Format_ARGB32_Premultiplied);
        canvas.fill(Qt::transparent);
        QPainter c(&canvas);
        c.setFont(font_);
        c.setPen(foreColor_);
        c.drawStaticText(offset, staticLetter(letter));
        c.end();
        ++lettersDrawn_;
        LetterLayers layers;
        for (int y = 0; y < canvas.height(); ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(canvas.constScanLine(y));
            for (int x = 0; x < canvas.width(); ++x)
                if (qAlpha(line[x]) != 0)
                    layers.ink |= QRect(x, y, 1, 1);
        }
        it = letterLayers_.insert(key, std::move(layers));
    }
    LetterLayers& layers = *it;
    // Drawing a letter changes each pixel by its own colour and the letter's cover there
    // alone, so a drawing over one plain colour holds the result for every pixel of it.
    std::size_t last = 0;
    auto over = [&](QRgb color) -> const QImage& {
        if (last < layers.over.size() && layers.over[last].first == color)
            return layers.over[last].second;
        for (last = 0; last < layers.over.size(); ++last)
            if (layers.over[last].first == color)
                return layers.over[last].second;
        QImage drawn(square.size(), image_.format());
        drawn.fill(color);
        QPainter p(&drawn);
        p.setFont(font_);
        p.setPen(foreColor_);
        p.drawStaticText(offset, staticLetter(letter));
        p.end();
        ++lettersDrawn_;
        layers.over.emplace_back(color, std::move(drawn));
        return layers.over.back().second;
    };
    const QRect& ink = layers.ink;
    for (int y = ink.top(); y <= ink.bottom(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image_.scanLine(square.top() + y)) + square.left();
        for (int x = ink.left(); x <= ink.right(); ++x)
            row[x] = reinterpret_cast<const QRgb*>(over(row[x]).constScanLine(y))[x];
    }
    if (!batch_)
        update(square);
    return true;
}

int PictureBox::textWidth(const QString& text) const {
    if (text.size() != 1)
        return metrics().horizontalAdvance(text);
    auto it = letterWidths_.constFind(text.at(0).unicode());
    if (it == letterWidths_.constEnd())
        it = letterWidths_.insert(text.at(0).unicode(), metrics().horizontalAdvance(text));
    return *it;
}

QRect PictureBox::letterInk(QChar letter) const {
    auto it = letterInks_.constFind(letter.unicode());
    if (it == letterInks_.constEnd())
        it = letterInks_.insert(
            letter.unicode(),
            metrics().tightBoundingRect(QString(letter)).translated(0, metrics().ascent()));
    return *it;
}

int PictureBox::textHeight(const QString& text) const {
    const QFontMetrics& fm = metrics();
    return fm.height() *
           static_cast<int>(std::max<qsizetype>(1, text.count(QLatin1Char('\n')) + 1));
}

void PictureBox::copyBand(const PictureBox& source, int sx, int sy, int w, int h, int dx, int dy) {
    if (w <= 0 || h <= 0)
        return;
    const QRect from(sx, sy, w, h);
    const QRect to(dx, dy, w, h);
    // Rows of one picture copied within itself could overlap: the painter handles that case.
    if (&source != this && source.image_.format() == image_.format() && image_.depth() == 32 &&
        source.image_.rect().contains(from) && image_.rect().contains(to)) {
        // The slot numbers of a repaint: rows copied straight, as a painter call costs more.
        const qsizetype stride = image_.bytesPerLine();
        const qsizetype sourceStride = source.image_.bytesPerLine();
        uchar* row = image_.bits() + dy * stride + qsizetype(dx) * 4;
        const uchar* sourceRow = source.image_.constBits() + sy * sourceStride + qsizetype(sx) * 4;
        for (int y = 0; y < h; ++y, row += stride, sourceRow += sourceStride)
            std::memcpy(row, sourceRow, static_cast<std::size_t>(w) * 4);
        if (!batch_)
            update(to);
        return;
    }
    paint([&](QPainter& p) {
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(QPoint(dx, dy), source.image_, QRect(sx, sy, w, h));
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    });
}

QColor PictureBox::pixel(int x, int y) const {
    if (!image_.rect().contains(x, y))
        return {};
    return QColor(image_.pixel(x, y));
}

bool PictureBox::saveBmp(const QString& path) const {
    return saveFileSafely(path, [this](QIODevice& device) { return saveBmp(device); }) ==
           FileStatus::Ok;
}

bool PictureBox::saveBmp(QIODevice& device) const {
    // Qt writes a picture without alpha as a 24-bit BMP: the same bytes as from RGB888, which it
    // would only turn back into RGB32 first.
    return image_.save(&device, "BMP");
}

void PictureBox::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    p.drawImage(event->rect().topLeft(), image_, event->rect());
    if (!frame_.isEmpty() && frameWidth_ > 0) {
        // The frame lies inside its rect: the cells around keep their lines.
        const QRect inner = frame_.adjusted(frameWidth_, frameWidth_, -frameWidth_, -frameWidth_);
        p.fillRect(frame_, frameColor_);
        if (inner.isValid())
            p.drawImage(inner.topLeft(), image_, inner);
    }
}

void PictureBox::setFrame(const QRect& rect, const QColor& color, int width) {
    if (rect == frame_ && color == frameColor_ && width == frameWidth_)
        return;
    const QRect was = frame_;
    frame_ = rect;
    frameColor_ = color;
    frameWidth_ = width;
    update(was);
    update(frame_);
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
