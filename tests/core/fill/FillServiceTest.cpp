#include "fill/FillService.h"

#include "support/FillGrid.h"

#include <QCoreApplication>
#include <QThread>

#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>

using fill::FillService;

namespace {

// 1 across and down from (0, 0), 2 down from (2, 0), 3 across from (0, 2).
const QByteArrayList kRing{"...", ".#.", "..."};
const QByteArrayList kWords{"CAT", "COT", "TOP", "TAP", "TEA", "APE", "PEA", "CUP", "PUT", "TUT"};

// A source of words that keeps the service's thread waiting until the test opens it, as slow
// lists on a slow disk would.
class Gate {
public:
    fill::LexiconSource source() {
        return [this] {
            std::unique_lock lock(mutex_);
            ++entered_;
            changed_.notify_all();
            changed_.wait(lock, [this] { return open_; });
            return words_;
        };
    }
    void waitUntilEntered(int times) {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return entered_ >= times; });
    }
    void open() {
        const std::lock_guard lock(mutex_);
        open_ = true;
        changed_.notify_all();
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    int entered_ = 0;
    bool open_ = false;
    std::shared_ptr<const fill::Lexicon> words_ = std::make_shared<fill::Lexicon>(lexicon(kWords));
};

// What the service reported, and on which thread.
struct Reports {
    std::vector<std::vector<int>> deadCells;
    std::vector<std::vector<QByteArray>> suggestions;
    bool onCallersThread = true;

    explicit Reports(FillService& service) {
        QObject::connect(&service, &FillService::deadCellsFound,
                         [this](const std::vector<int>& cells) {
                             deadCells.push_back(cells);
                             onCallersThread &= QThread::currentThread() == qApp->thread();
                         });
        QObject::connect(&service, &FillService::suggestionsFound,
                         [this](int, const std::vector<QByteArray>& words) {
                             suggestions.push_back(words);
                             onCallersThread &= QThread::currentThread() == qApp->thread();
                         });
    }
};

// Lets everything asked for so far end and its reports arrive.
void settle(FillService& service) {
    service.waitUntilIdle();
    QCoreApplication::sendPostedEvents();
}

std::shared_ptr<const fill::Lexicon> ringWords() {
    return std::make_shared<fill::Lexicon>(lexicon(kWords));
}

} // namespace

TEST(FillService, ReportsWhatTheEngineFindsOnTheCallersThread) {
    FillService service([] { return ringWords(); });
    Reports reports(service);
    // X across leaves 1 down and 2 down without a word.
    const fill::Problem xyz = grid({"XYZ", ".#.", "..."});
    service.findDeadCells(xyz);
    service.findSuggestions(grid({"CUT", ".#.", "..."}), 2, 50); // 1 down
    service.waitUntilIdle();
    // Found, but not reported until the caller's thread takes it.
    EXPECT_TRUE(reports.deadCells.empty());
    QCoreApplication::sendPostedEvents();
    ASSERT_EQ(reports.deadCells.size(), 1U);
    EXPECT_EQ(reports.deadCells[0], fill::deadCells(xyz, *ringWords()));
    EXPECT_FALSE(reports.deadCells[0].empty());
    ASSERT_EQ(reports.suggestions.size(), 1U);
    std::vector<QByteArray> words = reports.suggestions[0];
    std::sort(words.begin(), words.end());
    EXPECT_EQ(words, (std::vector<QByteArray>{"CAT", "COT", "CUP"}));
    EXPECT_TRUE(reports.onCallersThread);

    // Without any word nothing is judged dead.
    FillService empty([] { return std::make_shared<fill::Lexicon>(); });
    Reports none(empty);
    empty.findDeadCells(xyz);
    settle(empty);
    EXPECT_EQ(none.deadCells, (std::vector<std::vector<int>>{{}}));
}

TEST(FillService, TheCallerGoesOnWhileTheListsAreRead) {
    Gate gate;
    FillService service(gate.source());
    Reports reports(service);
    service.findDeadCells(grid(kRing));
    // The service's thread waits in the lists; this one has its answer back already.
    gate.waitUntilEntered(1);
    QCoreApplication::sendPostedEvents();
    EXPECT_TRUE(reports.deadCells.empty());
    gate.open();
    settle(service);
    EXPECT_EQ(reports.deadCells, (std::vector<std::vector<int>>{{}}));
}

TEST(FillService, OnlyTheLatestRequestIsReported) {
    const fill::Problem older = grid({"XYZ", ".#.", "..."});
    const fill::Problem newer = grid(kRing);
    {
        // Asked again while the first is still running.
        Gate gate;
        FillService service(gate.source());
        Reports reports(service);
        service.findDeadCells(older);
        gate.waitUntilEntered(1);
        service.findDeadCells(newer);
        gate.open();
        settle(service);
        EXPECT_EQ(reports.deadCells, (std::vector<std::vector<int>>{{}}));
    }
    {
        // Asked again after the first was found, before it was taken.
        FillService service([] { return ringWords(); });
        Reports reports(service);
        service.findDeadCells(older);
        service.findSuggestions(older, 2, 50);
        service.waitUntilIdle();
        service.findDeadCells(newer);
        service.findSuggestions(newer, 2, 50);
        settle(service);
        EXPECT_EQ(reports.deadCells, (std::vector<std::vector<int>>{{}}));
        EXPECT_EQ(reports.suggestions, (std::vector<std::vector<QByteArray>>{
                                           fill::suggestWords(newer, *ringWords(), 2, 50)}));
    }
    {
        // Dropped: a grid with nothing to look up any more.
        FillService service([] { return ringWords(); });
        Reports reports(service);
        service.findDeadCells(older);
        service.findSuggestions(older, 1, 50);
        service.waitUntilIdle();
        service.dropDeadCells();
        service.dropSuggestions();
        settle(service);
        EXPECT_TRUE(reports.deadCells.empty());
        EXPECT_TRUE(reports.suggestions.empty());
    }
}
