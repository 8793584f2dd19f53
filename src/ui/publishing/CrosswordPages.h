#pragma once

#include "files/FileCommon.h"
#include "grid/CellPainter.h"

#include <QRectF>
#include <QString>

#include <vector>

struct CrosswordDocument;
struct Settings;
class QPagedPaintDevice;

// The printed crossword: title and author, the empty grid, the clues in two columns over as
// many pages as they need and, when asked, the answers on pages of their own. One layout for
// the printer and the PDF file.
namespace publish {

struct PrintTexts {
    QString title;
    QString author;
    QString across; // the headings of the two lists
    QString down;
    QString answers; // the heading of the answers pages
};

struct PrintJob {
    PrintTexts texts;
    VectorLook look;
    bool answersPage = false;
};

// The settings' letter font and colour as the screen shows them, in pixels, for drawing the
// grid as vectors at the screen's cell size.
VectorLook vectorLook(const Settings& settings, int letterOffset);

// The family the printed texts use: the letter font's when it has Cyrillic letters, else
// DejaVu Sans.
QString textFamily(const QFont& letterFont);

// Where a grid went: its page (from 0) and its closed field in the device's pixels, from the
// top-left corner of the page's printable area.
struct PlacedGrid {
    int page = 0;
    QRectF rect;
};

struct PrintedPages {
    int pages = 0; // 0 when the device could not be painted on
    std::vector<PlacedGrid> grids;
};

// Paints the pages on a printer or a PDF writer, in its page size, orientation and margins.
// `painter` carries the geometry of the grid in screen pixels (no margin, not turned: the
// cells are already as the screen shows them).
PrintedPages paintCrossword(QPagedPaintDevice& device, const CrosswordDocument& doc,
                   const CellPainter& painter, const PrintJob& job);

// A PDF file of the crossword, A4 portrait with 15 mm margins, its title and author in the
// file's metadata.
FileStatus writeCrosswordPdf(const QString& path, const CrosswordDocument& doc,
                             const CellPainter& painter, const PrintJob& job);

// The grid alone as an SVG picture of the geometry's size: empty with its numbers, or filled.
FileStatus writeGridSvg(const QString& path, const CrosswordDocument& doc,
                        const CellPainter& painter, const VectorLook& look, bool filled,
                        const QString& title);

} // namespace publish
