#pragma once

class QDockWidget;

// Names a dock's float and close buttons for assistive technology in the language of Qt's
// translation loaded now. Qt names them once, as the dock is made, before any language file
// is loaded; call again after each load.
void nameDockButtons(QDockWidget& dock);
