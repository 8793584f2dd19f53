// Peak resident memory of the program in a process of its own: the main window started and
// shown, then (with a grid side as argument) a crossword of that size analysed, with an
// answer in every slot, its shown grid built and drawn. Without an argument only the window,
// the reference. Prints "peak_kb <getrusage ru_maxrss>".
#include "BenchCrosswords.h"
#include "BenchWindow.h"
#include "ProgramFolderCopy.h"

#include "app/MainM.h"

#include <QApplication>

#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qapp(argc, argv);
    const int side = argc > 1 ? std::atoi(argv[1]) : 0;
    const bench::ProgramFolderCopy folder;
    AppState app(folder.path());
    bench::BenchPlatform platform;
    const auto form = startUp(app, platform);
    QCoreApplication::processEvents();
    if (side > 0) {
        app.doc = bench::answeredPattern(side);
        form->UpdateControlsForMode();
        form->buildAndDrawGrid();
        QCoreApplication::processEvents();
    }
    if (platform.failures > 0)
        return 1;
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak_kb %ld\n", usage.ru_maxrss);
    return 0;
}
