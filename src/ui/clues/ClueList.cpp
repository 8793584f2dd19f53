// The clue list beside the grid: its rows, their marks and the highlighted slots.
#include "clues/ClueList.h"

#include "app/AppState.h"
#include "app/EnterKey.h"
#include "grid/SlotAccess.h"
#include "text/CodePage.h"
#include "text/Mnemonics.h"

#include <QApplication>
#include <QKeyEvent>
#include <QStyledItemDelegate>
#include <QtMath>

namespace {

// Whether the crossword holds clue texts: one without answers keeps only the solver's words.
bool holdsClues(const CrosswordDocument& doc) {
    return doc.SlotTexts.rank() == 3;
}

bool solving(EditMode mode) {
    return mode == EditMode::ModeSolve || mode == EditMode::ModeSolveNoAnswers;
}

// A row's size as the style gives it, measured through the style only for a row of more than
// one line: a list of thousands of slots is laid out whole when it is filled, and most rows
// ("12." before the clues are written) take one line, whose height is the same for every row
// in the same font and whose width grows with the text's.
class ClueRowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const QVariant text = index.data(Qt::DisplayRole);
        if (index.data(Qt::FontRole).isValid() || index.data(Qt::SizeHintRole).isValid() ||
            index.data(Qt::DecorationRole).isValid() || !text.canConvert<QString>())
            return QStyledItemDelegate::sizeHint(option, index);
        const QString s = text.toString();
        if (s.contains(u'\n') || s.contains(QChar::LineSeparator) || s.contains(u'\t'))
            return QStyledItemDelegate::sizeHint(option, index);
        const QFontMetricsF metrics(option.font);
        const qreal width = metrics.horizontalAdvance(s);
        const QWidget* view = option.widget;
        const QStyle* style = view ? view->style() : QApplication::style();
        const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, &option, view) + 1;
        // Room to spare on the line: the style would not wrap it.
        if (option.rect.isValid() && width + 2 * margin + 2 >= option.rect.width())
            return QStyledItemDelegate::sizeHint(option, index);
        if (!measured_ || option.font != oneLineFont_ || option.rect.width() != oneLineRoom_) {
            QStyleOptionViewItem sample = option;
            initStyleOption(&sample, index);
            sample.text = QStringLiteral("0.");
            const QSize measured =
                style->sizeFromContents(QStyle::CT_ItemViewItem, &sample, QSize(), view);
            oneLine_ = QSize(measured.width() - qCeil(metrics.horizontalAdvance(sample.text)),
                             measured.height());
            oneLineFont_ = option.font;
            oneLineRoom_ = option.rect.width();
            measured_ = true;
        }
        return {oneLine_.width() + qCeil(width), oneLine_.height()};
    }

private:
    // A one-line row: the width beside the text's, and the height; measured in a font and width.
    mutable QSize oneLine_;
    mutable QFont oneLineFont_;
    mutable int oneLineRoom_ = 0;
    mutable bool measured_ = false;
};

} // namespace

QColor ClueList::solvedColour() const {
    // Halfway to the background: readable, yet plainly done with.
    const QColor text = palette().color(QPalette::Text);
    const QColor base = palette().color(QPalette::Base);
    return QColor((text.red() + base.red()) / 2, (text.green() + base.green()) / 2,
                  (text.blue() + base.blue()) / 2);
}

ClueList::ClueList(const AppState& state, QWidget* parent) : QListWidget(parent), state_(state) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setWordWrap(true);
    setSpacing(1);
    setTextElideMode(Qt::ElideNone);
    setUniformItemSizes(false);
    setItemDelegate(new ClueRowDelegate(this));
    // The highlight stays as visible as the grid's while the focus is elsewhere.
    QPalette p = palette();
    p.setBrush(QPalette::Inactive, QPalette::Highlight,
               p.brush(QPalette::Active, QPalette::Highlight));
    p.setBrush(QPalette::Inactive, QPalette::HighlightedText,
               p.brush(QPalette::Active, QPalette::HighlightedText));
    setPalette(p);
    const CrosswordSession& session = state_.session;
    connect(&session, &CrosswordSession::documentReplaced, this, &ClueList::rebuild);
    connect(&session, &CrosswordSession::modeChanged, this, &ClueList::followMode);
    connect(&session, &CrosswordSession::cellsChanged, this, &ClueList::refreshTexts);
    connect(&session, &CrosswordSession::clueChanged, this, &ClueList::refreshRow);
    connect(&session, &CrosswordSession::selectionChanged, this, &ClueList::showSelection);
    connect(this, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { choose(item, false); });
    rebuild();
}

void ClueList::retranslate() {
    setAccessibleName(withoutMnemonics(cp1251::toUnicode(state_.ownText(OwnText::Clues))));
    rebuildAll(rowsOf(state_.doc()));
}

int ClueList::rowOf(const SlotRef& slot) const {
    if (slot.number < 1)
        return -1;
    for (std::size_t r = 0; r < rows_.size(); ++r)
        if (rows_[r] == slot)
            return static_cast<int>(r);
    return -1;
}

SlotRef ClueList::slotAt(int row) const {
    return row >= 0 && static_cast<std::size_t>(row) < rows_.size()
               ? rows_[static_cast<std::size_t>(row)]
               : SlotRef{};
}

std::vector<SlotRef> ClueList::rowsOf(const CrosswordDocument& doc) {
    std::vector<SlotRef> rows;
    if (doc.Mode == EditMode::ModeEmpty || doc.Mode == EditMode::ModeDrawGrid)
        return rows;
    for (const Direction d : kDirections) {
        rows.push_back({});
        for (int n = 1; n <= doc.NumberedCount; ++n)
            if (slotLength(doc, n, directionIndex(d)) > 0)
                rows.push_back({n, d});
    }
    return rows;
}

void ClueList::rebuild() {
    // The same rows (a new mode, or the crossword replaced by one of the same shape) keep their
    // items: only what they show changes.
    std::vector<SlotRef> rows = rowsOf(state_.doc());
    if (rows == rows_ && static_cast<std::size_t>(count()) == rows.size()) {
        refreshTexts();
        shownSolving_ = solving(state_.doc().Mode);
        showSelection();
        return;
    }
    rebuildAll(std::move(rows));
}

void ClueList::followMode() {
    // A mode that keeps the rows and whether solved ones are marked changes only the selection.
    if (rowsOf(state_.doc()) == rows_ && solving(state_.doc().Mode) == shownSolving_)
        showSelection();
    else
        rebuild();
}

void ClueList::rebuildAll(std::vector<SlotRef> rows) {
    clear();
    scrolledTo_ = -1;
    rows_ = std::move(rows);
    // All rows in one insertion, each with its text: the view lays them out once.
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(rows_.size()));
    int headings = 0;
    for (std::size_t r = 0; r < rows_.size(); ++r)
        texts.push_back(rows_[r].number < 1 ? cp1251::toUnicode(state_.language.heading(headings++))
                                            : rowLook(static_cast<int>(r)).text);
    addItems(texts);
    const bool marks = solving(state_.doc().Mode);
    for (int r = 0; r < count(); ++r) {
        if (slotAt(r).number > 0) {
            if (marks) // the solved rows' colour and name; the texts are there
                showRow(r);
            continue;
        }
        QListWidgetItem* heading = item(r);
        QFont bold = heading->font();
        bold.setBold(true);
        heading->setFont(bold);
        heading->setFlags(Qt::ItemIsEnabled);
    }
    shownSolving_ = marks;
    showSelection();
}

void ClueList::refreshTexts() {
    for (int r = 0; r < count(); ++r)
        showRow(r);
}

void ClueList::refreshRow(int number, int direction) {
    showRow(rowOf({number, directionAt(direction)}));
}

ClueList::RowLook ClueList::rowLook(int r) const {
    const SlotRef slot = slotAt(r);
    const int n = slot.number;
    const int d = directionIndex(slot.direction);
    if (n < 1)
        return {};
    const CrosswordDocument& doc = state_.doc();
    QString text = QString::number(n) + QLatin1Char('.');
    if (const QByteArray clue = holdsClues(doc) ? clueOf(doc, n, d) : QByteArray(); !clue.isEmpty())
        text += QLatin1Char(' ') + cp1251::toUnicode(clue);
    if (!(solving(doc.Mode) && doc.SolvedFlags.at(n, d) == 1))
        return {text, {}, {}};
    // A word a hint gave is told apart from one the solver found.
    const QString mark = cp1251::toUnicode(
        state_.ownText(state_.session.wordRevealed(n, d) ? OwnText::Revealed : OwnText::Solved));
    const QString shownMark = state_.session.wordRevealed(n, d)
                                  ? QStringLiteral(u" \u2713 (") + mark + QLatin1Char(')')
                                  : QStringLiteral(u" \u2713");
    return {text + shownMark, solvedColour(), text + QStringLiteral(", ") + mark};
}

void ClueList::showRow(int r) {
    if (slotAt(r).number < 1)
        return;
    QListWidgetItem* row = item(r);
    const RowLook look = rowLook(r);
    // A role set to what it holds already changes nothing, and tells the view nothing.
    const auto set = [row](int role, const QVariant& value) {
        if (row->data(role) != value)
            row->setData(role, value);
    };
    set(Qt::ForegroundRole, look.foreground);
    if (row->text() != look.text) {
        row->setText(look.text);
        scrolledTo_ = -1; // the rows may have moved
    }
    set(Qt::AccessibleTextRole, look.accessibleText);
}

void ClueList::showSelection() {
    // The list keeps showing the selection the grid shows no more after the last word.
    Selection selection = state_.session.selection();
    selection.shown = true;
    const std::vector<SlotRef> chosen = selectedSlots(state_.doc().Mode, selection);
    QItemSelectionModel* model = selectionModel();
    model->clearSelection();
    bool first = true;
    for (const SlotRef& slot : chosen) {
        const int row = rowOf(slot);
        if (row < 0)
            continue;
        const QModelIndex index = model->model()->index(row, 0);
        if (first)
            model->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
        first = false;
        model->select(index, QItemSelectionModel::Select);
    }
    // Scrolled to once per row: finding where to scroll measures rows, and one change of the
    // crossword tells the list about the selection several times over.
    if (currentItem() && currentItem()->isSelected() && currentRow() != scrolledTo_) {
        scrollToItem(currentItem());
        scrolledTo_ = currentRow();
    }
}

void ClueList::choose(QListWidgetItem* item, bool byKeyboard) {
    const SlotRef slot = item ? slotAt(row(item)) : SlotRef{};
    if (slot.number > 0)
        emit slotChosen(slot.number, directionIndex(slot.direction), byKeyboard);
    // What the window made of it, whatever the list's own keys or mouse did to its selection.
    showSelection();
}

void ClueList::keyPressEvent(QKeyEvent* event) {
    if (isEnterKey(event->key())) {
        choose(currentItem(), false);
        return;
    }
    const int before = currentRow();
    QListWidget::keyPressEvent(event);
    int now = currentRow();
    if (now == before)
        return;
    // A heading is passed over in the direction of the move.
    if (slotAt(now).number < 1) {
        const int next = now + (now > before ? 1 : -1);
        now = slotAt(next).number > 0 ? next : before;
        setCurrentRow(now);
    }
    if (now != before)
        choose(item(now), true);
}
