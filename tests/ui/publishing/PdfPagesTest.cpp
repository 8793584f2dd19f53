// The printed crossword as a PDF, read back with poppler's tools as a newspaper would.
#include "publishing/CrosswordPages.h"

#include "grid/FieldGeometry.h"
#include "grid/PictureBox.h"
#include "print/PrintedGrid.h"
#include "text/CodePage.h"

#include "support/FilledCrossword.h"
#include "support/PdfFile.h"
#include "support/PrintQt.h"

#include <QImage>
#include <QPageLayout>
#include <QPdfWriter>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

constexpr int kCell = 20;

// A side × side grid of Cyrillic letters, about one cell in `blackEvery` black and mirrored
// through the centre, every slot with a clue of a few words to a few lines.
CrosswordDocument printable(int side, int blackEvery, quint32 seed) {
    QRandomGenerator random(seed);
    const QString letters = QStringLiteral(u"АБВГДЕЖЗИКЛМНОПРСТУФХЦЧШЩЭЮЯ");
    std::vector<QByteArray> rows(static_cast<std::size_t>(side), QByteArray(side, ' '));
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
            char& cell = rows[static_cast<std::size_t>(y)][x];
            const char mirror = rows[static_cast<std::size_t>(side - 1 - y)][side - 1 - x];
            if (mirror == '#' || (mirror == ' ' && random.bounded(blackEvery) == 0))
                cell = '#';
            else
                cell = cp1251::fromUnicode(QString(letters.at(random.bounded(letters.size()))))[0];
        }
    FilledCrossword filled;
    for (const QByteArray& row : rows)
        filled.rows.append(row);
    filled.title = cp1251::fromUnicode(QStringLiteral(u"Весенний кроссворд"));
    filled.author = cp1251::fromUnicode(QStringLiteral(u"Анна Петрова"));
    CrosswordDocument doc = filled.build();
    const QStringList words{QStringLiteral(u"река"),        QStringLiteral(u"в"),
                            QStringLiteral(u"Сибири"),      QStringLiteral(u"старинный"),
                            QStringLiteral(u"музыкальный"), QStringLiteral(u"инструмент"),
                            QStringLiteral(u"герой"),       QStringLiteral(u"романа")};
    for (int n = 1; n <= doc.NumberedCount; ++n)
        for (int d = 0; d < 2; ++d) {
            if (doc.SlotTable.at(n, 2, d) < 1)
                continue;
            QString clue = QStringLiteral(u"Загадка %1%2")
                               .arg(n)
                               .arg(d == 0 ? QStringLiteral(u"г") : QStringLiteral(u"в"));
            // Most clues a few words, now and then a long one.
            const int length =
                random.bounded(10) == 0 ? random.bounded(6, 13) : random.bounded(1, 5);
            for (int k = length; k > 0; --k)
                clue += QLatin1Char(' ') + words.at(random.bounded(words.size()));
            doc.SlotTexts.set(n, 0, d, cp1251::fromUnicode(clue));
        }
    return doc;
}

publish::PrintJob job(bool answers) {
    publish::PrintJob j;
    j.texts = {QStringLiteral(u"Весенний кроссворд"), QStringLiteral(u"Анна Петрова"),
               QStringLiteral(u"По горизонтали"), QStringLiteral(u"По вертикали"),
               QStringLiteral(u"Ответы")};
    j.look.letterFont = QFont(QStringLiteral("DejaVu Sans"));
    j.look.letterFont.setPixelSize(13);
    j.look.letterOffset = 3;
    j.answersPage = answers;
    return j;
}

// Texts as pdftotext gives them, with every run of blanks and line ends as one blank.
QString plain(const QString& text) {
    return text.simplified();
}

class PdfPages : public testing::Test {
protected:
    QTemporaryDir out;
    PictureBox digits; // unused by vector drawing

    QString write(const CrosswordDocument& doc, bool answers,
                  const QString& name = QStringLiteral("c.pdf")) {
        // CLUEFORGE_KEEP_PDF=folder keeps the files for looking at them.
        const QString keep = qEnvironmentVariable("CLUEFORGE_KEEP_PDF");
        const QString path =
            keep.isEmpty()
                ? out.filePath(name)
                : keep + QStringLiteral("/%1-%2-%3").arg(doc.GridWidth).arg(answers).arg(name);
        const CellPainter painter(FieldGeometry(kCell, doc.GridWidth, doc.GridHeight, 0), digits,
                                  1);
        EXPECT_EQ(publish::writeCrosswordPdf(path, doc, painter, job(answers)), FileStatus::Ok);
        return path;
    }

    // Every expected text found in the PDF's text, one after the other.
    void expectInOrder(const QString& pdf, const QStringList& expected) {
        const QString text = plain(pdffile::text(pdf));
        qsizetype from = 0;
        for (const QString& e : expected) {
            const qsizetype at = text.indexOf(plain(e), from);
            ASSERT_GE(at, 0) << "missing or out of order: " << e.toStdString();
            from = at + e.size();
        }
    }

    // The title, the author, and each list under its heading, "N. clue" by "N. clue".
    QStringList expectedTexts(const CrosswordDocument& doc) {
        const QStringList headings{QStringLiteral(u"По горизонтали"),
                                   QStringLiteral(u"По вертикали")};
        QStringList all{QStringLiteral(u"Весенний кроссворд"), QStringLiteral(u"Анна Петрова")};
        const auto entries = publish::clueEntries(doc);
        for (std::size_t d = 0; d < 2; ++d) {
            all << headings[static_cast<qsizetype>(d)];
            for (const publish::ClueEntry& e : entries[d])
                all << QString::number(e.number) + QStringLiteral(". ") + cp1251::toUnicode(e.clue);
        }
        return all;
    }
};

TEST_F(PdfPages, TitleAuthorHeadingsAndEveryClueInOrder) {
    const CrosswordDocument doc = printable(15, 6, 1);
    const QString pdf = write(doc, false);
    expectInOrder(pdf, expectedTexts(doc));
}

TEST_F(PdfPages, ATitleFillingThePageLeavesTheGridWholeOnTheNext) {
    const CrosswordDocument doc = printable(15, 6, 5);
    publish::PrintJob long_ = job(false);
    long_.texts.title = QStringLiteral(u"Очень длинное название ").repeated(300);
    QPdfWriter writer(out.filePath(QStringLiteral("title.pdf")));
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
    const CellPainter painter(FieldGeometry(kCell, doc.GridWidth, doc.GridHeight, 0), digits, 1);
    const publish::PrintedPages printed = publish::paintCrossword(writer, doc, painter, long_);
    ASSERT_EQ(printed.grids.size(), 1u);
    EXPECT_EQ(printed.grids[0].page, 1);
    EXPECT_GE(printed.grids[0].rect.top(), 0);
    EXPECT_LE(printed.grids[0].rect.bottom(), writer.height());
    EXPECT_GT(printed.grids[0].rect.height(), writer.height() * 0.4);
}

TEST_F(PdfPages, FontsEmbeddedAndMetadataSet) {
    const QString pdf = write(printable(15, 6, 2), true);
    const QStringList lines = pdffile::run(QStringLiteral("pdffonts"), {pdf})
                                  .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_GT(lines.size(), 2) << "no fonts listed";
    // Below the two header lines, one font a line: name type encoding emb sub uni object ID.
    for (const QString& line : lines.mid(2)) {
        const QStringList fields = line.simplified().split(QLatin1Char(' '));
        ASSERT_GE(fields.size(), 7) << line.toStdString();
        EXPECT_EQ(fields[fields.size() - 5], QStringLiteral("yes"))
            << "not embedded: " << line.toStdString();
    }
    const QString info = plain(pdffile::run(QStringLiteral("pdfinfo"), {pdf}));
    EXPECT_TRUE(info.contains(QStringLiteral(u"Title: Весенний кроссворд"))) << info.toStdString();
    EXPECT_TRUE(info.contains(QStringLiteral(u"Author: Анна Петрова"))) << info.toStdString();
    // The cross-reference table still leads to every object after the author went in.
    QProcess check;
    check.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    ASSERT_TRUE(check.waitForFinished(60000));
    EXPECT_TRUE(check.readAllStandardError().isEmpty());
    EXPECT_TRUE(pdffile::run(QStringLiteral("pdfinfo"), {QStringLiteral("-meta"), pdf})
                    .contains(QStringLiteral(u"<rdf:li>Анна Петрова</rdf:li>")));
}

TEST_F(PdfPages, PagesGrowWithTheCluesAndNoneIsLost) {
    struct Case {
        int side, blackEvery;
        bool answers;
        int pages; // 0: more than one
    };
    for (const Case& c : {Case{15, 6, false, 1}, Case{15, 6, true, 2}, Case{33, 5, false, 0},
                          Case{33, 5, true, 0}}) {
        const CrosswordDocument doc = printable(c.side, c.blackEvery, 3);
        const QString pdf = write(doc, c.answers);
        const int count = pdffile::pageCount(pdf);
        if (c.pages > 0) {
            EXPECT_EQ(count, c.pages) << c.side << ' ' << c.answers;
            continue;
        }
        int clues = 0;
        for (const auto& list : publish::clueEntries(doc))
            clues += static_cast<int>(list.size());
        EXPECT_GE(clues, 300);
        EXPECT_GT(count, 2) << clues << " clues";
        expectInOrder(pdf, expectedTexts(doc));
    }
}

// A clue of thousands of words flows on over columns and pages, every word of it printed, and
// its heading is not left alone over an empty column.
TEST_F(PdfPages, AClueLongerThanAColumnFlowsOnWhole) {
    CrosswordDocument doc = printable(5, 100, 4);
    QString clue = QStringLiteral(u"Начало");
    for (int i = 1; i <= 5000; ++i)
        clue += QStringLiteral(u" слово") + QString::number(i);
    doc.SlotTexts.set(1, 0, 0, cp1251::fromUnicode(clue));
    const QString pdf = write(doc, false);
    const QString text = plain(pdffile::text(pdf));
    for (const int word : {1, 687, 688, 2500, 4999, 5000})
        EXPECT_TRUE(text.contains(QStringLiteral(u"слово%1 ").arg(word)) ||
                    text.endsWith(QStringLiteral(u"слово%1").arg(word)))
            << word;
    // The heading is followed by the clue's start, not by a column break's worth of nothing.
    expectInOrder(pdf, {QStringLiteral(u"По горизонтали"), QStringLiteral(u"1. Начало слово1")});
    EXPECT_GT(pdffile::pageCount(pdf), 2);
}

// On the answers page no number overprints a letter: each letter is sized to fit below the
// numbers. A crossword without answers gets no answers page.
TEST_F(PdfPages, AnswerLettersStayClearOfTheNumbers) {
    const QString pdf = write(printable(15, 6, 2), true);
    const QString html = pdffile::run(QStringLiteral("pdftotext"),
                                      {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    static const QRegularExpression word(
        QStringLiteral("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" "
                       "yMax=\"([0-9.]+)\">([^<]*)</word>"));
    // Page by page: the numbers of the grid and its letters, as pdftotext boxes their ink.
    int numbers = 0, letters = 0, overprinted = 0;
    for (const QString& page : html.split(QStringLiteral("<page "))) {
        std::vector<QRectF> pageNumbers, pageLetters;
        for (auto it = word.globalMatch(page); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            // pdftotext boxes a word from the font's ascent to its descent; the ink of digits
            // and capitals (DejaVu Sans) lies from the cap height to the baseline.
            const qreal top = m.captured(2).toDouble(), bottom = m.captured(4).toDouble();
            const qreal em = (bottom - top) / (0.928 + 0.236);
            const QRectF box(QPointF(m.captured(1).toDouble() + 0.05 * em, top + 0.199 * em),
                             QPointF(m.captured(3).toDouble() - 0.05 * em, bottom - 0.236 * em));
            const QString text = m.captured(5);
            bool isNumber = false;
            text.toInt(&isNumber);
            if (isNumber)
                pageNumbers.push_back(box);
            else if (text.size() == 1 && text.at(0).isUpper())
                pageLetters.push_back(box);
        }
        for (const QRectF& n : pageNumbers)
            for (const QRectF& l : pageLetters) {
                const QRectF both = n.intersected(l);
                if (both.width() > 0.1 && both.height() > 0.1)
                    ++overprinted;
            }
        numbers += static_cast<int>(pageNumbers.size());
        letters += static_cast<int>(pageLetters.size());
    }
    EXPECT_GT(numbers, 40); // both grids'
    EXPECT_GT(letters, 100);
    EXPECT_EQ(overprinted, 0);

    CrosswordDocument withoutAnswers = printable(5, 100, 4);
    withoutAnswers.NoAnswers = 1;
    EXPECT_EQ(pdffile::pageCount(write(withoutAnswers, true, QStringLiteral("q.pdf"))), 1);
}

// The grid on the rendered first page: black cells black, light cells white inside, and a
// line along each light cell's edges, where the geometry and the placed rectangle put them.
TEST_F(PdfPages, RenderedGridMatchesTheGeometry) {
    struct Case {
        int side;
        int dpi;
        bool ownPage;
        int cells; // rendered and checked from the top-left corner
    };
    for (const Case& c : {Case{15, 150, false, 15}, Case{250, 600, true, 30}}) {
        const CrosswordDocument doc = printable(c.side, 5, 4);
        const QString pdf = out.filePath(QStringLiteral("render%1.pdf").arg(c.side));
        const FieldGeometry geometry(kCell, doc.GridWidth, doc.GridHeight, 0);
        publish::PrintedPages printed;
        QRect paintable; // in the writer's pixels, margins rounded as the writer rounds them
        {
            QPdfWriter writer(pdf);
            writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                             QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
            printed =
                publish::paintCrossword(writer, doc, CellPainter(geometry, digits, 1), job(false));
            ASSERT_EQ(printed.grids.size(), 1u);
            paintable = writer.pageLayout().paintRectPixels(writer.resolution());
        }
        // A grid too large for 60 % of the page takes the whole of it.
        const qreal pageHeight = paintable.height();
        if (c.ownPage) {
            EXPECT_GT(printed.grids[0].rect.height(), 0.6 * pageHeight);
            EXPECT_GT(printed.pages, 1);
        } else {
            EXPECT_LE(printed.grids[0].rect.height(), 0.6 * pageHeight);
        }
        const QRectF placed = printed.grids[0].rect;
        const qreal toPage = c.dpi / 1200.0;
        const qreal scale = placed.width() / geometry.closedSize().width();
        EXPECT_LE(placed.right(), paintable.width() + 1) << "wider than the page";
        EXPECT_LE(placed.bottom(), pageHeight + 1) << "taller than the page";
        // The page pixel of a point in the geometry's pixels.
        const auto onPage = [&](qreal gx, qreal gy) {
            return QPoint(qFloor((paintable.left() + placed.left() + gx * scale) * toPage),
                          qFloor((paintable.top() + placed.top() + gy * scale) * toPage));
        };
        // The top-left corner of the grid, `c.cells` cells square, rendered at c.dpi.
        const QPoint corner = onPage(0, 0) - QPoint(4, 4);
        const QPoint far = onPage(c.cells * kCell + 1, c.cells * kCell + 1) + QPoint(4, 4);
        pdffile::run(QStringLiteral("pdftoppm"),
                     {QStringLiteral("-r"), QString::number(c.dpi), QStringLiteral("-f"),
                      QStringLiteral("1"), QStringLiteral("-singlefile"), QStringLiteral("-x"),
                      QString::number(corner.x()), QStringLiteral("-y"),
                      QString::number(corner.y()), QStringLiteral("-W"),
                      QString::number(far.x() - corner.x()), QStringLiteral("-H"),
                      QString::number(far.y() - corner.y()), QStringLiteral("-png"), pdf,
                      out.filePath(QStringLiteral("page%1").arg(c.side))});
        const QImage page(out.filePath(QStringLiteral("page%1.png").arg(c.side)));
        ASSERT_FALSE(page.isNull());
        const auto at = [&](qreal gx, qreal gy) { return onPage(gx, gy) - corner; };
        const auto grey = [&page](QPoint p) { return qGray(page.pixel(p)); };
        // The darkest of a pixel and its neighbours across a line.
        const auto darkest = [&](QPoint p, bool horizontal) {
            int g = 255;
            for (int k = -1; k <= 1; ++k)
                g = std::min(g, grey(horizontal ? p + QPoint(0, k) : p + QPoint(k, 0)));
            return g;
        };
        const publish::GridPicture grid = publish::gridPicture(doc, false);
        int blocks = 0, lights = 0;
        for (int y = 0; y < c.cells; ++y)
            for (int x = 0; x < c.cells; ++x) {
                const QRect sq = geometry.square(x, y);
                const QPoint inside = at(sq.left() + 0.75 * kCell, sq.top() + 0.75 * kCell);
                switch (grid.kind(x, y)) {
                case publish::CellKind::Block:
                    ++blocks;
                    EXPECT_LT(grey(inside), 80) << x << ',' << y << " should be black";
                    break;
                case publish::CellKind::Outside:
                    EXPECT_GT(grey(inside), 200) << x << ',' << y << " should be blank";
                    break;
                case publish::CellKind::Light:
                    ++lights;
                    EXPECT_GT(grey(inside), 200) << x << ',' << y << " should be white";
                    EXPECT_LT(darkest(at(sq.left() + kCell / 2.0, sq.top() + 0.5), true), 140)
                        << x << ',' << y << " top line";
                    EXPECT_LT(darkest(at(sq.left() + 0.5, sq.top() + kCell / 2.0), false), 140)
                        << x << ',' << y << " left line";
                    break;
                }
            }
        EXPECT_GT(blocks, 0);
        EXPECT_GT(lights, blocks);
    }
}

} // namespace
