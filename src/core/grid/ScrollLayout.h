#pragma once

// How the two scroll bars of the grid viewport fit a field picture.
struct ScrollLayout {
    static constexpr int kBar = 17; // thickness of a scroll bar in pixels

    bool hVisible = false;
    int hWidth = 0;
    int hMax = 0;
    int hLargeChange = 0;
    int hSmallChange = 0;

    bool vVisible = false;
    int vHeight = 0;
    int vMax = 0;
    int vLargeChange = 0;
    int vSmallChange = 0;

    bool cornerVisible = false;
};

ScrollLayout computeScrollLayout(int fieldWidth, int fieldHeight, int viewWidth, int viewHeight);
