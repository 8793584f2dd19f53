// Clues flowed into columns and pages.
#include "print/ClueFlow.h"

#include <algorithm>

namespace publish {

std::vector<FlowPlace> flowBlocks(const std::vector<FlowBlock>& blocks, const FlowFrame& frame) {
    std::vector<FlowPlace> out;
    out.reserve(blocks.size());
    const int columns = std::max(frame.columns, 1);
    FlowPlace at{0, 0, frame.firstPageTop, {}};
    bool columnEmpty = true;
    const auto columnTop = [&frame](int page) {
        return page == 0 ? frame.firstPageTop : frame.pageTop;
    };
    const auto nextColumn = [&] {
        if (++at.column == columns) {
            at.column = 0;
            ++at.page;
        }
        at.top = columnTop(at.page);
        columnEmpty = true;
    };
    // A block taller than a whole column of the later pages is kept whole nowhere: it flows on
    // between its lines.
    const auto flowsOn = [&frame](const FlowBlock& b) {
        return !b.lines.empty() && b.height > frame.bottom - frame.pageTop;
    };
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        if (flowsOn(blocks[i])) {
            FlowPlace place;
            const std::vector<int>& lines = blocks[i].lines;
            int top = columnEmpty ? at.top : at.top + frame.gap;
            // Not even its first line fits the rest of the column: the next one.
            if (!columnEmpty && top + lines.front() > frame.bottom) {
                nextColumn();
                top = at.top;
            }
            FlowPiece piece{at.page, at.column, top, 0, 0};
            for (std::size_t k = 0; k < lines.size(); ++k) {
                if (piece.lineCount > 0 && top + lines[k] > frame.bottom) {
                    place.pieces.push_back(piece);
                    nextColumn();
                    top = at.top;
                    piece = {at.page, at.column, top, static_cast<int>(k), 0};
                }
                top += lines[k];
                ++piece.lineCount;
            }
            place.pieces.push_back(piece);
            place.page = place.pieces.front().page;
            place.column = place.pieces.front().column;
            place.top = place.pieces.front().top;
            out.push_back(std::move(place));
            at.top = top;
            columnEmpty = false;
            continue;
        }
        int needed = blocks[i].height;
        // A heading goes on only with the block after it, or with the first line of one that
        // flows on.
        if (blocks[i].heading && i + 1 < blocks.size())
            needed += frame.gap +
                      (flowsOn(blocks[i + 1]) ? blocks[i + 1].lines.front() : blocks[i + 1].height);
        const auto fits = [&](int top) { return top + needed <= frame.bottom; };
        if (!columnEmpty && !fits(at.top + frame.gap))
            nextColumn();
        // The first page's columns start below the grid: a block too tall for them may still
        // fit a whole column of a later page.
        while (columnEmpty && !fits(at.top) && at.page == 0 && frame.pageTop < frame.firstPageTop)
            nextColumn();
        const int top = columnEmpty ? at.top : at.top + frame.gap;
        out.push_back({at.page, at.column, top, {}});
        at.top = top + blocks[i].height;
        columnEmpty = false;
    }
    return out;
}

} // namespace publish
