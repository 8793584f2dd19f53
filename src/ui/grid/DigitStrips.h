#pragma once

class PictureBox;

// Draws the strip of slot-number digits for number size `scale` (1 to 3), as CellPainter
// takes it: the ten digits on each of slotcolor::kNumberBackgrounds in turn.
void drawDigitStrip(PictureBox& strip, int scale);
