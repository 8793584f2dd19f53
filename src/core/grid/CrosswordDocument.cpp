#include "grid/CrosswordDocument.h"

void CrosswordDocument::startNewGrid(int width, int height, const QByteArray& title,
                                     int noAnswers) {
    GridWidth = width;
    GridHeight = height;
    CellMap = Table<int>::withBounds(width, height);
    Mode = EditMode::ModeDrawGrid;
    CrosswordPath.clear();
    CrosswordAuthor.clear();
    NoAnswers = noAnswers ? 1 : 0;
    CrosswordPassword.clear();
    CrosswordTitle = title;
    Scramble = BuildScrambleTables(title);
    Modified = false;
    Aids = {};
}
