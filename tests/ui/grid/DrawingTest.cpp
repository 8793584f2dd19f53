#include "GridWindow.h"

#include "app/WrapCheckBox.h"
#include "support/ui/WindowParts.h"
#include "text/CodePage.h"

#include <QLabel>
#include <QPushButton>

#include <set>

namespace {

const QColor kGreen(0, 255, 0);
const QColor kWhite(255, 255, 255);

using DrawingWindow = GridWindow;

std::set<std::pair<int, int>> blackCells(const CrosswordDocument& doc) {
    std::set<std::pair<int, int>> out;
    for (int y = 0; y <= doc.GridHeight; ++y)
        for (int x = 0; x <= doc.GridWidth; ++x)
            if (doc.CellMap.at(x, y) != 0)
                out.insert({x, y});
    return out;
}

TEST_F(DrawingWindow, ClicksPaintTheCellAndItsImages) {
    struct Case {
        int cx, cy;
        bool symmetric;
        std::set<std::pair<int, int>> black;
    };
    const std::initializer_list<Case> cases{
        {1, 0, false, {{1, 0}}},
        {1, 0, true, {{1, 0}, {1, 4}, {3, 4}, {3, 0}, {0, 3}, {4, 3}, {4, 1}, {0, 1}}},
        {2, 2, true, {{2, 2}}},
    };
    for (const Case& c : cases) {
        startDrawing({".....", ".....", ".....", ".....", "....."});
        part::symmetryCheck(*form)->setChecked(c.symmetric);
        clickCell(c.cx, c.cy);
        EXPECT_EQ(blackCells(doc()), c.black) << c.cx << "," << c.cy;
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 5; ++x) {
                const bool black = c.black.count({x, y}) > 0;
                // The whole inside of the cell, and not its lines.
                EXPECT_EQ(pic().pixel(x * C + 6, y * C + 6), black ? kGreen : kWhite);
                EXPECT_EQ(pic().pixel(x * C + 4 + C, y * C + 4 + C), black ? kGreen : kWhite);
                EXPECT_EQ(pic().pixel(x * C + 5, y * C + 10), QColor(Qt::black));
                EXPECT_EQ(pic().pixel(x * C + 10, y * C + 5), QColor(Qt::black));
            }
        // Every image takes the clicked cell's new value: all white again.
        clickCell(c.cx, c.cy);
        EXPECT_TRUE(blackCells(doc()).empty());
        EXPECT_EQ(pic().pixel(c.cx * C + 6, c.cy * C + 6), kWhite);
        EXPECT_FALSE(doc().Modified);
    }
}

TEST_F(DrawingWindow, ClicksOutsideTheFieldOrWithoutAPressDoNothing) {
    startDrawing({"...", "..."});
    const QImage before = pic().image();
    for (const auto& [x, y] : {std::pair{4, 10}, std::pair{10, 4}, std::pair{3 * C + 5, 10},
                               std::pair{10, 2 * C + 5}, std::pair{3 * C + 12, 2 * C + 8}})
        click(x, y);
    // A release that follows no press on the picture.
    mouse(QEvent::MouseButtonRelease, 10, 10);
    EXPECT_TRUE(blackCells(doc()).empty());
    EXPECT_EQ(pic().image(), before);
    click(3 * C + 4, 2 * C + 4); // the last pixel of the last cell
    EXPECT_EQ(blackCells(doc()), (std::set<std::pair<int, int>>{{2, 1}}));
}

TEST_F(DrawingWindow, PointerCoordinates) {
    startDrawing({"....", "...."});
    for (const auto& [x, y, text] :
         {std::tuple{5 + 2 * C, 5 + C, "Cell: 3,2"}, std::tuple{2, 10, "Cell: 0,1"},
          std::tuple{5 + 4 * C, 5, "Cell: 0,1"}}) {
        mouse(QEvent::MouseMove, x, y);
        EXPECT_EQ(part::coordinatesLabel(*form)->text(), QString::fromLatin1(text));
    }
}

TEST_F(DrawingWindow, ClearAsksThenEmptiesMapAndPicture) {
    startDrawing({"#..", "..#"});
    const QImage drawn = pic().image();
    fake.answers = {platform::Answer::No, platform::Answer::Yes};
    part::clearGridButton(*form)->click();
    EXPECT_EQ(pic().image(), drawn);
    EXPECT_EQ(blackCells(doc()).size(), 2u);
    part::clearGridButton(*form)->click();
    EXPECT_TRUE(blackCells(doc()).empty());
    EXPECT_EQ(pic().pixel(6, 6), kWhite);
    ASSERT_EQ(fake.messages.size(), 2);
    EXPECT_EQ(fake.messages[0].text, part::clearGridButton(*form)->text() + QLatin1Char('?'));
    EXPECT_EQ(fake.messages[0].icon, platform::Icon::Warning);
    EXPECT_EQ(fake.messages[0].buttons, platform::Buttons::YesNo);
}

} // namespace
