// The Open and Save dialogs, file failure messages and the file commands' wiring.
#include "app/frmForma.h"
#include "files/FileCommon.h"
#include "text/CodePage.h"

#include <QAction>
#include <QMenu>

QString frmForma::ShowFileDialog(bool isSave, const QString& defaultName,
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

QByteArray frmForma::fileMenuText(const QByteArray& rest) const {
    return state_.language.caption(LangEntry::FileMenu) + ' ' + rest;
}

void frmForma::showFileFailure(FileStatus status) {
    message(fileMenuText(state_.language.entry(fileMessageEntry(status))),
            platform::Icon::Critical);
}

void frmForma::connectFileHandlers() {
    connect(FileSaveAs, &QAction::triggered, this, &frmForma::FileSaveAs_Click);
    connect(FileOpenOtvet, &QAction::triggered, this, &frmForma::FileOpenOtvet_Click);
    connect(KrossOpen, &QAction::triggered, this, &frmForma::KrossOpen_Click);
    connect(KrossAbout, &QAction::triggered, this, &frmForma::KrossAbout_Click);
    connect(KrossChange, &QAction::triggered, this, &frmForma::KrossChange_Click);
}
