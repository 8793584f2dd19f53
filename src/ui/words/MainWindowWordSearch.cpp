// The pattern-search command of the Kross menu.
#include "app/frmForma.h"
#include "text/Mnemonics.h"
#include "words/frmFindWord.h"

#include <QAction>

void frmForma::KrossFoundWord_Click() {
    // One search window at a time: the command brings an open one to the front.
    if (findWord) {
        findWord->show();
        findWord->raise();
        findWord->activateWindow();
        return;
    }
    findWord = new frmFindWord(state_, platform_, this, wordListCache,
                               withoutMnemonics(KrossFoundWord->text()));
    findWord->show();
    findWord->Form_Load();
}
