#pragma once

#include "fill/FillEngine.h"

#include <QDateTime>
#include <QStringList>

#include <memory>
#include <vector>

namespace fill {

// The words of a fill, read once and read again only when a list file of the folders appears,
// goes or changes, so that suggestions and dead cells after every placement cost no loading.
class LexiconCache {
public:
    // The lexicon of loadLexicon(folders). It stays valid for its holders, a fill running in
    // another thread among them, when a later call reads the lists again.
    std::shared_ptr<const Lexicon> load(const QStringList& folders);
    // How many times the lists were actually read; for tests.
    int reads() const { return reads_; }

private:
    struct Stamp {
        QString path;
        qint64 size = -1;
        QDateTime modified;
        bool operator==(const Stamp&) const = default;
    };
    static std::vector<Stamp> stamps(const QStringList& folders);

    QStringList folders_;
    std::vector<Stamp> stamps_;
    std::shared_ptr<const Lexicon> lexicon_;
    int reads_ = 0;
};

// Whether the lexicon has any word at all: without lists nothing can be judged.
bool hasWords(const Lexicon& lexicon);

} // namespace fill
