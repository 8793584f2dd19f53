#include "support/WriteFailures.h"

#include "support/FailingDevice.h"

#include <QBuffer>
#include <QFile>

#include <gtest/gtest.h>

void expectEveryWriteFailureReported(const std::function<bool(QIODevice&)>& write) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(write(buffer));
    const qint64 full = buffer.data().size();
    ASSERT_GT(full, 2);
    for (const qint64 room : {qint64(0), qint64(1), full / 2, full - 1}) {
        FailingDevice device(room);
        EXPECT_FALSE(write(device)) << "room " << room;
        EXPECT_EQ(device.written().size(), room);
    }
    QFile devFull(QStringLiteral("/dev/full"));
    ASSERT_TRUE(devFull.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    EXPECT_FALSE(write(devFull)) << "/dev/full";
}
