#pragma once

#include <QProxyStyle>

namespace platform {

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
