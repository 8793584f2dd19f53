#pragma once

#include "grid/Direction.h"
#include "grid/EditMode.h"

#include <vector>

struct CrosswordDocument;

struct SlotRef {
    int number = 0; // 0 = none
    Direction direction = Direction::Across;
    bool operator==(const SlotRef&) const = default;
};

// What is selected: the current slot in its direction, and the solver's down word beside the
// across word `slot` while he solves with answers. `shown` is false once the solver without
// answers entered his last open word: the selection stays for typing over it but is not shown
// until it moves or the grid is drawn again.
struct Selection {
    int slot = 0;
    Direction direction = Direction::Across;
    int down = 0;
    bool shown = true;
    bool operator==(const Selection&) const = default;
};

// The slots the selection shows as selected in `mode`, the current one first: the solver's
// across and down words, the slot being written or solved without answers, else none.
std::vector<SlotRef> selectedSlots(EditMode mode, const Selection& selection);

// The first slot, by number and across before down, that has a word but no answer yet.
// {0, down} when every slot has an answer.
SlotRef nextUnanswered(const CrosswordDocument& doc);

// What a number typed by the solver selects: its unsolved across and down words, 0 for none.
struct SolverPair {
    int across = 0;
    int down = 0;
    bool operator==(const SolverPair&) const = default;
};
SolverPair solverPairForNumber(const CrosswordDocument& doc, int number);
