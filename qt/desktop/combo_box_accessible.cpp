#include "qt/desktop/combo_box_accessible.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>

namespace tarvolin {

namespace {

class ComboBoxAccessible final : public QAccessibleWidget {
public:
    explicit ComboBoxAccessible(QComboBox* box) : QAccessibleWidget{box, QAccessible::ComboBox} {}

    QString text(QAccessible::Text t) const override
    {
        // Asked when the interface is made and on every reading: a name given
        // after the entries were added counts as well.
        if (t == QAccessible::Name && !box().accessibleName().isEmpty())
            return box().accessibleName();
        if (t == QAccessible::Name || t == QAccessible::Value)
            return box().currentText();
        return QAccessibleWidget::text(t);
    }

    // The list of entries, as Qt's own drop-down list has it, so that a
    // screen reader finds the chosen entry as the list's selected child.
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(box().view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child != nullptr && child->object() == box().view() ? 0 : -1;
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = box().view()->isVisible();
        return s;
    }

    QStringList actionNames() const override { return QStringList{showMenuAction()} << QAccessibleWidget::actionNames(); }
    void doAction(const QString& action) override
    {
        if (action != showMenuAction()) {
            QAccessibleWidget::doAction(action);
            return;
        }
        if (box().view()->isVisible())
            box().hidePopup();
        else
            box().showPopup();
    }

private:
    QComboBox& box() const { return *static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* comboBoxAccessible(const QString&, QObject* object)
{
    auto* box = qobject_cast<QComboBox*>(object);
    if (box == nullptr || box->isEditable())
        return nullptr;
    return new ComboBoxAccessible{box};
}

} // namespace

void installComboBoxAccessible()
{
    static const bool installed = [] {
        QAccessible::installFactory(comboBoxAccessible);
        return true;
    }();
    (void)installed;
}

} // namespace tarvolin
