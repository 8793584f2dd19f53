#include "support/Crosswords.h"
#include "support/ui/WindowParts.h"
#include "support/ui/WordWindow.h"
#include "text/CodePage.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

using fixtures::cp;
using namespace Qt::StringLiterals;

namespace {

// 1 across and down from (0, 0), 2 down from (2, 0), 3 across from (0, 2).
const QByteArrayList kRing{"...", ".#.", "..."};

class Placement : public WordWindow {
protected:
    // Clicks the slot's first cell until the slot is the current one.
    void select(int n, int d) {
        for (int i = 0; i < 2 && !(doc().CurrentSlot == n && doc().CurrentDirection == d); ++i)
            clickCell(doc().SlotTable.at(n, 0, d), doc().SlotTable.at(n, 1, d));
        ASSERT_EQ(doc().CurrentSlot, n);
        ASSERT_EQ(doc().CurrentDirection, d);
    }
    // Clue, Enter, answer, Enter, as the author types them into a slot without an answer.
    void author(int n, int d, const QString& clue, const QString& answer) {
        select(n, d);
        ASSERT_EQ(focusedName(), u"clueEdit");
        type(clue);
        pressEnter();
        ASSERT_EQ(focusedName(), u"answerEdit");
        type(answer);
        pressEnter();
    }
    // Select all and delete, leaving the focus in the box.
    void clearBox(QLineEdit* box) {
        box->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Backspace);
        ASSERT_TRUE(box->text().isEmpty());
    }
    QString answerOf(int n, int d) { return cp1251::toUnicode(doc().SlotTexts.at(n, 1, d)); }
};

} // namespace

TEST_F(Placement, CasesThroughTheAnswerBox) {
    struct Prior {
        int n, d;
        const char16_t* answer;
    };
    enum class Input { Typed, Pasted, Emptied };
    struct Case {
        const char* name;
        std::vector<Prior> prior;
        int n, d;
        Input input;
        const char16_t* text;
        const char16_t* stored;  // the slot's answer afterwards
        const char16_t* message; // nullptr: none
        int selectionStart;      // -1: no selection
        const char16_t* letters; // the slot's letters afterwards
    };
    const Case cases[] = {
        {"too short", {}, 1, 0, Input::Typed, u"КО", u"", nullptr, -1, u"..."},
        {"too long", {}, 1, 0, Input::Typed, u"КОТЫ", u"", nullptr, -1, u"..."},
        {"lower case", {}, 1, 0, Input::Typed, u"кот", u"КОТ", nullptr, -1, u"КОТ"},
        {"ё", {}, 1, 0, Input::Typed, u"ёжи", u"ЁЖИ", nullptr, -1, u"ЁЖИ"},
        {"crossing А, typed а",
         {{1, 1, u"АРБ"}},
         1,
         0,
         Input::Typed,
         u"ауж",
         u"АУЖ",
         nullptr,
         -1,
         u"АУЖ"},
        {"conflict",
         {{2, 1, u"УЖР"}},
         3,
         0,
         Input::Typed,
         u"дом",
         u"",
         u"This letter does not match the crossing word: Р, М",
         2,
         u"..Р"},
        {"pasted blank", {}, 1, 0, Input::Pasted, u"К Т", u"", nullptr, -1, u"..."},
        {"typed blank dropped", {}, 1, 0, Input::Typed, u"К О Т", u"КОТ", nullptr, -1, u"КОТ"},
        {"typed non-cp1251 dropped",
         {},
         1,
         0,
         Input::Typed,
         u"К✓О\U0001F600Т",
         u"КОТ",
         nullptr,
         -1,
         u"КОТ"},
        {"pasted non-cp1251 dropped",
         {},
         1,
         0,
         Input::Pasted,
         u"\u4E2DК\u2713ОТ",
         u"КОТ",
         nullptr,
         -1,
         u"КОТ"},
        {"removal of nothing", {}, 1, 0, Input::Emptied, u"", u"", nullptr, -1, u"..."},
        {"removal keeps the crossing letter",
         {{1, 0, u"КОТ"}, {2, 1, u"ТУР"}},
         1,
         0,
         Input::Emptied,
         u"",
         u"",
         nullptr,
         -1,
         u"..Т"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        startAuthoring(kRing);
        for (const Prior& p : c.prior)
            author(p.n, p.d, u"prior"_s, QString::fromUtf16(p.answer));
        select(c.n, c.d);
        const QByteArray clueBefore = doc().SlotTexts.at(c.n, 0, c.d);
        clearBox(part::answerEdit(*form));
        clearBox(part::clueEdit(*form));
        type(u"A clue"_s);
        pressEnter(); // with the answer box empty, on to the answer box
        ASSERT_EQ(focusedName(), u"answerEdit");
        const QString text = QString::fromUtf16(c.text);
        switch (c.input) {
        case Input::Typed:
            type(text);
            break;
        case Input::Pasted:
            paste(part::answerEdit(*form), text);
            EXPECT_EQ(part::answerEdit(*form)->text(), text.contains(u' ') ? text : u"КОТ"_s);
            break;
        case Input::Emptied:
            break;
        }
        fake().messages.clear();
        doc().Modified = false;
        const QString boxBefore = part::answerEdit(*form)->text();
        pressEnter();

        const QString stored = QString::fromUtf16(c.stored);
        EXPECT_EQ(answerOf(c.n, c.d), stored);
        EXPECT_EQ(letters(c.n, c.d), cp(c.letters));
        const bool changed = !stored.isEmpty() || (!c.prior.empty() && c.input == Input::Emptied);
        EXPECT_EQ(doc().Modified, changed);
        // A placed or removed answer stores the clue as typed; otherwise it stays unstored.
        EXPECT_EQ(doc().SlotTexts.at(c.n, 0, c.d), changed ? QByteArray("A clue") : clueBefore);
        if (c.message) {
            ASSERT_EQ(fake().messages.size(), 1);
            EXPECT_EQ(fake().messages[0].text, QString::fromUtf16(c.message));
            EXPECT_EQ(fake().messages[0].icon, platform::Icon::Critical);
            EXPECT_EQ(fake().messages[0].buttons, platform::Buttons::Ok);
        } else {
            EXPECT_TRUE(fake().messages.isEmpty());
        }
        if (changed) {
            EXPECT_TRUE(part::answerEdit(*form)->text().isEmpty());
            EXPECT_NE(std::pair(doc().CurrentSlot, doc().CurrentDirection), std::pair(c.n, c.d));
        } else {
            // The word stays for correcting, the slot stays current.
            EXPECT_EQ(part::answerEdit(*form)->text(), boxBefore);
            EXPECT_EQ(doc().CurrentSlot, c.n);
            EXPECT_EQ(doc().CurrentDirection, c.d);
            EXPECT_EQ(focusedName(), u"answerEdit");
        }
        if (c.selectionStart >= 0) {
            EXPECT_EQ(part::answerEdit(*form)->selectionStart(), c.selectionStart);
            EXPECT_EQ(part::answerEdit(*form)->selectedText().size(), 1);
        }
    }
}

TEST_F(Placement, EachWordLeadsToTheNextAndTheLastLeavesNothingSelected) {
    startAuthoring(kRing);
    struct Step {
        int n, d;
        const char16_t* answer;
        int nextN, nextD;
    };
    // 1 across leads to 1 down of the same number, then the first slot without an answer.
    const Step steps[] = {
        {1, 0, u"КОТ", 1, 1}, {1, 1, u"КИТ", 2, 1}, {2, 1, u"ТОН", 3, 0}, {3, 0, u"ТОН", 0, 1}};
    for (const Step& s : steps) {
        ASSERT_EQ(doc().CurrentSlot, s.n);
        ASSERT_EQ(doc().CurrentDirection, s.d);
        EXPECT_TRUE(highlighted(doc().SlotTable.at(s.n, 0, s.d) + (s.d == 0),
                                doc().SlotTable.at(s.n, 1, s.d) + (s.d == 1)));
        type(u"clue"_s);
        pressEnter();
        type(QString::fromUtf16(s.answer));
        pressEnter();
        EXPECT_EQ(doc().CurrentSlot, s.nextN);
        EXPECT_EQ(doc().CurrentDirection, s.nextD);
    }
    EXPECT_FALSE(anythingHighlighted());
    EXPECT_TRUE(part::answerEdit(*form)->text().isEmpty());
    EXPECT_TRUE(part::clueEdit(*form)->text().isEmpty());
    EXPECT_EQ(letters(3, 0), cp(u"ТОН"));
    // With no slot current, Enter does nothing.
    part::answerEdit(*form)->setFocus();
    type(u"XYZ"_s);
    pressEnter();
    EXPECT_EQ(messageTexts(), QStringList());
    EXPECT_EQ(part::answerEdit(*form)->text(), u"XYZ");
}

TEST_F(Placement, FiveAcrossLeadsToFiveDownBeforeNumberTwo) {
    // 5 starts an across and a down word at (0, 2); 2 down has no answer yet.
    startAuthoring({"#...", "#...", "....", ".#.."});
    ASSERT_EQ(doc().SlotTable.at(5, 0, 0), 0);
    ASSERT_EQ(doc().SlotTable.at(5, 1, 0), 2);
    clickCell(0, 3); // only 5 down runs through here
    clickCell(0, 2); // the crossing cell toggles to 5 across
    ASSERT_EQ(doc().CurrentSlot, 5);
    ASSERT_EQ(doc().CurrentDirection, 0);
    type(u"clue"_s);
    pressEnter();
    type(u"ПОРТ"_s);
    pressEnter();
    EXPECT_EQ(doc().CurrentSlot, 5);
    EXPECT_EQ(doc().CurrentDirection, 1);
    EXPECT_TRUE(highlighted(0, 3));
    EXPECT_FALSE(highlighted(2, 2)); // 5 across drawn white again
}

TEST_F(Placement, TheClueBoxShowsTheClueLiveAndRoutesEnter) {
    startAuthoring(kRing);
    clickCell(2, 1); // 2 down
    ASSERT_EQ(doc().CurrentDirection, 1);
    type(u"Река"_s);
    EXPECT_EQ(part::clueLabels(*form)[1]->text(), u"Река");
    EXPECT_TRUE(part::clueLabels(*form)[0]->text().isEmpty());
    // Enter in the answer box with an empty clue only moves to the clue box.
    part::clueEdit(*form)->clear();
    part::answerEdit(*form)->setFocus();
    type(u"ТОН"_s);
    pressEnter();
    EXPECT_EQ(focusedName(), u"clueEdit");
    EXPECT_TRUE(doc().SlotTexts.at(2, 1, 1).isEmpty());
    // Enter in the clue box with both boxes filled places the word.
    type(u"Река"_s);
    pressEnter();
    EXPECT_EQ(doc().SlotTexts.at(2, 1, 1), cp(u"ТОН"));
    EXPECT_EQ(doc().SlotTexts.at(2, 0, 1), cp(u"Река"));
}
