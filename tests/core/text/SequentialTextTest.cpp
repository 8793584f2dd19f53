#include "text/SequentialText.h"

#include <QBuffer>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <optional>
#include <utility>

using namespace seqtext;

namespace {

struct Reader {
    explicit Reader(const QByteArray& bytes, qsizetype max = SequentialReader::kDefaultMaxField)
        : data(bytes), buffer(&data), in((buffer.open(QIODevice::ReadOnly), buffer), max) {}
    QByteArray data;
    QBuffer buffer;
    SequentialReader in;
};

} // namespace

TEST(NumericValue, ReadsTheLeadingNumberLikeTheRuntime) {
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"", 0},       {"abc", 0},   {"  42", 42}, {"42abc", 42},  {"1 2 3", 123},
        {"-7", -7},    {"+7", 7},    {"- 7", -7},  {"2.5", 2.5},   {".5", 0.5},
        {"1e3", 1000}, {"1d2", 100}, {"1e", 1},    {"&H1F", 31},   {"&o17", 15},
        {"3,5", 3},    {"12-3", 12}, {" 5 ", 5},   {"1.2.3", 1.2}, {"\t9", 9},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(numericValue(c.text), c.value) << c.text;
    EXPECT_TRUE(std::isinf(numericValue("1e999")));
}

TEST(NumericValue, RoundsHalvesToEven) {
    const struct {
        double in, out;
    } cases[] = {{0.5, 0},   {1.5, 2},   {2.5, 2},    {3.5, 4},    {-0.5, 0},
                 {-1.5, -2}, {-2.5, -2}, {2.4999, 2}, {2.5001, 3}, {7, 7}};
    for (const auto& c : cases)
        EXPECT_EQ(roundHalfEven(c.in), c.out) << c.in;
    EXPECT_EQ(toInt32(2147483647.4), 2147483647);
    EXPECT_FALSE(toInt32(2147483648.0));
    EXPECT_FALSE(toInt32(-2147483649.0));
    EXPECT_FALSE(toInt32(INFINITY));
}

TEST(StrNumber, PutsABlankBeforeNonNegativeNumbers) {
    EXPECT_EQ(strNumber(25), QByteArray(" 25"));
    EXPECT_EQ(strNumber(0), QByteArray(" 0"));
    EXPECT_EQ(strNumber(-3), QByteArray("-3"));
}

TEST(SequentialWriter, WritesTheLineFormats) {
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    SequentialWriter w(buffer);
    w.writeNumberLine(5);
    w.writeNumberLine(-12);
    w.writeTextLine(" text, kept ");
    w.writeTextLine(QByteArray()); // no data at all
    w.writeTextLine("");
    w.writeBooleanLine(true);
    w.writeBooleanLine(false);
    EXPECT_TRUE(w.finish());
    EXPECT_EQ(out, QByteArray(" 5 \r\n-12 \r\n text, kept \r\n\r\n\r\nTrue\r\nFalse\r\n"));
}

TEST(SequentialWriter, KeepsTheOrderAcrossLargeWritesAndHandsOverWhatIsLeftWhenDestroyed) {
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    QByteArray expected;
    {
        SequentialWriter w(buffer);
        for (int i = 0; i < 20000; ++i) { // several times the writer's own buffer
            w.writeNumberLine(i);
            expected += strNumber(i) + " \r\n";
        }
        const QByteArray longText(200 * 1024, 'x'); // longer than that buffer in one piece
        w.writeTextLine(longText);
        w.writeTextLine("after");
        expected += longText + "\r\nafter\r\n";
        EXPECT_TRUE(w.finish());
        w.writeTextLine("unfinished"); // no finish(): the destructor hands it over
        expected += "unfinished\r\n";
    }
    EXPECT_EQ(out, expected);
}

TEST(SequentialWriter, ReportsAFailedDevice) {
    QBuffer closed;
    SequentialWriter w(closed); // never opened: every write fails
    w.writeTextLine("x");
    EXPECT_FALSE(w.finish());
    EXPECT_FALSE(w.finish()); // stays failed
}

TEST(SequentialReader, ReadsLinesWithAnyLineEnd) {
    Reader r("one\r\n two \ntrailing\rlast");
    EXPECT_EQ(r.in.readLine(), QByteArray("one"));
    EXPECT_EQ(r.in.readLine(), QByteArray(" two "));
    EXPECT_EQ(r.in.readLine(), QByteArray("trailing"));
    EXPECT_EQ(r.in.readLine(), QByteArray("last"));
    EXPECT_FALSE(r.in.readLine());
    EXPECT_TRUE(r.in.atEnd());
}

TEST(SequentialReader, EmptyLinesAreEmptyTexts) {
    Reader r("\r\n\r\nx\r\n");
    EXPECT_EQ(r.in.readLine(), QByteArray(""));
    EXPECT_EQ(r.in.readLine(), QByteArray(""));
    EXPECT_EQ(r.in.readLine(), QByteArray("x"));
    EXPECT_FALSE(r.in.readLine());
}

TEST(SequentialReader, TextFieldsEndAtACommaOrTheLineEnd) {
    Reader r("  Russian.txt\r\nMS Sans Serif  \r\nArial, Bold\r\n\"a, b\" ,next\r\n\r\n\"open");
    EXPECT_EQ(r.in.readTextField(), QByteArray("Russian.txt"));
    EXPECT_EQ(r.in.readTextField(), QByteArray("MS Sans Serif"));
    EXPECT_EQ(r.in.readTextField(), QByteArray("Arial"));
    EXPECT_EQ(r.in.readTextField(), QByteArray("Bold"));
    EXPECT_EQ(r.in.readTextField(), QByteArray("a, b"));
    EXPECT_EQ(r.in.readTextField(), QByteArray("next"));
    EXPECT_EQ(r.in.readTextField(), QByteArray(""));
    EXPECT_EQ(r.in.readTextField(), QByteArray("open")); // unclosed quote ends at the file end
    EXPECT_FALSE(r.in.readTextField());
}

TEST(SequentialReader, NumberFieldsTakeTheirDelimiter) {
    Reader r(" 20 \r\n-3\r\n7,8\r\nabc\r\n12 Text after\r\n5\r\nWhole line\r\n");
    EXPECT_EQ(r.in.readNumberField(), 20.0);
    EXPECT_EQ(r.in.readNumberField(), -3.0);
    EXPECT_EQ(r.in.readNumberField(), 7.0);
    EXPECT_EQ(r.in.readNumberField(), 8.0);
    EXPECT_EQ(r.in.readNumberField(), 0.0); // no number reads as 0
    EXPECT_EQ(r.in.readNumberField(), 12.0);
    EXPECT_EQ(r.in.readLine(), QByteArray("Text after"));
    EXPECT_EQ(r.in.readNumberField(), 5.0); // alone on its line: the next line is whole
    EXPECT_EQ(r.in.readLine(), QByteArray("Whole line"));
    EXPECT_FALSE(r.in.readNumberField());
}

TEST(SequentialReader, IntegerFieldsRefuseOverflow) {
    Reader r(" 2.5 \r\n 3.5 \r\n 99999999999 \r\n");
    EXPECT_EQ(r.in.readInt32Field(), 2);
    EXPECT_EQ(r.in.readInt32Field(), 4);
    EXPECT_FALSE(r.in.readInt32Field());
}

TEST(SequentialReader, HugeFieldsAreCutAtTheLimit) {
    const QByteArray big(100000, 'x');
    Reader r(big + "\r\nnext\r\n" + big + ",after\r\n\"" + big + "\",quoted", 1000);
    const auto line = r.in.readLine();
    ASSERT_TRUE(line);
    EXPECT_EQ(line->size(), 1000);
    EXPECT_TRUE(r.in.truncated());
    EXPECT_EQ(r.in.readLine(), QByteArray("next"));
    EXPECT_EQ(r.in.readTextField()->size(), 1000);
    EXPECT_EQ(r.in.readTextField(), QByteArray("after"));
    EXPECT_EQ(r.in.readTextField()->size(), 1000);
    EXPECT_EQ(r.in.readTextField(), QByteArray("quoted"));
}

TEST(SequentialReader, ReadsAcrossBufferBoundaries) {
    // Lines longer than the reader's internal buffer still come out whole.
    const QByteArray word(200000, 'W');
    Reader r(" 3 \r\n\"" + word + "\"\r\n" + word + "\r\n");
    EXPECT_EQ(r.in.readNumberField(), 3.0);
    EXPECT_EQ(r.in.readTextField(), word);
    EXPECT_EQ(r.in.readLine(), word);
}

namespace {

// Hands out at most `chunk` bytes per read, so that fields cross the reader's buffer ends.
class ChunkedDevice : public QIODevice {
public:
    ChunkedDevice(QByteArray data, qint64 chunk) : data_(std::move(data)), chunk_(chunk) {
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }
    bool isSequential() const override { return true; }
    int reads = 0;

protected:
    qint64 readData(char* out, qint64 max) override {
        const qint64 n = std::min({max, chunk_, qint64(data_.size()) - at_});
        std::memcpy(out, data_.constData() + at_, static_cast<std::size_t>(n));
        at_ += n;
        ++reads;
        return n;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray data_;
    qint64 chunk_;
    qint64 at_ = 0;
};

} // namespace

TEST(SequentialReader, GivesTheSameValuesWhereverTheBufferEnds) {
    const QByteArray text = " 5 \r\n-12,  7  ,3\n&H1F\r1.5E2 \r\n,\r\n  \r\n"
                            "a line, with a comma \r\n\"quoted, text\" , plain \r\n 99999 \r\n"
                            "\r\nlast";
    QList<std::optional<double>> numbers;
    QList<std::optional<QByteArray>> texts;
    const auto readAll = [&](QIODevice& device) {
        SequentialReader in(device);
        for (int i = 0; i < 9; ++i)
            numbers.append(in.readNumberField());
        texts = {in.readLine(), in.readTextField(), in.readTextField()};
        numbers.append(in.readNumberField());
        texts.append(in.readLine());
        texts.append(in.readLine());
        texts.append(in.readLine());
    };
    QByteArray whole = text;
    QBuffer buffer(&whole);
    buffer.open(QIODevice::ReadOnly);
    readAll(buffer);
    const auto expectedNumbers = numbers;
    const auto expectedTexts = texts;
    EXPECT_EQ(expectedNumbers,
              (QList<std::optional<double>>{5, -12, 7, 3, 31, 150, 0, 0, 0, 99999}));
    EXPECT_EQ(expectedTexts,
              (QList<std::optional<QByteArray>>{"a line, with a comma ", "quoted, text", "plain",
                                                "", "last", std::nullopt}));
    for (qint64 chunk : {1, 2, 3, 5, 7}) {
        numbers.clear();
        ChunkedDevice device(text, chunk);
        readAll(device);
        EXPECT_GE(device.reads, text.size() / chunk);
        EXPECT_EQ(numbers, expectedNumbers) << chunk;
        EXPECT_EQ(texts, expectedTexts) << chunk;
    }
}
