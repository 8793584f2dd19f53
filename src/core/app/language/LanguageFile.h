// Language files: reading, the failure texts and what the main window shows for each mode.
#pragma once

#include "grid/EditMode.h"

#include "app/language/Language.h"

#include <QByteArray>
#include <QString>

#include <optional>

class AppState;
class QIODevice;

// Why a language file could not be opened; the failure message ends in NotFound or NotOpened,
// and for a file over kMaxFileBytes names that limit.
enum class LanguageOpenError { None, NotFound, TooLarge, Other };

constexpr LangEntry failureEntry(LanguageOpenError e) {
    return e == LanguageOpenError::NotFound ? LangEntry::NotFound : LangEntry::NotOpened;
}

// ProgramFolder + "Language/" + the file name; a "\" in the name counts as a separator.
QString languageFilePath(const QString& programFolder, const QByteArray& fileName);

// The language file the program loads by that name: the user's own (AppState::UserFolder) when
// there is one, otherwise the shipped one.
QString languageFilePath(const AppState& state, const QByteArray& fileName);

// Whether a name can only be a file of the Language folder: not empty, no folder and no way
// out ("/", "\", "." or ".."). The language dialog offers nothing else; the settings file, edited
// by hand, might.
bool isLanguageFileName(const QByteArray& fileName);

// Reads a language file into `language`: the language's name as a text field, then entries,
// each a number field followed by the rest of its line (or the whole next line when the number
// stands alone). Numbers outside 1 to 75 and 101 to 199 are read and dropped; a later entry
// replaces an earlier one with the same number. See Language for which entries survive a load.
void readLanguage(QIODevice& device, Language& language);

// Loads languageFilePath(state, fileName) into state.language and sets MessageTitle
// (ProgramName) and the settings' LanguageFileName. When the file cannot be opened, or the name is
// not a language file name, nothing changes.
LanguageOpenError loadLanguageFile(AppState& state, const QByteArray& fileName);

// The language name a file starts with, or nothing when it cannot be opened.
std::optional<QByteArray> readLanguageName(const QString& path);

// File failures as the user sees them: the File menu's caption, a blank, the path or file name,
// a blank and the language entry that tells what went wrong.
QByteArray fileFailureText(const Language& language, const QByteArray& pathOrName, LangEntry entry);

// The message for a language file at path that could not be loaded: fileFailureText, and the
// limit for a file too large, in the language loaded before or the built-in texts.
QByteArray languageFailureText(const Language& language, const QByteArray& path,
                               LanguageOpenError error);

// What the main window shows for the current mode after a load: its caption, the word count
// and the caption of the box label. A member left empty is not changed in that mode.
struct ModeTexts {
    std::optional<QByteArray> caption;
    std::optional<QByteArray> wordCountLabel;
    std::optional<QByteArray> clueEditLabel;
};
ModeTexts modeTexts(const AppState& state);
// The same for the crossword shown as if it were in mode `shownAs`.
ModeTexts modeTexts(const AppState& state, EditMode shownAs);
