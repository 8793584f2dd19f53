#include "solve/SolvingTimer.h"

#include <QByteArray>

#include <gtest/gtest.h>

namespace {

TEST(SolvingTimer, CountsOnlyWhileSolvingAndNotPaused) {
    qint64 now = 500;
    SolvingTimer timer;
    timer.setClock([&now] { return now; });
    now += 1'000;
    EXPECT_EQ(timer.elapsedMs(), 0) << "not solving yet";

    timer.start(10'000);
    now += 1'000;
    EXPECT_EQ(timer.elapsedMs(), 11'000);
    // Pausing twice, resuming twice: one pause.
    timer.pause();
    timer.pause();
    now += 7'000;
    timer.resume();
    timer.resume();
    now += 500;
    EXPECT_EQ(timer.elapsedMs(), 11'500);

    // Stopped, the time stands; a resume does not restart it, a start does from its own time.
    timer.stop();
    now += 4'000;
    timer.resume();
    EXPECT_EQ(timer.elapsedMs(), 11'500);
    EXPECT_FALSE(timer.running());
    timer.start(0);
    now += 250;
    EXPECT_EQ(timer.elapsedMs(), 250);
}

TEST(SolvingTimer, ReadsAsMinutesAndSecondsOrHours) {
    const std::pair<qint64, const char*> cases[] = {
        {0, "0:00"},          {999, "0:00"},          {61'000, "1:01"},
        {3'599'999, "59:59"}, {3'600'000, "1:00:00"}, {36'005'000, "10:00:05"},
        {-5'000, "0:00"}};
    for (const auto& [ms, text] : cases)
        EXPECT_EQ(formatSolvingTime(ms), QByteArray(text)) << ms;
}

} // namespace
