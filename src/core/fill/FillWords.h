#pragma once

#include "fill/FillEngine.h"

#include <QString>
#include <QStringList>

class QIODevice;

namespace fill {

// The list of words never to use, "Data/never.txt" in a folder: one word per line, in UTF-8 or
// Windows-1251, any case.
QString neverListPath(const QString& folder);
// The most of it that is read: some 400,000 words. A larger file is not read at all, as any
// file over its bound.
constexpr qint64 kMaxNeverListBytes = qint64(4) * 1024 * 1024;
// Its words, upper case and in Windows-1251; blank lines, words it cannot hold and words longer
// than any list's are skipped.
QList<QByteArray> readNeverList(QIODevice& device);

// The words a fill may use: the word lists Data/2.dat to Data/24.dat of every folder (the
// program's and the user's own), less the words of each folder's never-use list.
Lexicon loadLexicon(const QStringList& folders);

} // namespace fill
