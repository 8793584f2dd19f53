#include "commands/FileCommands.h"
#include "files/CrosswordFile.h"
#include "publishing/PrintOptionsDialog.h"
#include "support/Crosswords.h"
#include "support/PdfFile.h"
#include "support/ui/Commands.h"
#include "support/ui/WindowParts.h"
#include "support/ui/WordWindow.h"
#include "text/CodePage.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using fixtures::cp;
using namespace Qt::StringLiterals;

namespace {

// 1 across and down from (0, 0), 2 down from (2, 0), 3 across from (0, 2).
const QByteArrayList kRing{"...", ".#.", "..."};

// A clue typed into the clue box and left there without Enter is the author's work too.
class TypedClue : public WordWindow {
protected:
    QTemporaryDir dir;

    void select(int n, int d) {
        for (int i = 0; i < 2 && !(doc().CurrentSlot == n && doc().CurrentDirection == d); ++i)
            clickCell(doc().SlotTable.at(n, 0, d), doc().SlotTable.at(n, 1, d));
        ASSERT_EQ(doc().CurrentSlot, n);
        ASSERT_EQ(doc().CurrentDirection, d);
        ASSERT_EQ(focusedName(), u"clueEdit");
    }
    // 1 across КОТ with its clue, entered with Enter; the crossword saved once.
    void authorAndSave() {
        fake().messages.clear();
        startAuthoring(kRing);
        // As the properties dialog sets them: a crossword with answers is saved with a password.
        program.state.session.setProperties("Ring", "Author", "secret");
        type(u"Зверь"_s);
        pressEnter();
        type(u"кот"_s);
        pressEnter();
        ASSERT_EQ(doc().SlotTexts.at(1, 1, 0), cp(u"КОТ"));
        QFile::remove(dir.filePath(u"ring.cfw"_s));
        fake().paths.push_back(dir.filePath(u"ring.cfw"_s));
        commandsOf<FileCommands>(*form).save();
        ASSERT_FALSE(doc().Modified);
        ASSERT_TRUE(fake().messages.isEmpty());
    }
    // The clue box with `more` typed at its end, as the user types it, and no Enter.
    void typeMore(const QString& more) {
        QTest::keyClick(part::clueEdit(*form), Qt::Key_End);
        type(more);
    }
    QByteArray savedClue(int n, int d) const {
        CrosswordDocument read;
        EXPECT_EQ(ReadCrosswordFile(dir.filePath(u"ring.cfw"_s), read).status, FileStatus::Ok);
        return read.SlotTexts.at(n, 0, d);
    }
};

} // namespace

// Exit, save, export, print: each takes the clue as it stands in the box.
TEST_F(TypedClue, IsKeptWhenTheCrosswordIsSavedClosedOrExported) {
    enum class End { ExitYes, ExitCancel, Save, Export, Print };
    for (const End end : {End::ExitYes, End::ExitCancel, End::Save, End::Export, End::Print}) {
        SCOPED_TRACE(static_cast<int>(end));
        authorAndSave();
        select(1, 0);
        typeMore(u" домашний"_s);
        const QByteArray longer = cp(u"Зверь домашний");
        fake().messages.clear();
        switch (end) {
        case End::ExitYes:
        case End::ExitCancel:
            fake().answers = {end == End::ExitYes ? platform::Answer::Yes
                                                  : platform::Answer::Cancel};
            part::exitAction(*form)->trigger();
            ASSERT_EQ(fake().messages.size(), 1);
            EXPECT_EQ(fake().messages[0].buttons, platform::Buttons::YesNoCancel);
            EXPECT_EQ(fake().messages[0].text, cp1251::toUnicode(program.state.language.entry(
                                                   LangEntry::SaveChangesQuestion)));
            EXPECT_EQ(form->isVisible(), end == End::ExitCancel);
            EXPECT_EQ(savedClue(1, 0), end == End::ExitYes ? longer : cp(u"Зверь"));
            EXPECT_EQ(doc().Modified, end == End::ExitCancel);
            break;
        case End::Save:
            commandsOf<FileCommands>(*form).save();
            EXPECT_TRUE(fake().messages.isEmpty());
            EXPECT_EQ(savedClue(1, 0), longer);
            EXPECT_FALSE(doc().Modified);
            break;
        case End::Export: {
            fake().paths.push_back(dir.filePath(u"ring.htm"_s));
            actionNamed(*form, "exportHtmlAction")->trigger();
            QFile page(dir.filePath(u"ring.htm"_s));
            ASSERT_TRUE(page.open(QIODevice::ReadOnly));
            EXPECT_TRUE(page.readAll().contains(" 1. " + longer));
            break;
        }
        case End::Print: {
            fake().onDialog<PrintOptionsDialog>([](PrintOptionsDialog& d) { d.okButton->click(); });
            fake().printTo.push_back(dir.filePath(u"ring.pdf"_s));
            actionNamed(*form, "printAction")->trigger();
            EXPECT_TRUE(pdffile::text(dir.filePath(u"ring.pdf"_s))
                            .contains(u"1. "_s + cp1251::toUnicode(longer)));
            break;
        }
        }
        EXPECT_EQ(doc().SlotTexts.at(1, 0, 0), longer);
        EXPECT_EQ(doc().SlotTexts.at(1, 1, 0), cp(u"КОТ"));
        if (form->isVisible()) {
            EXPECT_EQ(part::clueEdit(*form)->text(), cp1251::toUnicode(longer));
        }
        form->show();
    }
}

// Leaving the slot keeps its clue, whether it has an answer or not; what the answer box holds is
// placed only with Enter.
TEST_F(TypedClue, IsKeptWhenTheSelectionMovesAway) {
    struct Case {
        const char* name;
        int n, d;                  // the slot typed into
        const char16_t* answerBox; // typed into the answer box, no Enter
        int toN, toD;              // then selected
    };
    const Case cases[] = {
        {"answered slot, another slot", 1, 0, u"", 2, 1},
        {"answered slot, the same slot again", 1, 0, u"", 1, 0},
        {"answered slot, its answer emptied", 1, 0, nullptr, 3, 0},
        {"slot without answer", 2, 1, u"", 3, 0},
        {"slot without answer, an unplaced answer", 2, 1, u"ТОН", 1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        authorAndSave();
        const QByteArray answerBefore = doc().SlotTexts.at(c.n, 1, c.d);
        select(c.n, c.d);
        typeMore(u"!"_s);
        const QByteArray typed = doc().SlotTexts.at(c.n, 0, c.d) + '!';
        if (!c.answerBox) {
            part::answerEdit(*form)->setFocus(Qt::OtherFocusReason);
            QTest::keyClick(part::answerEdit(*form), Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(part::answerEdit(*form), Qt::Key_Backspace);
        } else if (*c.answerBox) {
            part::answerEdit(*form)->setFocus(Qt::OtherFocusReason);
            type(QString::fromUtf16(c.answerBox));
        }
        if (c.toN == c.n && c.toD == c.d) // a click in the slot shows it afresh
            clickCell(doc().SlotTable.at(c.n, 0, c.d) + 1 - c.d, doc().SlotTable.at(c.n, 1, c.d));
        else
            select(c.toN, c.toD);

        EXPECT_EQ(doc().SlotTexts.at(c.n, 0, c.d), typed);
        EXPECT_EQ(doc().SlotTexts.at(c.n, 1, c.d), answerBefore);
        EXPECT_TRUE(doc().Modified);
        EXPECT_TRUE(fake().messages.isEmpty());
        select(c.n, c.d);
        EXPECT_EQ(part::clueEdit(*form)->text(), cp1251::toUnicode(typed));
        EXPECT_EQ(part::answerEdit(*form)->text(), cp1251::toUnicode(answerBefore));
        commandsOf<FileCommands>(*form).save();
        EXPECT_EQ(savedClue(c.n, c.d), typed);
    }
}

// Only the author's typing counts: a clue shown and left alone, or emptied, changes nothing.
TEST_F(TypedClue, UntouchedOrEmptiedBoxChangesNothing) {
    authorAndSave();
    select(1, 0);
    select(3, 0);
    select(1, 0);
    EXPECT_FALSE(doc().Modified);

    // An emptied box does not remove the clue: the delete command removes clue and answer.
    QTest::keyClick(part::clueEdit(*form), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(part::clueEdit(*form), Qt::Key_Backspace);
    ASSERT_TRUE(part::clueEdit(*form)->text().isEmpty());
    select(3, 0);
    EXPECT_EQ(doc().SlotTexts.at(1, 0, 0), cp(u"Зверь"));
    EXPECT_FALSE(doc().Modified);

    // Typed back as it was: no change either, so closing asks nothing.
    select(1, 0);
    QTest::keyClick(part::clueEdit(*form), Qt::Key_Backspace);
    type(u"ь"_s);
    EXPECT_TRUE(form->close());
    EXPECT_TRUE(fake().messages.isEmpty());
}
