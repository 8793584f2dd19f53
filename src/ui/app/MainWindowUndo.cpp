// The Edit menu: undo and redo of the crossword's steps.
#include "app/MainWindow.h"
#include "text/CodePage.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>

namespace {

// Lets Undo and Redo reach the crossword from a text box with nothing of its own to take back
// or do again: a line edit claims those keys whether or not it can use them.
class BoxUndoKeys : public QObject {
public:
    explicit BoxUndoKeys(QLineEdit* box) : QObject(box), box_(box) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ShortcutOverride) {
            const auto* key = static_cast<QKeyEvent*>(event);
            // Left unaccepted, the key goes to the menu's shortcut.
            if ((key->matches(QKeySequence::Undo) && !box_->isUndoAvailable()) ||
                (key->matches(QKeySequence::Redo) && !box_->isRedoAvailable()))
                return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QLineEdit* box_;
};

} // namespace

void MainWindow::connectEditHandlers() {
    undoAction->setShortcuts(QKeySequence::Undo);
    redoAction->setShortcuts(QKeySequence::Redo);
    connect(undoAction, &QAction::triggered, this, &MainWindow::undo);
    connect(redoAction, &QAction::triggered, this, &MainWindow::redo);
    const auto follow = [this] {
        undoAction->setEnabled(state_.session.canUndo());
        redoAction->setEnabled(state_.session.canRedo());
    };
    connect(&state_.session, &CrosswordSession::historyChanged, this, follow);
    follow();
    for (QLineEdit* box : {answerEdit, clueEdit})
        box->installEventFilter(new BoxUndoKeys(box));
}

void MainWindow::applyEditCaptions() {
    editMenu->setTitle(cp1251::toUnicode(state_.ownText(OwnText::editMenu)));
    undoAction->setText(cp1251::toUnicode(state_.ownText(OwnText::Undo)));
    redoAction->setText(cp1251::toUnicode(state_.ownText(OwnText::Redo)));
}

void MainWindow::undo() {
    stepThroughHistory(true);
}

void MainWindow::redo() {
    stepThroughHistory(false);
}

void MainWindow::stepThroughHistory(bool back) {
    // A clue typed without Enter is the latest change: stored first, it is what Undo takes
    // back, and a change of its own leaves nothing to redo.
    commitTypedClue();
    CrosswordSession& session = state_.session;
    if (!(back ? session.canUndo() : session.canRedo()))
        return;
    back ? session.undo() : session.redo();
    showRestoredCrossword();
}

void MainWindow::showRestoredCrossword() {
    const CrosswordDocument& doc = state_.doc();
    // A grid being drawn had its changed cells repainted as the session told them.
    if (doc.Mode == EditMode::ModeDrawGrid)
        return;
    showModeTexts();
    for (QLabel* l : clueLabels)
        l->clear();
    answerEdit->clear();
    clueEdit->clear();
    redrawGrid();
    if (doc.Mode == EditMode::ModeAuthor && doc.CurrentSlot > 0)
        showCurrentSlot();
}
