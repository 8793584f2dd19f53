#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QWidget>

// A picture that keeps what is drawn on it: the drawing code paints on a persistent image and
// the widget shows that image unscaled at its own size and position inside its parent.
// Coordinates are pixels. Lines leave out their end point; boxes include both corners.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    QColor backColor() const { return backColor_; }
    void setBackColor(const QColor& color) { backColor_ = color; }
    QColor foreColor() const { return foreColor_; }
    void setForeColor(const QColor& color) { foreColor_ = color; }
    QFont pictureFont() const { return font_; }
    void setPictureFont(const QFont& font) { font_ = font; }

    // Resizes widget and image together; what fits is kept, new area takes the background.
    void setPictureSize(int width, int height);
    int pictureWidth() const { return image_.width(); }
    int pictureHeight() const { return image_.height(); }

    void clear();
    void line(int x1, int y1, int x2, int y2, const QColor& color);
    void fillBox(int x1, int y1, int x2, int y2, const QColor& color);
    void box(int x1, int y1, int x2, int y2, const QColor& color);
    // Text with its top-left corner at (x, y), in the picture's font and fore colour.
    void printText(int x, int y, const QString& text);
    int textWidth(const QString& text) const;
    int textHeight(const QString& text) const;
    // Plain copy of the band (sx, sy, w, h) of another picture to (dx, dy).
    void copyBand(const PictureBox& source, int sx, int sy, int w, int h, int dx, int dy);
    // The colour at (x, y); an invalid colour outside the picture.
    QColor pixel(int x, int y) const;
    bool saveBmp(const QString& path) const;

    const QImage& image() const { return image_; }

signals:
    void mouseDown(Qt::MouseButton button, int x, int y);
    void mouseUp(Qt::MouseButton button, int x, int y);
    void mouseMove(Qt::MouseButtons buttons, int x, int y);
    void gotFocus();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    QImage image_;
    QColor backColor_ = Qt::white;
    QColor foreColor_ = Qt::black;
    QFont font_;
};
