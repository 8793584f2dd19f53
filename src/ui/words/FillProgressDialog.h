#pragma once

#include "fill/FillEngine.h"
#include "fill/FillService.h"

#include <QDialog>

#include <atomic>
#include <chrono>
#include <memory>

class AppState;
class QLabel;
class QProgressBar;
class QPushButton;
class QThread;
class QTimer;

// A fill of the grid running in another thread, with its progress and Cancel. The dialog
// closes itself, accepted, when the fill ends; Cancel stops the fill and closes it rejected.
// The window stays responsive meanwhile: the dialog is modal, the search is elsewhere.
class FillProgressDialog : public QDialog {
    Q_OBJECT
public:
    // The fill starts at once, the words read from `words` in its thread; it gives up after
    // `timeLimit` with LimitReached.
    FillProgressDialog(const AppState& state, QWidget* parent, fill::Problem problem,
                       fill::LexiconSource words, fill::Options options,
                       std::chrono::milliseconds timeLimit);
    // Stops a fill still running and waits for its thread.
    ~FillProgressDialog() override;

    QLabel* fillingLabel = nullptr;
    QProgressBar* progressBar = nullptr;
    QPushButton* cancelButton = nullptr;

    // Lets the fill run to its end and closes the dialog, as waiting for it on screen would.
    void waitForEnd();
    // What the fill came to; waits for its thread. Cancelled after Cancel.
    const fill::Result& result();

private:
    void showProgress();
    void cancel();
    void ended();

    fill::LexiconSource words_;
    fill::Problem problem_;
    fill::Options options_;
    std::chrono::milliseconds timeLimit_;
    std::atomic_bool cancel_{false};
    std::atomic_bool timedOut_{false};
    std::atomic_int filled_{0};
    std::atomic_int total_{0};
    fill::Result result_;
    QThread* thread_ = nullptr;
    QTimer* timer_ = nullptr;
};
