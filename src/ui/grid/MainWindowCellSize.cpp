// The cell size command.
#include "app/MainWindow.h"
#include "grid/CellSizeDialog.h"
#include "grid/GridView.h"
#include "grid/LetterFont.h"
#include "text/Mnemonics.h"

#include <QAction>

void MainWindow::chooseCellSize() {
    if (state_.doc().Mode == EditMode::ModeEmpty)
        return;
    CellSizeDialog dialog(state_, platform_, this, withoutMnemonics(cellSizeAction->text()),
                          digitStrips, *gridView_->picture(), letterFontStrikethrough);
    connect(&dialog, &CellSizeDialog::letterFontChanged, this,
            [this] { letterfont::apply(*exportPicture_, state_.settings); });
    // An accepted size is drawn as the session signals it.
    platform_.runDialog(dialog);
}
