// The window's own size and place, and its docks, remembered per user.
#include "app/WindowPlacement.h"

#include "app/WindowLayout.h"
#include "grid/GridView.h"

#include <QDockWidget>
#include <QGuiApplication>
#include <QMainWindow>
#include <QScreen>

#include <algorithm>
#include <utility>
#include <vector>

namespace windowplacement {

namespace {

// The window's size before any was stored: as built, up to 85 % of a larger screen.
void fitScreen(QMainWindow& window) {
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    const QSize wanted(std::max(window.width(), available.width() * 85 / 100),
                       std::max(window.height(), available.height() * 85 / 100));
    window.resize(wanted.boundedTo(available.size()));
    QRect frame(QPoint(), window.size());
    frame.moveCenter(available.center());
    window.move(frame.topLeft());
}

} // namespace

void restore(QMainWindow& window, const QString& settingsFolder) {
    WindowLayout layout;
    layout.readFrom(settingsFolder);
    if (layout.geometry.isEmpty() || !window.restoreGeometry(layout.geometry))
        fitScreen(window);
    if (auto* view = window.findChild<GridView*>())
        view->setZoom(layout.zoomPercent);
    if (layout.dockState.isEmpty())
        return;
    // Where the docks are and how large; whether they show stays the window's to decide (the
    // clue list shows only for a crossword with slots).
    std::vector<std::pair<QDockWidget*, bool>> shown;
    for (QDockWidget* dock : window.findChildren<QDockWidget*>())
        shown.emplace_back(dock, !dock->isHidden());
    window.restoreState(layout.dockState);
    for (const auto& [dock, visible] : shown)
        dock->setVisible(visible);
}

void store(const QMainWindow& window, const QString& settingsFolder) {
    WindowLayout layout;
    // Kept as read: what this window does not show stays for the next run.
    layout.readFrom(settingsFolder);
    layout.geometry = window.saveGeometry();
    layout.dockState = window.saveState();
    if (const auto* view = window.findChild<GridView*>())
        layout.zoomPercent = view->zoom();
    (void)layout.writeTo(settingsFolder);
}

} // namespace windowplacement
