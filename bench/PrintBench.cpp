// The printed crossword as a PDF: a 100 × 100 crossword with a clue for every word, its pages
// painted into a PDF in memory, beside plain Qt drawing the same rectangles and texts onto as
// many pages with no layout at all.
#include "BenchCrosswords.h"
#include "BenchWindow.h"
#include "Paired.h"

#include "grid/GridView.h"
#include "print/PrintedGrid.h"
#include "publishing/CrosswordPages.h"
#include "text/CodePage.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

using bench::timed;

// A PDF in memory, laid out as the program's PDF file: A4 portrait, 15 mm margins.
struct PdfInMemory {
    QBuffer buffer;
    std::unique_ptr<QPdfWriter> writer;

    explicit PdfInMemory(const QString& title) {
        buffer.open(QIODevice::WriteOnly);
        writer = std::make_unique<QPdfWriter>(&buffer);
        writer->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                          QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
        writer->setTitle(title);
    }
    // The whole file: the writer finishes it when it goes.
    qint64 finish() {
        writer.reset();
        return buffer.size();
    }
};

// What the reference draws: the cells, the numbers and every clue as "N. text".
struct PlainContent {
    publish::GridPicture grid;
    std::vector<QString> clues;
    QString family;
    QString title;
};

// The reference: per cell one rectangle (black, or white with a border), the numbers in their
// cells, the title, the grid alone on the first page and the clues spread evenly over the
// others, two columns, each drawn with word wrap into an equal share of its column.
qint64 plainPdf(const PlainContent& content, int pages) {
    PdfInMemory pdf(content.title);
    QPainter p(pdf.writer.get());
    p.setRenderHint(QPainter::Antialiasing);
    const qreal width = pdf.writer->width();
    const qreal height = pdf.writer->height();
    QFont text(content.family);
    text.setPointSizeF(10);
    QFont title = text;
    title.setPointSizeF(18);
    p.setFont(title);
    p.drawText(QRectF(0, 0, width, height / 20), Qt::AlignHCenter, content.title);

    const publish::GridPicture& grid = content.grid;
    const qreal top = height / 20;
    const qreal cell = std::min(width / grid.width, (height - top) / grid.height);
    QFont number = text;
    number.setPixelSize(std::max(1, static_cast<int>(cell / 3)));
    p.setFont(number);
    p.setPen(QPen(Qt::black, cell / 30));
    for (int y = 0; y < grid.height; ++y)
        for (int x = 0; x < grid.width; ++x) {
            const publish::CellKind kind = grid.kind(x, y);
            if (kind == publish::CellKind::Outside)
                continue;
            const QRectF square(x * cell, top + y * cell, cell, cell);
            p.setBrush(kind == publish::CellKind::Block ? Qt::black : Qt::white);
            p.drawRect(square);
            if (const int n = grid.number(x, y); n > 0)
                p.drawText(square.topLeft() + QPointF(cell / 10, cell / 3), QString::number(n));
        }

    p.setFont(text);
    const std::size_t count = content.clues.size();
    const std::size_t columns = 2 * static_cast<std::size_t>(std::max(pages - 1, 1));
    const qreal columnWidth = width / 2;
    const qreal rowHeight =
        height / static_cast<qreal>(std::max<std::size_t>((count + columns - 1) / columns, 1));
    std::size_t column = columns;
    int row = 0;
    for (std::size_t i = 0; i < count; ++i) {
        if (const std::size_t c = i * columns / count; c != column) {
            column = c;
            row = 0;
            if (column % 2 == 0 && pages > 1)
                pdf.writer->newPage();
        }
        const QRectF place(static_cast<qreal>(column % 2) * columnWidth, row++ * rowHeight,
                           columnWidth, rowHeight);
        p.drawText(place, Qt::TextWordWrap, content.clues[i]);
    }
    p.end();
    return pdf.finish();
}

void PrintCrosswordPdf(benchmark::State& state) {
    const int side = static_cast<int>(state.range(0));
    bench::Window w;
    w.app.session.documentForSetup() = bench::cluedPattern(side);
    w.form.state().session.showForSetup(0);
    const CrosswordDocument& doc = w.app.session.document();
    const CellPainter cells = w.view->exportPainter(
        FieldGeometry(w.app.settings.CellSize, doc.GridWidth, doc.GridHeight, 0, false));
    publish::PrintJob job;
    job.texts = {cp1251::toUnicode(doc.CrosswordTitle), cp1251::toUnicode(doc.CrosswordAuthor),
                 QStringLiteral(u"По горизонтали"), QStringLiteral(u"По вертикали"),
                 QStringLiteral(u"Ответы")};
    job.look = publish::vectorLook(w.app.settings, w.form.letterOffset());

    PlainContent plain{publish::gridPicture(doc, false),
                       {},
                       publish::textFamily(job.look.letterFont),
                       job.texts.title};
    for (const auto& list : publish::clueEntries(doc))
        for (const publish::ClueEntry& e : list)
            plain.clues.push_back(QString::number(e.number) + QStringLiteral(". ") +
                                  cp1251::toUnicode(e.clue));

    int pages = 0;
    qint64 ours = 0;
    qint64 reference = 0;
    bench::runPaired(
        state,
        [&] {
            return timed([&] {
                PdfInMemory pdf(job.texts.title);
                pages = publish::paintCrossword(*pdf.writer, doc, cells, job).pages;
                ours = pdf.finish();
            });
        },
        {{"plain", [&] { return timed([&] { reference = plainPdf(plain, pages); }); }}});
    if (pages == 0)
        state.SkipWithError("the pages were not painted");
    state.counters["pages"] = pages;
    state.counters["clues"] = static_cast<double>(plain.clues.size());
    state.counters["pdf_kb"] = static_cast<double>(ours) / 1024;
    state.counters["plain_kb"] = static_cast<double>(reference) / 1024;
}

} // namespace

BENCHMARK(PrintCrosswordPdf)->Arg(100)->Unit(benchmark::kMillisecond)->UseManualTime();
