#pragma once

#include <QByteArray>
#include <QList>
#include <QStringView>

#include <map>

class QIODevice;

// Building the Data word lists from a Russian hunspell dictionary (a .dic file in UTF-8 whose
// affix classes are those of Debian's hunspell-ru).
namespace words {

// Whether a dictionary stem with these affix flags is a common noun in the nominative singular:
// lower-case Cyrillic only (proper names and abbreviations start with a capital), and at least
// one noun declension class that fits the stem's ending. Plural stems and the possessive
// adjectives that share a class with nouns are left out.
bool isNominativeNoun(QStringView stem, QStringView flags);

// The nouns of a .dic file, grouped by length (2 to 24): upper case, Ё written as Е, in
// Windows-1251, sorted and without duplicates.
std::map<int, QList<QByteArray>> nounsFromHunspell(QIODevice& dic);

} // namespace words
