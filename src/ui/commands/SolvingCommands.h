#pragma once

#include "commands/CommandContext.h"
#include <QObject>

class QLineEdit;

// The solver's answer box: Enter checks the typed word against the crossword's answer, enters
// it into a crossword without answers, or selects the slots of a typed number. What the window
// shows after them comes from the signals.
class SolvingCommands : public QObject {
    Q_OBJECT
public:
    // answerBox: the panel's box the commands read, clear and select in.
    SolvingCommands(CommandContext context, QLineEdit& answerBox);

    // Enter in the answer box while solving.
    void enterInAnswerBox();
    // The typed word checked against the crossword's answers.
    void checkTypedAnswer(const QByteArray& word);
    // The typed word written into the current slot of a crossword without answers.
    void enterTypedAnswer(const QByteArray& word);
    // The solver without answers typed slot number v.
    void jumpToTypedNumber(int v);

signals:
    // A word was solved or entered; `open` words are left.
    void wordsOpenChanged(int open);
    // The solver typed the number of the slots to select.
    void numberChosen(int number);

private:
    CommandContext context_;
    QLineEdit& answerBox_;
};
