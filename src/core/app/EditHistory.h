#pragma once

#include "grid/CrosswordDocument.h"

#include <cstddef>
#include <deque>
#include <optional>

// The states of the crossword that Undo and Redo go back and forth between: the state before
// the first step and the state after each step since. Whole states rather than each step's
// changes, so that every kind of step undoes exactly whatever it touched; the oldest steps are
// forgotten once the states together pass a memory budget.
class EditHistory {
public:
    // The states' estimated memory beyond which the oldest are dropped, and the steps kept
    // whatever their size.
    static constexpr std::size_t kBudgetBytes = std::size_t{64} << 20;
    static constexpr std::size_t kMinSteps = 20;

    struct Selection {
        int slot = 0;
        int direction = 0;
        int down = 0;
    };
    struct Restored {
        const CrosswordDocument& state;
        // Undone: where the step began, which the user may have moved to after the state
        // before it; redone: the step's own.
        Selection selection;
        int shownStyle; // the style its shown grid, if it holds one, is built in
    };

    // A history whose only state is `state`, shown in `shownStyle`; `saved` when that is what
    // its file holds.
    void reset(CrosswordDocument state, int shownStyle, bool saved);
    // `state` after a step that began at `began`; steps undone before it cannot be redone any
    // more.
    void record(CrosswordDocument state, int shownStyle, Selection began);
    bool canUndo() const { return index_ > 0; }
    bool canRedo() const { return index_ + 1 < entries_.size(); }
    // The state to go back or forward to; only while canUndo() or canRedo().
    Restored undo();
    Restored redo();
    // The current state is the one in the file now.
    void markSaved() { saved_ = index_; }
    bool atSaved() const { return saved_ == index_; }

    // What a state costs in memory, roughly: its tables and texts.
    static std::size_t estimatedBytes(const CrosswordDocument& state);

private:
    struct Entry {
        CrosswordDocument state;
        std::size_t bytes = 0;
        int shownStyle = 0;
        Selection nextBegan; // where the step after this state began
    };
    std::deque<Entry> entries_;
    std::size_t totalBytes_ = 0;
    std::size_t index_ = 0;
    std::optional<std::size_t> saved_;
};
