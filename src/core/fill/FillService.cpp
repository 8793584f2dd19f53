// The fill's look-ups on a thread of their own, the latest request of each kind winning.
#include "fill/FillService.h"

#include "fill/LexiconCache.h"

#include <QMetaObject>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace fill {

LexiconSource listsIn(const QStringList& folders) {
    auto cache = std::make_shared<LexiconCache>();
    return [cache, folders] { return cache->load(folders); };
}

FillService::FillService(LexiconSource source, QObject* parent)
    : QObject(parent), source_(std::move(source)), thread_([this] { run(); }) {}

FillService::~FillService() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
        for (std::atomic_bool& c : cancel_)
            c = true;
    }
    wake_.notify_all();
    thread_.join();
}

void FillService::findDeadCells(Problem problem) {
    request(kDeadCells, Job{0, std::move(problem), -1, 0});
}

void FillService::findSuggestions(Problem problem, int slot, int maxCount) {
    request(kSuggestions, Job{0, std::move(problem), slot, maxCount});
}

void FillService::request(Kind kind, Job job) {
    {
        const std::lock_guard lock(mutex_);
        job.id = ++nextId_;
        latest_[kind] = job.id;
        // The one running for an older state would only be thrown away.
        cancel_[kind] = true;
        pending_[kind] = std::move(job);
    }
    wake_.notify_all();
}

void FillService::dropDeadCells() {
    drop(kDeadCells);
}

void FillService::dropSuggestions() {
    drop(kSuggestions);
}

void FillService::drop(Kind kind) {
    const std::lock_guard lock(mutex_);
    latest_[kind] = ++nextId_;
    cancel_[kind] = true;
    pending_[kind].reset();
}

bool FillService::current(Kind kind, std::uint64_t id) const {
    // Read on the service's own thread, where requests are made too.
    return latest_[kind] == id;
}

std::shared_ptr<const Lexicon> FillService::lexicon() {
    const std::lock_guard lock(sourceMutex_);
    return source_();
}

void FillService::waitUntilIdle() {
    std::unique_lock lock(mutex_);
    idle_.wait(lock,
               [this] { return !running_ && !pending_[kDeadCells] && !pending_[kSuggestions]; });
}

void FillService::run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock,
                   [this] { return stopping_ || pending_[kDeadCells] || pending_[kSuggestions]; });
        if (stopping_)
            return;
        // The older request first: both kinds follow the same moves of the author.
        Kind kind = kDeadCells;
        if (!pending_[kDeadCells] ||
            (pending_[kSuggestions] && pending_[kSuggestions]->id < pending_[kDeadCells]->id))
            kind = kSuggestions;
        const Job job = std::move(*pending_[kind]);
        pending_[kind].reset();
        cancel_[kind] = false;
        running_ = true;
        lock.unlock();
        work(kind, job, cancel_[kind]);
        lock.lock();
        running_ = false;
        idle_.notify_all();
    }
}

void FillService::work(Kind kind, const Job& job, const std::atomic_bool& cancel) {
    const std::shared_ptr<const Lexicon> words = lexicon();
    if (cancel)
        return;
    const std::uint64_t id = job.id;
    if (kind == kDeadCells) {
        // Without any list there is nothing to judge by.
        std::vector<int> cells =
            hasWords(*words) ? deadCells(job.problem, *words, &cancel) : std::vector<int>{};
        if (cancel)
            return;
        releaseFreedMemory();
        QMetaObject::invokeMethod(
            this,
            [this, id, cells = std::move(cells)] {
                if (current(kDeadCells, id))
                    emit deadCellsFound(cells);
            },
            Qt::QueuedConnection);
        return;
    }
    std::vector<QByteArray> found =
        suggestWords(job.problem, *words, job.slot, job.maxCount, &cancel);
    if (cancel)
        return;
    releaseFreedMemory();
    QMetaObject::invokeMethod(
        this,
        [this, id, slot = job.slot, found = std::move(found)] {
            if (current(kSuggestions, id))
                emit suggestionsFound(slot, found);
        },
        Qt::QueuedConnection);
}

void releaseFreedMemory() {
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}

} // namespace fill
