#pragma once

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QImage>
#include <QStaticText>
#include <QWidget>

#include <memory>
#include <optional>
#include <utility>
#include <vector>

class QIODevice;
class QPainter;

// A picture that keeps what is drawn on it: the drawing code paints on a persistent image and
// the widget shows that image unscaled at its own size and position inside its parent.
// Coordinates are pixels. Lines leave out their end point; boxes include both corners.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);
    ~PictureBox() override;

    QColor backColor() const { return backColor_; }
    void setBackColor(const QColor& color) { backColor_ = color; }
    QColor foreColor() const { return foreColor_; }
    void setForeColor(const QColor& color) {
        foreColor_ = color;
        batchTextReady_ = false;
        clearStamps();
    }
    QFont pictureFont() const { return font_; }
    void setPictureFont(const QFont& font);

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
    // The pixels a single letter inks, relative to printText's corner.
    QRect letterInk(QChar letter) const;
    // The grid's cell: what fillBox(square, border), fillBox(inside of square, inside) and,
    // for a letter, printText(letterAt, letter) draw inside the square, copied from a cache
    // of finished cells. The letter is cut at the square: drawn whole, a letter of a large
    // font costs far more than its cell. Returns false, drawing nothing, where the square is
    // not wholly on the picture.
    bool stampCell(const QRect& square, const QColor& border, const QColor& inside, QChar letter,
                   QPoint letterAt);
    // What printText(letterAt, letter) draws inside the square over what the square holds
    // now (a stamped cell and its slot number), from cached drawings of the letter over each
    // colour met there. The same conditions as stampCell.
    bool stampLetter(const QRect& square, QChar letter, QPoint letterAt);
    // How many times a single letter was laid out by a painter, into the picture or a cache;
    // for tests.
    int lettersDrawn() const { return lettersDrawn_; }
    int textHeight(const QString& text) const;
    // Plain copy of the band (sx, sy, w, h) of another picture to (dx, dy).
    void copyBand(const PictureBox& source, int sx, int sy, int w, int h, int dx, int dy);
    // The colour at (x, y); an invalid colour outside the picture.
    QColor pixel(int x, int y) const;
    // Replaces the file at path only once the whole picture is written.
    bool saveBmp(const QString& path) const;
    // A 24-bit Windows bitmap of the image, written to an open device.
    bool saveBmp(QIODevice& device) const;

    const QImage& image() const { return image_; }

    // A frame shown over the picture, never part of its image (an empty rect for none).
    void setFrame(const QRect& rect, const QColor& color, int width);
    QRect frame() const { return frame_; }

    // Keeps one painter open for every drawing call while it lives, for repaints of many cells
    // (opening a painter per call costs more than the drawing). Nested batches share the
    // outer one. The picture must not be resized or cleared while a batch is open.
    class Batch {
    public:
        explicit Batch(PictureBox& picture);
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        PictureBox& picture_;
        bool outer_;
    };

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
    template <typename Draw> void paint(Draw&& draw);

    QImage image_;
    QRect frame_;
    QColor frameColor_;
    int frameWidth_ = 0;
    std::unique_ptr<QPainter> batch_;
    QColor backColor_ = Qt::white;
    QColor foreColor_ = Qt::black;
    QFont font_;
    // Layouts of single characters (the grid's letters) and the font's metrics, kept because
    // laying text out again for every cell costs more than drawing it.
    mutable std::optional<QFontMetrics> metrics_;
    QHash<char16_t, QStaticText> letters_;
    mutable QHash<char16_t, int> letterWidths_;
    mutable QHash<char16_t, QRect> letterInks_;
    bool batchTextReady_ = false; // the batch painter holds our font and fore colour
    // Finished cells by letter, colours, size and letter position.
    struct StampKey {
        char16_t letter;
        QRgb border, inside;
        int width, height, dx, dy;
        bool operator==(const StampKey&) const = default;
        friend size_t qHash(const StampKey& k, size_t seed = 0) {
            return qHashMulti(seed, k.letter, k.border, k.inside, k.width, k.height, k.dx, k.dy);
        }
    };
    QHash<StampKey, QImage> stamps_;
    // A letter by size and letter position (no colours in the key): where it inks inside the
    // square, and its drawings over each colour met there.
    struct LetterLayers {
        QRect ink;
        std::vector<std::pair<QRgb, QImage>> over;
    };
    QHash<StampKey, LetterLayers> letterLayers_;
    int lettersDrawn_ = 0;
    const QImage& cellStamp(QSize size, const QColor& border, const QColor& inside, QChar letter,
                            QPoint offset);
    void clearStamps();
    const QFontMetrics& metrics() const;
    // The layout of a single letter, as printText and the caches draw it.
    const QStaticText& staticLetter(QChar letter);
};
