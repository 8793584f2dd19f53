#include "grid/PictureBox.h"

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

// The cell cache must leave the same pixels inside the square as drawing the cell step by step,
// cutting a letter that reaches beyond (big font in a small cell), touch nothing outside it,
// and refuse a cell off the picture.
TEST(PictureBox, StampedCellsLookAsDrawnStepByStep) {
    struct Case {
        int cell;
        int pixelSize;
        QChar letter;
        QPoint at; // of the cell's corner
        bool stamped;
    };
    const Case cases[] = {
        {20, 12, QChar(0x0416), {5, 5}, true},    {20, 12, QChar(0x0416), {25, 5}, true},
        {20, 12, QChar(), {5, 25}, true},         {30, 14, QChar(u'W'), {5, 5}, true},
        {20, 40, QChar(0x0416), {5, 5}, true},    {20, 40, QChar(0x0423), {30, 30}, true},
        {20, 300, QChar(0x0423), {30, 30}, true}, {20, 12, QChar(0x0416), {70, 70}, false},
        {1, 12, QChar(), {5, 5}, true},           {1, 40, QChar(0x0416), {5, 5}, true},
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
        // Centred, so that a large letter covers the cell and goes on beyond it.
        const QPoint letterAt(square.center() -
                              QPoint(drawn.textWidth(text), drawn.textHeight(text)) / 2);
        const QColor inside(Qt::yellow);
        for (int twice = 0; twice < 2; ++twice) { // the second time from the cache
            const PictureBox::Batch batch(stamped);
            EXPECT_EQ(stamped.stampCell(square, Qt::black, inside, c.letter, letterAt), c.stamped)
                << c.cell << ' ' << c.pixelSize;
        }
        drawn.fillBox(square.left(), square.top(), square.right(), square.bottom(), Qt::black);
        if (c.cell >= 2)
            drawn.fillBox(square.left() + 1, square.top() + 1, square.right() - 1,
                          square.bottom() - 1, inside);
        if (!text.isEmpty())
            drawn.printText(letterAt.x(), letterAt.y(), text);
        bool ink = text.isEmpty();
        for (int y = 0; y < 80; ++y)
            for (int x = 0; x < 80; ++x) {
                const bool in = c.stamped && square.contains(x, y);
                ASSERT_EQ(stamped.pixel(x, y), in ? drawn.pixel(x, y) : QColor(Qt::white))
                    << c.cell << ' ' << c.pixelSize << " at " << x << ',' << y;
                ink = ink ||
                      (in && drawn.pixel(x, y) != QColor(Qt::black) && drawn.pixel(x, y) != inside);
            }
        EXPECT_TRUE(ink || !c.stamped) << "the letter reaches into the cell " << c.pixelSize;
    }
}

// A letter over a stamped cell and what was drawn on it since (a slot number): the same
// pixels inside the square as drawing the letter there, each letter and colour drawn once.
TEST(PictureBox, StampedLettersLookAsDrawnOverWhatTheCellHolds) {
    for (const int pixelSize : {12, 40, 300}) {
        PictureBox stamped;
        PictureBox drawn;
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(pixelSize);
        for (PictureBox* p : {&stamped, &drawn}) {
            p->setPictureSize(100, 60);
            p->setPictureFont(font);
            p->setForeColor(Qt::darkBlue);
        }
        const QString text = QStringLiteral(u"У");
        const int drawsBefore = stamped.lettersDrawn();
        for (int cell = 0; cell < 4; ++cell) {
            const QRect square(5 + cell * 20, 5, 21, 21);
            const QPoint letterAt(square.center() -
                                  QPoint(drawn.textWidth(text), drawn.textHeight(text)) / 2);
            for (PictureBox* p : {&stamped, &drawn}) {
                const PictureBox::Batch batch(*p);
                ASSERT_TRUE(p->stampCell(square, Qt::black, Qt::yellow, QChar(), QPoint()));
                // A number: black and white dots, a band of another colour.
                p->fillBox(square.left() + 2, square.top() + 2, square.left() + 8,
                           square.top() + 16, Qt::white);
                p->fillBox(square.left() + 3, square.top() + 3, square.left() + 5,
                           square.top() + 15, Qt::black);
                p->fillBox(square.left() + 2, square.top() + 17, square.right(), square.top() + 18,
                           Qt::green);
            }
            ASSERT_TRUE(stamped.stampLetter(square, text.at(0), letterAt));
            drawn.printText(letterAt.x(), letterAt.y(), text);
            int inked = 0;
            for (int y = square.top(); y <= square.bottom(); ++y)
                for (int x = square.left(); x <= square.right(); ++x) {
                    ASSERT_EQ(stamped.pixel(x, y), drawn.pixel(x, y))
                        << pixelSize << " at " << x << ',' << y;
                    const QColor color = drawn.pixel(x, y);
                    inked += color != QColor(Qt::yellow) && color != QColor(Qt::white) &&
                             color != QColor(Qt::black) && color != QColor(Qt::green);
                }
            EXPECT_GT(inked, 0) << pixelSize;
        }
        // The ink, then one drawing per colour met: black, white, yellow, green.
        EXPECT_LE(stamped.lettersDrawn() - drawsBefore, 5) << pixelSize;
        EXPECT_FALSE(stamped.stampLetter(QRect(90, 50, 21, 21), text.at(0), QPoint(90, 50)));
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
