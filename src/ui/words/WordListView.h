#pragma once

#include <QAbstractItemView>
#include <QAccessible>

// A one-column list of rows of one height that lays out and paints only the rows in sight, so
// that a model of millions of rows costs no more than one of a few. The item views of Qt keep
// a position per row, which for the tens of millions of words a search can find takes
// hundreds of megabytes. Scrolls a row at a time.
class WordListView : public QAbstractItemView {
    Q_OBJECT
public:
    explicit WordListView(QWidget* parent = nullptr);

    int count() const;
    int currentRow() const; // -1 without a current row
    void setCurrentRow(int row);
    QModelIndex rowIndex(int row) const; // invalid beyond the rows

    QRect visualRect(const QModelIndex& index) const override;
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
    QModelIndex indexAt(const QPoint& point) const override;

protected:
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    int horizontalOffset() const override { return 0; }
    int verticalOffset() const override;
    bool isIndexHidden(const QModelIndex&) const override { return false; }
    void setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) override;
    QRegion visualRegionForSelection(const QItemSelection& selection) const override;
    void updateGeometries() override;
    void scrollContentsBy(int dx, int dy) override;
    void paintEvent(QPaintEvent* event) override;
    // Tell assistive technology of the row that became current or selected.
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void selectionChanged(const QItemSelection& selected,
                          const QItemSelection& deselected) override;

private:
    int rowHeight() const;
    int firstRow() const;
    // Rows wholly in sight, at least one.
    int fullRows() const;
    void announce(QAccessible::Event type, int row);
};
