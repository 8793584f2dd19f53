// Mouse on the grid: drawing cells, selecting slots; the Clear button.
#include "app/WrapCheckBox.h"
#include "app/frmForma.h"
#include "grid/GridDrawing.h"
#include "grid/GridView.h"
#include "text/CodePage.h"
#include "text/Mnemonics.h"
#include "words/SlotColors.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>

void frmForma::connectGridHandlers() {
    connect(gridView_, &GridView::pressed, this, &frmForma::picPole_MouseDown);
    connect(gridView_, &GridView::released, this, &frmForma::picPole_MouseUp);
    connect(gridView_, &GridView::moved, this, &frmForma::picPole_MouseMove);
    connect(kClearPole, &QPushButton::clicked, this, &frmForma::kClearPole_Click);
    connect(kReshotkaGotova, &QPushButton::clicked, this, &frmForma::kReshotkaGotova_Click);
    for (int i = 0; i < 2; ++i)
        connect(OptionsStyle[static_cast<std::size_t>(i)], &QAction::triggered, this,
                [this, i] { OptionsStyle_Click(i); });
    // Clues are the author's text, never markup.
    for (QLabel* l : lblVopros)
        l->setTextFormat(Qt::PlainText);
    drawDigitStrips();
    connectGridKeys();
}

void frmForma::picPole_MouseDown(Qt::MouseButton, int, int) {
    PolePressed = true;
}

void frmForma::picPole_MouseUp(Qt::MouseButton, int x, int y) {
    if (PolePressed && takesGridClicks(state_.doc().Mode))
        HandleGridClick(x, y);
    PolePressed = false;
}

void frmForma::picPole_MouseMove(Qt::MouseButtons, int x, int y) {
    if (state_.doc().Mode != EditMode::ModeDrawGrid)
        return;
    showCoordinates(x, y);
}

void frmForma::showCoordinates(int x, int y) {
    const CrosswordDocument& doc = state_.doc();
    lblKoordinaty->setText(cp1251::toUnicode(coordinatesText(state_.language.entry(LangEntry::Cell),
                                                             x, y, state_.settings.CellSize,
                                                             doc.GridWidth, doc.GridHeight)));
}

void frmForma::HandleGridClick(int x, int y) {
    const CrosswordDocument& doc = state_.doc();
    CrosswordSession& session = state_.session;
    const auto cell = cellAt(x, y, state_.settings.CellSize, doc.GridWidth, doc.GridHeight);
    if (!cell)
        return;
    const int cx = cell->x();
    const int cy = cell->y();
    gridView_->setCursorCell(cx, cy);
    gridTyped_ = false;

    switch (doc.Mode) {
    case EditMode::ModeDrawGrid: {
        session.toggleCell(cx, cy, ChSimmetrija->isChecked());
        break;
    }
    case EditMode::ModeAuthor:
    case EditMode::ModeSolveNoAnswers: {
        if (const std::optional<SlotRef> slot = session.slotAtCell(cx, cy))
            selectWordSlot(slot->number, slot->direction);
        break;
    }
    case EditMode::ModeSolve: {
        const int across = doc.CellMap.at(cx, cy, 0);
        const int down = doc.CellMap.at(cx, cy, 1);
        gridDirection_ = 0;
        if (across + down >= 1)
            ShowSolverSelection(across, down);
        break;
    }
    default:
        break;
    }
}

void frmForma::selectWordSlot(int number, int direction) {
    const CrosswordDocument& doc = state_.doc();
    commitTypedClue();
    if (doc.CurrentSlot > 0)
        DrawSlot(doc.CurrentSlot, doc.CurrentDirection, slotcolor::kWhite);
    state_.session.selectSlot(number, direction);
    if (doc.Mode == EditMode::ModeAuthor)
        ShowCurrentSlot();
    else
        DrawSlot(doc.CurrentSlot, doc.CurrentDirection, slotcolor::kYellow);
}

void frmForma::kClearPole_Click() {
    if (state_.doc().Mode != EditMode::ModeDrawGrid)
        return;
    const QByteArray question = cp1251::fromUnicode(withoutMnemonics(kClearPole->text())) + '?';
    if (message(question, platform::Icon::Warning, platform::Buttons::YesNo,
                platform::Answer::Yes) != platform::Answer::Yes)
        return;
    // The map is cleared with the picture, so that what is shown is what analysis will see.
    state_.session.clearDrawing();
}

void frmForma::showChangedCells(const QRect& cells) {
    const CrosswordDocument& doc = state_.doc();
    if (doc.Mode != EditMode::ModeDrawGrid)
        return;
    if (cells == QRect(0, 0, doc.GridWidth, doc.GridHeight)) {
        DrawEmptyField();
        return;
    }
    for (int y = cells.top(); y <= cells.bottom(); ++y)
        for (int x = cells.left(); x <= cells.right(); ++x)
            gridView_->paintDrawnCell(x, y, doc.CellMap.at(x, y) != 0);
}
