// The fill's work in the window on a large grid, in a process of its own so that each figure
// has its own peak: `FILE.ipuz LISTS PHASE`, LISTS 1 with the word lists of the build's Data/
// (0 without), PHASE one of
//   open    the ipuz file opened through File > Open: "window_ms" the Open command on the
//           window's thread, "shaded_ms" until the dead cells are shown, "peak_kb";
//   place   then a word placed in the selected slot: "window_ms" the placement on the window's
//           thread, "shaded_ms" until the dead cells are shown again, "peak_kb" from the
//           placement on;
//   cancel  then a fill started and cancelled once it is searching: "held_kb" the resident
//           memory after it over that before it, "peak_kb" from the fill on.
// Prints "name value" lines; exits 1 when a step failed.
#include "BenchWindow.h"
#include "ProgramFolderCopy.h"

#include "app/Startup.h"
#include "commands/AuthoringCommands.h"
#include "commands/FileCommands.h"
#include "commands/FillCommands.h"
#include "words/FillProgressDialog.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

namespace {

// A field of /proc/self/status in kB ("VmHWM", "VmRSS").
long statusKb(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    const std::string prefix = std::string(field) + ':';
    while (std::getline(status, line))
        if (line.rfind(prefix, 0) == 0)
            return std::stol(line.substr(prefix.size()));
    return -1;
}

// The peak so far forgotten: VmHWM starts again from the resident memory now.
void resetPeak() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

// Opens the file given; a fill's progress window is cancelled once the search reports.
class Desktop : public bench::BenchPlatform {
public:
    QString openPath;
    QString getOpenFileName(QWidget*, const QString&, const QString&, const QString&) override {
        return openPath;
    }
    int runDialog(QDialog& dialog) override {
        auto* fill = qobject_cast<FillProgressDialog*>(&dialog);
        if (!fill)
            return 0;
        dialog.show();
        QElapsedTimer waited;
        waited.start();
        while (fill->isVisible() && fill->progressBar->maximum() == 0 &&
               waited.elapsed() < 60'000) {
            QCoreApplication::processEvents();
            QThread::msleep(10);
        }
        if (fill->isVisible())
            fill->cancelButton->click();
        return dialog.result();
    }
};

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc != 4)
        return 1;
    QApplication qapp(argc, argv);
    const bool lists = std::strcmp(argv[2], "1") == 0;
    const std::string phase = argv[3];
    const bench::ProgramFolderCopy folder;
    if (lists) {
        const QDir data(QStringLiteral(CLUEFORGE_PROGRAM_DIR "/Data"));
        for (const QString& name : data.entryList({QStringLiteral("*.dat")}, QDir::Files))
            QFile::copy(data.filePath(name), folder.file(QStringLiteral("Data/") + name));
    }
    AppState app(folder.path());
    Desktop desktop;
    desktop.openPath = QString::fromLocal8Bit(argv[1]);
    const auto form = startUp(app, desktop);
    QCoreApplication::processEvents();
    auto& fill = *form->findChild<FillCommands*>();

    QElapsedTimer timer;
    timer.start();
    form->findChild<FileCommands*>()->openCrossword();
    QCoreApplication::processEvents();
    const qint64 openMs = timer.elapsed();
    fill.waitForLookUps();
    const qint64 openShadedMs = timer.elapsed();
    if (app.doc().Mode != EditMode::ModeAuthor || app.doc().CurrentSlot <= 0)
        return 1;
    if (phase == "open") {
        std::printf("window_ms %lld\nshaded_ms %lld\n", openMs, openShadedMs);
    } else if (phase == "place") {
        const CrosswordDocument& doc = app.doc();
        const int n = doc.CurrentSlot;
        const int d = doc.CurrentDirection;
        const int length = doc.SlotTable.at(n, 2, d);
        QString word;
        while (word.size() < length)
            word += QStringLiteral("КОТ");
        resetPeak();
        timer.restart();
        form->findChild<QLineEdit*>(QStringLiteral("answerEdit"))->setText(word.left(length));
        form->findChild<AuthoringCommands*>()->placeTypedAnswer();
        QCoreApplication::processEvents();
        const qint64 placeMs = timer.elapsed();
        fill.waitForLookUps();
        std::printf("window_ms %lld\nshaded_ms %lld\n", placeMs, timer.elapsed());
        if (doc.SlotTexts.at(n, 1, d).isEmpty())
            return 1;
    } else if (phase == "cancel") {
        const long before = statusKb("VmRSS");
        resetPeak();
        form->findChild<QAction*>(QStringLiteral("fillAction"))->trigger();
        QCoreApplication::processEvents();
        std::printf("held_kb %ld\n", statusKb("VmRSS") - before);
    } else {
        return 1;
    }
    std::printf("slots %d\npeak_kb %ld\n", app.doc().WordCount, statusKb("VmHWM"));
    return desktop.failures > 0 ? 1 : 0;
}
