#pragma once

#include <QApplication>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

// Runs `act` on the modal dialog D as soon as it is shown; `act` must close it. Pending timers
// also run inside the commands' own event processing, so it waits for the dialog.
template <typename D> void whenShown(std::function<void(D&)> act, int tries = 400) {
    QTimer::singleShot(5, [act, tries] {
        if (auto* dialog = qobject_cast<D*>(QApplication::activeModalWidget())) {
            act(*dialog);
            return;
        }
        if (tries > 0)
            whenShown<D>(act, tries - 1);
        else
            ADD_FAILURE() << "the dialog was not shown";
    });
}
