// A slot painted in a background colour, by the grid view.
#include "app/frmForma.h"
#include "grid/GridView.h"

void frmForma::DrawSlot(int number, int direction, const QColor& color) {
    gridView_->drawSlot(number, direction, color);
}
