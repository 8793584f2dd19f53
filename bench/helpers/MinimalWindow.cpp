// The reference of the start-up benchmark: the least a Qt Widgets program does to show a
// main window, quitting once it has been painted when CLUEFORGE_QUIT_AFTER_SHOW=1, as the
// program does.
#include <QApplication>
#include <QMainWindow>

namespace {

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
    QMainWindow window;
    QuitAfterPaint quitAfterPaint;
    if (qEnvironmentVariableIntValue("CLUEFORGE_QUIT_AFTER_SHOW") == 1)
        window.installEventFilter(&quitAfterPaint);
    window.show();
    return QApplication::exec();
}
