#pragma once

#include "platform/Platform.h"

#include <QByteArray>

namespace platform {

// A message box whose title and text come in Windows-1251, as the program's texts do.
Answer message(Platform& platform, QWidget* parent, const QByteArray& title, const QByteArray& text,
               Icon icon, Buttons buttons = Buttons::Ok, Answer defaultButton = Answer::Ok);

} // namespace platform
