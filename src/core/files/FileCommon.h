#pragma once

#include "app/language/Language.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

class QFile;
class QIODevice;
struct CrosswordDocument;

// How opening, reading or saving a crossword or answers file ended. The UI shows a failure as
// the caption of the File menu, a blank and the language entry of fileMessageEntry.
enum class FileStatus {
    Ok,
    NotFound,     // opening: there is no such file
    OpenFailed,   // opening: any other reason
    Unusable,     // opening: the content cannot be a file of this kind (sizes out of range ...)
    AccessDenied, // saving: the file cannot be created there (folder missing, a folder in its
                  // place, no permission)
    WriteFailed,  // saving: anything else, the writing itself included (disk full ...)
};

// The language entry that explains a failure; None for Ok.
LangEntry fileMessageEntry(FileStatus status);

// Saves through a temporary file that replaces path only when every byte has been written: a
// failure at any point leaves the previous file as it was. A link is followed and its target
// replaced; a target that is not a regular file (a device, a pipe, a folder) is AccessDenied
// and left alone. Temporary files are named "<name>~clueforge-<random>.tmp" beside the target;
// those that an interrupted save of the same target left are removed first.
FileStatus saveFileSafely(const QString& path, const std::function<bool(QIODevice&)>& write);

// Several files saved together: stage() writes each to a temporary file beside its target,
// commit() puts them all in place once every one is written. A failed stage, or a batch
// destroyed without commit(), leaves every target as it was. Targets are checked as
// saveFileSafely checks them; a replaced file keeps its permissions and owner.
class StagedSave {
public:
    StagedSave();
    ~StagedSave();
    StagedSave(const StagedSave&) = delete;
    StagedSave& operator=(const StagedSave&) = delete;

    FileStatus stage(const QString& path, const std::function<bool(QIODevice&)>& write);
    // Renames the staged files into place in the order staged; on failure the path of the file
    // that could not be put in place, the files before it already replaced (the renames within
    // one folder fail only when the folder changes meanwhile).
    FileStatus commit(QString* failedPath = nullptr);

private:
    struct Staged;
    std::vector<std::unique_ptr<Staged>> staged_;
};

// For tests: saves behave as on a file system without unnamed temporary files.
void allowUnnamedTemporaryFiles(bool allowed);

// The most of a crossword or answers file the program reads. A full 250 × 250 crossword,
// 62,500 words with 200-byte clues, takes about 16 MB; an answers file far less.
constexpr qint64 kMaxFileBytes = qint64(64) * 1024 * 1024;

// The most of one line of a crossword or answers file that is kept (title, author, password,
// clue, answer): the text boxes' own limit. The rest of a longer line is skipped, so the lines
// after it read as usual.
constexpr qsizetype kMaxTextBytes = 32767;

// Opens path for reading; NotFound or OpenFailed when that fails, Unusable for anything but a
// regular file (a pipe would wait for a writer forever) and for a file larger than maxBytes,
// which are then not read at all. Every reader of outside data opens its file through this.
FileStatus openForReading(QFile& file, qint64 maxBytes = kMaxFileBytes);

// Whether saving to path must ask before replacing a file: it is not the document's own file
// (currentPath, compared exactly) and a file is already there.
bool overwriteQuestionNeeded(const QString& path, const QString& currentPath);

// The part after the last "\" or "/": file paths stored in files may use either.
QString fileNameWithoutFolder(const QString& path);
QByteArray fileNameWithoutFolder(const QByteArray& path);

// Where a dot keeps a chosen path from getting its extension. The crossword and answers files
// look at the whole path, so a dot in a folder's name counts; the exports look at the file's own
// name only, as the HTML page does, whose pictures take that name's part before its dot.
enum class DotIn { Path, FileName };

// A chosen path with extension (".cfw") appended when it has no dot where `where` looks. The
// path is a local one from a dialog: on Linux a backslash belongs to a file's name.
QString withExtensionWhenNoDot(const QString& path, const QString& extension,
                               DotIn where = DotIn::Path);

// Whether number n (1..NumberedCount) has a word in direction d.
bool hasWord(const CrosswordDocument& doc, int n, int d);

// The words (number 1..NumberedCount, direction across before down) for which pred holds, in
// the order the files list them.
std::vector<std::pair<int, int>> wordsWhere(const CrosswordDocument& doc,
                                            const std::function<bool(int, int)>& pred);
