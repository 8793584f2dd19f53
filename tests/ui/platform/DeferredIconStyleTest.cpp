#include "platform/DeferredIconStyle.h"

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QMainWindow>
#include <QMenuBar>
#include <QStyleFactory>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>

namespace {

QImage imageOf(const QIcon& icon) {
    return icon.pixmap(QSize(16, 16)).toImage().convertToFormat(QImage::Format_ARGB32);
}

} // namespace

TEST(DeferredIconStyle, ShowsTheIconsOfTheStyleItDrawsWith) {
    platform::DeferredIconStyle deferred(QStringLiteral("Fusion"));
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    ASSERT_TRUE(fusion);
    for (const auto which :
         {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton,
          QStyle::SP_MessageBoxWarning, QStyle::SP_DirIcon}) {
        const QIcon icon = deferred.standardIcon(which, nullptr, nullptr);
        const QIcon expected = fusion->standardIcon(which);
        EXPECT_FALSE(icon.isNull()) << which;
        EXPECT_EQ(icon.actualSize(QSize(16, 16)), expected.actualSize(QSize(16, 16))) << which;
        EXPECT_EQ(imageOf(icon), imageOf(expected)) << which;
    }
}

TEST(DeferredIconStyle, TheMenuBarOfANarrowWindowShowsItsExtensionButton) {
    QMainWindow window;
    platform::DeferredIconStyle style(QStringLiteral("Fusion"));
    window.setStyle(&style);
    for (int i = 0; i < 8; ++i)
        window.menuBar()->addMenu(QStringLiteral("Menu %1").arg(i));
    window.resize(120, 80);
    window.show();
    QApplication::processEvents();
    const auto* extension = window.menuBar()->findChild<QToolButton*>();
    ASSERT_NE(extension, nullptr);
    EXPECT_TRUE(extension->isVisible());
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    EXPECT_EQ(imageOf(extension->icon()),
              imageOf(fusion->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton)));
    window.setStyle(nullptr);
}
