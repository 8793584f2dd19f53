#pragma once

#include "grid/CrosswordDocument.h"

#include <QByteArray>
#include <QStringView>

// Windows-1251 bytes of a literal, for readable Cyrillic fixtures.
QByteArray cp(QStringView text);

// A 4 × 3 crossword with its slots filled in by hand (column 3 is black):
//   К О Т #      1 across КОТ, 1 down КИТ
//   И # О #      2 down ТОК
//   Т О К #      3 across ТОК
// With answers it has clues, author "Иванов" and the password "Секрет" (held scrambled);
// without answers it has grid and numbers only.
CrosswordDocument sampleCrossword(bool withAnswers = true);
