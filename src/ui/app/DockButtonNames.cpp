// The dock's own buttons as screen readers hear them.
#include "app/DockButtonNames.h"

#include <QAbstractButton>
#include <QDockWidget>

#include <utility>

void nameDockButtons(QDockWidget& dock) {
    const std::pair<const char*, QString> buttons[] = {
        {"qt_dockwidget_floatbutton", QDockWidget::tr("Float")},
        {"qt_dockwidget_closebutton", QDockWidget::tr("Close")},
    };
    for (const auto& [name, text] : buttons)
        if (auto* button =
                dock.findChild<QAbstractButton*>(QLatin1String(name), Qt::FindDirectChildrenOnly))
            button->setAccessibleName(text);
}
