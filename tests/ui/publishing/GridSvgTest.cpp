// The SVG grid, empty and filled, against the export's grid and answers pictures at the same
// cell size: drawn by Qt's SVG renderer and by a browser, it must be the same picture within
// anti-aliasing, its numbers and letters text drawn by another engine.
#include "commands/PublishingCommands.h"
#include "export/HtmlPage.h"
#include "grid/FieldGeometry.h"
#include "grid/GridView.h"
#include "grid/ShownGrid.h"
#include "publishing/CrosswordPages.h"
#include "support/ui/Commands.h"

#include "support/FilledCrossword.h"
#include "support/ui/RunningProgram.h"
#include "support/ui/WindowParts.h"
#include "ui/publishing/ExportFolder.h"

#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QUrl>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

namespace {

// A pixel differs when a channel differs by more than this: a quarter of the range, wider
// than the grey of an edge that two renderers smooth differently, far below black against
// white.
constexpr int kChannelTolerance = 64;

// Asymmetric, so that a turned grid shows; slot numbers past 9; white outside at the corners;
// black cells enclosed by slots, one of them, (1, 1), beside an outside cell.
const char* const kPattern[] = {
    "#.....#####", //
    "##.....#...", //
    "#.........#", //
    "...#...#...", //
    ".....#.....", //
    "..#.....#..", //
    ".....#.....", //
    "#.........#", //
    "###.....###", //
};

// Every white cell lettered (a cell is black in the export picture when it has no letter).
FilledCrossword filledPattern() {
    FilledCrossword f;
    int y = 0;
    for (const char* row : kPattern) {
        QByteArray letters(row);
        for (int x = 0; x < letters.size(); ++x)
            if (letters[x] != '#') // а to я in Windows-1251
                letters[x] = static_cast<char>(0xE0 + (x * 7 + y * 3) % 32);
        f.rows << letters;
        ++y;
    }
    return f;
}

// Where text stands for the picture's own drawing: compared by its ink, not pixel by pixel.
enum class Ink { Number, Letter };
struct InkBox {
    QRect rect;
    Ink ink;
    QString what; // for the message
};

// A slot number's: the export picture's dotted digits, 5 × 7 pixels each at number size 1,
// and the text that replaces them, as tall but a pixel per digit and size wider (a font's
// digit is about 0.64 of its em, its capital 0.73), with a pixel around for the smoothed
// edges. A letter's: the inside of its cell.
std::vector<InkBox> inkBoxes(const CrosswordDocument& doc, const FieldGeometry& geometry, int scale,
                             bool letters) {
    std::vector<InkBox> boxes;
    const QRect picture(QPoint(0, 0), geometry.closedSize());
    for (int y = 0; y < doc.GridHeight; ++y)
        for (int x = 0; x < doc.GridWidth; ++x) {
            const QString cell = QStringLiteral(" in %1,%2").arg(x).arg(y);
            if (const int n = doc.CellMap.at(x, y, layer::kNumber); n > 0) {
                const int digits = static_cast<int>(QByteArray::number(n).size());
                const QRect dotted(geometry.numberAt(x, y), QSize(5 * scale * digits, 7 * scale));
                boxes.push_back({dotted.adjusted(-1, -1, scale * digits + 1, 1) & picture,
                                 Ink::Number, QString::number(n) + cell});
            }
            if (letters && doc.CellMap.at(x, y, layer::kLetter) > 0)
                boxes.push_back(
                    {geometry.inside(x, y), Ink::Letter, QStringLiteral("letter") + cell});
        }
    return boxes;
}

bool differs(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) > kChannelTolerance ||
           std::abs(qGreen(a) - qGreen(b)) > kChannelTolerance ||
           std::abs(qBlue(a) - qBlue(b)) > kChannelTolerance;
}

bool dark(QRgb p) {
    return qRed(p) < 128 && qGreen(p) < 128 && qBlue(p) < 128;
}

// Numbers are black, the letters red (see GridSvg::author).
bool inked(QRgb p, Ink ink) {
    return ink == Ink::Number ? dark(p) : qRed(p) - std::max(qGreen(p), qBlue(p)) > 64;
}

struct InkSpot {
    int pixels = 0;
    QPointF centre;
};

InkSpot inkIn(const QImage& image, const QRect& rect, Ink ink) {
    InkSpot spot;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (inked(image.pixel(x, y), ink)) {
                ++spot.pixels;
                spot.centre += QPointF(x, y);
            }
    if (spot.pixels > 0)
        spot.centre /= spot.pixels;
    return spot;
}

// How a rendering of the SVG differs from the export picture: away from the texts, pixel by
// pixel; in a text's box, by its ink.
struct Difference {
    int pixels = 0;
    QPoint first{-1, -1};
    QStringList texts; // those whose ink is not alike
};

Difference compared(const QImage& rendered, const QImage& bitmap,
                    const std::vector<InkBox>& boxes) {
    Difference d;
    const QImage a = rendered.convertToFormat(QImage::Format_RGB32);
    const QImage b = bitmap.convertToFormat(QImage::Format_RGB32);
    std::vector<bool> inBox(static_cast<std::size_t>(a.width() * a.height()));
    for (const InkBox& box : boxes)
        for (int y = box.rect.top(); y <= box.rect.bottom(); ++y)
            for (int x = box.rect.left(); x <= box.rect.right(); ++x)
                inBox[static_cast<std::size_t>(y * a.width() + x)] = true;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (!inBox[static_cast<std::size_t>(y * a.width() + x)] &&
                differs(a.pixel(x, y), b.pixel(x, y)) && d.pixels++ == 0)
                d.first = QPoint(x, y);
    for (const InkBox& box : boxes) {
        const InkSpot ours = inkIn(a, box.rect, box.ink);
        const InkSpot theirs = inkIn(b, box.rect, box.ink);
        // As much ink within a factor of two (the text's strokes differ from the dotted digits
        // by a third at most, the letters by a quarter), so that a lost digit shows.
        if (ours.pixels * 2 < theirs.pixels || ours.pixels > theirs.pixels * 2)
            d.texts << QStringLiteral("%1: %2 pixels of ink, the picture %3")
                           .arg(box.what)
                           .arg(ours.pixels)
                           .arg(theirs.pixels);
        // A letter in the same font at the same place: the ink's centre within two pixels (Qt
        // puts it within three quarters of one, a browser's text engine within 1.7), where a
        // letter placed without its offset or alignment lies several off. The numbers' text is
        // wider than the dotted digits, so its centre lies further right.
        const QPointF off = ours.centre - theirs.centre;
        if (box.ink == Ink::Letter && ours.pixels > 0 && theirs.pixels > 0 &&
            std::hypot(off.x(), off.y()) > 2)
            d.texts << QStringLiteral("%1: the ink's centre %2,%3 pixels off")
                           .arg(box.what)
                           .arg(off.x(), 0, 'f', 1)
                           .arg(off.y(), 0, 'f', 1);
    }
    return d;
}

// Fewer than half a cell side of differing pixels: one cell's line one pixel off differs in
// twice a cell side, a lost black cell in its whole square.
int allowedPixels(int cellSize) {
    return std::max(cellSize / 2, 1);
}

void expectSamePicture(const QImage& rendered, const QImage& bitmap,
                       const std::vector<InkBox>& boxes, int cellSize) {
    ASSERT_EQ(rendered.size(), bitmap.size());
    const Difference d = compared(rendered, bitmap, boxes);
    EXPECT_LT(d.pixels, allowedPixels(cellSize))
        << "pixels differing away from the texts, the first at " << d.first.x() << ","
        << d.first.y();
    EXPECT_TRUE(d.texts.isEmpty()) << d.texts.join(QStringLiteral("; ")).toStdString();
}

// How a renderer draws the SVG file at `size`: a null image, with the reason in `error`, when it
// cannot.
using Renderer = QImage (*)(const QString& svgPath, QSize size, QString& error);

QImage renderedByQt(const QString& svgPath, QSize size, QString& error) {
    QSvgRenderer renderer(svgPath);
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    if (!renderer.isValid()) {
        error = QStringLiteral("Qt cannot read ") + svgPath;
        return {};
    }
    QPainter p(&image);
    renderer.render(&p, QRectF(QPointF(0, 0), size));
    return image;
}

// The screenshot a headless browser takes of the file at one pixel per CSS pixel.
QImage renderedByChromium(const QString& svgPath, QSize size, QString& error) {
    QString program;
    for (const char* name : {"chromium", "chromium-browser"})
        if (program.isEmpty())
            program = QStandardPaths::findExecutable(QString::fromLatin1(name));
    if (program.isEmpty()) {
        error = QStringLiteral("chromium is not installed (scripts/deps.sh installs it; "
                               "CLUEFORGE_NO_CHROMIUM=1 skips this test)");
        return {};
    }
    QTemporaryDir profile;
    const QString shot = profile.filePath(QStringLiteral("shot.png"));
    QProcess browser;
    browser.setProcessChannelMode(QProcess::MergedChannels);
    browser.start(
        program, {QStringLiteral("--headless"), QStringLiteral("--no-sandbox"),
                  QStringLiteral("--disable-gpu"), QStringLiteral("--hide-scrollbars"),
                  QStringLiteral("--force-device-scale-factor=1"),
                  QStringLiteral("--default-background-color=ffffffff"),
                  QStringLiteral("--user-data-dir=") + profile.filePath(QStringLiteral("profile")),
                  QStringLiteral("--window-size=%1,%2").arg(size.width()).arg(size.height()),
                  QStringLiteral("--screenshot=") + shot, QUrl::fromLocalFile(svgPath).toString()});
    if (!browser.waitForFinished(60'000)) {
        browser.kill();
        browser.waitForFinished();
    }
    QImage image(shot);
    if (image.isNull())
        error = program + QStringLiteral(" took no screenshot: ") +
                QString::fromLocal8Bit(browser.readAll().right(2000));
    return image;
}

struct Sizes {
    int cellSize, numberSize, shownStyle;
};

// The program started, a crossword authored in it, and the files of its comparisons.
class GridSvg : public ExportFolder {
protected:
    // The filled pattern at these sizes, its slots shown in `shownStyle`, while the settings
    // keep the classic style: the export picture then shows the cells as the screen does.
    void author(const Sizes& sizes) {
        Settings& s = program.state.settings;
        s.CellSize = sizes.cellSize;
        s.NumberSize = sizes.numberSize;
        s.ChosenStyle = 0;
        s.LetterColor = 0x0000FF; // pure red, told apart from the black numbers
        program.form->applyLetterFont();
        CrosswordDocument& doc = program.state.session.documentForSetup();
        doc = filledPattern().build();
        ASSERT_EQ(doc.Mode, EditMode::ModeAuthor);
        program.state.session.showForSetup(sizes.shownStyle);
        program.form->updateControlsForMode();
    }

    // The grid or the answers picture of the window's HTML export, in files of its own.
    QImage exported(bool answers) {
        const QString page = out.filePath(QStringLiteral("x%1.htm").arg(++exports_));
        program.fake.paths.push_back(page);
        commandsOf<PublishingCommands>(*program.form).exportHtml();
        for (const auto& m : program.fake.messages)
            ADD_FAILURE() << m.text.toStdString();
        program.fake.messages.clear();
        const ExportNames names = exportNames(page);
        return QImage(answers ? names.answersPicture : names.gridPicture);
    }

    FieldGeometry svgGeometry() const {
        return FieldGeometry(program.state.settings.CellSize, program.state.doc().GridWidth,
                             program.state.doc().GridHeight, 0, false);
    }

    // The grid, empty or filled, as the SVG writer writes it.
    QString writtenSvg(bool filled) {
        const QString path = out.filePath(QStringLiteral("grid.svg"));
        const CellPainter painter = part::gridView(*program.form)->exportPainter(svgGeometry());
        EXPECT_EQ(publish::writeGridSvg(
                      path, program.state.doc(), painter,
                      publish::vectorLook(program.state.settings, program.form->letterOffset()),
                      filled, QStringLiteral("x")),
                  FileStatus::Ok);
        return path;
    }

    std::vector<InkBox> boxes(bool letters) const {
        return inkBoxes(program.state.doc(), svgGeometry(), program.state.settings.NumberSize,
                        letters);
    }

    // The empty SVG against the grid picture, the filled one against the answers picture.
    void expectRenderedAsExported(const Sizes& sizes, bool filled, Renderer render) {
        SCOPED_TRACE(testing::Message()
                     << "cell " << sizes.cellSize << " number " << sizes.numberSize << " style "
                     << sizes.shownStyle << (filled ? " filled" : " empty"));
        author(sizes);
        const QImage bitmap = exported(filled);
        ASSERT_EQ(bitmap.size(), svgGeometry().closedSize());
        QString error;
        const QImage rendered = render(writtenSvg(filled), bitmap.size(), error);
        ASSERT_FALSE(rendered.isNull()) << error.toStdString();
        expectSamePicture(rendered, bitmap, boxes(filled), sizes.cellSize);
    }

private:
    int exports_ = 0;
};

} // namespace

// At the smallest and a large number size, the shown grid classic and turned: the turned one
// is compared with the picture the export makes of the cells as the screen shows them, since
// the SVG keeps the screen's orientation where the export turns its pictures back.
TEST_F(GridSvg, QtRendersTheExportPicture) {
    for (const Sizes& sizes : {Sizes{20, 1, 0}, Sizes{31, 3, 0}, Sizes{31, 1, 0}, Sizes{20, 3, 1}})
        for (const bool filled : {false, true})
            expectRenderedAsExported(sizes, filled, renderedByQt);
}

// The comparison catches what it is for, on the answers picture against itself spoilt: the
// picture one pixel off, one cell's line one pixel off, a black cell lost, a number lost, a
// letter three pixels off.
TEST_F(GridSvg, ComparisonCatchesWhatIsOff) {
    constexpr int c = 20;
    author({c, 1, 0});
    const QImage bitmap = exported(true).convertToFormat(QImage::Format_RGB32);
    const std::vector<InkBox> inks = boxes(true);
    ASSERT_EQ(compared(bitmap, bitmap, inks).pixels, 0);
    const FieldGeometry geometry = svgGeometry();
    struct Spoilt {
        const char* what;
        QImage image;
    };
    std::vector<Spoilt> spoilt;

    spoilt.push_back({"shifted", QImage(bitmap.size(), QImage::Format_RGB32)});
    spoilt.back().image.fill(Qt::white);
    QPainter(&spoilt.back().image).drawImage(1, 0, bitmap);

    // The line between the lettered cells (3, 4) and (4, 4), moved right.
    spoilt.push_back({"line", bitmap});
    const QRect left = geometry.square(3, 4);
    ASSERT_EQ(geometry.square(4, 4).left(), left.right());
    for (int y = left.top() + 1; y < left.bottom(); ++y) {
        ASSERT_TRUE(dark(bitmap.pixel(left.right(), y)));
        spoilt.back().image.setPixel(left.right(), y, qRgb(255, 255, 255));
        spoilt.back().image.setPixel(left.right() + 1, y, qRgb(0, 0, 0));
    }

    spoilt.push_back({"black cell", bitmap});
    const QRect black = geometry.inside(1, 1);
    ASSERT_TRUE(dark(bitmap.pixel(black.center())));
    QPainter(&spoilt.back().image).fillRect(black, Qt::white);

    spoilt.push_back({"number", bitmap}); // 1 in (1, 0)
    QPainter(&spoilt.back().image).fillRect(QRect(geometry.numberAt(1, 0), QSize(5, 7)), Qt::white);

    spoilt.push_back({"letter", bitmap});
    const QRect inside = geometry.inside(4, 4);
    {
        QPainter p(&spoilt.back().image);
        p.setClipRect(inside);
        p.fillRect(inside, Qt::white);
        p.drawImage(inside.topLeft() - QPoint(3, 0), bitmap.copy(inside));
    }

    for (const Spoilt& wrong : spoilt) {
        const Difference d = compared(wrong.image, bitmap, inks);
        EXPECT_TRUE(d.pixels >= allowedPixels(c) || !d.texts.isEmpty()) << wrong.what;
    }
}

// As a browser shows the file: the same picture at the same size, classic and empty, turned
// and filled.
TEST_F(GridSvg, ChromiumRendersTheExportPicture) {
    if (qEnvironmentVariableIsSet("CLUEFORGE_NO_CHROMIUM"))
        GTEST_SKIP() << "CLUEFORGE_NO_CHROMIUM is set";
    for (const auto& [sizes, filled] :
         {std::pair{Sizes{20, 1, 0}, false}, {Sizes{31, 3, 1}, true}}) {
        expectRenderedAsExported(sizes, filled, renderedByChromium);
        if (HasFatalFailure())
            return; // no browser: once is enough
    }
}
