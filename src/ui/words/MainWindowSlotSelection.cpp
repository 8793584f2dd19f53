// Selecting slots: the current one, the next without an answer, the solver's pair, a typed number.
#include "app/EntryPanelView.h"
#include "app/MainWindow.h"
#include "text/CodePage.h"
#include "words/SlotSelection.h"

#include <QLabel>
#include <QLineEdit>

#include <array>

void MainWindow::selectNextUnanswered() {
    state_.session.selectNextUnanswered();
    focusClueBox();
}

void MainWindow::showSolverSelection(int across, int down) {
    state_.session.selectPair(across, down);
}

void MainWindow::selectByNumber(int number) {
    const SolverPair pair = solverPairForNumber(state_.doc(), number);
    if (pair.across + pair.down == 0)
        return;
    showSolverSelection(pair.across, pair.down);
    entryPanel_->clearAnswer();
}
