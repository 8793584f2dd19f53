// The clue list in the main window: its dock, its menu item and a slot chosen in it.
#include "app/DockButtonNames.h"
#include "app/MainWindow.h"
#include "app/Named.h"
#include "app/StableLabelName.h"
#include "clues/ClueList.h"
#include "text/CodePage.h"
#include "text/Mnemonics.h"

#include <QAction>
#include <QDockWidget>
#include <QLabel>
#include <QMenu>

namespace {

// Wide enough for a short clue beside a grid of the default window size.
constexpr int kDockWidth = 220;

} // namespace

void MainWindow::createClueDock() {
    clueDock = named(new QDockWidget(this), "clueDock");
    // Hidden only through its menu item, which knows whether it is wanted.
    clueDock->setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
    clueList = named(new ClueList(state_, clueDock), "clueList");
    clueDock->setWidget(clueList);
    addDockWidget(Qt::RightDockWidgetArea, clueDock);
    resizeDocks({clueDock}, {kDockWidth}, Qt::Horizontal);

    named(optionsMenu->addSeparator(), "cluesSeparator");
    cluesAction = named(optionsMenu->addAction(QString()), "cluesAction");
    cluesAction->setCheckable(true);
    cluesAction->setChecked(true);
    connect(cluesAction, &QAction::toggled, this, &MainWindow::showClueDock);
    connect(clueList, &ClueList::slotChosen, this, &MainWindow::clueChosen);
    connect(&state_.session, &CrosswordSession::modeChanged, this, &MainWindow::showClueDock);
    connect(&state_.session, &CrosswordSession::documentReplaced, this, &MainWindow::showClueDock);
    showClueDock();
}

void MainWindow::showClueDock() {
    const CrosswordDocument& doc = state_.doc();
    const bool hasSlots = doc.Mode != EditMode::ModeEmpty && doc.Mode != EditMode::ModeDrawGrid &&
                          doc.NumberedCount > 0;
    clueDock->setVisible(cluesAction->isChecked() && hasSlots);
}

void MainWindow::applyClueCaptions() {
    const QString caption = cp1251::toUnicode(state_.ownText(OwnText::Clues));
    clueDock->setWindowTitle(withoutMnemonics(caption));
    nameDockButtons(*clueDock);
    cluesAction->setText(caption);
    clueList->retranslate();
    // The panel's labels of changing text take their names from the language as the list.
    const Language& lang = state_.language;
    giveStableName(wordCountLabel, cp1251::toUnicode(lang.ownText(OwnText::WordCount)));
    giveStableName(clueLabels[0], cp1251::toUnicode(lang.heading(0)));
    giveStableName(clueLabels[1], cp1251::toUnicode(lang.heading(1)));
    giveStableName(coordinatesLabel, cp1251::toUnicode(lang.withoutColon(LangEntry::Cell)));
}

void MainWindow::clueChosen(int number, int direction, bool byKeyboard) {
    const CrosswordDocument& doc = state_.doc();
    switch (doc.Mode) {
    case EditMode::ModeAuthor:
    case EditMode::ModeSolveNoAnswers:
        selectWordSlot(number, direction);
        break;
    case EditMode::ModeSolve: {
        // The word and the unsolved one crossing its first cell, as a click there selects
        // them; a solved word is no longer selected.
        if (doc.SolvedFlags.at(number, direction) == 1)
            return;
        const QPoint start = state_.session.slotStart({number, directionAt(direction)});
        state_.session.selectPairAt(start.x(), start.y());
        break;
    }
    default:
        return;
    }
    // A click leaves the focus where a click on the grid sends it: the box to type into.
    if (byKeyboard)
        clueList->setFocus(Qt::OtherFocusReason);
    else
        routeFocus(false);
}
