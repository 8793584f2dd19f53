#pragma once

#include "files/FileCommon.h"

#include <QString>

class QIODevice;
struct CrosswordDocument;

// The crossword file (.cfw): one value a line, CR LF everywhere, answers, author and password
// scrambled with the tables of the plain-text title.

// Writes the crossword as it stands. False when a write failed.
bool WriteCrosswordFile(QIODevice& device, const CrosswordDocument& doc);

// Saves to path without ever damaging the file already there. On Ok, CrosswordPath = path and
// Modified = false; on failure the document is unchanged. Asking before replacing another file
// is the caller's part (overwriteQuestionNeeded).
FileStatus WriteCrosswordFile(const QString& path, CrosswordDocument& doc);

struct CrosswordReadResult {
    FileStatus status = FileStatus::Ok;
    // At least one word of a crossword with answers came without its answer: doc.Mode is
    // ModeIncomplete.
    bool answerMissing = false;
    // The file ended before its last value: the crossword is only partly filled.
    bool endedEarly = false;
};

// Replaces the crossword by the one the device holds. On Ok, doc.Mode is ModeSolveNoAnswers,
// ModeIncomplete or ModeSolve, Modified is false, SolvedFlags are all 0, AnswersPath is empty
// and CurrentSlot / CurrentDownSlot point at number 1 when it has an across / down word.
// Left to the caller: ShownStyle, the grid (buildShownGrid), the two-dimensional SlotTexts of a
// crossword without answers, captions and messages.
// Values the file does not reach keep what they were, as with a file that ends early. A file
// whose sizes the program cannot hold is refused as Unusable: the document is then unchanged
// but for doc.Mode = ModeOpenFailed. Only the first kMaxFileBytes are read; a device that goes
// on counts as ending there.
CrosswordReadResult ReadCrosswordFile(QIODevice& device, CrosswordDocument& doc);

// The same from a path; on Ok also CrosswordPath = path. A file that cannot be opened, or one
// larger than kMaxFileBytes (Unusable, not read), leaves the document unchanged but for
// doc.Mode = ModeOpenFailed.
CrosswordReadResult ReadCrosswordFile(const QString& path, CrosswordDocument& doc);
