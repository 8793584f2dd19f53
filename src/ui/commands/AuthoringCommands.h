#pragma once

#include "commands/CommandContext.h"

#include <QObject>

class QAction;
class QLineEdit;

// The author's words: the answer and clue typed into the panel's boxes placed into the current
// slot, a clue kept as typed, and Crossword > Delete answer (which also takes back a solver's
// word in a crossword without answers). What the window shows after them comes from the signals.
class AuthoringCommands : public QObject {
    Q_OBJECT
public:
    // answerBox, clueBox: the panel's boxes the commands read, clear and focus.
    AuthoringCommands(CommandContext context, QLineEdit& answerBox, QLineEdit& clueBox);

    QAction* deleteAnswerAction() const { return deleteAnswer_; }
    void updateEnabled();
    // As the Crossword menu opens: Delete answer is offered while the slot has something to
    // delete.
    void updateDeleteOffer();

    // Enter in the answer box, and in the clue box: places the word once both boxes hold text,
    // otherwise moves to the other box.
    void enterInAnswerBox();
    void enterInClueBox();
    // Places the answer box's word with the clue box's clue into the current slot.
    void placeTypedAnswer();
    // Stores a clue typed into the clue box without Enter, before the slot is left or the
    // crossword is saved, exported or closed.
    void keepTypedClue();
    void deleteAnswer();

signals:
    // The word went into the slot, or its answer was removed; the session moved on to the next
    // word without an answer.
    void answerPlaced();
    // The answer of the current slot, in direction, is gone.
    void answerDeleted(int direction);

private:
    CommandContext context_;
    QLineEdit& answerBox_;
    QLineEdit& clueBox_;
    QAction* deleteAnswer_;
};
