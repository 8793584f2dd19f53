#include "SolvingWindow.h"
#include "support/Crosswords.h"
#include "support/PdfFile.h"
#include "support/ui/Commands.h"
#include "support/ui/WindowParts.h"

#include "clues/ClueList.h"
#include "commands/FileCommands.h"
#include "grid/GridView.h"
#include "grid/PictureBox.h"
#include "grid/ShownGrid.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidgetItem>
#include <QRegularExpression>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QColor kRevealedColour(200, 225, 255);

// The hints, the solving time in the status bar and the paper copy, through the window.
class Hints : public SolvingWindow {
protected:
    // The solving clock, in milliseconds. It lives on the heap because the window, closed by the
    // base fixture after this one is gone, still reads the clock.
    std::shared_ptr<qint64> clock = std::make_shared<qint64>(0);
    qint64& now = *clock;

    void SetUp() override {
        SolvingWindow::SetUp();
        program.state.session.setSolvingClock([clock = clock] { return *clock; });
    }
    void openForSolving() {
        const QString path = saveCrossword(kGrid, kAnswers);
        openCrossword(path, 0);
    }
    void trigger(const char* action) {
        QAction* a = actionNamed(*form, action);
        ASSERT_NE(a, nullptr) << action;
        ASSERT_TRUE(a->isEnabled()) << action;
        a->trigger();
    }
    QString status() const {
        const auto* label = form->findChild<QLabel*>(u"solvingStatus"_s);
        return label && label->isVisible() ? label->text() : QString();
    }
    QColor cellColour(int x, int y) const {
        const int c = program.state.settings.CellSize;
        return part::gridView(*form)->picture()->pixel(x * c + 5 + 2, y * c + 5 + c - 2);
    }
    QString clueRow(int n, int d) const {
        return part::clueList(*form)
            ->item(part::clueList(*form)->rowOf({n, directionAt(d)}))
            ->text();
    }
    void sendToWindow(QEvent::Type type) {
        QEvent event(type);
        QApplication::sendEvent(form, &event);
    }
};

TEST_F(Hints, OfferedOnlyWhileSolvingACrosswordWithAnswers) {
    QAction* letter = actionNamed(*form, "revealLetterAction");
    QAction* word = actionNamed(*form, "revealWordAction");
    ASSERT_TRUE(letter && word);
    EXPECT_EQ(letter->text(), u"Reveal &letter"_s);
    EXPECT_EQ(word->text(), u"Reveal &word"_s);
    EXPECT_EQ(letter->shortcut(), QKeySequence(u"Ctrl+Shift+L"_s));
    EXPECT_EQ(word->shortcut(), QKeySequence(u"Ctrl+Shift+W"_s));
    EXPECT_FALSE(letter->isEnabled());
    startAuthoring(kGrid);
    EXPECT_FALSE(letter->isEnabled());
    openCrossword(saveCrossword(kGrid, {}), 0);
    EXPECT_EQ(doc().Mode, EditMode::ModeSolveNoAnswers);
    EXPECT_FALSE(letter->isEnabled());
    EXPECT_FALSE(word->isEnabled());
    openForSolving();
    EXPECT_TRUE(letter->isEnabled());
    EXPECT_TRUE(word->isEnabled());
}

TEST_F(Hints, RevealedLetterIsTheCursorsOnThePairElseTheFirstHiddenOne) {
    openForSolving();
    // 1 across КОТ and 1 down КИТ are selected; the cursor stands on the О of КОТ.
    part::gridView(*form)->setCursorCell(3, 0);
    trigger("revealLetterAction");
    EXPECT_EQ(letters(1, 0), QByteArray(".") + fixtures::cp(u"О") + ".");
    EXPECT_TRUE(program.state.session.cellRevealed(3, 0));
    EXPECT_EQ(status(), u"Time: 0:00   Letters revealed: 1   Words revealed: 0"_s);

    // A cursor off the pair gives the pair's first hidden letter: the К both words share.
    part::gridView(*form)->setCursorCell(1, 3);
    trigger("revealLetterAction");
    EXPECT_EQ(letters(1, 0), fixtures::cp(u"КО") + ".");
    EXPECT_EQ(doc().CellMap.at(1, 3, layer::kLetter), 0);
    EXPECT_EQ(doc().Aids.LettersRevealed, 2);

    // Once the selection moves on, the given letters show their own colour.
    type(u"4"_s);
    pressEnter();
    EXPECT_EQ(cellColour(3, 0), kRevealedColour);
    EXPECT_EQ(cellColour(4, 0), QColor(Qt::white));
    EXPECT_TRUE(messageTexts().isEmpty()) << messageTexts().join(u'|').toStdString();
}

TEST_F(Hints, RevealedWordIsSolvedMarkedAndKeptInTheAnswersFile) {
    openForSolving();
    trigger("revealWordAction");
    EXPECT_EQ(doc().SolvedFlags.at(1, 0), 1);
    EXPECT_EQ(letters(1, 0), fixtures::cp(u"КОТ"));
    EXPECT_TRUE(program.state.session.wordRevealed(1, 0));
    EXPECT_EQ(status(), u"Time: 0:00   Letters revealed: 0   Words revealed: 1"_s);
    // Marked in the grid where it is not selected, and in the list, also for screen readers.
    EXPECT_EQ(cellColour(3, 0), kRevealedColour);
    EXPECT_EQ(clueRow(1, 0), u"1. clue 1/0 \u2713 (revealed)"_s);
    const QListWidgetItem* row =
        part::clueList(*form)->item(part::clueList(*form)->rowOf({1, Direction::Across}));
    EXPECT_EQ(row->data(Qt::AccessibleTextRole).toString(), u"1. clue 1/0, revealed"_s);
    // A word the solver found keeps the plain mark.
    type(u"5"_s);
    pressEnter();
    type(u"СТОН"_s);
    pressEnter();
    EXPECT_EQ(clueRow(5, 0), u"5. clue 5/0 \u2713"_s);

    // Saved with the time, then opened again: the mark, the counts and the time come back.
    now = 65'000;
    const QString answers = program.folder.path() + u"Samples/test.otv"_s;
    fake().paths.push_back(answers);
    commandsOf<FileCommands>(*form).save();
    ASSERT_TRUE(QFileInfo::exists(answers + u".clueforge"_s));
    openForSolving();
    EXPECT_FALSE(program.state.session.wordRevealed(1, 0));
    fake().paths.push_back(answers);
    commandsOf<FileCommands>(*form).openAnswers();
    EXPECT_TRUE(program.state.session.wordRevealed(1, 0));
    EXPECT_EQ(clueRow(1, 0), u"1. clue 1/0 \u2713 (revealed)"_s);
    EXPECT_EQ(cellColour(3, 0), kRevealedColour);
    EXPECT_EQ(status(), u"Time: 1:05   Letters revealed: 0   Words revealed: 1"_s);
    EXPECT_TRUE(messageTexts().isEmpty()) << messageTexts().join(u'|').toStdString();
}

TEST_F(Hints, LastWordGivenEndsWithTheTimeAndTheHintsUsed) {
    openForSolving();
    now = 3'000;
    trigger("revealLetterAction");
    for (int i = 0; i < 7 && doc().Mode == EditMode::ModeSolve && messageTexts().isEmpty(); ++i)
        trigger("revealWordAction");
    EXPECT_EQ(messageTexts(),
              QStringList{u"Every word of the crossword is filled in. Well done!\r\n"
                          u"Time: 0:03\r\nLetters revealed: 1\r\nWords revealed: 7"_s});
    // Solved, the time stands still.
    now = 60'000;
    EXPECT_EQ(program.state.session.solvingTimeMs(), 3'000);
}

TEST_F(Hints, TimeRunsWhileTheWindowIsActiveAndNotMinimised) {
    openForSolving();
    EXPECT_EQ(status(), u"Time: 0:00   Letters revealed: 0   Words revealed: 0"_s);
    now = 5'000;
    sendToWindow(QEvent::WindowDeactivate);
    EXPECT_EQ(status().left(10), u"Time: 0:05"_s);
    now = 65'000; // away from the window
    sendToWindow(QEvent::WindowActivate);
    now = 66'000;
    QTest::qWait(600); // a tick of the label
    EXPECT_EQ(status().left(10), u"Time: 0:06"_s);

    // Minimised, it stops even while the window counts as active.
    form->setWindowState(Qt::WindowMinimized);
    now = 200'000;
    sendToWindow(QEvent::WindowActivate);
    EXPECT_EQ(program.state.session.solvingTimeMs(), 6'000);
    form->setWindowState(Qt::WindowNoState);
    sendToWindow(QEvent::WindowActivate);
    now = 201'000;
    EXPECT_EQ(program.state.session.solvingTimeMs(), 7'000);

    // Paused, it still follows the language.
    sendToWindow(QEvent::WindowDeactivate);
    form->loadLanguage("Russian.txt");
    QTest::qWait(600);
    EXPECT_EQ(status(), u"Время: 0:07   Открыто букв: 0   Открыто слов: 0"_s);

    // Not shown while authoring.
    startAuthoring(kGrid);
    EXPECT_TRUE(status().isEmpty());
}

TEST_F(Hints, PaperCopyWhileSolvingHoldsTheQuestionsAndNoAnswer) {
    openForSolving();
    for (const char* name : {"printAction", "exportPdfAction", "exportSvgAction"})
        EXPECT_TRUE(actionNamed(*form, name)->isEnabled()) << name;
    for (const char* name : {"exportHtmlAction", "exportIpuzAction", "exportWebPageAction"})
        EXPECT_FALSE(actionNamed(*form, name)->isEnabled()) << name;
    // A word solved, a word and a letter given: none of them reaches the paper.
    type(u"5"_s);
    pressEnter();
    type(u"СТОН"_s);
    pressEnter();
    trigger("revealWordAction");
    trigger("revealLetterAction");

    const QString pdf = program.folder.path() + u"Samples/copy.pdf"_s;
    fake().paths.push_back(pdf);
    trigger("exportPdfAction"); // no options to ask: straight to the file's name
    EXPECT_EQ(fake().fileDialogs.last().defaultName, u"test"_s);
    ASSERT_EQ(pdffile::pageCount(pdf), 1);
    const QString text = pdffile::text(pdf);
    for (const auto& w : kAnswers)
        EXPECT_TRUE(text.contains(u"clue %1/%2"_s.arg(w.n).arg(w.d))) << text.toStdString();
    // The clues and the title are Latin: any Cyrillic letter would be an answer's.
    EXPECT_FALSE(text.contains(QRegularExpression(u"\\p{Cyrillic}"_s))) << text.toStdString();

    const QString svg = program.folder.path() + u"Samples/copy.svg"_s;
    fake().paths.push_back(svg);
    trigger("exportSvgAction");
    QFile file(svg);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString picture = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(picture.contains(u"<svg"_s));
    EXPECT_FALSE(picture.contains(QRegularExpression(u"\\p{Cyrillic}"_s)));
    // Printed as the PDF's pages are, without an options dialog on the way.
    trigger("printAction");
    EXPECT_EQ(fake().printed, QStringList{u"Test"_s});
    EXPECT_TRUE(fake().ranDialogs.isEmpty()) << fake().ranDialogs.join(u',').toStdString();
    EXPECT_TRUE(messageTexts().isEmpty()) << messageTexts().join(u'|').toStdString();
    // Still being solved.
    EXPECT_EQ(doc().Mode, EditMode::ModeSolve);
}

} // namespace
