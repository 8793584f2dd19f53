#include "clues/ClueList.h"
#include "grid/GridView.h"
#include "support/GridPattern.h"
#include "support/ui/WindowParts.h"
#include "text/CodePage.h"
#include "ui/solve/SolvingWindow.h"
#include "words/WordListView.h"
#include "words/WordSearchWindow.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDockWidget>
#include <QLabel>
#include <QLineEdit>
#include <QStyledItemDelegate>
#include <QTest>

namespace {

QString accessibleText(QObject* object, QAccessible::Text which) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(object);
    return a ? a->text(which) : QStringLiteral("<none>");
}

QStringList texts(std::initializer_list<const char16_t*> list) {
    QStringList out;
    for (const char16_t* t : list)
        out << QString::fromUtf16(t);
    return out;
}

} // namespace

class ClueListWindow : public SolvingWindow {
protected:
    ClueList* list() const { return part::clueList(*form); }
    QStringList rows() const {
        QStringList out;
        for (int r = 0; r < list()->count(); ++r)
            out << list()->item(r)->text();
        return out;
    }
    // The rows the list highlights, as "N/d".
    QStringList highlightedRows() const {
        QStringList out;
        for (int r = 0; r < list()->count(); ++r)
            if (list()->item(r)->isSelected()) {
                const SlotRef s = list()->slotAt(r);
                out << QStringLiteral("%1/%2").arg(s.number).arg(directionIndex(s.direction));
            }
        return out;
    }
    void clickRow(int number, int direction) {
        const int row = list()->rowOf({number, directionAt(direction)});
        ASSERT_GE(row, 0);
        const QRect rect = list()->visualItemRect(list()->item(row));
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
        QApplication::processEvents();
    }
    // The clue and the answer box, as the author types them, the answer placed with Enter.
    void write(const QString& clue, const QString& answer) {
        part::clueEdit(*form)->setFocus(Qt::OtherFocusReason);
        part::clueEdit(*form)->selectAll();
        type(clue);
        pressEnter();
        type(answer);
        pressEnter();
    }
};

// The author sees every slot under its heading, "N." until it has a clue; placing an answer
// with its clue and keeping a clue typed without Enter show in the list at once.
TEST_F(ClueListWindow, AuthorsListFollowsPlacedAnswersAndKeptClues) {
    EXPECT_FALSE(part::clueDock(*form)->isVisible()); // nothing held yet
    startAuthoring(kGrid);
    EXPECT_TRUE(part::clueDock(*form)->isVisible());
    EXPECT_EQ(rows(), texts({u"Across", u"1.", u"4.", u"5.", u"Down", u"1.", u"2.", u"3.", u"4."}));
    EXPECT_EQ(highlightedRows(), texts({u"1/0"}));

    write(QStringLiteral(u"Мурлыка"), QStringLiteral(u"КОТ"));
    EXPECT_EQ(rows().at(1), QStringLiteral(u"1. Мурлыка"));
    // The session moved on to 1 down, and so did the list.
    EXPECT_EQ(highlightedRows(), texts({u"1/1"}));

    // A clue typed without Enter is kept when the author clicks another slot.
    part::clueEdit(*form)->setFocus(Qt::OtherFocusReason);
    type(QStringLiteral(u"Морской"));
    clickCell(3, 0); // on 1 across and 2 down: the crossing word of the current direction
    EXPECT_EQ(rows().at(5), QStringLiteral(u"1. Морской"));
    EXPECT_EQ(highlightedRows(), texts({u"1/0"}));
}

// A click on a row does what a click on the slot's cells does: the slot selected and drawn,
// its clue and answer in the boxes, the focus in the clue box. The arrow keys walk the rows,
// passing over the headings, and leave the focus in the list.
TEST_F(ClueListWindow, ClickAndKeysInTheListSelectTheSlot) {
    startAuthoring(kGrid);
    write(QStringLiteral(u"Мурлыка"), QStringLiteral(u"КОТ"));
    clickRow(1, 0);
    EXPECT_EQ(doc().CurrentSlot, 1);
    EXPECT_EQ(doc().CurrentDirection, 0);
    EXPECT_EQ(part::clueEdit(*form)->text(), QStringLiteral(u"Мурлыка"));
    EXPECT_EQ(part::answerEdit(*form)->text(), QStringLiteral(u"КОТ"));
    EXPECT_EQ(part::clueLabels(*form)[0]->text(), QStringLiteral(u"Мурлыка"));
    EXPECT_EQ(focusedName(), QStringLiteral("clueEdit"));
    EXPECT_TRUE(highlighted(2, 0) && highlighted(4, 0));
    EXPECT_FALSE(highlighted(2, 1)); // 1 down is drawn white again

    clickRow(5, 0);
    EXPECT_EQ(highlightedRows(), texts({u"5/0"}));
    EXPECT_TRUE(highlighted(1, 2));
    EXPECT_FALSE(highlighted(2, 0));
    EXPECT_TRUE(part::answerEdit(*form)->text().isEmpty());

    list()->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(list(), Qt::Key_Down); // over the Down heading to 1 down
    EXPECT_EQ(doc().CurrentSlot, 1);
    EXPECT_EQ(doc().CurrentDirection, 1);
    EXPECT_TRUE(highlighted(1 + 1, 0 + 1));
    EXPECT_EQ(focusedName(), QStringLiteral("clueList"));
    QTest::keyClick(list(), Qt::Key_Up);
    EXPECT_EQ(highlightedRows(), texts({u"5/0"}));
    QTest::keyClick(list(), Qt::Key_Return);
    EXPECT_EQ(focusedName(), QStringLiteral("clueEdit"));
}

// While solving, the list shows each clue with its number, highlights the solver's pair and
// marks the solved words, for the eye and for a screen reader.
TEST_F(ClueListWindow, SolverSeesNumberedCluesAndSolvedMarks) {
    openCrossword(saveCrossword(kGrid, kAnswers), 0);
    EXPECT_TRUE(part::clueDock(*form)->isVisible());
    EXPECT_EQ(rows(), texts({u"Across", u"1. clue 1/0", u"4. clue 4/0", u"5. clue 5/0", u"Down",
                             u"1. clue 1/1", u"2. clue 2/1", u"3. clue 3/1", u"4. clue 4/1"}));
    clickAt(2, 0); // 1 across and 1 down
    EXPECT_EQ(highlightedRows(), texts({u"1/0", u"1/1"}));

    part::answerEdit(*form)->setFocus(Qt::OtherFocusReason);
    typeLines({QStringLiteral(u"кот")});
    EXPECT_TRUE(messageTexts().isEmpty());
    QListWidgetItem* solved = list()->item(list()->rowOf({1, Direction::Across}));
    EXPECT_EQ(solved->text(), QStringLiteral(u"1. clue 1/0 \u2713"));
    EXPECT_NE(solved->foreground(),
              list()->item(list()->rowOf({4, Direction::Across}))->foreground());
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(list());
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->child(list()->rowOf({1, Direction::Across}))->text(QAccessible::Name),
              QStringLiteral("1. clue 1/0, solved"));
    EXPECT_EQ(a->child(list()->rowOf({4, Direction::Across}))->text(QAccessible::Name),
              QStringLiteral("4. clue 4/0"));

    // A row picks the word and the one crossing its first cell, as a click there does.
    clickRow(4, 1);
    EXPECT_EQ(doc().CurrentSlot, 4);
    EXPECT_EQ(doc().CurrentDownSlot, 4);
    EXPECT_EQ(highlightedRows(), texts({u"4/0", u"4/1"}));
    EXPECT_TRUE(highlightedAt(1, 3));
    EXPECT_TRUE(highlightedAt(4, 1));
    EXPECT_EQ(part::clueLabels(*form)[1]->text(), QStringLiteral("clue 4/1"));
    EXPECT_EQ(focusedName(), QStringLiteral("answerEdit"));
    // A solved word is not selected again.
    clickRow(1, 0);
    EXPECT_EQ(highlightedRows(), texts({u"4/0", u"4/1"}));
}

// In the turned style too a row picks the word and the one crossing the cell of its number.
TEST_F(ClueListWindow, TurnedStyleRowPicksTheWordsCrossingItsNumber) {
    openCrossword(saveCrossword(kGrid, kAnswers), 1);
    const struct {
        int number, direction, across, down;
    } cases[] = {{4, 1, 4, 4}, {3, 1, 1, 3}, {5, 0, 5, 4}, {2, 1, 1, 2}};
    for (const auto& c : cases) {
        clickRow(c.number, c.direction);
        EXPECT_EQ(doc().CurrentSlot, c.across) << c.number << '/' << c.direction;
        EXPECT_EQ(doc().CurrentDownSlot, c.down) << c.number << '/' << c.direction;
    }
    EXPECT_TRUE(highlightedAt(3, 0) && highlightedAt(3, 2));
}

// A crossword without answers has no clues: the list shows the numbers, and the turned style
// the same ones.
TEST_F(ClueListWindow, WithoutAnswersOnlyTheNumbers) {
    openCrossword(saveCrossword(kGrid, {}), 1);
    ASSERT_EQ(doc().Mode, EditMode::ModeSolveNoAnswers);
    EXPECT_EQ(rows(), texts({u"Across", u"1.", u"4.", u"5.", u"Down", u"1.", u"2.", u"3.", u"4."}));
    clickRow(4, 0);
    EXPECT_EQ(doc().CurrentSlot, 4);
    EXPECT_EQ(doc().CurrentDirection, 0);
    EXPECT_TRUE(highlightedAt(1, 1) && highlightedAt(4, 1));

    // Its author, too, sees the numbers only; a click there selects nothing, as on the grid.
    doc() = drawnGrid(kGrid, 1);
    form->updateControlsForMode();
    form->acceptDrawnGrid();
    ASSERT_EQ(doc().Mode, EditMode::ModeAuthorNoAnswers);
    EXPECT_TRUE(part::clueDock(*form)->isVisible());
    EXPECT_EQ(rows(), texts({u"Across", u"1.", u"4.", u"5.", u"Down", u"1.", u"2.", u"3.", u"4."}));
    clickRow(4, 1);
    EXPECT_TRUE(highlightedRows().isEmpty());
}

// The list hides with nothing to list and on its menu item, and never squeezes the grid below
// the window's minimum.
TEST_F(ClueListWindow, ShownOnlyWithSlotsAndWhenWanted) {
    startAuthoring(kGrid);
    part::cluesAction(*form)->trigger();
    EXPECT_FALSE(part::clueDock(*form)->isVisible());
    part::cluesAction(*form)->trigger();
    EXPECT_TRUE(part::clueDock(*form)->isVisible());
    form->resize(120, 400);
    QApplication::processEvents();
    EXPECT_GE(form->centralWidget()->width(), MainWindow::kMinInnerWidth);
    EXPECT_GE(part::gridView(*form)->x(), MainWindow::kPanelWidth);
    EXPECT_GE(part::clueDock(*form)->x(), form->centralWidget()->geometry().right());
}

// Screen readers know the labels of changing text by what they are, whatever they show, and
// the lists by their names, in the loaded language.
TEST_F(ClueListWindow, AccessibleNamesStayWhileTheTextsChange) {
    startAuthoring(kGrid);
    write(QStringLiteral(u"Мурлыка"), QStringLiteral(u"КОТ"));
    clickRow(1, 0);
    const struct {
        QObject* widget;
        const char16_t* english;
        const char16_t* russian;
    } names[] = {
        {part::wordCountLabel(*form), u"Word count", u"Количество слов"},
        {part::clueLabels(*form)[0], u"Across", u"По горизонтали"},
        {part::clueLabels(*form)[1], u"Down", u"По вертикали"},
        {part::coordinatesLabel(*form), u"Cell", u"Координаты"},
        {part::clueList(*form), u"Clues", u"Подсказки"},
    };
    for (const auto& n : names)
        EXPECT_EQ(accessibleText(n.widget, QAccessible::Name), QString::fromUtf16(n.english));
    EXPECT_EQ(accessibleText(part::clueLabels(*form)[0], QAccessible::Description),
              QStringLiteral(u"Мурлыка"));
    clickRow(4, 0);
    EXPECT_EQ(accessibleText(part::clueLabels(*form)[0], QAccessible::Name),
              QStringLiteral("Across"));
    EXPECT_EQ(accessibleText(part::clueLabels(*form)[0], QAccessible::Description), QString());
    EXPECT_EQ(accessibleText(part::wordCountLabel(*form), QAccessible::Description),
              part::wordCountLabel(*form)->text());

    form->loadLanguage("Russian.txt");
    for (const auto& n : names)
        EXPECT_EQ(accessibleText(n.widget, QAccessible::Name), QString::fromUtf16(n.russian));
    EXPECT_EQ(part::clueDock(*form)->windowTitle(), QStringLiteral(u"Подсказки"));
    EXPECT_EQ(list()->item(0)->text(), QStringLiteral(u"По горизонтали"));

    // The search window's words are a list named by its heading.
    part::wordSearchAction(*form)->trigger();
    ASSERT_TRUE(part::findWord(*form));
    EXPECT_EQ(accessibleText(part::findWord(*form)->wordList, QAccessible::Name),
              QStringLiteral(u"Подходящие слова:"));
    part::findWord(*form)->close();
}

// The list measures one-line rows without the style; every row, short or wrapped, a heading or
// a solved one, keeps the size the style gives it (the width to a pixel), at any width.
TEST_F(ClueListWindow, RowsKeepTheSizeTheStyleGivesThem) {
    startAuthoring(kGrid);
    write(QStringLiteral(u"Мурлыка"), QStringLiteral(u"КОТ"));
    write(QStringLiteral(u"Длинная подсказка, которая в узком списке займёт не одну строку, а "
                         u"несколько, как бывает в настоящих кроссвордах"),
          QStringLiteral(u"ЖУК"));
    QStyledItemDelegate styled;
    for (const int width : {0, 120, 400}) {
        QStyleOptionViewItem option;
        option.initFrom(list());
        option.widget = list();
        option.font = list()->font();
        option.features |= QStyleOptionViewItem::WrapText;
        option.rect = QRect(0, 0, width, 0);
        for (int r = 0; r < list()->count(); ++r) {
            const QModelIndex index = list()->model()->index(r, 0);
            const QSize ours = list()->itemDelegate()->sizeHint(option, index);
            const QSize style = styled.sizeHint(option, index);
            EXPECT_EQ(ours.height(), style.height()) << width << " " << rows().at(r).toStdString();
            EXPECT_NEAR(ours.width(), style.width(), 1)
                << width << " " << rows().at(r).toStdString();
        }
    }
}
