// A file given on the command line (a file manager's double click) opened as its menu command.
#include "app/MainWindow.h"

#include <QFileInfo>

void MainWindow::openFileFromCommandLine(const QString& path) {
    const QFileInfo info(path);
    const QString absolute = info.absoluteFilePath();
    // As a file chosen in the Open dialog, it makes its folder the next dialogs' start. A real
    // path: on Linux a '\' belongs to the file's name.
    state_.SamplesFolder = AppState::withTrailingSeparator(info.absolutePath());
    if (absolute.endsWith(QStringLiteral(".otv"), Qt::CaseInsensitive)) {
        openAnswersFile(absolute);
        return;
    }
    // The name is taken as given: a shell or file manager names the file whole.
    openNamedFile(absolute);
    completeIncompleteCrossword();
}
