#pragma once

#include <QByteArray>
#include <QString>

// Texts of the document model and of every file are Windows-1251 bytes; Unicode appears only
// where a text meets a widget or a font. The table is fixed, whatever the machine's locale.
namespace cp1251 {

// The character of one byte; the single byte 0x98, unassigned, becomes U+FFFD.
QChar toUnicode(unsigned char byte);
QString toUnicode(const QByteArray& bytes);

// The byte of one character, or -1 when Windows-1251 cannot hold it.
int fromUnicode(char16_t ch);
bool canEncode(QStringView text);
// Characters that cannot be held become '?': callers that must not lose a character check
// canEncode first.
QByteArray fromUnicode(QStringView text);

// The platform's case mapping, applied through Unicode so that Cyrillic (ё → Ё) is covered.
QByteArray toUpper(const QByteArray& bytes);
QByteArray toLower(const QByteArray& bytes);

} // namespace cp1251
