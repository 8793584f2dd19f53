#pragma once

#include <QColor>
#include <QFont>

class PictureBox;
struct Settings;

// The letter font and colour of the settings, as the grid pictures carry them.
namespace letterfont {

QFont fontOf(const Settings& settings);
// Settings keep colours as RGB numbers with red in the low byte.
QColor colorOf(int rgb);
int rgbOf(const QColor& color);

// Gives the picture the settings' letter font and colour.
void apply(PictureBox& picture, const Settings& settings);
// How far below a cell's top a letter of the picture's font goes (0 when out of range).
int letterOffset(const PictureBox& picture, int cellSize);

} // namespace letterfont
