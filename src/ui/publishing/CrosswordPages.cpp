// The printed crossword's pages, on a printer, in a PDF file, and its grid as an SVG picture.
#include "publishing/CrosswordPages.h"

#include "app/Settings.h"
#include "grid/CrosswordDocument.h"
#include "grid/LetterFont.h"
#include "platform/Platform.h"
#include "platform/PrintSvg.h"
#include "print/ClueFlow.h"
#include "print/PdfAuthor.h"
#include "print/PrintedGrid.h"
#include "text/CodePage.h"
#include "text/Escaping.h"

#include <QBuffer>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

namespace publish {

namespace {

constexpr qreal kMillimetresPerInch = 25.4;

// Sizes of the page in millimetres and points.
constexpr qreal kGridShare = 0.6;          // of the page's height, at most
constexpr qreal kSmallestGridShare = 0.45; // to keep the lists on the grid's page
constexpr qreal kLargestCellMm = 12;       // a small grid stays a grid, not a poster
constexpr qreal kSmallestCellMm = 4;       // below it the grid takes a page of its own
constexpr qreal kColumnGapMm = 8;
constexpr qreal kClueGapMm = 0.5;
constexpr qreal kTitlePt = 18;
constexpr qreal kAuthorPt = 12;
constexpr qreal kHeadingPt = 9;
constexpr qreal kCluePt = 8;

class Page {
public:
    Page(QPagedPaintDevice& device, QPainter& painter)
        : device_(device), painter_(painter), dpi_(device.logicalDpiY()), width_(device.width()),
          height_(device.height()) {}

    qreal mm(qreal millimetres) const { return millimetres * dpi_ / kMillimetresPerInch; }
    qreal width() const { return width_; }
    qreal height() const { return height_; }
    QPagedPaintDevice& device() const { return device_; }
    QPainter& painter() const { return painter_; }
    int number() const { return page_; }

    void next() {
        device_.newPage();
        ++page_;
    }
    void moveTo(int page) {
        while (page_ < page)
            next();
    }

private:
    QPagedPaintDevice& device_;
    QPainter& painter_;
    qreal dpi_;
    qreal width_, height_;
    int page_ = 0;
};

QFont textFont(const QString& family, qreal points, bool bold) {
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    // Glyph outlines, not hinted bitmaps: the same shapes at any zoom.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

// One text laid out within a width: a clue with its later lines indented past its number.
struct Block {
    std::unique_ptr<QTextLayout> layout;
    qreal height = 0;
    bool heading = false;
};

Block layOut(const QString& text, const QFont& font, QPaintDevice& device, qreal width,
             qreal indent, bool heading) {
    Block block;
    block.heading = heading;
    block.layout = std::make_unique<QTextLayout>(text, font, &device);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    block.layout->setTextOption(option);
    const qreal leading = QFontMetricsF(font, &device).leading();
    qreal y = 0;
    block.layout->beginLayout();
    for (bool first = true;; first = false) {
        QTextLine line = block.layout->createLine();
        if (!line.isValid())
            break;
        const qreal x = first ? 0 : indent;
        line.setLineWidth(std::max<qreal>(width - x, 1));
        line.setPosition(QPointF(x, y));
        y += line.height() + leading;
    }
    block.layout->endLayout();
    block.height = y;
    return block;
}

// A centred line or two at the top of a page; returns where the text below may start.
qreal centred(const Page& page, const QString& text, const QFont& font, qreal top) {
    if (text.isEmpty())
        return top;
    QPainter& p = page.painter();
    p.setFont(font);
    const QRectF box(0, top, page.width(), page.height() - top);
    const QRectF used = p.boundingRect(box, Qt::AlignHCenter | Qt::TextWordWrap, text);
    p.drawText(box, Qt::AlignHCenter | Qt::TextWordWrap, text);
    return used.bottom();
}

// The largest scale from screen pixels to the page that fits the grid within the width and
// `maxHeight`, a small grid's cells no larger than kLargestCellMm.
qreal gridScale(const Page& page, const CellPainter& cells, qreal maxHeight) {
    const QSize size = cells.geometry().closedSize();
    const int cell = std::max(cells.geometry().cellSize(), 1);
    return std::min(
        {page.width() / size.width(), maxHeight / size.height(), page.mm(kLargestCellMm) / cell});
}

// The grid centred across the page from `top` at `scale`; returns where it went.
QRectF drawGrid(const Page& page, const CellPainter& cells, const GridPicture& grid,
                const VectorLook& screenLook, qreal top, qreal scale) {
    const QSize size = cells.geometry().closedSize();
    VectorLook look = screenLook;
    // Thin lines that stay visible on a small cell: about a thirtieth of it.
    const qreal cellMm = cells.geometry().cellSize() * scale / page.mm(1);
    look.lineWidth = page.mm(std::clamp(cellMm / 30, 0.1, 0.3)) / scale;
    look.fitLetters = true;
    QPainter& p = page.painter();
    const QRectF placed((page.width() - size.width() * scale) / 2, top, size.width() * scale,
                        size.height() * scale);
    p.save();
    p.translate(placed.topLeft());
    p.scale(scale, scale);
    cells.paint(p, grid, look);
    p.restore();
    return placed;
}

// The two lists, each under its heading, laid out within their columns once; they may then be
// flowed from any top.
class ColumnList {
public:
    ColumnList(const Page& page, const QString& family, int columns,
               const std::array<QString, 2>& headings,
               const std::array<std::vector<QString>, 2>& entries,
               const std::array<std::vector<int>, 2>& numbers)
        : gap_(page.mm(kColumnGapMm)), width_((page.width() - gap_ * (columns - 1)) / columns) {
        const QFont headingFont = textFont(family, kHeadingPt, true);
        const QFont entryFont = textFont(family, kCluePt, false);
        const QFontMetricsF entryMetrics(entryFont, &page.device());
        for (std::size_t d = 0; d < 2; ++d) {
            if (entries[d].empty())
                continue;
            blocks_.push_back(layOut(headings[d], headingFont, page.device(), width_, 0, true));
            for (std::size_t i = 0; i < entries[d].size(); ++i) {
                const QString prefix = QString::number(numbers[d][i]) + QStringLiteral(". ");
                blocks_.push_back(layOut(prefix + entries[d][i], entryFont, page.device(), width_,
                                         entryMetrics.horizontalAdvance(prefix), false));
            }
        }
        // Whole device pixels for the flow: at printing resolutions a fraction is invisible.
        for (const Block& b : blocks_) {
            FlowBlock measured{static_cast<int>(std::ceil(b.height)), b.heading, {}};
            // Line by line too, for a clue too long for a whole column.
            const qreal leading = QFontMetricsF(b.layout->font(), &page.device()).leading();
            for (int k = 0; k < b.layout->lineCount(); ++k)
                measured.lines.push_back(
                    static_cast<int>(std::ceil(b.layout->lineAt(k).height() + leading)));
            measured_.push_back(std::move(measured));
        }
        frame_.columns = columns;
        frame_.pageTop = 0;
        frame_.bottom = static_cast<int>(page.height());
        frame_.gap = static_cast<int>(page.mm(kClueGapMm));
    }

    // Places from `firstTop` of the current page on; pages counted from it.
    std::vector<FlowPlace> places(qreal firstTop) const {
        FlowFrame frame = frame_;
        frame.firstPageTop = static_cast<int>(std::ceil(firstTop));
        return flowBlocks(measured_, frame);
    }

    void draw(Page& page, const std::vector<FlowPlace>& places) const {
        const int firstPage = page.number();
        page.painter().setPen(Qt::black);
        for (std::size_t i = 0; i < blocks_.size(); ++i) {
            const QTextLayout& layout = *blocks_[i].layout;
            if (places[i].pieces.empty()) {
                page.moveTo(firstPage + places[i].page);
                layout.draw(&page.painter(),
                            QPointF(places[i].column * (width_ + gap_), places[i].top));
                continue;
            }
            for (const FlowPiece& piece : places[i].pieces) {
                page.moveTo(firstPage + piece.page);
                const QPointF origin(piece.column * (width_ + gap_),
                                     piece.top - layout.lineAt(piece.firstLine).y());
                for (int k = piece.firstLine; k < piece.firstLine + piece.lineCount; ++k)
                    layout.lineAt(k).draw(&page.painter(), origin);
            }
        }
    }

private:
    qreal gap_, width_;
    std::vector<Block> blocks_;
    std::vector<FlowBlock> measured_;
    FlowFrame frame_;
};

bool onePage(const std::vector<FlowPlace>& places) {
    return places.empty() || places.back().page == 0;
}

} // namespace

VectorLook vectorLook(const Settings& settings, int letterOffset) {
    VectorLook look;
    look.letterFont = letterfont::fontOf(settings);
    // The family the desktop found for the settings' name, which a browser or printer may not
    // know (an SVG names it).
    const QFontInfo found(look.letterFont);
    look.letterFont.setFamily(found.family());
    look.letterFont.setPixelSize(found.pixelSize());
    look.letterColor = letterfont::colorOf(settings.LetterColor);
    look.letterOffset = letterOffset;
    look.numberFont = QFont(textFamily(look.letterFont));
    return look;
}

QString textFamily(const QFont& letterFont) {
    const QString family = letterFont.family();
    if (QFontDatabase::hasFamily(family) &&
        QFontDatabase::writingSystems(family).contains(QFontDatabase::Cyrillic))
        return family;
    return QStringLiteral("DejaVu Sans");
}

PrintedPages paintCrossword(QPagedPaintDevice& device, const CrosswordDocument& doc,
                            const CellPainter& cells, const PrintJob& job) {
    PrintedPages printed;
    QPainter p;
    if (!p.begin(&device))
        return printed;
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    Page page(device, p);
    const QString family = textFamily(job.look.letterFont);
    VectorLook look = job.look;
    look.numberFont = textFont(family, kCluePt, false);

    // Title and author, then the grid and the lists.
    qreal top = centred(page, job.texts.title, textFont(family, kTitlePt, true), 0);
    top = centred(page, job.texts.author, textFont(family, kAuthorPt, false), top + page.mm(1));
    top += page.mm(5);
    // The grid as large as the width and about 60 % of the height let it be, a little smaller
    // when that keeps the lists on its page; or the whole rest of the page when its cells would
    // be too small to read, the lists then starting on the next page.
    const auto gridAndList = [&](const GridPicture& grid, qreal gridTop, const ColumnList& list) {
        // A title that leaves no room for a grid (a title of thousands of letters) keeps its
        // page to itself.
        if (gridTop > page.height() * (1 - kSmallestGridShare / 2)) {
            page.next();
            gridTop = 0;
        }
        const int cell = std::max(cells.geometry().cellSize(), 1);
        const QSize size = cells.geometry().closedSize();
        const qreal room = page.height() - gridTop;
        qreal scale = gridScale(page, cells, std::min(room, page.height() * kGridShare));
        const bool ownPage = scale * cell < page.mm(kSmallestCellMm);
        if (ownPage)
            scale = gridScale(page, cells, room);
        const auto listTop = [&](qreal s) { return gridTop + size.height() * s + page.mm(6); };
        for (qreal share = kGridShare - 0.05; !ownPage && share >= kSmallestGridShare - 1e-9;
             share -= 0.05) {
            if (onePage(list.places(listTop(scale))))
                break;
            const qreal smaller = gridScale(page, cells, std::min(room, page.height() * share));
            if (onePage(list.places(listTop(smaller))))
                scale = smaller;
        }
        const QRectF placed = drawGrid(page, cells, grid, look, gridTop, scale);
        printed.grids.push_back({page.number(), placed});
        list.draw(page, list.places(ownPage ? page.height() + 1 : listTop(scale)));
    };

    const auto clues = clueEntries(doc);
    std::array<std::vector<QString>, 2> texts, answers;
    std::array<std::vector<int>, 2> numbers;
    for (std::size_t d = 0; d < 2; ++d)
        for (const ClueEntry& e : clues[d]) {
            texts[d].push_back(cp1251::toUnicode(e.clue));
            answers[d].push_back(cp1251::toUnicode(e.answer));
            numbers[d].push_back(e.number);
        }
    const std::array<QString, 2> headings{job.texts.across, job.texts.down};
    gridAndList(gridPicture(doc, false), top,
                ColumnList(page, family, 2, headings, texts, numbers));
    // A crossword without answers has none to show: no empty answers page.
    if (job.answersPage && doc.NoAnswers == 0) {
        page.next();
        const qreal answersTop =
            centred(page, job.texts.answers, textFont(family, kTitlePt, true), 0) + page.mm(5);
        // Answers are short: three columns hold them.
        gridAndList(gridPicture(doc, true), answersTop,
                    ColumnList(page, family, 3, headings, answers, numbers));
    }
    printed.pages = page.number() + 1;
    p.end();
    return printed;
}

namespace {

// The title and the author where PDF readers look for them besides the document information.
QByteArray xmpMetadata(const PrintTexts& texts) {
    return "<?xpacket begin='' id='W5M0MpCehiHzreSzNTczkc9d'?>\n"
           "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\">\n"
           "<rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">\n"
           "<rdf:Description rdf:about=\"\" xmlns:dc=\"http://purl.org/dc/elements/1.1/\" "
           "xmlns:xmp=\"http://ns.adobe.com/xap/1.0/\" "
           "xmlns:pdf=\"http://ns.adobe.com/pdf/1.3/\">\n"
           "<dc:title><rdf:Alt><rdf:li xml:lang=\"x-default\">" +
           escape::xml(texts.title) +
           "</rdf:li></rdf:Alt></dc:title>\n"
           "<dc:creator><rdf:Seq><rdf:li>" +
           escape::xml(texts.author) +
           "</rdf:li></rdf:Seq></dc:creator>\n"
           "<xmp:CreatorTool>Clueforge</xmp:CreatorTool>\n"
           "<pdf:Producer>Clueforge</pdf:Producer>\n"
           "</rdf:Description>\n</rdf:RDF>\n</x:xmpmeta>\n<?xpacket end='w'?>";
}

FileStatus saveBytes(const QString& path, const QByteArray& bytes) {
    return saveFileSafely(
        path, [&bytes](QIODevice& device) { return device.write(bytes) == bytes.size(); });
}

} // namespace

FileStatus writeCrosswordPdf(const QString& path, const CrosswordDocument& doc,
                             const CellPainter& painter, const PrintJob& job) {
    // Painted in memory first: the writer reports no failed write, the safe save does.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(platform::defaultPrintLayout());
        writer.setTitle(escape::withoutControls(job.texts.title));
        writer.setCreator(QStringLiteral("Clueforge"));
        writer.setDocumentXmpMetadata(xmpMetadata(job.texts));
        if (paintCrossword(writer, doc, painter, job).pages == 0)
            return FileStatus::WriteFailed;
    }
    if (!job.texts.author.isEmpty())
        if (const auto authored =
                withPdfAuthor(buffer.data(), escape::withoutControls(job.texts.author)))
            return saveBytes(path, *authored);
    return saveBytes(path, buffer.data());
}

FileStatus writeGridSvg(const QString& path, const CrosswordDocument& doc,
                        const CellPainter& painter, const VectorLook& look, bool filled,
                        const QString& title) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    VectorLook svgLook = look;
    svgLook.numberFont.setFamily(textFamily(look.letterFont));
    // The generator writes the title as it is given: escaped here, so that a title such as
    // "<script>" stays text.
    if (!printsvg::drawSvg(buffer, painter.geometry().closedSize(),
                           QString::fromUtf8(escape::xml(title)), [&](QPainter& p) {
                               painter.paint(p, gridPicture(doc, filled), svgLook);
                               return true;
                           }))
        return FileStatus::WriteFailed;
    return saveBytes(path, buffer.data());
}

} // namespace publish
