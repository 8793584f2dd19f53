// The Properties and Change commands of the crossword menu.
#include "app/frmForma.h"
#include "files/frmAbout.h"
#include "files/frmChange.h"
#include "text/Mnemonics.h"

#include <QAction>

void frmForma::KrossAbout_Click() {
    frmAbout dialog(state_, platform_, this, withoutMnemonics(KrossAbout->text()));
    platform_.runDialog(dialog);
}

void frmForma::KrossChange_Click() {
    if (ConfirmDiscardChanges() == 1)
        return;
    frmChange dialog(state_, platform_, this, withoutMnemonics(KrossChange->text()));
    if (platform_.runDialog(dialog) != QDialog::Accepted)
        return;
    drawGrid();
    UpdateControlsForMode();
    if (state_.doc().CurrentSlot > 0)
        ShowCurrentSlot();
    ShowModeTexts();
}
