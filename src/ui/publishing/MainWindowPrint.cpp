// Printing the crossword, and its PDF document and SVG grid picture.
#include "app/MainWindow.h"
#include "export/HtmlPage.h"
#include "grid/GridView.h"
#include "publishing/CrosswordPages.h"
#include "publishing/Exports.h"
#include "publishing/PrintOptionsDialog.h"
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

void MainWindow::connectPrintHandlers() {
    connect(printAction, &QAction::triggered, this, &MainWindow::printCrossword);
    connect(exportPdfAction, &QAction::triggered, this, &MainWindow::exportPdf);
    connect(exportSvgAction, &QAction::triggered, this, &MainWindow::exportSvg);
    connect(exportIpuzAction, &QAction::triggered, this, &MainWindow::exportIpuz);
    connect(exportWebPageAction, &QAction::triggered, this, &MainWindow::exportWebPage);
}

void MainWindow::applyPrintCaptions() {
    printAction->setText(cp1251::toUnicode(state_.ownText(OwnText::Print)));
    exportPdfAction->setText(cp1251::toUnicode(state_.ownText(OwnText::ExportPdf)));
    exportSvgAction->setText(cp1251::toUnicode(state_.ownText(OwnText::ExportSvg)));
    exportIpuzAction->setText(cp1251::toUnicode(state_.ownText(OwnText::ExportIpuz)));
    exportWebPageAction->setText(cp1251::toUnicode(state_.ownText(OwnText::WebPageExport)));
}

CellPainter MainWindow::printCellPainter() {
    return gridView_->cellPainter(printGeometry(state_.doc(), state_.settings));
}

publish::PrintJob MainWindow::printJob(bool answersPage) {
    return ::printJob(state_.doc(), state_.language, state_.settings, letterOffset(), answersPage);
}

std::unique_ptr<PrintOptionsDialog> MainWindow::askPrintOptions(PrintOutput output,
                                                                const QAction* command) {
    if (state_.doc().Mode != EditMode::ModeAuthor)
        return nullptr;
    commitTypedClue();
    auto options = std::make_unique<PrintOptionsDialog>(
        state_, this, output, withoutEllipsis(withoutMnemonics(command->text())));
    if (platform_.runDialog(*options) != QDialog::Accepted)
        return nullptr;
    return options;
}

void MainWindow::exportFile(const char* description, const char* patterns, const QString& ext,
                            const std::function<FileStatus(const QString&)>& write) {
    const QByteArray filter =
        QByteArrayList{description, patterns, "All Files (*.*)", "*.*"}.join(char(0));
    QString path = showFileDialog(true, suggestedExportName(state_.doc().CrosswordPath), filter);
    if (path.isEmpty())
        return;
    if (!QFileInfo(path).fileName().contains(QLatin1Char('.')))
        path += ext;
    if (exportMayReplace(path))
        exportFailed(path, write(path));
}

void MainWindow::printCrossword() {
    const auto options = askPrintOptions(PrintOutput::Pages, printAction);
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

void MainWindow::exportPdf() {
    const auto options = askPrintOptions(PrintOutput::Pages, exportPdfAction);
    if (!options)
        return;
    exportFile("PDF Document (*.pdf)", "*.pdf", QStringLiteral(".pdf"), [&](const QString& path) {
        return publish::writeCrosswordPdf(path, state_.doc(), printCellPainter(),
                                          printJob(options->answersPage()));
    });
}

void MainWindow::exportSvg() {
    const auto options = askPrintOptions(PrintOutput::GridPicture, exportSvgAction);
    if (!options)
        return;
    exportFile("SVG Image (*.svg)", "*.svg", QStringLiteral(".svg"), [&](const QString& path) {
        const publish::PrintJob job = printJob(false);
        return publish::writeGridSvg(path, state_.doc(), printCellPainter(), job.look,
                                     options->filledGrid(), job.texts.title);
    });
}
