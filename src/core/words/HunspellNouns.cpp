#include "words/HunspellNouns.h"

#include "text/CodePage.h"
#include "text/SequentialText.h"
#include "words/WordList.h"

#include <QIODevice>
#include <QString>

#include <algorithm>
#include <set>

namespace words {
namespace {

bool isLowerCyrillic(QStringView word) {
    return !word.isEmpty() && std::all_of(word.begin(), word.end(), [](QChar c) {
        return (c >= u'а' && c <= u'я') || c == u'ё';
    });
}

bool endsWithAny(QStringView word, std::initializer_list<const char16_t*> endings) {
    return std::any_of(endings.begin(), endings.end(),
                       [word](const char16_t* e) { return word.endsWith(QStringView(e)); });
}

// One affix class of ru_RU.aff and the stems it declines as a noun in the singular.
bool classFits(char16_t flag, QStringView stem) {
    switch (flag) {
    case u'F': // -ость, -ь feminine, -онок
    case u'J': // neuter and masculine second declension
    case u'K':
    case u'N': // mixed masculine and feminine
        return true;
    case u'G': // nouns, but the class also declines adjectival surnames
        return !endsWithAny(stem, {u"ый", u"ий", u"ой"});
    case u'H': // first declension; some stems listed here are case forms (-ой, -ей)
    case u'I':
        return endsWithAny(stem, {u"а", u"я"});
    case u'O': // fleeting vowels, but also plural-only stems and possessive adjectives (-ий)
        return !endsWithAny(stem, {u"ы", u"и", u"а", u"я", u"ий"});
    default:
        return false;
    }
}

} // namespace

bool isNominativeNoun(QStringView stem, QStringView flags) {
    if (!isLowerCyrillic(stem))
        return false;
    return std::any_of(flags.begin(), flags.end(),
                       [stem](QChar f) { return classFits(f.unicode(), stem); });
}

std::map<int, QList<QByteArray>> nounsFromHunspell(QIODevice& dic) {
    std::map<int, std::set<QByteArray>> byLength;
    seqtext::SequentialReader in(dic);
    while (const std::optional<QByteArray> line = in.readLine()) {
        const QString text = QString::fromUtf8(*line).trimmed();
        const qsizetype slash = text.indexOf(u'/');
        if (slash <= 0)
            continue; // the count line, and stems without classes (mostly inflected forms)
        const QStringView stem = QStringView(text).left(slash);
        QStringView flags = QStringView(text).mid(slash + 1);
        // Morphological fields may follow the classes after white space.
        const auto blank =
            std::find_if(flags.begin(), flags.end(), [](QChar c) { return c.isSpace(); });
        flags = flags.left(blank - flags.begin());
        if (!isNominativeNoun(stem, flags))
            continue;
        QString word = stem.toString().replace(u'ё', u'е').toUpper();
        const auto length = static_cast<int>(word.size());
        if (length >= kMinPatternLength && length <= kMaxPatternLength)
            byLength[length].insert(cp1251::fromUnicode(word));
    }
    std::map<int, QList<QByteArray>> out;
    for (const auto& [length, set] : byLength)
        out[length] = QList<QByteArray>(set.begin(), set.end());
    return out;
}

} // namespace words
