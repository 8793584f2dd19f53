#pragma once

#include "grid/FieldGeometry.h"

// Bounds that keep every table and picture of a crossword allocatable and quick to draw.
namespace gridlimits {

constexpr int kMaxGridSide = 250; // columns or rows of a crossword
constexpr int kMaxCellSize = 100; // pixels per cell side
// The field picture is W·C + 15 by H·C + 15.
constexpr int kMargin = fieldgeometry::kDrawingExtra;
constexpr long long kMaxPictureSide = 32000;
constexpr long long kMaxPictureArea = 36'000'000; // about 144 MB at four bytes a pixel

constexpr bool gridSizeAllowed(long long w, long long h) {
    return w >= 1 && h >= 1 && w <= kMaxGridSide && h <= kMaxGridSide;
}

constexpr bool cellSizeAllowed(long long c) {
    return c >= 1 && c <= kMaxCellSize;
}

// Whether the field picture of a W × H grid at cell size C can be held and drawn.
constexpr bool pictureFits(long long w, long long h, long long c) {
    if (!gridSizeAllowed(w, h) || !cellSizeAllowed(c))
        return false;
    const long long pw = w * c + kMargin;
    const long long ph = h * c + kMargin;
    return pw <= kMaxPictureSide && ph <= kMaxPictureSide && pw * ph <= kMaxPictureArea;
}

// The largest cell size up to c at which the field picture of a W × H grid fits; every allowed
// grid fits at cell size 1.
constexpr int largestFittingCellSize(long long w, long long h, int c) {
    while (c > 1 && !pictureFits(w, h, c))
        --c;
    return c;
}

} // namespace gridlimits
