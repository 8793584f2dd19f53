#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// A named pipe at path that nobody writes to: opening it for reading waits for a writer. So that
// a reader that does wait fails its test instead of hanging it, the pipe gets a writer after a
// few seconds, which hands it `rescue` (a file that reads as sound) and closes.
class StuckPipe {
public:
    StuckPipe(const QString& path, QByteArray rescue)
        : path_(QFile::encodeName(path)), rescue_(std::move(rescue)) {
        made_ = ::mkfifo(path_.constData(), 0644) == 0;
        if (made_)
            watchdog_ = std::thread([this] { rescueWaitingReader(); });
    }
    ~StuckPipe() {
        {
            const std::lock_guard lock(mutex_);
            done_ = true;
        }
        wake_.notify_all();
        if (watchdog_.joinable())
            watchdog_.join();
    }
    StuckPipe(const StuckPipe&) = delete;
    StuckPipe& operator=(const StuckPipe&) = delete;

    bool made() const { return made_; }
    // Whether the pipe is still a pipe (not replaced by a plain file).
    bool stillAPipe() const {
        struct stat st {};
        return ::lstat(path_.constData(), &st) == 0 && S_ISFIFO(st.st_mode);
    }

private:
    void rescueWaitingReader() {
        std::unique_lock lock(mutex_);
        while (!done_) {
            if (wake_.wait_for(lock, std::chrono::seconds(3), [this] { return done_; }))
                return;
            // Only succeeds while a reader is waiting in open().
            const int fd = ::open(path_.constData(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0) {
                [[maybe_unused]] const auto n = ::write(fd, rescue_.constData(), rescue_.size());
                ::close(fd);
            }
        }
    }

    QByteArray path_;
    QByteArray rescue_;
    bool made_ = false;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool done_ = false;
    std::thread watchdog_;
};
