// The cell size command and the redraw at a new cell size.
#include "app/MainWindow.h"
#include "grid/CellSizeDialog.h"
#include "grid/GridView.h"
#include "grid/LetterFont.h"
#include "grid/PictureBox.h"
#include "grid/SlotColors.h"
#include "text/Mnemonics.h"

#include <QAction>

void MainWindow::chooseCellSize() {
    if (state_.doc().Mode == EditMode::ModeEmpty)
        return;
    CellSizeDialog dialog(state_, platform_, this, withoutMnemonics(cellSizeAction->text()),
                          digitStrips, *gridView_->picture(), letterFontStrikethrough);
    connect(&dialog, &CellSizeDialog::letterFontChanged, this,
            [this] { letterfont::apply(*exportPicture, state_.settings); });
    if (platform_.runDialog(dialog) == QDialog::Accepted)
        redrawForNewCellSize();
}

void MainWindow::redrawForNewCellSize() {
    const CrosswordDocument& doc = state_.doc();
    // Also while drawing: the letters that come once the grid is ready need the offset of the
    // new cell size and the font just chosen.
    applyLetterFont();
    switch (doc.Mode) {
    case EditMode::ModeEmpty:
        return;
    case EditMode::ModeDrawGrid: {
        // The pattern is redrawn from the cell map, whatever the old picture showed.
        const QPoint scrolled = gridView_->scrollPosition();
        drawEmptyField();
        {
            const PictureBox::Batch batch(*gridView_->picture());
            for (int y = 0; y < doc.GridHeight; ++y)
                for (int x = 0; x < doc.GridWidth; ++x)
                    if (doc.CellMap.at(x, y) != 0)
                        gridView_->paintDrawnCell(x, y, true);
        }
        gridView_->setScrollPosition(scrolled);
        return;
    }
    default:
        break;
    }
    const int slot = doc.CurrentSlot;
    const int direction = doc.CurrentDirection;
    gridView_->sizeForSlots();
    // redrawGrid shows the solving modes' selection itself (in ModeSolve the across word
    // CurrentSlot and the down word CurrentDownSlot, whatever CurrentDirection holds), and
    // ModeAuthorNoAnswers has none.
    redrawGrid();
    const EditMode mode = doc.Mode;
    if (slot > 0 && mode != EditMode::ModeSolve && mode != EditMode::ModeSolveNoAnswers &&
        mode != EditMode::ModeAuthorNoAnswers)
        drawSlot(slot, direction, slotcolor::kYellow);
}
