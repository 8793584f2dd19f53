// The grid viewport's scroll bars and their corner.
#include "app/frmForma.h"
#include "grid/ScrollLayout.h"
#include "platform/PictureBox.h"

#include <QScrollBar>

void frmForma::UpdateScrollBars() {
    const ScrollLayout s = computeScrollLayout(picPole->width(), picPole->height(),
                                               picControl->width(), picControl->height());
    if (s.hVisible) {
        HScroll1->setGeometry(0, picControl->height() - ScrollLayout::kBar, s.hWidth,
                              ScrollLayout::kBar);
        HScroll1->setPageStep(s.hLargeChange);
        HScroll1->setMaximum(s.hMax);
        HScroll1->setSingleStep(s.hSmallChange);
    } else {
        HScroll1->setValue(0);
    }
    HScroll1->setVisible(s.hVisible);
    if (s.vVisible) {
        VScroll1->setGeometry(picControl->width() - ScrollLayout::kBar, 0, ScrollLayout::kBar,
                              s.vHeight);
        VScroll1->setPageStep(s.vLargeChange);
        VScroll1->setMaximum(s.vMax);
        VScroll1->setSingleStep(s.vSmallChange);
    } else {
        VScroll1->setValue(0);
    }
    VScroll1->setVisible(s.vVisible);
    PctrUgol->setVisible(s.cornerVisible);
    if (s.vVisible || s.hVisible)
        PctrUgol->raise();
}
