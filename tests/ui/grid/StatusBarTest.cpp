#include "GridWindow.h"

#include <QLabel>
#include <QStatusBar>

namespace {

class StatusBarWindow : public GridWindow {
protected:
    QString text(const char* name) {
        auto* label = form->statusBar()->findChild<QLabel*>(QLatin1String(name));
        EXPECT_NE(label, nullptr) << name;
        return label ? label->text() : QString();
    }
};

} // namespace

TEST_F(StatusBarWindow, FollowsTheModeThePointerTheCursorAndTheLanguage) {
    EXPECT_EQ(text("statusMode"), QString());
    EXPECT_EQ(text("statusCell"), QString());
    state.session.newGrid(4, 3, "t", 0); // as the New command starts a grid
    ASSERT_EQ(doc().Mode, EditMode::ModeDrawGrid);
    EXPECT_EQ(text("statusMode"), QStringLiteral("Drawing the grid"));
    EXPECT_EQ(text("statusWordCount"), QString());
    // The pointer's cell, then the cursor's once the keyboard moves it.
    mouse(QEvent::MouseMove, 2 * C + 10, 1 * C + 10);
    EXPECT_EQ(text("statusCell"), QStringLiteral("Cell: 3,2"));
    mouse(QEvent::MouseMove, 200 * C, 10); // beyond the field: the last cell stays
    EXPECT_EQ(text("statusCell"), QStringLiteral("Cell: 3,2"));
    part::gridView(*form)->setCursorCell(0, 2);
    EXPECT_EQ(text("statusCell"), QStringLiteral("Cell: 1,3"));

    fake.answers.push_back(platform::Answer::Yes);
    form->finishGrid();
    EXPECT_EQ(text("statusMode"), QStringLiteral("Writing words and clues"));
    EXPECT_EQ(text("statusWordCount"), QStringLiteral("Words: 7"));

    state.language.own[static_cast<std::size_t>(static_cast<int>(OwnText::StatusAuthoring) -
                                                Language::kFirstOwn)] = "Authoring";
    form->statusBar()->findChild<QLabel*>(QStringLiteral("statusMode"))->clear();
    emit state.session.modeChanged(state.doc().Mode);
    EXPECT_EQ(text("statusMode"), QStringLiteral("Authoring"));
}

TEST_F(StatusBarWindow, TakesWidgetsFromOutsideBesideItsOwn) {
    auto* extra = new QLabel(QStringLiteral("0:00"));
    form->statusBar()->addPermanentWidget(extra);
    state.session.newGrid(3, 2, "t", 0);
    EXPECT_TRUE(extra->isVisible());
    EXPECT_TRUE(form->statusBar()->findChild<QLabel*>(QStringLiteral("statusMode"))->isVisible());
}
