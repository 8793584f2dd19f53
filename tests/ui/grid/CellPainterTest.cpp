#include "grid/CellPainter.h"

#include "grid/DigitStrips.h"
#include "grid/PictureBox.h"

#include <gtest/gtest.h>

namespace {

// The screen's letters, fitted to the cell, never touch its number nor its lines, whatever
// the cell size, the number size (the zoom scales both), the style and the chosen font.
TEST(CellPainter, FittedLettersStayBesideTheNumberInsideTheLines) {
    struct Font {
        const char* family;
        int points;
        bool bold, italic;
    };
    const Font fonts[] = {{"DejaVu Sans", 10, false, false},
                          {"DejaVu Serif", 48, true, false},
                          {"DejaVu Sans Mono", 6, false, true}};
    const QString letters = QStringLiteral(u"АЙЖЩДЦФЮЁWQgj");
    for (const int scale : {1, 2, 3})
        for (const int cell : {20, 27, 40, 80, 160}) {
            if (cell < 20 * scale) // the number alone fills a smaller cell
                continue;
            PictureBox digits;
            drawDigitStrip(digits, scale);
            for (const bool turned : {false, true}) {
                const FieldGeometry geometry(cell, 4, 3, turned ? 0 : 5, turned);
                const CellPainter painter(geometry, digits, scale, LetterPlace::Fitted);
                for (const Font& f : fonts) {
                    QFont chosen(QString::fromLatin1(f.family), f.points);
                    chosen.setBold(f.bold);
                    chosen.setItalic(f.italic);
                    PictureBox pic;
                    pic.setPictureFont(painter.fittedFont(chosen));
                    const QString where = QStringLiteral("cell %1 scale %2 turned %3 font %4")
                                              .arg(cell)
                                              .arg(scale)
                                              .arg(turned)
                                              .arg(QString::fromLatin1(f.family));
                    // The family and style are the chosen ones, only the size follows the cell.
                    EXPECT_EQ(pic.pictureFont().family(), chosen.family()) << qPrintable(where);
                    EXPECT_EQ(pic.pictureFont().bold(), f.bold) << qPrintable(where);
                    EXPECT_EQ(pic.pictureFont().italic(), f.italic) << qPrintable(where);
                    int capitalHeight = 0;
                    for (const QPoint c : {QPoint(0, 0), QPoint(3, 2), QPoint(1, 2)})
                        for (const QChar letter : letters) {
                            const QRect ink = painter.letterInk(pic, c.x(), c.y(), letter, 0);
                            const QRect inside = geometry.inside(c.x(), c.y());
                            EXPECT_TRUE(inside.contains(ink))
                                << qPrintable(where) << " letter " << int(letter.unicode());
                            for (const int n : {8, 88, 188})
                                EXPECT_FALSE(ink.intersects(painter.numberBox(c.x(), c.y(), n)))
                                    << qPrintable(where) << " letter " << int(letter.unicode());
                            // Centred across the room, within a pixel of rounding.
                            const QRect room = painter.letterRoom(c.x(), c.y());
                            EXPECT_LE(
                                std::abs((ink.left() - room.left()) - (room.right() - ink.right())),
                                1)
                                << qPrintable(where) << " letter " << int(letter.unicode());
                            if (letter == QChar(u'Ж'))
                                capitalHeight = ink.height();
                        }
                    // Not a speck: the letter takes a fair part of its room.
                    const QRect room = painter.letterRoom(0, 0);
                    EXPECT_GE(capitalHeight * 5, room.height() * 2) << qPrintable(where);
                }
            }
        }
}

// The export pictures keep the letter where the font and offset put it: right-aligned.
TEST(CellPainter, LettersAsTheFontPutsThemStayRightAligned) {
    PictureBox digits;
    drawDigitStrip(digits, 1);
    const FieldGeometry geometry = FieldGeometry::exported(20, 3, 3, 0);
    const CellPainter painter(geometry, digits, 1);
    EXPECT_EQ(painter.letterPlace(), LetterPlace::AsFont);
    PictureBox pic;
    pic.setPictureFont(QFont(QStringLiteral("DejaVu Sans"), 10));
    const QChar letter(u'Ж');
    const QRect ink = painter.letterInk(pic, 1, 1, letter, 4);
    const QPoint at = geometry.letterAt(1, 1, pic.textWidth(QString(letter)), 4);
    EXPECT_EQ(ink, pic.letterInk(letter).translated(at));
}

} // namespace
