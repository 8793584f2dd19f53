#include "app/WindowLayout.h"
#include "support/ProgramFolder.h"

#include <QBuffer>

#include <gtest/gtest.h>

namespace {

WindowLayout readBytes(const QByteArray& bytes) {
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    WindowLayout layout;
    layout.zoomPercent = 333; // what a read replaces
    layout.read(buffer);
    return layout;
}

} // namespace

TEST(WindowLayout, RoundTripsThroughItsOwnFile) {
    TempProgramFolder folder;
    WindowLayout layout;
    layout.geometry = QByteArray("\x01\xD0\x00geometry\n=", 12);
    layout.dockState = QByteArray(300, '\xFF');
    layout.zoomPercent = 250;
    ASSERT_EQ(layout.writeTo(folder.path() + QStringLiteral("per-user/")), FileStatus::Ok);
    WindowLayout back;
    back.readFrom(folder.path() + QStringLiteral("per-user/"));
    EXPECT_EQ(back.geometry, layout.geometry);
    EXPECT_EQ(back.dockState, layout.dockState);
    EXPECT_EQ(back.zoomPercent, 250);
    // A missing file: the first start.
    back.readFrom(folder.path() + QStringLiteral("elsewhere/"));
    EXPECT_TRUE(back.geometry.isEmpty());
    EXPECT_TRUE(back.dockState.isEmpty());
    EXPECT_EQ(back.zoomPercent, 100);
}

TEST(WindowLayout, DamagedValuesAreLeftAtTheirDefaults) {
    const struct {
        const char* bytes;
        QByteArray geometry;
        int zoom;
    } cases[] = {
        {"geometry=QUJD\r\nzoom=150\r\n", "ABC", 150},
        {"geometry=not base64!\nzoom=150x\n", {}, 100},
        {"zoom=24\n", {}, 100},
        {"zoom=801\n", {}, 100},
        {"zoom=800\nunknown=1\nno equals sign\n\n", {}, 800},
        {"zoom=25", {}, 25},
        {"", {}, 100},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes);
        const WindowLayout layout = readBytes(c.bytes);
        EXPECT_EQ(layout.geometry, c.geometry);
        EXPECT_TRUE(layout.dockState.isEmpty());
        EXPECT_EQ(layout.zoomPercent, c.zoom);
    }
}

TEST(WindowLayout, AFileLargerThanALayoutIsNotRead) {
    TempProgramFolder folder;
    folder.write(QLatin1String(WindowLayout::kFileName),
                 "zoom=200\n" + QByteArray(WindowLayout::kMaxFileBytes, '#'));
    WindowLayout layout;
    layout.readFrom(folder.path());
    EXPECT_EQ(layout.zoomPercent, 100);
}
