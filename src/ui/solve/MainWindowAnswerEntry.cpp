// Entering a solver's answer into a crossword without answers, and jumping to a typed number.
#include "app/MainWindow.h"
#include "grid/SlotColors.h"
#include "solve/Solving.h"

#include <QLineEdit>

void MainWindow::jumpToTypedNumber(int v) {
    const std::optional<Selected> previous = state_.session.jumpToNumber(v);
    if (!previous)
        return;
    const CrosswordDocument& doc = state_.doc();
    drawSlot(previous->slot, previous->direction, slotcolor::kWhite);
    drawSlot(doc.CurrentSlot, doc.CurrentDirection, slotcolor::kYellow);
    answerEdit->clear();
}

void MainWindow::enterTypedAnswer(const QByteArray& word) {
    const CrosswordDocument& doc = state_.doc();
    const int n = doc.CurrentSlot;
    const int d = doc.CurrentDirection;
    const EntryOutcome out = state_.session.enterAnswer(word);
    if (out.conflict) {
        showLetterConflict(out.position, out.crossing, out.typed);
        return;
    }
    if (!out.entered)
        return;
    answerEdit->clear();
    drawSlot(n, d, slotcolor::kWhite);
    showWordsOpen(out.open);
    if (out.open > 0) {
        // The session selected the next open slot.
        if (out.nextFound)
            drawSlot(out.nextSlot, out.nextDirection, slotcolor::kYellow);
    } else {
        message(state_.language.entry(LangEntry::AllSolved), platform::Icon::Information);
    }
}
