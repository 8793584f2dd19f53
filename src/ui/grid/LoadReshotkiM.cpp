// Sizing, building and drawing the shown grid.
#include "app/frmForma.h"
#include "grid/GridView.h"
#include "grid/ShownGrid.h"
#include "platform/PictureBox.h"

#include <QCoreApplication>

void frmForma::buildAndDrawGrid() {
    CrosswordDocument& doc = state_.doc;
    gridView_->picture()->clear();
    gridView_->sizeForSlots();
    gridView_->picture()->show();
    buildShownGrid(doc, state_.ShownStyle);
    // Lets the resized picture settle; a click must not arrive before the grid is drawn.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    RedrawGrid();
}
