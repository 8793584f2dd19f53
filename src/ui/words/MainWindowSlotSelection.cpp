// Selecting slots: the current one, the next without an answer, the solver's pair, a typed number.
#include "app/frmForma.h"
#include "text/CodePage.h"
#include "words/SlotColors.h"
#include "words/SlotSelection.h"

#include <QLabel>
#include <QLineEdit>

#include <array>

void frmForma::ShowCurrentSlot() {
    const CrosswordDocument& doc = state_.doc();
    const int n = doc.CurrentSlot;
    const int d = doc.CurrentDirection == 1 ? 1 : 0;
    DrawSlot(n, d, slotcolor::kYellow);
    const QString clue = cp1251::toUnicode(doc.SlotTexts.at(n, 0, d));
    lblVopros[static_cast<std::size_t>(1 - d)]->clear();
    lblVopros[static_cast<std::size_t>(d)]->setText(clue);
    txtVoprosOtvet->setText(clue);
    txtOtvet->setText(cp1251::toUnicode(doc.SlotTexts.at(n, 1, d)));
    txtVoprosOtvet->setFocus(Qt::OtherFocusReason);
}

void frmForma::SelectNextUnanswered() {
    state_.session.selectNextUnanswered();
    if (state_.doc().CurrentSlot > 0)
        ShowCurrentSlot();
}

void frmForma::ShowSolverSelection(int across, int down) {
    const CrosswordDocument& doc = state_.doc();
    const int wasAcross = doc.CurrentSlot;
    const int wasDown = doc.CurrentDownSlot;
    state_.session.selectPair(across, down);
    showSolverPair(across, down, wasAcross, wasDown);
}

void frmForma::showSolverPair(int across, int down, int wasAcross, int wasDown) {
    const CrosswordDocument& doc = state_.doc();
    if (across != wasAcross && wasAcross > 0)
        DrawSlot(wasAcross, 0, slotcolor::kWhite);
    if (down != wasDown && wasDown > 0)
        DrawSlot(wasDown, 1, slotcolor::kWhite);
    const bool typedWords = doc.Mode == EditMode::ModeSolveNoAnswers;
    const std::array<int, 2> chosen{across, down};
    for (int d = 0; d <= 1; ++d) {
        const int n = chosen[static_cast<std::size_t>(d)];
        QLabel* label = lblVopros[static_cast<std::size_t>(d)];
        if (n == 0) {
            label->clear();
            continue;
        }
        const QByteArray text = typedWords ? doc.SlotTexts.at(n, d) : doc.SlotTexts.at(n, 0, d);
        label->setText(cp1251::toUnicode(text));
        DrawSlot(n, d, slotcolor::kYellow);
    }
}

void frmForma::SelectByNumber(int number) {
    const SolverPair pair = solverPairForNumber(state_.doc(), number);
    if (pair.across + pair.down == 0)
        return;
    ShowSolverSelection(pair.across, pair.down);
    txtOtvet->clear();
}
