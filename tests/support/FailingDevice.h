#pragma once

#include <QIODevice>

#include <algorithm>

// A device that takes `room` bytes and then fails, like a disk that fills up: the write that
// reaches the limit is cut short, every later one fails.
class FailingDevice : public QIODevice {
public:
    explicit FailingDevice(qint64 room) : room_(room) { open(QIODevice::WriteOnly); }

    // The bytes taken before the failure.
    const QByteArray& written() const { return written_; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 len) override {
        if (room_ == 0)
            return -1;
        const qint64 taken = std::min(len, room_);
        written_.append(data, taken);
        room_ -= taken;
        return taken;
    }

private:
    qint64 room_;
    QByteArray written_;
};
