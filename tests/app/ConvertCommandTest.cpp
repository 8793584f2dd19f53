// `clueforge --convert IN OUT`: the built program converting without a display.
#include "ProgramRun.h"

#include "support/FileBytes.h"
#include "support/FilledCrossword.h"

#include "app/Settings.h"
#include "files/CrosswordFile.h"
#include "files/ScrambleTables.h"
#include "grid/CrosswordDocument.h"
#include "text/CodePage.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// The portable copy (its settings name no language: Russian) converting in a work folder, with
// no window system named at all.
class ConvertCommand : public testing::Test {
protected:
    PortableCopy copy;
    QTemporaryDir work;

    QString sample(const char* name) const {
        return copy.folder + QStringLiteral("Samples/") + QLatin1String(name);
    }
    QString workPath(const QString& name) const { return work.filePath(name); }
    ProgramRun convert(const QStringList& arguments) const {
        return runProgram(copy.executable, QStringList{QStringLiteral("--convert")} + arguments,
                          headlessEnvironment(copy.home, false), work.path());
    }
    QStringList workFiles() const {
        QStringList files = QDir(work.path()).entryList(QDir::Files);
        files.sort();
        return files;
    }
};

TEST_F(ConvertCommand, ACrosswordGoesToIpuzAndBackByteForByte) {
    for (const char* name : {"Sample-en.cfw", "Sample-ru.cfw", "Sample-ru-grid.cfw"}) {
        SCOPED_TRACE(name);
        const ProgramRun there = convert({sample(name), QStringLiteral("x.ipuz")});
        EXPECT_EQ(there.exitCode, 0) << there.err.constData();
        EXPECT_EQ(there.out + there.err, "");
        // The samples carry the empty password.
        const ProgramRun back = convert({QStringLiteral("x.ipuz"), QStringLiteral("x.cfw"),
                                         QStringLiteral("--password"), QString()});
        EXPECT_EQ(back.exitCode, 0) << back.err.constData();
        EXPECT_EQ(back.out + back.err, "");
        EXPECT_EQ(fileBytes(workPath(QStringLiteral("x.cfw"))), fileBytes(sample(name)));
    }
}

TEST_F(ConvertCommand, TheSavedCrosswordOpensWithTheGivenPassword) {
    const ProgramRun run = convert({sample("Sample-ru.cfw"), QStringLiteral("locked.cfw"),
                                    QStringLiteral(u"--password=тайна 1")});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    CrosswordDocument doc;
    ASSERT_EQ(ReadCrosswordFile(workPath(QStringLiteral("locked.cfw")), doc).status,
              FileStatus::Ok);
    EXPECT_EQ(UnscrambleText(doc.Scramble, doc.CrosswordPassword), cp1251::fromUnicode(u"тайна 1"));
    EXPECT_EQ(doc.CrosswordAuthor, "Clueforge");
}

TEST_F(ConvertCommand, ThePageWithItsPicturesThePdfAndTheSvg) {
    for (const char* out : {"page.htm", "print.pdf", "grid.svg"}) {
        const ProgramRun run = convert({sample("Sample-ru.cfw"), QLatin1String(out)});
        EXPECT_EQ(run.exitCode, 0) << out << run.err.constData();
        EXPECT_EQ(run.out + run.err, "") << out;
    }
    EXPECT_EQ(workFiles(),
              (QStringList{QStringLiteral("grid.svg"), QStringLiteral(u"page (ответы).bmp"),
                           QStringLiteral("page.bmp"), QStringLiteral("page.htm"),
                           QStringLiteral("print.pdf")}));
    const QByteArray page = fileBytes(workPath(QStringLiteral("page.htm")));
    EXPECT_TRUE(page.contains("page.bmp")) << page.constData();
    EXPECT_TRUE(page.contains(cp1251::fromUnicode(u"Первый кроссворд")));
    for (const QString& picture :
         {QStringLiteral("page.bmp"), QStringLiteral(u"page (ответы).bmp")})
        EXPECT_TRUE(fileBytes(workPath(picture)).startsWith("BM"));
    EXPECT_TRUE(fileBytes(workPath(QStringLiteral("print.pdf"))).startsWith("%PDF"));
    EXPECT_TRUE(fileBytes(workPath(QStringLiteral("grid.svg"))).contains("<svg"));
}

TEST_F(ConvertCommand, AnswersAddTheAnswersPageToThePdfAndTheLettersToTheSvg) {
    for (const QStringList& arguments :
         {QStringList{sample("Sample-ru.cfw"), QStringLiteral("plain.pdf")},
          QStringList{sample("Sample-ru.cfw"), QStringLiteral("answers.pdf"),
                      QStringLiteral("--answers")},
          QStringList{sample("Sample-ru.cfw"), QStringLiteral("plain.svg")},
          QStringList{sample("Sample-ru.cfw"), QStringLiteral("answers.svg"),
                      QStringLiteral("--answers")}})
        ASSERT_EQ(convert(arguments).exitCode, 0) << arguments.join(u' ').toStdString();
    // The page tree's count of pages.
    EXPECT_TRUE(fileBytes(workPath(QStringLiteral("plain.pdf"))).contains("/Count 1\n"));
    EXPECT_TRUE(fileBytes(workPath(QStringLiteral("answers.pdf"))).contains("/Count 2\n"));
    const QByteArray letter = QStringLiteral(u"К").toUtf8();
    EXPECT_FALSE(fileBytes(workPath(QStringLiteral("plain.svg"))).contains(letter));
    EXPECT_TRUE(fileBytes(workPath(QStringLiteral("answers.svg"))).contains(letter));
}

TEST_F(ConvertCommand, FailuresEndWithTheirCodeAMessageInTheLanguageAndNothingWritten) {
    QFile bad(workPath(QStringLiteral("bad.ipuz")));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("{\"version\": ");
    bad.close();
    const QString ru = sample("Sample-ru.cfw");
    struct Case {
        QStringList arguments;
        int exitCode;
        const char16_t* message;
    };
    const Case cases[] = {
        {{ru}, 2, u"Вызов: clueforge --convert"},
        {{ru, QStringLiteral("a"), QStringLiteral("b.pdf")}, 2, u"Вызов: clueforge --convert"},
        {{ru, QStringLiteral("out.doc")}, 2, u"преобразовать нельзя: out.doc"},
        {{QStringLiteral("page.htm"), QStringLiteral("out.cfw"), QStringLiteral("--password=")},
         2,
         u"преобразовать нельзя: page.htm"},
        {{ru, QStringLiteral("out.cfw")}, 2, u"--password"},
        {{ru, QStringLiteral("out.pdf"), QStringLiteral("--bogus")}, 2, u"Вызов"},
        {{QStringLiteral("missing.cfw"), QStringLiteral("out.ipuz")}, 4, u"missing.cfw не найден"},
        {{QStringLiteral("bad.ipuz"), QStringLiteral("out.svg")}, 4, u"bad.ipuz: Файл не"},
        {{ru, QStringLiteral("no/such/folder/out.svg")}, 5, u"out.svg"},
        {{ru, QStringLiteral("no/such/folder/out.htm")}, 5, u"out.bmp"},
    };
    for (const Case& c : cases) {
        const ProgramRun run = convert(c.arguments);
        SCOPED_TRACE(c.arguments.join(u' ').toStdString());
        EXPECT_EQ(run.exitCode, c.exitCode);
        EXPECT_TRUE(run.err.contains(QString::fromUtf16(c.message).toUtf8()))
            << run.err.constData();
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(workFiles(), QStringList{QStringLiteral("bad.ipuz")});
    }
}

TEST_F(ConvertCommand, SpeaksTheLanguageTheSettingsName) {
    Settings settings;
    settings.LanguageFileName = "English.txt";
    ASSERT_EQ(writeSettingsFile(copy.folder, settings), SettingsWriteResult::Ok);
    const ProgramRun run = convert({sample("Sample-en.cfw"), QStringLiteral("out.cfw")});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.contains("A crossword file is saved with a password"))
        << run.err.constData();
}

TEST(CommandLineConvert, HelpNamesTheConversionAndItsExitCodes) {
    QTemporaryDir home;
    const ProgramRun help = runProgram(builtExecutable(), {QStringLiteral("--help")},
                                       headlessEnvironment(home.path(), false));
    EXPECT_EQ(help.exitCode, 0);
    for (const char* text : {"--convert", "--password <TEXT>", "2 bad command line",
                             "4 unreadable input", "5 failed write", "6 password needed"})
        EXPECT_TRUE(help.out.simplified().contains(text)) << text << help.out.constData();
}

} // namespace

TEST_F(ConvertCommand, WebMakesOnePageToSolveAndNothingBesideIt) {
    for (const char* out : {"page.html", "page.htm"}) {
        const ProgramRun run =
            convert({sample("Sample-ru.cfw"), QLatin1String(out), QStringLiteral("--web")});
        EXPECT_EQ(run.exitCode, 0) << run.err.constData();
        EXPECT_EQ(run.err, "");
        const QByteArray page = fileBytes(workPath(QLatin1String(out)));
        EXPECT_TRUE(page.contains("role=\"grid\"")) << out;
        EXPECT_TRUE(page.contains("<html lang=\"ru\">")) << out;
    }
    EXPECT_EQ(workFiles(), (QStringList{QStringLiteral("page.htm"), QStringLiteral("page.html")}));
    const ProgramRun pdf =
        convert({sample("Sample-ru.cfw"), QStringLiteral("page.pdf"), QStringLiteral("--web")});
    EXPECT_EQ(pdf.exitCode, 2);
    EXPECT_TRUE(pdf.err.contains(QStringLiteral(u"Вызов").toUtf8())) << pdf.err.constData();
}

TEST_F(ConvertCommand, APasswordProtectedCrosswordBecomesAPageOnlyWithItsPassword) {
    const QString locked = workPath(QStringLiteral("locked.cfw"));
    CrosswordDocument withAnswers = houseCrossword().build();
    ASSERT_EQ(WriteCrosswordFile(locked, withAnswers), FileStatus::Ok);
    const QString page = QStringLiteral("page.html");
    const struct {
        QStringList extra;
        int exitCode;
    } cases[] = {
        {{}, 6},
        {{QStringLiteral("--password=")}, 6},
        {{QStringLiteral(u"--password=секрет")}, 6},
        {{QStringLiteral(u"--password=Секрет")}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.extra.join(u' ').toStdString());
        QFile::remove(workPath(page));
        const ProgramRun run =
            convert(QStringList{locked, page, QStringLiteral("--web")} + c.extra);
        EXPECT_EQ(run.exitCode, c.exitCode);
        EXPECT_EQ(QFile::exists(workPath(page)), c.exitCode == 0);
        if (c.exitCode != 0) {
            EXPECT_TRUE(run.err.contains(QStringLiteral(u"Кроссворд защищён паролем").toUtf8()))
                << run.err.constData();
        }
    }
    // Without answers there is nothing to reveal.
    CrosswordDocument withoutAnswers = houseCrossword(1).build();
    ASSERT_EQ(WriteCrosswordFile(locked, withoutAnswers), FileStatus::Ok);
    EXPECT_EQ(convert({locked, page, QStringLiteral("--web")}).exitCode, 0);
}
