#pragma once

#include "commands/CommandContext.h"
#include "files/FileCommon.h"

#include <QList>
#include <QObject>

#include <functional>
#include <memory>
#include <optional>

class CellPainter;
class GridView;
class PictureBox;
class PrintOptionsDialog;
class QAction;
enum class PrintOutput;
namespace publish {
struct PrintJob;
}

// The author's crossword published: the HTML page with its pictures, printed, as a PDF
// document, its grid as an SVG picture, as an ipuz file and as a web page to solve. Offered while
// the author writes; printing, PDF and SVG also while solving, as a paper copy of the questions.
class PublishingCommands : public QObject {
    Q_OBJECT
public:
    // view: the painter and letter position of the pictures; exportPicture: the hidden picture
    // the HTML export draws into.
    PublishingCommands(CommandContext context, GridView& view, PictureBox& exportPicture);
    ~PublishingCommands() override;

    // In menu order.
    QList<QAction*> actions() const;
    QAction* exportHtmlAction() const { return exportHtml_; }
    void applyCaptions();
    void updateEnabled();

    void exportHtml();
    // Each asks its options first.
    void printCrossword();
    void exportPdf();
    void exportSvg();
    void exportIpuz();
    // The crossword as one page to solve in a browser.
    void exportWebPage();

private:
    // The printed crossword's grid, texts and look; with its answers page when asked.
    CellPainter printCellPainter() const;
    publish::PrintJob printJob(bool answersPage) const;
    // The options of a print or export of the author's crossword, titled after the command,
    // once the typed clue is stored; while solving, the questions alone without asking.
    // Nothing in other modes or when they were cancelled.
    struct PrintOptions {
        bool answersPage = false;
        bool filledGrid = false;
    };
    std::optional<PrintOptions> askPrintOptions(PrintOutput output, const QAction* command);
    // The Save dialog of an export, ext (".pdf") added to a file name without a dot, the
    // question before an existing file is replaced, then write and its failure reported.
    void exportFile(const char* description, const char* patterns, const QString& ext,
                    const std::function<FileStatus(const QString&)>& write);
    // Asks before an export replaces the file at path; true when there is none or the user
    // agreed.
    bool mayReplace(const QString& path) const;
    // Reports a failed export of path.
    void reportFailure(const QString& path, FileStatus status) const;

    CommandContext context_;
    GridView& view_;
    PictureBox& exportPicture_;
    QAction* exportHtml_;
    QAction* print_;
    QAction* exportPdf_;
    QAction* exportSvg_;
    QAction* exportIpuz_;
    QAction* exportWebPage_;
};
