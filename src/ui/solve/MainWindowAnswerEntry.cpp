// Entering a solver's answer into a crossword without answers, and jumping to a typed number.
#include "app/frmForma.h"
#include "solve/Solving.h"
#include "words/SlotColors.h"

#include <QLineEdit>

void frmForma::jumpToTypedNumber(int v) {
    const std::optional<Selected> previous = state_.session.jumpToNumber(v);
    if (!previous)
        return;
    const CrosswordDocument& doc = state_.doc();
    DrawSlot(previous->slot, previous->direction, slotcolor::kWhite);
    DrawSlot(doc.CurrentSlot, doc.CurrentDirection, slotcolor::kYellow);
    txtOtvet->clear();
}

void frmForma::enterTypedAnswer(const QByteArray& word) {
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
    txtOtvet->clear();
    DrawSlot(n, d, slotcolor::kWhite);
    showWordsOpen(out.open);
    if (out.open > 0) {
        // The session selected the next open slot.
        if (out.nextFound)
            DrawSlot(out.nextSlot, out.nextDirection, slotcolor::kYellow);
    } else {
        message(state_.language.entry(LangEntry::AllSolved), platform::Icon::Information);
    }
}
