#pragma once

#include "grid/CellPainter.h"

#include <QWidget>

#include <array>
#include <vector>

class PictureBox;
class QColor;
class QScrollBar;
class AppState;
struct Settings;

// The grid viewport: the field picture with its two scroll bars and their corner, and the
// drawing of the field, its slots and their numbers on it. The document and the settings come
// from the application state; the mouse on the picture is passed on as signals.
class GridView : public QWidget {
    Q_OBJECT
public:
    // digitStrips: the slot-number digits of each number size (see CellPainter).
    GridView(AppState& state, const std::array<PictureBox*, 3>& digitStrips,
             QWidget* parent = nullptr);

    PictureBox* picture() const { return picPole_; }
    QScrollBar* horizontalBar() const { return HScroll1_; }
    QScrollBar* verticalBar() const { return VScroll1_; }
    QWidget* corner() const { return PctrUgol_; }

    // Where the screen's cells lie at the current cell size, and their painter with the digit
    // strip of the current number size.
    FieldGeometry fieldGeometry() const;
    CellPainter cellPainter(const FieldGeometry& geometry) const;

    // Puts the bars and their corner at the viewport's edges, then fits them to the picture.
    void placeBars();
    void updateScrollBars();
    // The scroll bars' values: how far the picture is scrolled.
    QPoint scrollPosition() const;
    void setScrollPosition(QPoint position);

    // The letter font and colour of the settings on the picture.
    void setLetterFont(const Settings& settings);
    // How far below a cell's top its letter goes. Worked out from the letter font when first
    // asked for, since loading a font is slow and start-up shows no letters.
    int letterOffset();

    // The empty field of a new grid, scrolled to its top-left corner.
    void drawEmptyField();
    // A cell of the grid being drawn: black (shown green) or white inside its lines.
    void paintDrawnCell(int cx, int cy, bool black);
    // The picture sized for the slots of the shown grid.
    void sizeForSlots();
    // Every slot's cell white, numbered and lettered, scrolled to the top-left corner.
    void paintAllSlots();
    // While authoring: the cells no word of the lists can pass through any more (indices
    // y × width + x), shaded from now on; the cells whose shading changed are repainted.
    void setDeadCells(const std::vector<int>& cells);
    bool isDead(int cx, int cy) const;
    // One slot in a background colour; a yellow one is scrolled into view.
    void drawSlot(int number, int direction, const QColor& color);

signals:
    void pressed(Qt::MouseButton button, int x, int y);
    void released(Qt::MouseButton button, int x, int y);
    void moved(Qt::MouseButtons buttons, int x, int y);
    // The picture got the focus, or the viewport around it did.
    void pictureFocused();
    void focused();

protected:
    void focusInEvent(QFocusEvent* event) override;

private:
    void paintSlotCell(const CellPainter& painter, int c, int r, const QColor& color);
    void scrollSlotIntoView(int left, int top, int right, int bottom, bool afterDrawing);

    AppState& state_;
    std::array<PictureBox*, 3> digitStrips_;
    std::vector<bool> dead_; // per cell of the shown grid; empty for none
    bool letterOffsetKnown_ = false;
    PictureBox* picPole_ = nullptr;
    QScrollBar* VScroll1_ = nullptr;
    QScrollBar* HScroll1_ = nullptr;
    QWidget* PctrUgol_ = nullptr;
};
