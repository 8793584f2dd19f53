#include "app/EditHistory.h"

#include <utility>

namespace {

template <typename T> std::size_t tableBytes(const Table<T>& t) {
    std::size_t cells = t.isEmpty() ? 0 : 1;
    for (int d = 0; d < t.rank(); ++d)
        cells *= static_cast<std::size_t>(t.upperBound(d) + 1);
    return cells * sizeof(T);
}

EditHistory::Selection selectionOf(const CrosswordDocument& d) {
    return {d.CurrentSlot, d.CurrentDirection, d.CurrentDownSlot};
}

} // namespace

std::size_t EditHistory::estimatedBytes(const CrosswordDocument& state) {
    // Texts are shared between states until one of them changes, so only their handles count.
    return sizeof(CrosswordDocument) + tableBytes(state.CellMap) + tableBytes(state.SlotTable) +
           tableBytes(state.ShownSlotTable) + tableBytes(state.SlotTexts) +
           tableBytes(state.SolvedFlags) + tableBytes(state.Aids.RevealedWords) +
           tableBytes(state.Aids.RevealedCells);
}

void EditHistory::reset(CrosswordDocument state, int shownStyle, bool saved) {
    entries_.clear();
    const std::size_t bytes = estimatedBytes(state);
    entries_.push_back({std::move(state), bytes, shownStyle, {}});
    totalBytes_ = bytes;
    index_ = 0;
    saved_ = saved ? std::optional<std::size_t>(0) : std::nullopt;
}

void EditHistory::record(CrosswordDocument state, int shownStyle, Selection began) {
    while (canRedo()) {
        totalBytes_ -= entries_.back().bytes;
        entries_.pop_back();
    }
    if (saved_ && *saved_ > index_)
        saved_.reset();
    entries_[index_].nextBegan = began;
    const std::size_t bytes = estimatedBytes(state);
    entries_.push_back({std::move(state), bytes, shownStyle, {}});
    totalBytes_ += bytes;
    index_ = entries_.size() - 1;
    while (totalBytes_ > kBudgetBytes && entries_.size() > kMinSteps + 1) {
        totalBytes_ -= entries_.front().bytes;
        entries_.pop_front();
        --index_;
        if (saved_)
            saved_ = *saved_ == 0 ? std::nullopt : std::optional<std::size_t>(*saved_ - 1);
    }
}

EditHistory::Restored EditHistory::undo() {
    if (canUndo())
        --index_;
    const Entry& e = entries_[index_];
    return {e.state, e.nextBegan, e.shownStyle};
}

EditHistory::Restored EditHistory::redo() {
    if (canRedo())
        ++index_;
    const Entry& e = entries_[index_];
    return {e.state, selectionOf(e.state), e.shownStyle};
}
