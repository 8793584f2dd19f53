#include "GridWindow.h"
#include "grid/GridView.h"

#include "grid/ShownGrid.h"
#include "support/ui/WindowParts.h"

#include <QScrollBar>

namespace {

const QColor kYellow(255, 255, 0);
const QColor kWhite(255, 255, 255);

using SlotPaintWindow = GridWindow;

// Whether the w × h band of `target` at (tx, ty) is a copy of the band of `source` at (sx, sy).
bool sameBand(const PictureBox& target, int tx, int ty, const PictureBox& source, int sx, int sy,
              int w, int h) {
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (target.pixel(tx + x, ty + y) != source.pixel(sx + x, sy + y))
                return false;
    return true;
}

// Dark dots of one digit of a strip: a legible digit has some, and not everywhere.
int darkDots(const PictureBox& strip, int x0, int w) {
    int n = 0;
    for (int y = 0; y < strip.pictureHeight(); ++y)
        for (int x = x0; x < x0 + w; ++x)
            n += strip.pixel(x, y) == QColor(Qt::black);
    return n;
}

TEST_F(SlotPaintWindow, DigitStripsHoldTenDistinctDigitsOnEachBackground) {
    // White, yellow, the two shades of dead cells, then the solver's revealed cells.
    const QColor backgrounds[] = {kWhite, kYellow, QColor(255, 200, 200), QColor(255, 190, 60),
                                  QColor(200, 225, 255)};
    for (int s = 1; s <= 3; ++s) {
        const PictureBox& strip = *part::digitStrips(*form)[static_cast<std::size_t>(s - 1)];
        EXPECT_EQ(strip.pictureWidth(), 250 * s);
        for (int set = 0; set < 5; ++set) // the blank column of digit 0
            EXPECT_EQ(strip.pixel(set * 50 * s + 5 * s - 1, 0), backgrounds[set]) << s;
        QList<QImage> seen;
        for (int k = 0; k < 10; ++k) {
            const int dots = darkDots(strip, k * 5 * s, 5 * s);
            EXPECT_GT(dots, 6 * s * s) << s << ":" << k;
            for (int set = 1; set < 5; ++set)
                EXPECT_EQ(darkDots(strip, set * 50 * s + k * 5 * s, 5 * s), dots) << s << ":" << k;
            const QImage digit = strip.image().copy(k * 5 * s, 0, 5 * s, strip.pictureHeight());
            EXPECT_FALSE(seen.contains(digit)) << s << ":" << k;
            seen << digit;
        }
    }
}

TEST_F(SlotPaintWindow, NumberTwelveFromTheYellowThenTheWhiteDigits) {
    // Row 0 starts 1 across and twelve down words: number 12 sits in cell (11, 0).
    startAuthoring({"............", "............"});
    ASSERT_EQ(numberAt(11, 0), 12);
    const PictureBox& strip = *part::digitStrips(*form)[0];
    const int h = strip.pictureHeight();
    const int x = 11 * C + 5;
    const int y = 5;
    struct Case {
        QColor background;
        CellLook look;
        int offset;
    };
    for (const Case& c :
         {Case{kYellow, CellLook::Selected, 50}, Case{kWhite, CellLook::Plain, 0}}) {
        part::gridView(*form)->drawSlot(1, 0, c.look); // 1 across covers cell (11, 0)
        EXPECT_TRUE(sameBand(pic(), x + 2, y + 2, strip, 5 + c.offset, 0, 5, h));
        EXPECT_TRUE(sameBand(pic(), x + 7, y + 2, strip, 10 + c.offset, 0, 5, h));
        EXPECT_EQ(pic().pixel(x + 12, y + 2), c.background); // nothing after the "2"
    }
}

TEST_F(SlotPaintWindow, LargerNumberSizesUseTheirStrip) {
    for (const int size : {2, 3}) {
        state.settings.NumberSize = size;
        startAuthoring({"..", ".."});
        const PictureBox& strip = *part::digitStrips(*form)[static_cast<std::size_t>(size - 1)];
        // Cell (0, 0) of the highlighted 1 across: the yellow "1".
        EXPECT_TRUE(
            sameBand(pic(), 7, 7, strip, 50 * size + 5 * size, 0, 5 * size, strip.pictureHeight()))
            << size;
    }
}

TEST_F(SlotPaintWindow, HighlightedSlotIsYellowInsideBlackBorders) {
    startAuthoring({"....", "#..#"});
    for (int x = 0; x < 4; ++x) {
        const int left = x * C + 5;
        EXPECT_EQ(cellColor(x, 0), kYellow);
        EXPECT_EQ(pic().pixel(left + C / 2, 5 + C / 2), kYellow);
        for (const auto& [px, py] : {std::pair{left, 15}, std::pair{left + C, 15},
                                     std::pair{left + 10, 5}, std::pair{left + 10, 5 + C}})
            EXPECT_EQ(pic().pixel(px, py), QColor(Qt::black)) << px << "," << py;
    }
    EXPECT_EQ(cellColor(1, 1), kWhite);
}

TEST_F(SlotPaintWindow, LettersAreCentredBesideTheNumbers) {
    startAuthoring({"..", "##"});
    doc().SlotTexts.set(1, 1, 0, "\xc4\xc0"); // ДА
    doc().CurrentSlot = 0;                    // nothing selected: every cell plain
    form->state().session.showForSetup(form->state().session.shownStyle());
    GridView& view = *part::gridView(*form);
    view.drawGrid();
    const CellPainter painter = view.cellPainter(view.fieldGeometry());
    // Cell 0 holds number 1: every dark pixel off the number lies in the letter's room, the
    // ink centred across it.
    for (int x = 0; x < 2; ++x) {
        const QRect inside = view.fieldGeometry().inside(x, 0);
        const QRect number = painter.numberBox(x, 0, x == 0 ? 1 : 0);
        const QRect room = painter.letterRoom(x, 0);
        QRect ink;
        for (int py = inside.top(); py <= inside.bottom(); ++py)
            for (int px = inside.left(); px <= inside.right(); ++px)
                if (pic().pixel(px, py).lightness() < 128 && (x != 0 || !number.contains(px, py)))
                    ink |= QRect(px, py, 1, 1);
        ASSERT_FALSE(ink.isEmpty()) << x;
        EXPECT_TRUE(room.contains(ink)) << x;
        EXPECT_FALSE(ink.intersects(painter.numberBox(x, 0, 1))) << x;
        // Within the antialiased edge's pixel on either side.
        EXPECT_LE(std::abs((ink.left() - room.left()) - (room.right() - ink.right())), 2) << x;
    }
}

// Scrolling a newly highlighted slot into view, on a grid far larger than the viewport.
class ScrollingWindow : public GridWindow {
protected:
    void SetUp() override {
        GridWindow::SetUp();
        form->resize(600, 450);
        startAuthoring(blockPattern(60, 60));
        ASSERT_FALSE(part::gridView(*form)->horizontalBar()->isHidden());
        ASSERT_FALSE(part::gridView(*form)->verticalBar()->isHidden());
    }
    // The visible part of the picture, in picture pixels.
    QRect visible() {
        return QRect(part::gridView(*form)->horizontalBar()->value(),
                     part::gridView(*form)->verticalBar()->value(),
                     part::gridView(*form)->horizontalBar()->width(),
                     part::gridView(*form)->verticalBar()->height());
    }
    QRect slotRect(int n, int d) {
        const Table<int>& t = doc().ShownSlotTable;
        const int len = t.at(n, 2, d);
        return QRect(t.at(n, 0, d) * C + 5, t.at(n, 1, d) * C + 5, (d == 0 ? len : 1) * C + 1,
                     (d == 1 ? len : 1) * C + 1);
    }
};

TEST_F(ScrollingWindow, SlotAboveOrLeftOfTheViewShowsItsFirstCell) {
    struct Case {
        int cx, cy, d;
    };
    for (const Case& c : {Case{0, 20, 0}, Case{20, 0, 1}, Case{32, 36, 0}}) {
        part::gridView(*form)->horizontalBar()->setValue(
            part::gridView(*form)->horizontalBar()->maximum());
        part::gridView(*form)->verticalBar()->setValue(
            part::gridView(*form)->verticalBar()->maximum());
        const int n = numberAt(c.cx, c.cy);
        ASSERT_GT(n, 0);
        part::gridView(*form)->drawSlot(n, c.d, CellLook::Selected);
        EXPECT_EQ(part::gridView(*form)->horizontalBar()->value(), C * c.cx);
        EXPECT_EQ(part::gridView(*form)->verticalBar()->value(), C * c.cy);
        EXPECT_EQ(-pic().x(), part::gridView(*form)->horizontalBar()->value());
        EXPECT_EQ(-pic().y(), part::gridView(*form)->verticalBar()->value());
    }
}

TEST_F(ScrollingWindow, SlotBelowOrRightOfTheViewComesIntoIt) {
    struct Case {
        int cx, cy, d;
    };
    for (const Case& c : {Case{56, 58, 0}, Case{58, 56, 1}, Case{4, 40, 1}, Case{40, 1, 0}}) {
        part::gridView(*form)->horizontalBar()->setValue(0);
        part::gridView(*form)->verticalBar()->setValue(0);
        const int n = numberAt(c.cx, c.cy);
        ASSERT_GT(n, 0);
        part::gridView(*form)->drawSlot(n, c.d, CellLook::Selected);
        EXPECT_TRUE(visible().contains(slotRect(n, c.d)))
            << c.cx << "," << c.cy << " in " << visible().x() << "," << visible().y();
        EXPECT_LE(part::gridView(*form)->horizontalBar()->value(),
                  part::gridView(*form)->horizontalBar()->maximum());
        EXPECT_LE(part::gridView(*form)->verticalBar()->value(),
                  part::gridView(*form)->verticalBar()->maximum());
    }
}

TEST_F(SlotPaintWindow, TallNarrowGridScrollsDownWithoutAHorizontalBar) {
    form->resize(600, 450);
    startAuthoring(blockPattern(3, 60));
    ASSERT_TRUE(part::gridView(*form)->horizontalBar()->isHidden());
    ASSERT_FALSE(part::gridView(*form)->verticalBar()->isHidden());
    const int n = numberAt(0, 56);
    part::gridView(*form)->drawSlot(n, 1, CellLook::Selected);
    const int bottom = 59 * C + 5;
    EXPECT_LE(bottom - part::gridView(*form)->verticalBar()->value(),
              part::gridView(*form)->height());
    EXPECT_EQ(part::gridView(*form)->horizontalBar()->value(), 0);
    EXPECT_EQ(pic().x(), 0);
}

TEST_F(SlotPaintWindow, ScrollBarsFollowThePictureSize) {
    struct Case {
        const char* name;
        int extraWidth, extraHeight;
        bool h, v;
    };
    for (const Case& c :
         {Case{"smaller", -40, -40, false, false}, Case{"slightly wider only", 5, -40, true, false},
          Case{"slightly wider but taller", 5, 30, true, true},
          Case{"taller only", -40, 30, false, true},
          Case{"taller and just narrow enough", -17, 30, false, true}}) {
        part::gridView(*form)->horizontalBar()->setMaximum(100);
        part::gridView(*form)->horizontalBar()->setValue(50);
        part::gridView(*form)->verticalBar()->setMaximum(100);
        part::gridView(*form)->verticalBar()->setValue(50);
        const QWidget* view = part::gridView(*form);
        pic().setPictureSize(view->width() + c.extraWidth, view->height() + c.extraHeight);
        part::gridView(*form)->updateScrollBars();
        EXPECT_EQ(!part::gridView(*form)->horizontalBar()->isHidden(), c.h) << c.name;
        EXPECT_EQ(!part::gridView(*form)->verticalBar()->isHidden(), c.v) << c.name;
        EXPECT_EQ(!part::gridView(*form)->corner()->isHidden(), c.h && c.v) << c.name;
        if (!c.h) {
            EXPECT_EQ(part::gridView(*form)->horizontalBar()->value(), 0) << c.name;
        }
        if (!c.v) {
            EXPECT_EQ(part::gridView(*form)->verticalBar()->value(), 0) << c.name;
        }
    }
}

} // namespace

namespace {

// Every slot's answer all one letter (Windows-1251).
void fillEverySlot(CrosswordDocument& doc, char letter) {
    for (int n = 1; n <= doc.NumberedCount; ++n)
        for (int d = 0; d <= 1; ++d)
            doc.SlotTexts.set(n, 1, d, QByteArray(doc.SlotTable.at(n, 2, d), letter));
}

// The full repaint paints each cell once; it must look exactly like painting every slot.
TEST_F(SlotPaintWindow, RedrawLooksLikeEverySlotPaintedWhite) {
    for (const int style : {0, 1}) {
        startAuthoring(blockPattern(9, 7));
        fillEverySlot(doc(), 'W');
        doc().CurrentSlot = 0; // nothing selected: every cell plain
        state.session.showForSetup(style);
        part::gridView(*form)->drawGrid();
        const QImage whole = pic().image();
        pic().clear();
        for (int n = 1; n <= doc().NumberedCount; ++n)
            for (int d = 0; d <= 1; ++d)
                if (doc().ShownSlotTable.at(n, 2, d) > 0)
                    part::gridView(*form)->drawSlot(n, d, CellLook::Plain);
        EXPECT_EQ(pic().image(), whole) << style;
    }
}

// Whatever size the letter font is chosen at, the screen's letters take the size the cells
// leave them, each cell looks as drawing it alone would, and a repaint lays each letter out
// once instead of once per cell (whose cost grew with the font: seconds for the largest grid).
TEST_F(SlotPaintWindow, LettersFollowTheCellWhateverTheFontSizeAndAreLaidOutOncePerLetter) {
    int fitted = 0;
    for (const int points : {6, 40, 400}) {
        startAuthoring(blockPattern(9, 7));
        fillEverySlot(doc(), '\xd3'); // У
        doc().CurrentSlot = 0;        // nothing selected: every cell plain
        state.settings.LetterFontSize = points;
        form->applyLetterFont();
        form->state().session.showForSetup(form->state().session.shownStyle());
        GridView& view = *part::gridView(*form);
        view.drawGrid();
        const int before = pic().lettersDrawn();
        view.redrawGrid();
        EXPECT_LE(pic().lettersDrawn() - before, 0) << points; // all from the first drawing
        if (fitted == 0)
            fitted = pic().pictureFont().pixelSize();
        EXPECT_EQ(pic().pictureFont().pixelSize(), fitted) << points;

        // Each cell alone, step by step: square, inside, number, the whole letter.
        const CellPainter painter = view.cellPainter(view.fieldGeometry());
        PictureBox alone;
        alone.setPictureSize(pic().pictureWidth(), pic().pictureHeight());
        alone.setPictureFont(pic().pictureFont());
        alone.setForeColor(pic().foreColor());
        bool ink = false;
        for (int y = 0; y < doc().GridHeight; ++y)
            for (int x = 0; x < doc().GridWidth; ++x) {
                const int code = doc().CellMap.at(x, y, layer::kLetter);
                if (code <= 0)
                    continue;
                const int left = x * C + 5, top = y * C + 5;
                alone.clear();
                alone.fillBox(left, top, left + C, top + C, Qt::black);
                alone.fillBox(left + 1, top + 1, left + C - 1, top + C - 1, kWhite);
                if (const int n = doc().CellMap.at(x, y, layer::kNumber); n > 0)
                    painter.number(alone, x, y, n, CellLook::Plain);
                painter.letter(alone, x, y, QChar(0x0423), 0);
                // The inside: the borders are shared with the neighbours, painted after.
                for (int py = top + 1; py < top + C; ++py)
                    for (int px = left + 1; px < left + C; ++px) {
                        ASSERT_EQ(pic().pixel(px, py), alone.pixel(px, py))
                            << points << " cell " << x << ',' << y << " at " << px << ',' << py;
                        ink = ink || alone.pixel(px, py).lightness() < 100;
                    }
            }
        EXPECT_TRUE(ink) << points;
    }
}

} // namespace
