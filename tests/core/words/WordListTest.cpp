#include "words/WordList.h"
#include "text/CodePage.h"

#include "support/ProgramFolder.h"

#include <QBuffer>
#include <QDateTime>
#include <QFile>

#include <gtest/gtest.h>

using namespace words;

namespace {

QByteArray cp(const char16_t* text) {
    return cp1251::fromUnicode(QStringView(text));
}

QList<QByteArray> cpList(std::initializer_list<const char16_t*> texts) {
    QList<QByteArray> out;
    for (const char16_t* t : texts)
        out.append(cp(t));
    return out;
}

WordList readBytes(const QByteArray& bytes, int length) {
    QByteArray data = bytes;
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    return readWordList(buffer, length);
}

QList<QByteArray> allWords(const WordList& list) {
    QList<QByteArray> out;
    for (qsizetype i = 0; i < list.count(); ++i)
        out.append(list.word(i).toByteArray());
    return out;
}

// The three-letter fixture, in file order.
const auto kThree = {u"КОТ", u"КИТ", u"ДОМ", u"КОД", u"СОК", u"КАТ", u"ТОК", u"КУТ"};

QByteArray datFile(const QList<QByteArray>& list, int length) {
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(writeWordList(buffer, length, list));
    return data;
}

} // namespace

TEST(WordListFile, ReadsTheCountAndTheWordsOfOneField) {
    const struct {
        const char* name;
        QByteArray bytes;
        QList<QByteArray> words;
    } cases[] = {
        {"quoted", " 3 \r\n\"" + cp(u"КОТКИТДОМ") + "\"\r\n", cpList({u"КОТ", u"КИТ", u"ДОМ"})},
        {"comma and no quotes", "2," + cp(u"КОТКИТ"), cpList({u"КОТ", u"КИТ"})},
        {"count beyond the text", "5\r\n\"" + cp(u"КОТКИ") + "\"", cpList({u"КОТ"})},
        {"count short of the text", "1\r\n\"" + cp(u"КОТКИТ") + "\"", cpList({u"КОТ"})},
        {"count with a fraction", "1.5\r\n\"" + cp(u"КОТКИТДОМ") + "\"", cpList({u"КОТ", u"КИТ"})},
        {"negative count", "-2\r\n\"" + cp(u"КОТКИТ") + "\"", {}},
        {"count too large for a number", "1e40\r\n\"" + cp(u"КОТ") + "\"", {}},
        {"no count", "\"" + cp(u"КОТ") + "\"", {}},
        {"count only", "3\r\n", {}},
        {"empty file", "", {}},
        {"garbage", QByteArray("\x01\xff\"\x00,,\r", 7), {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(allWords(readBytes(c.bytes, 3)), c.words) << c.name;
}

TEST(WordListFile, WrittenListsReadBack) {
    const QList<QByteArray> list = cpList(kThree);
    const QByteArray bytes = datFile(list, 3);
    EXPECT_TRUE(bytes.startsWith(" 8 \r\n\"" + cp(u"КОТКИТ")));
    EXPECT_TRUE(bytes.endsWith(cp(u"КУТ") + "\"\r\n"));
    EXPECT_EQ(allWords(readBytes(bytes, 3)), list);
    EXPECT_EQ(allWords(readBytes(datFile({}, 5), 5)), QList<QByteArray>());

    QByteArray sink;
    QBuffer buffer(&sink);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_FALSE(writeWordList(buffer, 3, {cp(u"КОТЫ")}));
    EXPECT_FALSE(writeWordList(buffer, 3, {"A\"B"}));
}

struct Search : ::testing::Test {
    TempProgramFolder folder;
    WordListCache cache;

    void SetUp() override {
        folder.write(QStringLiteral("Data/3.dat"), datFile(cpList(kThree), 3));
        folder.write(QStringLiteral("Data/2.dat"), datFile(cpList({u"ЯД", u"АД", u"УМ"}), 2));
    }
    QList<QByteArray> find(const char16_t* pattern) {
        return findWords(cache, folder.path(), cp(pattern)).toList();
    }
};

TEST_F(Search, ComparesOnlyTheKnownLettersInFileOrder) {
    EXPECT_EQ(find(u"К?Т"), cpList({u"КОТ", u"КИТ", u"КАТ", u"КУТ"}));
    EXPECT_EQ(find(u"к?т"), cpList({u"КОТ", u"КИТ", u"КАТ", u"КУТ"}));
    EXPECT_EQ(find(u"?О?"), cpList({u"КОТ", u"ДОМ", u"КОД", u"СОК", u"ТОК"}));
    EXPECT_EQ(find(u"??"), cpList({u"ЯД", u"АД", u"УМ"}));
    EXPECT_EQ(find(u"КОТ"), cpList({u"КОТ"}));
    EXPECT_EQ(find(u"Ж??"), QList<QByteArray>());
}

TEST_F(Search, MissingListsAndOutOfRangeLengthsFindNothing) {
    EXPECT_TRUE(find(u"???????").isEmpty());
    EXPECT_TRUE(find(u"?").isEmpty());
    EXPECT_TRUE(find(u"").isEmpty());
    folder.write(QStringLiteral("Data/25.dat"), datFile({QByteArray(25, 'A')}, 25));
    EXPECT_EQ(findWords(cache, folder.path(), QByteArray(25, '?')).count(), 0);
}

TEST_F(Search, ReadsAFileAgainOnlyWhenItChanged) {
    find(u"К?Т");
    find(u"?О?");
    EXPECT_EQ(cache.reads(), 1);

    folder.write(QStringLiteral("Data/3.dat"), datFile(cpList({u"КЕТ", u"ЛЕС"}), 3));
    EXPECT_EQ(find(u"К?Т"), cpList({u"КЕТ"}));
    EXPECT_EQ(cache.reads(), 2);

    // Same size, newer time.
    folder.write(QStringLiteral("Data/3.dat"), datFile(cpList({u"КЭТ", u"ЛЕС"}), 3));
    QFile file(folder.path() + QStringLiteral("Data/3.dat"));
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addSecs(60),
                                 QFileDevice::FileModificationTime));
    file.close();
    EXPECT_EQ(find(u"К?Т"), cpList({u"КЭТ"}));

    ASSERT_TRUE(QFile::remove(folder.path() + QStringLiteral("Data/3.dat")));
    EXPECT_TRUE(find(u"К?Т").isEmpty());
}

// A list long enough for many counted blocks, with runs of fitting and failing words of every
// length around the block sizes: every row must come back as the word a plain scan finds.
TEST(WordMatches, EveryRowIsTheWordAPlainScanFinds) {
    WordList list;
    list.length = 3;
    std::uint32_t seed = 7;
    for (int run = 0; run < 400; ++run) {
        seed = seed * 1103515245 + 12345;
        const int length = static_cast<int>(seed >> 16) % 1500;
        const QByteArray word = run % 2 ? cp(u"КОТ") : (run % 3 ? cp(u"ДОМ") : cp(u"КИТ"));
        for (int i = 0; i < length; ++i)
            list.letters += word;
    }
    for (const char16_t* pattern : {u"К?Т", u"???", u"??Т", u"Д??", u"ЖЖЖ", u"КИТ"}) {
        const QByteArray p = cp(pattern);
        std::vector<qsizetype> expected;
        for (qsizetype i = 0; i < list.count(); ++i) {
            bool fits = true;
            for (int k = 0; k < 3; ++k)
                fits = fits && (p[k] == '?' || p[k] == list.word(i)[k]);
            if (fits)
                expected.push_back(i);
        }
        const WordMatches found = matchingWords(list, p);
        ASSERT_EQ(found.count(), qsizetype(expected.size()))
            << QString::fromUtf16(pattern).toStdString();
        for (std::size_t row = 0; row < expected.size(); ++row)
            ASSERT_EQ(found.listIndex(qsizetype(row)), expected[row]) << row;
    }
    EXPECT_EQ(matchingWords(list, cp(u"К??Т")).count(), 0); // not the list's length
    EXPECT_EQ(matchingWords(WordList(), cp(u"??")).count(), 0);
}

TEST(WordMatches, ShareTheListsLettersInsteadOfCopyingThem) {
    WordList list;
    list.length = 2;
    list.letters = cp(u"ЯДАДУМ");
    const WordMatches all = matchingWords(list, "??");
    EXPECT_EQ(all.word(1).data(), list.letters.constData() + 2);
    const WordMatches some = matchingWords(list, cp(u"?Д"));
    EXPECT_EQ(some.word(1).data(), list.letters.constData() + 2);
}

TEST(WordMatches, FindPrefixLooksOnFromARowAndWrapsAround) {
    WordList list;
    list.length = 3;
    list.letters = cp(u"КОТКИТДОМКОДСОККАТТОККУТ");
    const WordMatches all = matchingWords(list, "???");
    const WordMatches kt = matchingWords(list, cp(u"К?Т")); // КОТ КИТ КАТ КУТ
    const struct {
        const WordMatches* matches;
        const char16_t* prefix;
        qsizetype from;
        qsizetype row;
    } cases[] = {
        {&all, u"К", 0, 0},  {&all, u"К", 1, 1},   {&all, u"К", 2, 3},  {&all, u"К", 7, 7},
        {&all, u"ТО", 0, 6}, {&all, u"ДОМ", 5, 2}, {&all, u"Ж", 0, -1}, {&all, u"КОТЫ", 0, -1},
        {&all, u"", 4, 4},   {&kt, u"КА", 0, 2},   {&kt, u"КО", 1, 0},  {&kt, u"КУ", 3, 3},
        {&kt, u"Д", 0, -1},  {&kt, u"К", 9, 3},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.matches->findPrefix(cp(c.prefix), c.from), c.row)
            << QString::fromUtf16(c.prefix).toStdString() << ' ' << c.from;
    EXPECT_EQ(WordMatches().findPrefix("A", 0), -1);
}
