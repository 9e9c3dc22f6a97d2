#include "desktopsetup.h"

#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QString>

void ChooseDisplayPlatform()
{
    // Qt's X11 shared-memory image transport wakes the program about three
    // extra times a second while a window is shown; for a window this small
    // plain requests cost nothing and it wakes about twice a second instead.
    qputenv("QT_XCB_NO_MITSHM", "1");
    // A window placed beside the tray needs X11's absolute positions; on a
    // Wayland session that means XWayland, with native Wayland as the fallback.
    // Without any X server Qt would first warn that it cannot reach one.
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        return;
    const bool x11 = !qEnvironmentVariableIsEmpty("DISPLAY");
    const bool wayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    qputenv("QT_QPA_PLATFORM", x11 || !wayland ? "xcb;wayland" : "wayland");
}

bool NativeWayland()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
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
