#pragma once

#include "files/FileCommon.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <utility>
#include <vector>

class QIODevice;
struct CrosswordDocument;

// The solver's answers file (.otv): the crossword file name and title, then one record for
// every solved word, with the solver's word for a crossword without answers. Plain text.
// The answers file stays exactly as older copies write and read it; this program's additions,
// the solving time and the hints, go into a file of their own beside it (answersAdditionsPath),
// saved together with it and read when it is read.

struct AnswerRecord {
    int Slot = 0;
    int Direction = 0;
    QByteArray Word; // only in a file of a crossword without answers
};

// The additions as read. Absent beside a file an older copy wrote, when damaged, or when they
// belong to another crossword: then the solving time starts from nothing and no hint is known.
struct AnswersAdditions {
    bool Present = false;
    qint64 ElapsedSeconds = 0;
    int LettersRevealed = 0;
    int WordsRevealed = 0;
    std::vector<std::pair<int, int>> RevealedWords; // number, direction
    std::vector<std::pair<int, int>> RevealedCells; // column, row in the classic orientation
};

// An answers file as read, before it is applied: its title tells whether the crossword it names
// must be read first.
struct AnswersFileContent {
    QByteArray CrosswordFileName; // without its folder
    QByteArray CrosswordTitle;
    int NoAnswers = 0;
    int NumberedCount = 0;
    std::vector<AnswerRecord> Records;
    AnswersAdditions Additions;
};

// Writes the solved words of the crossword. False when a write failed.
bool WriteAnswersFile(QIODevice& device, const CrosswordDocument& doc);

// The additions' file beside the answers file at answersPath: its name with ".clueforge" added.
QString answersAdditionsPath(const QString& answersPath);
// Writes the document's Aids, named by the crossword's title. False when a write failed.
bool WriteAnswersAdditions(QIODevice& device, const CrosswordDocument& doc);
// Reads additions written for the crossword titled `title`; nothing (not Present) from anything
// else. Values are kept within bounds, lists read while the file lasts.
AnswersAdditions ReadAnswersAdditions(QIODevice& device, const QByteArray& title);

// Saves the answers file and its additions to path and beside it, both or neither, without
// ever damaging the files already there. On Ok, AnswersPath = path and Modified = false; on
// failure the document is unchanged. Asking before replacing another file is the caller's
// part (overwriteQuestionNeeded with doc.AnswersPath).
FileStatus WriteAnswersFile(const QString& path, CrosswordDocument& doc);

// Reads the whole file. Unusable when it ends before the solved-word count; records are read
// while the file lasts, at most as many as the largest crossword can have. As with crossword
// files, a device ends after kMaxFileBytes and a larger file is refused as Unusable unread.
FileStatus ReadAnswersFile(QIODevice& device, AnswersFileContent& content);
// The same from a path, with the additions beside it when they are there and belong to it.
FileStatus ReadAnswersFile(const QString& path, AnswersFileContent& content);

// The crossword an answers file names: the file of that name in the answers file's folder.
QString crosswordPathBesideAnswers(const QString& answersPath, const QByteArray& fileName);

// Marks the file's words as solved in the crossword in memory, which must be the one the file
// belongs to (read it first when the titles differ). For a crossword without answers the
// solver's words replace those in memory. Records of words the crossword does not have are
// skipped; SolvedCount becomes the number of solved words and AnswersPath = answersPath.
// The additions become the document's Aids: the time and the counts as the file gives them,
// the marks of revealed words that are solved and of revealed cells of the grid (added to the
// marks in memory where those are kept, as the solved words are).
// Unusable, with nothing changed, when the file is for a crossword of the other kind (with /
// without answers). The mode, the grid and the selection are left to the caller.
FileStatus ApplyAnswers(const AnswersFileContent& content, const QString& answersPath,
                        CrosswordDocument& doc);

// The first word not yet solved: lowest number, across before down.
std::optional<std::pair<int, int>> firstUnsolvedWord(const CrosswordDocument& doc);

// The name the Save dialog offers for an answers file: the answers file's or else the
// crossword's (or ipuz file's) file name without folder and extension.
QString defaultAnswersName(const CrosswordDocument& doc);
