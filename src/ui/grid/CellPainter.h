#pragma once

#include "grid/FieldGeometry.h"

#include <QChar>
#include <QColor>
#include <QFont>

class PictureBox;
class QPainter;
namespace publish {
struct GridPicture;
}

// How the grid looks drawn as vectors (print, PDF, SVG), in the geometry's pixels.
struct VectorLook {
    QFont numberFont; // its family and weight; the size follows the number size
    QFont letterFont; // pixel-sized, as the screen shows it
    QColor letterColor = Qt::black;
    int letterOffset = 0;
    qreal lineWidth = 1; // one pixel, as in the pictures
    // Printed pages: each letter centred below the number's band and sized to fit there, so
    // that no number overprints a letter; otherwise where the screen puts it.
    bool fitLetters = false;
};

// Draws the grid's cells, the same on the screen, in the export pictures and in the cell-size
// preview: the square with its border, the slot number and the letter, where the geometry
// puts them.
class CellPainter {
public:
    // digits: the strip of slot-number digits for number size `scale` (1 to 3): the ten digits
    // on each of slotcolor::kNumberBackgrounds in turn, 50 × scale apart.
    CellPainter(const FieldGeometry& geometry, const PictureBox& digits, int scale);

    const FieldGeometry& geometry() const { return geometry_; }

    // The empty field of a new grid: white, with every grid line.
    void emptyField(PictureBox& pic, int gridWidth, int gridHeight) const;
    // The whole square in one colour, its lines included.
    void fill(PictureBox& pic, int cx, int cy, const QColor& color) const;
    // The square in the border colour with its inside in `inside`.
    void square(PictureBox& pic, int cx, int cy, const QColor& inside) const;
    // The inside alone; the lines stay untouched.
    void fillInside(PictureBox& pic, int cx, int cy, const QColor& color) const;
    // The slot number at the top left, from the yellow digits where the cell is yellow there.
    void number(PictureBox& pic, int cx, int cy, int n) const;
    // The letter in the picture's font and colour, whole: it may reach past the square.
    void letter(PictureBox& pic, int cx, int cy, QChar letter, int letterOffset) const;
    // A slot's cell on the screen: the square, its number (n > 0) and its letter (code point
    // 0 for none) cut at the square, copied from the picture's finished cells where it can.
    void slotCell(PictureBox& pic, int cx, int cy, const QColor& inside, int n, QChar letter,
                  int letterOffset) const;

    // The whole grid through any painter: the same squares, lines, numbers and letters as the
    // pictures, with the numbers and letters as text. Outside cells are left as they are.
    void paint(QPainter& painter, const publish::GridPicture& grid, const VectorLook& look) const;

private:
    void paintFittedLetters(QPainter& p, const publish::GridPicture& grid, const VectorLook& look,
                            qreal digitHeight) const;

    FieldGeometry geometry_;
    const PictureBox& digits_;
    int scale_;
};
