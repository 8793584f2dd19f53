#include "FileFixtures.h"

#include "app/AppState.h"
#include "app/Settings.h"
#include "app/language/LanguageFile.h"
#include "files/AnswersFile.h"
#include "files/CrosswordFile.h"
#include "fill/FillWords.h"
#include "fill/LexiconCache.h"
#include "ipuz/IpuzFile.h"
#include "support/SameCrossword.h"
#include "support/StuckPipe.h"
#include "support/WordListFolder.h"
#include "words/WordList.h"

#include <QBuffer>
#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Every reader of a file named by the user or by another file: a pipe in the file's place is
// refused at once, as an unusable file, and changes nothing held.
TEST(NonRegularFiles, APipeIsRefusedAtOnceByEveryReader) {
    QTemporaryDir dir;
    const QString pipe = dir.filePath(QStringLiteral("pipe"));

    {
        const StuckPipe stuck(pipe, bytesWrittenBy([](QIODevice& d) {
                                  return WriteCrosswordFile(d, sampleCrossword());
                              }));
        ASSERT_TRUE(stuck.made());
        CrosswordDocument doc = sampleCrossword(false);
        const CrosswordDocument before = doc;
        const CrosswordReadResult r = ReadCrosswordFile(pipe, doc);
        EXPECT_EQ(r.status, FileStatus::Unusable);
        EXPECT_EQ(fileMessageEntry(r.status), LangEntry::NotOpened);
        expectSameCrossword(doc, before);
    }
    QDir(dir.path()).remove(QStringLiteral("pipe"));
    {
        const StuckPipe stuck(pipe, line("x.cfw") + line("T") + num(0) + num(1) + num(0));
        AnswersFileContent content;
        content.CrosswordTitle = "held";
        EXPECT_EQ(ReadAnswersFile(pipe, content), FileStatus::Unusable);
        EXPECT_EQ(content.CrosswordTitle, "held");
    }
    QDir(dir.path()).remove(QStringLiteral("pipe"));

    // The settings file and the language files of the program folder.
    const QString folder = dir.path() + QLatin1Char('/');
    Settings rescued;
    rescued.LetterFontName = "Rescued";
    const StuckPipe settings(
        folder + QLatin1String(Settings::kFileName),
        bytesWrittenBy([&rescued](QIODevice& d) { return writeSettings(d, rescued); }));
    Settings read;
    readSettingsFile(folder, read);
    EXPECT_EQ(read, Settings());

    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("Language")));
    const StuckPipe language(dir.filePath(QStringLiteral("Language/Pipe.txt")),
                             "Rescued\r\n1 x\r\n");
    AppState state(folder);
    EXPECT_EQ(loadLanguageFile(state, "Pipe.txt"), LanguageOpenError::Other);
    EXPECT_FALSE(state.language.loaded);
    EXPECT_EQ(readLanguageName(dir.filePath(QStringLiteral("Language/Pipe.txt"))), std::nullopt);
}

// The readers of the word lists, the never-use lists and ipuz files go through the same check:
// a pipe in the place of Data/never.txt or Data/5.dat, of the program's folder or the user's,
// or of an ipuz file, is passed over at once (the rescuing writer would add the words).
TEST(NonRegularFiles, WordListsNeverListsAndIpuzFilesInPipesArePassedOver) {
    for (const bool inUserFolder : {false, true}) {
        SCOPED_TRACE(inUserFolder ? "user folder" : "program folder");
        TempProgramFolder program, user;
        writeWords(program, 3, {"CAT", "DOG"});
        const TempProgramFolder& piped = inUserFolder ? user : program;
        QDir().mkpath(piped.path() + QStringLiteral("Data"));
        QBuffer five;
        five.open(QIODevice::WriteOnly);
        words::writeWordList(five, 5, {"HORSE"});
        const StuckPipe list(words::wordListPath(piped.path(), 5), five.data());
        const StuckPipe never(fill::neverListPath(piped.path()), "CAT\n");
        ASSERT_TRUE(list.made() && never.made());

        const fill::Lexicon lexicon = fill::loadLexicon({program.path(), user.path()});
        EXPECT_EQ(lexicon.wordCount(3), 2);
        EXPECT_EQ(lexicon.wordCount(5), 0);
        fill::LexiconCache cache;
        EXPECT_TRUE(cache.load({program.path(), user.path()})->contains("CAT"));
        words::WordListCache lists;
        EXPECT_EQ(words::findWords(lists, piped.path(), "?????").count(), 0);
    }

    QTemporaryDir dir;
    const QString pipe = dir.filePath(QStringLiteral("pipe.ipuz"));
    const StuckPipe stuck(pipe, R"({"version":"http://ipuz.org/v2"})");
    ASSERT_TRUE(stuck.made());
    CrosswordDocument doc = sampleCrossword(false);
    const CrosswordDocument before = doc;
    EXPECT_EQ(ipuz::readIpuzFile(pipe, doc).kind, ipuz::ReadProblem::Kind::OpenFailed);
    expectSameCrossword(doc, before);
}

} // namespace
