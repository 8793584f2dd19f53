#include "app/AppState.h"

AppState::AppState(const QString& programFolder)
    : ProgramFolder(withTrailingSeparator(programFolder)),
      SamplesFolder(ProgramFolder + QStringLiteral("Samples")) {}

void AppState::loadSettings() {
    readSettingsFile(ProgramFolder, settings);
}

QString AppState::withTrailingSeparator(const QString& folder) {
    if (folder.endsWith(QLatin1Char('/')) || folder.endsWith(QLatin1Char('\\')))
        return folder;
    return folder + QLatin1Char('/');
}
