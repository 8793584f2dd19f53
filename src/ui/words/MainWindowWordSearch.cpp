// The pattern-search command of the Crossword menu.
#include "app/MainWindow.h"
#include "text/Mnemonics.h"
#include "words/WordSearchWindow.h"

#include <QAction>

void MainWindow::openWordSearch() {
    // One search window at a time: the command brings an open one to the front.
    if (findWord) {
        findWord->show();
        findWord->raise();
        findWord->activateWindow();
        return;
    }
    findWord = new WordSearchWindow(state_, platform_, this, wordListCache,
                                    withoutMnemonics(wordSearchAction->text()));
    findWord->show();
    findWord->Form_Load();
}
