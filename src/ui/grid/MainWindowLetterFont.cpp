// The letter font on the grid pictures and how far a letter sits below its cell's top.
#include "app/MainWindow.h"
#include "grid/GridView.h"
#include "grid/LetterFont.h"
#include "grid/PictureBox.h"

void MainWindow::applyLetterFont() {
    const Settings& s = state_.settings;
    gridView_->setLetterFont(s);
    letterfont::apply(*exportPicture, s);
}

int MainWindow::letterOffset() {
    return gridView_->letterOffset();
}
