#include "support/FilledCrossword.h"

#include "grid/GridAnalysis.h"
#include "grid/ShownGrid.h"
#include "grid/SlotWalk.h"
#include "support/Crosswords.h"
#include "support/GridPattern.h"
#include "words/Placement.h"

#include <gtest/gtest.h>

CrosswordDocument FilledCrossword::build() const {
    CrosswordDocument doc = drawnGrid(rows, noAnswers);
    EXPECT_TRUE(analyseGrid(doc));
    buildShownGrid(doc, 0);
    if (noAnswers == 0) {
        for (int n = 1; n <= doc.NumberedCount; ++n)
            for (int d = 0; d <= 1; ++d) {
                QByteArray word;
                forEachSlotCell(doc.SlotTable, n, d,
                                [&](int, int x, int y) { word += rows[y].at(x); });
                if (word.isEmpty())
                    continue;
                EXPECT_EQ(PlaceAnswer(doc, n, d, word, clues.value(word)).kind,
                          PlacementOutcome::Kind::Placed)
                    << n << ' ' << d;
            }
    }
    doc.CrosswordTitle = title;
    doc.Scramble = BuildScrambleTables(title);
    doc.CrosswordAuthor = author;
    doc.CrosswordPassword = ScrambleText(doc.Scramble, password);
    return doc;
}

FilledCrossword houseCrossword(int noAnswers) {
    using fixtures::cp;
    FilledCrossword c;
    c.rows = {cp(u"КОТ"), cp(u"И#О"), cp(u"ТОК")};
    c.clues = {{cp(u"КОТ"), cp(u"Домашний зверь")},
               {cp(u"КИТ"), cp(u"Морской великан")},
               {cp(u"ТОК"), cp(u"Электрический ...")}};
    c.title = cp(u"Дом");
    c.author = cp(u"Иванов");
    c.password = cp(u"Секрет");
    c.noAnswers = noAnswers;
    return c;
}

FilledCrossword ringCrossword() {
    FilledCrossword f;
    f.rows = {"CAT", "A#E", "TOP"};
    return f;
}
