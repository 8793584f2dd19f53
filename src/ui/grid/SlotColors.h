#pragma once

#include <QColor>

// Backgrounds of the grid: an ordinary slot, the selected one, and a black cell while drawing.
namespace slotcolor {
inline const QColor kWhite{255, 255, 255};
inline const QColor kYellow{255, 255, 0};
inline const QColor kBorder{0, 0, 0};
inline const QColor kDrawnBlack{0, 255, 0};
// While authoring: a cell no word of the lists can pass through any more, plain and selected.
inline const QColor kDead{255, 200, 200};
inline const QColor kDeadYellow{255, 190, 60};
// While solving: a cell whose letter, or whose word, a hint gave away.
inline const QColor kRevealed{200, 225, 255};
// The keyboard's cell cursor, a frame over the picture while the grid has the focus.
inline const QColor kCursor{0, 90, 255};
// The backgrounds slot numbers are drawn on, in the order of the digit strips' sets.
inline const QColor kNumberBackgrounds[] = {kWhite, kYellow, kDead, kDeadYellow, kRevealed};
} // namespace slotcolor
