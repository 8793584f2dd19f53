#include "grid/GridView.h"
#include "app/AppState.h"
#include "grid/PictureBox.h"
#include "support/GridPattern.h"

#include <QApplication>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

const QColor kWhite(255, 255, 255);
const QColor kBlack(0, 0, 0);
const QColor kGreen(0, 255, 0);

// The viewport alone, on a state of its own, without the main window around it.
class GridViewAlone : public testing::Test {
protected:
    AppState state{QStringLiteral("/nowhere")};
    QWidget top;
    std::array<PictureBox*, 3> strips{new PictureBox(&top), new PictureBox(&top),
                                      new PictureBox(&top)};
    GridView* view = new GridView(state, strips, &top);

    void SetUp() override {
        state.session.documentForSetup() = drawnGrid({"...", "..."});
        top.resize(400, 300);
        view->setGeometry(0, 0, 200, 150);
        top.show();
    }
    PictureBox& pic() { return *view->picture(); }
};

TEST_F(GridViewAlone, KeepsTheNamesTheWindowHad) {
    EXPECT_EQ(view->objectName(), QStringLiteral("gridView"));
    EXPECT_EQ(view->accessibleName(), QStringLiteral("Grid"));
    EXPECT_EQ(view->focusPolicy(), Qt::ClickFocus);
    EXPECT_EQ(pic().objectName(), QStringLiteral("gridPicture"));
    EXPECT_EQ(pic().accessibleName(), QStringLiteral("Grid"));
    EXPECT_EQ(view->horizontalBar()->objectName(), QStringLiteral("horizontalBar"));
    EXPECT_EQ(view->verticalBar()->objectName(), QStringLiteral("verticalBar"));
    EXPECT_EQ(view->corner()->objectName(), QStringLiteral("corner"));
    for (QWidget* part : {static_cast<QWidget*>(&pic()), static_cast<QWidget*>(view->corner()),
                          static_cast<QWidget*>(view->horizontalBar())})
        EXPECT_EQ(part->parentWidget(), view);
}

TEST_F(GridViewAlone, MouseOnThePictureComesOutAsSignals) {
    view->drawEmptyField();
    QSignalSpy pressed(view, &GridView::pressed);
    QSignalSpy released(view, &GridView::released);
    QSignalSpy moved(view, &GridView::moved);
    auto send = [this](QEvent::Type type, int x, int y, Qt::MouseButton button) {
        const QPointF p(x, y);
        QMouseEvent e(type, p, pic().mapToGlobal(p), button,
                      type == QEvent::MouseButtonPress ? button : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&pic(), &e);
    };
    send(QEvent::MouseButtonPress, 12, 34, Qt::RightButton);
    send(QEvent::MouseMove, 13, 35, Qt::NoButton);
    send(QEvent::MouseButtonRelease, 14, 36, Qt::RightButton);
    ASSERT_EQ(pressed.size(), 1);
    EXPECT_EQ(pressed[0][0].value<Qt::MouseButton>(), Qt::RightButton);
    EXPECT_EQ(pressed[0][1].toInt(), 12);
    EXPECT_EQ(pressed[0][2].toInt(), 34);
    ASSERT_EQ(moved.size(), 1);
    EXPECT_EQ(moved[0][1].toInt(), 13);
    ASSERT_EQ(released.size(), 1);
    EXPECT_EQ(released[0][2].toInt(), 36);
}

TEST_F(GridViewAlone, BarsSitAtTheEdgesAndScrollThePicture) {
    state.session.documentForSetup() = drawnGrid(QByteArrayList(20, QByteArray(30, '.')));
    view->drawEmptyField();
    view->placeBars();
    EXPECT_EQ(view->corner()->geometry(), QRect(200 - 17, 150 - 17, 17, 17));
    EXPECT_EQ(view->verticalBar()->x(), 200 - 17);
    EXPECT_EQ(view->horizontalBar()->y(), 150 - 17);
    ASSERT_FALSE(view->horizontalBar()->isHidden());
    ASSERT_FALSE(view->verticalBar()->isHidden());
    view->setScrollPosition(QPoint(30, 40));
    EXPECT_EQ(view->scrollPosition(), QPoint(30, 40));
    EXPECT_EQ(pic().pos(), QPoint(-30, -40));
    // A new field starts at its top-left corner again.
    view->drawEmptyField();
    EXPECT_EQ(pic().pos(), QPoint(0, 0));
}

TEST_F(GridViewAlone, DrawnCellsChangeOnlyInsideTheirLines) {
    state.session.documentForSetup() = drawnGrid({"...", "...", "...", "..."});
    state.settings.CellSize = 20;
    view->drawEmptyField();
    EXPECT_EQ(pic().pictureWidth(), 3 * 20 + 15);
    EXPECT_EQ(pic().pictureHeight(), 4 * 20 + 15);
    view->paintDrawnCell(1, 1, true);
    const QRect square(QPoint(25, 25), QPoint(45, 45));
    for (int y = square.top() - 1; y <= square.bottom() + 1; ++y)
        for (int x = square.left() - 1; x <= square.right() + 1; ++x) {
            const bool line = x == square.left() || x == square.right() || y == square.top() ||
                              y == square.bottom();
            const bool inside = square.contains(x, y) && !line;
            EXPECT_EQ(pic().pixel(x, y), inside ? kGreen : line ? kBlack : kWhite) << x << "," << y;
        }
    view->paintDrawnCell(1, 1, false);
    EXPECT_EQ(pic().pixel(35, 35), kWhite);
    EXPECT_EQ(pic().pixel(25, 35), kBlack);
}

} // namespace
