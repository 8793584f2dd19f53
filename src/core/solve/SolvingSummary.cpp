#include "solve/SolvingSummary.h"

#include "app/language/Language.h"
#include "solve/SolvingTimer.h"

QByteArray solvingTimeText(const Language& lang, qint64 elapsedMs) {
    return lang.ownText(OwnText::SolvingTime) + ' ' + formatSolvingTime(elapsedMs);
}

QByteArray lettersRevealedText(const Language& lang, int count) {
    return lang.ownText(OwnText::LettersRevealed) + ' ' + QByteArray::number(count);
}

QByteArray wordsRevealedText(const Language& lang, int count) {
    return lang.ownText(OwnText::WordsRevealed) + ' ' + QByteArray::number(count);
}

QByteArray solvedMessage(const Language& lang, const SolvingSummary& summary) {
    QByteArray text =
        lang.entry(LangEntry::AllSolved) + "\r\n" + solvingTimeText(lang, summary.elapsedMs);
    if (summary.lettersRevealed > 0)
        text += "\r\n" + lettersRevealedText(lang, summary.lettersRevealed);
    if (summary.wordsRevealed > 0)
        text += "\r\n" + wordsRevealedText(lang, summary.wordsRevealed);
    return text;
}
