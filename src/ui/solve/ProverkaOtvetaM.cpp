// Checking a solver's answer against the crossword's own.
#include "app/frmForma.h"
#include "solve/Solving.h"
#include "words/SlotColors.h"

#include <QLabel>
#include <QLineEdit>

void frmForma::checkTypedAnswer(const QByteArray& word) {
    CrosswordDocument& doc = state_.doc;
    const CheckOutcome out = CheckSolverAnswer(doc, word, state_.ShownStyle);
    if (!out.hit) {
        message(state_.language.entry(LangEntry::WrongAnswer), platform::Icon::Information);
        return;
    }
    DrawSlot(out.slot, out.direction, slotcolor::kWhite);
    txtOtvet->clear();
    lblVopros[out.direction == 1 ? 1 : 0]->clear();
    showWordsOpen(out.open);

    // The white redraw may have covered the cell the other selected word shares with it.
    using Next = CheckOutcome::Next;
    switch (out.next) {
    case Next::KeepDownSelected:
        DrawSlot(doc.CurrentDownSlot, 1, slotcolor::kYellow);
        break;
    case Next::KeepAcrossSelected:
        DrawSlot(doc.CurrentSlot, 0, slotcolor::kYellow);
        break;
    case Next::SelectPair:
        ShowSolverSelection(out.across, out.down);
        break;
    case Next::Solved:
        message(state_.language.entry(LangEntry::AllSolved), platform::Icon::Information);
        break;
    case Next::None:
        break;
    }
}
