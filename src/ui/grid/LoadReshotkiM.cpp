// Sizing and drawing the shown grid.
#include "app/frmForma.h"
#include "platform/PictureBox.h"

#include <QCoreApplication>

void frmForma::drawGrid() {
    const CrosswordDocument& doc = state_.doc();
    const int c = state_.settings.CellSize;
    picPole->clear();
    picPole->setPictureSize(doc.GridWidth * c + 10, doc.GridHeight * c + 10);
    picPole->show();
    // Lets the resized picture settle; a click must not arrive before the grid is drawn.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    RedrawGrid();
}
