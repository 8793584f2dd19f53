#pragma once

#include "commands/CommandContext.h"

#include <QObject>

class QAction;
class QLineEdit;

// The Edit menu: Undo and Redo of the crossword's steps, enabled while the history has one.
class EditCommands : public QObject {
    Q_OBJECT
public:
    explicit EditCommands(CommandContext context);

    QAction* undoAction() const { return undo_; }
    QAction* redoAction() const { return redo_; }
    void applyCaptions();
    // Lets Undo and Redo reach the crossword from a text box with nothing of its own to take
    // back or do again.
    void passUndoKeys(QLineEdit* box);

    // Take back the crossword's last step, or do again the last one taken back.
    void undo();
    void redo();

signals:
    // The history replaced the crossword with an earlier or later state of it.
    void stepped();

private:
    void step(bool back);

    CommandContext context_;
    QAction* undo_;
    QAction* redo_;
};
