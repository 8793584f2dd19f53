// The clue list beside the grid: its rows, their marks and the highlighted slots.
#include "clues/ClueList.h"

#include "app/AppState.h"
#include "app/EnterKey.h"
#include "grid/SlotAccess.h"
#include "text/CodePage.h"

#include <QKeyEvent>

namespace {

// Whether the crossword holds clue texts: one without answers keeps only the solver's words.
bool holdsClues(const CrosswordDocument& doc) {
    return doc.SlotTexts.rank() == 3;
}

bool solving(EditMode mode) {
    return mode == EditMode::ModeSolve || mode == EditMode::ModeSolveNoAnswers;
}

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
    // The highlight stays as visible as the grid's while the focus is elsewhere.
    QPalette p = palette();
    p.setBrush(QPalette::Inactive, QPalette::Highlight,
               p.brush(QPalette::Active, QPalette::Highlight));
    p.setBrush(QPalette::Inactive, QPalette::HighlightedText,
               p.brush(QPalette::Active, QPalette::HighlightedText));
    setPalette(p);
    const CrosswordSession& session = state_.session;
    connect(&session, &CrosswordSession::documentReplaced, this, &ClueList::rebuild);
    connect(&session, &CrosswordSession::modeChanged, this, &ClueList::rebuild);
    connect(&session, &CrosswordSession::cellsChanged, this, &ClueList::refreshTexts);
    connect(&session, &CrosswordSession::clueChanged, this, &ClueList::refreshRow);
    connect(&session, &CrosswordSession::selectionChanged, this, &ClueList::showSelection);
    connect(this, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { choose(item, false); });
    rebuild();
}

void ClueList::retranslate() {
    setAccessibleName(cp1251::toUnicode(state_.ownText(OwnText::Clues)));
    rebuild();
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

void ClueList::rebuild() {
    clear();
    rows_.clear();
    const CrosswordDocument& doc = state_.doc();
    if (doc.Mode == EditMode::ModeEmpty || doc.Mode == EditMode::ModeDrawGrid)
        return;
    for (int d = 0; d <= 1; ++d) {
        auto* heading = new QListWidgetItem(cp1251::toUnicode(state_.language.heading(d)), this);
        QFont bold = heading->font();
        bold.setBold(true);
        heading->setFont(bold);
        heading->setFlags(Qt::ItemIsEnabled);
        rows_.push_back({});
        for (int n = 1; n <= doc.NumberedCount; ++n)
            if (slotLength(doc, n, d) > 0) {
                new QListWidgetItem(this);
                rows_.push_back({n, d});
            }
    }
    refreshTexts();
    showSelection();
}

void ClueList::refreshTexts() {
    for (int r = 0; r < count(); ++r)
        showRow(r);
}

void ClueList::refreshRow(int number, int direction) {
    showRow(rowOf({number, direction}));
}

void ClueList::showRow(int r) {
    const auto [n, d] = slotAt(r);
    if (n < 1)
        return;
    const CrosswordDocument& doc = state_.doc();
    QListWidgetItem* row = item(r);
    QString text = QString::number(n) + QLatin1Char('.');
    if (const QByteArray clue = holdsClues(doc) ? clueOf(doc, n, d) : QByteArray(); !clue.isEmpty())
        text += QLatin1Char(' ') + cp1251::toUnicode(clue);
    const bool done = solving(doc.Mode) && doc.SolvedFlags.at(n, d) == 1;
    row->setData(Qt::ForegroundRole, done ? QVariant(solvedColour()) : QVariant());
    row->setText(done ? text + QStringLiteral(u" \u2713") : text);
    row->setData(Qt::AccessibleTextRole,
                 done ? text + QStringLiteral(", ") +
                            cp1251::toUnicode(state_.ownText(OwnText::Solved))
                      : QVariant());
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
    if (currentItem() && currentItem()->isSelected())
        scrollToItem(currentItem());
}

void ClueList::choose(QListWidgetItem* item, bool byKeyboard) {
    const SlotRef slot = item ? slotAt(row(item)) : SlotRef{};
    if (slot.number > 0)
        emit slotChosen(slot.number, slot.direction, byKeyboard);
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
