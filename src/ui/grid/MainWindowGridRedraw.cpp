// Redrawing every slot of the grid, and the switch between the two grid styles.
#include "app/frmForma.h"
#include "grid/GridView.h"
#include "words/SlotColors.h"

#include <QAction>

void frmForma::RedrawGrid() {
    const CrosswordDocument& doc = state_.doc();
    gridView_->paintAllSlots();
    if (doc.Mode == EditMode::ModeSolveNoAnswers)
        DrawSlot(doc.CurrentSlot, doc.CurrentDirection, slotcolor::kYellow);
    else if (doc.Mode == EditMode::ModeSolve)
        ShowSolverSelection(doc.CurrentSlot, doc.CurrentDownSlot);
    showDeadCells();
}

void frmForma::OptionsStyle_Click(int index) {
    const bool reshown = state_.session.setStyle(index);
    // A checkable item unchecks itself when clicked again; the check marks follow ChosenStyle.
    for (int i = 0; i < 2; ++i)
        OptionsStyle[static_cast<std::size_t>(i)]->setChecked(i == index);
    if (reshown)
        drawGrid();
}
