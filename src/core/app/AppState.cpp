#include "app/AppState.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

AppState::AppState(const QString& programFolder)
    : AppState(ProgramPaths{withTrailingSeparator(programFolder),
                            withTrailingSeparator(programFolder), QString()}) {}

AppState::AppState(const ProgramPaths& paths)
    : ProgramFolder(withTrailingSeparator(paths.programFolder)),
      SettingsFolder(withTrailingSeparator(paths.settingsFolder)), UserFolder(paths.userFolder),
      SamplesFolder(ProgramFolder + QStringLiteral("Samples")) {}

void AppState::loadSettings() {
    const bool ownFile = SettingsFolder == ProgramFolder ||
                         QFileInfo::exists(SettingsFolder + QLatin1String(Settings::kFileName));
    // A settings file in a program folder the user cannot write gives the starting values.
    readSettingsFile(ownFile ? SettingsFolder : ProgramFolder, settings);
}

SettingsWriteResult AppState::saveSettings() const {
    if (SettingsFolder != ProgramFolder)
        QDir().mkpath(SettingsFolder);
    return writeSettingsFile(SettingsFolder, settings);
}

QString AppState::folderHolding(const QString& relativePath) const {
    if (!UserFolder.isEmpty() && QFileInfo::exists(UserFolder + relativePath))
        return UserFolder;
    return ProgramFolder;
}

QString AppState::saveDialogFolder() const {
    const QFileInfo samples(SamplesFolder);
    if (!samples.isDir() || samples.isWritable())
        return SamplesFolder;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir())
        return documents;
    const QString home = QDir::homePath();
    return home.isEmpty() ? SamplesFolder : home;
}

QString AppState::withTrailingSeparator(const QString& folder) {
    if (folder.endsWith(QLatin1Char('/')) || folder.endsWith(QLatin1Char('\\')))
        return folder;
    return folder + QLatin1Char('/');
}
