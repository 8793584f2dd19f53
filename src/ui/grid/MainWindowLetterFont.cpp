// The letter font on the grid pictures and how far a letter sits below its cell's top.
#include "app/frmForma.h"
#include "grid/GridView.h"
#include "grid/LetterFont.h"
#include "platform/PictureBox.h"

void frmForma::NewFont() {
    const Settings& s = state_.settings;
    gridView_->setLetterFont(s);
    letterfont::apply(*picCopyKross, s);
}

int frmForma::letterOffset() {
    return gridView_->letterOffset();
}
