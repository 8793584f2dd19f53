// Redrawing every slot of the grid, and the switch between the two grid styles.
#include "app/frmForma.h"
#include "grid/GridView.h"
#include "words/SlotColors.h"

#include <QAction>

void frmForma::RedrawGrid() {
    const CrosswordDocument& doc = state_.doc;
    gridView_->paintAllSlots();
    if (doc.Mode == EditMode::ModeSolveNoAnswers)
        DrawSlot(doc.CurrentSlot, doc.CurrentDirection, slotcolor::kYellow);
    else if (doc.Mode == EditMode::ModeSolve)
        ShowSolverSelection(doc.CurrentSlot, doc.CurrentDownSlot);
}

void frmForma::OptionsStyle_Click(int index) {
    int& chosen = state_.settings.ChosenStyle;
    // A checkable item unchecks itself when clicked again; the check marks follow ChosenStyle.
    const bool changed = index != chosen;
    chosen = index;
    for (int i = 0; i < 2; ++i)
        OptionsStyle[static_cast<std::size_t>(i)]->setChecked(i == chosen);
    if (!changed)
        return;
    const EditMode mode = state_.doc.Mode;
    if (mode == EditMode::ModeSolveNoAnswers || mode == EditMode::ModeSolve) {
        state_.ShownStyle = index;
        buildAndDrawGrid();
    }
}
