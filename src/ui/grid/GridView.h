#pragma once

#include "grid/CellPainter.h"
#include "words/SlotSelection.h"

#include <QWidget>

#include <array>
#include <optional>
#include <vector>

class PictureBox;
class QColor;
class QKeyEvent;
class QScrollBar;
class AppState;
struct Settings;

// The grid viewport: the field picture with its two scroll bars and their corner, and the
// drawing of the field, its slots and their numbers on it. The document and the settings come
// from the application state; the picture follows the session's signals by itself, so that no
// command repaints it. The mouse on the picture is passed on as signals.
class GridView : public QWidget {
    Q_OBJECT
public:
    // digitStrips: the slot-number digits of each number size (see CellPainter).
    GridView(AppState& state, const std::array<PictureBox*, 3>& digitStrips,
             QWidget* parent = nullptr);

    PictureBox* picture() const { return gridPicture_; }
    const AppState& appState() const { return state_; }
    QScrollBar* horizontalBar() const { return horizontalBar_; }
    QScrollBar* verticalBar() const { return verticalBar_; }
    QWidget* corner() const { return corner_; }

    // How large the grid shows, in percent of the settings' cell size ("actual size", which
    // the exported pictures keep). Everything is drawn again at the zoomed size, not scaled;
    // a zoom whose picture would be too large for the grid is reduced until it fits.
    int zoom() const { return zoom_; }
    void setZoom(int percent);
    // The zoom at which the whole grid fits the viewport (never above 800 %).
    int zoomToFit() const;

    // Where the screen's cells lie at the current cell size and zoom, and their painter with
    // the digit strip of the current number size.
    FieldGeometry fieldGeometry() const;
    CellPainter cellPainter(const FieldGeometry& geometry) const;
    // The painter of the exported and printed grids: the digits at actual size, the letters
    // where the letter font puts them, whatever the zoom.
    CellPainter exportPainter(const FieldGeometry& geometry) const;

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
    // The picture sized for the slots of the shown grid and shown, every slot drawn with the
    // selection: what a new crossword shows.
    void drawGrid();
    // Every slot drawn again at the picture's size, the selection shown, scrolled to the
    // top-left corner and then to the selection.
    void redrawGrid();
    // While authoring: the cells no word of the lists can pass through any more (indices
    // y × width + x), shaded from now on; the cells whose shading changed are repainted.
    void setDeadCells(const std::vector<int>& cells);
    bool isDead(int cx, int cy) const;
    // One slot in a look whatever the selection; a selected one is scrolled into view. It
    // shows the document's letters again where a preview showed others.
    void drawSlot(int number, int direction, CellLook look);
    // Letters typed for a slot, shown in its first cells (selected) before they are placed;
    // the slot's other cells show the document's letters.
    void previewSlot(const SlotRef& slot, const QString& letters);

    // The keyboard's cell cursor, in shown cells, kept inside the grid. It is drawn while the
    // picture has the focus, never into the picture itself.
    QPoint cursorCell() const;
    void setCursorCell(int cx, int cy);
    // The focus for the keyboard: it stays on the picture (a click's goes on to the boxes).
    void focusGrid();
    // What the cell shows, for assistive technology.
    struct CellInfo {
        bool black = false;
        int number = 0;
        QChar letter; // null for none
    };
    CellInfo cellInfo(int cx, int cy) const;

signals:
    void pressed(Qt::MouseButton button, int x, int y);
    void released(Qt::MouseButton button, int x, int y);
    void moved(Qt::MouseButtons buttons, int x, int y);
    // The picture got the focus, or the viewport around it did.
    void pictureFocused();
    void focused();
    // A key on the picture other than the arrows, which move the cursor here.
    void keyPressed(int key, const QString& text);
    // Ctrl + the wheel, or a pinch: steps of zoom in (positive) or out.
    void zoomAsked(int steps);
    // The cell cursor moved to a shown cell.
    void cursorMoved(int cx, int cy);

protected:
    void focusInEvent(QFocusEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // What the session changed.
    void showDocument();
    void showPictureSettings();
    void showCells(const QRect& cells);
    void showSelection(const Selection& before, const Selection& after);

    void sizeForSlots();
    // Every slot's cell plain, numbered and lettered, scrolled to the top-left corner.
    void paintAllSlots();
    // What the cell shows now: selected while a selected slot passes through it, dead or not.
    CellLook lookAt(int cx, int cy) const;
    // A plain cell while solving shows a letter or a word the hints gave away.
    CellLook withHintMark(int cx, int cy, CellLook look) const;
    // The look with the cell's dead shading, when it has some.
    CellLook withDeadShading(int cx, int cy, CellLook look) const;
    void paintSlotCell(const CellPainter& painter, int c, int r, CellLook look);
    void scrollSlotIntoView(int left, int top, int right, int bottom, bool afterDrawing);
    // The slot's cells in `look`, or each in its own look now; `highlight` scrolls it into view.
    void paintSlot(int number, int direction, std::optional<CellLook> look, bool highlight);
    // A slot drawn again shows the document's letters, not those typed for it.
    void endPreviewOf(const SlotRef& slot);
    void showCursor();
    bool pictureKey(const QKeyEvent& key);
    // The letter a preview shows at a cell; null where there is none.
    QChar previewLetter(int cx, int cy) const;

    int shownCellSize() const;

    AppState& state_;
    std::array<PictureBox*, 3> digitStrips_;
    int zoom_ = 100;
    PictureBox* zoomedDigits_ = nullptr; // the digit strip at a zoom other than 100 %
    int zoomedDigitScale_ = 0;
    qreal pinch_ = 0;
    std::vector<bool> dead_; // per cell of the shown grid; empty for none
    bool letterOffsetKnown_ = false;
    QPoint cursor_;
    bool holdFocus_ = false;    // focusGrid is giving the focus
    bool routeFocus_ = false;   // the picture's last focus came from a click or a scroll bar
    bool keyboardHeld_ = false; // the keyboard gave the picture its last focus
    struct Preview {
        int number = 0;
        Direction direction = Direction::Across;
        QString letters;
    } preview_;
    PictureBox* gridPicture_ = nullptr;
    QScrollBar* verticalBar_ = nullptr;
    QScrollBar* horizontalBar_ = nullptr;
    QWidget* corner_ = nullptr;
};
