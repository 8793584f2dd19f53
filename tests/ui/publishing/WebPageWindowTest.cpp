// Crossword > Web page to solve: the author's crossword as one page, in the settings' style.
#include "app/MainWindow.h"
#include "grid/ShownGrid.h"

#include "support/FileBytes.h"
#include "support/FilledCrossword.h"
#include "ui/publishing/ExportFolder.h"

#include <QAction>
#include <QFile>

namespace {

class WebPageWindow : public ExportFolder {};

TEST_F(WebPageWindow, WritesThePageWhereTheAuthorHasTheAnswers) {
    doc() = houseCrossword().build();
    buildShownGrid(doc(), 0);
    program.form->updateControlsForMode();
    QAction* action = program.form->exportWebPageAction;
    EXPECT_TRUE(action->isEnabled());
    EXPECT_EQ(action->text(), QStringLiteral(u"Веб-страница для &решения..."));

    program.state.settings.ChosenStyle = 1;
    fake().paths.push_back(outPath(QStringLiteral("x")));
    action->trigger();
    ASSERT_EQ(fake().fileDialogs.size(), 1);
    EXPECT_TRUE(fake().fileDialogs[0].save);
    EXPECT_TRUE(fake().fileDialogs[0].filter.startsWith(QStringLiteral(u"Веб-страницы (*.html)")));
    EXPECT_TRUE(fake().messages.isEmpty());
    const QByteArray page = fileBytes(outPath(QStringLiteral("x.html")));
    EXPECT_TRUE(page.contains("<html lang=\"ru\">"));
    EXPECT_TRUE(page.contains("role=\"grid\""));
    // The turned style: 1 across reads from the bottom right cell leftwards.
    EXPECT_TRUE(page.contains("[[1,0,[8,7,6]]")) << page.constData();
    EXPECT_FALSE(doc().CrosswordPath == outPath(QStringLiteral("x.html")));

    // Nothing to export while the grid is drawn.
    doc().Mode = EditMode::ModeDrawGrid;
    program.form->updateControlsForMode();
    EXPECT_FALSE(action->isEnabled());
}

} // namespace
