// What the fill commands show in the window: the dead cells, and a suggested word placed.
#include "app/MainWindow.h"
#include "commands/EditCommands.h"
#include "commands/FillCommands.h"
#include "commands/PublishingCommands.h"
#include "grid/GridView.h"
#include "text/CodePage.h"

#include <QLineEdit>
#include <QMenu>

void MainWindow::connectFillHandlers() {
    connect(fillCommands_, &FillCommands::deadCellsFound, gridView_, &GridView::setDeadCells);
    connect(fillCommands_, &FillCommands::wordChosen, this, &MainWindow::placeSuggested);
    connect(fillCommands_, &FillCommands::filled, this, [this] {
        redrawGrid();
        if (state_.doc().CurrentSlot > 0)
            showCurrentSlot();
    });
}

void MainWindow::applyOwnCaptions() {
    fillCommands_->applyCaptions();
    recentMenu->setTitle(cp1251::toUnicode(state_.ownText(OwnText::RecentFiles)));
    publishingCommands_->applyCaptions();
    editMenu->setTitle(cp1251::toUnicode(state_.ownText(OwnText::editMenu)));
    editCommands_->applyCaptions();
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
