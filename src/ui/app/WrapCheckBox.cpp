// A check box whose caption wraps over several lines.
#include "app/WrapCheckBox.h"

#include <QLabel>
#include <QStyle>
#include <QStyleOptionButton>

WrapCheckBox::WrapCheckBox(QWidget* parent) : QCheckBox(parent), label_(new QLabel(this)) {
    label_->setWordWrap(true);
    label_->setAttribute(Qt::WA_TransparentForMouseEvents);
    label_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void WrapCheckBox::setCaption(const QString& caption) {
    label_->setText(caption);
    setAccessibleName(QString(caption).remove(QLatin1Char('&')));
}

QString WrapCheckBox::caption() const {
    return label_->text();
}

bool WrapCheckBox::hitButton(const QPoint& pos) const {
    return rect().contains(pos);
}

void WrapCheckBox::resizeEvent(QResizeEvent* event) {
    QCheckBox::resizeEvent(event);
    QStyleOptionButton opt;
    initStyleOption(&opt);
    const int indicator = style()->pixelMetric(QStyle::PM_IndicatorWidth, &opt, this) +
                          style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, &opt, this);
    label_->setGeometry(indicator, 0, std::max(0, width() - indicator), height());
}
