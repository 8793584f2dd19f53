#pragma once

#include "fill/FillEngine.h"
#include "words/SlotSelection.h"

#include <vector>

struct CrosswordDocument;

namespace fill {

// The slots of a crossword being authored as a fill problem: slot k of the problem is
// refs[k] of the crossword, and the answers already placed are fixed letters, except those of
// the slots in `reopened`, which are to be filled afresh.
struct DocumentProblem {
    Problem problem;
    std::vector<SlotRef> refs;
};
DocumentProblem problemFrom(const CrosswordDocument& doc,
                            const std::vector<SlotRef>& reopened = {});

} // namespace fill
