#pragma once

#include <QCheckBox>

class QLabel;

// A check box whose caption wraps onto several lines, for the narrow control panel.
class WrapCheckBox : public QCheckBox {
    Q_OBJECT
public:
    explicit WrapCheckBox(QWidget* parent = nullptr);
    void setCaption(const QString& caption);
    QString caption() const;

protected:
    bool hitButton(const QPoint& pos) const override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QLabel* label_;
};
