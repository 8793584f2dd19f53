// The empty field of a new crossword, ready for drawing.
#include "app/frmForma.h"
#include "platform/PictureBox.h"

#include <QScrollBar>

void frmForma::DrawEmptyField() {
    const FieldGeometry geometry = fieldGeometry();
    PictureBox& pic = *picPole;
    pic.clear();
    const QSize size = geometry.drawingSize();
    pic.setPictureSize(size.width(), size.height());
    cellPainter(geometry).emptyField(pic, state_.doc.GridWidth, state_.doc.GridHeight);
    pic.show();
    UpdateScrollBars();
    HScroll1->setValue(0);
    VScroll1->setValue(0);
}
