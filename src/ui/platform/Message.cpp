// Message boxes with the program's Windows-1251 texts.
#include "platform/Message.h"

#include "text/CodePage.h"

namespace platform {

Answer message(Platform& platform, QWidget* parent, const QByteArray& title, const QByteArray& text,
               Icon icon, Buttons buttons, Answer defaultButton) {
    return platform.messageBox(parent, cp1251::toUnicode(text), cp1251::toUnicode(title), icon,
                               buttons, defaultButton);
}

} // namespace platform
