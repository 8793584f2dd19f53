// File > Recent files: the crosswords and answers files last opened or saved.
#include "app/MainWindow.h"
#include "app/Named.h"
#include "app/language/LanguageFile.h"
#include "text/CodePage.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

void MainWindow::createRecentMenu() {
    recentMenu = named(new QMenu(fileMenu), "recentMenu");
    fileMenu->insertMenu(fileSeparator, recentMenu);
    for (std::size_t i = 0; i < recentActions.size(); ++i) {
        QAction* a = recentMenu->addAction(QString());
        a->setObjectName(QStringLiteral("recentFileAction_%1").arg(i));
        connect(a, &QAction::triggered, this, [this, i] { openRecentFile(static_cast<int>(i)); });
        recentActions[i] = a;
    }
    recentFiles_.readFrom(state_.SettingsFolder);
    showRecentFiles();
}

void MainWindow::showRecentFiles() {
    const QStringList& paths = recentFiles_.paths();
    for (std::size_t i = 0; i < recentActions.size(); ++i) {
        QAction* a = recentActions[i];
        const auto at = static_cast<qsizetype>(i);
        a->setVisible(at < paths.size());
        if (at >= paths.size())
            continue;
        QString shown = QDir::toNativeSeparators(paths[at]);
        // A '&' of the path is a letter, not a mnemonic.
        shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
        a->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(shown));
    }
    recentMenu->setEnabled(!paths.isEmpty());
}

void MainWindow::storeRecentFiles() {
    // The list is a convenience: a folder that cannot take it costs only the list, and the
    // settings file's own failure is reported when the program closes.
    recentFiles_.writeTo(state_.SettingsFolder);
}

void MainWindow::rememberFile(const QString& path) {
    recentFiles_.add(QFileInfo(path).absoluteFilePath());
    storeRecentFiles();
    showRecentFiles();
}

void MainWindow::openRecentFile(int index) {
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
    if (confirmDiscardChanges() == 1)
        return;
    if (path.endsWith(QStringLiteral(".otv"), Qt::CaseInsensitive)) {
        openAnswersFile(path);
        return;
    }
    openNamedFile(path);
    completeIncompleteCrossword();
}
