#include "app/frmForma.h"
#include "platform/PictureBox.h"
#include "words/SlotColors.h"

#include <QAction>
#include <QScrollBar>

void frmForma::RedrawGrid() {
    const CrosswordDocument& doc = state_.doc;
    picPole->clear();
    for (int n = 1; n <= doc.NumberedCount; ++n)
        for (int d = 0; d <= 1; ++d)
            if (doc.ShownSlotTable.at(n, 2, d) > 0)
                DrawSlot(n, d, slotcolor::kWhite);
    UpdateScrollBars();
    HScroll1->setValue(0);
    VScroll1->setValue(0);
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
        BuildShownGrid();
    }
}
