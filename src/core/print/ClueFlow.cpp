// Clues flowed into columns and pages.
#include "print/ClueFlow.h"

#include <algorithm>

namespace publish {

std::vector<FlowPlace> flowBlocks(const std::vector<FlowBlock>& blocks, const FlowFrame& frame) {
    std::vector<FlowPlace> out;
    out.reserve(blocks.size());
    const int columns = std::max(frame.columns, 1);
    FlowPlace at{0, 0, frame.firstPageTop};
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
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        int needed = blocks[i].height;
        // A heading goes on only with the block after it.
        if (blocks[i].heading && i + 1 < blocks.size())
            needed += frame.gap + blocks[i + 1].height;
        const auto fits = [&](int top) { return top + needed <= frame.bottom; };
        if (!columnEmpty && !fits(at.top + frame.gap))
            nextColumn();
        // The first page's columns start below the grid: a block too tall for them may still
        // fit a whole column of a later page.
        while (columnEmpty && !fits(at.top) && at.page == 0 && frame.pageTop < frame.firstPageTop)
            nextColumn();
        const int top = columnEmpty ? at.top : at.top + frame.gap;
        out.push_back({at.page, at.column, top});
        at.top = top + blocks[i].height;
        columnEmpty = false;
    }
    return out;
}

} // namespace publish
