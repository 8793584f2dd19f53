// The Properties and Change commands of the crossword menu.
#include "app/MainWindow.h"
#include "files/PropertiesDialog.h"
#include "files/UnlockDialog.h"
#include "text/Mnemonics.h"

#include <QAction>

void MainWindow::editProperties() {
    PropertiesDialog dialog(state_, platform_, this, withoutMnemonics(propertiesAction->text()));
    platform_.runDialog(dialog);
}

void MainWindow::unlock() {
    if (confirmDiscardChanges() == Discard::Abandon)
        return;
    UnlockDialog dialog(state_, platform_, this, withoutMnemonics(unlockAction->text()));
    if (platform_.runDialog(dialog) != QDialog::Accepted)
        return;
    updateControlsForMode();
    if (state_.doc().CurrentSlot > 0)
        showCurrentSlot();
    showModeTexts();
}
