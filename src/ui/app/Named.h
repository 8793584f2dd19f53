#pragma once

#include <QLatin1String>

// Gives a new widget or action the name that tests and language files know it by.
template <typename W> W* named(W* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}
