#include "GridWindow.h"

#include "grid/SlotAccess.h"
#include "grid/SlotColors.h"
#include "support/ui/Commands.h"

#include <QAction>
#include <QWheelEvent>

namespace {

class ZoomWindow : public GridWindow {
protected:
    GridView& view() { return *part::gridView(*form); }
    void zoomBy(const char* action) { actionNamed(*form, action)->trigger(); }
    // Where cell (cx, cy) lies at cell size c: the 5-pixel margin, then c pixels a cell.
    static QPoint centre(int cx, int cy, int c) { return {5 + cx * c + c / 2, 5 + cy * c + c / 2}; }
};

} // namespace

TEST_F(ZoomWindow, TheGridIsDrawnAgainAtTheZoomedSizeAndClicksFindTheirCells) {
    startAuthoring({"....", "#..#", "...."});
    const QSize actual = pic().size();
    EXPECT_EQ(view().zoom(), 100);
    zoomBy("zoomInAction");
    EXPECT_EQ(view().zoom(), 125);
    zoomBy("zoomInAction");
    zoomBy("zoomInAction");
    ASSERT_EQ(view().zoom(), 200);
    const int c = 2 * C;
    EXPECT_EQ(pic().size(), FieldGeometry(c, 4, 3).slotsSize());
    EXPECT_EQ(state.settings.CellSize, C) << "the settings' cell size stays actual size";
    // Lines one pixel wide at every zoom: drawn, not a bitmap scaled.
    const int y = centre(0, 2, c).y();
    EXPECT_EQ(pic().pixel(5 + c, y), slotcolor::kBorder);
    EXPECT_NE(pic().pixel(5 + c + 1, y), slotcolor::kBorder);
    EXPECT_NE(pic().pixel(5 + c - 1, y), slotcolor::kBorder);
    // A click finds the zoomed cell, and the status bar and the cursor name it.
    const QPoint p = centre(2, 2, c);
    click(p.x(), p.y());
    EXPECT_TRUE(shownSlotHolds(doc(), doc().CurrentSlot, doc().CurrentDirection, 2, 2));
    EXPECT_EQ(view().cursorCell(), QPoint(2, 2));
    view().focusGrid();
    EXPECT_EQ(pic().frame(), QRect(5 + 2 * c, 5 + 2 * c, c + 1, c + 1));

    // Ctrl and the wheel step the zoom; the wheel alone does not.
    const auto wheel = [this](Qt::KeyboardModifiers modifiers, int delta) {
        QWheelEvent e(QPointF(10, 10), pic().mapToGlobal(QPointF(10, 10)), QPoint(),
                      QPoint(0, delta), Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&pic(), &e);
    };
    wheel(Qt::ControlModifier, 120);
    EXPECT_EQ(view().zoom(), 250);
    wheel(Qt::NoModifier, -120);
    EXPECT_EQ(view().zoom(), 250);
    wheel(Qt::ControlModifier, -120);
    EXPECT_EQ(view().zoom(), 200);

    zoomBy("actualSizeAction");
    EXPECT_EQ(view().zoom(), 100);
    EXPECT_EQ(pic().size(), actual);
    // A small grid fits a larger window: the zoom that shows it whole.
    zoomBy("fitToWindowAction");
    EXPECT_GT(view().zoom(), 100);
    EXPECT_LE(pic().width(), view().width());
    EXPECT_LE(pic().height(), view().height());
}

TEST_F(ZoomWindow, TheKeysAndTheDrawingGridFollowTheZoom) {
    startDrawing({"...", "..."});
    const QList<QKeySequence> in = actionNamed(*form, "zoomInAction")->shortcuts();
    EXPECT_TRUE(in.contains(QKeySequence(Qt::CTRL | Qt::Key_Plus)));
    EXPECT_TRUE(actionNamed(*form, "zoomOutAction")
                    ->shortcuts()
                    .contains(QKeySequence(Qt::CTRL | Qt::Key_Minus)));
    EXPECT_EQ(actionNamed(*form, "actualSizeAction")->shortcut(),
              QKeySequence(Qt::CTRL | Qt::Key_0));
    view().setZoom(300);
    const int c = 3 * C;
    const QPoint p = centre(1, 1, c);
    click(p.x(), p.y());
    EXPECT_NE(doc().CellMap.at(1, 1), 0);
    EXPECT_EQ(pic().pixel(p.x(), p.y()), slotcolor::kDrawnBlack);
    // The pattern drawn so far comes back at another zoom.
    view().setZoom(50);
    EXPECT_EQ(pic().pixel(centre(1, 1, C / 2).x(), centre(1, 1, C / 2).y()),
              slotcolor::kDrawnBlack);
}
