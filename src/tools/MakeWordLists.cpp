// Writes Data/2.dat to Data/24.dat of a program folder, the word lists of the pattern search,
// from a Russian hunspell dictionary: clueforge_wordlists <ru_RU.dic> <program folder>
#include "words/HunspellNouns.h"
#include "words/WordList.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <dictionary.dic> <program folder>\n", argv[0]);
        return 2;
    }
    const QString dicPath = QString::fromLocal8Bit(argv[1]);
    const QString programFolder = QDir(QString::fromLocal8Bit(argv[2])).absolutePath() + u'/';
    QFile dic(dicPath);
    if (!dic.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    const auto nouns = words::nounsFromHunspell(dic);
    if (!QDir().mkpath(programFolder + QStringLiteral("Data"))) {
        std::fprintf(stderr, "cannot create %s/Data\n", argv[2]);
        return 1;
    }
    qsizetype total = 0;
    for (int length = words::kMinPatternLength; length <= words::kMaxPatternLength; ++length) {
        const auto it = nouns.find(length);
        const QList<QByteArray> list = it == nouns.end() ? QList<QByteArray>() : it->second;
        QSaveFile out(words::wordListPath(programFolder, length));
        if (!out.open(QIODevice::WriteOnly) || !words::writeWordList(out, length, list) ||
            !out.commit()) {
            std::fprintf(stderr, "cannot write the list of length %d\n", length);
            return 1;
        }
        total += list.size();
    }
    std::printf("%lld words of %d to %d letters\n", static_cast<long long>(total),
                words::kMinPatternLength, words::kMaxPatternLength);
    return 0;
}
