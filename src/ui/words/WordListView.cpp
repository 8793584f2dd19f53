// The list of found words, drawing only the rows in view.
#include "words/WordListView.h"

#include "words/WordListAccessible.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

WordListView::WordListView(QWidget* parent) : QAbstractItemView(parent) {
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollMode(ScrollPerItem);
    setSelectionBehavior(SelectRows);
    installWordListAccessibility();
}

int WordListView::count() const {
    return model() ? model()->rowCount(rootIndex()) : 0;
}

int WordListView::currentRow() const {
    return currentIndex().isValid() ? currentIndex().row() : -1;
}

void WordListView::setCurrentRow(int row) {
    const QModelIndex index = rowIndex(row);
    if (index.isValid())
        setCurrentIndex(index);
}

QModelIndex WordListView::rowIndex(int row) const {
    if (!model() || row < 0 || row >= count())
        return {};
    return model()->index(row, 0, rootIndex());
}

int WordListView::rowHeight() const {
    // Every row as high as the first: the rows are single lines of text in one font.
    const QModelIndex first = rowIndex(0);
    int height = fontMetrics().height();
    if (first.isValid()) {
        QStyleOptionViewItem option;
        initViewItemOption(&option);
        height = itemDelegateForIndex(first)->sizeHint(option, first).height();
    }
    return std::max(height, 1);
}

int WordListView::firstRow() const {
    return verticalScrollBar()->value();
}

int WordListView::fullRows() const {
    return std::max(1, viewport()->height() / rowHeight());
}

int WordListView::verticalOffset() const {
    return firstRow() * rowHeight();
}

QRect WordListView::visualRect(const QModelIndex& index) const {
    if (!index.isValid() || index.model() != model() || index.parent() != rootIndex())
        return {};
    const int h = rowHeight();
    // Rows far from sight are put just beyond the viewport: their distance could overflow.
    const qint64 top = qint64(index.row() - firstRow()) * h;
    const qint64 limit = qint64(viewport()->height()) + h;
    return QRect(0, static_cast<int>(std::clamp<qint64>(top, -2 * limit, 2 * limit)),
                 viewport()->width(), h);
}

void WordListView::scrollTo(const QModelIndex& index, ScrollHint hint) {
    if (!index.isValid())
        return;
    const int row = index.row();
    const int first = firstRow();
    const int rows = fullRows();
    int next = first;
    switch (hint) {
    case PositionAtTop:
        next = row;
        break;
    case PositionAtBottom:
        next = row - rows + 1;
        break;
    case PositionAtCenter:
        next = row - rows / 2;
        break;
    case EnsureVisible:
        if (row < first)
            next = row;
        else if (row >= first + rows)
            next = row - rows + 1;
        break;
    }
    verticalScrollBar()->setValue(next);
}

QModelIndex WordListView::indexAt(const QPoint& point) const {
    if (point.y() < 0 || point.x() < 0 || point.x() >= viewport()->width())
        return {};
    return rowIndex(firstRow() + point.y() / rowHeight());
}

QModelIndex WordListView::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers) {
    const int rows = count();
    if (rows == 0)
        return {};
    const int current = currentRow();
    int next = current;
    switch (cursorAction) {
    case MoveUp:
    case MovePrevious:
        next = current - 1;
        break;
    case MoveDown:
    case MoveNext:
        next = current + 1;
        break;
    case MovePageUp:
        next = current - fullRows();
        break;
    case MovePageDown:
        next = current + fullRows();
        break;
    case MoveHome:
        next = 0;
        break;
    case MoveEnd:
        next = rows - 1;
        break;
    case MoveLeft:
    case MoveRight:
        break;
    }
    return rowIndex(std::clamp(next, 0, rows - 1));
}

void WordListView::setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) {
    const int rows = count();
    if (rows == 0 || !selectionModel())
        return;
    const QRect r = rect.normalized();
    const int h = rowHeight();
    const int top = std::clamp(firstRow() + std::max(r.top(), 0) / h, 0, rows - 1);
    const int bottom = std::clamp(firstRow() + std::max(r.bottom(), 0) / h, 0, rows - 1);
    selectionModel()->select(QItemSelection(rowIndex(top), rowIndex(bottom)), command);
}

QRegion WordListView::visualRegionForSelection(const QItemSelection& selection) const {
    const int first = firstRow();
    const int last = first + fullRows(); // the partly shown row below the whole ones too
    QRegion region;
    for (const QItemSelectionRange& range : selection) {
        if (range.parent() != rootIndex())
            continue;
        const int top = std::max(range.top(), first);
        const int bottom = std::min(range.bottom(), last);
        if (top <= bottom)
            region += visualRect(rowIndex(top)).united(visualRect(rowIndex(bottom)));
    }
    return region;
}

void WordListView::updateGeometries() {
    QScrollBar* bar = verticalScrollBar();
    const int rows = fullRows();
    bar->setSingleStep(1);
    bar->setPageStep(rows);
    bar->setRange(0, std::max(0, count() - rows));
    QAbstractItemView::updateGeometries();
}

void WordListView::scrollContentsBy(int, int) {
    viewport()->update();
}

void WordListView::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const QStyle::State base = option.state;
    const int h = rowHeight();
    const int first = firstRow() + std::max(event->rect().top(), 0) / h;
    const int last = std::min(count() - 1, firstRow() + event->rect().bottom() / h);
    const QModelIndex current = currentIndex();
    for (int row = first; row <= last; ++row) {
        const QModelIndex index = rowIndex(row);
        option.rect = visualRect(index);
        option.state = base;
        if (selectionModel() && selectionModel()->isSelected(index))
            option.state |= QStyle::State_Selected;
        if (index == current && hasFocus())
            option.state |= QStyle::State_HasFocus;
        itemDelegateForIndex(index)->paint(&painter, option, index);
    }
}

void WordListView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QAbstractItemView::currentChanged(current, previous); // scrolls the row into sight first
    if (hasFocus() && current.isValid())
        announce(QAccessible::Focus, current.row());
}

void WordListView::selectionChanged(const QItemSelection& selected,
                                    const QItemSelection& deselected) {
    QAbstractItemView::selectionChanged(selected, deselected);
    // The first row only: the list selects one row at a time, and a range could be millions.
    if (!deselected.isEmpty())
        announce(QAccessible::SelectionRemove, deselected.first().top());
    if (!selected.isEmpty())
        announce(QAccessible::SelectionAdd, selected.first().top());
}

void WordListView::announce(QAccessible::Event type, int row) {
    if (!rowIndex(row).isValid())
        return;
    QAccessibleEvent event(this, type);
    event.setChild(row);
    sendWordListEvent(&event);
}
