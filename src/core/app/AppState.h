#pragma once

#include "app/CrosswordSession.h"
#include "app/ProgramPaths.h"
#include "app/Settings.h"
#include "app/language/Language.h"
#include "grid/CrosswordDocument.h"

#include <QByteArray>
#include <QString>

// Everything the program holds for the length of a run: the program's folders, the settings,
// the crossword with its mode and selection, and the values derived from them. A test gives it
// a temporary program folder of its own.
class AppState {
public:
    // programFolder is the folder of the executable; a trailing separator is added when missing.
    explicit AppState(const QString& programFolder);
    explicit AppState(const ProgramPaths& paths);

    QString ProgramFolder;  // the shipped files; ends in a separator
    QString SettingsFolder; // holds the settings file; ends in a separator
    QString UserFolder;     // the user's own Language/ and Data/, or ""
    QString SamplesFolder;  // where the file dialogs start
    Settings settings;
    QByteArray MessageTitle;
    int LetterOffset = 0;
    // The crossword with its mode, selection and shown style; the window only reads it.
    CrosswordSession session{settings};
    const CrosswordDocument& doc() const { return session.document(); }
    Language language;

    QByteArray ownText(OwnText which) const { return language.ownText(which); }

    // Reads the settings file over the built-in defaults: the one of SettingsFolder, or while
    // a per-user one does not exist yet, the program folder's.
    void loadSettings();
    // Writes the settings file into SettingsFolder, making a per-user folder when missing.
    SettingsWriteResult saveSettings() const;

    // The folder whose relativePath ("Language/x.txt", "Data/5.dat") is used: the user's own
    // file wins over the shipped one of the same name.
    QString folderHolding(const QString& relativePath) const;

    // Where the Save dialog starts: SamplesFolder, or the user's documents folder when
    // SamplesFolder is a folder the user cannot write (an installed copy's samples).
    QString saveDialogFolder() const;

    static QString withTrailingSeparator(const QString& folder);
};
