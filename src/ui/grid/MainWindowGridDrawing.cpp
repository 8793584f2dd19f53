// Sizing and drawing the shown grid.
#include "app/MainWindow.h"
#include "grid/GridView.h"
#include "grid/PictureBox.h"

#include <QCoreApplication>

void MainWindow::drawGrid() {
    gridView_->picture()->clear();
    gridView_->sizeForSlots();
    gridView_->picture()->show();
    // Lets the resized picture settle; a click must not arrive before the grid is drawn.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    redrawGrid();
}
