// Entering a solver's answer into a crossword without answers, and jumping to a typed number.
#include "app/MainWindow.h"
#include "solve/Solving.h"

#include <QLineEdit>

void MainWindow::jumpToTypedNumber(int v) {
    if (!state_.session.jumpToNumber(v))
        return;
    answerEdit->clear();
}

void MainWindow::enterTypedAnswer(const QByteArray& word) {
    const EntryOutcome out = state_.session.enterAnswer(word);
    if (out.conflict) {
        showLetterConflict(out.position, out.crossing, out.typed);
        return;
    }
    if (!out.entered)
        return;
    answerEdit->clear();
    showWordsOpen(out.open);
    // Else the session selected the next open slot.
    if (out.open == 0)
        message(state_.language.entry(LangEntry::AllSolved), platform::Icon::Information);
}
