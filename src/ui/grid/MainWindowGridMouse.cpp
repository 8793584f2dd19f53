// Mouse on the grid: drawing cells, selecting slots; the Clear button.
#include "app/MainWindow.h"
#include "app/WrapCheckBox.h"
#include "grid/GridDrawing.h"
#include "grid/GridView.h"
#include "text/CodePage.h"
#include "text/Mnemonics.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>

void MainWindow::connectGridHandlers() {
    connect(gridView_, &GridView::pressed, this, &MainWindow::gridMousePressed);
    connect(gridView_, &GridView::released, this, &MainWindow::gridMouseReleased);
    connect(gridView_, &GridView::moved, this, &MainWindow::gridMouseMoved);
    connect(clearGridButton, &QPushButton::clicked, this, &MainWindow::clearGrid);
    connect(gridReadyButton, &QPushButton::clicked, this, &MainWindow::finishGrid);
    for (int i = 0; i < 2; ++i)
        connect(styleActions[static_cast<std::size_t>(i)], &QAction::triggered, this,
                [this, i] { chooseStyle(i); });
    drawDigitStrips();
    connectGridKeys();
}

void MainWindow::gridMousePressed(Qt::MouseButton, int, int) {
    gridPressed = true;
}

void MainWindow::gridMouseReleased(Qt::MouseButton, int x, int y) {
    if (gridPressed && takesGridClicks(state_.doc().Mode))
        handleGridClick(x, y);
    gridPressed = false;
}

void MainWindow::gridMouseMoved(Qt::MouseButtons, int x, int y) {
    if (state_.doc().Mode != EditMode::ModeDrawGrid)
        return;
    showCoordinates(x, y);
}

void MainWindow::showCoordinates(int x, int y) {
    const CrosswordDocument& doc = state_.doc();
    coordinatesLabel->setText(cp1251::toUnicode(
        coordinatesText(state_.language.entry(LangEntry::Cell), x, y,
                        gridView_->fieldGeometry().cellSize(), doc.GridWidth, doc.GridHeight)));
}

void MainWindow::handleGridClick(int x, int y) {
    const CrosswordDocument& doc = state_.doc();
    CrosswordSession& session = state_.session;
    const auto cell =
        cellAt(x, y, gridView_->fieldGeometry().cellSize(), doc.GridWidth, doc.GridHeight);
    if (!cell)
        return;
    const int cx = cell->x();
    const int cy = cell->y();
    gridView_->setCursorCell(cx, cy);
    gridTyped_ = false;

    switch (doc.Mode) {
    case EditMode::ModeDrawGrid: {
        session.toggleCell(cx, cy, symmetryCheck->isChecked());
        break;
    }
    case EditMode::ModeAuthor:
    case EditMode::ModeSolveNoAnswers: {
        if (const std::optional<SlotRef> slot = session.slotAtCell(cx, cy))
            selectWordSlot(slot->number, directionIndex(slot->direction));
        break;
    }
    case EditMode::ModeSolve:
        gridDirection_ = 0;
        session.selectPairAt(cx, cy);
        break;
    default:
        break;
    }
}

void MainWindow::selectWordSlot(int number, int direction) {
    commitTypedClue();
    state_.session.selectSlot({number, directionAt(direction)});
    if (state_.doc().Mode == EditMode::ModeAuthor)
        focusClueBox();
}

void MainWindow::clearGrid() {
    if (state_.doc().Mode != EditMode::ModeDrawGrid)
        return;
    const QByteArray question =
        cp1251::fromUnicode(withoutMnemonics(clearGridButton->text())) + '?';
    if (message(question, platform::Icon::Warning, platform::Buttons::YesNo,
                platform::Answer::Yes) != platform::Answer::Yes)
        return;
    // The map is cleared with the picture, so that what is shown is what analysis will see.
    state_.session.clearDrawing();
}
