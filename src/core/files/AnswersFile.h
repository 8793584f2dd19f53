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
// After the records come this program's additions, the solving time and the hints, which older
// copies never read: they stop after the records the count line names.

struct AnswerRecord {
    int Slot = 0;
    int Direction = 0;
    QByteArray Word; // only in a file of a crossword without answers
};

// The additions as read. Absent in a file an older copy wrote, or when damaged: then the
// solving time starts from nothing and no hint is known.
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

// Saves to path without ever damaging the file already there. On Ok, AnswersPath = path and
// Modified = false; on failure the document is unchanged. Asking before replacing another file
// is the caller's part (overwriteQuestionNeeded with doc.AnswersPath).
FileStatus WriteAnswersFile(const QString& path, CrosswordDocument& doc);

// Reads the whole file. Unusable when it ends before the solved-word count; records are read
// while the file lasts, at most as many as the largest crossword can have. As with crossword
// files, a device ends after kMaxFileBytes and a larger file is refused as Unusable unread.
FileStatus ReadAnswersFile(QIODevice& device, AnswersFileContent& content);
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
