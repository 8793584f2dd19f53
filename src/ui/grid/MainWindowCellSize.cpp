// The cell size command and the redraw at a new cell size.
#include "app/frmForma.h"
#include "grid/GridView.h"
#include "grid/LetterFont.h"
#include "grid/frmRazKletok.h"
#include "platform/PictureBox.h"
#include "text/Mnemonics.h"
#include "words/SlotColors.h"

#include <QAction>

void frmForma::OptionsRazmerKF_Click() {
    if (state_.doc().Mode == EditMode::ModeEmpty)
        return;
    frmRazKletok dialog(state_, platform_, this, withoutMnemonics(OptionsRazmerKF->text()),
                        picNomera, *gridView_->picture(), LetterFontStrikethrough);
    connect(&dialog, &frmRazKletok::letterFontChanged, this,
            [this] { letterfont::apply(*picCopyKross, state_.settings); });
    if (platform_.runDialog(dialog) == QDialog::Accepted)
        RedrawForNewCellSize();
}

void frmForma::RedrawForNewCellSize() {
    const CrosswordDocument& doc = state_.doc();
    // Also while drawing: the letters that come once the grid is ready need the offset of the
    // new cell size and the font just chosen.
    NewFont();
    switch (doc.Mode) {
    case EditMode::ModeEmpty:
        return;
    case EditMode::ModeDrawGrid: {
        // The pattern is redrawn from the cell map, whatever the old picture showed.
        const QPoint scrolled = gridView_->scrollPosition();
        DrawEmptyField();
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
    // RedrawGrid shows the solving modes' selection itself (in ModeSolve the across word
    // CurrentSlot and the down word CurrentDownSlot, whatever CurrentDirection holds), and
    // ModeAuthorNoAnswers has none.
    RedrawGrid();
    const EditMode mode = doc.Mode;
    if (slot > 0 && mode != EditMode::ModeSolve && mode != EditMode::ModeSolveNoAnswers &&
        mode != EditMode::ModeAuthorNoAnswers)
        DrawSlot(slot, direction, slotcolor::kYellow);
}
