// The publishing commands: the HTML export, printing, the PDF document, the SVG grid picture, the
// ipuz file and the web page to solve.
#include "commands/PublishingCommands.h"

#include "app/ModeTable.h"
#include "app/language/LanguageFile.h"
#include "export/HtmlPage.h"
#include "grid/GridLimits.h"
#include "grid/GridView.h"
#include "grid/PictureBox.h"
#include "ipuz/IpuzFile.h"
#include "publishing/CrosswordPages.h"
#include "publishing/Exports.h"
#include "publishing/PrintOptionsDialog.h"
#include "text/CodePage.h"
#include "text/Mnemonics.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeySequence>
#include <QPagedPaintDevice>
#include <QStringList>

namespace {

QByteArray htmlFilter() {
    return QByteArrayList{"HTML Document (*.htm; *.html)", "*.htm;*.html", "All Files (*.*)", "*.*"}
        .join(char(0));
}

// Lets the window repaint between the long steps; typing and clicks wait until the end.
void letEventsRun() {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

QByteArray shownPath(const QString& path) {
    return cp1251::fromUnicode(QDir::toNativeSeparators(path));
}

// "Print..." titles its options as "Print".
QString withoutEllipsis(QString caption) {
    while (caption.endsWith(QLatin1Char('.')) || caption.endsWith(QChar(0x2026)))
        caption.chop(1);
    return caption.trimmed();
}

} // namespace

PublishingCommands::PublishingCommands(CommandContext context, GridView& view,
                                       PictureBox& exportPicture)
    : QObject(context.parent), context_(std::move(context)), view_(view),
      exportPicture_(exportPicture), exportHtml_(commands::makeAction(this, "exportHtmlAction")),
      print_(commands::makeAction(this, "printAction")),
      exportPdf_(commands::makeAction(this, "exportPdfAction")),
      exportSvg_(commands::makeAction(this, "exportSvgAction")),
      exportIpuz_(commands::makeAction(this, "exportIpuzAction")),
      exportWebPage_(commands::makeAction(this, "exportWebPageAction")) {
    setObjectName(QStringLiteral("publishingCommands"));
    print_->setShortcuts(QKeySequence::keyBindings(QKeySequence::Print));
    connect(exportHtml_, &QAction::triggered, this, &PublishingCommands::exportHtml);
    connect(print_, &QAction::triggered, this, &PublishingCommands::printCrossword);
    connect(exportPdf_, &QAction::triggered, this, &PublishingCommands::exportPdf);
    connect(exportSvg_, &QAction::triggered, this, &PublishingCommands::exportSvg);
    connect(exportIpuz_, &QAction::triggered, this, &PublishingCommands::exportIpuz);
    connect(exportWebPage_, &QAction::triggered, this, &PublishingCommands::exportWebPage);
    connect(&context_.state.session, &CrosswordSession::modeChanged, this,
            &PublishingCommands::updateEnabled);
    updateEnabled();
}

PublishingCommands::~PublishingCommands() = default;

QList<QAction*> PublishingCommands::actions() const {
    return {exportHtml_, print_, exportPdf_, exportSvg_, exportIpuz_, exportWebPage_};
}

void PublishingCommands::applyCaptions() {
    const AppState& state = context_.state;
    print_->setText(cp1251::toUnicode(state.ownText(OwnText::Print)));
    exportPdf_->setText(cp1251::toUnicode(state.ownText(OwnText::ExportPdf)));
    exportSvg_->setText(cp1251::toUnicode(state.ownText(OwnText::ExportSvg)));
    exportIpuz_->setText(cp1251::toUnicode(state.ownText(OwnText::ExportIpuz)));
    exportWebPage_->setText(cp1251::toUnicode(state.ownText(OwnText::WebPageExport)));
}

void PublishingCommands::updateEnabled() {
    using modetable::kCopyWord;
    using modetable::kPaperCopy;
    commands::enableForMode(context_.state, {{kCopyWord, exportHtml_},
                                             {kPaperCopy, print_},
                                             {kPaperCopy, exportPdf_},
                                             {kPaperCopy, exportSvg_},
                                             {kCopyWord, exportIpuz_},
                                             {kCopyWord, exportWebPage_}});
}

bool PublishingCommands::mayReplace(const QString& path) const {
    // The Save dialog does not ask before replacing a file.
    return !QFileInfo(path).isFile() || context_.replaceConfirmed(path);
}

void PublishingCommands::reportFailure(const QString& path, FileStatus status) const {
    if (status == FileStatus::Ok)
        return;
    context_.message(
        fileFailureText(context_.state.language, shownPath(path), fileMessageEntry(status)),
        platform::Icon::Critical);
}

void PublishingCommands::exportHtml() {
    const AppState& state = context_.state;
    const CrosswordDocument& doc = state.doc();
    if (doc.Mode != EditMode::ModeAuthor)
        return;
    context_.commitTypedClue();
    const int w = doc.GridWidth;
    const int h = doc.GridHeight;
    const int c = state.settings.CellSize;
    if (!gridlimits::pictureFits(w, h, c)) {
        context_.message(state.ownText(OwnText::PictureTooLarge), platform::Icon::Critical);
        return;
    }

    const QString chosen =
        context_.chooseFile(true, suggestedExportName(doc.CrosswordPath), htmlFilter());
    if (chosen.isEmpty())
        return;
    const ExportNames names = exportNames(chosen);

    // The pictures are never shown in the Save dialog: ask once, naming the first file that is
    // already there.
    for (const QString& path : {names.page, names.gridPicture, names.answersPicture}) {
        if (!QFileInfo(path).isFile())
            continue;
        if (!mayReplace(path))
            return;
        break;
    }
    // The export pictures have no margin; the right-to-left style turns them by 180°.
    const CellPainter painter =
        view_.exportPainter(FieldGeometry::exported(c, w, h, state.settings.ChosenStyle));
    const ExportOutcome outcome = writeHtmlExport(
        names, doc, state.language, painter, view_.letterOffset(), exportPicture_, letEventsRun);
    reportFailure(outcome.path, outcome.status);
}

CellPainter PublishingCommands::printCellPainter() const {
    return view_.exportPainter(printGeometry(context_.state.doc(), context_.state.settings));
}

publish::PrintJob PublishingCommands::printJob(bool answersPage) const {
    const AppState& state = context_.state;
    return ::printJob(state.doc(), state.language, state.settings, view_.letterOffset(),
                      answersPage);
}

std::optional<PublishingCommands::PrintOptions>
PublishingCommands::askPrintOptions(PrintOutput output, const QAction* command) {
    switch (context_.state.doc().Mode) {
    case EditMode::ModeSolve:
    case EditMode::ModeSolveNoAnswers:
        // The solver's paper copy: the questions alone, whatever he has solved or been given,
        // so that no answer reaches paper; there is nothing to choose.
        return PrintOptions{};
    case EditMode::ModeAuthor:
        break;
    default:
        return std::nullopt;
    }
    context_.commitTypedClue();
    PrintOptionsDialog options(context_.state, context_.parent, output,
                               withoutEllipsis(withoutMnemonics(command->text())));
    if (context_.platform.runDialog(options) != QDialog::Accepted)
        return std::nullopt;
    return PrintOptions{options.answersPage(), options.filledGrid()};
}

void PublishingCommands::exportFile(const char* description, const char* patterns,
                                    const QString& ext,
                                    const std::function<FileStatus(const QString&)>& write) {
    const QByteArray filter =
        QByteArrayList{description, patterns, "All Files (*.*)", "*.*"}.join(char(0));
    const QString chosen =
        context_.chooseFile(true, suggestedExportName(context_.state.doc().CrosswordPath), filter);
    if (chosen.isEmpty())
        return;
    const QString path = withExtensionWhenNoDot(chosen, ext, DotIn::FileName);
    if (mayReplace(path))
        reportFailure(path, write(path));
}

void PublishingCommands::printCrossword() {
    const auto options = askPrintOptions(PrintOutput::Pages, print_);
    if (!options)
        return;
    const AppState& state = context_.state;
    const CellPainter painter = printCellPainter();
    const publish::PrintJob job = printJob(options->answersPage);
    // The print queue shows the crossword's title, or the program's name for an untitled one.
    const QString name =
        job.texts.title.isEmpty() ? cp1251::toUnicode(state.MessageTitle) : job.texts.title;
    const platform::PrintResult printed =
        context_.platform.print(context_.parent, name, [&](QPagedPaintDevice& device) {
            return publish::paintCrossword(device, state.doc(), painter, job).pages > 0;
        });
    if (printed == platform::PrintResult::Failed)
        context_.message(state.ownText(OwnText::NotPrinted), platform::Icon::Critical);
}

void PublishingCommands::exportPdf() {
    const auto options = askPrintOptions(PrintOutput::Pages, exportPdf_);
    if (!options)
        return;
    exportFile("PDF Document (*.pdf)", "*.pdf", QStringLiteral(".pdf"), [&](const QString& path) {
        return publish::writeCrosswordPdf(path, context_.state.doc(), printCellPainter(),
                                          printJob(options->answersPage));
    });
}

void PublishingCommands::exportSvg() {
    const auto options = askPrintOptions(PrintOutput::GridPicture, exportSvg_);
    if (!options)
        return;
    exportFile("SVG Image (*.svg)", "*.svg", QStringLiteral(".svg"), [&](const QString& path) {
        const publish::PrintJob job = printJob(false);
        return publish::writeGridSvg(path, context_.state.doc(), printCellPainter(), job.look,
                                     options->filledGrid, job.texts.title);
    });
}

void PublishingCommands::exportIpuz() {
    if (context_.state.doc().Mode != EditMode::ModeAuthor)
        return;
    context_.commitTypedClue();
    exportFile(
        "ipuz crossword (*.ipuz)", "*.ipuz", QStringLiteral(".ipuz"),
        [this](const QString& path) { return ipuz::writeIpuzFile(path, context_.state.doc()); });
}

void PublishingCommands::exportWebPage() {
    const AppState& state = context_.state;
    if (state.doc().Mode != EditMode::ModeAuthor)
        return;
    context_.commitTypedClue();
    const QByteArray description = state.ownText(OwnText::WebPages) + " (*.html)";
    exportFile(description.constData(), "*.html", QStringLiteral(".html"),
               [&state](const QString& path) {
                   return writeWebExport(path, state.doc(), state.language, state.settings);
               });
}
