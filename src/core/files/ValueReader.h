#pragma once

#include "files/FileCommon.h"
#include "files/ScrambleTables.h"
#include "text/SequentialText.h"

#include <QByteArray>

#include <cstdint>
#include <optional>

// The values of a crossword or answers file one by one, noting when one was past the end.
class ValueReader {
public:
    // A device longer than any sound file ends, for this reader, after kMaxFileBytes; a line
    // keeps its first kMaxTextBytes.
    explicit ValueReader(QIODevice& device) : in_(device, kMaxTextBytes, kMaxFileBytes) {}

    // A number line; nothing past the end.
    std::optional<double> number() { return noteEnd(in_.readNumberField()); }
    // The same as a 32-bit integer; nothing also when it does not fit.
    std::optional<std::int32_t> int32() {
        std::int32_t value = 0;
        return int32(value) ? std::optional<std::int32_t>(value) : std::nullopt;
    }
    // The same into value; false when there is none. Plain values for the records' loops.
    bool int32(std::int32_t& value) {
        double v = 0;
        if (!in_.readNumberField(v)) {
            ended_ = true;
            return false;
        }
        return seqtext::toInt32(v, value);
    }
    // A text line read whole; nothing past the end.
    std::optional<QByteArray> line() { return noteEnd(in_.readLine()); }
    // The same for a title, whose part cut away still counts for the scramble tables.
    std::optional<QByteArray> titleLine(TitleRemainder& cutAway) {
        in_.setCutObserver([&cutAway](QByteArrayView piece) { cutAway.add(piece); });
        std::optional<QByteArray> title = line();
        in_.setCutObserver({});
        return title;
    }

    bool ended() const { return ended_; }
    // The device failed while reading: the values are only part of the file.
    bool failed() const { return in_.failed(); }

private:
    template <typename T> std::optional<T> noteEnd(std::optional<T> v) {
        if (!v)
            ended_ = true;
        return v;
    }

    seqtext::SequentialReader in_;
    bool ended_ = false;
};
