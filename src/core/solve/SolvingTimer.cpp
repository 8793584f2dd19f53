#include "solve/SolvingTimer.h"

#include <QByteArray>
#include <QElapsedTimer>

#include <algorithm>

namespace {

qint64 monotonicMs() {
    static const QElapsedTimer since = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return since.elapsed();
}

} // namespace

SolvingTimer::SolvingTimer() : clock_(monotonicMs) {}

void SolvingTimer::setClock(Clock clock) {
    settle();
    clock_ = std::move(clock);
    mark_ = clock_();
}

void SolvingTimer::settle() {
    const qint64 now = clock_();
    if (running())
        elapsed_ += std::max<qint64>(now - mark_, 0);
    mark_ = now;
}

void SolvingTimer::start(qint64 elapsedMs) {
    elapsed_ = std::max<qint64>(elapsedMs, 0);
    mark_ = clock_();
    solving_ = true;
}

void SolvingTimer::stop() {
    settle();
    solving_ = false;
}

void SolvingTimer::pause() {
    settle();
    paused_ = true;
}

void SolvingTimer::resume() {
    settle();
    paused_ = false;
}

qint64 SolvingTimer::elapsedMs() const {
    return running() ? elapsed_ + std::max<qint64>(clock_() - mark_, 0) : elapsed_;
}

QByteArray formatSolvingTime(qint64 elapsedMs) {
    const qint64 seconds = std::max<qint64>(elapsedMs, 0) / 1000;
    const qint64 h = seconds / 3600;
    const qint64 m = seconds / 60 % 60;
    const qint64 s = seconds % 60;
    const auto two = [](qint64 v) { return QByteArray::number(v).rightJustified(2, '0'); };
    if (h > 0)
        return QByteArray::number(h) + ':' + two(m) + ':' + two(s);
    return QByteArray::number(m) + ':' + two(s);
}
