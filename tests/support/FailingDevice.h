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

// A device that hands out the first `good` bytes of `bytes`, a few at a time, and then fails,
// like a disk with a bad sector.
class FailingReadDevice : public QIODevice {
public:
    FailingReadDevice(QByteArray bytes, qint64 good) : bytes_(std::move(bytes)), good_(good) {
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* data, qint64 max) override {
        if (pos_ >= good_)
            return -1;
        const qint64 n = std::min({max, good_ - pos_, qint64(7)});
        std::copy_n(bytes_.constData() + pos_, n, data);
        pos_ += n;
        return n;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray bytes_;
    qint64 good_;
    qint64 pos_ = 0;
};
