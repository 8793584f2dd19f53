#include "grid/PictureBox.h"
#include "support/WriteFailures.h"

#include <QBuffer>
#include <QImage>

#include <gtest/gtest.h>

#include <memory>

// The export pictures go through a safe save like every other file.
TEST(SafeSave, PictureWriterReportsAFailureAtAnyPoint) {
    auto picture = std::make_shared<PictureBox>();
    picture->setBackColor(Qt::white);
    picture->setPictureSize(61, 41);
    picture->clear();
    picture->fillBox(10, 10, 30, 20, Qt::yellow);
    expectEveryWriteFailureReported([picture](QIODevice& d) { return picture->saveBmp(d); });
}

// The export pictures are 24-bit BMPs (what the HTML page has always linked), with the picture's
// pixels, whatever format the picture is held in.
TEST(PictureBox, SavesA24BitBmpOfItsPixels) {
    PictureBox picture;
    picture.setBackColor(Qt::white);
    picture.setPictureSize(61, 41);
    picture.clear();
    picture.fillBox(10, 10, 30, 20, QColor(10, 200, 30));
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(picture.saveBmp(buffer));
    const QByteArray bmp = buffer.data();
    ASSERT_GT(bmp.size(), 30);
    EXPECT_TRUE(bmp.startsWith("BM"));
    EXPECT_EQ(static_cast<unsigned char>(bmp[28]), 24) << "bits per pixel";
    const QImage read = QImage::fromData(bmp, "BMP");
    ASSERT_EQ(read.size(), QSize(61, 41));
    EXPECT_EQ(read.pixel(0, 0), QColor(Qt::white).rgb());
    EXPECT_EQ(read.pixel(20, 15), QColor(10, 200, 30).rgb());
}
