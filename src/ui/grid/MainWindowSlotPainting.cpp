// A slot painted in a background colour, by the grid view.
#include "app/MainWindow.h"
#include "grid/GridView.h"

void MainWindow::drawSlot(int number, int direction, const QColor& color) {
    gridView_->drawSlot(number, direction, color);
}
