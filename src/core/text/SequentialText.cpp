#include "text/SequentialText.h"

#include <QIODevice>
#include <QVarLengthArray>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

namespace seqtext {
namespace {

bool isBlank(int c) {
    return c == ' ' || c == '\t';
}
bool isLineEnd(int c) {
    return c == '\r' || c == '\n';
}
bool isDigit(int c) {
    return c >= '0' && c <= '9';
}

} // namespace

namespace {

// The value of a text that is an optional minus sign and up to 15 digits, which a double holds
// exactly: nearly every number in the files. Nothing for any other text.
std::optional<double> plainWholeNumber(QByteArrayView text) {
    const char* p = text.data();
    const char* const end = p + text.size();
    const bool negative = p < end && *p == '-';
    if (negative)
        ++p;
    if (p == end || end - p > 15)
        return std::nullopt;
    std::int64_t v = 0;
    for (; p < end; ++p) {
        if (!isDigit(*p))
            return std::nullopt;
        v = v * 10 + (*p - '0');
    }
    return negative ? -static_cast<double>(v) : static_cast<double>(v);
}

} // namespace

double numericValue(QByteArrayView text) {
    if (const std::optional<double> v = plainWholeNumber(text))
        return *v;
    // Anything else is worked on in place, without a heap allocation for a number of ordinary
    // length.
    QVarLengthArray<char, 64> s;
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\n' && c != '\r')
            s.append(c);

    qsizetype i = 0;
    if (s.size() >= 2 && s[0] == '&') {
        const char kind = static_cast<char>(s[1] | 0x20);
        const int base = kind == 'h' ? 16 : kind == 'o' ? 8 : 0;
        if (base) {
            double v = 0;
            for (i = 2; i < s.size(); ++i) {
                const char c = s[i];
                int d = -1;
                if (isDigit(c))
                    d = c - '0';
                else if (base == 16 && (c | 0x20) >= 'a' && (c | 0x20) <= 'f')
                    d = (c | 0x20) - 'a' + 10;
                if (d < 0 || d >= base)
                    break;
                v = v * base + d;
            }
            return v;
        }
    }

    double sign = 1;
    if (i < s.size() && (s[i] == '-' || s[i] == '+')) {
        sign = s[i] == '-' ? -1 : 1;
        ++i;
    }
    QVarLengthArray<char, 64> digits;
    bool any = false;
    bool whole = true; // digits only
    while (i < s.size() && isDigit(s[i])) {
        digits.append(s[i++]);
        any = true;
    }
    if (i < s.size() && s[i] == '.') {
        whole = false;
        digits.append(s[i++]);
        while (i < s.size() && isDigit(s[i])) {
            digits.append(s[i++]);
            any = true;
        }
    }
    if (!any)
        return 0;
    if (i < s.size() && ((s[i] | 0x20) == 'e' || (s[i] | 0x20) == 'd')) {
        qsizetype j = i + 1;
        QVarLengthArray<char, 16> exp;
        exp.append('e');
        if (j < s.size() && (s[j] == '-' || s[j] == '+'))
            exp.append(s[j++]);
        bool expDigits = false;
        while (j < s.size() && isDigit(s[j])) {
            exp.append(s[j++]);
            expDigits = true;
        }
        if (expDigits) {
            digits.append(exp.constData(), exp.size());
            whole = false;
        }
    }
    // Up to 15 digits are exact in a double: the common case needs no conversion routine.
    if (whole && digits.size() <= 15) {
        double v = 0;
        for (char c : digits)
            v = v * 10 + (c - '0');
        return sign * v;
    }
    bool ok = false;
    const double v = QByteArray(digits.constData(), digits.size()).toDouble(&ok);
    if (!ok)
        return sign * std::numeric_limits<double>::infinity();
    return sign * v;
}

double roundHalfEven(double value) {
    if (!std::isfinite(value))
        return value;
    const double lower = std::floor(value);
    const double diff = value - lower;
    if (diff < 0.5)
        return lower;
    if (diff > 0.5)
        return lower + 1;
    return std::fmod(lower, 2.0) == 0 ? lower : lower + 1;
}

bool roundToInt32(double value, std::int32_t& out) {
    const double r = roundHalfEven(value);
    if (!std::isfinite(r) || r < std::numeric_limits<std::int32_t>::min() ||
        r > std::numeric_limits<std::int32_t>::max())
        return false;
    out = static_cast<std::int32_t>(r);
    return true;
}

namespace {

constexpr std::size_t kStrNumberRoom = 24;

// strNumber's text at out (kStrNumberRoom bytes), returning its length.
std::size_t putStrNumber(char* out, std::int64_t value) {
    char* at = out;
    if (value >= 0)
        *at++ = ' ';
    return static_cast<std::size_t>(std::to_chars(at, out + kStrNumberRoom, value).ptr - out);
}

} // namespace

QByteArray strNumber(std::int64_t value) {
    char buffer[kStrNumberRoom];
    return QByteArray(buffer, static_cast<qsizetype>(putStrNumber(buffer, value)));
}

SequentialReader::SequentialReader(QIODevice& device, qsizetype maxFieldBytes, qint64 maxInputBytes)
    : device_(device), maxField_(maxFieldBytes), inputLeft_(std::max<qint64>(maxInputBytes, 0)) {}

int SequentialReader::refill() {
    if (eof_)
        return -1;
    const qint64 wanted = std::min<qint64>(64 * 1024, inputLeft_);
    buffer_.resize(wanted > 0 ? wanted : 0);
    const qint64 got = wanted > 0 ? device_.read(buffer_.data(), wanted) : 0;
    // A failed read ends the input too, but is not taken for the end of the file.
    if (got < 0)
        failed_ = true;
    buffer_.resize(std::max<qint64>(got, 0));
    inputLeft_ -= buffer_.size();
    pos_ = 0;
    if (buffer_.isEmpty()) {
        eof_ = true;
        return -1;
    }
    return static_cast<unsigned char>(buffer_[pos_]);
}

bool SequentialReader::atEnd() {
    return peek() < 0;
}

bool SequentialReader::atLineEnd() {
    return isLineEnd(peek());
}

void SequentialReader::consumeLineEnd() {
    const int c = get();
    if (c == '\r' && peek() == '\n')
        get();
}

void SequentialReader::skipBlanks() {
    while (isBlank(peek()))
        get();
}

void SequentialReader::copyUntil(QByteArray& out, QByteArrayView stops) {
    // Whole runs of the buffer are copied in one piece and searched with memchr: word lists
    // are single fields of megabytes.
    while (peek() >= 0) {
        const char* const begin = buffer_.constData() + pos_;
        const char* end = buffer_.constData() + buffer_.size();
        // The line ends come last in stops: searched first, they bound the other searches to
        // the line instead of the rest of the buffer.
        for (qsizetype i = stops.size() - 1; i >= 0; --i)
            if (const void* hit =
                    std::memchr(begin, stops[i], static_cast<std::size_t>(end - begin)))
                end = static_cast<const char*>(hit);
        const qsizetype run = end - begin;
        const qsizetype take = std::min(run, maxField_ - out.size());
        out.append(begin, take);
        if (take < run) {
            truncated_ = true;
            if (cutObserver_)
                cutObserver_(QByteArrayView(begin + take, run - take));
        }
        pos_ += run;
        if (pos_ < buffer_.size())
            break;
    }
}

std::optional<QByteArray> SequentialReader::readLine() {
    if (atEnd())
        return std::nullopt;
    QByteArray out;
    // A line that ends inside the buffer, nearly every one, is taken in one piece.
    const char* const begin = buffer_.constData() + pos_;
    const auto left = static_cast<std::size_t>(buffer_.size() - pos_);
    const void* lf = std::memchr(begin, '\n', left);
    const auto* end = static_cast<const char*>(lf ? lf : begin + left);
    if (const void* cr = std::memchr(begin, '\r', static_cast<std::size_t>(end - begin)))
        end = static_cast<const char*>(cr);
    if (end < begin + left && end - begin <= maxField_) {
        out = QByteArray(begin, end - begin);
        pos_ += end - begin;
    } else {
        copyUntil(out, "\r\n");
    }
    if (atLineEnd())
        consumeLineEnd();
    return out;
}

std::optional<QByteArray> SequentialReader::readTextField() {
    skipBlanks();
    if (atEnd())
        return std::nullopt;
    QByteArray out;
    if (peek() == '"') {
        get();
        copyUntil(out, "\"\r\n");
        if (peek() == '"')
            get();
        skipBlanks();
        if (peek() == ',')
            get();
        else if (atLineEnd())
            consumeLineEnd();
        return out;
    }
    copyUntil(out, ",\r\n");
    if (peek() == ',')
        get();
    else if (atLineEnd())
        consumeLineEnd();
    while (!out.isEmpty() && isBlank(static_cast<unsigned char>(out.back())))
        out.chop(1);
    return out;
}

bool SequentialReader::readNumberField(double& value) {
    const auto ends = [](int c) { return c < 0 || isBlank(c) || c == ',' || isLineEnd(c); };
    // A field whose delimiter lies inside the buffer, nearly every one, is read where it lies.
    const char* const data = buffer_.constData();
    const char* const end = data + buffer_.size();
    const char* first = data + pos_;
    while (first < end && isBlank(*first))
        ++first;
    const char* last = first;
    while (last < end && !ends(static_cast<unsigned char>(*last)))
        ++last;
    const char* delimiter = last;
    while (delimiter < end && isBlank(*delimiter))
        ++delimiter;
    if (delimiter < end && last - first <= maxField_) {
        value = numericValue(QByteArrayView(first, last - first));
        pos_ = delimiter - data;
        if (*delimiter == ',')
            ++pos_;
        else if (isLineEnd(*delimiter))
            consumeLineEnd();
        return true;
    }

    skipBlanks();
    if (atEnd())
        return false;
    QVarLengthArray<char, 64> token;
    for (int c = peek(); !ends(c); c = peek()) {
        if (token.size() < maxField_)
            token.append(static_cast<char>(c));
        else
            truncated_ = true;
        ++pos_;
    }
    skipBlanks();
    if (peek() == ',')
        get();
    else if (atLineEnd())
        consumeLineEnd();
    value = numericValue(QByteArrayView(token.constData(), token.size()));
    return true;
}

std::optional<std::int32_t> SequentialReader::readInt32Field() {
    const std::optional<double> v = readNumberField();
    if (!v)
        return std::nullopt;
    return toInt32(*v);
}

SequentialWriter::SequentialWriter(QIODevice& device)
    : device_(device), buffer_(std::make_unique_for_overwrite<char[]>(kBufferBytes)) {}

SequentialWriter::~SequentialWriter() {
    flush();
}

void SequentialWriter::flush() {
    if (used_ > 0 && device_.write(buffer_.get(), used_) != used_)
        ok_ = false;
    used_ = 0;
}

bool SequentialWriter::finish() {
    flush();
    return ok_;
}

void SequentialWriter::putBeyondBuffer(QByteArrayView bytes) {
    flush();
    if (bytes.size() > kBufferBytes) { // a long text goes straight through
        if (device_.write(bytes.data(), bytes.size()) != bytes.size())
            ok_ = false;
        return;
    }
    put(bytes);
}

void SequentialWriter::writeTextLine(QByteArrayView text) {
    put(text);
    put("\r\n");
}

void SequentialWriter::writeNumberLine(std::int64_t value) {
    char buffer[kStrNumberRoom + 3];
    const std::size_t n = putStrNumber(buffer, value);
    std::memcpy(buffer + n, " \r\n", 3);
    put(QByteArrayView(buffer, static_cast<qsizetype>(n + 3)));
}

void SequentialWriter::writeBooleanLine(bool value) {
    writeTextLine(value ? "True" : "False");
}

} // namespace seqtext
