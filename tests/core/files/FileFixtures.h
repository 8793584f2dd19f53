#pragma once

#include "grid/CrosswordDocument.h"

#include <QBuffer>
#include <QByteArray>
#include <QStringView>

#include <functional>

// Windows-1251 bytes of a literal, for readable Cyrillic fixtures.
QByteArray cp(QStringView text);

// A 4 × 3 crossword with its slots filled in by hand (column 3 is black):
//   К О Т #      1 across КОТ, 1 down КИТ
//   И # О #      2 down ТОК
//   Т О К #      3 across ТОК
// With answers it has clues, author "Иванов" and the password "Секрет" (held scrambled);
// without answers it has grid and numbers only.
CrosswordDocument sampleCrossword(bool withAnswers = true);

// Lines as the files hold them: a number " 5 " (a negative one "-5 ") or a text, then CR LF.
QByteArray num(int v);
QByteArray line(const QByteArray& text);

// The bytes a writer puts on a device; its result is expected to be true.
QByteArray bytesWrittenBy(const std::function<bool(QIODevice&)>& write);

// A reader run over bytes.
template <typename Read> auto readFrom(const QByteArray& bytes, Read read) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return read(buffer);
}
