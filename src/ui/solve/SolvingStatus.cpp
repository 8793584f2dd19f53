// The solving time and the hints used, in the status bar, and the time's pauses.
#include "solve/SolvingStatus.h"

#include "app/AppState.h"
#include "solve/SolvingSummary.h"
#include "text/CodePage.h"

#include <QEvent>
#include <QTimer>

SolvingStatus::SolvingStatus(AppState& state, QWidget* window)
    : QLabel(window), state_(state), window_(window), tick_(new QTimer(this)) {
    setObjectName(QStringLiteral("solvingStatus"));
    // Twice a second, so that no second is skipped however the ticks fall; an unchanged text
    // costs nothing.
    tick_->setInterval(500);
    connect(tick_, &QTimer::timeout, this, &SolvingStatus::refresh);
    const CrosswordSession& session = state_.session;
    for (const auto signal : {&CrosswordSession::documentReplaced, &CrosswordSession::hintsChanged,
                              &CrosswordSession::historyChanged})
        connect(&session, signal, this, &SolvingStatus::refresh);
    connect(&session, &CrosswordSession::modeChanged, this, &SolvingStatus::refresh);
    window_->installEventFilter(this);
    refresh();
}

void SolvingStatus::refresh() {
    const CrosswordSession& session = state_.session;
    const EditMode mode = session.mode();
    const bool solving = mode == EditMode::ModeSolve || mode == EditMode::ModeSolveNoAnswers;
    setVisible(solving);
    if (!solving) {
        tick_->stop();
        return;
    }
    const SolvingSummary summary = session.solvingSummary();
    const Language& lang = state_.language;
    QByteArray text = solvingTimeText(lang, summary.elapsedMs);
    // Only a crossword with answers has hints to count.
    if (mode == EditMode::ModeSolve)
        text += "   " + lettersRevealedText(lang, summary.lettersRevealed) + "   " +
                wordsRevealedText(lang, summary.wordsRevealed);
    setText(cp1251::toUnicode(text));
    // Also while paused: a language loaded meanwhile shows within a tick.
    if (!tick_->isActive())
        tick_->start();
}

bool SolvingStatus::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_) {
        CrosswordSession& session = state_.session;
        switch (event->type()) {
        case QEvent::WindowDeactivate:
            session.pauseSolvingTime();
            refresh();
            break;
        case QEvent::WindowActivate:
            if (!window_->isMinimized())
                session.resumeSolvingTime();
            refresh();
            break;
        case QEvent::WindowStateChange:
            if (window_->isMinimized())
                session.pauseSolvingTime();
            else if (window_->isActiveWindow())
                session.resumeSolvingTime();
            refresh();
            break;
        default:
            break;
        }
    }
    return QLabel::eventFilter(watched, event);
}
