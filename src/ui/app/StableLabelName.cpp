// Stable accessible names of the labels whose text changes.
#include "app/StableLabelName.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>

namespace {

constexpr char kStable[] = "clueforgeStableName";

class StableLabel : public QAccessibleWidget {
public:
    explicit StableLabel(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Description || t == QAccessible::Value)
            return static_cast<const QLabel*>(widget())->text();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* stableLabelAccessible(const QString&, QObject* object) {
    auto* label = qobject_cast<QLabel*>(object);
    return label && label->property(kStable).toBool() ? new StableLabel(label) : nullptr;
}

} // namespace

void giveStableName(QLabel* label, const QString& name) {
    static const bool installed = (QAccessible::installFactory(stableLabelAccessible), true);
    Q_UNUSED(installed);
    if (!label->property(kStable).toBool()) {
        label->setProperty(kStable, true);
        // An interface made before (Qt makes one as the label is shown, for a bridge that
        // starts early) would keep the plain label's empty description: dropped, the next
        // query makes ours.
        if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(label))
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
    }
    label->setAccessibleName(name);
}
