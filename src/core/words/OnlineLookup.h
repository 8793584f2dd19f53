#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace words {

// The search page of the online dictionary; the encoded word is appended to it.
inline constexpr char kLookupAddress[] = "https://yandex.ru/search/?text=";

// Letters a-z, A-Z and digits are kept, a blank becomes '+', every other byte "%XX" in upper-case
// hexadecimal. The word is Windows-1251, so a Cyrillic letter is one escape.
QByteArray encodeLookupWord(QByteArrayView word);

// kLookupAddress followed by the encoded word.
QString lookupAddress(QByteArrayView word);

} // namespace words
