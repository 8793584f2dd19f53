// File > Recent files: the crosswords and answers files last opened or saved.
#include "app/Named.h"
#include "app/frmForma.h"
#include "app/language/LoadJazikM.h"
#include "text/CodePage.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

void frmForma::createRecentMenu() {
    FileRecent = named(new QMenu(File), "FileRecent");
    File->insertMenu(FileSep, FileRecent);
    for (std::size_t i = 0; i < FileRecentItems.size(); ++i) {
        QAction* a = FileRecent->addAction(QString());
        a->setObjectName(QStringLiteral("FileRecent_%1").arg(i));
        connect(a, &QAction::triggered, this, [this, i] { openRecentFile(static_cast<int>(i)); });
        FileRecentItems[i] = a;
    }
    recentFiles_.readFrom(state_.SettingsFolder);
    showRecentFiles();
}

void frmForma::showRecentFiles() {
    const QStringList& paths = recentFiles_.paths();
    for (std::size_t i = 0; i < FileRecentItems.size(); ++i) {
        QAction* a = FileRecentItems[i];
        const auto at = static_cast<qsizetype>(i);
        a->setVisible(at < paths.size());
        if (at >= paths.size())
            continue;
        QString shown = QDir::toNativeSeparators(paths[at]);
        // A '&' of the path is a letter, not a mnemonic.
        shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
        a->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(shown));
    }
    FileRecent->setEnabled(!paths.isEmpty());
}

void frmForma::storeRecentFiles() {
    // The list is a convenience: a folder that cannot take it costs only the list, and the
    // settings file's own failure is reported when the program closes.
    recentFiles_.writeTo(state_.SettingsFolder);
}

void frmForma::rememberFile(const QString& path) {
    recentFiles_.add(QFileInfo(path).absoluteFilePath());
    storeRecentFiles();
    showRecentFiles();
}

void frmForma::openRecentFile(int index) {
    if (index < 0 || index >= recentFiles_.paths().size())
        return;
    const QString path = recentFiles_.paths()[index];
    // Before the unsaved-changes question: a file that is gone leaves the crossword alone.
    if (!QFileInfo::exists(path)) {
        message(fileFailureText(state_.language,
                                cp1251::fromUnicode(QDir::toNativeSeparators(path)),
                                fileMessageEntry(FileStatus::NotFound)),
                platform::Icon::Critical);
        recentFiles_.remove(path);
        storeRecentFiles();
        showRecentFiles();
        return;
    }
    if (ConfirmDiscardChanges() == 1)
        return;
    if (path.endsWith(QStringLiteral(".otv"), Qt::CaseInsensitive)) {
        OpenAnswersFile(path);
        return;
    }
    openNamedFile(path);
    completeIncompleteCrossword();
}
