// The clue list in the main window: its dock, its menu item and a slot chosen in it.
#include "app/Named.h"
#include "app/StableLabelName.h"
#include "app/frmForma.h"
#include "clues/ClueList.h"
#include "text/CodePage.h"
#include "words/SlotColors.h"

#include <QAction>
#include <QDockWidget>
#include <QLabel>
#include <QMenu>

namespace {

// Wide enough for a short clue beside a grid of the default window size.
constexpr int kDockWidth = 220;

} // namespace

void frmForma::createClueDock() {
    ClueDock = named(new QDockWidget(this), "ClueDock");
    // Hidden only through its menu item, which knows whether it is wanted.
    ClueDock->setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
    lstClues = named(new ClueList(state_, ClueDock), "lstClues");
    ClueDock->setWidget(lstClues);
    addDockWidget(Qt::RightDockWidgetArea, ClueDock);
    resizeDocks({ClueDock}, {kDockWidth}, Qt::Horizontal);

    named(Options->addSeparator(), "OptionsCluesSep");
    OptionsClues = named(Options->addAction(QString()), "OptionsClues");
    OptionsClues->setCheckable(true);
    OptionsClues->setChecked(true);
    connect(OptionsClues, &QAction::toggled, this, &frmForma::showClueDock);
    connect(lstClues, &ClueList::slotChosen, this, &frmForma::lstClues_Chosen);
    connect(&state_.session, &CrosswordSession::modeChanged, this, &frmForma::showClueDock);
    connect(&state_.session, &CrosswordSession::documentReplaced, this, &frmForma::showClueDock);
    showClueDock();
}

void frmForma::showClueDock() {
    const CrosswordDocument& doc = state_.doc();
    const bool hasSlots = doc.Mode != EditMode::ModeEmpty && doc.Mode != EditMode::ModeDrawGrid &&
                          doc.NumberedCount > 0;
    ClueDock->setVisible(OptionsClues->isChecked() && hasSlots);
}

void frmForma::applyClueCaptions() {
    const QString title = cp1251::toUnicode(state_.ownText(OwnText::Clues));
    ClueDock->setWindowTitle(title);
    OptionsClues->setText(title);
    lstClues->retranslate();
    // The panel's labels of changing text take their names from the language as the list.
    const Language& lang = state_.language;
    giveStableName(lblSlov, cp1251::toUnicode(lang.ownText(OwnText::WordCount)));
    giveStableName(lblVopros[0], cp1251::toUnicode(lang.heading(0)));
    giveStableName(lblVopros[1], cp1251::toUnicode(lang.heading(1)));
    giveStableName(lblKoordinaty, cp1251::toUnicode(lang.withoutColon(LangEntry::Cell)));
}

void frmForma::lstClues_Chosen(int number, int direction, bool byKeyboard) {
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
        int x = doc.SlotTable.at(number, 0, direction);
        int y = doc.SlotTable.at(number, 1, direction);
        if (state_.session.shownStyle() != 0) { // the cell map is the turned grid's
            x = doc.GridWidth - 1 - x;
            y = doc.GridHeight - 1 - y;
        }
        ShowSolverSelection(direction == 0 ? number : doc.CellMap.at(x, y, 0),
                            direction == 1 ? number : doc.CellMap.at(x, y, 1));
        break;
    }
    default:
        return;
    }
    // A click leaves the focus where a click on the grid sends it: the box to type into.
    if (byKeyboard)
        lstClues->setFocus(Qt::OtherFocusReason);
    else
        routeFocus(false);
}
