// The reference of the start-up benchmark: the least a Qt Widgets program does to show a
// main window, quitting once it has been painted when CLUEFORGE_QUIT_AFTER_SHOW=1, as the
// program does. With the argument "--text" the window shows one word, so that the font system
// is set up as in every window that shows text.
#include "app/QuitAfterPaint.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    if (argc > 1 && QByteArray(argv[1]) == "--text")
        window.setCentralWidget(new QLabel(QStringLiteral("Clueforge")));
    QuitAfterPaint quitAfterPaint;
    if (QuitAfterPaint::wanted())
        window.installEventFilter(&quitAfterPaint);
    window.show();
    return QApplication::exec();
}
