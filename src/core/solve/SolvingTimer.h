#pragma once

#include <QtGlobal>

#include <functional>

// The solver's elapsed time. It runs while a crossword is being solved and the caller has not
// paused it (the window pauses it while it is inactive or minimised); solving and pausing are
// kept apart, so that a pause that began before solving still holds when solving starts.
class SolvingTimer {
public:
    // Milliseconds of a clock that never goes back.
    using Clock = std::function<qint64()>;

    SolvingTimer();
    // Tests give a clock of their own, so that no test waits for time to pass.
    void setClock(Clock clock);

    // Solving begins, or goes on, with `elapsedMs` already taken.
    void start(qint64 elapsedMs);
    // Solving is over or was never begun: the time stands still until the next start.
    void stop();
    void pause();
    void resume();

    qint64 elapsedMs() const;
    bool solving() const { return solving_; }
    bool paused() const { return paused_; }
    bool running() const { return solving_ && !paused_; }

private:
    // The time run since the last mark added to the elapsed time, and a new mark.
    void settle();

    Clock clock_;
    qint64 elapsed_ = 0;
    qint64 mark_ = 0;
    bool solving_ = false;
    bool paused_ = false;
};

// The time as the solver reads it: "m:ss", or "h:mm:ss" from an hour on.
QByteArray formatSolvingTime(qint64 elapsedMs);
