#pragma once

#include <QColor>

// Backgrounds of the grid: an ordinary slot, the selected one, and a black cell while drawing.
namespace slotcolor {
inline const QColor kWhite{255, 255, 255};
inline const QColor kYellow{255, 255, 0};
inline const QColor kBorder{0, 0, 0};
inline const QColor kDrawnBlack{0, 255, 0};
} // namespace slotcolor
