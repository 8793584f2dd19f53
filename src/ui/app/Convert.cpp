#include "app/Convert.h"

#include "app/AppState.h"
#include "app/Conversion.h"
#include "grid/CellPainter.h"
#include "grid/DigitStrips.h"
#include "grid/GridLimits.h"
#include "grid/LetterFont.h"
#include "grid/PictureBox.h"
#include "publishing/CrosswordPages.h"
#include "publishing/Exports.h"
#include "text/CodePage.h"

#include <algorithm>

namespace {

using convert::Format;

// The pictures' painter, as the window's with its digit strip of the settings' number size.
struct Drawing {
    PictureBox strip;
    PictureBox picture;
    int letterOffset = 0;
    int numberSize = 1;

    explicit Drawing(const Settings& settings) : numberSize(std::clamp(settings.NumberSize, 1, 3)) {
        drawDigitStrip(strip, numberSize);
        picture.setBackColor(Qt::black);
        letterfont::apply(picture, settings);
        letterOffset = letterfont::letterOffset(picture, settings.CellSize);
    }
    CellPainter painter(const FieldGeometry& geometry) const {
        return CellPainter(geometry, strip, numberSize);
    }
};

ExportOutcome writeExport(const QString& path, Format format, const CrosswordDocument& doc,
                          const Language& lang, const Settings& settings, bool answers) {
    Drawing drawing(settings);
    switch (format) {
    case Format::Html: {
        const CellPainter painter = drawing.painter(
            FieldGeometry::exported(settings.CellSize, doc.GridWidth, doc.GridHeight, 0));
        return writeHtmlExport(exportNames(path), doc, lang, painter, drawing.letterOffset,
                               drawing.picture);
    }
    case Format::Pdf:
        return {publish::writeCrosswordPdf(
                    path, doc, drawing.painter(printGeometry(doc, settings)),
                    printJob(doc, lang, settings, drawing.letterOffset, answers)),
                path};
    default: {
        const publish::PrintJob job = printJob(doc, lang, settings, drawing.letterOffset, false);
        return {publish::writeGridSvg(path, doc, drawing.painter(printGeometry(doc, settings)),
                                      job.look, answers, job.texts.title),
                path};
    }
    }
}

} // namespace

ConvertRun convertCrossword(const AppState& state, const QString& in, const QString& out,
                            const ConvertOptions& options) {
    const Language& lang = state.language;
    const Format from = convert::formatOf(in);
    const Format to = convert::formatOf(out);
    if (!convert::isReadable(from))
        return {convert::kBadCommandLine,
                lang.ownText(OwnText::ConvertUnknownType) + ' ' + cp1251::fromUnicode(in)};
    if (to == Format::Unknown)
        return {convert::kBadCommandLine,
                lang.ownText(OwnText::ConvertUnknownType) + ' ' + cp1251::fromUnicode(out)};
    if (to == Format::Crossword && !options.password)
        return {convert::kBadCommandLine, lang.ownText(OwnText::ConvertNeedsPassword)};
    if (options.web && to != Format::Html)
        return {convert::kBadCommandLine, lang.ownText(OwnText::ConvertUsage)};
    // A password is kept as the properties dialog keeps it: Windows-1251, within a text's bound.
    std::optional<QByteArray> password;
    if (options.password) {
        if (!cp1251::canEncode(*options.password) || options.password->size() > kMaxTextBytes)
            return {convert::kBadCommandLine, lang.ownText(OwnText::ConvertBadPassword)};
        password = cp1251::fromUnicode(*options.password);
    }

    convert::ReadOutcome read = convert::readCrossword(in, from, lang);
    if (!read.doc)
        return {convert::kUnreadableInput, read.message};
    const CrosswordDocument doc = std::move(*read.doc);
    const bool revealsAnswers =
        to == Format::Crossword || to == Format::Ipuz || to == Format::Html || options.answers;
    if (revealsAnswers && !convert::mayRevealAnswers(doc, password))
        return {convert::kPasswordRequired, lang.ownText(OwnText::ConvertPasswordRequired)};

    if (to == Format::Crossword || to == Format::Ipuz) {
        const FileStatus status =
            convert::writeCrossword(out, to, doc, password.value_or(QByteArray()));
        if (status != FileStatus::Ok)
            return {convert::kWriteFailed, convert::failureText(lang, out, status)};
        return {};
    }
    if (options.web) {
        const FileStatus status = writeWebExport(out, doc, lang, state.settings);
        if (status != FileStatus::Ok)
            return {convert::kWriteFailed, convert::failureText(lang, out, status)};
        return {};
    }
    // The window shrinks the cells of a grid too large for its picture when opening it.
    Settings settings = state.settings;
    settings.CellSize =
        gridlimits::largestFittingCellSize(doc.GridWidth, doc.GridHeight, settings.CellSize);
    // The export writes all of its files or none.
    const ExportOutcome written = writeExport(out, to, doc, lang, settings, options.answers);
    if (written.status != FileStatus::Ok)
        return {convert::kWriteFailed, convert::failureText(lang, written.path, written.status)};
    return {};
}
