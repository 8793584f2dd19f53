#pragma once

#include "fill/FillEngine.h"

#include <QObject>
#include <QStringList>

#include <atomic>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace fill {

// Where the words come from: the lists of the folders through a LexiconCache, or a test's own.
// Called on the service's thread, or on a fill's, never on two at once.
using LexiconSource = std::function<std::shared_ptr<const Lexicon>()>;
// The lists of the folders, kept between calls as LexiconCache keeps them.
LexiconSource listsIn(const QStringList& folders);

// The look-ups an author waits for after every move: reading the word lists, the dead cells and
// the suggestions, worked out on a thread of the service's own so that the caller's thread
// never waits for them. A request supersedes the earlier one of its kind: that one is cancelled
// if running and its result never reported. Results arrive by signal on the service's thread.
class FillService : public QObject {
    Q_OBJECT
public:
    explicit FillService(LexiconSource source, QObject* parent = nullptr);
    // Cancels what is running and waits for it.
    ~FillService() override;

    // Reported by deadCellsFound: fill::deadCells, or none while the lists hold no word.
    void findDeadCells(Problem problem);
    // Reported by suggestionsFound: fill::suggestWords for the slot.
    void findSuggestions(Problem problem, int slot, int maxCount);
    // Forget the requests of their kind not yet reported, for a grid that has nothing to look
    // up any more.
    void dropDeadCells();
    void dropSuggestions();

    // The words, read now unless the lists are unchanged; blocks the calling thread meanwhile.
    // For a fill in a thread of its own.
    std::shared_ptr<const Lexicon> lexicon();
    // Waits until nothing is pending or running; the results are then queued to the service's
    // thread. For tests and benchmarks.
    void waitUntilIdle();

signals:
    void deadCellsFound(const std::vector<int>& cells);
    void suggestionsFound(int slot, const std::vector<QByteArray>& words);

private:
    enum Kind { kDeadCells, kSuggestions, kKinds };
    struct Job {
        std::uint64_t id = 0;
        Problem problem;
        int slot = -1;
        int maxCount = 0;
    };
    void request(Kind kind, Job job);
    void drop(Kind kind);
    void run();
    void work(Kind kind, const Job& job, const std::atomic_bool& cancel);
    bool current(Kind kind, std::uint64_t id) const;

    LexiconSource source_;
    std::mutex sourceMutex_;

    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable idle_;
    std::optional<Job> pending_[kKinds];
    std::uint64_t latest_[kKinds] = {}; // the id of the last request of each kind
    std::uint64_t nextId_ = 0;
    std::atomic_bool cancel_[kKinds] = {};
    bool running_ = false;
    bool stopping_ = false;
    std::thread thread_;
};

// Hands memory freed by a large search back to the system, which the allocator would otherwise
// keep for the threads that used it.
void releaseFreedMemory();

} // namespace fill
