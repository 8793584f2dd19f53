// The dot-drawn digits of the slot numbers, one strip per number size.
#include "grid/DigitStrips.h"
#include "app/MainWindow.h"
#include "grid/PictureBox.h"
#include "grid/SlotColors.h"

#include <array>

namespace {

// Slot-number digits, 4 × 7 dots each, drawn with one blank column after them so that each
// digit takes 5 dots across. Every size scales the dots, so digits stay sharp.
constexpr int kDotsWide = 4;
constexpr int kDotsHigh = 7;
constexpr std::array<std::array<const char*, kDotsHigh>, 10> kGlyphs{{
    {".##.", "#..#", "#..#", "#..#", "#..#", "#..#", ".##."},
    {"..#.", ".##.", "..#.", "..#.", "..#.", "..#.", ".###"},
    {".##.", "#..#", "...#", "..#.", ".#..", "#...", "####"},
    {".##.", "#..#", "...#", "..#.", "...#", "#..#", ".##."},
    {"...#", "..##", ".#.#", "#..#", "####", "...#", "...#"},
    {"####", "#...", "###.", "...#", "...#", "#..#", ".##."},
    {".##.", "#...", "#...", "###.", "#..#", "#..#", ".##."},
    {"####", "...#", "...#", "..#.", "..#.", ".#..", ".#.."},
    {".##.", "#..#", "#..#", ".##.", "#..#", "#..#", ".##."},
    {".##.", "#..#", "#..#", ".###", "...#", "...#", ".##."},
}};

} // namespace

void drawDigitStrip(PictureBox& strip, int s) {
    const int digitWidth = 5 * s;
    constexpr int kSets = static_cast<int>(std::size(slotcolor::kNumberBackgrounds));
    strip.setPictureSize(kSets * 50 * s, kDotsHigh * s);
    // Some three hundred dots a strip: one painter for all of them.
    const PictureBox::Batch batch(strip);
    // The ten digits on each background in turn: white from x = 0, yellow from 50 × size...
    for (int set = 0; set < kSets; ++set)
        strip.fillBox(set * 50 * s, 0, (set + 1) * 50 * s - 1, kDotsHigh * s - 1,
                      slotcolor::kNumberBackgrounds[set]);
    for (int set = 0; set < kSets; ++set) {
        for (int digit = 0; digit < 10; ++digit) {
            const int x0 = set * 50 * s + digit * digitWidth;
            for (int row = 0; row < kDotsHigh; ++row)
                for (int col = 0; col < kDotsWide; ++col)
                    if (kGlyphs[static_cast<std::size_t>(digit)][static_cast<std::size_t>(row)]
                               [col] == '#')
                        strip.fillBox(x0 + col * s, row * s, x0 + col * s + s - 1, row * s + s - 1,
                                      slotcolor::kBorder);
        }
    }
}

void MainWindow::drawDigitStrips() {
    for (int s = 1; s <= 3; ++s)
        drawDigitStrip(*digitStrips[static_cast<std::size_t>(s - 1)], s);
}
