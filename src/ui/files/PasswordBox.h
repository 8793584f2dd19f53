#pragma once

#include <QLineEdit>

// A password box: every character shows as "*".
inline void maskAsPassword(QLineEdit* box) {
    box->setEchoMode(QLineEdit::Password);
    box->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));
}
