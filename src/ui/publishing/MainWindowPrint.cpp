// Printing the crossword, and its PDF document and SVG grid picture.
#include "app/frmForma.h"
#include "export/Exports.h"
#include "export/HtmlPage.h"
#include "export/frmPrintOptions.h"
#include "grid/GridView.h"
#include "print/CrosswordPages.h"
#include "text/CodePage.h"
#include "text/Mnemonics.h"

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
    return gridView_->cellPainter(printGeometry(state_.doc(), state_.settings));
}

publish::PrintJob frmForma::printJob(bool answersPage) {
    return ::printJob(state_.doc(), state_.language, state_.settings, letterOffset(), answersPage);
}

std::unique_ptr<frmPrintOptions> frmForma::askPrintOptions(PrintOutput output,
                                                           const QAction* command) {
    if (state_.doc().Mode != EditMode::ModeAuthor)
        return nullptr;
    commitTypedClue();
    auto options = std::make_unique<frmPrintOptions>(
        state_, this, output, withoutEllipsis(withoutMnemonics(command->text())));
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
