#include "BenchCrosswords.h"

#include "grid/GridAnalysis.h"
#include "text/CodePage.h"

#include <QString>

#include <iterator>

#include <random>

namespace bench {

CrosswordDocument drawnPattern(int side, double blackShare) {
    CrosswordDocument doc;
    doc.startNewGrid(side, side, "Bench", 0);
    std::mt19937 random(20240611u);
    std::bernoulli_distribution black(blackShare);
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

CrosswordDocument cluedPattern(int side) {
    CrosswordDocument doc = answeredPattern(side, false);
    static const char16_t* const words[] = {
        u"старинный",   u"город",     u"на",       u"реке",    u"музыкальный", u"инструмент",
        u"с",           u"тремя",     u"струнами", u"птица",   u"семейства",   u"врановых",
        u"часть",       u"света",     u"бог",      u"морей",   u"единица",     u"измерения",
        u"площади",     u"в",         u"романе",   u"героиня", u"известного",  u"поэта",
        u"французский", u"живописец", u"горный",   u"хребет",  u"Азии",        u"созвездие",
        u"северного",   u"полушария", u"и",        u"его",     u"звезда",      u"древний"};
    std::mt19937 random(20240613u);
    std::uniform_int_distribution<int> length(30, 60);
    std::uniform_int_distribution<std::size_t> pick(0, std::size(words) - 1);
    for (int n = 1; n <= doc.NumberedCount; ++n)
        for (int d = 0; d <= 1; ++d) {
            if (doc.SlotTable.at(n, 2, d) <= 0)
                continue;
            const int wanted = length(random);
            QString clue;
            // Whole words up to the wanted length, never past 60 characters.
            while (clue.size() < wanted) {
                const QString word = QString::fromUtf16(words[pick(random)]);
                if (clue.size() + 1 + word.size() > 60)
                    break;
                clue += (clue.isEmpty() ? QString() : QStringLiteral(" ")) + word;
            }
            clue[0] = clue[0].toUpper();
            doc.SlotTexts.set(n, 0, d, cp1251::fromUnicode(clue));
        }
    return doc;
}

} // namespace bench
