#pragma once

#include "support/ProgramFolder.h"
#include "words/WordList.h"

#include <QBuffer>

#include <initializer_list>

// Writes Data/L.dat of a program folder with the given words, all of length L.
inline void writeWords(const TempProgramFolder& folder, int length,
                       const QList<QByteArray>& words) {
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    words::writeWordList(out, length, words);
    folder.write(QStringLiteral("Data/%1.dat").arg(length), out.data());
}
inline void writeWords(const TempProgramFolder& folder, int length,
                       std::initializer_list<QByteArray> words) {
    writeWords(folder, length, QList<QByteArray>(words));
}
