#include "SpokenChoice.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>

namespace kadenzo {
namespace {

const char* const kSpokenProperty = "kadenzoSpokenChoices";

// A combo box as Qt presents a read-only one (its list as its child, opened
// by its action), but named by what its current entry reads as.
class SpokenChoiceAccessible : public QAccessibleWidget {
public:
    explicit SpokenChoiceAccessible(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

    QComboBox* Box() const { return static_cast<QComboBox*>(widget()); }

    QString text(QAccessible::Text t) const override {
        // Named by its label through the buddy relation; the name is the choice.
        if (t == QAccessible::Name || t == QAccessible::Value) {
            const QVariant spoken = Box()->currentData(Qt::AccessibleTextRole);
            return spoken.isValid() ? spoken.toString() : Box()->currentText();
        }
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = Box()->view()->isVisible();
        return s;
    }
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 ? QAccessible::queryAccessibleInterface(Box()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child && child->object() == Box()->view() ? 0 : -1;
    }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString& action) override {
        if (action != showMenuAction() && action != pressAction()) return;
        if (Box()->view()->isVisible())
            Box()->hidePopup();
        else
            Box()->showPopup();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }
};

QAccessibleInterface* SpokenChoiceFactory(const QString&, QObject* object) {
    auto* box = qobject_cast<QComboBox*>(object);
    if (!box || box->isEditable() || !box->property(kSpokenProperty).toBool()) return nullptr;
    return new SpokenChoiceAccessible(box);
}

}  // namespace

void ReadChoicesAloud(QComboBox* box) {
    static const bool installed = [] {
        QAccessible::installFactory(SpokenChoiceFactory);
        return true;
    }();
    (void)installed;
    box->setProperty(kSpokenProperty, true);
}

void SetSpokenText(QComboBox* box, int index, const QString& spoken) {
    box->setItemData(index, spoken, Qt::AccessibleTextRole);
}

}  // namespace kadenzo
