// Gathering the words of a fill from the program's and the user's folders.
#include "fill/FillWords.h"

#include "files/FileCommon.h"
#include "text/CodePage.h"
#include "words/WordList.h"

#include <QFile>
#include <QStringDecoder>

namespace fill {

QString neverListPath(const QString& folder) {
    return folder + QStringLiteral("Data/never.txt");
}

QList<QByteArray> readNeverList(QIODevice& device) {
    QByteArray bytes = device.read(kMaxNeverListBytes);
    // A device longer than the bound (a file is refused before) loses its cut last line.
    if (bytes.size() == kMaxNeverListBytes && !device.atEnd())
        bytes.truncate(bytes.lastIndexOf('\n') + 1);
    // A file that is not valid UTF-8 is taken as Windows-1251, as the program's other texts.
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        text = cp1251::toUnicode(bytes);
    QList<QByteArray> out;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        const QString word = line.trimmed();
        // No list holds a longer word; a stray long line costs nothing then.
        if (!word.isEmpty() && word.size() <= words::kMaxPatternLength && cp1251::canEncode(word))
            out.append(cp1251::toUpper(cp1251::fromUnicode(word)));
    }
    return out;
}

Lexicon loadLexicon(const QStringList& folders) {
    Lexicon lexicon;
    for (const QString& folder : folders) {
        if (folder.isEmpty())
            continue;
        for (int length = words::kMinPatternLength; length <= words::kMaxPatternLength; ++length) {
            QFile file(words::wordListPath(folder, length));
            if (openForReading(file) == FileStatus::Ok)
                lexicon.add(words::readWordList(file, length));
        }
    }
    for (const QString& folder : folders) {
        QFile never(neverListPath(folder));
        if (!folder.isEmpty() && openForReading(never, kMaxNeverListBytes) == FileStatus::Ok)
            for (const QByteArray& word : readNeverList(never))
                lexicon.forbid(word);
    }
    return lexicon;
}

} // namespace fill
