// The Open and Save dialogs, file failure messages and the file commands' wiring.
#include "app/MainWindow.h"
#include "files/FileCommon.h"
#include "text/CodePage.h"

#include <QAction>
#include <QMenu>

QString MainWindow::showFileDialog(bool isSave, const QString& defaultName,
                                   const QByteArray& filter) {
    const QString qtFilter = cp1251::toUnicode(filter);
    const QString path =
        isSave ? platform_.getSaveFileName(this, QString(), state_.saveDialogFolder(), defaultName,
                                           qtFilter)
               : platform_.getOpenFileName(this, QString(), state_.SamplesFolder, qtFilter);
    if (path.isEmpty())
        return {};
    // The next dialog opens where the user last chose a file.
    state_.SamplesFolder = path.left(path.size() - fileNameWithoutFolder(path).size());
    return path;
}

QByteArray MainWindow::fileMenuText(const QByteArray& rest) const {
    return state_.language.caption(LangEntry::FileMenu) + ' ' + rest;
}

void MainWindow::showFileFailure(FileStatus status) {
    message(fileMenuText(state_.language.entry(fileMessageEntry(status))),
            platform::Icon::Critical);
}

void MainWindow::connectFileHandlers() {
    connect(saveAsAction, &QAction::triggered, this, &MainWindow::saveAs);
    connect(openAnswersAction, &QAction::triggered, this, &MainWindow::openAnswers);
    connect(openCrosswordAction, &QAction::triggered, this, &MainWindow::openCrossword);
    connect(propertiesAction, &QAction::triggered, this, &MainWindow::editProperties);
    connect(unlockAction, &QAction::triggered, this, &MainWindow::unlock);
}
