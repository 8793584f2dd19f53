#pragma once

#include <QLabel>

class QTimer;
class AppState;

// The status bar's view of solving: the time taken and, where hints exist, how many were used.
// It follows the session, and pauses the solving time while the window it sits in is inactive
// or minimised, when the solver cannot see the crossword.
class SolvingStatus : public QLabel {
    Q_OBJECT
public:
    // window: the top-level window whose activation and state pause and resume the time.
    SolvingStatus(AppState& state, QWidget* window);

    // The shown text again, from the session's time and hints now.
    void refresh();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    AppState& state_;
    QWidget* window_;
    QTimer* tick_;
};
