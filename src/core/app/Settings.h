#pragma once

#include <QByteArray>
#include <QString>

class QIODevice;

// The user's choices that survive from one run to the next, in "Clueforge.ini".
struct Settings {
    static constexpr const char* kFileName = "Clueforge.ini";
    static constexpr const char* kVersion = "6.3";

    QByteArray LanguageFileName;
    QByteArray LetterFontName = "MS Sans Serif";
    int LetterFontSize = 10;
    bool LetterFontBold = true;
    bool LetterFontItalic = false;
    bool LetterFontUnderline = false;
    int LetterColor = 0; // RGB, red in the low byte
    int CellSize = 20;
    int NumberSize = 1;
    int ChosenStyle = 0;
    // Printed and PDF crosswords end with a page of their answers.
    bool PrintAnswers = false;

    bool operator==(const Settings&) const = default;
};

// Reads the settings over the defaults in `settings`. A file of another version is ignored as a
// whole; a value that cannot be read keeps what it would replace; values the program cannot use
// (a cell size below 1, a number size outside 1 to 3, a style other than 0 or 1) fall back to
// the defaults. A twelfth field, PrintAnswers, is optional; earlier copies stop after eleven.
void readSettings(QIODevice& device, Settings& settings);

// Reads ProgramFolder + "Clueforge.ini" when it can be opened; otherwise keeps the defaults.
void readSettingsFile(const QString& programFolder, Settings& settings);

// Writes the eleven lines, and a twelfth only while PrintAnswers is on: the file of a user who
// never turned it on stays the one earlier copies write. Returns false when a write failed.
bool writeSettings(QIODevice& device, const Settings& settings);

enum class SettingsWriteResult { Ok, AccessDenied, Failed };

// Writes ProgramFolder + "Clueforge.ini" through a temporary file that replaces it only when
// complete, so a failed write leaves the previous file as it was. AccessDenied when the file or
// the folder may not be written (a read-only file, a folder in its place, a read-only folder).
SettingsWriteResult writeSettingsFile(const QString& programFolder, const Settings& settings);
