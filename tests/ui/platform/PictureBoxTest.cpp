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
