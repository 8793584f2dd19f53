#pragma once

#include "commands/CommandContext.h"

#include <QList>
#include <QObject>

class GridView;
class QAction;

// View > Zoom in, Zoom out, Actual size and Fit to window, with Ctrl + wheel and pinches on the
// grid: how large the grid shows, never what the settings' cell size or the exports are.
class ViewCommands : public QObject {
    Q_OBJECT
public:
    ViewCommands(CommandContext context, GridView& view);

    // In menu order.
    QList<QAction*> actions() const;
    void applyCaptions();
    void updateEnabled();
    // One step of the zoom ladder up (positive) or down.
    void step(int steps);

private:
    CommandContext context_;
    GridView& view_;
    QAction* zoomIn_;
    QAction* zoomOut_;
    QAction* actualSize_;
    QAction* fitToWindow_;
};
