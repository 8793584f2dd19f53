// The reference of the start-up benchmark: the least a Qt Widgets program does to show a
// main window, quitting once it has been painted when CLUEFORGE_QUIT_AFTER_SHOW=1, as the
// program does. Arguments: "--text" shows one word, so that the font system is set up as in
// every window that shows text; "--size=WxH" gives the window the program's size instead of
// the default, as the pixels of a larger window take longer to fill.
#include "app/QuitAfterPaint.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>

#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        int w = 0;
        int h = 0;
        if (arg == "--text")
            window.setCentralWidget(new QLabel(QStringLiteral("Clueforge")));
        else if (std::sscanf(argv[i], "--size=%dx%d", &w, &h) == 2)
            window.resize(w, h);
    }
    QuitAfterPaint quitAfterPaint;
    if (QuitAfterPaint::wanted())
        window.installEventFilter(&quitAfterPaint);
    window.show();
    return QApplication::exec();
}
