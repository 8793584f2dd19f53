#pragma once

#include "grid/CrosswordDocument.h"

#include <QByteArrayList>

// A drawn grid from rows of text, '#' black and any other character white, as the author
// would leave it in ModeDrawGrid.
CrosswordDocument drawnGrid(const QByteArrayList& rows, int noAnswers = 0);

// The same grid analysed and built into the shown cell map in the given style.
CrosswordDocument analysedGrid(const QByteArrayList& rows, int shownStyle = 0);
