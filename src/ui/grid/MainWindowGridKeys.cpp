// Keys on the grid: the cell cursor, Space while drawing, slots picked from the keyboard and
// letters typed into the answer box from the grid.
#include "app/MainWindow.h"
#include "app/WrapCheckBox.h"
#include "grid/GridView.h"
#include "grid/SlotAccess.h"
#include "text/CodePage.h"

#include <QLineEdit>

#include <algorithm>
#include <vector>

namespace {

QPoint firstCell(const CrosswordDocument& doc, SlotRef s) {
    return shownSlotStart(doc, s.number, directionIndex(s.direction));
}

int slotLength(const CrosswordDocument& doc, SlotRef s) {
    return s.number > 0 ? shownSlotLength(doc, s.number, directionIndex(s.direction)) : 0;
}

bool slotHolds(const CrosswordDocument& doc, SlotRef s, QPoint cell) {
    return s.number >= 1 &&
           shownSlotHolds(doc, s.number, directionIndex(s.direction), cell.x(), cell.y());
}

// The author's answer, or the word the solver entered into a crossword without answers.
bool holdsPlacedWord(const CrosswordDocument& doc, SlotRef s) {
    if (s.number < 1)
        return false;
    if (doc.Mode == EditMode::ModeAuthor)
        return !answerOf(doc, s.number, directionIndex(s.direction)).isEmpty();
    return doc.Mode == EditMode::ModeSolveNoAnswers &&
           doc.SolvedFlags.at(s.number, directionIndex(s.direction)) == 1;
}

bool entersWords(EditMode mode) {
    return mode == EditMode::ModeAuthor || mode == EditMode::ModeSolveNoAnswers ||
           mode == EditMode::ModeSolve;
}

// The slots Tab goes through: across in number order, then down. A solved word is done with.
std::vector<SlotRef> tabOrder(const CrosswordDocument& doc) {
    std::vector<SlotRef> order;
    for (const Direction d : kDirections)
        for (int n = 1; n <= doc.NumberedCount; ++n)
            if (shownSlotLength(doc, n, directionIndex(d)) > 0 &&
                (doc.Mode != EditMode::ModeSolve || doc.SolvedFlags.at(n, directionIndex(d)) == 0))
                order.push_back({n, d});
    return order;
}

} // namespace

void MainWindow::connectGridKeys() {
    connect(gridView_, &GridView::keyPressed, this, &MainWindow::gridKey);
    // While drawing, the coordinates label follows the cursor as it follows the pointer.
    connect(gridView_, &GridView::cursorMoved, this, [this](int cx, int cy) {
        if (state_.doc().Mode == EditMode::ModeDrawGrid) {
            const QPoint centre = gridView_->fieldGeometry().square(cx, cy).center();
            showCoordinates(centre.x(), centre.y());
        }
    });
    // Once the grid's letters are in the answer box, what is typed there shows in the cells too.
    connect(answerEdit, &QLineEdit::textEdited, this, [this] {
        if (gridTyped_)
            showGridPreview();
    });
    connect(&state_.session, &CrosswordSession::modeChanged, this, [this] { gridTyped_ = false; });
    connect(&state_.session, &CrosswordSession::documentReplaced, this,
            [this] { gridTyped_ = false; });
}

void MainWindow::gridKey(int key, const QString& text) {
    const CrosswordDocument& doc = state_.doc();
    if (doc.Mode == EditMode::ModeDrawGrid) {
        if (key == Qt::Key_Space) {
            const QPoint c = gridView_->cursorCell();
            state_.session.toggleCell(c.x(), c.y(), symmetryCheck->isChecked());
        }
        return;
    }
    if (!entersWords(doc.Mode))
        return;
    switch (key) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        stepSlot(key == Qt::Key_Tab ? 1 : -1);
        break;
    case Qt::Key_Return:
        // Typed letters are submitted; otherwise Enter picks the slot under the cursor, and
        // again the crossing one.
        if (gridTyped_)
            submitFromGrid();
        else
            pickSlotAtCursor(slotHolds(doc, keyboardSlot(), gridView_->cursorCell()));
        break;
    case Qt::Key_Backspace:
        eraseInGrid();
        break;
    case Qt::Key_Space:
        break;
    default:
        typeInGrid(text);
        break;
    }
}

SlotRef MainWindow::keyboardSlot() const {
    const CrosswordDocument& doc = state_.doc();
    if (doc.Mode != EditMode::ModeSolve)
        return {doc.CurrentSlot, directionAt(doc.CurrentDirection)};
    const SlotRef across{doc.CurrentSlot, Direction::Across};
    const SlotRef down{doc.CurrentDownSlot, Direction::Down};
    if (gridDirection_ == 1)
        return down.number > 0 ? down : across;
    return across.number > 0 ? across : down;
}

void MainWindow::pickSlotAtCursor(bool otherDirection) {
    const CrosswordDocument& doc = state_.doc();
    const QPoint c = gridView_->cursorCell();
    const int across = doc.CellMap.at(c.x(), c.y(), 0);
    const int down = doc.CellMap.at(c.x(), c.y(), 1);
    if (across + down == 0)
        return;
    int d = across > 0 ? 0 : 1;
    if (otherDirection) {
        d = keyboardSlot().direction == Direction::Across ? 1 : 0;
        if ((d == 0 ? across : down) == 0)
            d = 1 - d;
    }
    pickSlot(d == 0 ? across : down, d, c);
}

void MainWindow::pickSlot(int number, int direction, QPoint cell) {
    const CrosswordDocument& doc = state_.doc();
    gridTyped_ = false;
    if (doc.Mode == EditMode::ModeSolve) {
        gridDirection_ = direction;
        state_.session.selectPairAt(cell.x(), cell.y());
    } else {
        selectWordSlot(number, direction);
    }
    // The author's clue box takes the focus from a click; the keyboard keeps it.
    gridView_->focusGrid();
}

void MainWindow::stepSlot(int step) {
    const CrosswordDocument& doc = state_.doc();
    const std::vector<SlotRef> order = tabOrder(doc);
    if (order.empty())
        return;
    const auto size = static_cast<std::ptrdiff_t>(order.size());
    const auto at = std::find(order.begin(), order.end(), keyboardSlot()) - order.begin();
    const std::ptrdiff_t next = at == size ? (step > 0 ? 0 : size - 1) : (at + step + size) % size;
    const SlotRef s = order[static_cast<std::size_t>(next)];
    const QPoint first = firstCell(doc, s);
    gridView_->setCursorCell(first.x(), first.y());
    pickSlot(s.number, directionIndex(s.direction), first);
}

void MainWindow::typeInGrid(const QString& letter) {
    const CrosswordDocument& doc = state_.doc();
    if (letter.isEmpty() || !cp1251::canEncode(letter))
        return;
    if (!slotHolds(doc, keyboardSlot(), gridView_->cursorCell())) {
        pickSlotAtCursor(false);
        if (!slotHolds(doc, keyboardSlot(), gridView_->cursorCell()))
            return;
    }
    if (!gridTyped_) {
        // A word placed in the slot is replaced only when the user says so: the answer box
        // shows it before it is typed over, the grid's letters would hide it.
        if (holdsPlacedWord(doc, keyboardSlot()) &&
            message(state_.ownText(OwnText::ReplaceWord), platform::Icon::Warning,
                    platform::Buttons::YesNo, platform::Answer::No) != platform::Answer::Yes)
            return;
        answerEdit->clear();
        gridTyped_ = true;
    }
    if (answerEdit->text().size() >= slotLength(doc, keyboardSlot()))
        return;
    answerEdit->setText(answerEdit->text() + letter);
    showGridPreview();
}

void MainWindow::eraseInGrid() {
    if (keyboardSlot().number < 1)
        return;
    gridTyped_ = true;
    QString text = answerEdit->text();
    text.chop(1);
    answerEdit->setText(text);
    showGridPreview();
}

void MainWindow::submitFromGrid() {
    gridTyped_ = false;
    answerEditKey(Qt::Key_Return);
    if (!answerEdit->text().isEmpty()) {
        // Refused: the letters stay, in the box where it took the focus to show why.
        gridTyped_ = true;
        return;
    }
    // Taken: on to the slot the step selected, from the grid.
    gridView_->focusGrid();
    const CrosswordDocument& doc = state_.doc();
    const SlotRef s = keyboardSlot();
    if (s.number > 0) {
        const QPoint first = firstCell(doc, s);
        gridView_->setCursorCell(first.x(), first.y());
    }
}

void MainWindow::showGridPreview() {
    const CrosswordDocument& doc = state_.doc();
    const SlotRef s = keyboardSlot();
    if (s.number < 1)
        return;
    const QString letters = answerEdit->text().toUpper();
    gridView_->previewSlot(s, letters);
    // The cursor waits where the next letter goes.
    const int k = std::min(static_cast<int>(letters.size()), std::max(slotLength(doc, s) - 1, 0));
    const QPoint first = firstCell(doc, s);
    gridView_->setCursorCell(first.x() + (s.direction == Direction::Across ? k : 0),
                             first.y() + (s.direction == Direction::Down ? k : 0));
}
