// Checking a solver's answer against the crossword's own.
#include "app/MainWindow.h"
#include "solve/Solving.h"

#include <QLabel>
#include <QLineEdit>

void MainWindow::checkTypedAnswer(const QByteArray& word) {
    const CheckOutcome out = state_.session.checkAnswer(word);
    if (!out.hit) {
        message(state_.language.entry(LangEntry::WrongAnswer), platform::Icon::Information);
        return;
    }
    answerEdit->clear();
    showWordsOpen(out.open);
    // The session selected what comes next; the grid and the clues follow it.
    if (out.next == CheckOutcome::Next::Solved)
        message(state_.language.entry(LangEntry::AllSolved), platform::Icon::Information);
}
