// Selecting slots: the current one, the next without an answer, the solver's pair, a typed number.
#include "app/MainWindow.h"
#include "text/CodePage.h"
#include "words/SlotSelection.h"

#include <QLabel>
#include <QLineEdit>

#include <array>

void MainWindow::showCurrentSlot() {
    const CrosswordDocument& doc = state_.doc();
    const int n = doc.CurrentSlot;
    const int d = doc.CurrentDirection == 1 ? 1 : 0;
    const QString clue = cp1251::toUnicode(doc.SlotTexts.at(n, 0, d));
    clueLabels[static_cast<std::size_t>(1 - d)]->clear();
    clueLabels[static_cast<std::size_t>(d)]->setText(clue);
    clueEdit->setText(clue);
    answerEdit->setText(cp1251::toUnicode(doc.SlotTexts.at(n, 1, d)));
    clueEdit->setFocus(Qt::OtherFocusReason);
}

void MainWindow::selectNextUnanswered() {
    state_.session.selectNextUnanswered();
    if (state_.doc().CurrentSlot > 0)
        showCurrentSlot();
}

void MainWindow::showSolverSelection(int across, int down) {
    state_.session.selectPair(across, down);
}

void MainWindow::showSolverClues() {
    const CrosswordDocument& doc = state_.doc();
    if (doc.Mode != EditMode::ModeSolve)
        return;
    const std::array<int, 2> chosen{doc.CurrentSlot, doc.CurrentDownSlot};
    for (int d = 0; d <= 1; ++d) {
        const int n = chosen[static_cast<std::size_t>(d)];
        QLabel* label = clueLabels[static_cast<std::size_t>(d)];
        if (n == 0)
            label->clear();
        else
            label->setText(cp1251::toUnicode(doc.SlotTexts.at(n, 0, d)));
    }
}

void MainWindow::selectByNumber(int number) {
    const SolverPair pair = solverPairForNumber(state_.doc(), number);
    if (pair.across + pair.down == 0)
        return;
    showSolverSelection(pair.across, pair.down);
    answerEdit->clear();
}
