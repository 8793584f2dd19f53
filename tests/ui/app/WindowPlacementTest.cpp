#include "app/WindowLayout.h"
#include "support/ui/RunningProgram.h"
#include "support/ui/WindowParts.h"

#include <QDockWidget>
#include <QScreen>

#include <gtest/gtest.h>

// The first start fits the screen; the size, place and docks come back per user, in a file of
// their own, the settings file keeping its lines.
TEST(WindowPlacement, FirstStartFitsTheScreenAndLaterStartsComeBackAsLeft) {
    RunningProgram first;
    MainWindow& f = first.start();
    const QRect screen = f.screen()->availableGeometry();
    EXPECT_LE(f.width(), screen.width());
    EXPECT_LE(f.height(), screen.height());
    EXPECT_TRUE(screen.contains(f.geometry().center()));
    EXPECT_FALSE(first.folder.exists(QLatin1String(WindowLayout::kFileName)));

    f.resize(640, 480);
    part::clueDock(f)->setFloating(true);
    ASSERT_TRUE(f.close());
    ASSERT_TRUE(first.folder.exists(QLatin1String(WindowLayout::kFileName)));
    const QByteArray settings = first.folder.read(QStringLiteral("Clueforge.ini"));
    EXPECT_FALSE(settings.contains("geometry") || settings.contains("zoom"))
        << settings.constData();

    // The next start in the same folder.
    RunningProgram again;
    again.folder.write(QLatin1String(WindowLayout::kFileName),
                       first.folder.read(QLatin1String(WindowLayout::kFileName)));
    MainWindow& g = again.start();
    EXPECT_EQ(g.size(), QSize(640, 480));
    EXPECT_TRUE(part::clueDock(g)->isFloating());
    EXPECT_TRUE(part::clueDock(g)->isHidden()) << "no crossword: the window decides what shows";
}
