// The command line's conversions, their reading and the crossword and ipuz files they write;
// the pictures and printed pages are the window layer's part.
#pragma once

#include "grid/CrosswordDocument.h"

#include "files/FileCommon.h"

#include <QByteArray>
#include <QString>

#include <optional>

struct Language;

namespace convert {

// The program's exit codes for a conversion. 1 stays the window's refused command line and 3
// the test runs' "a dialog was shown".
constexpr int kConverted = 0;
constexpr int kBadCommandLine = 2; // arguments missing, a type not converted, no password
constexpr int kUnreadableInput = 4;
constexpr int kWriteFailed = 5;
constexpr int kPasswordRequired = 6; // answers of a crossword with a password, without it

// Whether a conversion may write what shows the crossword's answers or saves it again (.cfw,
// .ipuz, the page with its answers picture, the answers of a PDF or SVG): always for a
// crossword without a password; for one with a password only when `password` is given and is
// that password, as Kross > Change asks for it in the window.
bool mayRevealAnswers(const CrosswordDocument& doc, const std::optional<QByteArray>& password);

enum class Format { Unknown, Crossword, Ipuz, Html, Pdf, Svg };

// By the file name's extension, in any case: .cfw, .ipuz, .htm or .html, .pdf, .svg.
Format formatOf(const QString& path);
constexpr bool isReadable(Format f) {
    return f == Format::Crossword || f == Format::Ipuz;
}

struct ReadOutcome {
    // As an author holds it: with answers ModeAuthor, without them ModeAuthorNoAnswers with
    // empty texts; shown in the classic style. Nothing on failure.
    std::optional<CrosswordDocument> doc;
    QByteArray message; // on failure, in the language (Windows-1251)
};

// Reads a crossword or ipuz file, as `format` says.
ReadOutcome readCrossword(const QString& path, Format format, const Language& lang);

// Writes `doc` as a crossword (.cfw) file saved with `password`, held scrambled as the
// properties dialog holds it, or as an ipuz file, which carries no password.
FileStatus writeCrossword(const QString& path, Format format, CrosswordDocument doc,
                          const QByteArray& password);

// A file that could not be read or written, as the window words it.
QByteArray failureText(const Language& lang, const QString& path, FileStatus status);

} // namespace convert
