#include "app/WrapCheckBox.h"
#include "grid/GridView.h"
#include "grid/PictureBox.h"
#include "support/Crosswords.h"
#include "support/ui/Commands.h"
#include "support/ui/WindowParts.h"
#include "ui/solve/SolvingWindow.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

using fixtures::cp;
using namespace Qt::StringLiterals;

namespace {

const QByteArrayList kRing{"...", ".#.", "..."};

class UndoWindow : public SolvingWindow {
protected:
    QImage picture() const { return part::gridView(*form)->picture()->image(); }
    bool offered(QAction* a) const { return a->isEnabled(); }
    // Ctrl+Z or its redo keys where the focus is, as the user presses them.
    void press(QKeySequence::StandardKey key) {
        QWidget* target = QApplication::focusWidget();
        if (!target)
            target = form;
        const QKeyCombination keys = QKeySequence::keyBindings(key).front()[0];
        QTest::keyClick(target, keys.key(), keys.keyboardModifiers());
        QApplication::processEvents();
    }
    // Types an answer and its clue into the boxes of the current slot, with Enter.
    void author(const QString& clue, const QString& answer) {
        part::clueEdit(*form)->setFocus();
        type(clue);
        pressEnter();
        type(answer);
        pressEnter();
    }
    void newGrid(int w, int h) {
        program.state.session.newGrid(w, h, "T", 0);
        form->showModeTexts();
        part::gridView(*form)->drawEmptyField();
        form->updateControlsForMode();
    }
};

} // namespace

TEST_F(UndoWindow, TheEditMenuFollowsTheHistoryWithThePlatformsKeys) {
    const QList<QAction*> menus = form->menuBar()->actions();
    ASSERT_GE(menus.size(), 2);
    EXPECT_EQ(menus[1]->menu(), part::editMenu(*form)) << "right after File";
    EXPECT_EQ(part::editMenu(*form)->objectName(), u"editMenu");
    EXPECT_EQ(part::editMenu(*form)->title(), u"&Edit");
    EXPECT_EQ(actionNamed(*form, "undoAction")->text(), u"&Undo");
    EXPECT_EQ(actionNamed(*form, "redoAction")->text(), u"&Redo");
    EXPECT_EQ(actionNamed(*form, "undoAction")->shortcuts(),
              QKeySequence::keyBindings(QKeySequence::Undo));
    EXPECT_EQ(actionNamed(*form, "redoAction")->shortcuts(),
              QKeySequence::keyBindings(QKeySequence::Redo));
    EXPECT_TRUE(actionNamed(*form, "undoAction")->shortcuts().contains(QKeySequence(u"Ctrl+Z"_s)));
    const QList<QKeySequence> redo = actionNamed(*form, "redoAction")->shortcuts();
    EXPECT_TRUE(redo.contains(QKeySequence(u"Ctrl+Shift+Z"_s)) ||
                redo.contains(QKeySequence(u"Ctrl+Y"_s)));
    form->loadLanguage("Russian.txt");
    EXPECT_EQ(part::editMenu(*form)->title(), u"&Правка");
    EXPECT_EQ(actionNamed(*form, "undoAction")->text(), u"&Отменить");
    EXPECT_EQ(actionNamed(*form, "redoAction")->text(), u"&Повторить");
    form->loadLanguage("English.txt");

    EXPECT_FALSE(offered(actionNamed(*form, "undoAction")));
    EXPECT_FALSE(offered(actionNamed(*form, "redoAction")));
    startAuthoring(kRing);
    EXPECT_FALSE(offered(actionNamed(*form, "undoAction"))) << "grid ready starts afresh";
    author(u"pet"_s, u"КОТ"_s);
    EXPECT_TRUE(offered(actionNamed(*form, "undoAction")));
    EXPECT_FALSE(offered(actionNamed(*form, "redoAction")));
    actionNamed(*form, "undoAction")->trigger();
    EXPECT_FALSE(offered(actionNamed(*form, "undoAction")));
    EXPECT_TRUE(offered(actionNamed(*form, "redoAction")));

    // Opening a crossword leaves nothing to undo or redo.
    openCrossword(saveCrossword(kGrid, kAnswers), 0);
    EXPECT_FALSE(offered(actionNamed(*form, "undoAction")));
    EXPECT_FALSE(offered(actionNamed(*form, "redoAction")));
}

TEST_F(UndoWindow, PlacedAndDeletedAnswersGoAndComeBackOnScreen) {
    startAuthoring(kRing);
    const QImage empty = picture();
    author(u"pet"_s, u"КОТ"_s);
    ASSERT_EQ(letters(1, 0), cp(u"КОТ"));
    const QImage placed = picture();
    const QString placedCount = part::wordCountLabel(*form)->text();

    // From the clue box, which has nothing of its own to take back, Ctrl+Z reaches the
    // crossword.
    ASSERT_EQ(focusedName(), u"clueEdit");
    press(QKeySequence::Undo);
    EXPECT_EQ(letters(1, 0), "...");
    EXPECT_TRUE(doc().SlotTexts.at(1, 0, 0).isEmpty());
    EXPECT_EQ(picture(), empty);
    EXPECT_TRUE(highlighted(0, 0)) << "1 across is the current slot again";
    EXPECT_TRUE(part::answerEdit(*form)->text().isEmpty());
    press(QKeySequence::Redo);
    EXPECT_EQ(letters(1, 0), cp(u"КОТ"));
    EXPECT_EQ(picture(), placed);
    EXPECT_EQ(part::wordCountLabel(*form)->text(), placedCount);

    // Deleting is a step too; undone, the answer and its clue are back in the boxes.
    clickCell(1, 0);
    ASSERT_TRUE(deleteAnswerOffered());
    fake().answers.push_back(platform::Answer::Yes);
    actionNamed(*form, "deleteAnswerAction")->trigger();
    ASSERT_EQ(letters(1, 0), "...");
    actionNamed(*form, "undoAction")->trigger();
    EXPECT_EQ(letters(1, 0), cp(u"КОТ"));
    EXPECT_EQ(part::answerEdit(*form)->text(), u"КОТ");
    EXPECT_EQ(part::clueEdit(*form)->text(), u"pet");
    EXPECT_EQ(part::clueLabels(*form)[0]->text(), u"pet");
    EXPECT_TRUE(highlighted(1, 0));

    // Typing in a box is undone in the box first; the crossword stays.
    part::clueEdit(*form)->setFocus();
    type(u"s"_s);
    press(QKeySequence::Undo);
    EXPECT_EQ(part::clueEdit(*form)->text(), u"pet");
    EXPECT_EQ(letters(1, 0), cp(u"КОТ"));
    EXPECT_TRUE(offered(actionNamed(*form, "redoAction")));
}

TEST_F(UndoWindow, AClueTypedWithoutEnterIsTheStepTheMenuTakesBack) {
    startAuthoring(kRing);
    author(u"pet"_s, u"КОТ"_s);
    // 1 down is current now: its clue typed, not entered.
    part::clueEdit(*form)->setFocus();
    type(u"long"_s);
    actionNamed(*form, "undoAction")->trigger();
    EXPECT_TRUE(doc().SlotTexts.at(1, 0, 1).isEmpty());
    EXPECT_EQ(letters(1, 0), cp(u"КОТ")) << "only the clue went back";
    actionNamed(*form, "redoAction")->trigger();
    EXPECT_EQ(doc().SlotTexts.at(1, 0, 1), "long");
    EXPECT_EQ(part::clueEdit(*form)->text(), u"long");
}

TEST_F(UndoWindow, UndoneToTheSavedCrosswordNothingAsksToBeSaved) {
    startAuthoring(kRing);
    ASSERT_EQ(program.state.session.saveCrossword(program.folder.path() + u"Samples/r.cfw"_s),
              FileStatus::Ok);
    author(u"pet"_s, u"КОТ"_s);
    EXPECT_TRUE(doc().Modified);
    fake().answers.push_back(platform::Answer::Cancel);
    EXPECT_FALSE(form->close());
    EXPECT_EQ(fake().messages.size(), 1) << "past the save, closing asks";

    actionNamed(*form, "undoAction")->trigger();
    EXPECT_FALSE(doc().Modified);
    EXPECT_TRUE(form->close());
    EXPECT_EQ(fake().messages.size(), 1) << messageTexts().join(u'|').toStdString();
}

TEST_F(UndoWindow, EachClickOfDrawingAndClearAreSteps) {
    newGrid(5, 4);
    const QImage white = picture();
    part::symmetryCheck(*form)->setChecked(true);
    clickCell(0, 0);
    const QImage corners = picture();
    part::symmetryCheck(*form)->setChecked(false);
    clickCell(2, 1);
    const QImage drawn = picture();
    fake().answers.push_back(platform::Answer::Yes);
    part::clearGridButton(*form)->click();
    ASSERT_EQ(picture(), white);

    const QImage expected[] = {drawn, corners, white};
    for (const QImage& image : expected) {
        actionNamed(*form, "undoAction")->trigger();
        EXPECT_EQ(picture(), image);
    }
    EXPECT_FALSE(offered(actionNamed(*form, "undoAction")));
    actionNamed(*form, "redoAction")->trigger();
    EXPECT_EQ(picture(), corners);
    EXPECT_EQ(doc().CellMap.at(4, 3), 1) << "the mirrored corner came back too";
    EXPECT_FALSE(doc().Modified);
}

TEST_F(UndoWindow, TheSolversWordsAreStepsWithTheirCount) {
    openCrossword(saveCrossword(kGrid, kAnswers), 0);
    const QImage opened = picture();
    typeLines({u"КОТ"_s});
    ASSERT_EQ(part::wordCountLabel(*form)->text(), u"Words: 6");
    const QImage solved = picture();
    type(u"ХХХ"_s);
    pressEnter();
    ASSERT_EQ(messageTexts().size(), 1) << "a wrong answer";
    EXPECT_FALSE(offered(actionNamed(*form, "redoAction")));

    actionNamed(*form, "undoAction")->trigger();
    EXPECT_FALSE(offered(actionNamed(*form, "undoAction"))) << "the wrong answer was no step";
    EXPECT_EQ(part::wordCountLabel(*form)->text(), u"Words: 7");
    EXPECT_EQ(doc().SolvedCount, 0);
    EXPECT_EQ(picture(), opened);
    EXPECT_FALSE(doc().Modified);
    actionNamed(*form, "redoAction")->trigger();
    EXPECT_EQ(part::wordCountLabel(*form)->text(), u"Words: 6");
    EXPECT_EQ(picture(), solved);

    // Without answers, each typed word likewise.
    openCrossword(saveCrossword(kGrid, {}), 0);
    typeLines({u"КОТ"_s});
    ASSERT_EQ(letters(1, 0), cp(u"КОТ"));
    actionNamed(*form, "undoAction")->trigger();
    EXPECT_EQ(letters(1, 0), "...");
    EXPECT_EQ(part::wordCountLabel(*form)->text(), u"Words: 7");
    EXPECT_TRUE(highlighted(2, 0)) << "1 across selected again";
}
