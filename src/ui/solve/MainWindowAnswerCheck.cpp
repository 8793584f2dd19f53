// Checking a solver's answer against the crossword's own.
#include "app/MainWindow.h"
#include "grid/SlotColors.h"
#include "solve/Solving.h"

#include <QLabel>
#include <QLineEdit>

void MainWindow::checkTypedAnswer(const QByteArray& word) {
    const CrosswordDocument& doc = state_.doc();
    const int across = doc.CurrentSlot;
    const int down = doc.CurrentDownSlot;
    const CheckOutcome out = state_.session.checkAnswer(word);
    if (!out.hit) {
        message(state_.language.entry(LangEntry::WrongAnswer), platform::Icon::Information);
        return;
    }
    drawSlot(out.slot, out.direction, slotcolor::kWhite);
    answerEdit->clear();
    clueLabels[out.direction == 1 ? 1 : 0]->clear();
    showWordsOpen(out.open);

    // The white redraw may have covered the cell the other selected word shares with it.
    using Next = CheckOutcome::Next;
    switch (out.next) {
    case Next::KeepDownSelected:
        drawSlot(doc.CurrentDownSlot, 1, slotcolor::kYellow);
        break;
    case Next::KeepAcrossSelected:
        drawSlot(doc.CurrentSlot, 0, slotcolor::kYellow);
        break;
    case Next::SelectPair:
        // The session selected the pair; the solved word's own selection is gone already.
        showSolverPair(out.across, out.down, out.direction == 0 ? 0 : across,
                       out.direction == 1 ? 0 : down);
        break;
    case Next::Solved:
        message(state_.language.entry(LangEntry::AllSolved), platform::Icon::Information);
        break;
    case Next::None:
        break;
    }
}
