#pragma once

#include <QByteArray>

#include <array>

// Texts of our own that the numbered entries 1 to 75 do not have. Language files carry them as
// entries 101 and up; a file without them falls back to built-in English.
enum class OwnText : int {
    GridTooLarge = 101,
    PictureTooLarge = 102,
    CellSizeOutOfRange = 103,
    CellSizeTooLarge = 104,
    CellSizeReduced = 105, // followed by the new cell size
    // The locale of Qt's own translation for the standard dialogs ("ru", "en"; as QLocale
    // reads it); English, Qt's own texts, when absent.
    QtLocale = 106,
};

// The user-interface texts of the loaded language file, in Windows-1251.
//
// Entries 1 to 24 and 48 to 75 are replaced as a whole by every load (an entry the file lacks
// becomes empty); entries 25 to 47 are the dialogs' table and keep the text of an earlier file
// when the new one lacks them. Our own texts 101 to 199 are replaced by every load as well.
struct Language {
    static constexpr int kLastEntry = 75;
    static constexpr int kFirstOwn = 101;
    static constexpr int kLastOwn = 199;
    static constexpr int kFirstKept = 25;
    static constexpr int kLastKept = 47;

    QByteArray name;
    bool loaded = false;                              // whether any file has been loaded yet
    std::array<QByteArray, kLastEntry + 1> entries{}; // index = entry number; 0 unused
    std::array<QByteArray, kLastOwn - kFirstOwn + 1> own{};

    // Entry n, empty outside 1 to 75.
    QByteArray entry(int n) const;
    // What a menu, label or button captioned by entry n shows now: the entry once a file has
    // been loaded, the built-in Russian caption before that.
    QByteArray caption(int n) const;
    // Our own text, from the file when it has it, otherwise the built-in English.
    QByteArray ownText(OwnText which) const;

    // The crossword file dialogs' filter: the crossword menu's caption and "*.cfw", then all
    // files; NUL-separated pairs.
    QByteArray KrossFileFilter() const;
    // The answers file dialogs' filter, named by entry 57.
    QByteArray AnswersFileFilter() const;
    // Asked after a path before an existing file is replaced: " " + entry 58 + CR LF + entry 59.
    QByteArray OverwriteQuestion() const;
};

// The caption a control carries before any language file is loaded, for the entries that have
// one (3 to 22, 24, 53, 65 to 69 and 73); empty for the others.
QByteArray builtInCaption(int entry);

QByteArray builtInOwnText(OwnText which);
