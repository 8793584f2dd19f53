#include "words/WordList.h"

#include "files/FileCommon.h"
#include "text/CodePage.h"
#include "text/SequentialText.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <bit>
#include <utility>
#include <vector>

namespace words {

QString wordListPath(const QString& programFolder, int length) {
    return programFolder + QStringLiteral("Data/") + QString::number(length) +
           QStringLiteral(".dat");
}

WordList readWordList(QIODevice& device, int length) {
    WordList list;
    list.length = length;
    if (length <= 0)
        return list;
    seqtext::SequentialReader in(device);
    const std::optional<std::int32_t> count = in.readInt32Field();
    if (!count || *count <= 0)
        return list;
    std::optional<QByteArray> text = in.readTextField();
    if (!text)
        return list;
    const qsizetype whole = std::min<qsizetype>(*count, text->size() / length);
    text->truncate(whole * length);
    list.letters = std::move(*text);
    return list;
}

bool writeWordList(QIODevice& device, int length, const QList<QByteArray>& words) {
    QByteArray all;
    all.reserve(words.size() * length);
    for (const QByteArray& w : words) {
        if (w.size() != length || w.contains('"') || w.contains('\r') || w.contains('\n'))
            return false;
        all += w;
    }
    seqtext::SequentialWriter out(device);
    out.writeNumberLine(words.size());
    out.writeTextLine('"' + all + '"');
    return out.finish();
}

WordMatches matchingWords(const WordList& list, QByteArrayView pattern) {
    WordMatches found;
    const qsizetype length = list.length;
    if (length <= 0 || pattern.size() != length)
        return found;
    found.list_ = list;
    std::vector<std::pair<qsizetype, char>> known;
    for (qsizetype i = 0; i < length; ++i)
        if (pattern[i] != kUnknownLetter)
            known.emplace_back(i, pattern[i]);
    const qsizetype words = list.count();
    if (known.empty()) {
        found.all_ = true;
        found.count_ = words;
        return found;
    }
    std::vector<quint64> bits(static_cast<std::size_t>((words + 63) / 64));
    // Most words fail on the first known letter, so it is tested apart from the rest. Plain
    // locals keep the loop in registers.
    const qsizetype firstPosition = known.front().first;
    const char firstLetter = known.front().second;
    const auto* const restBegin = known.data() + 1;
    const auto* const restEnd = known.data() + known.size();
    const char* const begin = list.letters.constData();
    const char* const end = begin + words * length;
    for (const char* word = begin; word < end; word += length) {
        if (word[firstPosition] != firstLetter)
            continue;
        const auto* k = restBegin;
        while (k != restEnd && word[k->first] == k->second)
            ++k;
        if (k == restEnd) {
            const auto index = static_cast<std::size_t>((word - begin) / length);
            bits[index / 64] |= quint64(1) << (index % 64);
        }
    }
    found.before_.reserve(bits.size() / WordMatches::kBlockBits + 1);
    qsizetype count = 0;
    for (std::size_t i = 0; i < bits.size(); ++i) {
        if (i % WordMatches::kBlockBits == 0)
            found.before_.push_back(count);
        count += std::popcount(bits[i]);
    }
    found.bits_ = std::move(bits);
    found.count_ = count;
    return found;
}

qsizetype WordMatches::listIndex(qsizetype row) const {
    Q_ASSERT(row >= 0 && row < count_);
    if (all_)
        return row;
    // The last block with no more than `row` fits before it holds the row.
    const auto block = std::upper_bound(before_.begin(), before_.end(), row) - before_.begin() - 1;
    qsizetype left = row - before_[static_cast<std::size_t>(block)];
    for (auto i = static_cast<std::size_t>(block * kBlockBits);; ++i) {
        quint64 bits = bits_[i];
        const int here = std::popcount(bits);
        if (left < here) {
            for (; left > 0; --left)
                bits &= bits - 1;
            return static_cast<qsizetype>(i) * 64 + std::countr_zero(bits);
        }
        left -= here;
    }
}

qsizetype WordMatches::findPrefix(QByteArrayView prefix, qsizetype from) const {
    if (count_ == 0 || prefix.size() > list_.length)
        return -1;
    from = std::clamp<qsizetype>(from, 0, count_ - 1);
    const auto fits = [&](qsizetype index) { return list_.word(index).startsWith(prefix); };
    // Rows from `from` to the end, then from the start to `from`.
    const auto scan = [&](qsizetype firstRow, qsizetype endRow) -> qsizetype {
        if (all_) {
            for (qsizetype row = firstRow; row < endRow; ++row)
                if (fits(row))
                    return row;
            return -1;
        }
        if (firstRow >= endRow)
            return -1;
        qsizetype row = firstRow;
        qsizetype index = listIndex(firstRow);
        for (auto i = static_cast<std::size_t>(index / 64); row < endRow; ++i) {
            quint64 bits = bits_[i];
            if (static_cast<qsizetype>(i) == index / 64)
                bits &= ~quint64(0) << (index % 64);
            for (; bits != 0 && row < endRow; bits &= bits - 1, ++row)
                if (fits(static_cast<qsizetype>(i) * 64 + std::countr_zero(bits)))
                    return row;
        }
        return -1;
    };
    const qsizetype found = scan(from, count_);
    return found >= 0 ? found : scan(0, from);
}

QList<QByteArray> WordMatches::toList() const {
    QList<QByteArray> out;
    out.reserve(count_);
    for (qsizetype row = 0; row < count_; ++row)
        out.append(word(row).toByteArray());
    return out;
}

const WordList& WordListCache::load(const QString& programFolder, int length) {
    const QString path = wordListPath(programFolder, length);
    const QFileInfo info(path);
    if (!info.isFile()) {
        entries_.remove(path);
        return empty_;
    }
    auto it = entries_.find(path);
    if (it != entries_.end() && it->size == info.size() && it->modified == info.lastModified() &&
        it->list.length == length)
        return it->list;

    Entry entry;
    entry.size = info.size();
    entry.modified = info.lastModified();
    QFile file(path);
    ++reads_;
    if (openForReading(file) != FileStatus::Ok) {
        entries_.remove(path);
        return empty_;
    }
    entry.list = readWordList(file, length);
    return entries_.insert(path, std::move(entry))->list;
}

WordMatches findWords(WordListCache& cache, const QString& programFolder,
                      const QByteArray& pattern) {
    const auto length = static_cast<int>(pattern.size());
    if (length < kMinPatternLength || length > kMaxPatternLength)
        return {};
    return matchingWords(cache.load(programFolder, length), cp1251::toUpper(pattern));
}

} // namespace words
