#include "accessiblenames.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QGroupBox>

void SetGroupTitle(QGroupBox *box, const QString &title)
{
    box->setTitle(title);
    box->setAccessibleName(title.trimmed());
}

void NameGroupByTitle(QGroupBox *box)
{
    box->setAccessibleName(box->title().trimmed());
}

namespace {

// A combo box as Qt's own interface shows it, but for its name: the role,
// the popup list as its one child, the entry as its value, and the actions
// that open and close the list.
class TLabelledComboBox : public QAccessibleWidget
{
public:
    explicit TLabelledComboBox(QComboBox *combo) : QAccessibleWidget(combo, QAccessible::ComboBox)
    {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value) {
            return Combo()->currentText();
        }
        // The accessible name, else the label's text: what other controls get.
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = Combo()->view()->isVisible();
        s.collapsed = !s.expanded;
        return s;
    }

    int childCount() const override { return 1; }
    QAccessibleInterface *child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(Combo()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child != nullptr && child->object() == Combo()->view() ? 0 : -1;
    }

    QStringList actionNames() const override
    {
        return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString &actionName) override
    {
        if (actionName == showMenuAction() || actionName == pressAction()) {
            if (Combo()->view()->isVisible()) {
                Combo()->hidePopup();
            } else {
                Combo()->showPopup();
            }
            return;
        }
        QAccessibleWidget::doAction(actionName);
    }

private:
    QComboBox *Combo() const { return static_cast<QComboBox *>(widget()); }
};

QAccessibleInterface *LabelledComboBoxes(const QString &className, QObject *object)
{
    auto *combo = qobject_cast<QComboBox *>(object);
    // An editable box keeps Qt's interface, which also offers its edit line.
    if (className != QLatin1String("QComboBox") || combo == nullptr || combo->isEditable()) {
        return nullptr;
    }
    return new TLabelledComboBox(combo);
}

} // namespace

void NameComboBoxesByLabel()
{
    QAccessible::installFactory(LabelledComboBoxes);
}
