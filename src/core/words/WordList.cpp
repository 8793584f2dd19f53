#include "words/WordList.h"

#include "text/CodePage.h"
#include "text/SequentialText.h"

#include <QFile>
#include <QFileInfo>

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

QList<QByteArray> matchingWords(const WordList& list, QByteArrayView pattern) {
    QList<QByteArray> found;
    const qsizetype length = list.length;
    if (length <= 0 || pattern.size() != length)
        return found;
    std::vector<std::pair<qsizetype, char>> known;
    for (qsizetype i = 0; i < length; ++i)
        if (pattern[i] != kUnknownLetter)
            known.emplace_back(i, pattern[i]);

    const char* word = list.letters.constData();
    const char* const end = word + list.count() * length;
    if (known.empty()) {
        for (; word < end; word += length)
            found.append(QByteArray(word, length));
        return found;
    }
    // Most words fail on the first known letter, so it is tested apart from the rest. Plain
    // locals keep the loop in registers across the calls that store a match.
    const qsizetype firstPosition = known.front().first;
    const char firstLetter = known.front().second;
    const auto* const restBegin = known.data() + 1;
    const auto* const restEnd = known.data() + known.size();
    for (; word < end; word += length) {
        if (word[firstPosition] != firstLetter)
            continue;
        const auto* k = restBegin;
        while (k != restEnd && word[k->first] == k->second)
            ++k;
        if (k == restEnd)
            found.append(QByteArray(word, length));
    }
    return found;
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
    if (!file.open(QIODevice::ReadOnly)) {
        entries_.remove(path);
        return empty_;
    }
    entry.list = readWordList(file, length);
    return entries_.insert(path, std::move(entry))->list;
}

QList<QByteArray> findWords(WordListCache& cache, const QString& programFolder,
                            const QByteArray& pattern) {
    const auto length = static_cast<int>(pattern.size());
    if (length < kMinPatternLength || length > kMaxPatternLength)
        return {};
    return matchingWords(cache.load(programFolder, length), cp1251::toUpper(pattern));
}

} // namespace words
