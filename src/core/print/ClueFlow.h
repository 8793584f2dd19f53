#pragma once

#include <vector>

// Where the clue lines of a printed crossword go: in columns, down one column and on to the
// next, page after page, never cutting a clue between columns or pages.
namespace publish {

struct FlowFrame {
    int columns = 2;      // per page
    int firstPageTop = 0; // where the clues start on the first page (below the grid)
    int pageTop = 0;      // and on the pages after it
    int bottom = 0;       // where every column ends
    int gap = 0;          // between two blocks of one column
};

// One block of text as the renderer measured it: a clue wrapped within the column width, or a
// heading, which is never left alone at the foot of a column.
struct FlowBlock {
    int height = 0;
    bool heading = false;
};

struct FlowPlace {
    int page = 0;
    int column = 0;
    int top = 0;
    bool operator==(const FlowPlace&) const = default;
};

// A place for each block, in order. A block taller than a whole column starts a column of its
// own and runs past its foot: it cannot be kept whole anywhere.
std::vector<FlowPlace> flowBlocks(const std::vector<FlowBlock>& blocks, const FlowFrame& frame);

} // namespace publish
