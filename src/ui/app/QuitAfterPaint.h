#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>

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
