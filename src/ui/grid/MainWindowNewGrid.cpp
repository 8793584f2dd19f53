// The empty field of a new crossword, ready for drawing, on the grid view.
#include "app/MainWindow.h"
#include "grid/GridView.h"

void MainWindow::drawEmptyField() {
    gridView_->drawEmptyField();
}
