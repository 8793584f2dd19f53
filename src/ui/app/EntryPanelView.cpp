#include "app/EntryPanelView.h"

#include "app/AppState.h"
#include "text/CodePage.h"

#include <QLabel>
#include <QLineEdit>

EntryPanelView::EntryPanelView(AppState& state, std::array<QLabel*, 2> clueLabels,
                               QLineEdit& clueBox, QLineEdit& answerBox, QObject* parent)
    : QObject(parent), state_(state), clueLabels_(clueLabels), clueBox_(clueBox),
      answerBox_(answerBox) {
    // Clues are the author's text, never markup.
    for (QLabel* l : clueLabels_)
        l->setTextFormat(Qt::PlainText);
    CrosswordSession& session = state_.session;
    connect(&session, &CrosswordSession::documentReplaced, this, &EntryPanelView::showNewCrossword);
    connect(&session, &CrosswordSession::modeChanged, this, &EntryPanelView::showNewCrossword);
    connect(&session, &CrosswordSession::selectionChanged, this, &EntryPanelView::showSelection);
    connect(&session, &CrosswordSession::pictureSettingsChanged, this,
            &EntryPanelView::showSolverClues);
    // The author's words placed, removed or filled in: the boxes show what the slot now holds.
    connect(&session, &CrosswordSession::cellsChanged, this, [this] {
        if (state_.doc().Mode == EditMode::ModeAuthor)
            showAuthorSlot();
    });
    connect(&clueBox_, &QLineEdit::textChanged, this, &EntryPanelView::clueTyped);
}

void EntryPanelView::showNewCrossword() {
    for (QLabel* l : clueLabels_)
        l->clear();
    clueBox_.clear();
    answerBox_.clear();
    showSelection();
}

void EntryPanelView::showSelection() {
    switch (state_.doc().Mode) {
    case EditMode::ModeAuthor:
        showAuthorSlot();
        break;
    case EditMode::ModeSolve:
        showSolverClues();
        break;
    default:
        break;
    }
}

void EntryPanelView::showAuthorSlot() {
    const CrosswordDocument& doc = state_.doc();
    const int n = doc.CurrentSlot;
    if (n < 1) {
        // Every word has its answer: nothing left to type into.
        clueBox_.clear();
        answerBox_.clear();
        return;
    }
    const int d = doc.CurrentDirection == 1 ? 1 : 0;
    const QString clue = cp1251::toUnicode(doc.SlotTexts.at(n, 0, d));
    clueLabels_[static_cast<std::size_t>(1 - d)]->clear();
    clueLabels_[static_cast<std::size_t>(d)]->setText(clue);
    clueBox_.setText(clue);
    answerBox_.setText(cp1251::toUnicode(doc.SlotTexts.at(n, 1, d)));
}

void EntryPanelView::showSolverClues() {
    const CrosswordDocument& doc = state_.doc();
    if (doc.Mode != EditMode::ModeSolve)
        return;
    const std::array<int, 2> chosen{doc.CurrentSlot, doc.CurrentDownSlot};
    for (std::size_t d = 0; d <= 1; ++d) {
        if (chosen[d] == 0)
            clueLabels_[d]->clear();
        else
            clueLabels_[d]->setText(
                cp1251::toUnicode(doc.SlotTexts.at(chosen[d], 0, static_cast<int>(d))));
    }
}

void EntryPanelView::clearAnswer() {
    answerBox_.clear();
}

void EntryPanelView::clueTyped() {
    const CrosswordDocument& doc = state_.doc();
    if (doc.Mode != EditMode::ModeAuthor)
        return;
    clueLabels_[doc.CurrentDirection == 1 ? 1 : 0]->setText(clueBox_.text());
}
