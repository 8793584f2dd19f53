#pragma once

#include "grid/CrosswordDocument.h"

#include <QByteArrayList>
#include <QHash>

// An authored crossword made from a filled-in grid: rows of Windows-1251 letters with '#' for
// black cells. The grid is analysed and every slot gets the letters it covers as its answer,
// placed through PlaceAnswer (so the words cross as the author's would), with the clue that
// `clues` holds for that answer. Without answers (noAnswers = 1) only the grid is kept.
// Title, author and password (given plain, held scrambled) are set as the properties dialog
// sets them.
struct FilledCrossword {
    QByteArrayList rows;
    QHash<QByteArray, QByteArray> clues;
    QByteArray title = "Test";
    QByteArray author;
    QByteArray password;
    int noAnswers = 0;

    CrosswordDocument build() const;
};

// The 3 × 3 crossword with a black centre: КОТ and ТОК across, КИТ and ТОК down, each with its
// clue; "Дом" by "Иванов", password "Секрет".
FilledCrossword houseCrossword(int noAnswers = 0);

// The same grid in Latin letters, without clues: 1 across CAT / 1 down CAT, 2 down TEP, 3 across
// TOP.
FilledCrossword ringCrossword();
