#include "FilesWindow.h"
#include "commands/FileCommands.h"
#include "support/ui/Commands.h"

#include "files/PropertiesDialog.h"
#include "files/UnlockDialog.h"
#include "grid/GridView.h"
#include "grid/NewCrosswordDialog.h"
#include "support/SameCrossword.h"
#include "support/ui/WindowParts.h"
#include "words/Placement.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

using WholeProgram = FilesWindow;

TEST_F(WholeProgram, CrosswordAuthoredInTheWindowOpensForSolving) {
    fake().onDialog<NewCrosswordDialog>([](NewCrosswordDialog& d) {
        d.titleEdit->setText(QString::fromUtf8("Дом"));
        d.widthEdit->setText(QStringLiteral("3"));
        d.heightEdit->setText(QStringLiteral("3"));
        d.okButton->click();
    });
    commandsOf<FileCommands>(*form).newCrossword();
    ASSERT_EQ(doc().Mode, EditMode::ModeDrawGrid);
    // The black centre, clicked as the author would.
    const int middle = 5 + 20 + 10;
    QTest::mouseClick(part::gridView(*form)->picture(), Qt::LeftButton, {}, QPoint(middle, middle));
    fake().answers.push_back(platform::Answer::Yes);
    form->finishGrid();
    ASSERT_EQ(doc().Mode, EditMode::ModeAuthor);
    ASSERT_EQ(doc().WordCount, 4);

    struct Word {
        int n, d;
        const char16_t* answer;
        const char16_t* clue;
    };
    for (const Word& w : {Word{1, 0, u"кот", u"Домашний зверь"}, Word{1, 1, u"кит", u"Великан"},
                          Word{2, 1, u"ток", u"Электрический ..."}, Word{3, 0, u"ток", u"То же"}})
        ASSERT_EQ(PlaceAnswer(doc(), w.n, w.d, cp(w.answer), cp(w.clue)).kind,
                  PlacementOutcome::Kind::Placed);
    form->state().session.showForSetup(form->state().session.shownStyle());
    part::gridView(*form)->drawGrid();

    // Saving asks for the missing author and password first.
    fake().onDialog<PropertiesDialog>([](PropertiesDialog& d) {
        d.authorEdit->setText(QString::fromUtf8("Иванов"));
        d.passwordEdit->setText(QString::fromUtf8("Секрет"));
        d.passwordRepeatEdit->setText(QString::fromUtf8("Секрет"));
        d.okButton->click();
    });
    fake().paths.push_back(at(u("Дом")));
    commandsOf<FileCommands>(*form).save();
    ASSERT_EQ(doc().CrosswordPath, at(u("Дом.cfw")));
    ASSERT_FALSE(doc().Modified);
    const CrosswordDocument authored = doc();

    fake().messages.clear();
    open(at(u("Дом.cfw")));
    EXPECT_TRUE(fake().messages.isEmpty());
    EXPECT_EQ(doc().Mode, EditMode::ModeSolve);
    expectSameCrossword(doc(), authored);
    EXPECT_EQ(UnscrambleText(doc().Scramble, doc().CrosswordPassword), cp(u"Секрет"));
    EXPECT_EQ(form->windowTitle(), u("Crossword: \"Дом\" by Иванов"));
    // The same grid: every cell numbered and covered as before.
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x)
            for (int layer = 0; layer <= 2; ++layer)
                EXPECT_EQ(doc().CellMap.at(x, y, layer), authored.CellMap.at(x, y, layer))
                    << x << ' ' << y << ' ' << layer;
}

TEST_F(WholeProgram, SamplesOpenAtOnce) {
    struct Case {
        const char* file;
        EditMode mode;
        int words;
    };
    for (const Case& c : {Case{"Sample-ru.cfw", EditMode::ModeSolve, 6},
                          Case{"Sample-ru-grid.cfw", EditMode::ModeSolveNoAnswers, 4},
                          Case{"Sample-en.cfw", EditMode::ModeSolve, 5}}) {
        open(QStringLiteral(CLUEFORGE_RESOURCES "/Samples/") + QLatin1String(c.file));
        EXPECT_TRUE(fake().messages.isEmpty()) << c.file;
        EXPECT_EQ(doc().Mode, c.mode) << c.file;
        EXPECT_EQ(doc().WordCount, c.words) << c.file;
        if (c.mode == EditMode::ModeSolve) {
            EXPECT_FALSE(doc().SlotTexts.at(1, 0, 0).isEmpty()) << c.file;
        }
    }

    // A sample has no password: it turns into an editable crossword for anyone, without a
    // question (an unscripted dialog would fail the test).
    open(QStringLiteral(CLUEFORGE_RESOURCES "/Samples/Sample-ru.cfw"));
    commandsOf<FileCommands>(*form).unlock();
    EXPECT_EQ(doc().Mode, EditMode::ModeAuthor);
}

} // namespace
