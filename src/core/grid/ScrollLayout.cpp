#include "grid/ScrollLayout.h"

ScrollLayout computeScrollLayout(int fieldWidth, int fieldHeight, int viewWidth, int viewHeight) {
    constexpr int bar = ScrollLayout::kBar;
    ScrollLayout s;
    int dx = fieldWidth - viewWidth;
    const int dy = fieldHeight - viewHeight;
    if (dy >= 1)
        dx += bar; // the vertical bar will take its width from the viewport
    const int dy2 = dx > 0 ? dy + bar : dy;

    if (dx > 0) {
        s.hWidth = viewWidth - (dy2 >= 1 ? bar : 0);
        s.hLargeChange = s.hWidth;
        s.hMax = fieldWidth - s.hWidth;
        s.hSmallChange = s.hWidth / 2;
    }
    s.hVisible = dx > 0;

    if (dy2 >= 1) {
        s.vHeight = viewHeight - (dx > 0 ? bar : 0);
        s.vLargeChange = s.vHeight;
        s.vMax = fieldHeight - s.vHeight;
        s.vSmallChange = s.vHeight / 2;
    }
    s.vVisible = dy2 > 0;
    s.cornerVisible = s.hVisible && s.vVisible;
    return s;
}
