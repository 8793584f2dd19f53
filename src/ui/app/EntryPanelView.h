#pragma once

#include <QObject>

#include <array>

class AppState;
class QLabel;
class QLineEdit;

// The entry panel's texts follow the session by themselves: the author's current slot (its
// clue in the label of its direction and in the clue box, its answer in the answer box), the
// solver's pair in the two clue labels. A new crossword or mode starts them empty. Where the
// focus goes stays with the window.
class EntryPanelView : public QObject {
    Q_OBJECT
public:
    EntryPanelView(AppState& state, std::array<QLabel*, 2> clueLabels, QLineEdit& clueBox,
                   QLineEdit& answerBox, QObject* parent);

    // The clues of the solver's pair, while solving with answers.
    void showSolverClues();
    // A number the solver chose: the answer box starts empty.
    void clearAnswer();

private:
    void showNewCrossword();
    void showSelection();
    void showAuthorSlot();
    void clueTyped();

    AppState& state_;
    std::array<QLabel*, 2> clueLabels_;
    QLineEdit& clueBox_;
    QLineEdit& answerBox_;
};
