#include "GridWindow.h"

#include "grid/GridView.h"
#include "support/ui/WindowParts.h"
#include "text/CodePage.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>

namespace {

const QColor kYellow(255, 255, 0);
const QColor kWhite(255, 255, 255);

using AnalysisWindow = GridWindow;

TEST_F(AnalysisWindow, GridReadyNumbersTheSlotsAndSelectsTheFirst) {
    startAuthoring({"...", ".#.", "..."});
    ASSERT_EQ(fake.messages.size(), 1);
    EXPECT_EQ(fake.messages[0].text, part::gridReadyButton(*form)->text() + QLatin1Char('?'));
    EXPECT_EQ(fake.messages[0].icon, platform::Icon::Warning);
    EXPECT_EQ(doc().Mode, EditMode::ModeAuthor);
    EXPECT_EQ(doc().WordCount, 4);
    EXPECT_EQ(part::wordCountLabel(*form)->text(), QStringLiteral("Words: 4"));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Clueforge authoring"));
    EXPECT_EQ(part::clueEditLabel(*form)->text(), QStringLiteral("Clue:"));
    EXPECT_TRUE(part::clueEdit(*form)->isVisible());
    EXPECT_FALSE(part::gridReadyButton(*form)->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), part::clueEdit(*form));
    EXPECT_EQ(doc().CurrentSlot, 1);
    EXPECT_EQ(doc().CurrentDirection, 0);
    for (int x = 0; x < 3; ++x)
        EXPECT_EQ(cellColor(x, 0), kYellow);
    EXPECT_EQ(cellColor(0, 1), kWhite);
    // The black centre shows the picture's background.
    EXPECT_EQ(cellColor(1, 1), pic().backColor());
    EXPECT_EQ(pic().width(), 3 * C + 10);
}

TEST_F(AnalysisWindow, WithoutAnswersOnlyNumbers) {
    startAuthoring({"..", ".."}, 1);
    EXPECT_EQ(doc().Mode, EditMode::ModeAuthorNoAnswers);
    EXPECT_EQ(doc().CurrentSlot, 0);
    // The menu's caption without its mnemonic mark.
    EXPECT_EQ(part::crosswordMenu(*form)->title(), QStringLiteral(u"&Кроссворд"));
    EXPECT_EQ(form->windowTitle(), QStringLiteral(u"Кроссворд: \"Test\" (without answers)"));
    EXPECT_EQ(cellColor(0, 0), kWhite);
}

TEST_F(AnalysisWindow, SmallGrids) {
    startAuthoring({".."});
    EXPECT_EQ(doc().WordCount, 1);
    EXPECT_EQ(cellColor(1, 0), kYellow);
    startAuthoring({"...#", "####", "#.##"});
    EXPECT_EQ(doc().WordCount, 1);
    EXPECT_EQ(cellColor(1, 2), pic().backColor());
    EXPECT_EQ(numberAt(1, 2), 0);
}

TEST_F(AnalysisWindow, NoWordLeavesTheDrawing) {
    for (const QByteArrayList& rows : {QByteArrayList{"###", "###"}, QByteArrayList{"."}}) {
        fake.messages.clear();
        startDrawing(rows);
        const QImage drawn = pic().image();
        fake.answers.push_back(platform::Answer::Yes);
        form->finishGrid();
        ASSERT_EQ(fake.messages.size(), 2);
        EXPECT_EQ(fake.messages[1].text, QStringLiteral("No words!"));
        EXPECT_EQ(fake.messages[1].icon, platform::Icon::Critical);
        EXPECT_EQ(doc().Mode, EditMode::ModeDrawGrid);
        EXPECT_EQ(pic().image(), drawn);
        EXPECT_TRUE(part::gridReadyButton(*form)->isVisible());
    }
}

TEST_F(AnalysisWindow, AnsweringNoKeepsDrawing) {
    startDrawing({"..", ".."});
    fake.answers.push_back(platform::Answer::No);
    form->finishGrid();
    EXPECT_EQ(doc().Mode, EditMode::ModeDrawGrid);
    EXPECT_EQ(doc().NumberedCount, 0);
}

TEST_F(AnalysisWindow, AuthorClicksAlternateOnACrossingCell) {
    startAuthoring({"...", ".#.", "..."});
    doc().SlotTexts.set(1, 0, 1, "down clue");
    struct Step {
        int cx, cy;
        int slot, direction;
    };
    // (0, 0) crosses 1 across and 1 down; (2, 1) has only 2 down; the centre is black.
    for (const Step& s : {Step{0, 0, 1, 1}, Step{0, 0, 1, 0}, Step{2, 1, 2, 1}, Step{1, 1, 2, 1},
                          Step{1, 2, 3, 0}}) {
        clickCell(s.cx, s.cy);
        EXPECT_EQ(doc().CurrentSlot, s.slot) << s.cx << "," << s.cy;
        EXPECT_EQ(doc().CurrentDirection, s.direction) << s.cx << "," << s.cy;
    }
    // Only the current slot is highlighted.
    EXPECT_EQ(cellColor(2, 2), kYellow);
    EXPECT_EQ(cellColor(2, 1), kWhite);
    EXPECT_EQ(cellColor(0, 1), kWhite);
    clickCell(0, 1);
    EXPECT_EQ(part::clueLabels(*form)[1]->text(), QStringLiteral("down clue"));
    EXPECT_EQ(part::clueEdit(*form)->text(), QStringLiteral("down clue"));
    EXPECT_TRUE(part::clueLabels(*form)[0]->text().isEmpty());
}

// A crossword being solved: 1 across "ABC" solved, the rest not.
class SolvingWindow : public GridWindow {
protected:
    void SetUp() override {
        GridWindow::SetUp();
        startAuthoring({"...", ".#.", "..."});
        doc().SlotTexts.set(1, 0, 0, "across clue");
        doc().SlotTexts.set(1, 1, 0, "ABC");
        doc().SlotTexts.set(1, 0, 1, "down clue");
        doc().SlotTexts.set(2, 0, 1, "two down");
        doc().SolvedFlags.set(1, 0, 1);
        doc().Mode = EditMode::ModeSolve;
        doc().CurrentSlot = 0;
        form->updateControlsForMode();
        form->state().session.showForSetup(form->state().session.shownStyle());
        part::gridView(*form)->drawGrid();
    }
};

TEST_F(SolvingWindow, ClickShowsBothCluesThroughTheCell) {
    clickCell(1, 1); // black
    EXPECT_EQ(doc().CurrentSlot + doc().CurrentDownSlot, 0);
    clickCell(1, 0); // only in the solved 1 across
    EXPECT_EQ(doc().CurrentSlot + doc().CurrentDownSlot, 0);
    clickCell(0, 0);
    EXPECT_EQ(doc().CurrentSlot, 0);
    EXPECT_EQ(doc().CurrentDownSlot, 1);
    EXPECT_EQ(part::clueLabels(*form)[1]->text(), QStringLiteral("down clue"));
    EXPECT_EQ(cellColor(0, 2), kYellow);
    clickCell(2, 2); // 3 across and 2 down
    EXPECT_EQ(doc().CurrentSlot, 3);
    EXPECT_EQ(doc().CurrentDownSlot, 2);
    EXPECT_EQ(cellColor(0, 1), kWhite); // 1 down let go
    EXPECT_EQ(cellColor(2, 0), kYellow);
    EXPECT_EQ(cellColor(0, 2), kYellow);
}

TEST_F(SolvingWindow, TypedNumberSelectsItsUnsolvedWords) {
    part::answerEdit(*form)->setText(QStringLiteral("1"));
    QTest::keyClick(part::answerEdit(*form), Qt::Key_Return);
    EXPECT_EQ(doc().CurrentSlot, 0);
    EXPECT_EQ(doc().CurrentDownSlot, 1);
    EXPECT_TRUE(part::clueLabels(*form)[0]->text().isEmpty());
    EXPECT_TRUE(part::answerEdit(*form)->text().isEmpty());
    part::answerEdit(*form)->setText(QStringLiteral("9"));
    QTest::keyClick(part::answerEdit(*form), Qt::Key_Return);
    EXPECT_EQ(doc().CurrentDownSlot, 1);
    EXPECT_EQ(part::answerEdit(*form)->text(), QStringLiteral("9"));
}

TEST_F(SolvingWindow, StyleTurnsThePictureAndKeepsTheSelection) {
    clickCell(2, 2);
    part::styleActions(*form)[1]->trigger();
    EXPECT_EQ(state.settings.ChosenStyle, 1);
    EXPECT_EQ(state.session.shownStyle(), 1);
    EXPECT_TRUE(part::styleActions(*form)[1]->isChecked());
    EXPECT_FALSE(part::styleActions(*form)[0]->isChecked());
    EXPECT_EQ(numberAt(2, 2), 1);
    EXPECT_EQ(doc().CurrentSlot, 3);
    EXPECT_EQ(doc().CurrentDownSlot, 2);
    // 3 across now runs along the top row, 2 down along the left column.
    EXPECT_EQ(cellColor(1, 0), kYellow);
    EXPECT_EQ(cellColor(0, 1), kYellow);
    EXPECT_EQ(cellColor(2, 1), kWhite);
    // The solved word's letters are in the bottom row, read from the right.
    EXPECT_EQ(doc().CellMap.at(2, 2, 3), 'A');
    // Choosing the checked item again changes nothing and keeps its mark.
    part::styleActions(*form)[1]->trigger();
    EXPECT_TRUE(part::styleActions(*form)[1]->isChecked());
    EXPECT_EQ(state.session.shownStyle(), 1);
}

TEST_F(AnalysisWindow, StyleWhileAuthoringOnlyMovesTheCheckMark) {
    startAuthoring({"...", ".#.", "..."});
    part::styleActions(*form)[1]->trigger();
    EXPECT_EQ(state.settings.ChosenStyle, 1);
    EXPECT_TRUE(part::styleActions(*form)[1]->isChecked());
    EXPECT_EQ(state.session.shownStyle(), 0);
    EXPECT_EQ(numberAt(0, 0), 1);
}

} // namespace
