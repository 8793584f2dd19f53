// The status bar: mode, cell and word count, following the session and the grid view.
#include "app/StatusBarView.h"

#include "app/AppState.h"
#include "app/Named.h"
#include "grid/GridView.h"
#include "text/CodePage.h"
#include "text/SequentialText.h"

#include <QLabel>
#include <QStatusBar>

namespace {

OwnText modeName(EditMode mode) {
    switch (mode) {
    case EditMode::ModeDrawGrid:
        return OwnText::StatusDrawing;
    case EditMode::ModeAuthor:
    case EditMode::ModeAuthorNoAnswers:
        return OwnText::StatusAuthoring;
    default:
        return OwnText::StatusSolving;
    }
}

} // namespace

StatusBarView::StatusBarView(AppState& state, const GridView& grid, QStatusBar& bar)
    : QObject(&bar), state_(state), grid_(grid) {
    setObjectName(QStringLiteral("statusBarView"));
    mode_ = named(new QLabel(&bar), "statusMode");
    cell_ = named(new QLabel(&bar), "statusCell");
    words_ = named(new QLabel(&bar), "statusWordCount");
    // Apart from each other and from whatever others add beside them.
    for (QLabel* label : {mode_, cell_, words_})
        label->setContentsMargins(4, 0, 8, 0);
    // Permanent, so that a passing message never hides them; the mode takes the spare room.
    bar.addPermanentWidget(mode_, 1);
    bar.addPermanentWidget(cell_);
    bar.addPermanentWidget(words_);

    const CrosswordSession& session = state_.session;
    connect(&session, &CrosswordSession::modeChanged, this, &StatusBarView::retranslate);
    connect(&session, &CrosswordSession::documentReplaced, this, &StatusBarView::retranslate);
    connect(&grid, &GridView::moved, this,
            [this](Qt::MouseButtons, int x, int y) { pointerMoved(x, y); });
    connect(&grid, &GridView::cursorMoved, this, [this] {
        pointerCell_.reset();
        showCell();
    });
    retranslate();
}

void StatusBarView::retranslate() {
    showMode();
    showCell();
    showWordCount();
}

void StatusBarView::showMode() {
    const EditMode mode = state_.doc().Mode;
    const bool shown = takesGridClicks(mode) || mode == EditMode::ModeAuthorNoAnswers;
    mode_->setText(shown ? cp1251::toUnicode(state_.ownText(modeName(mode))) : QString());
}

void StatusBarView::pointerMoved(int x, int y) {
    pointerCell_ = grid_.fieldGeometry().cellAt(x, y);
    if (pointerCell_)
        showCell();
}

void StatusBarView::showCell() {
    const CrosswordDocument& doc = state_.doc();
    const QPoint cell = pointerCell_.value_or(grid_.cursorCell());
    const bool shown =
        takesGridClicks(doc.Mode) && cell.x() < doc.GridWidth && cell.y() < doc.GridHeight;
    cell_->setText(shown ? cp1251::toUnicode(state_.language.entry(LangEntry::Cell) +
                                             seqtext::strNumber(cell.x() + 1) + ',' +
                                             QByteArray::number(cell.y() + 1))
                         : QString());
}

void StatusBarView::showWordCount() {
    const CrosswordDocument& doc = state_.doc();
    const bool shown =
        doc.Mode != EditMode::ModeEmpty && doc.Mode != EditMode::ModeDrawGrid && doc.WordCount > 0;
    words_->setText(shown ? cp1251::toUnicode(state_.language.entry(LangEntry::Words) +
                                              seqtext::strNumber(doc.WordCount))
                          : QString());
}
