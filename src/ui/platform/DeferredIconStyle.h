#pragma once

#include <QProxyStyle>

#include <functional>

namespace platform {

// An icon that calls `make` when it is first drawn or asked about, and then stands for what
// that returned. Reading an image file by its name loads every image format plugin to tell what
// the file is: an icon read so at start-up makes the start slower for what may never show.
QIcon deferredIcon(std::function<QIcon()> make);

// The application's own style, drawn by the platform's, except that the menu bar's extension
// icon is only made when it is first drawn: making it reads an image file, which loads every
// image format plugin, at start-up, for a button that shows only in a very narrow window.
class DeferredIconStyle : public QProxyStyle {
public:
    // Drawn by the style of that name (the one in use, which the user may have chosen).
    explicit DeferredIconStyle(const QString& baseStyleName);

    QIcon standardIcon(StandardPixmap which, const QStyleOption* option,
                       const QWidget* widget) const override;
};

} // namespace platform
