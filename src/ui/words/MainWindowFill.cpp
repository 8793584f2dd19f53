// What the fill commands show in the window: the dead cells, and a suggested word placed.
#include "app/MainWindow.h"
#include "commands/EditCommands.h"
#include "commands/FileCommands.h"
#include "commands/FillCommands.h"
#include "commands/PublishingCommands.h"
#include "commands/SolvingCommands.h"
#include "commands/ViewCommands.h"
#include "grid/GridView.h"
#include "text/CodePage.h"

#include <QDockWidget>
#include <QLineEdit>
#include <QMenu>

void MainWindow::connectFillHandlers() {
    connect(fillCommands_, &FillCommands::deadCellsFound, gridView_, &GridView::setDeadCells);
    connect(fillCommands_, &FillCommands::wordChosen, this, &MainWindow::placeSuggested);
    connect(fillCommands_, &FillCommands::suggestionsLeft, gridView_, &GridView::focusGrid);
    // Below the clue list, on the right.
    connect(fillCommands_, &FillCommands::suggestionsMade, this, [this](QDockWidget* dock) {
        addDockWidget(Qt::RightDockWidgetArea, dock, Qt::Vertical);
    });
    // The grid and the panel show the fill by themselves.
    connect(fillCommands_, &FillCommands::filled, this, &MainWindow::focusClueBox);
    // The shading of dead cells follows every new picture (a new crossword: see the
    // constructor) and the author's words.
    connect(&state_.session, &CrosswordSession::pictureSettingsChanged, this,
            &MainWindow::showDeadCells);
    connect(&state_.session, &CrosswordSession::cellsChanged, this, [this] {
        if (state_.doc().Mode == EditMode::ModeAuthor)
            showDeadCells();
    });
}

void MainWindow::applyOwnCaptions() {
    fillCommands_->applyCaptions();
    fileCommands_->applyCaptions();
    publishingCommands_->applyCaptions();
    solvingCommands_->applyCaptions();
    editMenu->setTitle(cp1251::toUnicode(state_.ownText(OwnText::editMenu)));
    editCommands_->applyCaptions();
    if (viewMenu_) {
        viewMenu_->setTitle(cp1251::toUnicode(state_.ownText(OwnText::ViewMenu)));
        viewCommands_->applyCaptions();
    }
    applyClueCaptions();
}

void MainWindow::showDeadCells() {
    fillCommands_->showDeadCells();
}

void MainWindow::placeSuggested(const QByteArray& word) {
    if (state_.doc().Mode != EditMode::ModeAuthor)
        return;
    answerEdit->setText(cp1251::toUnicode(word));
    placeTypedAnswer();
}
