// Redrawing every slot of the grid, and the switch between the two grid styles.
#include "app/frmForma.h"
#include "platform/PictureBox.h"
#include "words/SlotColors.h"

#include <QAction>
#include <QScrollBar>

#include <algorithm>
#include <vector>

void frmForma::RedrawGrid() {
    const CrosswordDocument& doc = state_.doc();
    picPole->clear();
    // Every slot white. A cell where two slots cross looks the same painted once, so each
    // covered cell is painted once.
    const int w = doc.GridWidth;
    const int h = doc.GridHeight;
    std::vector<bool> covered(static_cast<std::size_t>(std::max(w, 0)) *
                              static_cast<std::size_t>(std::max(h, 0)));
    for (int n = 1; n <= doc.NumberedCount; ++n)
        for (int d = 0; d <= 1; ++d) {
            const int c = doc.ShownSlotTable.at(n, 0, d);
            const int r = doc.ShownSlotTable.at(n, 1, d);
            const int len = doc.ShownSlotTable.at(n, 2, d);
            for (int k = 0; k < len; ++k) {
                const int x = c + (d == 0 ? k : 0);
                const int y = r + (d == 1 ? k : 0);
                if (x < 0 || y < 0 || x >= w || y >= h)
                    break;
                covered[static_cast<std::size_t>(y) * static_cast<std::size_t>(w) +
                        static_cast<std::size_t>(x)] = true;
            }
        }
    {
        const PictureBox::Batch batch(*picPole);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                if (covered[static_cast<std::size_t>(y) * static_cast<std::size_t>(w) +
                            static_cast<std::size_t>(x)])
                    paintSlotCell(x, y, slotcolor::kWhite);
    }
    UpdateScrollBars();
    HScroll1->setValue(0);
    VScroll1->setValue(0);
    if (doc.Mode == EditMode::ModeSolveNoAnswers)
        DrawSlot(doc.CurrentSlot, doc.CurrentDirection, slotcolor::kYellow);
    else if (doc.Mode == EditMode::ModeSolve)
        ShowSolverSelection(doc.CurrentSlot, doc.CurrentDownSlot);
}

void frmForma::OptionsStyle_Click(int index) {
    const bool reshown = state_.session.setStyle(index);
    // A checkable item unchecks itself when clicked again; the check marks follow ChosenStyle.
    for (int i = 0; i < 2; ++i)
        OptionsStyle[static_cast<std::size_t>(i)]->setChecked(i == index);
    if (reshown)
        drawGrid();
}
