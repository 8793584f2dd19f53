// The solver's answers: checked against the crossword's own, entered into a crossword without
// answers, or a slot number typed to select it; and the hints.
#include "commands/SolvingCommands.h"

#include "app/ModeTable.h"
#include "app/language/LanguageFile.h"
#include "grid/GridView.h"
#include "grid/ShownGrid.h"
#include "solve/Solving.h"
#include "text/CodePage.h"
#include "text/SequentialText.h"

#include <QAction>
#include <QLineEdit>

namespace {

// The number a typed text begins with, rounded halves to even; -1 when it does not fit.
int typedNumber(const QByteArray& text) {
    return seqtext::toInt32(seqtext::numericValue(text)).value_or(-1);
}

} // namespace

SolvingCommands::SolvingCommands(CommandContext context, QLineEdit& answerBox, const GridView& grid)
    : QObject(context.parent), context_(std::move(context)), answerBox_(answerBox), grid_(grid),
      revealLetter_(commands::makeAction(this, "revealLetterAction")),
      revealWord_(commands::makeAction(this, "revealWordAction")) {
    setObjectName(QStringLiteral("solvingCommands"));
    // Ctrl+Shift with the first letters of the English names; no platform key is taken.
    revealLetter_->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+L")));
    revealWord_->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+W")));
    connect(revealLetter_, &QAction::triggered, this, &SolvingCommands::revealLetter);
    connect(revealWord_, &QAction::triggered, this, &SolvingCommands::revealWord);
    connect(&context_.state.session, &CrosswordSession::modeChanged, this,
            &SolvingCommands::updateEnabled);
    updateEnabled();
}

QList<QAction*> SolvingCommands::actions() const {
    return {revealLetter_, revealWord_};
}

void SolvingCommands::applyCaptions() {
    const AppState& state = context_.state;
    revealLetter_->setText(cp1251::toUnicode(state.ownText(OwnText::RevealLetter)));
    revealWord_->setText(cp1251::toUnicode(state.ownText(OwnText::RevealWord)));
}

void SolvingCommands::updateEnabled() {
    using modetable::kHints;
    commands::enableForMode(context_.state, {{kHints, revealLetter_}, {kHints, revealWord_}});
}

void SolvingCommands::revealLetter() {
    CrosswordSession& session = context_.state.session;
    const CrosswordDocument& doc = context_.state.doc();
    const QPoint cursor = grid_.cursorCell();
    const bool onPair =
        (doc.CurrentSlot > 0 &&
         doc.CellMap.at(cursor.x(), cursor.y(), layer::kAcross) == doc.CurrentSlot) ||
        (doc.CurrentDownSlot > 0 &&
         doc.CellMap.at(cursor.x(), cursor.y(), layer::kDown) == doc.CurrentDownSlot);
    std::optional<QPoint> cell;
    if (onPair && doc.CellMap.at(cursor.x(), cursor.y(), layer::kLetter) == 0)
        cell = cursor;
    for (int d = 0; d <= 1 && !cell; ++d)
        cell = session.nextHiddenCell(d);
    if (!cell)
        return;
    const HintOutcome out = session.revealLetter(cell->x(), cell->y());
    if (out.revealed)
        followSolved(out.word);
}

void SolvingCommands::revealWord() {
    CrosswordSession& session = context_.state.session;
    for (int d = 0; d <= 1; ++d) {
        const HintOutcome out = session.revealWord(d);
        if (out.revealed) {
            followSolved(out.word);
            return;
        }
    }
}

void SolvingCommands::followSolved(const CheckOutcome& out) {
    if (!out.hit)
        return;
    answerBox_.clear();
    emit wordsOpenChanged(out.open);
    if (out.next == CheckOutcome::Next::Solved)
        context_.reportSolved();
}

void SolvingCommands::enterInAnswerBox() {
    const CrosswordDocument& doc = context_.state.doc();
    const QByteArray text = cp1251::fromUnicode(answerBox_.text());
    if (text.isEmpty())
        return;
    const int v = typedNumber(text);
    switch (doc.Mode) {
    case EditMode::ModeSolveNoAnswers:
        if (v == 0) {
            if (text.size() == doc.SlotTable.at(doc.CurrentSlot, 2, doc.CurrentDirection))
                enterTypedAnswer(text);
        } else if (v >= 1 && v <= doc.NumberedCount) {
            jumpToTypedNumber(v);
        }
        break;
    case EditMode::ModeSolve:
        if (v == 0)
            checkTypedAnswer(text);
        else if (v >= 1 && v <= doc.NumberedCount)
            emit numberChosen(v);
        break;
    default:
        break;
    }
}

void SolvingCommands::checkTypedAnswer(const QByteArray& word) {
    const CheckOutcome out = context_.state.session.checkAnswer(word);
    if (!out.hit) {
        context_.message(context_.state.language.entry(LangEntry::WrongAnswer),
                         platform::Icon::Information);
        return;
    }
    // The session selected what comes next; the grid and the clues follow it.
    followSolved(out);
}

void SolvingCommands::jumpToTypedNumber(int v) {
    if (!context_.state.session.jumpToNumber(v))
        return;
    answerBox_.clear();
}

void SolvingCommands::enterTypedAnswer(const QByteArray& word) {
    const EntryOutcome out = context_.state.session.enterAnswer(word);
    if (out.conflict) {
        context_.reportLetterConflict(answerBox_, out.position, out.crossing, out.typed);
        return;
    }
    if (!out.entered)
        return;
    answerBox_.clear();
    emit wordsOpenChanged(out.open);
    // Else the session selected the next open slot.
    if (out.open == 0)
        context_.reportSolved();
}
