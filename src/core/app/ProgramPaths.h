#pragma once

#include <QString>

// Where the program finds what it ships and where it keeps what a user changes. A folder with
// Language/ beside the executable is a portable program folder, as the build folder is: it
// holds everything, the settings too while it can take them. Otherwise the shipped files are in
// ../share/clueforge/ from the executable (an installed copy, under any prefix) and each user
// keeps settings, language files and word lists in the per-user locations.
struct ProgramPaths {
    QString programFolder;  // Language/, Data/, Samples/ and the help; ends in a separator
    QString settingsFolder; // holds Clueforge.ini; ends in a separator
    QString userFolder;     // the user's own Language/ and Data/; "" in a portable folder
};

// userConfigFolder and userDataFolder are the per-user locations (see the overload below).
ProgramPaths locateProgramPaths(const QString& executableFolder, const QString& userConfigFolder,
                                const QString& userDataFolder);

// With QStandardPaths' AppConfigLocation (~/.config/Clueforge) and AppDataLocation
// (~/.local/share/Clueforge).
ProgramPaths locateProgramPaths(const QString& executableFolder);

// Whether Clueforge.ini can be written in `folder`: the folder takes new files, or the file is
// there and writable (it is then rewritten in place).
bool settingsWritableIn(const QString& folder);
