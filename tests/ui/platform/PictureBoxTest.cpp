#include "platform/PictureBox.h"

#include <gtest/gtest.h>

namespace {

void drawSample(PictureBox& pic) {
    pic.fillBox(0, 0, 39, 29, Qt::white);
    pic.box(2, 2, 20, 20, Qt::black);
    pic.line(0, 25, 30, 25, Qt::red);
    pic.printText(22, 2, QStringLiteral("\u0416"));
    pic.printText(2, 12, QStringLiteral("ab"));
}

TEST(PictureBox, BatchDrawsWhatSingleCallsDraw) {
    PictureBox single;
    PictureBox batched;
    for (PictureBox* p : {&single, &batched})
        p->setPictureSize(40, 30);
    drawSample(single);
    {
        const PictureBox::Batch outer(batched);
        const PictureBox::Batch inner(batched);
        drawSample(batched);
    }
    EXPECT_EQ(batched.image(), single.image());
}

// The cell cache must leave the same pixels as drawing the cell step by step, and refuse where
// it cannot: a letter whose ink leaves the cell (big font in a small cell), a cell off the
// picture, a cell too small to have an inside.
TEST(PictureBox, StampedCellsLookAsDrawnStepByStep) {
    struct Case {
        int cell;
        int pixelSize;
        QChar letter;
        QPoint at; // of the cell's corner
        bool stamped;
    };
    const Case cases[] = {
        {20, 12, QChar(0x0416), {5, 5}, true},  {20, 12, QChar(0x0416), {25, 5}, true},
        {20, 12, QChar(), {5, 25}, true},       {30, 14, QChar(u'W'), {5, 5}, true},
        {20, 40, QChar(0x0416), {5, 5}, false}, {20, 12, QChar(0x0416), {70, 70}, false},
        {1, 12, QChar(), {5, 5}, false},
    };
    for (const Case& c : cases) {
        PictureBox stamped;
        PictureBox drawn;
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(c.pixelSize);
        for (PictureBox* p : {&stamped, &drawn}) {
            p->setPictureSize(80, 80);
            p->setPictureFont(font);
            p->setForeColor(Qt::darkBlue);
        }
        const QRect square(c.at, QSize(c.cell + 1, c.cell + 1));
        const QString text = c.letter.isNull() ? QString() : QString(c.letter);
        const QPoint letterAt(square.right() - drawn.textWidth(text) - 2, square.top() + 1);
        const QColor inside(Qt::yellow);
        for (int twice = 0; twice < 2; ++twice) { // the second time from the cache
            const PictureBox::Batch batch(stamped);
            EXPECT_EQ(stamped.stampCell(square, Qt::black, inside, c.letter, letterAt), c.stamped)
                << c.cell << ' ' << c.pixelSize;
        }
        if (!c.stamped) {
            PictureBox blank;
            blank.setPictureSize(80, 80);
            EXPECT_EQ(stamped.image(), blank.image()) << "drew nothing";
            continue;
        }
        drawn.fillBox(square.left(), square.top(), square.right(), square.bottom(), Qt::black);
        drawn.fillBox(square.left() + 1, square.top() + 1, square.right() - 1, square.bottom() - 1,
                      inside);
        if (!text.isEmpty())
            drawn.printText(letterAt.x(), letterAt.y(), text);
        EXPECT_EQ(stamped.image(), drawn.image()) << c.cell << ' ' << c.pixelSize;
    }
}

TEST(PictureBox, LettersFollowAFontChange) {
    PictureBox pic;
    pic.setPictureSize(80, 80);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(10);
    pic.setPictureFont(font);
    const QString w = QStringLiteral("W");
    const int small = pic.textWidth(w);
    pic.printText(0, 0, w);
    font.setPixelSize(40);
    pic.setPictureFont(font);
    EXPECT_GT(pic.textWidth(w), small * 2);
    pic.clear();
    pic.printText(0, 0, w);
    // The large letter reaches far beyond where the small one ended.
    bool ink = false;
    for (int y = 0; y < 80; ++y)
        ink = ink || pic.pixel(small + 10, y).lightness() < 128;
    EXPECT_TRUE(ink);
}

} // namespace
