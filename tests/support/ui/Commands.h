#pragma once

#include <QAction>
#include <QObject>
#include <QString>

// A command's action by its object name, as the window's menus hold it.
inline QAction* actionNamed(const QObject& window, const QString& name) {
    return window.findChild<QAction*>(name);
}
inline QAction* actionNamed(const QObject& window, const char* name) {
    return actionNamed(window, QLatin1String(name));
}

// The command class of an area, for running a command where its action is not offered.
template <class Commands> Commands& commandsOf(const QObject& window) {
    return *window.findChild<Commands*>();
}
