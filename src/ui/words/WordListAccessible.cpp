// What screen readers see of the word list: its rows made on demand.
#include "words/WordListAccessible.h"

#include "words/WordListView.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QItemSelectionModel>
#include <QPersistentModelIndex>
#include <QPointer>

#include <utility>

namespace {

// A row, made when assistive technology first asks for it. It keeps to its word while rows
// come and go before it and turns invalid when the list is replaced.
class RowAccessible final : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    RowAccessible(WordListView* view, const QModelIndex& index) : view_(view), index_(index) {}

    const WordListView* view() const { return view_; }
    int row() const { return isValid() ? index_.row() : -1; }

    bool isValid() const override {
        return view_ && index_.isValid() && index_.model() == view_->model();
    }
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(view_);
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name && isValid() ? index_.data().toString() : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}

    bool inSight() const { return view_->viewport()->rect().intersects(view_->visualRect(index_)); }
    QRect rect() const override {
        if (!isValid() || !inSight())
            return {};
        const QRect r = view_->visualRect(index_);
        return {view_->viewport()->mapToGlobal(r.topLeft()), r.size()};
    }
    QAccessible::State state() const override {
        QAccessible::State s;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        s.selectable = true;
        s.focusable = view_->focusPolicy() != Qt::NoFocus;
        s.selected = view_->selectionModel() && view_->selectionModel()->isSelected(index_);
        s.focused = view_->hasFocus() && view_->currentIndex() == index_;
        s.offscreen = s.invisible = !inSight();
        return s;
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }
    // Moves the keyboard to the row, as clicking it would.
    QStringList actionNames() const override { return {setFocusAction()}; }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }
    void doAction(const QString& name) override {
        if (!isValid() || name != setFocusAction())
            return;
        view_->setFocus();
        view_->setCurrentRow(index_.row());
    }

private:
    QPointer<WordListView> view_;
    QPersistentModelIndex index_;
};

class ListAccessible final : public QAccessibleWidget {
public:
    explicit ListAccessible(WordListView* view) : QAccessibleWidget(view, QAccessible::List) {}
    ~ListAccessible() override { forgetRows(); }

    int childCount() const override { return view()->count(); }

    QAccessibleInterface* child(int index) const override {
        const QModelIndex modelIndex = view()->rowIndex(index);
        if (!modelIndex.isValid())
            return nullptr;
        if (RowAccessible* row = known(index))
            return row;
        // Walking the list would otherwise gather an interface per row; what assistive
        // technology still holds of those dropped it asks for again.
        if (rows_.size() >= kKeptRows)
            forgetRows();
        auto* row = new RowAccessible(view(), modelIndex);
        rows_.insert(index, QAccessible::registerAccessibleInterface(row));
        return row;
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto* row = dynamic_cast<const RowAccessible*>(child);
        return row && row->view() == view() ? row->row() : -1;
    }

    QAccessibleInterface* childAt(int x, int y) const override {
        const QWidget* viewport = view()->viewport();
        const QPoint point = viewport->mapFromGlobal(QPoint(x, y));
        if (!viewport->rect().contains(point))
            return nullptr;
        const QModelIndex index = view()->indexAt(point);
        return index.isValid() ? child(index.row()) : nullptr;
    }

    QAccessibleInterface* focusChild() const override {
        if (view()->hasFocus())
            if (QAccessibleInterface* row = child(view()->currentRow()))
                return row;
        return QAccessibleWidget::focusChild();
    }

private:
    static constexpr qsizetype kKeptRows = 1000;

    WordListView* view() const { return static_cast<WordListView*>(widget()); }

    void forgetRows() const {
        for (QAccessible::Id id : std::as_const(rows_))
            QAccessible::deleteAccessibleInterface(id);
        rows_.clear();
    }

    RowAccessible* lookUp(int index) const {
        const auto found = rows_.constFind(index);
        auto* row = found == rows_.cend()
                        ? nullptr
                        : static_cast<RowAccessible*>(QAccessible::accessibleInterface(*found));
        return row && row->row() == index ? row : nullptr;
    }

    // The row made earlier for this index, if it still shows it. Rows made earlier that moved
    // are filed again under their new index; those whose word is gone are dropped.
    RowAccessible* known(int index) const {
        if (!rows_.contains(index))
            return nullptr;
        if (RowAccessible* row = lookUp(index))
            return row;
        QHash<int, QAccessible::Id> kept;
        for (auto it = rows_.cbegin(); it != rows_.cend(); ++it) {
            auto* row = static_cast<RowAccessible*>(QAccessible::accessibleInterface(it.value()));
            if (row && row->row() >= 0 && !kept.contains(row->row()))
                kept.insert(row->row(), it.value());
            else if (row)
                QAccessible::deleteAccessibleInterface(it.value());
        }
        rows_.swap(kept);
        return lookUp(index);
    }

    // Row → the id of the interface made for it.
    mutable QHash<int, QAccessible::Id> rows_;
};

WordListEventSink eventSink = nullptr;

QAccessibleInterface* wordListAccessible(const QString&, QObject* object) {
    auto* view = qobject_cast<WordListView*>(object);
    return view ? new ListAccessible(view) : nullptr;
}

} // namespace

void installWordListAccessibility() {
    static const bool installed = (QAccessible::installFactory(wordListAccessible), true);
    Q_UNUSED(installed);
}

WordListEventSink setWordListEventSink(WordListEventSink sink) {
    return std::exchange(eventSink, sink);
}

void sendWordListEvent(QAccessibleEvent* event) {
    if (eventSink)
        eventSink(event);
    else if (QAccessible::isActive())
        QAccessible::updateAccessibility(event);
}
