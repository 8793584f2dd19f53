// The conversion in-process: the same HTML export as the window's, without the window.
#include "app/Convert.h"
#include "app/Conversion.h"
#include "files/CrosswordFile.h"
#include "files/ScrambleTables.h"
#include "grid/ShownGrid.h"
#include "support/ui/Commands.h"
#include "words/Placement.h"

#include "support/Crosswords.h"
#include "support/FileBytes.h"
#include "support/GridPattern.h"
#include "support/ui/RunningProgram.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using fixtures::cp;

namespace {

// The program in Russian with a crossword authored in its window and saved as `z.cfw`.
class Convert : public testing::Test {
protected:
    RunningProgram program;
    QTemporaryDir out;
    QString saved = out.filePath(QStringLiteral("z.cfw"));

    void SetUp() override {
        program.installLanguage("Russian.txt");
        program.start();
        // Settings other than the defaults, so that the converter is seen to take them.
        Settings& s = program.state.settings;
        s.CellSize = 27;
        s.NumberSize = 2;
        s.LetterColor = 0x0000FF;
        program.form->applyLetterFont();
        CrosswordDocument& doc = program.state.session.documentForSetup();
        doc = analysedGrid({"...#", ".#.#", "...#"});
        doc.CrosswordTitle = cp(u"Зима");
        doc.CrosswordAuthor = cp(u"Иванов");
        doc.Scramble = BuildScrambleTables(doc.CrosswordTitle);
        ASSERT_EQ(PlaceAnswer(doc, 1, 0, cp(u"кот"), cp(u"Домашний зверь")).kind,
                  PlacementOutcome::Kind::Placed);
        ASSERT_EQ(PlaceAnswer(doc, 1, 1, cp(u"кит"), cp(u"Морской зверь")).kind,
                  PlacementOutcome::Kind::Placed);
        buildShownGrid(doc, 0);
        program.form->updateControlsForMode();
        CrosswordDocument copy = doc;
        ASSERT_EQ(WriteCrosswordFile(saved, copy), FileStatus::Ok);
    }
    QString outPath(const QString& name) const { return out.filePath(name); }
};

TEST_F(Convert, WritesThePageAndPicturesTheWindowExports) {
    ASSERT_TRUE(QDir(out.path()).mkpath(QStringLiteral("window")));
    ASSERT_TRUE(QDir(out.path()).mkpath(QStringLiteral("converted")));
    program.fake.paths.push_back(outPath(QStringLiteral("window/z.htm")));
    actionNamed(*program.form, "exportHtmlAction")->trigger();
    ASSERT_TRUE(program.fake.messages.isEmpty());

    const ConvertRun run =
        convertCrossword(program.state, saved, outPath(QStringLiteral("converted/z.htm")), {});
    EXPECT_EQ(run.exitCode, convert::kConverted) << run.message.constData();
    for (const QString& name :
         {QStringLiteral("z.htm"), QStringLiteral("z.bmp"), QStringLiteral(u"z (ответы).bmp")}) {
        const QByteArray window = fileBytes(outPath(QStringLiteral("window/") + name));
        EXPECT_FALSE(window.isEmpty()) << name.toStdString();
        EXPECT_EQ(fileBytes(outPath(QStringLiteral("converted/") + name)), window)
            << name.toStdString();
    }
}

// A page that cannot be written (a folder in its place) leaves the pictures of its names as
// they were: the conversion and the window's export write all three files or none.
TEST_F(Convert, AnExportThatFailsLeavesEveryFileAsItWas) {
    ASSERT_TRUE(QDir(out.path()).mkpath(QStringLiteral("z.htm")));
    const ConvertRun run =
        convertCrossword(program.state, saved, outPath(QStringLiteral("z.htm")), {});
    EXPECT_EQ(run.exitCode, convert::kWriteFailed);
    EXPECT_TRUE(run.message.contains("z.htm")) << run.message.constData();
    EXPECT_EQ(QDir(out.path()).entryList(QDir::Files), QStringList{QStringLiteral("z.cfw")});

    const QString grid = outPath(QStringLiteral("z.bmp"));
    const QString answers = outPath(QStringLiteral(u"z (ответы).bmp"));
    for (const QString& mine : {grid, answers}) {
        QFile f(mine);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("mine");
    }
    EXPECT_EQ(convertCrossword(program.state, saved, outPath(QStringLiteral("z.htm")), {}).exitCode,
              convert::kWriteFailed);
    EXPECT_EQ(fileBytes(grid), "mine");
    EXPECT_EQ(fileBytes(answers), "mine");

    program.fake.paths.push_back(outPath(QStringLiteral("z.htm")));
    program.fake.answers.push_back(platform::Answer::Yes); // replace z.bmp
    actionNamed(*program.form, "exportHtmlAction")->trigger();
    EXPECT_FALSE(program.fake.messages.isEmpty());
    EXPECT_EQ(fileBytes(grid), "mine");
    EXPECT_EQ(fileBytes(answers), "mine");
    EXPECT_EQ(QDir(out.path()).entryList(QDir::Files).size(), 3);
}

// Of a crossword with a password, only a PDF or SVG without answers goes without it; a
// password the crossword file cannot hold is a bad command line.
TEST_F(Convert, APasswordProtectedCrosswordRevealsItsAnswersOnlyWithItsPassword) {
    CrosswordDocument doc;
    ASSERT_EQ(ReadCrosswordFile(saved, doc).status, FileStatus::Ok);
    doc.CrosswordPassword = ScrambleText(doc.Scramble, cp(u"тайна"));
    const QString locked = outPath(QStringLiteral("locked.cfw"));
    ASSERT_EQ(WriteCrosswordFile(locked, doc), FileStatus::Ok);
    EXPECT_TRUE(convert::mayRevealAnswers(doc, cp(u"тайна")));
    EXPECT_FALSE(convert::mayRevealAnswers(doc, std::nullopt));
    EXPECT_FALSE(convert::mayRevealAnswers(doc, QByteArray()));
    EXPECT_FALSE(convert::mayRevealAnswers(doc, cp(u"ТАЙНА")));

    struct Case {
        const char* out;
        bool answers;
        std::optional<QString> password;
        int exitCode;
    };
    const QString right = QStringLiteral(u"тайна");
    const Case cases[] = {
        {"a.ipuz", false, {}, convert::kPasswordRequired},
        {"a.htm", false, {}, convert::kPasswordRequired},
        {"a.pdf", true, {}, convert::kPasswordRequired},
        {"a.svg", true, {}, convert::kPasswordRequired},
        {"a.cfw", false, QStringLiteral("mine"), convert::kPasswordRequired},
        {"a.ipuz", false, QStringLiteral("wrong"), convert::kPasswordRequired},
        {"q.pdf", false, {}, convert::kConverted},
        {"q.svg", false, {}, convert::kConverted},
        {"b.ipuz", false, right, convert::kConverted},
        {"b.cfw", false, right, convert::kConverted},
        {"b.pdf", true, right, convert::kConverted},
        {"c.cfw", false, QStringLiteral(u"€uro😀"), convert::kBadCommandLine},
        {"c.cfw", false, QString(40000, QLatin1Char('x')), convert::kBadCommandLine},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.out);
        ConvertOptions options;
        options.answers = c.answers;
        options.password = c.password;
        const QString target = outPath(QLatin1String(c.out));
        const ConvertRun run = convertCrossword(program.state, locked, target, options);
        EXPECT_EQ(run.exitCode, c.exitCode) << run.message.constData();
        EXPECT_EQ(QFileInfo::exists(target), c.exitCode == convert::kConverted);
    }
    CrosswordDocument resaved;
    ASSERT_EQ(ReadCrosswordFile(outPath(QStringLiteral("b.cfw")), resaved).status, FileStatus::Ok);
    EXPECT_EQ(UnscrambleText(resaved.Scramble, resaved.CrosswordPassword), cp(u"тайна"));
}

} // namespace
