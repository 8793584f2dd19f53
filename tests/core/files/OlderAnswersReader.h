#pragma once

// The answers file reader as copies before the time and the hints had it, kept word for word:
// what an older copy makes of a file this one writes.

#include "files/AnswersFile.h"
#include "files/ValueReader.h"
#include "grid/GridLimits.h"

#include <algorithm>

namespace older {

inline FileStatus ReadAnswersFile(QIODevice& device, AnswersFileContent& content) {
    constexpr long long kMaxRecords = 2LL * gridlimits::kMaxGridSide * gridlimits::kMaxGridSide;
    ValueReader in(device);
    // The name is read whole: a comma is part of a file name.
    const std::optional<QByteArray> name = in.line();
    const std::optional<QByteArray> title = in.line();
    const std::optional<double> noAnswers = in.number();
    const std::optional<std::int32_t> numbered = in.int32();
    const std::optional<double> claimed = in.number();
    if (!name || !title || !noAnswers || !numbered || !claimed)
        return FileStatus::Unusable;

    AnswersFileContent read;
    read.CrosswordFileName = fileNameWithoutFolder(*name);
    read.CrosswordTitle = *title;
    read.NoAnswers = *noAnswers != 0 ? 1 : 0;
    read.NumberedCount = *numbered;
    const long long count = std::clamp<double>(*claimed, 0, kMaxRecords);
    for (long long i = 0; i < count && !in.ended(); ++i) {
        const std::optional<std::int32_t> k = in.int32();
        const std::optional<std::int32_t> d = in.int32();
        std::optional<QByteArray> word;
        if (read.NoAnswers)
            word = in.line();
        if (k && d && (word || !read.NoAnswers))
            read.Records.push_back({*k, *d, word.value_or(QByteArray())});
    }
    // A read error would lose the solved words after it without a word.
    if (in.failed())
        return FileStatus::Unusable;
    content = std::move(read);
    return FileStatus::Ok;
}

} // namespace older
