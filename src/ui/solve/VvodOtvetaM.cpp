// Entering a solver's answer into a crossword without answers, and jumping to a typed number.
#include "app/frmForma.h"
#include "solve/Solving.h"
#include "words/SlotColors.h"

#include <QLineEdit>

void frmForma::jumpToTypedNumber(int v) {
    CrosswordDocument& doc = state_.doc;
    Selected previous;
    if (!JumpToNumber(doc, v, previous))
        return;
    DrawSlot(previous.slot, previous.direction, slotcolor::kWhite);
    DrawSlot(doc.CurrentSlot, doc.CurrentDirection, slotcolor::kYellow);
    txtOtvet->clear();
}

void frmForma::enterTypedAnswer(const QByteArray& word) {
    CrosswordDocument& doc = state_.doc;
    const int n = doc.CurrentSlot;
    const int d = doc.CurrentDirection;
    const EntryOutcome out = EnterSolverAnswer(doc, word, state_.ShownStyle);
    if (out.conflict) {
        showLetterConflict(out.position, out.crossing, out.typed);
        return;
    }
    if (!out.entered)
        return;
    txtOtvet->clear();
    DrawSlot(n, d, slotcolor::kWhite);
    showWordsOpen(out.open);
    if (out.open > 0) {
        if (out.nextFound) {
            DrawSlot(doc.CurrentSlot, doc.CurrentDirection, slotcolor::kWhite);
            doc.CurrentSlot = out.nextSlot;
            doc.CurrentDirection = out.nextDirection;
            DrawSlot(out.nextSlot, out.nextDirection, slotcolor::kYellow);
        }
    } else {
        message(state_.language.entry(LangEntry::AllSolved), platform::Icon::Information);
    }
}
