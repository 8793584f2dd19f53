// The exports as files, drawn without the window: the HTML page with its two pictures, and
// what the PDF and SVG exports print. The window and the command line both use them.
#pragma once

#include "export/HtmlPage.h"
#include "files/FileCommon.h"
#include "grid/FieldGeometry.h"
#include "publishing/CrosswordPages.h"

#include <QString>

#include <functional>

class CellPainter;
class PictureBox;
struct CrosswordDocument;
struct Language;
struct Settings;

// How an export ended; on failure, the file that could not be written.
struct ExportOutcome {
    FileStatus status = FileStatus::Ok;
    QString path;
};

// Writes the grid picture, the answers picture (the grid with its letters) and the page, in
// that order, stopping at the first failure; only when all three are written do they replace
// the files of their names, so a failure leaves those as they were. `pic` is sized to the painter's
// closed field and left cleared; it carries the letter font. betweenSteps runs between the long
// steps.
ExportOutcome writeHtmlExport(const ExportNames& names, const CrosswordDocument& doc,
                              const Language& lang, const CellPainter& painter, int letterOffset,
                              PictureBox& pic, const std::function<void()>& betweenSteps = {});

// The page to solve in a browser at `path`, in the settings' cell size, number size and letter
// font and the shown style, which a crossword being solved may have turned.
FileStatus writeWebExport(const QString& path, const CrosswordDocument& doc, const Language& lang,
                          const Settings& settings, int style = -1);

// The printed cells: no margin, and not turned, as the screen shows them.
FieldGeometry printGeometry(const CrosswordDocument& doc, const Settings& settings);

// The printed crossword's texts and look, its headings from the language.
publish::PrintJob printJob(const CrosswordDocument& doc, const Language& lang,
                           const Settings& settings, int letterOffset, bool answersPage);
