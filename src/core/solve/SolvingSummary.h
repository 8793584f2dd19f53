#pragma once

#include <QByteArray>

struct Language;

// The time the solver took and the hints he used.
struct SolvingSummary {
    qint64 elapsedMs = 0;
    int lettersRevealed = 0;
    int wordsRevealed = 0;
};

// "Time: 4:05", as the status bar and the solved message show it.
QByteArray solvingTimeText(const Language& lang, qint64 elapsedMs);
// "Letters revealed: 2", "Words revealed: 1".
QByteArray lettersRevealedText(const Language& lang, int count);
QByteArray wordsRevealedText(const Language& lang, int count);
// The solved message: entry 56, then the time and the hints used, a line each (CR LF), the
// hints only when any was used.
QByteArray solvedMessage(const Language& lang, const SolvingSummary& summary);
