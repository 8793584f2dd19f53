// The clue box, the Kross menu's state and deleting an answer.
#include "app/frmForma.h"
#include "grid/GridView.h"
#include "text/CodePage.h"
#include "text/Mnemonics.h"
#include "words/Placement.h"
#include "words/SlotColors.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>

void frmForma::txtVoprosOtvet_Change() {
    const CrosswordDocument& doc = state_.doc();
    if (doc.Mode != EditMode::ModeAuthor)
        return;
    lblVopros[doc.CurrentDirection == 1 ? 1 : 0]->setText(txtVoprosOtvet->text());
}

void frmForma::txtVoprosOtvet_KeyDown(int key) {
    if (key == Qt::Key_Escape) {
        gridView_->focusGrid();
        return;
    }
    const CrosswordDocument& doc = state_.doc();
    if ((key != Qt::Key_Return && key != Qt::Key_Enter) || txtVoprosOtvet->text().isEmpty() ||
        doc.CurrentSlot == 0 || doc.Mode != EditMode::ModeAuthor)
        return;
    if (!txtOtvet->text().isEmpty())
        placeTypedAnswer();
    else
        txtOtvet->setFocus(Qt::OtherFocusReason);
}

void frmForma::commitTypedClue() {
    const CrosswordDocument& doc = state_.doc();
    // Only the author's own typing counts, not a text the box was given. The answer box is not
    // placed on the way: that may be refused, and stays with Enter.
    if (doc.Mode != EditMode::ModeAuthor || doc.CurrentSlot < 1 || !txtVoprosOtvet->isModified())
        return;
    state_.session.keepClue(cp1251::fromUnicode(txtVoprosOtvet->text()));
    txtVoprosOtvet->setModified(false);
}

void frmForma::Kross_Click() {
    const EditMode mode = state_.doc().Mode;
    if (mode == EditMode::ModeAuthor || mode == EditMode::ModeSolveNoAnswers)
        KrossDelOtwet->setEnabled(state_.session.canDeleteAnswer());
}

void frmForma::KrossDelOtwet_Click() {
    const CrosswordDocument& doc = state_.doc();
    // The item is only enabled with something to delete; a stale trigger must not ask.
    if (!state_.session.canDeleteAnswer())
        return;
    const QByteArray question = cp1251::fromUnicode(withoutMnemonics(KrossDelOtwet->text())) + '?';
    if (message(question, platform::Icon::Warning, platform::Buttons::YesNo,
                platform::Answer::Yes) != platform::Answer::Yes)
        return;
    const int n = doc.CurrentSlot;
    const int d = doc.CurrentDirection;
    state_.session.deleteAnswer();
    DrawSlot(n, d, slotcolor::kYellow);
    if (doc.Mode == EditMode::ModeAuthor) {
        lblVopros[d == 1 ? 1 : 0]->clear();
        txtOtvet->clear();
        txtVoprosOtvet->clear();
        showDeadCells();
    } else {
        showWordsOpen(doc.WordCount - doc.SolvedCount);
    }
}
