#include "support/GridPattern.h"

#include "grid/GridAnalysis.h"
#include "grid/ShownGrid.h"

CrosswordDocument drawnGrid(const QByteArrayList& rows, int noAnswers) {
    CrosswordDocument doc;
    const int w = rows.isEmpty() ? 0 : static_cast<int>(rows.front().size());
    doc.startNewGrid(w, static_cast<int>(rows.size()), "Test", noAnswers);
    for (int y = 0; y < rows.size(); ++y)
        for (int x = 0; x < w; ++x)
            doc.CellMap.set(x, y, rows[y].at(x) == '#' ? 1 : 0);
    return doc;
}

CrosswordDocument analysedGrid(const QByteArrayList& rows, int shownStyle) {
    CrosswordDocument doc = drawnGrid(rows);
    analyseGrid(doc);
    buildShownGrid(doc, shownStyle);
    return doc;
}
