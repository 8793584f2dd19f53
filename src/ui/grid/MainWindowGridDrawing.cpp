// Sizing and drawing the shown grid.
#include "app/frmForma.h"
#include "grid/GridView.h"
#include "platform/PictureBox.h"

#include <QCoreApplication>

void frmForma::drawGrid() {
    gridView_->picture()->clear();
    gridView_->sizeForSlots();
    gridView_->picture()->show();
    // Lets the resized picture settle; a click must not arrive before the grid is drawn.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    RedrawGrid();
}
