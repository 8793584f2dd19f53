// Painting a slot and its number on the grid, and scrolling it into view.
#include "app/frmForma.h"
#include "grid/GridView.h"

void frmForma::DrawSlot(int number, int direction, const QColor& color) {
    gridView_->drawSlot(number, direction, color);
}
