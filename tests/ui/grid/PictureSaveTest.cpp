#include "grid/PictureBox.h"
#include "support/WriteFailures.h"

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
