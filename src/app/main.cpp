#include "app/AppState.h"
#include "app/MainM.h"
#include "app/frmForma.h"
#include "platform/QtPlatform.h"

#include <QApplication>

namespace {

// CLUEFORGE_QUIT_AFTER_SHOW=1: the program quits once its shown window has been painted,
// without saving the settings. The start-up benchmark times whole runs of the program so.
class QuitAfterPaint : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Clueforge"));
    AppState state(QCoreApplication::applicationDirPath());
    platform::QtPlatform platform;
    QuitAfterPaint quitAfterPaint;
    const auto form = startUp(state, platform);
    if (qEnvironmentVariableIntValue("CLUEFORGE_QUIT_AFTER_SHOW") == 1)
        form->installEventFilter(&quitAfterPaint);
    return QApplication::exec();
}
