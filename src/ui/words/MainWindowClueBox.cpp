// The clue box, the Crossword menu's state and deleting an answer.
#include "app/EnterKey.h"
#include "app/MainWindow.h"
#include "grid/GridView.h"
#include "text/CodePage.h"
#include "text/Mnemonics.h"
#include "words/Placement.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>

void MainWindow::clueEditChanged() {
    const CrosswordDocument& doc = state_.doc();
    if (doc.Mode != EditMode::ModeAuthor)
        return;
    clueLabels[doc.CurrentDirection == 1 ? 1 : 0]->setText(clueEdit->text());
}

void MainWindow::clueEditKey(int key) {
    if (key == Qt::Key_Escape) {
        gridView_->focusGrid();
        return;
    }
    const CrosswordDocument& doc = state_.doc();
    if (!isEnterKey(key) || clueEdit->text().isEmpty() || doc.CurrentSlot == 0 ||
        doc.Mode != EditMode::ModeAuthor)
        return;
    if (!answerEdit->text().isEmpty())
        placeTypedAnswer();
    else
        answerEdit->setFocus(Qt::OtherFocusReason);
}

void MainWindow::commitTypedClue() {
    const CrosswordDocument& doc = state_.doc();
    // Only the author's own typing counts, not a text the box was given. The answer box is not
    // placed on the way: that may be refused, and stays with Enter.
    if (doc.Mode != EditMode::ModeAuthor || doc.CurrentSlot < 1 || !clueEdit->isModified())
        return;
    state_.session.keepClue(cp1251::fromUnicode(clueEdit->text()));
    clueEdit->setModified(false);
}

void MainWindow::updateCrosswordMenu() {
    const EditMode mode = state_.doc().Mode;
    if (mode == EditMode::ModeAuthor || mode == EditMode::ModeSolveNoAnswers)
        deleteAnswerAction->setEnabled(state_.session.canDeleteAnswer());
}

void MainWindow::deleteAnswer() {
    const CrosswordDocument& doc = state_.doc();
    // The item is only enabled with something to delete; a stale trigger must not ask.
    if (!state_.session.canDeleteAnswer())
        return;
    const QByteArray question =
        cp1251::fromUnicode(withoutMnemonics(deleteAnswerAction->text())) + '?';
    if (message(question, platform::Icon::Warning, platform::Buttons::YesNo,
                platform::Answer::Yes) != platform::Answer::Yes)
        return;
    const int d = doc.CurrentDirection;
    state_.session.deleteAnswer();
    if (doc.Mode == EditMode::ModeAuthor) {
        clueLabels[d == 1 ? 1 : 0]->clear();
        answerEdit->clear();
        clueEdit->clear();
    } else {
        showWordsOpen(doc.WordCount - doc.SolvedCount);
    }
}
