// The conversion in-process: the same HTML export as the window's, without the window.
#include "app/Convert.h"
#include "app/Conversion.h"
#include "files/CrosswordFile.h"
#include "grid/ShownGrid.h"
#include "words/Placement.h"

#include "support/Crosswords.h"
#include "support/FileBytes.h"
#include "support/GridPattern.h"
#include "support/ui/RunningProgram.h"

#include <QAction>
#include <QDir>
#include <QFile>
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
    program.form->exportHtmlAction->trigger();
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

TEST_F(Convert, APageThatCannotBeWrittenTakesItsNewPicturesAway) {
    // A folder in the page's place: the pictures are written first, then the page fails.
    ASSERT_TRUE(QDir(out.path()).mkpath(QStringLiteral("z.htm")));
    const ConvertRun run =
        convertCrossword(program.state, saved, outPath(QStringLiteral("z.htm")), {});
    EXPECT_EQ(run.exitCode, convert::kWriteFailed);
    EXPECT_TRUE(run.message.contains("z.htm")) << run.message.constData();
    EXPECT_EQ(QDir(out.path()).entryList(QDir::Files), QStringList{QStringLiteral("z.cfw")});
}

} // namespace
