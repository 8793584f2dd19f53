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
// heading, which is never left alone at the foot of a column. `lines`, the heights of its lines
// (adding up to `height`), lets a block taller than a whole column flow on between its lines.
struct FlowBlock {
    int height = 0;
    bool heading = false;
    std::vector<int> lines = {};
};

// Lines firstLine to firstLine + lineCount - 1 of a block, from `top` of a column.
struct FlowPiece {
    int page = 0;
    int column = 0;
    int top = 0;
    int firstLine = 0;
    int lineCount = 0;
    bool operator==(const FlowPiece&) const = default;
};

struct FlowPlace {
    int page = 0;
    int column = 0;
    int top = 0;
    // Only for a block flowed on over several columns: where each run of its lines goes, the
    // first at page, column and top.
    std::vector<FlowPiece> pieces = {};
    bool operator==(const FlowPlace&) const = default;
};

// A place for each block, in order. A block taller than a whole column, which cannot be kept
// whole anywhere, fills the rest of its column and flows on to the next, line by line (a
// block without lines starts a column of its own and runs past its foot).
std::vector<FlowPlace> flowBlocks(const std::vector<FlowBlock>& blocks, const FlowFrame& frame);

} // namespace publish
