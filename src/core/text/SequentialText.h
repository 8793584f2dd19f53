#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <cstdint>
#include <cstring>
#include <functional>
#include <memory>
#include <optional>

class QIODevice;

// The one reader and writer of the line and field formats shared by every text file of the
// program: crossword, answers, settings, language and word-list files.
namespace seqtext {

// The numeric reading of a text: blanks anywhere are skipped, then an optional sign, digits,
// a decimal fraction and an exponent (or &H / &O for hexadecimal and octal) are taken up to the
// first character that cannot continue a number. A text without a number reads as 0.
double numericValue(QByteArrayView text);

// Rounding to a whole number with halves going to the even neighbour.
double roundHalfEven(double value);

// The rounding and range check of toInt32 for a value that is not a whole 32-bit number.
bool roundToInt32(double value, std::int32_t& out);

// A rounded value that fits a 32-bit integer into out; false when it overflows (or is not
// finite). Inline for the whole numbers that nearly every value read is: files hold tens of
// thousands, and the hot paths keep to plain values, which stay in registers.
inline bool toInt32(double value, std::int32_t& out) {
    if (value >= -2147483648.0 && value <= 2147483647.0) {
        const auto whole = static_cast<std::int32_t>(value);
        if (whole == value) {
            out = whole;
            return true;
        }
    }
    return roundToInt32(value, out);
}

// The same, or nothing.
inline std::optional<std::int32_t> toInt32(double value) {
    std::int32_t out = 0;
    return toInt32(value, out) ? std::optional<std::int32_t>(out) : std::nullopt;
}

// A number the way the runtime's Str writes it: a blank (or the minus sign) before the digits.
QByteArray strNumber(std::int64_t value);

class SequentialReader {
public:
    // Fields and lines longer than maxFieldBytes are cut there; the rest up to their end is
    // skipped and truncated() reports it, so a hostile file cannot exhaust memory.
    static constexpr qsizetype kDefaultMaxField = qsizetype(64) * 1024 * 1024;
    // Nothing past the first maxInputBytes of the device is read: the reader ends there as if
    // the file did, so skipping an overlong field or counting endless records stays bounded.
    static constexpr qint64 kDefaultMaxInput = qint64(64) * 1024 * 1024;

    explicit SequentialReader(QIODevice& device, qsizetype maxFieldBytes = kDefaultMaxField,
                              qint64 maxInputBytes = kDefaultMaxInput);

    bool atEnd();

    // A whole line up to its end (CR LF, CR or LF), blanks kept; nothing at the end of the file.
    std::optional<QByteArray> readLine();

    // A text field: leading blanks skipped; a quoted field runs to its closing quote, any other
    // ends at a comma or the line end (trailing blanks dropped). The delimiter is consumed.
    std::optional<QByteArray> readTextField();

    // A number field: leading blanks skipped; the number ends at a blank, a comma or the line
    // end; blanks after it and then one comma or line end are consumed. A field without a
    // number reads as 0; nothing at the end of the file.
    std::optional<double> readNumberField() {
        double value = 0;
        return readNumberField(value) ? std::optional<double>(value) : std::nullopt;
    }
    // The same into value; false at the end of the file.
    bool readNumberField(double& value);
    // The same, as a 32-bit integer rounded halves to even; nothing also on overflow.
    std::optional<std::int32_t> readInt32Field();

    bool truncated() const { return truncated_; }
    // Whether the device reported an error: what was read before it may be only part of the file.
    bool failed() const { return failed_; }

    // While set, receives in order what is cut away from the fields and lines read.
    void setCutObserver(std::function<void(QByteArrayView)> observer) {
        cutObserver_ = std::move(observer);
    }

private:
    // The next byte, -1 at the end; inline, as the readers call it for every byte.
    int peek() {
        return pos_ < buffer_.size() ? static_cast<unsigned char>(buffer_.constData()[pos_])
                                     : refill();
    }
    int get() {
        const int c = peek();
        if (c >= 0)
            ++pos_;
        return c;
    }
    // Reads the next part of the device into the used-up buffer; as peek().
    int refill();
    bool atLineEnd();
    void consumeLineEnd();
    void skipBlanks();
    // Copies bytes to out up to the first of `stops` (left unread) or the file end.
    void copyUntil(QByteArray& out, QByteArrayView stops);

    QIODevice& device_;
    qsizetype maxField_;
    qint64 inputLeft_;
    QByteArray buffer_;
    qsizetype pos_ = 0;
    bool eof_ = false;
    bool truncated_ = false;
    bool failed_ = false;
    std::function<void(QByteArrayView)> cutObserver_;
};

class SequentialWriter {
public:
    explicit SequentialWriter(QIODevice& device);
    // Hands the device what is still held; a failure then is only seen through finish().
    ~SequentialWriter();
    SequentialWriter(const SequentialWriter&) = delete;
    SequentialWriter& operator=(const SequentialWriter&) = delete;

    // The text unchanged, then CR LF.
    void writeTextLine(QByteArrayView text);
    // A blank (or the minus sign), the digits, a blank, then CR LF: 5 is written " 5 ".
    void writeNumberLine(std::int64_t value);
    // "True" or "False", never translated.
    void writeBooleanLine(bool value);

    // Hands the device every byte still held and tells whether every write succeeded.
    bool finish();

private:
    // Bytes are gathered here and handed to the device in large pieces: a file holds tens of
    // thousands of short lines, and each device write costs far more than copying a line.
    static constexpr qsizetype kBufferBytes = 64 * 1024;

    // Inline for the short pieces that nearly every line is.
    void put(QByteArrayView bytes) {
        if (used_ + bytes.size() <= kBufferBytes) {
            if (!bytes.isEmpty()) // an empty text may have no data at all
                std::memcpy(buffer_.get() + used_, bytes.data(),
                            static_cast<std::size_t>(bytes.size()));
            used_ += bytes.size();
        } else {
            putBeyondBuffer(bytes);
        }
    }
    void putBeyondBuffer(QByteArrayView bytes);
    void flush();

    QIODevice& device_;
    std::unique_ptr<char[]> buffer_;
    qsizetype used_ = 0;
    bool ok_ = true;
};

} // namespace seqtext
