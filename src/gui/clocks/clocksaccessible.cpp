#include "gui/clocks/clocksaccessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace {
// The interface belongs to Qt's accessibility cache, which deletes it with
// the window.
QAccessibleInterface *ClocksWindowAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String("TClocksForm") && object != nullptr && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Window);
    return nullptr;
}
} // namespace

void ReadAsWindow()
{
    static const bool installed = [] {
        QAccessible::installFactory(ClocksWindowAccessible);
        return true;
    }();
    Q_UNUSED(installed)
}
