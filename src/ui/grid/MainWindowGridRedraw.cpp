// Redrawing every slot of the grid, and the switch between the two grid styles.
#include "app/MainWindow.h"
#include "grid/GridView.h"
#include "grid/SlotColors.h"

#include <QAction>

void MainWindow::redrawGrid() {
    const CrosswordDocument& doc = state_.doc();
    gridView_->paintAllSlots();
    if (doc.Mode == EditMode::ModeSolveNoAnswers)
        drawSlot(doc.CurrentSlot, doc.CurrentDirection, slotcolor::kYellow);
    else if (doc.Mode == EditMode::ModeSolve)
        showSolverSelection(doc.CurrentSlot, doc.CurrentDownSlot);
    showDeadCells();
}

void MainWindow::chooseStyle(int index) {
    const bool reshown = state_.session.setStyle(index);
    // A checkable item unchecks itself when clicked again; the check marks follow ChosenStyle.
    for (int i = 0; i < 2; ++i)
        styleActions[static_cast<std::size_t>(i)]->setChecked(i == index);
    if (reshown)
        drawGrid();
}
