#include "ExportFolder.h"
#include "commands/PublishingCommands.h"
#include "support/ui/Commands.h"

#include "export/HtmlPage.h"
#include "grid/FieldGeometry.h"
#include "grid/GridView.h"
#include "grid/PictureBox.h"
#include "grid/ShownGrid.h"
#include "text/CodePage.h"
#include "words/Placement.h"

#include "support/Crosswords.h"
#include "support/FileSizeLimit.h"
#include "support/GridPattern.h"
#include "support/ui/WindowParts.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <QUrl>

#include <vector>

#include <gtest/gtest.h>

using fixtures::cp;

namespace {

constexpr int C = 20; // the default cell size

const QColor kWhite(255, 255, 255);
const QColor kBlack(0, 0, 0);

struct Answer {
    int n, d;
    const char16_t* word;
    const char16_t* clue;
};

struct Pictures {
    QImage grid;
    QImage answers;
};

// The program started in Russian, a crossword being authored and a folder for the export.
class ExportWindow : public ExportFolder {
protected:
    void SetUp() override {
        ExportFolder::SetUp();
        // Pure red letters, told apart from the black and white of the grid.
        program.state.settings.LetterColor = 0x0000FF;
        program.form->applyLetterFont();
    }

    void author(const QByteArrayList& rows, const std::vector<Answer>& answers) {
        doc() = analysedGrid(rows);
        ASSERT_EQ(doc().Mode, EditMode::ModeAuthor);
        doc().CrosswordTitle = cp(u"Зима");
        doc().CrosswordAuthor = cp(u"Иванов");
        for (const Answer& a : answers)
            ASSERT_EQ(PlaceAnswer(doc(), a.n, a.d, cp(a.word), cp(a.clue)).kind,
                      PlacementOutcome::Kind::Placed);
        buildShownGrid(doc(), 0);
        program.form->updateControlsForMode();
    }

    // Runs the menu command with the Save dialog answering `chosen`.
    void exportTo(const QString& chosen) {
        fake().paths.push_back(chosen);
        actionNamed(*program.form, "exportHtmlAction")->trigger();
    }

    Pictures exportPictures() {
        exportTo(outPath(QStringLiteral("x")));
        return {QImage(outPath(QStringLiteral("x.bmp"))),
                QImage(outPath(QStringLiteral(u"x (ответы).bmp")))};
    }

    // Whether the digit `k` of the white set stands at (x, y).
    bool digitAt(const QImage& img, int x, int y, int k) {
        const PictureBox& strip = *part::digitStrips(*program.form)[0];
        for (int dy = 0; dy < strip.pictureHeight(); ++dy)
            for (int dx = 0; dx < 5; ++dx)
                if (QColor(img.pixel(x + dx, y + dy)) != strip.pixel(k * 5 + dx, dy))
                    return false;
        return true;
    }
};

QColor at(const QImage& img, int x, int y) {
    return QColor(img.pixel(x, y));
}

// The colour of the square whose corner is (left, top), away from its number and its letter.
QColor squareColor(const QImage& img, int left, int top) {
    return at(img, left + 2, top + C - 2);
}

// Whether the square holds a red pixel of a letter, and none in the 2-pixel gap on its right.
bool hasLetter(const QImage& img, int left, int top) {
    bool ink = false;
    for (int y = top + 1; y < top + C; ++y) {
        for (int x = left + C / 2; x < left + C - 2; ++x) {
            const QColor p = at(img, x, y);
            ink = ink || (p.red() > 200 && p.green() < 120 && p.blue() < 120);
        }
        if (at(img, left + C - 1, y) != kWhite)
            return false;
    }
    return ink;
}

// Every pixel in which the two pictures differ lies inside one of the given squares.
bool differOnlyInside(const QImage& a, const QImage& b, const QList<QPoint>& corners) {
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) == b.pixel(x, y))
                continue;
            bool inside = false;
            for (const QPoint& p : corners)
                inside = inside || (x > p.x() && x < p.x() + C && y > p.y() && y < p.y() + C);
            if (!inside)
                return false;
        }
    return true;
}

bool is24BitBmp(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = f.read(30);
    return head.startsWith("BM") && head.size() == 30 && head[28] == 24 && head[29] == 0;
}

// A 4 × 3 grid: the 3 × 3 ring with a black centre and a black column on the right.
const QByteArrayList kRing = {"...#", ".#.#", "...#"};

} // namespace

TEST_F(ExportWindow, WritesThePageAndBothPicturesBesideIt) {
    author(kRing, {{1, 0, u"кот", u"Домашний зверь"},
                   {1, 1, u"КИТ", u"Морской зверь"},
                   {3, 0, u"Тон", u"Высота звука"}});
    doc().SlotTexts.set(2, 0, 1, cp(u"Без ответа"));
    doc().CrosswordPath = QStringLiteral("/somewhere/Зима.cfw");
    exportTo(outPath(QStringLiteral("zima")));

    ASSERT_EQ(fake().fileDialogs.size(), 1);
    const FakePlatform::FileDialog& dialog = fake().fileDialogs[0];
    EXPECT_TRUE(dialog.save);
    EXPECT_EQ(dialog.defaultName, QStringLiteral(u"Зима"));
    EXPECT_EQ(dialog.initialFolder, program.state.ProgramFolder + QStringLiteral("Samples"));
    EXPECT_EQ(dialog.filter, QStringLiteral("HTML Document (*.htm; *.html)") + QChar(0) +
                                 QStringLiteral("*.htm;*.html") + QChar(0) +
                                 QStringLiteral("All Files (*.*)") + QChar(0) +
                                 QStringLiteral("*.*"));
    EXPECT_EQ(program.state.SamplesFolder, out.path() + QLatin1Char('/'));
    EXPECT_TRUE(fake().messages.isEmpty());

    QFile page(outPath(QStringLiteral("zima.htm")));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    EXPECT_EQ(page.readAll(),
              cp(u"<html><head><meta http-equiv='Content-Type' content='text/html; "
                 u"charset=windows-1251'><title>Кроссворд: \"Зима\" Автор: Иванов</title>"
                 u"</head><body topmargin=0 leftmargin=0><center>"
                 u"<br><font size=5>Автор: Иванов</font><br><font size=6>Зима</font>"
                 u"<br><img src='zima.bmp'></center><br><br>"
                 u"<br><b>По горизонтали:</b>  1. Домашний зверь 3. Высота звука"
                 u"<br><b>По вертикали:</b>  1. Морской зверь 2. Без ответа"
                 u"<center><font size=5>Ответы</font><br><img src='zima (ответы).bmp'></center>"
                 u"<br><br><b>По горизонтали:</b>  1. Кот 3. Тон"
                 u"<br><b>По вертикали:</b>  1. Кит 2. "
                 u"</body></html>\r\n"));
    EXPECT_TRUE(is24BitBmp(outPath(QStringLiteral("zima.bmp"))));
    EXPECT_TRUE(is24BitBmp(outPath(QStringLiteral(u"zima (ответы).bmp"))));
}

TEST_F(ExportWindow, ClueMarkupIsEscapedInTheWrittenPage) {
    author({"..", "##"}, {{1, 0, u"ab", u"<b>&\"'"}});
    exportTo(outPath(QStringLiteral("x.html")));
    QFile page(outPath(QStringLiteral("x.html")));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    const QByteArray text = page.readAll();
    EXPECT_TRUE(text.contains(" 1. &lt;b&gt;&amp;&quot;&#39;<br>"));
    EXPECT_FALSE(text.contains("<b>&"));
    EXPECT_TRUE(QFile::exists(outPath(QStringLiteral("x.bmp"))));
}

// The zoom and the screen's fitted letters stay on the screen: the pictures keep actual size.
TEST_F(ExportWindow, PicturesAreTheSameAtEveryZoom) {
    author(kRing, {{1, 0, u"кот", u"a"}, {1, 1, u"кит", u"b"}, {3, 0, u"тон", u"c"}});
    const Pictures actual = exportPictures();
    for (const int zoom : {50, 200, 400}) {
        part::gridView(*program.form)->setZoom(zoom);
        const QString name = QStringLiteral("z%1").arg(zoom);
        exportTo(outPath(name));
        EXPECT_EQ(QImage(outPath(name + QStringLiteral(".bmp"))), actual.grid) << zoom;
        EXPECT_EQ(QImage(outPath(name + QStringLiteral(u" (ответы).bmp"))), actual.answers) << zoom;
    }
}

TEST_F(ExportWindow, GridPictureShowsCellsNumbersAndWhiteOutside) {
    // 2 down stays without an answer: its middle cell is enclosed by letters and stays black.
    author(kRing, {{1, 0, u"кот", u"a"}, {1, 1, u"кит", u"b"}, {3, 0, u"тон", u"c"}});
    const Pictures p = exportPictures();
    ASSERT_EQ(p.grid.size(), QSize(4 * C + 1, 3 * C + 1));
    ASSERT_EQ(p.answers.size(), p.grid.size());

    const QList<QPoint> lettered = {{0, 0}, {1, 0}, {2, 0}, {0, 1}, {0, 2}, {1, 2}, {2, 2}};
    QList<QPoint> corners;
    for (const QPoint& cell : lettered) {
        const int left = cell.x() * C;
        const int top = cell.y() * C;
        corners << QPoint(left, top);
        EXPECT_EQ(squareColor(p.grid, left, top), kWhite) << cell.x() << "," << cell.y();
        EXPECT_EQ(at(p.grid, left, top + C / 2), kBlack);     // left outline
        EXPECT_EQ(at(p.grid, left + C, top + C / 2), kBlack); // right outline
        EXPECT_EQ(at(p.grid, left + C / 2, top + C), kBlack); // bottom outline
        EXPECT_FALSE(hasLetter(p.grid, left, top));
        EXPECT_TRUE(hasLetter(p.answers, left, top)) << cell.x() << "," << cell.y();
    }
    for (const QPoint& enclosed : {QPoint(1, 1), QPoint(2, 1)})
        EXPECT_EQ(at(p.grid, enclosed.x() * C + C / 2, enclosed.y() * C + C / 2), kBlack);
    for (int y = 0; y < 3; ++y) // the black column outside
        EXPECT_EQ(at(p.grid, 3 * C + C / 2, y * C + C / 2), kWhite) << y;
    EXPECT_TRUE(digitAt(p.grid, 2, 2, 1));
    EXPECT_TRUE(digitAt(p.grid, 0 * C + 2, 2 * C + 2, 3));
    EXPECT_EQ(at(p.grid, 2 * C + 3, 4), kWhite); // 2 down has no letters, so no number
    EXPECT_TRUE(digitAt(p.answers, 2, 2, 1));
    EXPECT_TRUE(differOnlyInside(p.grid, p.answers, corners));
}

TEST_F(ExportWindow, OneRowAndOneColumnGrids) {
    struct Case {
        QByteArrayList rows;
        std::vector<Answer> answers;
        const char* colours; // per cell: w white, b black, L lettered
    };
    const Case cases[] = {
        {{"#....#..##"}, {{1, 0, u"луна", u"x"}}, "wLLLLwwwww"},
        {{"#", ".", ".", ".", "#", ".", ".", ".", ".", "#"},
         {{1, 1, u"кот", u"x"}, {2, 1, u"луна", u"y"}},
         "wLLLbLLLLw"},
        {{"#", ".", ".", ".", "#", ".", ".", ".", ".", "#"}, {{1, 1, u"кот", u"x"}}, "wLLLwwwwww"},
    };
    for (const Case& c : cases) {
        author(c.rows, c.answers);
        const Pictures p = exportPictures();
        const bool row = doc().GridHeight == 1;
        ASSERT_EQ(p.grid.size(), row ? QSize(10 * C + 1, C + 1) : QSize(C + 1, 10 * C + 1));
        for (int i = 0; i < 10; ++i) {
            const int left = row ? i * C : 0;
            const int top = row ? 0 : i * C;
            const char kind = c.colours[i];
            const QColor centre = at(p.grid, left + C / 2, top + C / 2);
            EXPECT_EQ(centre, kind == 'b' ? kBlack : kWhite) << c.colours << " " << i;
            EXPECT_EQ(hasLetter(p.answers, left, top), kind == 'L') << c.colours << " " << i;
        }
        fake().messages.clear();
        QFile::remove(outPath(QStringLiteral("x.htm")));
        QFile::remove(outPath(QStringLiteral("x.bmp")));
        QFile::remove(outPath(QStringLiteral(u"x (ответы).bmp")));
    }
}

TEST_F(ExportWindow, RightToLeftStyleTurnsThePicturesBy180Degrees) {
    author(kRing, {{1, 0, u"кот", u"a"}, {1, 1, u"кит", u"b"}, {3, 0, u"тон", u"c"}});
    program.state.settings.ChosenStyle = 1;
    const Pictures p = exportPictures();
    // Cell (x, y) lies at (3 - x, 2 - y); numbers stay upright at the corner of their cell.
    auto corner = [](int x, int y) { return QPoint((3 - x) * C, (2 - y) * C); };
    for (int y = 0; y < 3; ++y)
        EXPECT_EQ(at(p.grid, corner(3, y).x() + C / 2, corner(3, y).y() + C / 2), kWhite);
    EXPECT_EQ(at(p.grid, corner(1, 1).x() + C / 2, corner(1, 1).y() + C / 2), kBlack);
    EXPECT_TRUE(digitAt(p.grid, corner(0, 0).x() + 2, corner(0, 0).y() + 2, 1));
    EXPECT_TRUE(digitAt(p.grid, corner(0, 2).x() + 2, corner(0, 2).y() + 2, 3));
    for (const QPoint& cell : {QPoint(0, 0), QPoint(2, 0), QPoint(0, 1), QPoint(1, 2)})
        EXPECT_TRUE(
            hasLetter(p.answers, corner(cell.x(), cell.y()).x(), corner(cell.x(), cell.y()).y()));
}

TEST_F(ExportWindow, FilesThatCannotBeWrittenAreReported) {
    author({"..", "##"}, {{1, 0, u"ab", u"c"}});
    const QByteArray accessEntry = program.state.language.entry(LangEntry::AccessDenied);
    ASSERT_FALSE(accessEntry.isEmpty());
    struct Case {
        const char16_t* chosen;
        const char16_t* blocked; // made a folder before the export; nullptr: none
        const char16_t* reported;
        int filesLeft; // files there after the failure: none, the three go in place together
    };
    const Case cases[] = {
        {u"missing/x", nullptr, u"missing/x.bmp", 0},
        {u"x", u"x (ответы).bmp", u"x (ответы).bmp", 0},
        {u"x", u"x.htm", u"x.htm", 0},
    };
    for (const Case& c : cases) {
        QTemporaryDir dir;
        auto path = [&dir](const char16_t* name) { return dir.filePath(QString::fromUtf16(name)); };
        if (c.blocked) {
            ASSERT_TRUE(QDir().mkpath(path(c.blocked)));
        }
        fake().messages.clear();
        fake().paths.push_back(path(c.chosen));
        commandsOf<PublishingCommands>(*program.form).exportHtml();

        ASSERT_EQ(fake().messages.size(), 1) << QString::fromUtf16(c.chosen).toStdString();
        const FakePlatform::Message& m = fake().messages[0];
        EXPECT_EQ(m.icon, platform::Icon::Critical);
        EXPECT_EQ(m.text, QStringLiteral(u"Файл ") + QDir::toNativeSeparators(path(c.reported)) +
                              QLatin1Char(' ') + cp1251::toUnicode(accessEntry));
        EXPECT_EQ(QFileInfo(path(u"x.bmp")).isFile(), c.filesLeft > 0);
        EXPECT_FALSE(QFileInfo(path(u"x.htm")).isFile());
        // Nothing half-written is left behind.
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), c.filesLeft);
    }
}

TEST_F(ExportWindow, FailedWriteIsReportedAndKeepsThatFilesPreviousContent) {
    author({"..", "##"}, {{1, 0, u"ab", u"c"}});
    const QByteArray failedEntry = program.state.language.entry(LangEntry::NotWritten);
    ASSERT_FALSE(failedEntry.isEmpty());
    const QString page = outPath(QStringLiteral("x.htm"));
    const QString grid = outPath(QStringLiteral("x.bmp"));
    const QString answers = outPath(QStringLiteral(u"x (ответы).bmp"));
    struct Case {
        const char* what;
        rlim_t limit;
        QString failing;
        QStringList replaced; // none: the three files replace theirs together or not at all
    };
    // The pictures take a few kilobytes; the long clue below makes the page larger.
    const Case cases[] = {{"grid picture", 16, grid, {}}, {"page", 10'000, page, {}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (const QString& path : {page, grid, answers}) {
            QFile f(path);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write("old " + path.toUtf8());
        }
        doc().SlotTexts.set(1, 0, 0, QByteArray(20'000, 'x'));
        doc().Modified = true;
        fake().messages.clear();
        fake().answers = {platform::Answer::Yes}; // replace the files already there
        {
            const FileSizeLimit limit(c.limit);
            ASSERT_TRUE(limit.active());
            exportTo(page);
        }
        ASSERT_EQ(fake().messages.size(), 2);
        const FakePlatform::Message& m = fake().messages[1];
        EXPECT_EQ(m.icon, platform::Icon::Critical);
        EXPECT_EQ(m.text, QStringLiteral(u"Файл ") + QDir::toNativeSeparators(c.failing) +
                              QLatin1Char(' ') + cp1251::toUnicode(failedEntry));
        for (const QString& path : {page, grid, answers}) {
            QFile f(path);
            ASSERT_TRUE(f.open(QIODevice::ReadOnly));
            EXPECT_EQ(f.readAll() == "old " + path.toUtf8(), !c.replaced.contains(path))
                << path.toStdString();
        }
        EXPECT_EQ(QDir(out.path()).entryList(QDir::Files).size(), 3);
        EXPECT_TRUE(doc().Modified);
    }
}

TEST_F(ExportWindow, AsksBeforeReplacingAnExistingFile) {
    author({"..", "##"}, {{1, 0, u"ab", u"c"}});
    const QString page = outPath(QStringLiteral("x.htm"));
    {
        QFile f(page);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("mine");
    }
    for (const platform::Answer answer : {platform::Answer::No, platform::Answer::Yes}) {
        fake().messages.clear();
        fake().answers.push_back(answer);
        exportTo(page);
        ASSERT_EQ(fake().messages.size(), 1);
        const FakePlatform::Message& m = fake().messages[0];
        EXPECT_EQ(m.icon, platform::Icon::Warning);
        EXPECT_EQ(m.buttons, platform::Buttons::YesNo);
        EXPECT_EQ(m.defaultButton, platform::Answer::No);
        EXPECT_TRUE(m.text.startsWith(QStringLiteral(u"Файл ") + QDir::toNativeSeparators(page)));
        QFile f(page);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(f.readAll() == "mine", answer == platform::Answer::No);
        EXPECT_EQ(QFile::exists(outPath(QStringLiteral("x.bmp"))), answer == platform::Answer::Yes);
    }
}

TEST_F(ExportWindow, CancelWritesNothingAndOtherModesDoNothing) {
    author({"..", "##"}, {{1, 0, u"ab", u"c"}});
    const QString folder = program.state.SamplesFolder;
    commandsOf<PublishingCommands>(*program.form).exportHtml(); // the dialog answers "" (cancel)
    EXPECT_EQ(fake().fileDialogs.size(), 1);
    EXPECT_EQ(program.state.SamplesFolder, folder);
    EXPECT_TRUE(fake().messages.isEmpty());

    doc().Mode = EditMode::ModeSolve;
    program.form->updateControlsForMode();
    EXPECT_FALSE(actionNamed(*program.form, "exportHtmlAction")->isEnabled());
    commandsOf<PublishingCommands>(*program.form).exportHtml();
    EXPECT_EQ(fake().fileDialogs.size(), 1);
}

namespace {

// The picture references of a written page as a browser takes them: entities undone, the
// page's Windows-1251 decoded, resolved against the page's own address.
QStringList referencedFiles(const QString& pagePath, QByteArrayList& raw) {
    QFile f(pagePath);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray page = f.readAll();
    QStringList files;
    for (qsizetype at = 0; (at = page.indexOf("<img src='", at)) >= 0;) {
        at += 10;
        QByteArray ref = page.mid(at, page.indexOf('\'', at) - at);
        raw << ref;
        ref.replace("&#39;", "'").replace("&quot;", "\"").replace("&lt;", "<");
        ref.replace("&gt;", ">").replace("&amp;", "&");
        const QUrl url(cp1251::toUnicode(ref));
        files << QUrl::fromLocalFile(pagePath).resolved(url).toLocalFile();
    }
    return files;
}

} // namespace

TEST_F(ExportWindow, PictureReferencesLeadToThePicturesWhateverTheName) {
    author({"..", "##"}, {{1, 0, u"ab", u"c"}});
    const char16_t* chosen[] = {
        u"50%41 #1?", u"c:d", u"&'x'.htm", u"Зима✓",
#ifndef Q_OS_WIN
        u"a\\b", // one file name here
#endif
    };
    for (const char16_t* name : chosen) {
        const QString path = outPath(QString::fromUtf16(name));
        SCOPED_TRACE(path.toStdString());
        const ExportNames names = exportNames(path);
        exportTo(path);
        ASSERT_TRUE(fake().messages.isEmpty());
        ASSERT_TRUE(QFileInfo(names.page).isFile());
        QByteArrayList raw;
        EXPECT_EQ(referencedFiles(names.page, raw),
                  QStringList({names.gridPicture, names.answersPicture}));
        EXPECT_TRUE(QFileInfo(names.gridPicture).isFile());
        EXPECT_TRUE(QFileInfo(names.answersPicture).isFile());
        // Browsers, unlike QUrl, take a backslash for "/".
        for (const QByteArray& ref : raw)
            EXPECT_FALSE(ref.contains('\\')) << ref.toStdString();
        EXPECT_EQ(QDir(out.path()).entryList(QDir::Files).size(), 3);
        for (const QString& file : QDir(out.path()).entryList(QDir::Files))
            QFile::remove(outPath(file));
    }
}

TEST_F(ExportWindow, LanguageEntriesCannotInjectMarkup) {
    QByteArray language = program.folder.read(QStringLiteral("Language/Russian.txt"));
    ASSERT_TRUE(language.endsWith("\r\n"));
    language += "8 <script>document.title='8'</script>\r\n"
                "55 <img src=x onerror=\"document.title='55'\">\r\n"
                "67 <script>document.title='67'</script>\r\n"
                "68 <b>&amp;</b>\r\n";
    program.folder.write(QStringLiteral("Language/Hostile.txt"), language);
    program.form->loadLanguage("Hostile.txt");
    ASSERT_EQ(program.state.language.entry(LangEntry::Across),
              "<script>document.title='67'</script>");
    author(kRing, {{1, 0, u"кот", u"a"}, {1, 1, u"кит", u"b"}});
    exportTo(outPath(QStringLiteral("x")));
    ASSERT_TRUE(fake().messages.isEmpty());

    QFile f(outPath(QStringLiteral("x.htm")));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray page = f.readAll();
    EXPECT_FALSE(page.contains("<script"));
    EXPECT_FALSE(page.contains("<img src=x"));
    EXPECT_FALSE(page.contains("<b>&amp;"));
    EXPECT_EQ(page.count("<img "), 2);
    EXPECT_TRUE(page.startsWith(
        "<html><head><meta http-equiv='Content-Type' content='text/html; charset=windows-1251'>"
        "<title>&lt;script&gt;document.title=&#39;8&#39;&lt;/script&gt;: "));
    EXPECT_EQ(page.count("<b>&lt;script&gt;document.title=&#39;67&#39;&lt;/script&gt;</b>"), 2);
    EXPECT_EQ(page.count("<b>&lt;b&gt;&amp;amp;&lt;/b&gt;</b>"), 2);
    EXPECT_EQ(page.count("&lt;img src=x onerror=&quot;document.title=&#39;55&#39;&quot;&gt; " +
                         cp(u"Иванов")),
              2);
}

// The screen and the export pictures come from one cell painter: a lettered cell, numbered or
// not, is the same square of pixels on the screen and in the answers picture, in both styles
// (the turned one puts it where the cell turned by 180° lies) and at other cell and number
// sizes, but for its letter: fitted beside the number on the screen, where the letter font
// puts it in the picture.
TEST_F(ExportWindow, AnswersPictureCellsAreTheScreensCells) {
    struct Case {
        int style, cellSize, numberSize;
    };
    for (const Case& c : {Case{0, 20, 1}, Case{1, 20, 1}, Case{0, 33, 2}, Case{1, 27, 3}}) {
        SCOPED_TRACE(testing::Message() << "style " << c.style << " cell " << c.cellSize
                                        << " number " << c.numberSize);
        program.state.settings.ChosenStyle = c.style;
        program.state.settings.CellSize = c.cellSize;
        program.state.settings.NumberSize = c.numberSize;
        program.form->applyLetterFont();
        author(kRing, {{1, 0, u"кот", u"a"}, {1, 1, u"кит", u"b"}, {3, 0, u"тон", u"c"}});
        program.state.session.showForSetup(program.state.session.shownStyle());
        part::gridView(*program.form)->drawGrid();
        const QImage screen = part::gridView(*program.form)->picture()->image();
        const Pictures p = exportPictures();
        const FieldGeometry onScreen(c.cellSize, 4, 3);
        const FieldGeometry exported = FieldGeometry::exported(c.cellSize, 4, 3, c.style);
        ASSERT_EQ(p.answers.size(), exported.closedSize());
        // (0, 0) holds 1 with К, (1, 0) the plain О, (0, 2) holds 3 with Т, (1, 2) the plain О.
        for (const QPoint& cell : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 2), QPoint(1, 2)}) {
            const QRect s = onScreen.square(cell.x(), cell.y());
            const QRect e = exported.square(cell.x(), cell.y());
            // Where either letter inks, with a pixel of smoothing around.
            const GridView& view = *part::gridView(*program.form);
            const PictureBox& exportPicture =
                *program.form->findChild<PictureBox*>(QStringLiteral("exportPicture"));
            const QChar letter = cell.x() == 1   ? QChar(u'О')
                                 : cell.y() == 0 ? QChar(u'К')
                                                 : QChar(u'Т');
            const QRect letters = (view.cellPainter(onScreen)
                                       .letterInk(*view.picture(), cell.x(), cell.y(), letter, 0)
                                       .translated(-s.topLeft()) |
                                   view.exportPainter(exported)
                                       .letterInk(exportPicture, cell.x(), cell.y(), letter,
                                                  program.form->letterOffset())
                                       .translated(-e.topLeft()))
                                      .adjusted(-1, -1, 1, 1);
            bool ink = false;
            for (int dy = 0; dy < s.height(); ++dy)
                for (int dx = 0; dx < s.width(); ++dx) {
                    const QColor shown(screen.pixel(s.x() + dx, s.y() + dy));
                    ink = ink || (shown.red() > 200 && shown.green() < 120);
                    if (letters.contains(dx, dy))
                        continue;
                    ASSERT_EQ(shown, at(p.answers, e.x() + dx, e.y() + dy))
                        << cell.x() << "," << cell.y() << " at " << dx << "," << dy;
                }
            EXPECT_TRUE(ink) << cell.x() << "," << cell.y(); // the letter is there
        }
        // The grid picture's 1, from the digit strip of the number size.
        const QPoint n = exported.numberAt(0, 0);
        const int k = c.numberSize;
        const PictureBox& strip =
            *part::digitStrips(*program.form)[static_cast<std::size_t>(k - 1)];
        for (int dy = 0; dy < strip.pictureHeight(); ++dy)
            for (int dx = 0; dx < 5 * k; ++dx)
                ASSERT_EQ(at(p.grid, n.x() + dx, n.y() + dy), strip.pixel(5 * k + dx, dy));
        QFile::remove(outPath(QStringLiteral("x.htm")));
        QFile::remove(outPath(QStringLiteral("x.bmp")));
        QFile::remove(outPath(QStringLiteral(u"x (ответы).bmp")));
        fake().answers.clear();
    }
}
