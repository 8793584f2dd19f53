// The author's words: placing an answer with its clue, keeping a typed clue, deleting an answer.
#include "commands/AuthoringCommands.h"

#include "app/ModeTable.h"
#include "text/CodePage.h"
#include "text/Mnemonics.h"
#include "words/Placement.h"

#include <QAction>
#include <QLineEdit>

AuthoringCommands::AuthoringCommands(CommandContext context, QLineEdit& answerBox,
                                     QLineEdit& clueBox)
    : QObject(context.parent), context_(std::move(context)), answerBox_(answerBox),
      clueBox_(clueBox), deleteAnswer_(commands::makeAction(this, "deleteAnswerAction")) {
    setObjectName(QStringLiteral("authoringCommands"));
    connect(deleteAnswer_, &QAction::triggered, this, &AuthoringCommands::deleteAnswer);
    connect(&context_.state.session, &CrosswordSession::modeChanged, this,
            &AuthoringCommands::updateEnabled);
    updateEnabled();
}

void AuthoringCommands::updateEnabled() {
    commands::enableForMode(context_.state, {{modetable::kDeleteAnswer, deleteAnswer_}});
}

void AuthoringCommands::updateDeleteOffer() {
    const EditMode mode = context_.state.doc().Mode;
    if (mode == EditMode::ModeAuthor || mode == EditMode::ModeSolveNoAnswers)
        deleteAnswer_->setEnabled(context_.state.session.canDeleteAnswer());
}

void AuthoringCommands::enterInAnswerBox() {
    if (context_.state.doc().CurrentSlot == 0)
        return;
    if (!clueBox_.text().isEmpty())
        placeTypedAnswer();
    else
        clueBox_.setFocus(Qt::OtherFocusReason);
}

void AuthoringCommands::enterInClueBox() {
    const CrosswordDocument& doc = context_.state.doc();
    if (clueBox_.text().isEmpty() || doc.CurrentSlot == 0 || doc.Mode != EditMode::ModeAuthor)
        return;
    if (!answerBox_.text().isEmpty())
        placeTypedAnswer();
    else
        answerBox_.setFocus(Qt::OtherFocusReason);
}

void AuthoringCommands::placeTypedAnswer() {
    const PlacementOutcome out = context_.state.session.placeAnswer(
        cp1251::fromUnicode(answerBox_.text()), cp1251::fromUnicode(clueBox_.text()));
    switch (out.kind) {
    case PlacementOutcome::Kind::Ignored:
        return;
    case PlacementOutcome::Kind::Conflict:
        context_.reportLetterConflict(answerBox_, out.position, out.crossing, out.typed);
        return;
    case PlacementOutcome::Kind::Placed:
    case PlacementOutcome::Kind::Removed:
        break;
    }
    emit answerPlaced();
}

void AuthoringCommands::keepTypedClue() {
    const CrosswordDocument& doc = context_.state.doc();
    // Only the author's own typing counts, not a text the box was given. The answer box is not
    // placed on the way: that may be refused, and stays with Enter.
    if (doc.Mode != EditMode::ModeAuthor || doc.CurrentSlot < 1 || !clueBox_.isModified())
        return;
    context_.state.session.keepClue(cp1251::fromUnicode(clueBox_.text()));
    clueBox_.setModified(false);
}

void AuthoringCommands::deleteAnswer() {
    CrosswordSession& session = context_.state.session;
    // The item is only enabled with something to delete; a stale trigger must not ask.
    if (!session.canDeleteAnswer())
        return;
    const QByteArray question = cp1251::fromUnicode(withoutMnemonics(deleteAnswer_->text())) + '?';
    if (context_.message(question, platform::Icon::Warning, platform::Buttons::YesNo,
                         platform::Answer::Yes) != platform::Answer::Yes)
        return;
    const CrosswordDocument& doc = context_.state.doc();
    const int d = doc.CurrentDirection;
    session.deleteAnswer();
    emit answerDeleted(d);
}
