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

// What a cell looks like on the pictures; CellPainter alone turns it into colours.
enum class CellLook {
    Plain,        // a slot's cell, also a solved one
    Selected,     // in the selected slot, or showing letters typed before they are placed
    Dead,         // while writing: no word of the lists passes through it any more
    DeadSelected, // such a cell in the selected slot
    DrawnBlack,   // a black cell of the grid being drawn
    Revealed,     // while solving: a letter or a word a hint gave away
};

// Where a cell's letter goes: where the letter font puts it (the export pictures and the
// cell-size preview keep that look), or fitted into the cell beside its number (the screen).
enum class LetterPlace { AsFont, Fitted };

// Draws the grid's cells, the same on the screen, in the export pictures and in the cell-size
// preview: the square with its border, the slot number and the letter, where the geometry
// puts them.
class CellPainter {
public:
    // digits: the strip of slot-number digits for number size `scale` (1 to 3): the ten digits
    // on each look's inside colour in turn (see drawDigitStrip), 50 × scale apart.
    CellPainter(const FieldGeometry& geometry, const PictureBox& digits, int scale,
                LetterPlace place = LetterPlace::AsFont);

    const FieldGeometry& geometry() const { return geometry_; }
    LetterPlace letterPlace() const { return place_; }

    // The pixels slot number n inks in the cell.
    QRect numberBox(int cx, int cy, int n) const;
    // Fitted letters: the room left for them inside the lines, below the numbers' band, the
    // same in every cell so that a row's letters stand on one line (all the inside where the
    // numbers leave under a quarter of the cell).
    QRect letterRoom(int cx, int cy) const;
    // The chosen letter font, its family and style kept, sized so that every capital fits
    // letterRoom; the picture drawing fitted letters takes it.
    QFont fittedFont(const QFont& chosen) const;
    // The pixels the letter inks, drawn in the picture's font as letter and slotCell put it.
    QRect letterInk(const PictureBox& pic, int cx, int cy, QChar letter, int letterOffset) const;

    // The empty field of a new grid: white, with every grid line.
    void emptyField(PictureBox& pic, int gridWidth, int gridHeight) const;
    // The whole square white, its lines included: a cell outside the grid's words.
    void blank(PictureBox& pic, int cx, int cy) const;
    // The square with its border and its inside as `look` shows it.
    void square(PictureBox& pic, int cx, int cy, CellLook look) const;
    // The inside alone; the lines stay untouched.
    void fillInside(PictureBox& pic, int cx, int cy, CellLook look) const;
    // The slot number at the top left, in the digits drawn on the inside of `look`.
    void number(PictureBox& pic, int cx, int cy, int n, CellLook look) const;
    // The letter in the picture's font and colour, whole: it may reach past the square.
    void letter(PictureBox& pic, int cx, int cy, QChar letter, int letterOffset) const;
    // A slot's cell on the screen: the square, its number (n > 0) and its letter (code point
    // 0 for none) cut at the square, copied from the picture's finished cells where it can.
    void slotCell(PictureBox& pic, int cx, int cy, CellLook look, int n, QChar letter,
                  int letterOffset) const;

    // The colour of the keyboard's cell cursor, a frame over the picture.
    static QColor cursorColor();

    // The whole grid through any painter: the same squares, lines, numbers and letters as the
    // pictures, with the numbers and letters as text. Outside cells are left as they are.
    void paint(QPainter& painter, const publish::GridPicture& grid, const VectorLook& look) const;

private:
    // Top-left corner of the letter as the picture prints it.
    QPoint letterAt(const PictureBox& pic, int cx, int cy, QChar letter, int letterOffset) const;
    void paintFittedLetters(QPainter& p, const publish::GridPicture& grid, const VectorLook& look,
                            qreal digitHeight) const;

    FieldGeometry geometry_;
    const PictureBox& digits_;
    int scale_;
    LetterPlace place_;
};
