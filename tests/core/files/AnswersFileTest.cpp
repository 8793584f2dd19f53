#include "FileFixtures.h"
#include "OlderAnswersReader.h"

#include "files/AnswersFile.h"
#include "files/CrosswordFile.h"
#include "support/FailingDevice.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray written(const CrosswordDocument& doc) {
    return bytesWrittenBy([&doc](QIODevice& d) { return WriteAnswersFile(d, doc); });
}

FileStatus readBytes(const QByteArray& bytes, AnswersFileContent& content) {
    return readFrom(bytes, [&content](QIODevice& d) { return ReadAnswersFile(d, content); });
}

// The sample crossword being solved, as the crossword reader leaves it.
CrosswordDocument solving(bool withAnswers) {
    CrosswordDocument doc = sampleCrossword(withAnswers);
    doc.Mode = withAnswers ? EditMode::ModeSolve : EditMode::ModeSolveNoAnswers;
    if (!withAnswers)
        doc.SlotTexts = Table<QByteArray>::withBounds(3, 1);
    doc.CrosswordPath = QStringLiteral("/home/u/Кроссворды/Дом, копия.cfw");
    doc.Modified = false;
    return doc;
}

void solve(CrosswordDocument& doc, int k, int d, const QByteArray& word = {}) {
    doc.SolvedFlags.set(k, d, 1);
    ++doc.SolvedCount;
    if (doc.NoAnswers)
        doc.SlotTexts.set(k, d, word);
}

// The file of additions beside an answers file: the crossword's title, the time in seconds, the
// hints used, then the revealed words and the revealed cells, each list counted.
QByteArray additions(const QByteArray& title, int seconds, int letters, int words,
                     const QList<int>& revealedWords = {}, const QList<int>& revealedCells = {}) {
    QByteArray bytes = line("[Clueforge: time and hints]") + num(1) + line(title) + num(seconds) +
                       num(letters) + num(words) + num(int(revealedWords.size() / 2));
    for (const int v : revealedWords)
        bytes += num(v);
    bytes += num(int(revealedCells.size() / 2));
    for (const int v : revealedCells)
        bytes += num(v);
    return bytes;
}

TEST(AnswersFile, WithAnswersRecordsHoldNumbersOnly) {
    CrosswordDocument doc = solving(true);
    solve(doc, 1, 1);
    solve(doc, 3, 0);
    EXPECT_EQ(written(doc), line(cp(u"Дом, копия.cfw")) + line(doc.CrosswordTitle) + num(0) +
                                num(3) + num(2) + num(1) + num(1) + num(3) + num(0));
}

TEST(AnswersFile, WithoutAnswersRecordsHoldTheSolversWords) {
    CrosswordDocument doc = solving(false);
    doc.CrosswordPath = QStringLiteral("C:\\Кроссворды\\Дом.cfw");
    solve(doc, 2, 1, cp(u"ТОН"));
    solve(doc, 1, 0, cp(u"КОТ"));
    EXPECT_EQ(written(doc), line(cp(u"Дом.cfw")) + line(doc.CrosswordTitle) + num(1) + num(3) +
                                num(2) + num(1) + num(0) + line(cp(u"КОТ")) + num(2) + num(1) +
                                line(cp(u"ТОН")));
}

TEST(AnswersFile, ReadingBackRestoresTheSolvedWords) {
    for (const bool withAnswers : {true, false}) {
        CrosswordDocument doc = solving(withAnswers);
        solve(doc, 1, 0, cp(u"КОТ"));
        solve(doc, 2, 1, cp(u"ТОН"));
        AnswersFileContent content;
        ASSERT_EQ(readBytes(written(doc), content), FileStatus::Ok);
        EXPECT_EQ(content.CrosswordFileName, cp(u"Дом, копия.cfw"));
        EXPECT_EQ(content.CrosswordTitle, doc.CrosswordTitle);
        EXPECT_EQ(content.NoAnswers, withAnswers ? 0 : 1);
        EXPECT_EQ(content.NumberedCount, 3);
        ASSERT_EQ(content.Records.size(), 2u);

        CrosswordDocument fresh = solving(withAnswers);
        fresh.Modified = true;
        ASSERT_EQ(ApplyAnswers(content, QStringLiteral("/a/b.otv"), fresh), FileStatus::Ok);
        EXPECT_EQ(fresh.SolvedFlags, doc.SolvedFlags);
        EXPECT_EQ(fresh.SolvedCount, 2);
        EXPECT_EQ(fresh.AnswersPath, QStringLiteral("/a/b.otv"));
        EXPECT_TRUE(fresh.Modified);
        if (!withAnswers)
            EXPECT_EQ(fresh.SlotTexts, doc.SlotTexts);
        else
            EXPECT_EQ(fresh.SlotTexts, sampleCrossword().SlotTexts);
        EXPECT_EQ(firstUnsolvedWord(fresh), std::pair(1, 1));
    }
}

TEST(AnswersFile, MarksAlreadySetStayForACrosswordWithAnswers) {
    CrosswordDocument doc = solving(true);
    solve(doc, 1, 1);
    AnswersFileContent content;
    content.CrosswordTitle = doc.CrosswordTitle;
    content.Records = {{3, 0, {}}, {3, 0, {}}};
    ASSERT_EQ(ApplyAnswers(content, QStringLiteral("x.otv"), doc), FileStatus::Ok);
    EXPECT_EQ(doc.SolvedFlags.at(1, 1), 1);
    EXPECT_EQ(doc.SolvedFlags.at(3, 0), 1);
    EXPECT_EQ(doc.SolvedCount, 2);
}

TEST(AnswersFile, FirstLineNamesTheCrosswordWithoutFolder) {
    const struct {
        QByteArray firstLine;
        QByteArray name;
    } cases[] = {{"Дом.cfw", "Дом.cfw"},
                 {"C:\\Кроссворды\\Дом.cfw", "Дом.cfw"},
                 {"dir/sub\\x.cfw", "x.cfw"},
                 {" a, b.cfw", " a, b.cfw"}};
    for (const auto& c : cases) {
        AnswersFileContent content;
        ASSERT_EQ(readBytes(line(c.firstLine) + line("T") + num(0) + num(0) + num(0), content),
                  FileStatus::Ok);
        EXPECT_EQ(content.CrosswordFileName, c.name);
    }
    EXPECT_EQ(crosswordPathBesideAnswers(QStringLiteral("/a/b/answers.otv"), cp(u"Дом.cfw")),
              QStringLiteral("/a/b/Дом.cfw"));
    EXPECT_EQ(crosswordPathBesideAnswers(QStringLiteral("/a/b/answers.otv"), "..\\x.cfw"),
              QStringLiteral("/a/b/x.cfw"));
}

TEST(AnswersFile, DamagedFilesAreReadSafely) {
    const QByteArray header = line("x.cfw") + line("T") + num(0) + num(3);
    // Ending before the count of solved words leaves nothing to apply.
    const QByteArray whole = header + num(1);
    for (qsizetype cut = 0; cut <= header.size() + 1; ++cut) {
        AnswersFileContent content;
        content.CrosswordTitle = "kept";
        EXPECT_EQ(readBytes(whole.left(cut), content), FileStatus::Unusable) << cut;
        EXPECT_EQ(content.CrosswordTitle, "kept");
    }

    // A read error part way is no end of the file: nothing of it is applied.
    CrosswordDocument solved = solving(false);
    solve(solved, 1, 0, "ABC");
    solve(solved, 2, 1, "DEF");
    const QByteArray bytes =
        bytesWrittenBy([&solved](QIODevice& d) { return WriteAnswersFile(d, solved); });
    for (const qint64 good : {qint64(0), bytes.size() / 2, bytes.size() - 1}) {
        FailingReadDevice device(bytes, good);
        AnswersFileContent kept;
        kept.CrosswordTitle = "kept";
        EXPECT_EQ(ReadAnswersFile(device, kept), FileStatus::Unusable) << good;
        EXPECT_EQ(kept.CrosswordTitle, "kept");
    }

    // A count far beyond the records: as many as the file holds.
    AnswersFileContent content;
    ASSERT_EQ(readBytes(header + num(1'000'000'000) + num(1) + num(0) + num(2), content),
              FileStatus::Ok);
    ASSERT_EQ(content.Records.size(), 1u);

    // No more records than the largest crossword has words, however many the file holds.
    QByteArray many = header + num(1'000'000'000);
    for (int i = 0; i < 130'000; ++i)
        many += "1\r\n0\r\n";
    ASSERT_EQ(readBytes(many, content), FileStatus::Ok);
    EXPECT_EQ(content.Records.size(), 125'000u);

    // Words the crossword does not have are skipped.
    CrosswordDocument doc = solving(true);
    content.Records = {{0, 0, {}}, {4, 0, {}},  {-1, 1, {}}, {1, 2, {}},
                       {2, 0, {}}, {1, -1, {}}, {2, 1, {}}};
    ASSERT_EQ(ApplyAnswers(content, QStringLiteral("x.otv"), doc), FileStatus::Ok);
    Table<int> expected = Table<int>::withBounds(3, 1);
    expected.set(2, 1, 1);
    EXPECT_EQ(doc.SolvedFlags, expected);
    EXPECT_EQ(doc.SolvedCount, 1);
}

TEST(AnswersFile, FileOfTheOtherKindIsNotApplied) {
    for (const bool withAnswers : {true, false}) {
        CrosswordDocument doc = solving(withAnswers);
        const CrosswordDocument before = doc;
        AnswersFileContent content;
        content.NoAnswers = withAnswers ? 1 : 0;
        content.Records = {{1, 0, "KOT"}};
        EXPECT_EQ(ApplyAnswers(content, QStringLiteral("x.otv"), doc), FileStatus::Unusable);
        EXPECT_EQ(doc.SolvedFlags, before.SolvedFlags);
        EXPECT_EQ(doc.SlotTexts, before.SlotTexts);
        EXPECT_EQ(doc.AnswersPath, before.AnswersPath);
    }
}

TEST(AnswersFile, SaveThenOpenTheNamedCrosswordFromAnotherFolder) {
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("elsewhere"));
    ASSERT_TRUE(QDir().mkpath(folder));
    CrosswordDocument author = sampleCrossword(false);
    ASSERT_EQ(WriteCrosswordFile(folder + QStringLiteral("/Дом.cfw"), author), FileStatus::Ok);

    CrosswordDocument doc;
    ASSERT_EQ(ReadCrosswordFile(author.CrosswordPath, doc).status, FileStatus::Ok);
    doc.SlotTexts = Table<QByteArray>::withBounds(3, 1);
    solve(doc, 3, 0, cp(u"ТОК"));
    const QString answers = folder + QStringLiteral("/мои.otv");
    ASSERT_EQ(WriteAnswersFile(answers, doc), FileStatus::Ok);
    EXPECT_EQ(doc.AnswersPath, answers);
    EXPECT_FALSE(doc.Modified);

    // Another crossword is on screen: the answers file names the one to read first.
    CrosswordDocument other = solving(true);
    other.CrosswordTitle = "Other";
    AnswersFileContent content;
    ASSERT_EQ(ReadAnswersFile(answers, content), FileStatus::Ok);
    ASSERT_NE(content.CrosswordTitle, other.CrosswordTitle);
    const QString crossword = crosswordPathBesideAnswers(answers, content.CrosswordFileName);
    EXPECT_EQ(crossword, author.CrosswordPath);
    ASSERT_EQ(ReadCrosswordFile(crossword, other).status, FileStatus::Ok);
    ASSERT_EQ(ApplyAnswers(content, answers, other), FileStatus::Ok);
    EXPECT_EQ(other.SlotTexts.at(3, 0), cp(u"ТОК"));
    EXPECT_EQ(other.SolvedCount, 1);
    EXPECT_EQ(other.AnswersPath, answers);
    EXPECT_EQ(firstUnsolvedWord(other), std::pair(1, 0));
}

TEST(AnswersFile, PathFailures) {
    QTemporaryDir dir;
    AnswersFileContent content;
    EXPECT_EQ(ReadAnswersFile(dir.filePath(QStringLiteral("none.otv")), content),
              FileStatus::NotFound);

    CrosswordDocument doc = solving(true);
    doc.Modified = true;
    EXPECT_EQ(WriteAnswersFile(dir.filePath(QStringLiteral("no/such.otv")), doc),
              FileStatus::AccessDenied);
    EXPECT_TRUE(doc.AnswersPath.isEmpty());
    EXPECT_TRUE(doc.Modified);

    // The two files are saved both or neither: a folder in the additions' place keeps the
    // answers file as it was.
    const QString kept = dir.filePath(QStringLiteral("kept.otv"));
    QFile old(kept);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old");
    old.close();
    ASSERT_TRUE(QDir().mkdir(answersAdditionsPath(kept)));
    EXPECT_EQ(WriteAnswersFile(kept, doc), FileStatus::AccessDenied);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), QByteArray("old"));
    EXPECT_TRUE(doc.AnswersPath.isEmpty());
}

TEST(AnswersFile, SolvedAndDefaultName) {
    CrosswordDocument doc = solving(true);
    for (const auto& [k, d] : {std::pair(1, 0), std::pair(1, 1), std::pair(2, 1)})
        solve(doc, k, d);
    EXPECT_EQ(firstUnsolvedWord(doc), std::pair(3, 0));
    solve(doc, 3, 0);
    EXPECT_EQ(firstUnsolvedWord(doc), std::nullopt);

    const struct {
        QString answersPath;
        QString crosswordPath;
        QString name;
    } cases[] = {
        {{}, QStringLiteral("/a/Дом.cfw"), QStringLiteral("Дом")},
        {QStringLiteral("C:\\x\\мои.otv"), QStringLiteral("/a/Дом.cfw"), QStringLiteral("мои")},
        {{}, QStringLiteral("/a/.cfw"), QStringLiteral(".cfw")},
        {{}, QStringLiteral("/a/Дом.IPUZ"), QStringLiteral("Дом")},
        {{}, QStringLiteral("/a/.ipuz"), QStringLiteral(".ipuz")}};
    for (const auto& c : cases) {
        doc.AnswersPath = c.answersPath;
        doc.CrosswordPath = c.crosswordPath;
        EXPECT_EQ(defaultAnswersName(doc), c.name);
    }
}

// The sample being solved with two words solved, one of them given away, and a letter of a
// third given away, after 2 minutes 5.5 seconds.
CrosswordDocument withAids() {
    CrosswordDocument doc = solving(true);
    solve(doc, 1, 0);
    solve(doc, 3, 0);
    doc.Aids.RevealedWords = Table<int>::withBounds(3, 1);
    doc.Aids.RevealedWords.set(3, 0, 1);
    doc.Aids.RevealedCells = Table<int>::withBounds(4, 3);
    doc.Aids.RevealedCells.set(2, 1, 1);
    doc.Aids.LettersRevealed = 3;
    doc.Aids.WordsRevealed = 1;
    doc.Aids.ElapsedMs = 125'500;
    return doc;
}

TEST(AnswersFile, TheTimeAndTheHintsGoBesideAndSurviveARoundTrip) {
    const CrosswordDocument doc = withAids();
    const QByteArray bytes =
        bytesWrittenBy([&doc](QIODevice& d) { return WriteAnswersAdditions(d, doc); });
    EXPECT_EQ(bytes, additions(doc.CrosswordTitle, 125, 3, 1, {3, 0}, {2, 1}));

    AnswersFileContent content;
    content.Additions =
        readFrom(bytes, [&](QIODevice& d) { return ReadAnswersAdditions(d, doc.CrosswordTitle); });
    ASSERT_TRUE(content.Additions.Present);
    EXPECT_EQ(content.Additions.ElapsedSeconds, 125);
    content.Records = {{1, 0, {}}, {3, 0, {}}};
    CrosswordDocument fresh = solving(true);
    ASSERT_EQ(ApplyAnswers(content, QStringLiteral("x.otv"), fresh), FileStatus::Ok);
    EXPECT_EQ(fresh.SolvedFlags, doc.SolvedFlags);
    EXPECT_EQ(fresh.Aids.RevealedWords, doc.Aids.RevealedWords);
    EXPECT_EQ(fresh.Aids.RevealedCells, doc.Aids.RevealedCells);
    EXPECT_EQ(fresh.Aids.LettersRevealed, 3);
    EXPECT_EQ(fresh.Aids.WordsRevealed, 1);
    EXPECT_EQ(fresh.Aids.ElapsedMs, 125'000);
    // Written again, the file is the same.
    EXPECT_EQ(bytesWrittenBy([&fresh](QIODevice& d) { return WriteAnswersAdditions(d, fresh); }),
              bytes);
}

TEST(AnswersFile, AnOlderCopyReadsTheNewFileAndThisOneTheOlderFile) {
    QTemporaryDir dir;
    for (const bool withAnswers : {true, false}) {
        CrosswordDocument doc = withAnswers ? withAids() : solving(false);
        if (!withAnswers) {
            solve(doc, 2, 1, cp(u"ТОН"));
            doc.Aids.ElapsedMs = 61'000;
        }
        const QString path =
            dir.filePath(withAnswers ? QStringLiteral("a.otv") : QStringLiteral("b.otv"));
        ASSERT_EQ(WriteAnswersFile(path, doc), FileStatus::Ok);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        file.close();
        // The answers file itself is the one older copies write, its additions beside it.
        EXPECT_EQ(bytes, written(doc));
        ASSERT_TRUE(QFile::exists(answersAdditionsPath(path)));

        // The older reader takes the answers file as it always did.
        AnswersFileContent older;
        ASSERT_EQ(readFrom(bytes, [&](QIODevice& d) { return older::ReadAnswersFile(d, older); }),
                  FileStatus::Ok);
        AnswersFileContent ours;
        ASSERT_EQ(ReadAnswersFile(path, ours), FileStatus::Ok);
        EXPECT_TRUE(ours.Additions.Present);
        EXPECT_EQ(ours.Additions.ElapsedSeconds, withAnswers ? 125 : 61);
        EXPECT_EQ(older.CrosswordFileName, ours.CrosswordFileName);
        EXPECT_EQ(older.CrosswordTitle, ours.CrosswordTitle);
        EXPECT_EQ(older.NoAnswers, ours.NoAnswers);
        EXPECT_EQ(older.NumberedCount, ours.NumberedCount);
        ASSERT_EQ(older.Records.size(), ours.Records.size());
        for (std::size_t i = 0; i < ours.Records.size(); ++i) {
            EXPECT_EQ(older.Records[i].Slot, ours.Records[i].Slot);
            EXPECT_EQ(older.Records[i].Direction, ours.Records[i].Direction);
            EXPECT_EQ(older.Records[i].Word, ours.Records[i].Word);
        }
        CrosswordDocument byOlder = solving(withAnswers);
        ASSERT_EQ(ApplyAnswers(older, QStringLiteral("x.otv"), byOlder), FileStatus::Ok);
        EXPECT_EQ(byOlder.SolvedFlags, doc.SolvedFlags);
        EXPECT_EQ(byOlder.SlotTexts, doc.SlotTexts);

        // Additions of another crossword (the answers file since replaced by one that an older
        // copy wrote) are not taken, nor is anything but a regular file in their place.
        CrosswordDocument other = doc;
        other.CrosswordTitle = "Other";
        ASSERT_EQ(WriteAnswersFile(path, other), FileStatus::Ok);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        file.close();
        AnswersFileContent alone;
        ASSERT_EQ(ReadAnswersFile(path, alone), FileStatus::Ok);
        EXPECT_FALSE(alone.Additions.Present);
        ASSERT_TRUE(QFile::remove(answersAdditionsPath(path)));
        ASSERT_TRUE(QDir().mkdir(answersAdditionsPath(path)));
        ASSERT_EQ(ReadAnswersFile(path, alone), FileStatus::Ok);
        EXPECT_FALSE(alone.Additions.Present);
        ASSERT_TRUE(QDir().rmdir(answersAdditionsPath(path)));

        // An answers file an older copy wrote, or one copied without its additions, opens: no
        // time, no hint.
        ASSERT_EQ(ReadAnswersFile(path, alone), FileStatus::Ok);
        EXPECT_FALSE(alone.Additions.Present);
        CrosswordDocument fresh = solving(withAnswers);
        fresh.Aids.LettersRevealed = 9;
        ASSERT_EQ(ApplyAnswers(alone, QStringLiteral("x.otv"), fresh), FileStatus::Ok);
        EXPECT_EQ(fresh.SolvedFlags, doc.SolvedFlags);
        EXPECT_EQ(fresh.Aids.ElapsedMs, 0);
        EXPECT_EQ(fresh.Aids.LettersRevealed, 0);
        EXPECT_EQ(fresh.Aids.RevealedWords.at(3, 0), 0);
    }
}

TEST(AnswersFile, DamagedAdditionsAreLeftOutOrKeptWithinBounds) {
    const QByteArray marker = line("[Clueforge: time and hints]");
    const struct {
        const char* what;
        QByteArray bytes;
        bool present;
        qint64 seconds;
        int letters;
        std::vector<std::pair<int, int>> words;
        std::vector<std::pair<int, int>> cells;
    } cases[] = {
        {"another marker",
         line("[Other]") + num(1) + line("T") + num(5) + num(0) + num(0),
         false,
         0,
         0,
         {},
         {}},
        {"another title",
         marker + num(1) + line("U") + num(5) + num(0) + num(0),
         false,
         0,
         0,
         {},
         {}},
        {"ends early", marker + num(1) + line("T") + num(5), false, 0, 0, {}, {}},
        {"a version before the first",
         marker + num(0) + line("T") + num(5) + num(0) + num(0),
         false,
         0,
         0,
         {},
         {}},
        {"no lists", marker + num(1) + line("T") + num(5) + num(2) + num(0), true, 5, 2, {}, {}},
        {"beyond bounds",
         marker + num(2) + line("T") + num(2'000'000'000) + num(-4) + num(0),
         true,
         1'000'000'000,
         0,
         {},
         {}},
        {"lists claiming more than they hold",
         marker + num(1) + line("T") + num(5) + num(0) + num(1) + num(1'000'000'000) + num(3) +
             num(0),
         true,
         5,
         0,
         {{3, 0}},
         {}},
        {"a later version's lines after ours",
         marker + num(2) + line("T") + num(5) + num(0) + num(1) + num(1) + num(3) + num(0) +
             num(1) + num(2) + num(1) + line("more") + num(7),
         true,
         5,
         0,
         {{3, 0}},
         {{2, 1}}},
    };
    for (const auto& c : cases) {
        const AnswersAdditions read =
            readFrom(c.bytes, [](QIODevice& d) { return ReadAnswersAdditions(d, "T"); });
        EXPECT_EQ(read.Present, c.present) << c.what;
        EXPECT_EQ(read.ElapsedSeconds, c.seconds) << c.what;
        EXPECT_EQ(read.LettersRevealed, c.letters) << c.what;
        EXPECT_EQ(read.RevealedWords, c.words) << c.what;
        EXPECT_EQ(read.RevealedCells, c.cells) << c.what;
    }
    // A read error part way is no end of the file.
    const QByteArray whole = additions("T", 5, 1, 0, {3, 0});
    FailingReadDevice failing(whole, whole.size() - 3);
    EXPECT_FALSE(ReadAnswersAdditions(failing, "T").Present);

    // Marks are applied only where they belong: revealed words that are solved, cells of the
    // grid.
    AnswersFileContent content;
    content.Records = {{1, 0, {}}, {3, 0, {}}};
    content.Additions =
        readFrom(additions("T", 1, 0, 0, {3, 0, 1, 1, 9, 0, 1, 5}, {0, 0, 3, 2, 4, 0, -1, 1, 0, 3}),
                 [](QIODevice& d) { return ReadAnswersAdditions(d, "T"); });
    CrosswordDocument doc = solving(true);
    ASSERT_EQ(ApplyAnswers(content, QStringLiteral("x.otv"), doc), FileStatus::Ok);
    Table<int> words = Table<int>::withBounds(3, 1);
    words.set(3, 0, 1);
    EXPECT_EQ(doc.Aids.RevealedWords, words);
    Table<int> cells = Table<int>::withBounds(4, 3);
    cells.set(0, 0, 1);
    cells.set(3, 2, 1);
    EXPECT_EQ(doc.Aids.RevealedCells, cells);
}

} // namespace
