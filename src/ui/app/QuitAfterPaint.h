#pragma once

#include <QCoreApplication>
#include <QDialog>
#include <QEvent>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QWidget>

#include <cstdio>

// Installed on a window, quits the application once that window has been painted: with
// CLUEFORGE_QUIT_AFTER_SHOW=1 the program (and the start-up benchmark's reference) measure a
// whole run from process start to a window on screen. A quit queued earlier would come before
// the first paint. It leaves the event loop without closing the window: quit() would close it
// first, and the closing program saves its settings, which is no part of starting.
class QuitAfterPaint : public QObject {
public:
    static bool wanted() { return qEnvironmentVariableIntValue("CLUEFORGE_QUIT_AFTER_SHOW") == 1; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            QMetaObject::invokeMethod(
                qApp, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
        return QObject::eventFilter(watched, event);
    }
};

// With CLUEFORGE_CLOSE_AFTER_SHOW=1 the program closes its window as the user would once it
// has been painted and what was queued before (a file named on the command line) has run, so a
// whole run ends as a user's does, settings saved. Such a run has nobody to answer a dialog:
// one that is shown (a failure, a question) is named on the error output and the run ends
// with exit code 3. The window's caption is printed as it closes.
class CloseAfterPaint : public QObject {
public:
    static constexpr int kDialogShown = 3;
    static bool wanted() { return qEnvironmentVariableIntValue("CLUEFORGE_CLOSE_AFTER_SHOW") == 1; }

    explicit CloseAfterPaint(QWidget& window) : window_(&window) { qApp->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            if (auto* dialog = qobject_cast<QDialog*>(watched)) {
                const auto* box = qobject_cast<QMessageBox*>(dialog);
                const QString text = box ? box->text() : dialog->windowTitle();
                std::fprintf(stderr, "a dialog was shown: %s\n", qPrintable(text));
                QCoreApplication::exit(kDialogShown);
            }
        } else if (event->type() == QEvent::Paint && watched == window_ && !closing_) {
            closing_ = true;
            QMetaObject::invokeMethod(
                window_,
                [w = window_] {
                    // What the window shows at the end, for the run's caller to check.
                    std::printf("closing: %s\n", qPrintable(w->windowTitle()));
                    std::fflush(stdout);
                    w->close();
                },
                Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QPointer<QWidget> window_;
    bool closing_ = false;
};
