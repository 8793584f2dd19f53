#include "FileFixtures.h"

#include "app/Settings.h"
#include "app/language/Language.h"
#include "app/language/LanguageFile.h"
#include "files/AnswersFile.h"
#include "files/CrosswordFile.h"
#include "fill/FillWords.h"
#include "ipuz/IpuzFile.h"
#include "support/SameCrossword.h"
#include "words/WordList.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>

namespace {

constexpr qint64 kMB = 1024 * 1024;
constexpr qint64 kTwoGB = 2048 * kMB;
constexpr qint64 k10e9 = 1'000'000'000;

// `size` bytes: `head`, then `fill` over and over. The bytes are made as they are read, so a
// device of gigabytes costs nothing; it counts how many were asked for.
class GeneratedDevice : public QIODevice {
public:
    GeneratedDevice(QByteArray head, QByteArray fill, qint64 size)
        : head_(std::move(head)), fill_(std::move(fill)), size_(size) {
        // Repeated to a longer period of the same pattern, so reading takes few copies.
        const qsizetype period = fill_.size();
        while (fill_.size() < 64 * 1024)
            fill_ += fill_.left(period);
        fill_.truncate(fill_.size() - fill_.size() % period);
        open(QIODevice::ReadOnly);
    }

    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override { return size_ - pos_ + QIODevice::bytesAvailable(); }
    qint64 bytesRead() const { return pos_; }

protected:
    qint64 readData(char* data, qint64 maxSize) override {
        const qint64 n = std::min(maxSize, size_ - pos_);
        for (qint64 done = 0; done < n;) {
            const qint64 at = pos_ + done;
            qint64 run = 0;
            if (at < head_.size()) {
                run = std::min(n - done, head_.size() - at);
                std::memcpy(data + done, head_.constData() + at, static_cast<std::size_t>(run));
            } else {
                const qint64 offset = (at - head_.size()) % fill_.size();
                run = std::min(n - done, fill_.size() - offset);
                std::memcpy(data + done, fill_.constData() + offset, static_cast<std::size_t>(run));
            }
            done += run;
        }
        pos_ += n;
        return n;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray head_;
    QByteArray fill_;
    qint64 size_;
    qint64 pos_ = 0;
};

QByteArray lines(std::initializer_list<QByteArray> values) {
    QByteArray out;
    for (const QByteArray& v : values)
        out += v + "\r\n";
    return out;
}

// A crossword with answers up to its word count; its records follow as the fill.
QByteArray crosswordHead(qint64 width, qint64 height, qint64 numbered, qint64 words) {
    return lines({" 0 ", "Title", "Password", "Author", ' ' + QByteArray::number(width) + ' ',
                  ' ' + QByteArray::number(height) + ' ', ' ' + QByteArray::number(numbered) + ' ',
                  ' ' + QByteArray::number(words) + ' '});
}

// What a reader made of a device: refused, cut or read, and how much it holds.
struct Outcome {
    bool refused = false;
    qint64 heldBytes = 0; // the longest text or list the reader kept
};

struct BoundCase {
    const char* what;
    QByteArray head;
    QByteArray fill;
    std::function<Outcome(QIODevice&)> read;
    bool refused;
    qint64 maxHeld;
    qint64 maxBytesRead;
};

Outcome readCrossword(QIODevice& device) {
    CrosswordDocument doc = sampleCrossword();
    const CrosswordDocument before = doc;
    const CrosswordReadResult r = ReadCrosswordFile(device, doc);
    Outcome o;
    o.refused = r.status != FileStatus::Ok;
    if (o.refused) {
        EXPECT_EQ(r.status, FileStatus::Unusable);
        expectSameCrossword(doc, before);
        return o;
    }
    o.heldBytes = doc.CrosswordTitle.size();
    for (int n = 1; n <= doc.NumberedCount; ++n)
        for (int d = 0; d <= 1; ++d)
            o.heldBytes = std::max(o.heldBytes, doc.SlotTexts.at(n, 0, d).size());
    return o;
}

Outcome readAnswers(QIODevice& device) {
    AnswersFileContent content;
    Outcome o;
    o.refused = ReadAnswersFile(device, content) != FileStatus::Ok;
    o.heldBytes = static_cast<qint64>(content.Records.size());
    for (const AnswerRecord& r : content.Records)
        o.heldBytes = std::max(o.heldBytes, r.Word.size());
    return o;
}

TEST(ResourceBounds, HostileInputIsRefusedOrCutWithinAFixedRead) {
    const qint64 fileBound = kMaxFileBytes + kMB; // the reader's bound and its read-ahead
    const BoundCase cases[] = {
        {"crossword of 2,000,000,000 × 2 cells", crosswordHead(2'000'000'000, 2, 4, 8),
         lines({" 1 "}), readCrossword, true, 0, kMB},
        {"crossword of 10^9 words", crosswordHead(250, 250, 62'500, k10e9),
         lines({" 1 ", " 0 ", " 0 ", " 0 ", " 2 ", "clue", "AB"}), readCrossword, true, 0, kMB},
        // As many records as the sizes allow, then more of them without end.
        {"crossword with endless records", crosswordHead(250, 250, 62'500, 125'000),
         lines({" 1 ", " 0 ", " 0 ", " 0 ", " 2 ", "clue", "AB"}), readCrossword, false, 8,
         8 * kMB},
        {"2 GB title", lines({" 0 "}), "T", readCrossword, true, 0, fileBound},
        {"2 GB clue", crosswordHead(2, 1, 1, 1) + lines({" 1 ", " 0 ", " 0 ", " 0 ", " 2 "}), "C",
         readCrossword, false, kMaxTextBytes, fileBound},
        {"answers file of 10^9 records",
         lines({"x.cfw", "Title", " 0 ", " 62500 ", ' ' + QByteArray::number(k10e9) + ' '}),
         lines({" 1 ", " 0 "}), readAnswers, false, 125'000, 2 * kMB},
        {"answers file with a 2 GB word",
         lines({"x.cfw", "Title", " 1 ", " 1 ", " 1 ", " 1 ", " 0 "}), "W", readAnswers, false,
         kMaxTextBytes, fileBound},
        {"word list of 10^9 words in a 2 GB line",
         lines({' ' + QByteArray::number(k10e9) + ' '}) + '"', "ABCDE",
         [](QIODevice& d) {
             const words::WordList list = words::readWordList(d, 5);
             EXPECT_EQ(list.letters.size() % 5, 0);
             return Outcome{false, list.letters.size()};
         },
         false, 64 * kMB, 64 * kMB + kMB},
        {"2 GB never-use list",
         {},
         "WORD\n",
         [](QIODevice& d) {
             qint64 held = 0;
             for (const QByteArray& w : fill::readNeverList(d))
                 held += w.size() + 1;
             return Outcome{false, held};
         },
         false,
         fill::kMaxNeverListBytes,
         fill::kMaxNeverListBytes + kMB},
        {"2 GB ipuz file", R"({"version":"http://ipuz.org/v2","notes":")", "x",
         [](QIODevice& d) {
             CrosswordDocument doc;
             const ipuz::ReadProblem p = ipuz::readIpuz(d, doc);
             EXPECT_EQ(p.kind, ipuz::ReadProblem::Kind::FileTooLarge);
             return Outcome{!p.ok(), 0};
         },
         true, 0, ipuz::kMaxFileBytes + kMB},
        {"2 GB line in the settings", lines({"6.3"}), "x",
         [](QIODevice& d) {
             Settings s;
             readSettings(d, s);
             return Outcome{false, s.LanguageFileName.size()};
         },
         false, 4096, kMB},
        {"2 GB line in a language file", lines({"Name"}) + " 1 ", "x",
         [](QIODevice& d) {
             Language language;
             readLanguage(d, language);
             return Outcome{false, language.entry(LangEntry::HelpFile).size()};
         },
         false, 64 * 1024, 4 * kMB + kMB},
    };
    for (const BoundCase& c : cases) {
        SCOPED_TRACE(c.what);
        GeneratedDevice device(c.head, c.fill, kTwoGB);
        const Outcome o = c.read(device);
        EXPECT_EQ(o.refused, c.refused);
        EXPECT_LE(o.heldBytes, c.maxHeld);
        EXPECT_LE(device.bytesRead(), c.maxBytesRead);
    }
}

TEST(ResourceBounds, FilesOverTheBoundAreRefusedUnread) {
    QTemporaryDir dir;
    const QString crossword = dir.filePath(QStringLiteral("big.cfw"));
    const QString answers = dir.filePath(QStringLiteral("big.otv"));
    // Sparse files: a sound start, then zeros up to one byte past the bound.
    for (const QString& path : {crossword, answers}) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(path == crossword ? crosswordHead(2, 1, 1, 0)
                                  : lines({"big.cfw", "Title", " 0 ", " 1 ", " 0 "}));
        ASSERT_TRUE(f.resize(kMaxFileBytes + 1));
    }

    CrosswordDocument doc = sampleCrossword();
    const CrosswordDocument before = doc;
    const CrosswordReadResult r = ReadCrosswordFile(crossword, doc);
    EXPECT_EQ(r.status, FileStatus::Unusable);
    EXPECT_EQ(fileMessageEntry(r.status), LangEntry::NotOpened);
    EXPECT_EQ(doc.Mode, EditMode::ModeOpenFailed);
    expectSameCrossword(doc, before);
    EXPECT_EQ(doc.CrosswordPath, before.CrosswordPath);

    AnswersFileContent content;
    content.CrosswordTitle = "held";
    EXPECT_EQ(ReadAnswersFile(answers, content), FileStatus::Unusable);
    EXPECT_EQ(content.CrosswordTitle, "held");

    // At the bound itself the file is read.
    ASSERT_TRUE(QFile::resize(answers, kMaxFileBytes));
    EXPECT_EQ(ReadAnswersFile(answers, content), FileStatus::Ok);
    EXPECT_EQ(content.CrosswordTitle, "Title");
}

TEST(ResourceBounds, NeverListsAndIpuzFilesOverTheirBoundsAreNotRead) {
    QTemporaryDir dir;
    const QString folder = dir.path() + QLatin1Char('/');
    ASSERT_TRUE(QDir(folder).mkpath(QStringLiteral("Data")));
    {
        QFile list(words::wordListPath(folder, 3));
        ASSERT_TRUE(list.open(QIODevice::WriteOnly));
        ASSERT_TRUE(words::writeWordList(list, 3, {"CAT", "DOG"}));
    }
    QFile never(fill::neverListPath(folder));
    ASSERT_TRUE(never.open(QIODevice::WriteOnly));
    never.write("CAT\n");
    never.close();
    for (const qint64 size : {fill::kMaxNeverListBytes, fill::kMaxNeverListBytes + 1}) {
        ASSERT_TRUE(never.resize(size)); // zeros after the word: no further word
        EXPECT_EQ(fill::loadLexicon({folder}).contains("CAT"), size > fill::kMaxNeverListBytes)
            << size;
    }

    const QString big = dir.filePath(QStringLiteral("big.ipuz"));
    QFile ipuzFile(big);
    ASSERT_TRUE(ipuzFile.open(QIODevice::WriteOnly));
    ASSERT_TRUE(ipuzFile.resize(ipuz::kMaxFileBytes + 1));
    ipuzFile.close();
    CrosswordDocument doc;
    const ipuz::ReadProblem p = ipuz::readIpuzFile(big, doc);
    EXPECT_EQ(p.kind, ipuz::ReadProblem::Kind::FileTooLarge);
    Language english;
    EXPECT_TRUE(ipuz::problemText(english, p).endsWith(" 32"))
        << ipuz::problemText(english, p).toStdString();
}

} // namespace
