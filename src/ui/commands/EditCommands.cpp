// The Edit menu's commands: undo and redo of the crossword's steps.
#include "commands/EditCommands.h"

#include "text/CodePage.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

// A line edit claims the undo keys whether or not it can use them.
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

EditCommands::EditCommands(CommandContext context)
    : QObject(context.parent), context_(std::move(context)),
      undo_(commands::makeAction(this, "undoAction")),
      redo_(commands::makeAction(this, "redoAction")) {
    setObjectName(QStringLiteral("editCommands"));
    undo_->setShortcuts(QKeySequence::Undo);
    // Ctrl+Y as well wherever the platform's Redo is only Ctrl+Shift+Z: users of either
    // convention find it.
    QList<QKeySequence> redoKeys = QKeySequence::keyBindings(QKeySequence::Redo);
    if (const QKeySequence ctrlY(Qt::CTRL | Qt::Key_Y); !redoKeys.contains(ctrlY))
        redoKeys.append(ctrlY);
    redo_->setShortcuts(redoKeys);
    connect(undo_, &QAction::triggered, this, &EditCommands::undo);
    connect(redo_, &QAction::triggered, this, &EditCommands::redo);
    CrosswordSession& session = context_.state.session;
    const auto follow = [this, &session] {
        undo_->setEnabled(session.canUndo());
        redo_->setEnabled(session.canRedo());
    };
    connect(&session, &CrosswordSession::historyChanged, this, follow);
    follow();
}

void EditCommands::applyCaptions() {
    undo_->setText(cp1251::toUnicode(context_.state.ownText(OwnText::Undo)));
    redo_->setText(cp1251::toUnicode(context_.state.ownText(OwnText::Redo)));
}

void EditCommands::passUndoKeys(QLineEdit* box) {
    box->installEventFilter(new BoxUndoKeys(box));
}

void EditCommands::undo() {
    step(true);
}

void EditCommands::redo() {
    step(false);
}

void EditCommands::step(bool back) {
    // A clue typed without Enter is the latest change: stored first, it is what Undo takes
    // back, and a change of its own leaves nothing to redo.
    context_.commitTypedClue();
    CrosswordSession& session = context_.state.session;
    if (!(back ? session.canUndo() : session.canRedo()))
        return;
    back ? session.undo() : session.redo();
    emit stepped();
}
