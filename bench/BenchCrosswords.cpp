#include "BenchCrosswords.h"

#include "grid/GridAnalysis.h"

#include <random>

namespace bench {

CrosswordDocument drawnPattern(int side) {
    CrosswordDocument doc;
    doc.startNewGrid(side, side, "Bench", 0);
    std::mt19937 random(20240611u);
    std::bernoulli_distribution black(1.0 / 6.0);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            if (black(random)) {
                doc.CellMap.set(x, y, 1);
                doc.CellMap.set(side - 1 - x, side - 1 - y, 1);
            }
    return doc;
}

CrosswordDocument answeredPattern(int side, bool withClues) {
    CrosswordDocument doc = drawnPattern(side);
    analyseGrid(doc);
    std::mt19937 random(20240612u);
    std::uniform_int_distribution<int> letter(0xC0, 0xDF); // А to Я in Windows-1251
    QByteArray letters(qsizetype(side) * side, '\0');
    for (char& c : letters)
        c = static_cast<char>(letter(random));
    for (int n = 1; n <= doc.NumberedCount; ++n)
        for (int d = 0; d <= 1; ++d) {
            const int len = doc.SlotTable.at(n, 2, d);
            if (len <= 0)
                continue;
            const int x0 = doc.SlotTable.at(n, 0, d);
            const int y0 = doc.SlotTable.at(n, 1, d);
            QByteArray word;
            for (int k = 0; k < len; ++k)
                word += letters[(y0 + (d == 1 ? k : 0)) * side + x0 + (d == 0 ? k : 0)];
            doc.SlotTexts.set(n, 1, d, word);
            if (withClues)
                doc.SlotTexts.set(n, 0, d,
                                  "\xcf\xf0\xe8\xec\xe5\xf0 \xe2\xee\xef\xf0\xee\xf1\xe0 " +
                                      QByteArray::number(n) + (d == 0 ? " across" : " down") +
                                      ", " + word.left(12));
        }
    doc.CrosswordTitle = "Bench";
    doc.Scramble = BuildScrambleTables(doc.CrosswordTitle);
    doc.CrosswordAuthor = "Author";
    doc.CrosswordPassword = ScrambleText(doc.Scramble, "secret");
    return doc;
}

} // namespace bench
