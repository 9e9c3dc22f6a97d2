#include "gui/widgets/alarmicon.h"

#include "gui/widgets/vorkelresources.h"

QIcon AlarmIcon()
{
    EnsureVorkelResources();
    // Loaded from a file name, the icon finds alarm@2x.png beside it.
    return QIcon(QStringLiteral(":/alarm.png"));
}
