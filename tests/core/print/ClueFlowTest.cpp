#include "print/ClueFlow.h"

#include <gtest/gtest.h>

#include <random>

using publish::FlowBlock;
using publish::FlowFrame;
using publish::FlowPlace;

namespace {

// Two columns; the first page's clues start at 60 below the grid, later pages' at 10; all end
// at 100.
const FlowFrame kFrame{2, 60, 10, 100, 2};

TEST(ClueFlow, BlocksFillEachColumnThenTheNextThenTheNextPage) {
    struct Case {
        const char* name;
        std::vector<FlowBlock> blocks;
        std::vector<FlowPlace> places;
    };
    const Case cases[] = {
        {"nothing", {}, {}},
        {"one column", {{10}, {10}, {10}}, {{0, 0, 60}, {0, 0, 72}, {0, 0, 84}}},
        {"on to the second column and the next page",
         {{20}, {20}, {20}, {20}, {30}},
         {{0, 0, 60}, {0, 1, 60}, {1, 0, 10}, {1, 0, 32}, {1, 0, 54}}},
        {"a heading goes with the clue after it",
         {{15}, {10, true}, {20}},
         {{0, 0, 60}, {0, 1, 60}, {0, 1, 72}}},
        {"a block too tall for the first page waits for a whole column", {{60}}, {{1, 0, 10}}},
        {"a block taller than any column runs past the foot of its own",
         {{10}, {200}, {5}},
         {{0, 0, 60}, {1, 0, 10}, {1, 1, 10}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(publish::flowBlocks(c.blocks, kFrame), c.places);
    }
}

// A clue longer than a whole column fills the rest of its column and flows on, line by line,
// over the next columns and pages; its heading stays with its first line.
TEST(ClueFlow, AClueTallerThanAColumnFlowsOnBetweenItsLines) {
    const FlowBlock tall{200, false, std::vector<int>(20, 10)};
    const std::vector<FlowPlace> places = publish::flowBlocks({{10}, {5, true}, tall, {5}}, kFrame);
    using publish::FlowPiece;
    const std::vector<FlowPlace> expected{
        {0, 0, 60, {}},
        {0, 0, 72, {}},
        {0, 0, 79, {{0, 0, 79, 0, 2}, {0, 1, 60, 2, 4}, {1, 0, 10, 6, 9}, {1, 1, 10, 15, 5}}},
        {1, 1, 62, {}},
    };
    EXPECT_EQ(places, expected);
}

TEST(ClueFlow, HundredsOfCluesAreNeitherLostNorCutNorOverlapping) {
    std::mt19937 rng(9);
    std::vector<FlowBlock> blocks;
    for (int i = 0; i < 600; ++i)
        blocks.push_back({1 + static_cast<int>(rng() % 12), i == 0 || i == 300});
    const auto places = publish::flowBlocks(blocks, kFrame);
    ASSERT_EQ(places.size(), blocks.size());
    for (std::size_t i = 0; i < places.size(); ++i) {
        SCOPED_TRACE(i);
        const int top = places[i].page == 0 ? kFrame.firstPageTop : kFrame.pageTop;
        EXPECT_GE(places[i].top, top);
        EXPECT_LE(places[i].top + blocks[i].height, kFrame.bottom) << "a clue cut at the foot";
        if (i == 0)
            continue;
        const FlowPlace& before = places[i - 1];
        const bool sameColumn = before.page == places[i].page && before.column == places[i].column;
        if (sameColumn) {
            EXPECT_EQ(places[i].top, before.top + blocks[i - 1].height + kFrame.gap);
        } else {
            EXPECT_EQ(places[i].top, top) << "a new column starts at its top";
        }
        EXPECT_TRUE(places[i].page > before.page ||
                    (places[i].page == before.page && places[i].column >= before.column))
            << "in reading order";
        if (blocks[i - 1].heading) {
            EXPECT_TRUE(sameColumn) << "a heading left alone";
        }
    }
    EXPECT_GT(places.back().page, 2);
}

} // namespace
