// Saving the crossword file, with the question before replacing another file.
#include "app/MainWindow.h"
#include "files/CrosswordFile.h"
#include "text/CodePage.h"

#include <QDir>

bool MainWindow::saveAsked(const QString& path, const QString& ownPath,
                           const std::function<FileStatus()>& save) {
    if (overwriteQuestionNeeded(path, ownPath)) {
        const QByteArray question =
            fileMenuText(cp1251::fromUnicode(QDir::toNativeSeparators(path)) +
                         state_.language.OverwriteQuestion());
        if (message(question, platform::Icon::Warning, platform::Buttons::YesNo,
                    platform::Answer::No) != platform::Answer::Yes)
            return false;
    }
    const FileStatus status = save();
    if (status != FileStatus::Ok)
        showFileFailure(status);
    return status == FileStatus::Ok;
}

bool MainWindow::saveCrosswordFile(const QString& path) {
    if (!saveAsked(path, state_.doc().CrosswordPath,
                   [&] { return state_.session.saveCrossword(path); }))
        return false;
    rememberFile(path);
    return true;
}

void MainWindow::saveCrosswordAs() {
    const CrosswordDocument& doc = state_.doc();
    // A crossword never saved offers its title.
    const QString name = fileNameWithoutFolder(
        doc.CrosswordPath.isEmpty() ? cp1251::toUnicode(doc.CrosswordTitle) : doc.CrosswordPath);
    const QString path = showFileDialog(true, name, state_.language.crosswordFileFilter());
    if (path.isEmpty())
        return;
    saveCrosswordFile(withExtensionWhenNoDot(path, QStringLiteral(".cfw")));
}
