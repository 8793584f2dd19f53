#include "words/SlotSelection.h"

#include "grid/CrosswordDocument.h"
#include "grid/SlotAccess.h"

SlotRef nextUnanswered(const CrosswordDocument& doc) {
    for (int n = 1; n <= doc.NumberedCount; ++n)
        for (const Direction d : kDirections)
            if (slotLength(doc, n, directionIndex(d)) > 0 &&
                answerOf(doc, n, directionIndex(d)).isEmpty())
                return {n, d};
    return {0, Direction::Down};
}

SolverPair solverPairForNumber(const CrosswordDocument& doc, int number) {
    if (number < 1 || number > doc.NumberedCount)
        return {};
    auto open = [&](int d) {
        return doc.SolvedFlags.at(number, d) == 0 && shownSlotLength(doc, number, d) > 0;
    };
    return {open(0) ? number : 0, open(1) ? number : 0};
}

std::vector<SlotRef> selectedSlots(EditMode mode, const Selection& s) {
    if (!s.shown)
        return {};
    switch (mode) {
    case EditMode::ModeAuthor:
    case EditMode::ModeSolveNoAnswers:
        if (s.slot > 0)
            return {{s.slot, s.direction}};
        return {};
    case EditMode::ModeSolve: {
        std::vector<SlotRef> out;
        if (s.slot > 0)
            out.push_back({s.slot, Direction::Across});
        if (s.down > 0)
            out.push_back({s.down, Direction::Down});
        return out;
    }
    default:
        return {};
    }
}
