// What screen readers see of the grid: the picture and the cell under the keyboard's cursor.
#include "grid/GridAccessible.h"

#include "app/AppState.h"
#include "grid/FieldGeometry.h"
#include "grid/GridView.h"
#include "grid/PictureBox.h"
#include "text/CodePage.h"

#include <QAccessibleWidget>
#include <QPointer>

namespace {

QString own(const GridView& view, OwnText which) {
    return cp1251::toUnicode(view.appState().language.ownText(which));
}

// The cursor cell. It follows the cursor, so one interface serves every cell. Its letter is
// its text as well as its value: screen readers read a cell's content through the text.
class CursorCellAccessible final : public QAccessibleInterface, public QAccessibleTextInterface {
public:
    explicit CursorCellAccessible(GridView* view) : view_(view) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface*>(this)
                                                  : nullptr;
    }

    bool isValid() const override { return view_ != nullptr; }
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* parent() const override {
        return view_ ? QAccessible::queryAccessibleInterface(view_->picture()) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QString text(QAccessible::Text t) const override {
        if (!view_)
            return {};
        const QPoint c = view_->cursorCell();
        const GridView::CellInfo info = view_->cellInfo(c.x(), c.y());
        switch (t) {
        case QAccessible::Name:
            return QStringLiteral("%1 %2, %3 %4")
                .arg(own(*view_, OwnText::CellRow))
                .arg(c.y() + 1)
                .arg(own(*view_, OwnText::CellColumn))
                .arg(c.x() + 1);
        case QAccessible::Value:
            return info.letter.isNull() ? QString() : QString(info.letter);
        case QAccessible::Description: {
            QString d = own(*view_, info.black ? OwnText::CellBlack : OwnText::CellWhite);
            if (info.number > 0)
                d += QStringLiteral(", %1 %2")
                         .arg(own(*view_, OwnText::CellNumber))
                         .arg(info.number);
            return d;
        }
        default:
            return {};
        }
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!view_)
            return {};
        const QPoint c = view_->cursorCell();
        const QRect square = view_->fieldGeometry().square(c.x(), c.y());
        return {view_->picture()->mapToGlobal(square.topLeft()), square.size()};
    }
    QAccessible::State state() const override {
        QAccessible::State s;
        if (!view_) {
            s.invalid = true;
            return s;
        }
        s.focusable = true;
        s.focused = view_->picture()->hasFocus();
        return s;
    }

    // The text: the letter, or nothing.
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int start, int end) const override {
        return letter().mid(start, end < 0 ? -1 : end - start);
    }
    int characterCount() const override { return static_cast<int>(letter().size()); }
    QRect characterRect(int) const override { return rect(); }
    int offsetAtPoint(const QPoint&) const override { return 0; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return {};
    }

private:
    QString letter() const { return text(QAccessible::Value); }

    QPointer<GridView> view_;
};

class GridAccessible final : public QAccessibleWidget {
public:
    explicit GridAccessible(PictureBox* picture) : QAccessibleWidget(picture) {}
    ~GridAccessible() override {
        if (cellId_ != 0)
            QAccessible::deleteAccessibleInterface(cellId_);
    }

    int childCount() const override { return hasCells() ? 1 : 0; }
    QAccessibleInterface* child(int index) const override {
        if (index != 0 || !hasCells())
            return nullptr;
        if (cellId_ == 0 || !QAccessible::accessibleInterface(cellId_))
            cellId_ = QAccessible::registerAccessibleInterface(new CursorCellAccessible(view()));
        return QAccessible::accessibleInterface(cellId_);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return cellId_ != 0 && child == QAccessible::accessibleInterface(cellId_) ? 0 : -1;
    }
    QAccessibleInterface* focusChild() const override {
        return widget()->hasFocus() && hasCells() ? child(0) : QAccessibleWidget::focusChild();
    }

private:
    GridView* view() const { return qobject_cast<GridView*>(widget()->parentWidget()); }
    bool hasCells() const {
        const GridView* v = view();
        return v && v->appState().doc().GridWidth > 0 && v->appState().doc().GridHeight > 0;
    }

    mutable QAccessible::Id cellId_ = 0;
};

QAccessibleInterface* gridAccessible(const QString&, QObject* object) {
    auto* picture = qobject_cast<PictureBox*>(object);
    auto* view = picture ? qobject_cast<GridView*>(picture->parentWidget()) : nullptr;
    return view && view->picture() == picture ? new GridAccessible(picture) : nullptr;
}

} // namespace

void installGridAccessibility(QWidget* picture) {
    static const bool installed = (QAccessible::installFactory(gridAccessible), true);
    Q_UNUSED(installed);
    // Building the picture already made and kept the plain interface of a widget (Qt resolves
    // one for every change event, active or not): dropped, the next query makes the grid's.
    if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(picture))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

void announceCursor(QWidget* picture, bool letterChanged) {
    // Only the keyboard's own cursor: after a click the focus is in a typing box.
    if (!QAccessible::isActive() || !picture->hasFocus())
        return;
    if (letterChanged) {
        QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(picture);
        QAccessibleInterface* cell = grid ? grid->child(0) : nullptr;
        QAccessibleValueChangeEvent event(picture,
                                          cell ? cell->text(QAccessible::Value) : QString());
        event.setChild(0);
        QAccessible::updateAccessibility(&event);
        return;
    }
    QAccessibleEvent event(picture, QAccessible::Focus);
    event.setChild(0);
    QAccessible::updateAccessibility(&event);
}
