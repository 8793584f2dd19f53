#include "app/ProgramPaths.h"

#include "app/AppState.h"
#include "app/Settings.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

bool hasLanguageFolder(const QString& folder) {
    return QFileInfo(folder + QStringLiteral("Language")).isDir();
}

} // namespace

bool settingsWritableIn(const QString& folder) {
    const QFileInfo file(folder + QLatin1String(Settings::kFileName));
    if (file.exists())
        return file.isWritable() && !file.isDir();
    const QFileInfo dir(folder);
    return dir.isDir() && dir.isWritable();
}

ProgramPaths locateProgramPaths(const QString& executableFolder, const QString& userConfigFolder,
                                const QString& userDataFolder) {
    const QString exe = AppState::withTrailingSeparator(executableFolder);
    // Without a home there is no per-user location; the settings then stay where they were.
    if (userConfigFolder.isEmpty())
        return {exe, exe, QString()};
    const QString userConfig = AppState::withTrailingSeparator(userConfigFolder);
    const QString userData =
        userDataFolder.isEmpty() ? QString() : AppState::withTrailingSeparator(userDataFolder);
    if (hasLanguageFolder(exe)) {
        // A portable folder keeps its settings; one that cannot take them (unpacked by another
        // user, on a read-only medium) leaves them to each user, as an installed copy does.
        if (settingsWritableIn(exe))
            return {exe, exe, QString()};
        return {exe, userConfig, userData};
    }
    const QString shared = AppState::withTrailingSeparator(
        QDir::cleanPath(exe + QStringLiteral("../share/clueforge")));
    if (hasLanguageFolder(shared))
        return {shared, userConfig, userData};
    // Nothing shipped was found: the executable's folder, whose missing files are reported
    // as they are met.
    return {exe, exe, QString()};
}

ProgramPaths locateProgramPaths(const QString& executableFolder) {
    return locateProgramPaths(executableFolder,
                              QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation),
                              QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}
