#include "app/Conversion.h"

#include "app/language/LanguageFile.h"
#include "files/CrosswordFile.h"
#include "files/ScrambleTables.h"
#include "grid/CrosswordDocument.h"
#include "grid/ShownGrid.h"
#include "ipuz/IpuzFile.h"
#include "text/CodePage.h"

#include <QDir>
#include <QFileInfo>

namespace convert {

namespace {

QByteArray shownPath(const QString& path) {
    return cp1251::fromUnicode(QDir::toNativeSeparators(path));
}

} // namespace

Format formatOf(const QString& path) {
    const QString ext = QFileInfo(path).suffix().toLower();
    if (ext == QLatin1String("cfw"))
        return Format::Crossword;
    if (ext == QLatin1String("ipuz"))
        return Format::Ipuz;
    if (ext == QLatin1String("htm") || ext == QLatin1String("html"))
        return Format::Html;
    if (ext == QLatin1String("pdf"))
        return Format::Pdf;
    if (ext == QLatin1String("svg"))
        return Format::Svg;
    return Format::Unknown;
}

ReadOutcome readCrossword(const QString& path, Format format, const Language& lang) {
    CrosswordDocument doc;
    if (format == Format::Ipuz) {
        const ipuz::ReadProblem problem = ipuz::readIpuzFile(path, doc);
        if (problem.kind == ipuz::ReadProblem::Kind::OpenFailed)
            return {std::nullopt, failureText(lang, path,
                                              QFileInfo::exists(path) ? FileStatus::OpenFailed
                                                                      : FileStatus::NotFound)};
        if (!problem.ok())
            return {std::nullopt, shownPath(path) + ": " + ipuz::problemText(lang, problem)};
    } else {
        const CrosswordReadResult read = ReadCrosswordFile(path, doc);
        if (read.status != FileStatus::Ok)
            return {std::nullopt, failureText(lang, path, read.status)};
        // The solver's mode the file opens in matters not: what it holds is converted.
        if (doc.NoAnswers != 0) {
            doc.SlotTexts = Table<QByteArray>::withBounds(doc.NumberedCount, 1, 1);
            doc.Mode = EditMode::ModeAuthorNoAnswers;
        } else {
            doc.Mode = EditMode::ModeAuthor;
        }
    }
    buildShownGrid(doc, 0);
    return {std::move(doc), {}};
}

FileStatus writeCrossword(const QString& path, Format format, CrosswordDocument doc,
                          const QByteArray& password) {
    if (format == Format::Ipuz)
        return ipuz::writeIpuzFile(path, doc);
    doc.Scramble = BuildScrambleTables(doc.CrosswordTitle);
    doc.CrosswordPassword = ScrambleText(doc.Scramble, password);
    return WriteCrosswordFile(path, doc);
}

bool mayRevealAnswers(const CrosswordDocument& doc, const std::optional<QByteArray>& password) {
    // Compared as CrosswordSession::unlock compares: the unscrambled password, byte for byte.
    const QByteArray own = UnscrambleText(doc.Scramble, doc.CrosswordPassword);
    return own.isEmpty() || (password && *password == own);
}

QByteArray failureText(const Language& lang, const QString& path, FileStatus status) {
    return fileFailureText(lang, shownPath(path), fileMessageEntry(status));
}

} // namespace convert
