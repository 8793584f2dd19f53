// Printing the crossword, and its PDF document and SVG grid picture.
#include "app/frmForma.h"
#include "export/HtmlPage.h"
#include "export/frmPrintOptions.h"
#include "grid/GridView.h"
#include "print/CrosswordPages.h"
#include "text/CodePage.h"

#include <QAction>
#include <QFileInfo>
#include <QPagedPaintDevice>

#include <memory>

namespace {

// "Print..." titles its options as "Print".
QString withoutEllipsis(QString caption) {
    while (caption.endsWith(QLatin1Char('.')) || caption.endsWith(QChar(0x2026)))
        caption.chop(1);
    return caption.trimmed();
}

// "Across:" heads a printed list as "Across": a heading needs no colon.
QString heading(const QByteArray& caption) {
    QString text = cp1251::toUnicode(caption).trimmed();
    if (text.endsWith(QLatin1Char(':')))
        text.chop(1);
    return text.trimmed();
}

} // namespace

void frmForma::connectPrintHandlers() {
    connect(KrossPrint, &QAction::triggered, this, &frmForma::printCrossword);
    connect(KrossPdf, &QAction::triggered, this, &frmForma::exportPdf);
    connect(KrossSvg, &QAction::triggered, this, &frmForma::exportSvg);
    connect(KrossIpuz, &QAction::triggered, this, &frmForma::exportIpuz);
}

void frmForma::applyPrintCaptions() {
    KrossPrint->setText(cp1251::toUnicode(state_.ownText(OwnText::Print)));
    KrossPdf->setText(cp1251::toUnicode(state_.ownText(OwnText::ExportPdf)));
    KrossSvg->setText(cp1251::toUnicode(state_.ownText(OwnText::ExportSvg)));
    KrossIpuz->setText(cp1251::toUnicode(state_.ownText(OwnText::ExportIpuz)));
}

CellPainter frmForma::printCellPainter() {
    const CrosswordDocument& doc = state_.doc();
    // No margin, and not turned: the cells are printed as the screen shows them.
    return gridView_->cellPainter(
        FieldGeometry(state_.settings.CellSize, doc.GridWidth, doc.GridHeight, 0, false));
}

publish::PrintJob frmForma::printJob(bool answersPage) {
    const CrosswordDocument& doc = state_.doc();
    const Language& lang = state_.language;
    publish::PrintJob job;
    job.texts.title = cp1251::toUnicode(doc.CrosswordTitle);
    job.texts.author = cp1251::toUnicode(doc.CrosswordAuthor);
    job.texts.across = heading(lang.caption(LangEntry::Across));
    job.texts.down = heading(lang.caption(LangEntry::Down));
    job.texts.answers = cp1251::toUnicode(state_.ownText(OwnText::AnswersHeading));
    job.look = publish::vectorLook(state_.settings, letterOffset());
    job.answersPage = answersPage;
    return job;
}

std::unique_ptr<frmPrintOptions> frmForma::askPrintOptions(PrintOutput output,
                                                           const QAction* command) {
    if (state_.doc().Mode != EditMode::ModeAuthor)
        return nullptr;
    commitTypedClue();
    auto options =
        std::make_unique<frmPrintOptions>(state_, this, output, withoutEllipsis(command->text()));
    if (platform_.runDialog(*options) != QDialog::Accepted)
        return nullptr;
    return options;
}

void frmForma::exportFile(const char* description, const char* patterns, const QString& ext,
                          const std::function<FileStatus(const QString&)>& write) {
    const QByteArray filter =
        QByteArrayList{description, patterns, "All Files (*.*)", "*.*"}.join(char(0));
    QString path = ShowFileDialog(true, suggestedExportName(state_.doc().CrosswordPath), filter);
    if (path.isEmpty())
        return;
    if (!QFileInfo(path).fileName().contains(QLatin1Char('.')))
        path += ext;
    if (exportMayReplace(path))
        exportFailed(path, write(path));
}

void frmForma::printCrossword() {
    const auto options = askPrintOptions(PrintOutput::Pages, KrossPrint);
    if (!options)
        return;
    const CellPainter painter = printCellPainter();
    const publish::PrintJob job = printJob(options->answersPage());
    // The print queue shows the crossword's title, or the program's name for an untitled one.
    const QString name =
        job.texts.title.isEmpty() ? cp1251::toUnicode(state_.MessageTitle) : job.texts.title;
    const platform::PrintResult printed =
        platform_.print(this, name, [&](QPagedPaintDevice& device) {
            return publish::paintCrossword(device, state_.doc(), painter, job).pages > 0;
        });
    if (printed == platform::PrintResult::Failed)
        message(state_.ownText(OwnText::NotPrinted), platform::Icon::Critical);
}

void frmForma::exportPdf() {
    const auto options = askPrintOptions(PrintOutput::Pages, KrossPdf);
    if (!options)
        return;
    exportFile("PDF Document (*.pdf)", "*.pdf", QStringLiteral(".pdf"), [&](const QString& path) {
        return publish::writeCrosswordPdf(path, state_.doc(), printCellPainter(),
                                          printJob(options->answersPage()));
    });
}

void frmForma::exportSvg() {
    const auto options = askPrintOptions(PrintOutput::GridPicture, KrossSvg);
    if (!options)
        return;
    exportFile("SVG Image (*.svg)", "*.svg", QStringLiteral(".svg"), [&](const QString& path) {
        const publish::PrintJob job = printJob(false);
        return publish::writeGridSvg(path, state_.doc(), printCellPainter(), job.look,
                                     options->filledGrid(), job.texts.title);
    });
}
