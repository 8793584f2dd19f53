// The grid viewport: the field picture, its scroll bars, and the field and slots drawn on it.
#include "grid/GridView.h"

#include "app/AppState.h"
#include "app/EnterKey.h"
#include "app/Named.h"
#include "app/WindowLayout.h"
#include "grid/DigitStrips.h"
#include "grid/GridAccessible.h"
#include "grid/GridLimits.h"
#include "grid/LetterFont.h"
#include "grid/PictureBox.h"
#include "grid/ScrollLayout.h"
#include "grid/ShownGrid.h"
#include "grid/SlotAccess.h"
#include "text/CodePage.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QScrollBar>

#include <QNativeGestureEvent>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <functional>
#include <utility>
#include <vector>

namespace {

// Gives a watched widget's focus-in to a callback.
class FocusForwarder : public QObject {
public:
    FocusForwarder(QObject* parent, std::function<void()> onFocus)
        : QObject(parent), onFocus_(std::move(onFocus)) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusIn)
            onFocus_();
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> onFocus_;
};

void setBarValue(QScrollBar* bar, int value) {
    bar->setValue(std::clamp(value, bar->minimum(), bar->maximum()));
}

} // namespace

GridView::GridView(AppState& state, const std::array<PictureBox*, 3>& digitStrips, QWidget* parent)
    : QWidget(parent), state_(state), digitStrips_(digitStrips) {
    setObjectName(QStringLiteral("gridView"));
    setFocusPolicy(Qt::ClickFocus);
    setAccessibleName(QStringLiteral("Grid"));
    gridPicture_ = named(new PictureBox(this), "gridPicture");
    gridPicture_->setBackColor(QApplication::palette().color(QPalette::Window));
    gridPicture_->setAccessibleName(QStringLiteral("Grid"));
    // Tab reaches the picture, whose keys move the cell cursor and type into the grid.
    gridPicture_->setFocusPolicy(Qt::StrongFocus);
    gridPicture_->installEventFilter(this);
    installGridAccessibility(gridPicture_);
    gridPicture_->clear();
    gridPicture_->hide();
    zoomedDigits_ = named(new PictureBox(this), "zoomedDigits");
    zoomedDigits_->hide();
    horizontalBar_ = named(new QScrollBar(Qt::Horizontal, this), "horizontalBar");
    verticalBar_ = named(new QScrollBar(Qt::Vertical, this), "verticalBar");
    corner_ = named(new QWidget(this), "corner");
    corner_->setAutoFillBackground(true);
    horizontalBar_->hide();
    verticalBar_->hide();
    corner_->hide();

    auto moveH = [this](int v) { gridPicture_->move(-v, gridPicture_->y()); };
    auto moveV = [this](int v) { gridPicture_->move(gridPicture_->x(), -v); };
    connect(horizontalBar_, &QScrollBar::valueChanged, this, moveH);
    connect(horizontalBar_, &QScrollBar::sliderMoved, this, moveH);
    connect(verticalBar_, &QScrollBar::valueChanged, this, moveV);
    connect(verticalBar_, &QScrollBar::sliderMoved, this, moveV);

    // The bars never keep the focus: it goes to the grid, which routes it on.
    auto toGrid = [this] { gridPicture_->setFocus(Qt::OtherFocusReason); };
    horizontalBar_->installEventFilter(new FocusForwarder(horizontalBar_, toGrid));
    verticalBar_->installEventFilter(new FocusForwarder(verticalBar_, toGrid));
    connect(gridPicture_, &PictureBox::gotFocus, this, [this] {
        if (routeFocus_)
            emit pictureFocused();
    });
    connect(gridPicture_, &PictureBox::mouseDown, this, &GridView::pressed);
    connect(gridPicture_, &PictureBox::mouseUp, this, &GridView::released);
    connect(gridPicture_, &PictureBox::mouseMove, this, &GridView::moved);

    CrosswordSession& session = state_.session;
    connect(&session, &CrosswordSession::documentReplaced, this, &GridView::showDocument);
    connect(&session, &CrosswordSession::pictureSettingsChanged, this,
            &GridView::showPictureSettings);
    connect(&session, &CrosswordSession::cellsChanged, this, &GridView::showCells);
    connect(&session, &CrosswordSession::selectionChanged, this, &GridView::showSelection);
    // The cursor shows in the modes that take the grid's clicks.
    connect(&session, &CrosswordSession::modeChanged, this,
            [this] { setCursorCell(cursor_.x(), cursor_.y()); });
}

void GridView::focusInEvent(QFocusEvent* event) {
    emit focused();
    QWidget::focusInEvent(event);
}

int GridView::shownCellSize() const {
    return std::max(1, (state_.settings.CellSize * zoom_ + 50) / 100);
}

FieldGeometry GridView::fieldGeometry() const {
    return FieldGeometry(shownCellSize(), state_.doc().GridWidth, state_.doc().GridHeight);
}

CellPainter GridView::exportPainter(const FieldGeometry& geometry) const {
    const int s = std::clamp(state_.settings.NumberSize, 1, 3);
    return CellPainter(geometry, *digitStrips_[static_cast<std::size_t>(s - 1)], s);
}

CellPainter GridView::cellPainter(const FieldGeometry& geometry) const {
    const int s = std::clamp(state_.settings.NumberSize, 1, 3);
    if (zoom_ == 100)
        return CellPainter(geometry, *digitStrips_[static_cast<std::size_t>(s - 1)], s,
                           LetterPlace::Fitted);
    // The dots of the digits scaled by whole pixels, so that they stay sharp.
    const int scale = std::max(1, (s * zoom_ + 50) / 100);
    if (scale != zoomedDigitScale_) {
        drawDigitStrip(*zoomedDigits_, scale);
        const_cast<GridView*>(this)->zoomedDigitScale_ = scale;
    }
    return CellPainter(geometry, *zoomedDigits_, scale, LetterPlace::Fitted);
}

void GridView::setZoom(int percent) {
    const CrosswordDocument& doc = state_.doc();
    int z = std::clamp(percent, WindowLayout::kMinZoom, WindowLayout::kMaxZoom);
    const auto fits = [&](int zoom) {
        const int c = std::max(1, (state_.settings.CellSize * zoom + 50) / 100);
        return gridlimits::pictureFits(doc.GridWidth, doc.GridHeight, c);
    };
    while (z > 100 && doc.GridWidth > 0 && doc.GridHeight > 0 && !fits(z))
        z = std::max(100, z * 4 / 5);
    if (z == zoom_)
        return;
    zoom_ = z;
    showPictureSettings();
    showCursor();
}

int GridView::zoomToFit() const {
    const CrosswordDocument& doc = state_.doc();
    if (doc.GridWidth < 1 || doc.GridHeight < 1 || state_.settings.CellSize < 1)
        return 100;
    // The closing lines and the margins on both sides.
    const int room = std::min((width() - 2 * fieldgeometry::kMargin - 1) / doc.GridWidth,
                              (height() - 2 * fieldgeometry::kMargin - 1) / doc.GridHeight);
    return std::clamp(room * 100 / state_.settings.CellSize, WindowLayout::kMinZoom,
                      WindowLayout::kMaxZoom);
}

void GridView::placeBars() {
    const int bar = ScrollLayout::kBar;
    verticalBar_->move(width() - bar, verticalBar_->y());
    horizontalBar_->move(horizontalBar_->x(), height() - bar);
    corner_->setGeometry(width() - bar, height() - bar, bar, bar);
    updateScrollBars();
}

void GridView::updateScrollBars() {
    const ScrollLayout s =
        computeScrollLayout(gridPicture_->width(), gridPicture_->height(), width(), height());
    if (s.hVisible) {
        horizontalBar_->setGeometry(0, height() - ScrollLayout::kBar, s.hWidth, ScrollLayout::kBar);
        horizontalBar_->setPageStep(s.hLargeChange);
        horizontalBar_->setMaximum(s.hMax);
        horizontalBar_->setSingleStep(s.hSmallChange);
    } else {
        horizontalBar_->setValue(0);
    }
    horizontalBar_->setVisible(s.hVisible);
    if (s.vVisible) {
        verticalBar_->setGeometry(width() - ScrollLayout::kBar, 0, ScrollLayout::kBar, s.vHeight);
        verticalBar_->setPageStep(s.vLargeChange);
        verticalBar_->setMaximum(s.vMax);
        verticalBar_->setSingleStep(s.vSmallChange);
    } else {
        verticalBar_->setValue(0);
    }
    verticalBar_->setVisible(s.vVisible);
    corner_->setVisible(s.cornerVisible);
    if (s.vVisible || s.hVisible)
        corner_->raise();
}

QPoint GridView::scrollPosition() const {
    return QPoint(horizontalBar_->value(), verticalBar_->value());
}

void GridView::setScrollPosition(QPoint position) {
    horizontalBar_->setValue(position.x());
    verticalBar_->setValue(position.y());
}

void GridView::setLetterFont(const Settings& settings) {
    letterfont::apply(*gridPicture_, settings);
    // The screen's letters fit the shown cell beside the number, in the settings' font.
    gridPicture_->setPictureFont(
        cellPainter(fieldGeometry()).fittedFont(gridPicture_->pictureFont()));
    letterOffsetKnown_ = false;
}

int GridView::letterOffset() {
    if (!letterOffsetKnown_) {
        // Of the settings' font at actual size, which the exported pictures keep.
        PictureBox actual;
        letterfont::apply(actual, state_.settings);
        state_.LetterOffset = letterfont::letterOffset(actual, state_.settings.CellSize);
        letterOffsetKnown_ = true;
    }
    return state_.LetterOffset;
}

void GridView::drawEmptyField() {
    const FieldGeometry geometry = fieldGeometry();
    PictureBox& pic = *gridPicture_;
    pic.clear();
    preview_ = {};
    dead_.clear();
    const QSize size = geometry.drawingSize();
    pic.setPictureSize(size.width(), size.height());
    cellPainter(geometry).emptyField(pic, state_.doc().GridWidth, state_.doc().GridHeight);
    pic.show();
    updateScrollBars();
    setScrollPosition(QPoint(0, 0));
}

void GridView::paintDrawnCell(int cx, int cy, bool black) {
    // Inside the grid lines, which stay untouched; a one-pixel cell has no inside.
    cellPainter(fieldGeometry())
        .fillInside(*gridPicture_, cx, cy, black ? CellLook::DrawnBlack : CellLook::Plain);
}

void GridView::showDocument() {
    // A new crossword starts with the cursor in its first cell.
    setCursorCell(0, 0);
    switch (state_.doc().Mode) {
    case EditMode::ModeEmpty:
        return;
    case EditMode::ModeDrawGrid:
        drawEmptyField();
        return;
    default:
        drawGrid();
    }
}

void GridView::drawGrid() {
    gridPicture_->clear();
    sizeForSlots();
    gridPicture_->show();
    // Lets the resized picture settle; a click must not arrive before the grid is drawn.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    redrawGrid();
}

void GridView::redrawGrid() {
    paintAllSlots();
    const CrosswordSession& session = state_.session;
    for (const SlotRef& slot : selectedSlots(session.mode(), session.selection()))
        paintSlot(slot.number, directionIndex(slot.direction), CellLook::Selected, true);
}

void GridView::showPictureSettings() {
    const CrosswordDocument& doc = state_.doc();
    // Also while drawing: the letters that come once the grid is ready need the offset of the
    // new cell size and the font of the settings.
    setLetterFont(state_.settings);
    switch (doc.Mode) {
    case EditMode::ModeEmpty:
        return;
    case EditMode::ModeDrawGrid: {
        // The pattern is redrawn from the cell map, whatever the old picture showed.
        const QPoint scrolled = scrollPosition();
        drawEmptyField();
        {
            const PictureBox::Batch batch(*gridPicture_);
            for (int y = 0; y < doc.GridHeight; ++y)
                for (int x = 0; x < doc.GridWidth; ++x)
                    if (doc.CellMap.at(x, y) != 0)
                        paintDrawnCell(x, y, true);
        }
        setScrollPosition(scrolled);
        return;
    }
    default:
        sizeForSlots();
        redrawGrid();
    }
}

void GridView::showCells(const QRect& cells) {
    const CrosswordDocument& doc = state_.doc();
    const bool whole = cells == QRect(0, 0, doc.GridWidth, doc.GridHeight);
    if (doc.Mode == EditMode::ModeDrawGrid) {
        // The whole field at once is a fresh empty one.
        if (whole) {
            drawEmptyField();
            return;
        }
        for (int y = cells.top(); y <= cells.bottom(); ++y)
            for (int x = cells.left(); x <= cells.right(); ++x)
                paintDrawnCell(x, y, doc.CellMap.at(x, y) != 0);
        return;
    }
    if (whole) {
        redrawGrid();
        return;
    }
    // A slot's cells.
    const CellPainter painter = cellPainter(fieldGeometry());
    const PictureBox::Batch batch(*gridPicture_);
    for (int y = cells.top(); y <= cells.bottom(); ++y)
        for (int x = cells.left(); x <= cells.right(); ++x)
            paintSlotCell(painter, x, y, lookAt(x, y));
}

void GridView::showSelection(const Selection& before, const Selection& after) {
    const EditMode mode = state_.doc().Mode;
    const std::vector<SlotRef> was = selectedSlots(mode, before);
    const std::vector<SlotRef> now = selectedSlots(mode, after);
    for (const SlotRef& slot : was)
        if (std::find(now.begin(), now.end(), slot) == now.end()) {
            endPreviewOf(slot);
            paintSlot(slot.number, directionIndex(slot.direction), std::nullopt, false);
        }
    for (const SlotRef& slot : now) {
        endPreviewOf(slot);
        paintSlot(slot.number, directionIndex(slot.direction), std::nullopt, true);
    }
    // The keyboard's cursor follows a selection that moved away from it (the next word after
    // one was placed), so that typing goes on where the selection is.
    const CrosswordDocument& doc = state_.doc();
    const auto holdsCursor = [&](const SlotRef& s) {
        return shownSlotHolds(doc, s.number, directionIndex(s.direction), cursor_.x(), cursor_.y());
    };
    if (!now.empty() && std::none_of(now.begin(), now.end(), holdsCursor)) {
        const QPoint first =
            shownSlotStart(doc, now.front().number, directionIndex(now.front().direction));
        setCursorCell(first.x(), first.y());
    }
}

void GridView::endPreviewOf(const SlotRef& slot) {
    if (preview_.number == slot.number && preview_.direction == slot.direction)
        preview_ = {};
}

void GridView::sizeForSlots() {
    const QSize size = fieldGeometry().slotsSize();
    gridPicture_->setPictureSize(size.width(), size.height());
}

void GridView::paintAllSlots() {
    const CrosswordDocument& doc = state_.doc();
    gridPicture_->clear();
    dead_.clear(); // a new picture: its dead cells come after
    preview_ = {};
    // Every slot white. A cell where two slots cross looks the same painted once, so each
    // covered cell is painted once.
    const int w = doc.GridWidth;
    const int h = doc.GridHeight;
    const std::vector<bool> covered = shownSlotCells(doc);
    {
        const CellPainter painter = cellPainter(fieldGeometry());
        const PictureBox::Batch batch(*gridPicture_);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                if (covered[static_cast<std::size_t>(y) * static_cast<std::size_t>(w) +
                            static_cast<std::size_t>(x)])
                    paintSlotCell(painter, x, y, CellLook::Plain);
    }
    updateScrollBars();
    setScrollPosition(QPoint(0, 0));
}

void GridView::scrollSlotIntoView(int left, int top, int right, int bottom, bool afterDrawing) {
    // The field's margin shows before the slot's first cell and after its last one.
    const int margin = fieldgeometry::kMargin;
    if (!afterDrawing) {
        // The slot starts above or left of the visible part: show its first cell.
        if (gridPicture_->y() + top < 0)
            setBarValue(verticalBar_, top - margin);
        if (gridPicture_->x() + left < 0)
            setBarValue(horizontalBar_, left - margin);
        return;
    }
    // The slot ends below or right of the visible part, which ends at the other bar when that
    // bar is shown. A hidden bar is never moved: the picture fits that way.
    const int viewBottom = horizontalBar_->isHidden() ? height() : horizontalBar_->y();
    const int viewRight = verticalBar_->isHidden() ? width() : verticalBar_->x();
    if (!verticalBar_->isHidden()) {
        const int u = bottom - viewBottom;
        if (u > verticalBar_->value())
            setBarValue(verticalBar_, u + margin);
    }
    if (!horizontalBar_->isHidden()) {
        const int u = right - viewRight;
        if (u > horizontalBar_->value())
            setBarValue(horizontalBar_, u + margin);
    }
}

bool GridView::isDead(int cx, int cy) const {
    const int w = state_.doc().GridWidth;
    if (cx < 0 || cy < 0 || cx >= w)
        return false;
    const auto i =
        static_cast<std::size_t>(cy) * static_cast<std::size_t>(w) + static_cast<std::size_t>(cx);
    return i < dead_.size() && dead_[i];
}

void GridView::setDeadCells(const std::vector<int>& cells) {
    const CrosswordDocument& doc = state_.doc();
    const int w = std::max(doc.GridWidth, 0);
    std::vector<bool> now(static_cast<std::size_t>(w) *
                          static_cast<std::size_t>(std::max(doc.GridHeight, 0)));
    for (const int c : cells)
        if (c >= 0 && static_cast<std::size_t>(c) < now.size())
            now[static_cast<std::size_t>(c)] = true;
    std::vector<bool> before = std::exchange(dead_, std::move(now));
    before.resize(dead_.size());
    // The cells whose shading changed, as they look now.
    const FieldGeometry geometry = fieldGeometry();
    const CellPainter painter = cellPainter(geometry);
    const PictureBox::Batch batch(*gridPicture_);
    for (std::size_t i = 0; i < dead_.size(); ++i) {
        if (dead_[i] == before[i])
            continue;
        const int x = static_cast<int>(i) % w;
        const int y = static_cast<int>(i) / w;
        paintSlotCell(painter, x, y, lookAt(x, y));
    }
}

CellLook GridView::lookAt(int cx, int cy) const {
    const CrosswordSession& session = state_.session;
    const CrosswordDocument& doc = state_.doc();
    for (const SlotRef& slot : selectedSlots(session.mode(), session.selection()))
        if (shownSlotHolds(doc, slot.number, directionIndex(slot.direction), cx, cy))
            return CellLook::Selected;
    return CellLook::Plain;
}

CellLook GridView::withDeadShading(int cx, int cy, CellLook look) const {
    if (!isDead(cx, cy))
        return look;
    return look == CellLook::Selected ? CellLook::DeadSelected : CellLook::Dead;
}

CellLook GridView::withHintMark(int cx, int cy, CellLook look) const {
    const CrosswordDocument& doc = state_.doc();
    if (look != CellLook::Plain || doc.Mode != EditMode::ModeSolve)
        return look;
    const CrosswordSession& session = state_.session;
    if (session.cellRevealed(cx, cy))
        return CellLook::Revealed;
    if (doc.Aids.WordsRevealed == 0)
        return look;
    // A solved word leaves the cell map: found from the numbers along the cell's row and
    // column, at either end of a word as the style reads it.
    for (int d = 0; d <= 1; ++d)
        for (int k = 0, end = d == 0 ? doc.GridWidth : doc.GridHeight; k < end; ++k) {
            const int x = d == 0 ? k : cx;
            const int y = d == 0 ? cy : k;
            const int n = doc.CellMap.at(x, y, layer::kNumber);
            if (n > 0 && session.wordRevealed(n, d) && shownSlotHolds(doc, n, d, cx, cy))
                return CellLook::Revealed;
        }
    return look;
}

void GridView::paintSlotCell(const CellPainter& painter, int c, int r, CellLook plain) {
    const CrosswordDocument& doc = state_.doc();
    const CellLook look = withHintMark(c, r, withDeadShading(c, r, plain));
    QChar letter = previewLetter(c, r);
    if (letter.isNull()) {
        const int code = doc.CellMap.at(c, r, layer::kLetter);
        letter = code > 0 ? cp1251::toUnicode(static_cast<unsigned char>(code)) : QChar();
    }
    // Fitted letters need no offset.
    painter.slotCell(*gridPicture_, c, r, look, doc.CellMap.at(c, r, layer::kNumber), letter, 0);
}

void GridView::drawSlot(int number, int direction, CellLook look) {
    endPreviewOf({number, directionAt(direction)});
    paintSlot(number, direction, look, look == CellLook::Selected);
}

void GridView::previewSlot(const SlotRef& slot, const QString& letters) {
    preview_ = {slot.number, slot.direction, letters};
    paintSlot(slot.number, directionIndex(slot.direction), CellLook::Selected, true);
    announceCursor(gridPicture_, true);
}

void GridView::paintSlot(int number, int direction, std::optional<CellLook> look, bool highlight) {
    if (number < 1 || (direction != 0 && direction != 1))
        return;
    const CrosswordDocument& doc = state_.doc();
    const FieldGeometry geometry = fieldGeometry();
    int c = doc.ShownSlotTable.at(number, 0, direction);
    int r = doc.ShownSlotTable.at(number, 1, direction);
    const int len = shownSlotLength(doc, number, direction);
    if (highlight) {
        const QPoint first = geometry.square(c, r).topLeft();
        scrollSlotIntoView(first.x(), first.y(), first.x(), first.y(), false);
    }

    QRect last = geometry.square(c, r);
    const CellPainter painter = cellPainter(geometry);
    const PictureBox::Batch batch(*gridPicture_);
    for (int k = 0; k < len; ++k) {
        last = geometry.square(c, r);
        paintSlotCell(painter, c, r, look ? *look : lookAt(c, r));
        if (direction == 0)
            ++c;
        else
            ++r;
    }
    if (highlight) {
        // The corner after the last cell, and that cell's far corner.
        const QPoint after = geometry.square(c, r).topLeft();
        const QPoint end = len > 0 ? last.bottomRight() : after;
        scrollSlotIntoView(after.x(), after.y(), end.x(), end.y(), true);
    }
}

QChar GridView::previewLetter(int cx, int cy) const {
    const int n = preview_.number;
    const int d = directionIndex(preview_.direction);
    if (n < 1)
        return {};
    const CrosswordDocument& doc = state_.doc();
    if (!shownSlotHolds(doc, n, d, cx, cy))
        return {};
    const QPoint start = shownSlotStart(doc, n, d);
    const int k = d == 0 ? cx - start.x() : cy - start.y();
    return k < preview_.letters.size() ? preview_.letters.at(k) : QChar();
}

QPoint GridView::cursorCell() const {
    return cursor_;
}

void GridView::setCursorCell(int cx, int cy) {
    const CrosswordDocument& doc = state_.doc();
    const QPoint cell(std::clamp(cx, 0, std::max(doc.GridWidth - 1, 0)),
                      std::clamp(cy, 0, std::max(doc.GridHeight - 1, 0)));
    if (cell == cursor_ && !gridPicture_->frame().isEmpty())
        return;
    cursor_ = cell;
    if (gridPicture_->hasFocus()) {
        const QRect square = fieldGeometry().square(cell.x(), cell.y());
        scrollSlotIntoView(square.left(), square.top(), square.left(), square.top(), false);
        scrollSlotIntoView(square.right(), square.bottom(), square.right(), square.bottom(), true);
    }
    showCursor();
    announceCursor(gridPicture_, false);
    emit cursorMoved(cell.x(), cell.y());
}

void GridView::showCursor() {
    const CrosswordDocument& doc = state_.doc();
    const bool shown = gridPicture_->hasFocus() && takesGridClicks(doc.Mode) &&
                       cursor_.x() < doc.GridWidth && cursor_.y() < doc.GridHeight;
    gridPicture_->setFrame(shown ? fieldGeometry().square(cursor_.x(), cursor_.y()) : QRect(),
                           CellPainter::cursorColor(), 2);
}

void GridView::focusGrid() {
    if (!gridPicture_->isVisible())
        return;
    holdFocus_ = true;
    gridPicture_->setFocus(Qt::OtherFocusReason);
    holdFocus_ = false;
    setCursorCell(cursor_.x(), cursor_.y());
}

GridView::CellInfo GridView::cellInfo(int cx, int cy) const {
    const CrosswordDocument& doc = state_.doc();
    CellInfo info;
    if (cx < 0 || cy < 0 || cx >= doc.GridWidth || cy >= doc.GridHeight)
        return info;
    if (doc.Mode == EditMode::ModeDrawGrid) {
        info.black = doc.CellMap.at(cx, cy) != 0;
        return info;
    }
    info.number = doc.CellMap.at(cx, cy, layer::kNumber);
    // A solved word's cells belong to no slot any more, but keep their letters.
    info.black = doc.CellMap.at(cx, cy, 0) == 0 && doc.CellMap.at(cx, cy, 1) == 0 &&
                 info.number == 0 && doc.CellMap.at(cx, cy, layer::kLetter) == 0;
    info.letter = previewLetter(cx, cy);
    const int code = doc.CellMap.at(cx, cy, layer::kLetter);
    if (info.letter.isNull() && code > 0)
        info.letter = cp1251::toUnicode(static_cast<unsigned char>(code));
    return info;
}

bool GridView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == gridPicture_) {
        switch (event->type()) {
        case QEvent::FocusIn: {
            // A click's focus goes on to the typing boxes, the keyboard's stays; coming back to
            // the window (from a menu or a message) it goes where it went before.
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            const bool back =
                reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
            routeFocus_ = !holdFocus_ &&
                          (back ? !keyboardHeld_
                                : reason == Qt::MouseFocusReason || reason == Qt::OtherFocusReason);
            keyboardHeld_ = !routeFocus_;
            showCursor();
            break;
        }
        case QEvent::FocusOut:
            gridPicture_->setFrame(QRect(), CellPainter::cursorColor(), 2);
            break;
        case QEvent::Wheel: {
            const auto* wheel = static_cast<QWheelEvent*>(event);
            if ((wheel->modifiers() & Qt::ControlModifier) == 0 || wheel->angleDelta().y() == 0)
                break;
            emit zoomAsked(wheel->angleDelta().y() > 0 ? 1 : -1);
            return true;
        }
        case QEvent::NativeGesture: {
            const auto* gesture = static_cast<QNativeGestureEvent*>(event);
            if (gesture->gestureType() != Qt::ZoomNativeGesture)
                break;
            // A pinch reports small steps: one zoom step for each quarter it adds up to.
            pinch_ += gesture->value();
            while (std::abs(pinch_) >= 0.25) {
                emit zoomAsked(pinch_ > 0 ? 1 : -1);
                pinch_ -= pinch_ > 0 ? 0.25 : -0.25;
            }
            return true;
        }
        case QEvent::KeyPress:
            // Ahead of the widget's own handling, where Tab would move the focus on.
            if (pictureKey(*static_cast<QKeyEvent*>(event)))
                return true;
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool GridView::pictureKey(const QKeyEvent& key) {
    if ((key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0)
        return false;
    const int x = cursor_.x();
    const int y = cursor_.y();
    switch (key.key()) {
    case Qt::Key_Left:
        setCursorCell(x - 1, y);
        return true;
    case Qt::Key_Right:
        setCursorCell(x + 1, y);
        return true;
    case Qt::Key_Up:
        setCursorCell(x, y - 1);
        return true;
    case Qt::Key_Down:
        setCursorCell(x, y + 1);
        return true;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        // Tab steps through the slots; while drawing there are none, and it leaves the grid.
        if (state_.doc().Mode == EditMode::ModeDrawGrid)
            return false;
        emit keyPressed(key.key() == Qt::Key_Backtab || (key.modifiers() & Qt::ShiftModifier) != 0
                            ? Qt::Key_Backtab
                            : Qt::Key_Tab,
                        QString());
        return true;
    case Qt::Key_Space:
    case Qt::Key_Backspace:
        emit keyPressed(key.key(), QString());
        return true;
    default:
        if (isEnterKey(key.key())) {
            emit keyPressed(Qt::Key_Return, QString());
            return true;
        }
        if (key.text().size() == 1 && key.text().at(0).isLetter()) {
            emit keyPressed(key.key(), key.text());
            return true;
        }
        return false;
    }
}
