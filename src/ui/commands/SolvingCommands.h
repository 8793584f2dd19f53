#pragma once

#include "commands/CommandContext.h"
#include <QList>
#include <QObject>

class GridView;
class QAction;
class QLineEdit;

// The solver's answer box: Enter checks the typed word against the crossword's answer, enters
// it into a crossword without answers, or selects the slots of a typed number. The hints give
// away a letter or a word of the selected pair. What the window shows after them comes from
// the signals.
class SolvingCommands : public QObject {
    Q_OBJECT
public:
    // answerBox: the panel's box the commands read, clear and select in; grid: whose cursor
    // cell names the letter to give away.
    SolvingCommands(CommandContext context, QLineEdit& answerBox, const GridView& grid);

    // In menu order.
    QList<QAction*> actions() const;
    void applyCaptions();
    void updateEnabled();

    // The letter of the grid's cursor cell when it lies on the selected pair and shows none,
    // else the first hidden letter of the pair's across word, then of its down word.
    void revealLetter();
    // The pair's across word, or its down word when the across one is solved or missing.
    void revealWord();

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
    // After a word was solved or a hint given: the words left, and the end of solving told.
    void followSolved(const CheckOutcome& out);

    CommandContext context_;
    QLineEdit& answerBox_;
    const GridView& grid_;
    QAction* revealLetter_;
    QAction* revealWord_;
};
