#pragma once

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

    QString ProgramFolder; // ends in a separator
    QString SamplesFolder; // where the file dialogs start
    Settings settings;
    QByteArray MessageTitle;
    int ShownStyle = 0;
    int LetterOffset = 0;
    CrosswordDocument doc;
    Language language;

    QByteArray ownText(OwnText which) const { return language.ownText(which); }

    // Reads the settings file of the program folder over the built-in defaults.
    void loadSettings();

    static QString withTrailingSeparator(const QString& folder);
};
