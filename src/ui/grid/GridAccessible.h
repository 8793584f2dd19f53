#pragma once

class QWidget;

// Lets assistive technology see the grid picture with one child, the keyboard's cursor cell:
// its row and column as its name, its letter as its value, black or white and its number as
// its description. Call once the picture is made; safe to call more than once.
void installGridAccessibility(QWidget* picture);

// Tells assistive technology that the cursor moved (focus on the cell) or that the cell's
// letter changed, while the picture has the focus; nothing where no accessibility bridge is
// active.
void announceCursor(QWidget* picture, bool letterChanged);
