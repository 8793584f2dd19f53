#include "app/MainWindow.h"
#include "app/AppState.h"
#include "app/Startup.h"
#include "app/WrapCheckBox.h"
#include "grid/GridView.h"
#include "grid/PictureBox.h"
#include "support/ui/Commands.h"

#include "support/ProgramFolder.h"
#include "support/ui/FakePlatform.h"
#include "support/ui/WindowParts.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

namespace {

struct Window {
    TempProgramFolder folder;
    AppState state{folder.path()};
    FakePlatform fake;
    std::unique_ptr<MainWindow> form;

    Window() { form = startUp(state, fake); }

    // As a session operation that changes the mode signals it.
    void enter(EditMode mode) {
        state.session.documentForSetup().Mode = mode;
        emit state.session.modeChanged(mode);
    }
    bool shown(const char* name) const {
        auto* w = form->findChild<QWidget*>(QLatin1String(name));
        EXPECT_NE(w, nullptr) << name;
        return w && !w->isHidden();
    }
    bool enabled(const char* name) const {
        auto* a = form->findChild<QAction*>(QLatin1String(name));
        EXPECT_NE(a, nullptr) << name;
        return a && a->isEnabled();
    }
};

} // namespace

TEST(MainWindow, StartsEmptyWithTheDefaults) {
    Window w;
    EXPECT_EQ(w.state.doc().Mode, EditMode::ModeEmpty);
    EXPECT_EQ(w.state.settings.CellSize, 20);
    EXPECT_EQ(w.state.settings.LetterFontName, "MS Sans Serif");
    EXPECT_EQ(w.state.settings.LanguageFileName, "Russian.txt");
    EXPECT_TRUE(part::styleActions(*w.form)[0]->isChecked());
    EXPECT_FALSE(part::styleActions(*w.form)[1]->isChecked());
    EXPECT_EQ(w.state.session.shownStyle(), 0);
    EXPECT_TRUE(w.form->isVisible());
    EXPECT_EQ(part::crosswordMenu(*w.form)->title(), QStringLiteral(u"&Кроссворд"));
}

TEST(MainWindow, StyleOneFromTheSettingsIsCheckedAndShown) {
    TempProgramFolder folder;
    folder.write(QStringLiteral("Clueforge.ini"),
                 "6.3\r\nRussian.txt\r\nMS Sans Serif\r\n 10 \r\nTrue\r\nFalse\r\nFalse\r\n"
                 " 0 \r\n 20 \r\n 1 \r\n 1 \r\n");
    AppState state(folder.path());
    FakePlatform fake;
    const auto form = startUp(state, fake);
    EXPECT_TRUE(part::styleActions(*form)[1]->isChecked());
    EXPECT_FALSE(part::styleActions(*form)[0]->isChecked());
    EXPECT_EQ(state.session.shownStyle(), 1);
}

TEST(MainWindow, ControlsFollowTheModeTable) {
    // Panel controls visible and menu items enabled in each mode.
    const char* panel[] = {"symmetryCheck",   "coordinatesLabel", "gridReadyButton",
                           "clearGridButton", "wordCountLabel",   "statisticsLabel",
                           "acrossLabel",     "clueLabels_0",     "downLabel",
                           "clueLabels_1",    "clueEditLabel",    "clueEdit",
                           "answerLabel",     "answerEdit"};
    const char* items[] = {"saveAction",       "saveAsAction",     "unlockAction",
                           "propertiesAction", "wordSearchAction", "deleteAnswerAction",
                           "exportHtmlAction", "cellSizeAction",   "printAction",
                           "exportPdfAction",  "exportSvgAction",  "revealLetterAction",
                           "revealWordAction"};
    const struct {
        EditMode mode;
        const char* panel;
        const char* items;
    } table[] = {
        // Columns in the order of the arrays above.
        {EditMode::ModeEmpty, "00000000000000", "0000000000000"},
        {EditMode::ModeDrawGrid, "11110000000000", "0000000100000"},
        {EditMode::ModeAuthor, "00001111111111", "1101101111100"},
        {EditMode::ModeSolveNoAnswers, "00001100001001", "1100000111100"},
        {EditMode::ModeSolve, "00001111111001", "1110000111111"},
        {EditMode::ModeIncomplete, "00001100000000", "1110000100000"},
        {EditMode::ModeOpenFailed, "00001100000000", "1100000100000"},
        {EditMode::ModeAuthorNoAnswers, "00001100000000", "1100000100000"},
    };
    Window w;
    for (const auto& row : table) {
        w.enter(row.mode);
        for (std::size_t i = 0; i < std::size(panel); ++i)
            EXPECT_EQ(w.shown(panel[i]), row.panel[i] == '1')
                << panel[i] << " in mode " << modeValue(row.mode);
        for (std::size_t i = 0; i < std::size(items); ++i)
            EXPECT_EQ(w.enabled(items[i]), row.items[i] == '1')
                << items[i] << " in mode " << modeValue(row.mode);
        // Items the mode never touches stay enabled.
        for (const char* always :
             {"openAnswersAction", "exitAction", "newCrosswordAction", "openCrosswordAction",
              "languageAction", "styleActions_0", "styleActions_1", "helpAction", "aboutAction"})
            EXPECT_TRUE(w.enabled(always)) << always;
        EXPECT_EQ(part::answerEdit(*w.form)->y(), row.mode == EditMode::ModeAuthor ? 378 : 346);
    }
}

TEST(MainWindow, ModeChangeEmptiesTheTypingBoxesAndClueLabels) {
    Window w;
    w.enter(EditMode::ModeAuthor);
    part::answerEdit(*w.form)->setText(QStringLiteral("WORD"));
    part::clueEdit(*w.form)->setText(QStringLiteral("clue"));
    part::clueLabels(*w.form)[0]->setText(QStringLiteral("across"));
    part::clueLabels(*w.form)[1]->setText(QStringLiteral("down"));
    w.enter(EditMode::ModeSolve);
    EXPECT_TRUE(part::answerEdit(*w.form)->text().isEmpty());
    EXPECT_TRUE(part::clueEdit(*w.form)->text().isEmpty());
    EXPECT_TRUE(part::clueLabels(*w.form)[0]->text().isEmpty());
    EXPECT_TRUE(part::clueLabels(*w.form)[1]->text().isEmpty());
}

TEST(MainWindow, TheViewportFillsTheRestOfTheWindow) {
    Window w;
    w.form->resize(700, 500);
    QApplication::processEvents();
    const QWidget* client = w.form->centralWidget();
    EXPECT_EQ(part::gridView(*w.form)->geometry(),
              QRect(155, 0, client->width() - 155, client->height()));
    EXPECT_EQ(part::gridView(*w.form)->corner()->geometry(),
              QRect(part::gridView(*w.form)->width() - 17, part::gridView(*w.form)->height() - 17,
                    17, 17));
}

TEST(MainWindow, NeverNarrowerThanTheMinimum) {
    Window w;
    w.form->resize(120, 400);
    QApplication::processEvents();
    EXPECT_GE(w.form->centralWidget()->width(), 300);
    EXPECT_GE(part::gridView(*w.form)->x(), 155);
}

TEST(MainWindow, FocusOnTheGridGoesToTheTypingBox) {
    Window w;
    w.form->activateWindow();
    const struct {
        EditMode mode;
        int noAnswers;
        const char* target; // nullptr: the grid keeps the focus
    } cases[] = {
        {EditMode::ModeAuthor, 0, "clueEdit"},
        {EditMode::ModeSolve, 0, "answerEdit"},
        {EditMode::ModeSolveNoAnswers, 1, "answerEdit"},
        {EditMode::ModeDrawGrid, 0, nullptr},
    };
    for (const auto& c : cases) {
        w.state.session.documentForSetup().NoAnswers = c.noAnswers;
        w.enter(c.mode);
        part::gridView(*w.form)->picture()->show();
        actionNamed(*w.form, "newCrosswordAction")->setEnabled(true);
        part::gridView(*w.form)->picture()->setFocus(Qt::MouseFocusReason);
        QApplication::processEvents();
        QWidget* focus = QApplication::focusWidget();
        if (c.target)
            EXPECT_EQ(focus ? focus->objectName() : QString(), QLatin1String(c.target));
        else
            EXPECT_EQ(focus, part::gridView(*w.form)->picture());
    }
}

TEST(MainWindow, ExitClosesTheWindow) {
    Window w;
    part::exitAction(*w.form)->trigger();
    QApplication::processEvents();
    EXPECT_FALSE(w.form->isVisible());
}

TEST(MainWindow, InputControlsHaveAccessibleNames) {
    Window w;
    w.enter(EditMode::ModeAuthor);
    for (QLineEdit* box : {part::answerEdit(*w.form), part::clueEdit(*w.form)}) {
        auto* label = w.form->findChild<QLabel*>(box == part::answerEdit(*w.form)
                                                     ? QStringLiteral("answerLabel")
                                                     : QStringLiteral("clueEditLabel"));
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->buddy(), box);
    }
    EXPECT_FALSE(part::symmetryCheck(*w.form)->accessibleName().isEmpty());
}
