#include "SolvingWindow.h"
#include "support/Crosswords.h"
#include "support/ui/WindowParts.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>

using fixtures::cp;
using namespace Qt::StringLiterals;

namespace {

using Entry = SolvingWindow;

const QString kAllFilled = u"Every word of the crossword is filled in. Well done!\r\nTime: 0:00"_s;

} // namespace

TEST_F(Entry, Cases) {
    struct Stored {
        int n, d;
        const char16_t* word; // the solver's word as stored
    };
    struct Case {
        const char* name;
        int style;
        QStringList typed; // each line followed by Enter
        QStringList messages;
        int slot, direction; // the current slot afterwards
        int open;            // words without an entry
        const char* box;     // what stays in the answer box
        std::vector<Stored> stored;
    };
    const QStringList all{u"КОТ"_s, u"КИТ"_s, u"ОКО"_s, u"ТАНК"_s, u"ПИКА"_s, u"ПСА"_s, u"СТОН"_s};
    const Case cases[] = {
        {"number 1 across on opening", 0, {}, {}, 1, 0, 7, "", {}},
        {"3 has only a down word", 0, {u"3"_s}, {}, 3, 1, 7, "", {}},
        {"5 has only an across word", 0, {u"5"_s}, {}, 5, 0, 7, "", {}},
        {"4 has both: the other direction", 0, {u"4"_s}, {}, 4, 1, 7, "", {}},
        {"the current number toggles", 0, {u"1"_s, u"1"_s, u"1"_s}, {}, 1, 1, 7, "", {}},
        {"the current number without a crossing word", 0, {u"5"_s, u"5"_s}, {}, 5, 0, 7, "5", {}},
        {"a number out of range", 0, {u"9"_s}, {}, 1, 0, 7, "9", {}},
        {"halves round to even", 0, {u"2.5"_s}, {}, 2, 1, 7, "", {}},
        {"a word, then the first open slot", 0, {u"кот"_s}, {}, 1, 1, 6, "", {{1, 0, u"КОТ"}}},
        {"a first cell filled by the crossing word still counts",
         0,
         {u"КОТ"_s, u"КИТ"_s},
         {},
         2,
         1,
         5,
         "",
         {{1, 0, u"КОТ"}, {1, 1, u"КИТ"}}},
        {"overwriting counts once",
         0,
         {u"КОТ"_s, u"1"_s, u"КОД"_s},
         {},
         1,
         1,
         6,
         "",
         {{1, 0, u"КОД"}}},
        {"a word of another length", 0, {u"КОТЫ"_s}, {}, 1, 0, 7, "КОТЫ", {}},
        {"a contradicting letter",
         0,
         {u"КОТ"_s, u"ЛИС"_s},
         {u"This letter does not match the crossing word: К, Л"_s},
         1,
         1,
         6,
         "ЛИС",
         {{1, 0, u"КОТ"}}},
        {"the last open slot", 0, all, {kAllFilled}, 5, 0, 0, "", {{5, 0, u"СТОН"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        openCrossword(saveCrossword(kGrid, {}), c.style);
        ASSERT_EQ(doc().Mode, EditMode::ModeSolveNoAnswers);
        fake().messages.clear();
        typeLines(c.typed);
        EXPECT_EQ(messageTexts(), c.messages);
        EXPECT_EQ(doc().CurrentSlot, c.slot);
        EXPECT_EQ(doc().CurrentDirection, c.direction);
        EXPECT_EQ(doc().WordCount - doc().SolvedCount, c.open);
        if (c.open < 7) {
            EXPECT_EQ(part::wordCountLabel(*form)->text(), u"Words: %1"_s.arg(c.open));
        }
        EXPECT_EQ(part::answerEdit(*form)->text(), QString::fromUtf8(c.box));
        for (const Stored& s : c.stored) {
            EXPECT_EQ(doc().SlotTexts.at(s.n, s.d), cp(s.word));
            EXPECT_EQ(doc().SolvedFlags.at(s.n, s.d), 1);
        }
        // The current slot is highlighted, except after the last entry: drawn white.
        const int x = doc().SlotTable.at(c.slot, 0, c.direction);
        const int y = doc().SlotTable.at(c.slot, 1, c.direction);
        EXPECT_EQ(highlightedAt(x, y), c.open > 0);
        if (!c.messages.isEmpty() && c.open > 0) {
            EXPECT_EQ(part::answerEdit(*form)->selectionStart(), 0);
            EXPECT_EQ(part::answerEdit(*form)->selectedText(), u"Л");
        }
    }
}

TEST_F(Entry, RightToLeftCellsShowTheWordAsTyped) {
    openCrossword(saveCrossword(kGrid, {}), 1);
    typeLines({u"КОТ"_s});
    EXPECT_EQ(letters(1, 0), cp(u"КОТ"));
    // Turned, 1 across runs leftwards from its number at (2, 3): its first letter is the Т.
    ASSERT_EQ(doc().CellMap.at(2, 3, 2), 1);
    EXPECT_EQ(doc().CellMap.at(2, 3, 3), static_cast<unsigned char>(cp(u"Т")[0]));
    EXPECT_EQ(doc().SlotTexts.at(1, 0), cp(u"ТОК"));
}

TEST_F(Entry, SwitchingTheStyleWhileSolving) {
    openCrossword(saveCrossword(kGrid, {}), 0);
    typeLines({u"КОТ"_s}); // 1 down is current next
    part::styleActions(*form)[1]->trigger();
    EXPECT_EQ(doc().CurrentSlot, 1);
    EXPECT_EQ(doc().CurrentDirection, 1);
    EXPECT_TRUE(highlightedAt(2, 1));
    EXPECT_EQ(letters(1, 0), cp(u"ТОК")); // turned by 180°
    // The word is typed as it reads on screen, bottom up, and stored in reading order.
    typeLines({u"ТИК"_s});
    EXPECT_EQ(doc().SlotTexts.at(1, 1), cp(u"КИТ"));
    EXPECT_EQ(part::wordCountLabel(*form)->text(), u"Words: 5");
    part::styleActions(*form)[0]->trigger();
    EXPECT_EQ(letters(1, 1), cp(u"КИТ"));
    EXPECT_EQ(letters(1, 0), cp(u"КОТ"));
    EXPECT_TRUE(highlightedAt(3, 0)); // 2 down, the first open slot
}
