#include "SolvingWindow.h"
#include "support/Crosswords.h"
#include "support/ui/WindowParts.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>

using fixtures::cp;
using namespace Qt::StringLiterals;

namespace {

using Checking = SolvingWindow;

const QString kWrong = u"Wrong answer."_s;
const QString kSolved = u"Every word of the crossword is filled in. Well done!\r\nTime: 0:00"_s;

struct Cell {
    int x, y; // classic coordinates
};

} // namespace

TEST_F(Checking, Cases) {
    struct Case {
        const char* name;
        int style;
        QStringList typed; // each line followed by Enter
        QStringList messages;
        int solved;       // SolvedCount afterwards
        int across, down; // the selection afterwards
        const char* box;  // what stays in the answer box
        std::vector<Cell> yellow, white;
    };
    const QStringList all{u"КОТ"_s, u"КИТ"_s, u"ОКО"_s, u"ТАНК"_s, u"ПИКА"_s, u"ПСА"_s, u"СТОН"_s};
    const Case cases[] = {
        {"number 1 is selected on opening", 0, {}, {}, 0, 1, 1, "", {{2, 0}, {4, 0}, {2, 2}}, {}},
        // The white redraw of 4 down covers the shared cell (1, 1); 4 across is yellow again.
        {"down answer first",
         0,
         {u"4"_s, u"ПСА"_s},
         {},
         1,
         4,
         0,
         "",
         {{1, 1}, {4, 1}},
         {{1, 2}, {1, 3}, {2, 0}}},
        {"lower case", 0, {u"4"_s, u"пика"_s}, {}, 1, 0, 4, "", {{1, 1}, {1, 3}}, {{4, 1}}},
        {"a miss", 0, {u"4"_s, u"ПИКИ"_s}, {kWrong}, 0, 4, 4, "ПИКИ", {{4, 1}, {1, 3}}, {}},
        {"a number without open words", 0, {u"5"_s, u"СТОН"_s, u"5"_s}, {}, 1, 1, 1, "5", {}, {}},
        {"the highest number wraps to 1",
         0,
         {u"5"_s, u"СТОН"_s},
         {},
         1,
         1,
         1,
         "",
         {{2, 0}, {2, 1}},
         {{3, 2}}},
        {"the last word", 0, all, {kSolved}, 7, 0, 0, "", {}, {}},
        {"nothing selected",
         0,
         all + QStringList{u"КОТ"_s},
         {kSolved, kWrong},
         7,
         0,
         0,
         "КОТ",
         {},
         {}},
        {"right to left, as read on screen",
         1,
         {u"ТОК"_s, u"тик"_s},
         {},
         2,
         0,
         2,
         "",
         {{3, 1}},
         {{4, 0}}},
        {"right to left, the stored order is refused",
         1,
         {u"КОТ"_s},
         {kWrong},
         0,
         1,
         1,
         "КОТ",
         {},
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        openCrossword(saveCrossword(kGrid, kAnswers), c.style);
        fake().messages.clear();
        typeLines(c.typed);
        EXPECT_EQ(messageTexts(), c.messages);
        for (const FakePlatform::Message& m : fake().messages)
            EXPECT_EQ(m.icon, platform::Icon::Information);
        EXPECT_EQ(doc().SolvedCount, c.solved);
        EXPECT_EQ(doc().Modified, c.solved > 0);
        EXPECT_EQ(part::wordCountLabel(*form)->text(), u"Words: %1"_s.arg(7 - c.solved));
        EXPECT_EQ(doc().CurrentSlot, c.across);
        EXPECT_EQ(doc().CurrentDownSlot, c.down);
        EXPECT_EQ(part::clueLabels(*form)[0]->text(),
                  c.across ? u"clue %1/0"_s.arg(c.across) : QString());
        EXPECT_EQ(part::clueLabels(*form)[1]->text(),
                  c.down ? u"clue %1/1"_s.arg(c.down) : QString());
        EXPECT_EQ(part::answerEdit(*form)->text(), QString::fromUtf8(c.box));
        for (const Cell& cell : c.yellow)
            EXPECT_TRUE(highlightedAt(cell.x, cell.y)) << cell.x << "," << cell.y;
        for (const Cell& cell : c.white)
            EXPECT_FALSE(highlightedAt(cell.x, cell.y)) << cell.x << "," << cell.y;
        if (c.across + c.down == 0) {
            EXPECT_FALSE(anythingHighlighted());
        }
    }
}

TEST_F(Checking, SolvedWordsShowAsTypedAndNoLongerAnswerClicks) {
    for (const int style : {0, 1}) {
        SCOPED_TRACE(style);
        openCrossword(saveCrossword(kGrid, kAnswers), style);
        clickAt(3, 1); // 4 across and 2 down
        ASSERT_EQ(doc().CurrentSlot, 4);
        ASSERT_EQ(doc().CurrentDownSlot, 2);
        typeLines({style == 0 ? u"ПИКА"_s : u"АКИП"_s});
        EXPECT_EQ(letters(4, 0), cp(style == 0 ? u"ПИКА" : u"АКИП"));
        EXPECT_EQ(doc().SolvedFlags.at(4, 0), 1);
        // A click on the solved word's own cell selects nothing; a crossing cell only the
        // crossing word.
        clickAt(4, 3); // 3 down only
        clickAt(4, 1); // 3 down; 4 across is solved
        EXPECT_EQ(doc().CurrentSlot, 0);
        EXPECT_EQ(doc().CurrentDownSlot, 3);
        EXPECT_TRUE(part::clueLabels(*form)[0]->text().isEmpty());
    }
}

TEST_F(Checking, SwitchingTheStyleWhileSolving) {
    openCrossword(saveCrossword(kGrid, kAnswers), 0);
    typeLines({u"КОТ"_s}); // 1 down stays selected
    part::styleActions(*form)[1]->trigger();
    EXPECT_EQ(program.state.session.shownStyle(), 1);
    EXPECT_EQ(doc().CurrentDownSlot, 1);
    EXPECT_TRUE(highlightedAt(2, 1));
    EXPECT_EQ(part::clueLabels(*form)[1]->text(), u"clue 1/1");
    EXPECT_EQ(letters(1, 0), cp(u"ТОК")); // turned by 180°: read on screen from the left
    typeLines({u"ТИК"_s});
    EXPECT_EQ(doc().SolvedFlags.at(1, 1), 1);
    EXPECT_EQ(letters(1, 1), cp(u"ТИК"));
    part::styleActions(*form)[0]->trigger();
    EXPECT_EQ(letters(1, 0), cp(u"КОТ"));
    EXPECT_EQ(letters(1, 1), cp(u"КИТ"));
    EXPECT_TRUE(highlightedAt(3, 0)); // 2 down, selected after 1 down was solved
}
