// Selecting slots: the current one, the next without an answer, the solver's pair, a typed number.
#include "app/MainWindow.h"
#include "grid/SlotColors.h"
#include "text/CodePage.h"
#include "words/SlotSelection.h"

#include <QLabel>
#include <QLineEdit>

#include <array>

void MainWindow::showCurrentSlot() {
    const CrosswordDocument& doc = state_.doc();
    const int n = doc.CurrentSlot;
    const int d = doc.CurrentDirection == 1 ? 1 : 0;
    drawSlot(n, d, slotcolor::kYellow);
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
    const CrosswordDocument& doc = state_.doc();
    const int wasAcross = doc.CurrentSlot;
    const int wasDown = doc.CurrentDownSlot;
    state_.session.selectPair(across, down);
    showSolverPair(across, down, wasAcross, wasDown);
}

void MainWindow::showSolverPair(int across, int down, int wasAcross, int wasDown) {
    const CrosswordDocument& doc = state_.doc();
    if (across != wasAcross && wasAcross > 0)
        drawSlot(wasAcross, 0, slotcolor::kWhite);
    if (down != wasDown && wasDown > 0)
        drawSlot(wasDown, 1, slotcolor::kWhite);
    const bool typedWords = doc.Mode == EditMode::ModeSolveNoAnswers;
    const std::array<int, 2> chosen{across, down};
    for (int d = 0; d <= 1; ++d) {
        const int n = chosen[static_cast<std::size_t>(d)];
        QLabel* label = clueLabels[static_cast<std::size_t>(d)];
        if (n == 0) {
            label->clear();
            continue;
        }
        const QByteArray text = typedWords ? doc.SlotTexts.at(n, d) : doc.SlotTexts.at(n, 0, d);
        label->setText(cp1251::toUnicode(text));
        drawSlot(n, d, slotcolor::kYellow);
    }
}

void MainWindow::selectByNumber(int number) {
    const SolverPair pair = solverPairForNumber(state_.doc(), number);
    if (pair.across + pair.down == 0)
        return;
    showSolverSelection(pair.across, pair.down);
    answerEdit->clear();
}
