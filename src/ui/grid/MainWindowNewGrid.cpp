// The empty field of a new crossword, ready for drawing, on the grid view.
#include "app/frmForma.h"
#include "grid/GridView.h"

void frmForma::DrawEmptyField() {
    gridView_->drawEmptyField();
}
