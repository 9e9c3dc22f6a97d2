#include "desktopsetup.h"

#include <QFile>
#include <QFontDatabase>
#include <QString>

void ChooseDisplayPlatform()
{
    // Qt's X11 shared-memory image transport wakes the program about three
    // extra times a second while a window is shown; for a window this small
    // plain requests cost nothing and it wakes about twice a second instead.
    qputenv("QT_XCB_NO_MITSHM", "1");
    // A window placed beside the tray needs X11's absolute positions; on a
    // Wayland session that means XWayland, with native Wayland as the fallback.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "xcb;wayland");
}

void RegisterDesignFont()
{
    // fonts-wine keeps its Tahoma outside fontconfig's folders; without it
    // fontconfig substitutes and every size follows the substitute's metrics.
    if (QFontDatabase::families().contains(QStringLiteral("Tahoma")))
        return;
    const QString wineTahoma = QStringLiteral("/usr/share/wine/fonts/tahoma.ttf");
    if (QFile::exists(wineTahoma))
        QFontDatabase::addApplicationFont(wineTahoma);
}
