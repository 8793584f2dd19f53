// Peak resident memory of the program in a process of its own: the main window started and
// shown, then (with a grid side as argument) a crossword of that size analysed, with an
// answer in every slot, its shown grid built and drawn. Without an argument only the window,
// the reference. With "search MB" instead, a Data/2.dat of MB megabytes of two-letter words is
// searched for "??" in the pattern-search window, which also prints "search_ms <the search and
// the window's repaint after it>" and "found <the count in the window's caption>". Prints
// "peak_kb <getrusage ru_maxrss>".
#include "BenchCrosswords.h"
#include "BenchWindow.h"
#include "ProgramFolderCopy.h"

#include "app/Startup.h"
#include "grid/GridView.h"
#include "words/WordSearchWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>

#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>

namespace {

// Written a piece at a time, so that the file's bytes do not count in this process's peak.
bool writeTwoLetterList(const QString& path, qint64 megabytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const qint64 words = megabytes * 1024 * 1024 / 2;
    bool ok = file.write(" " + QByteArray::number(words) + " \r\n\"") > 0;
    std::mt19937 random(20240601);
    std::uniform_int_distribution<int> letter(0xC0, 0xDF); // А to Я in Windows-1251
    QByteArray piece(1 << 20, '\0');
    for (qint64 left = words * 2; ok && left > 0; left -= piece.size()) {
        if (left < piece.size())
            piece.truncate(left);
        for (char& c : piece)
            c = static_cast<char>(letter(random));
        ok = file.write(piece) == piece.size();
    }
    return ok && file.write("\"\r\n") == 3;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qapp(argc, argv);
    const bool search = argc > 2 && std::strcmp(argv[1], "search") == 0;
    const int side = argc > 1 && !search ? std::atoi(argv[1]) : 0;
    const bench::ProgramFolderCopy folder;
    if (search &&
        !writeTwoLetterList(folder.file(QStringLiteral("Data/2.dat")), std::atoll(argv[2])))
        return 1;
    AppState app(folder.path());
    bench::BenchPlatform platform;
    const auto form = startUp(app, platform);
    QCoreApplication::processEvents();
    if (side > 0) {
        app.session.documentForSetup() = bench::answeredPattern(side);
        form->updateControlsForMode();
        form->state().session.showForSetup(0);
        form->findChild<GridView*>()->drawGrid();
        QCoreApplication::processEvents();
    }
    if (search) {
        form->openWordSearch();
        WordSearchWindow* find = form->findChild<WordSearchWindow*>();
        if (!find)
            return 1;
        QCoreApplication::processEvents();
        find->patternEdit->setText(QStringLiteral("??"));
        QElapsedTimer timer;
        timer.start();
        find->Search();
        find->repaint();
        QCoreApplication::processEvents();
        std::printf("search_ms %lld\n", timer.elapsed());
        std::printf("found %s\n", qPrintable(find->windowTitle().section(u' ', -1)));
    }
    if (platform.failures > 0)
        return 1;
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak_kb %ld\n", usage.ru_maxrss);
    return 0;
}
