#pragma once

#include <Qt>

// Enter on the main keyboard or on the keypad: both act alike everywhere in the program.
constexpr bool isEnterKey(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}
