#include "FileFixtures.h"
#include "files/FileCommon.h"

#include "files/CrosswordFile.h"
#include "support/FailingDevice.h"
#include "support/FileSizeLimit.h"
#include "support/SameCrossword.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray written(const CrosswordDocument& doc) {
    return bytesWrittenBy([&doc](QIODevice& d) { return WriteCrosswordFile(d, doc); });
}

CrosswordReadResult readBytes(const QByteArray& bytes, CrosswordDocument& doc) {
    return readFrom(bytes, [&doc](QIODevice& d) { return ReadCrosswordFile(d, doc); });
}

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

void writeRaw(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// A document that is not empty, to show what a read replaces and what it keeps.
CrosswordDocument previousDocument() {
    CrosswordDocument prev = sampleCrossword();
    prev.CrosswordTitle = "Old";
    prev.Scramble = BuildScrambleTables(prev.CrosswordTitle);
    prev.CrosswordPath = QStringLiteral("/old/old.cfw");
    prev.AnswersPath = QStringLiteral("/old/old.otv");
    prev.SolvedCount = 2;
    prev.Mode = EditMode::ModeSolve;
    return prev;
}

TEST(CrosswordFile, BytesFollowTheLayout) {
    const CrosswordDocument doc = sampleCrossword();
    const ScrambleTables t = BuildScrambleTables(doc.CrosswordTitle);
    QByteArray expected = num(0) + line(doc.CrosswordTitle) + line(ScrambleText(t, cp(u"Секрет"))) +
                          line(ScrambleText(t, cp(u"Иванов"))) + num(4) + num(3) + num(3) + num(4);
    const struct {
        int n, d, x, y;
        const char16_t* clue;
        const char16_t* answer;
    } records[] = {{1, 0, 0, 0, u"Домашний зверь", u"КОТ"},
                   {1, 1, 0, 0, u"Морской великан, \"синий\"", u"КИТ"},
                   {2, 1, 2, 0, u"Электрический ...", u"ТОК"},
                   {3, 0, 0, 2, u"То же, что 2", u"ТОК"}};
    for (const auto& r : records)
        expected += num(r.n) + num(r.d) + num(r.x) + num(r.y) + num(3) + line(cp(r.clue)) +
                    line(ScrambleText(t, cp(r.answer)));

    const QByteArray bytes = written(doc);
    EXPECT_EQ(bytes, expected);
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    EXPECT_EQ(bytes.count('\n'), bytes.count("\r\n"));
    EXPECT_EQ(bytes.count('\r'), bytes.count("\r\n"));
    // Scrambled lines hide the text but keep its length.
    const QByteArray author = bytes.split('\n').at(3).chopped(1);
    EXPECT_EQ(author.size(), doc.CrosswordAuthor.size());
    EXPECT_NE(author, doc.CrosswordAuthor);
    EXPECT_FALSE(bytes.contains(cp(u"КИТ")));
}

TEST(CrosswordFile, RoundTripWithAnswers) {
    const CrosswordDocument doc = sampleCrossword();
    CrosswordDocument read = previousDocument();
    const CrosswordReadResult r = readBytes(written(doc), read);

    EXPECT_EQ(r.status, FileStatus::Ok);
    EXPECT_FALSE(r.answerMissing);
    EXPECT_FALSE(r.endedEarly);
    expectSameCrossword(read, doc);
    EXPECT_EQ(read.Mode, EditMode::ModeSolve);
    EXPECT_FALSE(read.Modified);
    EXPECT_EQ(read.SolvedCount, 0);
    EXPECT_EQ(read.SolvedFlags, Table<int>::withBounds(3, 1));
    EXPECT_TRUE(read.AnswersPath.isEmpty());
    EXPECT_EQ(read.CurrentSlot, 1);
    EXPECT_EQ(read.CurrentDownSlot, 1);
    // The device knows no path: the crossword's path is set by the path-level reader only.
    EXPECT_EQ(read.CrosswordPath, QStringLiteral("/old/old.cfw"));
}

// Longer lines than any text box gives are cut where they are read; the lines after them are
// read as usual, so the rest of the crossword stays whole.
TEST(CrosswordFile, OverlongLinesAreCutAndTheRestOfTheFileIsRead) {
    CrosswordDocument doc = sampleCrossword();
    const QByteArray longText(100'000, '\xc0');
    doc.CrosswordTitle = longText;
    doc.CrosswordAuthor = longText;
    doc.CrosswordPassword = longText;
    doc.Scramble = BuildScrambleTables(doc.CrosswordTitle);
    doc.SlotTexts.set(1, 0, 0, longText);
    CrosswordDocument read = previousDocument();
    ASSERT_EQ(readBytes(written(doc), read).status, FileStatus::Ok);

    const QByteArray cut = longText.left(kMaxTextBytes);
    EXPECT_EQ(read.CrosswordTitle, cut);
    EXPECT_EQ(read.CrosswordAuthor, cut);
    EXPECT_EQ(read.SlotTexts.at(1, 0, 0), cut);
    // The answers and the author were scrambled with the whole title; what is held follows the
    // title as held, so that a save writes a file that reads back the same.
    EXPECT_EQ(read.Scramble, BuildScrambleTables(cut));
    EXPECT_EQ(UnscrambleText(read.Scramble, read.CrosswordPassword),
              UnscrambleText(doc.Scramble, cut));
    CrosswordDocument again = previousDocument();
    ASSERT_EQ(readBytes(written(read), again).status, FileStatus::Ok);
    expectSameCrossword(again, read);
    // Every answer and every later clue as written.
    EXPECT_EQ(read.SlotTable, doc.SlotTable);
    for (int n = 1; n <= doc.NumberedCount; ++n)
        for (int d = 0; d <= 1; ++d) {
            if (n != 1 || d != 0) {
                EXPECT_EQ(read.SlotTexts.at(n, 0, d), doc.SlotTexts.at(n, 0, d));
            }
            EXPECT_EQ(read.SlotTexts.at(n, 1, d), doc.SlotTexts.at(n, 1, d));
        }
}

TEST(CrosswordFile, WithoutAnswersHoldsGridAndNumbersOnly) {
    const CrosswordDocument doc = sampleCrossword(false);
    const QByteArray bytes = written(doc);
    QByteArray expected = num(1) + line(doc.CrosswordTitle) + num(4) + num(3) + num(3) + num(4);
    const int records[][4] = {{1, 0, 0, 0}, {1, 1, 0, 0}, {2, 1, 2, 0}, {3, 0, 0, 2}};
    for (const auto& r : records)
        expected += num(r[0]) + num(r[1]) + num(r[2]) + num(r[3]) + num(3);
    EXPECT_EQ(bytes, expected);

    CrosswordDocument read = previousDocument();
    const CrosswordDocument prev = read;
    const CrosswordReadResult r = readBytes(bytes, read);
    EXPECT_EQ(r.status, FileStatus::Ok);
    EXPECT_EQ(read.Mode, EditMode::ModeSolveNoAnswers);
    EXPECT_EQ(read.NoAnswers, 1);
    EXPECT_EQ(read.CrosswordTitle, doc.CrosswordTitle);
    EXPECT_EQ(read.SlotTable, doc.SlotTable);
    // Nothing in the file is scrambled: password, author and tables stay as they were.
    EXPECT_EQ(read.CrosswordPassword, prev.CrosswordPassword);
    EXPECT_EQ(read.CrosswordAuthor, prev.CrosswordAuthor);
    EXPECT_EQ(read.Scramble, prev.Scramble);
}

TEST(CrosswordFile, MissingAnswerGivesTheIncompleteMode) {
    CrosswordDocument doc = sampleCrossword();
    doc.SlotTexts.set(2, 1, 1, QByteArray());
    const QByteArray bytes = written(doc);
    EXPECT_TRUE(bytes.contains(line(cp(u"Электрический ...")) + "\r\n"));

    CrosswordDocument read;
    const CrosswordReadResult r = readBytes(bytes, read);
    EXPECT_EQ(r.status, FileStatus::Ok);
    EXPECT_TRUE(r.answerMissing);
    EXPECT_EQ(read.Mode, EditMode::ModeIncomplete);
    expectSameCrossword(read, doc);
}

TEST(CrosswordFile, NumbersAreReadWithOrWithoutTheirBlanks) {
    const CrosswordDocument doc = sampleCrossword();
    const QByteArray bytes = written(doc);
    const auto rewriteNumbers = [&bytes](const QByteArray& before, const QByteArray& after,
                                         const QByteArray& eol) {
        QByteArray out;
        for (QByteArray l : bytes.split('\n')) {
            if (l.isEmpty())
                continue;
            l.chop(1);
            bool isNumber = false;
            l.trimmed().toInt(&isNumber);
            out += (isNumber && l.startsWith(' ') ? before + l.trimmed() + after : l) + eol;
        }
        return out;
    };
    const QByteArray variants[] = {
        rewriteNumbers("", "", "\r\n"),
        rewriteNumbers("   ", "\t ", "\r\n"),
        rewriteNumbers("", "", "\n"),
    };
    for (const QByteArray& v : variants) {
        ASSERT_NE(v, bytes);
        CrosswordDocument read;
        EXPECT_EQ(readBytes(v, read).status, FileStatus::Ok);
        expectSameCrossword(read, doc);
        EXPECT_EQ(read.Mode, EditMode::ModeSolve);
    }
}

// A device that fails part way is no file that ends there: the crossword is refused, whatever
// was read before, and the one held stays.
TEST(CrosswordFile, AReadErrorIsNotTakenForTheEndOfTheFile) {
    const QByteArray bytes = written(sampleCrossword());
    for (const qint64 good : {qint64(0), qint64(10), bytes.size() / 2, bytes.size() - 1}) {
        SCOPED_TRACE(good);
        FailingReadDevice device(bytes, good);
        CrosswordDocument doc = previousDocument();
        const CrosswordDocument before = doc;
        EXPECT_EQ(ReadCrosswordFile(device, doc).status, FileStatus::Unusable);
        expectSameCrossword(doc, before);
        EXPECT_EQ(doc.Mode, EditMode::ModeOpenFailed);
    }
}

TEST(CrosswordFile, FileEndingEarlyGivesAPartlyFilledCrossword) {
    const CrosswordDocument doc = sampleCrossword();
    const QByteArray bytes = written(doc);
    const QList<QByteArray> lines = bytes.split('\n');
    const auto firstLines = [&lines](int count) {
        QByteArray out;
        for (int i = 0; i < count; ++i)
            out += lines[i] + '\n';
        return out;
    };

    // Header (8 lines) and two whole records (7 lines each): the other words are not there.
    CrosswordDocument read;
    CrosswordReadResult r = readBytes(firstLines(8 + 2 * 7), read);
    EXPECT_EQ(r.status, FileStatus::Ok);
    EXPECT_TRUE(r.endedEarly);
    EXPECT_EQ(read.Mode, EditMode::ModeSolve);
    EXPECT_EQ(read.WordCount, 4);
    EXPECT_EQ(read.SlotTexts.at(1, 1, 1), cp(u"КИТ"));
    EXPECT_EQ(read.SlotTable.at(2, 2, 1), 0);
    EXPECT_EQ(read.SlotTable.at(3, 2, 0), 0);

    // The third record loses its answer line: that answer is missing.
    read = CrosswordDocument();
    r = readBytes(firstLines(8 + 2 * 7 + 6), read);
    EXPECT_EQ(read.Mode, EditMode::ModeIncomplete);
    EXPECT_EQ(read.SlotTable.at(2, 2, 1), 3);
    EXPECT_EQ(read.SlotTexts.at(2, 0, 1), cp(u"Электрический ..."));

    // Ending after the numbered count: no words, but a crossword that can be saved again.
    read = previousDocument();
    r = readBytes(firstLines(7), read);
    EXPECT_EQ(r.status, FileStatus::Ok);
    EXPECT_EQ(read.WordCount, 0);
    EXPECT_EQ(read.SlotTable.at(1, 2, 0), 0);

    // Whatever the cut, even inside a line, the read ends normally once the sizes are there;
    // before them the file is refused and the crossword held before stays as it was.
    const qsizetype countLine = firstLines(6).size();
    for (qsizetype cut = 0; cut < bytes.size(); ++cut) {
        CrosswordDocument part = previousDocument();
        r = readBytes(bytes.left(cut), part);
        ASSERT_EQ(r.status == FileStatus::Ok, cut > countLine + 1) << cut;
        if (r.status != FileStatus::Ok) {
            ASSERT_EQ(r.status, FileStatus::Unusable) << cut;
            ASSERT_EQ(part.Mode, EditMode::ModeOpenFailed) << cut;
            ASSERT_EQ(part.CrosswordTitle, "Old") << cut;
            continue;
        }
        ASSERT_EQ(r.status, FileStatus::Ok) << cut;
        ASSERT_TRUE(part.Mode == EditMode::ModeSolve || part.Mode == EditMode::ModeIncomplete)
            << cut;
    }

    // The smallest files that hold nothing usable, the empty one among them.
    for (const QByteArray& bytes :
         {QByteArray(), QByteArray(" 1 \r\n"), QByteArray(" 1 \r\nT\r\n 3 \r\n 3 \r\n")}) {
        CrosswordDocument empty;
        EXPECT_EQ(readBytes(bytes, empty).status, FileStatus::Unusable);
    }
}

QByteArray noAnswersFile(const char* w, const char* h, const char* n, const char* count,
                         const QByteArray& records = {}) {
    return QByteArray(" 1 \r\nT\r\n") + w + "\r\n" + h + "\r\n" + n + "\r\n" + count + "\r\n" +
           records;
}

TEST(CrosswordFile, SizesTheProgramCannotHoldAreRefused) {
    const QByteArray files[] = {
        noAnswersFile("2000000000", "2", "1", "1"),
        noAnswersFile("99999999999999999999", "3", "1", "1"),
        noAnswersFile("0", "3", "0", "0"),
        noAnswersFile("-4", "3", "0", "0"),
        noAnswersFile("251", "3", "1", "1"),
        noAnswersFile("4", "251", "1", "1"),
        noAnswersFile("4", "3", "13", "0"),
        noAnswersFile("4", "3", "-1", "0"),
        noAnswersFile("4", "3", "3", "1000000000"),
        noAnswersFile("4", "3", "3", "7"),
        noAnswersFile("4", "3", "3", "-1"),
    };
    for (const QByteArray& bytes : files) {
        CrosswordDocument read = previousDocument();
        const CrosswordDocument prev = read;
        const CrosswordReadResult r = readBytes(bytes, read);
        EXPECT_EQ(r.status, FileStatus::Unusable) << bytes.constData();
        EXPECT_EQ(fileMessageEntry(r.status), LangEntry::NotOpened);
        EXPECT_EQ(read.Mode, EditMode::ModeOpenFailed);
        expectSameCrossword(read, prev);
        EXPECT_EQ(read.CrosswordPath, prev.CrosswordPath);
    }
    // The largest grid is still accepted.
    CrosswordDocument read;
    EXPECT_EQ(readBytes(noAnswersFile("250", "250", "0", "0"), read).status, FileStatus::Ok);
}

TEST(CrosswordFile, RecordsOutsideTheGridAreSkippedInStep) {
    const ScrambleTables t = BuildScrambleTables("T");
    const auto record = [&t](int n, int d, int x, int y, int len, const QByteArray& clue) {
        return num(n) + num(d) + num(x) + num(y) + num(len) + line(clue) +
               line(ScrambleText(t, "ANSWER"));
    };
    const QByteArray bytes = num(0) + line("T") + line("") + line("") + num(4) + num(3) + num(3) +
                             num(6) + record(0, 0, 0, 0, 3, "bad n") +
                             record(4, 0, 0, 0, 3, "bad n") + record(1, 0, 0, 0, 3, "good") +
                             record(2, 2, 2, 0, 3, "bad d") + record(2, 1, 2, 0, 4, "too long") +
                             record(3, 0, -1, 2, 1000000000, "outside");
    CrosswordDocument read;
    const CrosswordReadResult r = readBytes(bytes, read);
    EXPECT_EQ(r.status, FileStatus::Ok);
    EXPECT_FALSE(r.endedEarly);
    Table<int> expected = Table<int>::withBounds(3, 2, 1);
    expected.set(1, 2, 0, 3);
    EXPECT_EQ(read.SlotTable, expected);
    EXPECT_EQ(read.SlotTexts.at(1, 0, 0), "good");
    EXPECT_EQ(read.SlotTexts.at(1, 1, 0), "ANSWER");
    EXPECT_EQ(read.Mode, EditMode::ModeSolve);
}

TEST(CrosswordFile, OpenFailuresLeaveTheCrosswordInMemory) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.cfw")));
    const struct {
        QString path;
        FileStatus status;
        LangEntry entry;
    } cases[] = {
        {dir.filePath(QStringLiteral("missing.cfw")), FileStatus::NotFound, LangEntry::NotFound},
        {dir.filePath(QStringLiteral("folder.cfw")), FileStatus::OpenFailed, LangEntry::NotOpened}};
    for (const auto& c : cases) {
        CrosswordDocument doc = previousDocument();
        const CrosswordDocument prev = doc;
        const CrosswordReadResult r = ReadCrosswordFile(c.path, doc);
        EXPECT_EQ(r.status, c.status);
        EXPECT_EQ(fileMessageEntry(r.status), c.entry);
        EXPECT_EQ(doc.Mode, EditMode::ModeOpenFailed);
        expectSameCrossword(doc, prev);
        EXPECT_EQ(doc.CrosswordPath, prev.CrosswordPath);
    }
}

TEST(CrosswordFile, SaveAndOpenByPath) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Дом.cfw"));
    CrosswordDocument doc = sampleCrossword();
    ASSERT_EQ(WriteCrosswordFile(path, doc), FileStatus::Ok);
    EXPECT_EQ(doc.CrosswordPath, path);
    EXPECT_FALSE(doc.Modified);
    EXPECT_EQ(readAll(path), written(doc));

    CrosswordDocument read = previousDocument();
    ASSERT_EQ(ReadCrosswordFile(path, read).status, FileStatus::Ok);
    EXPECT_EQ(read.CrosswordPath, path);
    expectSameCrossword(read, doc);
}

TEST(CrosswordFile, FailedCreateIsReportedAndChangesNothing) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("taken.cfw")));
    const QString paths[] = {dir.filePath(QStringLiteral("no such folder/x.cfw")),
                             dir.filePath(QStringLiteral("taken.cfw")), QString()};
    for (const QString& path : paths) {
        CrosswordDocument doc = sampleCrossword();
        doc.CrosswordPath = QStringLiteral("/before.cfw");
        const FileStatus s = WriteCrosswordFile(path, doc);
        EXPECT_EQ(s, FileStatus::AccessDenied) << path.toStdString();
        EXPECT_EQ(fileMessageEntry(s), LangEntry::AccessDenied);
        EXPECT_EQ(doc.CrosswordPath, QStringLiteral("/before.cfw"));
        EXPECT_TRUE(doc.Modified);
    }
    EXPECT_TRUE(QFileInfo(dir.filePath(QStringLiteral("taken.cfw"))).isDir());
}

TEST(CrosswordFile, WriteFailuresAreReported) {
    const CrosswordDocument doc = sampleCrossword();
    FailingDevice device(40);
    EXPECT_FALSE(WriteCrosswordFile(device, doc));

    QFile full(QStringLiteral("/dev/full"));
    ASSERT_TRUE(full.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    EXPECT_FALSE(WriteCrosswordFile(full, doc));
}

TEST(CrosswordFile, FailedSaveKeepsThePreviousFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("keep.cfw"));
    const QByteArray previous = written(sampleCrossword(false));
    writeRaw(path, previous);

    // A writer that fails part way, as a full disk makes it.
    EXPECT_EQ(saveFileSafely(path,
                             [](QIODevice& d) {
                                 d.write("partial");
                                 return false;
                             }),
              FileStatus::WriteFailed);
    EXPECT_EQ(readAll(path), previous);

    // A real write failure: the file-size limit stops the writing of a large crossword.
    CrosswordDocument big = sampleCrossword();
    big.SlotTexts.set(1, 0, 0, QByteArray(200'000, 'x'));
    big.CrosswordPath = path;
    FileStatus s = FileStatus::Ok;
    {
        const FileSizeLimit limit(64 * 1024);
        ASSERT_TRUE(limit.active());
        s = WriteCrosswordFile(path, big);
    }

    EXPECT_EQ(s, FileStatus::WriteFailed);
    EXPECT_EQ(fileMessageEntry(s), LangEntry::NotWritten);
    EXPECT_EQ(readAll(path), previous);
    EXPECT_TRUE(big.Modified);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("keep.cfw")});
}

TEST(CrosswordFile, OverwriteQuestionOnlyForAnotherExistingFile) {
    QTemporaryDir dir;
    const QString existing = dir.filePath(QStringLiteral("a.cfw"));
    writeRaw(existing, "x");
    const QString missing = dir.filePath(QStringLiteral("b.cfw"));
    EXPECT_TRUE(overwriteQuestionNeeded(existing, missing));
    EXPECT_FALSE(overwriteQuestionNeeded(existing, existing));
    EXPECT_FALSE(overwriteQuestionNeeded(missing, existing));
    EXPECT_FALSE(overwriteQuestionNeeded(dir.path(), existing));
}

} // namespace

TEST(FileNames, ExtensionWhereThereIsNoDot) {
    // The saves look at the whole path, the exports at the file's own name.
    const struct {
        const char* chosen;
        const char* inPath;
        const char* inFileName;
    } cases[] = {
        {"/home/a/crossword", "/home/a/crossword.cfw", "/home/a/crossword.cfw"},
        {"/home/a/crossword.txt", "/home/a/crossword.txt", "/home/a/crossword.txt"},
        {"/home/a.b/crossword", "/home/a.b/crossword", "/home/a.b/crossword.cfw"},
        {"crossword.", "crossword.", "crossword."},
        {"crossword", "crossword.cfw", "crossword.cfw"},
    };
    for (const auto& c : cases) {
        const QString chosen = QString::fromLatin1(c.chosen);
        EXPECT_EQ(withExtensionWhenNoDot(chosen, QStringLiteral(".cfw")),
                  QString::fromLatin1(c.inPath))
            << c.chosen;
        EXPECT_EQ(withExtensionWhenNoDot(chosen, QStringLiteral(".cfw"), DotIn::FileName),
                  QString::fromLatin1(c.inFileName))
            << c.chosen;
    }
}
