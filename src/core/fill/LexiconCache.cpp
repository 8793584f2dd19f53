// The words of a fill, kept between placements.
#include "fill/LexiconCache.h"

#include "fill/FillWords.h"

#include <QFileInfo>

namespace fill {

std::vector<LexiconCache::Stamp> LexiconCache::stamps(const QStringList& folders) {
    std::vector<Stamp> out;
    for (const QString& folder : folders) {
        if (folder.isEmpty())
            continue;
        QStringList paths{neverListPath(folder)};
        for (int length = words::kMinPatternLength; length <= words::kMaxPatternLength; ++length)
            paths.append(words::wordListPath(folder, length));
        for (const QString& path : paths) {
            const QFileInfo info(path);
            // A missing file is stamped too: one that appears later is read.
            out.push_back(info.exists() ? Stamp{path, info.size(), info.lastModified()}
                                        : Stamp{path, -1, {}});
        }
    }
    return out;
}

bool hasWords(const Lexicon& lexicon) {
    for (int length = words::kMinPatternLength; length <= words::kMaxPatternLength; ++length)
        if (lexicon.wordCount(length) > 0)
            return true;
    return false;
}

std::shared_ptr<const Lexicon> LexiconCache::load(const QStringList& folders) {
    std::vector<Stamp> now = stamps(folders);
    if (lexicon_ && folders == folders_ && now == stamps_)
        return lexicon_;
    lexicon_ = std::make_shared<const Lexicon>(loadLexicon(folders));
    folders_ = folders;
    stamps_ = std::move(now);
    ++reads_;
    return lexicon_;
}

} // namespace fill
