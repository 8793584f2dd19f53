#include "app/WrapCheckBox.h"
#include "grid/GridView.h"
#include "grid/PictureBox.h"
#include "grid/SlotColors.h"
#include "support/Crosswords.h"
#include "support/GridPattern.h"
#include "support/ui/WindowParts.h"
#include "support/ui/WordWindow.h"
#include "text/CodePage.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <set>

using fixtures::cp;
using namespace Qt::StringLiterals;

namespace {

// 1 across and down from (0, 0), 2 down from (2, 0), 3 across from (0, 2).
const QByteArrayList kRing{"...", ".#.", "..."};

class GridKeys : public WordWindow {
protected:
    PictureBox* pic() const { return part::gridView(*form)->picture(); }
    void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* target = QApplication::focusWidget();
        ASSERT_NE(target, nullptr);
        QTest::keyClick(target, k, modifiers);
        QApplication::processEvents();
    }
    void keys(std::initializer_list<Qt::Key> ks) {
        for (const Qt::Key k : ks)
            key(k);
    }
    QPoint cursor() const { return part::gridView(*form)->cursorCell(); }
    std::pair<int, int> current() { return {doc().CurrentSlot, doc().CurrentDirection}; }
    // What the grid shows in a cell, typed letters not yet placed included.
    QChar shownLetter(int x, int y) const { return part::gridView(*form)->cellInfo(x, y).letter; }
    // The author's word typed through the boxes, as the answer box places it.
    void authorThroughBoxes(int n, int d, const QString& answer) {
        program.state.session.selectSlot({n, directionAt(d)});
        part::clueEdit(*form)->setFocus();
        type(u"prior"_s);
        pressEnter();
        type(answer);
        pressEnter();
        ASSERT_EQ(cp1251::toUnicode(doc().SlotTexts.at(n, 1, d)), answer);
    }
    // From the grid: the cursor to a cell by arrows from wherever it is.
    void moveTo(int x, int y) {
        while (cursor().x() != x)
            key(cursor().x() < x ? Qt::Key_Right : Qt::Key_Left);
        while (cursor().y() != y)
            key(cursor().y() < y ? Qt::Key_Down : Qt::Key_Up);
    }
};

std::set<std::pair<int, int>> blackCells(const CrosswordDocument& doc) {
    std::set<std::pair<int, int>> out;
    for (int y = 0; y < doc.GridHeight; ++y)
        for (int x = 0; x < doc.GridWidth; ++x)
            if (doc.CellMap.at(x, y) != 0)
                out.insert({x, y});
    return out;
}

} // namespace

TEST_F(GridKeys, DrawingWithArrowsAndSpace) {
    for (const bool mirror : {false, true}) {
        SCOPED_TRACE(mirror);
        doc() = drawnGrid({".....", ".....", ".....", ".....", "....."});
        form->updateControlsForMode();
        part::gridView(*form)->drawEmptyField();
        part::symmetryCheck(*form)->setChecked(mirror);
        pic()->setFocus(Qt::TabFocusReason); // as Tab brings the focus
        ASSERT_EQ(focusedName(), u"gridPicture");
        part::gridView(*form)->setCursorCell(0, 0);
        // The cursor stays inside the grid.
        keys({Qt::Key_Left, Qt::Key_Up, Qt::Key_Right});
        EXPECT_EQ(cursor(), QPoint(1, 0));
        EXPECT_EQ(part::coordinatesLabel(*form)->text().section(u' ', -1), u"2,1"_s);
        key(Qt::Key_Space);
        const std::set<std::pair<int, int>> black =
            mirror ? std::set<std::pair<int, int>>{{1, 0}, {1, 4}, {3, 4}, {3, 0},
                                                   {0, 3}, {4, 3}, {4, 1}, {0, 1}}
                   : std::set<std::pair<int, int>>{{1, 0}};
        EXPECT_EQ(blackCells(doc()), black);
        EXPECT_EQ(pic()->pixel(1 * 20 + 8, 8), slotcolor::kDrawnBlack);

        // The cursor is a frame over the picture, never in the picture itself.
        const int c = program.state.settings.CellSize;
        const QRect frame = pic()->frame();
        EXPECT_EQ(frame, QRect(5 + c, 5, c + 1, c + 1));
        EXPECT_EQ(pic()->grab().toImage().pixelColor(frame.topLeft() + QPoint(1, 1)),
                  slotcolor::kCursor);
        EXPECT_NE(pic()->pixel(frame.left() + 1, frame.top() + 1), slotcolor::kCursor);

        // Space again: every image back to white; letters and Enter do nothing while drawing.
        key(Qt::Key_Space);
        EXPECT_TRUE(blackCells(doc()).empty());
        keys({Qt::Key_Down, Qt::Key_Return, Qt::Key_A});
        EXPECT_TRUE(blackCells(doc()).empty());
        EXPECT_EQ(cursor(), QPoint(1, 1));
        EXPECT_EQ(doc().Mode, EditMode::ModeDrawGrid);
        EXPECT_EQ(focusedName(), u"gridPicture");
        // Without the focus, no cursor.
        part::symmetryCheck(*form)->setFocus(Qt::TabFocusReason);
        EXPECT_TRUE(pic()->frame().isEmpty());
    }
}

TEST_F(GridKeys, EscapeFromEitherBoxReturnsToTheGridAndAClickStillGoesToTheBoxes) {
    startAuthoring(kRing);
    for (QLineEdit* box : {part::clueEdit(*form), part::answerEdit(*form)}) {
        box->setFocus(Qt::OtherFocusReason);
        key(Qt::Key_Escape);
        EXPECT_EQ(focusedName(), u"gridPicture");
        EXPECT_FALSE(pic()->frame().isEmpty());
    }
    // A word begun in the answer box goes on from the grid, shown in the cells.
    part::answerEdit(*form)->setFocus(Qt::OtherFocusReason);
    type(u"ко"_s);
    key(Qt::Key_Escape);
    EXPECT_EQ(part::gridView(*form)->cellInfo(1, 0).letter, u'О');
    EXPECT_EQ(cursor(), QPoint(2, 0));
    type(u"т"_s);
    EXPECT_EQ(part::answerEdit(*form)->text(), u"кот"_s);
    EXPECT_EQ(letters(1, 0), cp(u"..."));
    // The mouse is as it was: the clicked slot's clue box takes the focus, the cursor follows.
    clickCell(2, 1);
    EXPECT_EQ(current(), std::pair(2, 1));
    EXPECT_EQ(focusedName(), u"clueEdit");
    EXPECT_EQ(cursor(), QPoint(2, 1));
}

TEST_F(GridKeys, EnterAndLettersPickTheSlotUnderTheCursor) {
    startAuthoring(kRing);
    part::clueEdit(*form)->setFocus(Qt::OtherFocusReason);
    key(Qt::Key_Escape);
    moveTo(0, 2);
    // Across first; Enter again switches to the crossing slot and back.
    key(Qt::Key_Return);
    EXPECT_EQ(current(), std::pair(3, 0));
    EXPECT_EQ(focusedName(), u"gridPicture");
    EXPECT_TRUE(highlighted(1, 2));
    key(Qt::Key_Return);
    EXPECT_EQ(current(), std::pair(1, 1));
    EXPECT_TRUE(highlighted(0, 1));
    EXPECT_FALSE(highlighted(1, 2));
    key(Qt::Key_Return);
    EXPECT_EQ(current(), std::pair(3, 0));
    // A cell with one slot picks it; a black cell picks nothing.
    moveTo(2, 1);
    key(Qt::Key_Return);
    EXPECT_EQ(current(), std::pair(2, 1));
    key(Qt::Key_Return);
    EXPECT_EQ(current(), std::pair(2, 1));
    moveTo(1, 1);
    key(Qt::Key_Return);
    EXPECT_EQ(current(), std::pair(2, 1));
    // A letter on another slot picks it (across first) and goes in from its first cell.
    moveTo(1, 0);
    type(u"к"_s);
    EXPECT_EQ(current(), std::pair(1, 0));
    EXPECT_EQ(part::answerEdit(*form)->text(), u"к"_s);
    EXPECT_EQ(cursor(), QPoint(1, 0));
    EXPECT_EQ(focusedName(), u"gridPicture");
}

TEST_F(GridKeys, TypedLettersShowInTheCellsAndEnterPlacesThem) {
    startAuthoring(kRing);
    part::clueEdit(*form)->setFocus(Qt::OtherFocusReason);
    type(u"A pet"_s); // the clue of 1 across, selected at the start
    key(Qt::Key_Escape);
    part::gridView(*form)->setCursorCell(0, 0);
    type(u"котыX"_s); // no more letters than cells
    EXPECT_EQ(part::answerEdit(*form)->text(), u"кот"_s);
    EXPECT_EQ(letters(1, 0), cp(u"..."));
    EXPECT_EQ(shownLetter(2, 0), u'Т');
    EXPECT_EQ(cursor(), QPoint(2, 0));
    key(Qt::Key_Backspace);
    EXPECT_EQ(part::answerEdit(*form)->text(), u"ко"_s);
    EXPECT_TRUE(shownLetter(2, 0).isNull());
    EXPECT_EQ(shownLetter(1, 0), u'О');
    EXPECT_EQ(cursor(), QPoint(2, 0));
    type(u"т"_s);
    key(Qt::Key_Return);
    EXPECT_EQ(cp1251::toUnicode(doc().SlotTexts.at(1, 0, 0)), u"A pet"_s);
    EXPECT_EQ(letters(1, 0), cp(u"КОТ"));
    // On to 1 down, as from the answer box, with the keyboard still in the grid.
    EXPECT_EQ(current(), std::pair(1, 1));
    EXPECT_EQ(focusedName(), u"gridPicture");
    EXPECT_EQ(cursor(), QPoint(0, 0));
    // Without a clue, Enter goes on to the clue box, as the answer box's does.
    moveTo(0, 1);
    type(u"ит"_s);
    EXPECT_EQ(part::answerEdit(*form)->text(), u"ит"_s); // the first letter typed over the old word
    key(Qt::Key_Backspace);
    key(Qt::Key_Backspace);
    type(u"кит"_s);
    key(Qt::Key_Return);
    EXPECT_EQ(focusedName(), u"clueEdit");
    EXPECT_EQ(letters(1, 1), cp(u"К.."));
    type(u"Sea"_s);
    pressEnter();
    EXPECT_EQ(letters(1, 1), cp(u"КИТ"));
}

TEST_F(GridKeys, AConflictGivesTheAnswerBoxMessage) {
    QStringList seen[2];
    for (const bool fromGrid : {false, true}) {
        SCOPED_TRACE(fromGrid);
        startAuthoring(kRing);
        authorThroughBoxes(2, 1, u"УЖР"_s);
        program.state.session.selectSlot({3, Direction::Across});
        part::clueEdit(*form)->setFocus();
        type(u"A clue"_s);
        fake().messages.clear();
        if (fromGrid) {
            key(Qt::Key_Escape);
            part::gridView(*form)->setCursorCell(0, 2);
            type(u"дом"_s);
            key(Qt::Key_Return);
        } else {
            pressEnter();
            type(u"дом"_s);
            pressEnter();
        }
        seen[fromGrid] = messageTexts();
        EXPECT_EQ(letters(3, 0), cp(u"..Р"));
        EXPECT_EQ(part::answerEdit(*form)->text(), u"дом"_s);
        EXPECT_EQ(focusedName(), u"answerEdit");
        EXPECT_EQ(part::answerEdit(*form)->selectionStart(), 2);
    }
    EXPECT_EQ(seen[0], QStringList{u"This letter does not match the crossing word: Р, М"_s});
    EXPECT_EQ(seen[1], seen[0]);
}

TEST_F(GridKeys, TabWalksTheSlotsAcrossThenDownAndKeepsTheFocus) {
    startAuthoring(kRing);
    part::answerEdit(*form)->setFocus(Qt::OtherFocusReason);
    key(Qt::Key_Escape);
    ASSERT_EQ(current(), std::pair(1, 0));
    const std::pair<int, int> order[] = {{3, 0}, {1, 1}, {2, 1}, {1, 0}};
    for (const auto& slot : order) {
        key(Qt::Key_Tab);
        EXPECT_EQ(current(), slot);
        EXPECT_EQ(focusedName(), u"gridPicture");
        EXPECT_EQ(cursor(), QPoint(doc().SlotTable.at(slot.first, 0, slot.second),
                                   doc().SlotTable.at(slot.first, 1, slot.second)));
    }
    key(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(current(), std::pair(2, 1));
    key(Qt::Key_Backtab);
    EXPECT_EQ(current(), std::pair(1, 1));
    EXPECT_EQ(focusedName(), u"gridPicture");
}

TEST_F(GridKeys, TheCursorCellReadsThroughAccessibility) {
    startAuthoring(kRing);
    authorThroughBoxes(1, 0, u"КОТ"_s);
    part::answerEdit(*form)->setFocus(Qt::OtherFocusReason);
    key(Qt::Key_Escape);
    QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(pic());
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->text(QAccessible::Name), u"Grid"_s);
    ASSERT_EQ(grid->childCount(), 1);
    QAccessibleInterface* cell = grid->child(0);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->role(), QAccessible::Cell);
    EXPECT_EQ(grid->focusChild(), cell);
    EXPECT_EQ(grid->indexOfChild(cell), 0);
    EXPECT_EQ(cell->parent(), grid);
    EXPECT_TRUE(cell->state().focused);
    struct Case {
        int x, y;
        const char16_t* name;
        const char16_t* value;
        const char16_t* description;
    };
    const Case cases[] = {
        {0, 0, u"row 1, column 1", u"К", u"white cell, number 1"},
        {1, 0, u"row 1, column 2", u"О", u"white cell"},
        {2, 0, u"row 1, column 3", u"Т", u"white cell, number 2"},
        {1, 1, u"row 2, column 2", u"", u"black cell"},
        {0, 2, u"row 3, column 1", u"", u"white cell, number 3"},
    };
    for (const Case& c : cases) {
        part::gridView(*form)->setCursorCell(c.x, c.y);
        EXPECT_EQ(cell->text(QAccessible::Name), QString::fromUtf16(c.name));
        EXPECT_EQ(cell->text(QAccessible::Value), QString::fromUtf16(c.value));
        EXPECT_EQ(cell->text(QAccessible::Description), QString::fromUtf16(c.description));
    }
    // A letter typed but not placed is what the cell shows, and what it reads; it goes in at
    // the first cell of the slot picked (3 across).
    part::gridView(*form)->setCursorCell(1, 2);
    type(u"д"_s);
    EXPECT_EQ(cursor(), QPoint(1, 2));
    part::gridView(*form)->setCursorCell(0, 2);
    EXPECT_EQ(cell->text(QAccessible::Value), u"Д"_s);
    // In Russian.
    form->loadLanguage("Russian.txt");
    part::gridView(*form)->setCursorCell(1, 1);
    EXPECT_EQ(cell->text(QAccessible::Name), u"строка 2, столбец 2"_s);
    EXPECT_EQ(cell->text(QAccessible::Description), u"чёрная клетка"_s);
}

TEST_F(GridKeys, TabAndShiftTabLeaveTheGridWhileDrawing) {
    doc() = drawnGrid({"...", "..."});
    form->updateControlsForMode();
    part::gridView(*form)->drawEmptyField();
    const std::set<QString> panel{u"symmetryCheck"_s, u"gridReadyButton"_s, u"clearGridButton"_s};
    for (const Qt::KeyboardModifiers modifiers : {Qt::NoModifier, Qt::ShiftModifier}) {
        pic()->setFocus(Qt::TabFocusReason);
        ASSERT_EQ(focusedName(), u"gridPicture");
        key(Qt::Key_Tab, modifiers);
        EXPECT_TRUE(panel.count(focusedName())) << focusedName().toStdString();
        EXPECT_TRUE(blackCells(doc()).empty());
    }
}

TEST_F(GridKeys, TheCursorFollowsASelectionThatMovedAwayFromIt) {
    startAuthoring(kRing);
    // Chosen elsewhere (the clue list, a number): the cursor goes to the slot's first cell.
    program.state.session.selectSlot({3, Direction::Across});
    EXPECT_EQ(cursor(), QPoint(0, 2));
    // A word placed from the boxes moves the selection on, and the cursor with it.
    authorThroughBoxes(3, 0, u"ДОМ"_s);
    ASSERT_EQ(current(), std::pair(1, 0));
    EXPECT_EQ(cursor(), QPoint(0, 0));
    // A cell of the selected slot keeps the cursor where it is.
    part::answerEdit(*form)->setFocus(Qt::OtherFocusReason);
    key(Qt::Key_Escape);
    moveTo(1, 0);
    program.state.session.selectSlot({1, Direction::Across});
    EXPECT_EQ(cursor(), QPoint(1, 0));
}

TEST_F(GridKeys, TypingOverAPlacedWordAsksFirst) {
    startAuthoring(kRing);
    authorThroughBoxes(1, 0, u"КОТ"_s);
    part::answerEdit(*form)->setFocus(Qt::OtherFocusReason);
    key(Qt::Key_Escape);
    moveTo(1, 0); // only 1 across passes here
    fake().messages.clear();
    fake().answers.push_back(platform::Answer::No);
    type(u"с"_s);
    ASSERT_EQ(messageTexts(), QStringList{u"This slot already holds a word. Replace it?"_s});
    EXPECT_EQ(shownLetter(0, 0), u'К');
    EXPECT_EQ(letters(1, 0), cp(u"КОТ"));
    EXPECT_EQ(focusedName(), u"gridPicture");
    // Yes: the letters go in as over an empty slot, one question for the word.
    fake().answers.push_back(platform::Answer::Yes);
    type(u"сом"_s);
    EXPECT_EQ(messageTexts().size(), 2);
    EXPECT_EQ(shownLetter(0, 0), u'С');
    EXPECT_EQ(shownLetter(2, 0), u'М');
    key(Qt::Key_Return);
    EXPECT_EQ(letters(1, 0), cp(u"СОМ"));
    // An empty slot takes letters without a question.
    fake().messages.clear();
    moveTo(0, 2);
    type(u"д"_s);
    EXPECT_TRUE(messageTexts().isEmpty());
}

TEST_F(GridKeys, ASolvedCellReadsAsWhiteWithItsLetterAsItsText) {
    openCrossword(
        saveCrossword(kRing, {{1, 0, u"КОТ"}, {3, 0, u"ДОМ"}, {1, 1, u"КАД"}, {2, 1, u"ТОМ"}}), 0);
    ASSERT_EQ(doc().Mode, EditMode::ModeSolve);
    part::answerEdit(*form)->setFocus(Qt::OtherFocusReason);
    type(u"кот"_s);
    pressEnter();
    ASSERT_EQ(doc().SolvedFlags.at(1, 0), 1);
    pic()->setFocus(Qt::TabFocusReason);
    QAccessibleInterface* cell = QAccessible::queryAccessibleInterface(pic())->child(0);
    ASSERT_NE(cell, nullptr);
    ASSERT_NE(cell->textInterface(), nullptr);
    part::gridView(*form)->setCursorCell(1, 0); // 1 across alone, solved
    EXPECT_EQ(cell->text(QAccessible::Description), u"white cell"_s);
    EXPECT_EQ(cell->text(QAccessible::Value), u"О"_s);
    EXPECT_EQ(cell->textInterface()->text(0, -1), u"О"_s);
    EXPECT_EQ(cell->textInterface()->characterCount(), 1);
    part::gridView(*form)->setCursorCell(1, 1);
    EXPECT_EQ(cell->text(QAccessible::Description), u"black cell"_s);
    EXPECT_EQ(cell->textInterface()->text(0, -1), QString());
    part::gridView(*form)->setCursorCell(1, 2); // 3 across, open
    EXPECT_EQ(cell->text(QAccessible::Description), u"white cell"_s);
    EXPECT_EQ(cell->textInterface()->characterCount(), 0);
}
