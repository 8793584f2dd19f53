#include "SolvingWindow.h"
#include "grid/GridView.h"
#include "grid/PictureBox.h"
#include "support/Crosswords.h"
#include "support/ui/WindowParts.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

using fixtures::cp;
using namespace Qt::StringLiterals;

namespace {

class SolvingKeys : public SolvingWindow {
protected:
    void key(Qt::Key k) {
        QTest::keyClick(QApplication::focusWidget(), k);
        QApplication::processEvents();
    }
    void toGrid() {
        part::answerEdit(*form)->setFocus(Qt::OtherFocusReason);
        key(Qt::Key_Escape);
        ASSERT_EQ(focusedName(), u"gridPicture");
    }
};

} // namespace

TEST_F(SolvingKeys, AWrongAnswerTypedInTheGridGivesTheAnswerBoxMessage) {
    QStringList seen[2];
    for (const bool fromGrid : {false, true}) {
        SCOPED_TRACE(fromGrid);
        openCrossword(saveCrossword(kGrid, kAnswers), 0);
        fake().messages.clear();
        if (fromGrid) {
            toGrid();
            part::gridView(*form)->setCursorCell(2, 0); // 1 across and 1 down
            type(u"лес"_s);
            EXPECT_EQ(part::gridView(*form)->cellInfo(3, 0).letter, u'Е');
            key(Qt::Key_Return);
            EXPECT_EQ(focusedName(), u"gridPicture");
        } else {
            clickAt(2, 0);
            type(u"лес"_s);
            pressEnter();
        }
        seen[fromGrid] = messageTexts();
        EXPECT_EQ(doc().SolvedCount, 0);
        EXPECT_EQ(part::answerEdit(*form)->text(), u"лес"_s);
    }
    EXPECT_EQ(seen[0], QStringList{u"Wrong answer."_s});
    EXPECT_EQ(seen[1], seen[0]);

    // Corrected in the grid: the answer is taken, the letters stay in the cells.
    for (int i = 0; i < 3; ++i)
        key(Qt::Key_Backspace);
    type(u"кот"_s);
    key(Qt::Key_Return);
    EXPECT_EQ(doc().SolvedCount, 1);
    EXPECT_EQ(letters(1, 0), cp(u"КОТ"));
    EXPECT_TRUE(part::answerEdit(*form)->text().isEmpty());
    EXPECT_EQ(focusedName(), u"gridPicture");
}

TEST_F(SolvingKeys, EnterSwitchesWithinTheSolversPairAndTabSkipsSolvedWords) {
    openCrossword(saveCrossword(kGrid, kAnswers), 0);
    toGrid();
    // 1 across is selected on opening: Enter on its first cell switches to 1 down, with the
    // pair of that cell selected as a click selects it; again, back across.
    part::gridView(*form)->setCursorCell(2, 0);
    ASSERT_EQ(doc().CurrentSlot, 1);
    for (const char16_t* word : {u"ки", u"ко"}) {
        key(Qt::Key_Return);
        EXPECT_EQ(doc().CurrentSlot, 1);
        EXPECT_EQ(doc().CurrentDownSlot, 1);
        type(QString::fromUtf16(word));
        EXPECT_EQ(part::gridView(*form)->cellInfo(3, 0).letter, word[1] == u'о' ? u'О' : QChar());
        EXPECT_EQ(part::gridView(*form)->cellInfo(2, 1).letter, word[1] == u'и' ? u'И' : QChar());
        for (int i = 0; i < 2; ++i)
            key(Qt::Key_Backspace);
        key(Qt::Key_Return); // an empty box: nothing is checked, as from the box
        EXPECT_TRUE(fake().messages.isEmpty());
    }
    key(Qt::Key_Return);
    type(u"кит"_s);
    EXPECT_EQ(part::gridView(*form)->cellInfo(2, 2).letter, u'Т');
    key(Qt::Key_Return);
    EXPECT_EQ(program.state.doc().SolvedFlags.at(1, 1), 1);
    EXPECT_EQ(letters(1, 1), cp(u"КИТ"));
    // Across 1, 4, 5, then down 2, 3, 4: the solved 1 down is left out.
    const std::pair<int, int> order[] = {{4, 0}, {5, 0}, {2, 1}, {3, 1}, {4, 1}, {1, 0}};
    for (const auto& [n, d] : order) {
        key(Qt::Key_Tab);
        EXPECT_EQ(d == 0 ? doc().CurrentSlot : doc().CurrentDownSlot, n) << n << "/" << d;
        EXPECT_EQ(focusedName(), u"gridPicture");
    }
}
