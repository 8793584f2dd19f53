// Icons made when first drawn, and the style that makes the menu bar's extension icon so.
#include "platform/DeferredIconStyle.h"

#include <QIconEngine>
#include <QPainter>
#include <QPointer>

namespace platform {
namespace {

// Hands everything to an icon made on first use.
class DeferredIconEngine : public QIconEngine {
public:
    explicit DeferredIconEngine(std::function<QIcon()> make) : make_(std::move(make)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().pixmap(size, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return icon().availableSizes(mode, state);
    }
    bool isNull() override { return icon().isNull(); }
    QString key() const override { return QStringLiteral("DeferredIconEngine"); }
    QIconEngine* clone() const override { return new DeferredIconEngine(make_); }

private:
    const QIcon& icon() {
        if (make_) {
            icon_ = make_();
            make_ = nullptr;
        }
        return icon_;
    }

    std::function<QIcon()> make_;
    QIcon icon_;
};

} // namespace

QIcon deferredIcon(std::function<QIcon()> make) {
    return QIcon(new DeferredIconEngine(std::move(make)));
}

DeferredIconStyle::DeferredIconStyle(const QString& baseStyleName) : QProxyStyle(baseStyleName) {}

QIcon DeferredIconStyle::standardIcon(StandardPixmap which, const QStyleOption* option,
                                      const QWidget* widget) const {
    if (which == SP_ToolBarHorizontalExtensionButton || which == SP_ToolBarVerticalExtensionButton)
        return deferredIcon([style = QPointer<QStyle>(baseStyle()), which] {
            return style ? style->standardIcon(which) : QIcon();
        });
    return QProxyStyle::standardIcon(which, option, widget);
}

} // namespace platform
