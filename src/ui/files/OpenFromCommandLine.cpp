// A file given on the command line (a file manager's double click) opened as its menu command.
#include "app/frmForma.h"
#include "files/FileCommon.h"

#include <QFileInfo>

void frmForma::OpenFileFromCommandLine(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    // As a file chosen in the Open dialog, it makes its folder the next dialogs' start.
    state_.SamplesFolder = absolute.left(absolute.size() - fileNameWithoutFolder(absolute).size());
    if (absolute.endsWith(QStringLiteral(".otv"), Qt::CaseInsensitive)) {
        OpenAnswersFile(absolute);
        return;
    }
    // The name is taken as given: a shell or file manager names the file whole.
    ReadCrosswordFile(absolute);
    completeIncompleteCrossword();
}
