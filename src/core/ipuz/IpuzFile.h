#pragma once

#include "files/FileCommon.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

struct CrosswordDocument;
struct Language;
class QIODevice;

// The ipuz exchange format (JSON, version 2, kind http://ipuz.org/crossword#1), both ways.
namespace ipuz {

// Why a file cannot be taken over; Ok when it was.
struct ReadProblem {
    enum class Kind {
        Ok,
        OpenFailed,     // the file could not be opened or read
        Unreadable,     // not JSON, not a crossword
        FileTooLarge,   // over kMaxFileBytes
        TooDeep,        // JSON nested deeper than kMaxDepth
        WrongValue,     // a value of another kind than the format gives (a number for a text)
        TooLarge,       // dimensions beyond the program's limits
        NotRectangular, // rows of another count or length than the dimensions say
        Barred,         // bars between cells
        Rebus,          // more than one letter in `cell`
        CellCharacter,  // `character` in `cell` has no Windows-1251 code
        TextCharacter,  // `character` in `text` (a clue, the title, the author) has none, or is
                        // a control character
        UnmatchedClues, // `clues` name no slot of the grid
        NoWords,        // the grid has no slot
    };
    Kind kind = Kind::Ok;
    int column = 0, row = 0; // the cell, counted from 1
    QString character;
    // Where a text lies: a clue's slot, or the title or author; Cell for a value in a cell.
    enum class Text { Clue, Title, Author, Cell } text = Text::Clue;
    int number = 0, direction = 0; // the clue's slot
    QString clueName;              // a clue without a slot, as the file names it
    QList<QPair<int, int>> clues;  // unmatched clues: the file's number and direction
    QStringList otherClues;        // clues of other directions or without a number, as named

    bool ok() const { return kind == Kind::Ok; }
};

// Whether a path names an ipuz file: by its extension, in any case.
bool isIpuzPath(const QString& path);

// Files larger than this are refused before parsing, and JSON nested deeper.
constexpr qint64 kMaxFileBytes = 32 * 1024 * 1024;
constexpr int kMaxDepth = 32; // a crossword needs five levels

// Replaces `doc` by the crossword the device holds, as an author's crossword not yet saved:
// ModeAuthor (ModeAuthorNoAnswers for a file with neither solution nor clue text), Modified
// set, no path, no password, slots numbered by our own analysis, in the classic style (the
// shown grid is left to buildShownGrid). Anything else than Ok leaves `doc` as it was.
ReadProblem readIpuz(QIODevice& device, CrosswordDocument& doc);
ReadProblem readIpuzFile(const QString& path, CrosswordDocument& doc);

// The crossword as ipuz, in the classic orientation whatever the shown style; without
// `solution` when it has no answers. The password is not carried.
QByteArray ipuzBytes(const CrosswordDocument& doc);
bool writeIpuz(QIODevice& device, const CrosswordDocument& doc);
FileStatus writeIpuzFile(const QString& path, const CrosswordDocument& doc);

// The message for a problem, in the language (Windows-1251).
QByteArray problemText(const Language& lang, const ReadProblem& problem);

} // namespace ipuz
