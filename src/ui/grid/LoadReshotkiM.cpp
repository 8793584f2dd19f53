// Sizing, building and drawing the shown grid.
#include "app/frmForma.h"
#include "grid/ShownGrid.h"
#include "platform/PictureBox.h"

#include <QCoreApplication>

void frmForma::buildAndDrawGrid() {
    CrosswordDocument& doc = state_.doc;
    picPole->clear();
    const QSize size = fieldGeometry().slotsSize();
    picPole->setPictureSize(size.width(), size.height());
    picPole->show();
    buildShownGrid(doc, state_.ShownStyle);
    // Lets the resized picture settle; a click must not arrive before the grid is drawn.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    RedrawGrid();
}
