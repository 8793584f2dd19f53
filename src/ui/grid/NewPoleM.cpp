// The empty field of a new crossword, ready for drawing.
#include "app/frmForma.h"
#include "platform/PictureBox.h"

#include <QScrollBar>

void frmForma::DrawEmptyField() {
    const int c = state_.settings.CellSize;
    const int w = state_.doc().GridWidth;
    const int h = state_.doc().GridHeight;
    PictureBox& pic = *picPole;
    pic.clear();
    pic.setPictureSize(w * c + 15, h * c + 15);
    pic.fillBox(5, 5, w * c + 5, h * c + 5, Qt::white);
    for (int i = 0; i <= w; ++i)
        pic.line(i * c + 5, 5, i * c + 5, h * c + 5, Qt::black);
    // One pixel longer than the field, to close the bottom-right corner.
    for (int j = 0; j <= h; ++j)
        pic.line(5, j * c + 5, w * c + 6, j * c + 5, Qt::black);
    pic.show();
    UpdateScrollBars();
    HScroll1->setValue(0);
    VScroll1->setValue(0);
}
