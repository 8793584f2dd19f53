// The solver's answers: checked against the crossword's own, entered into a crossword without
// answers, or a slot number typed to select it.
#include "commands/SolvingCommands.h"

#include "app/language/LanguageFile.h"
#include "solve/Solving.h"
#include "text/CodePage.h"
#include "text/SequentialText.h"

#include <QLineEdit>

namespace {

// The number a typed text begins with, rounded halves to even; -1 when it does not fit.
int typedNumber(const QByteArray& text) {
    return seqtext::toInt32(seqtext::numericValue(text)).value_or(-1);
}

} // namespace

SolvingCommands::SolvingCommands(CommandContext context, QLineEdit& answerBox)
    : QObject(context.parent), context_(std::move(context)), answerBox_(answerBox) {
    setObjectName(QStringLiteral("solvingCommands"));
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
    answerBox_.clear();
    emit wordsOpenChanged(out.open);
    // The session selected what comes next; the grid and the clues follow it.
    if (out.next == CheckOutcome::Next::Solved)
        context_.message(context_.state.language.entry(LangEntry::AllSolved),
                         platform::Icon::Information);
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
        context_.message(context_.state.language.entry(LangEntry::AllSolved),
                         platform::Icon::Information);
}
