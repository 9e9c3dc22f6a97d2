// The program: one hidden clocks window beside its tray icon.
#include "clocks/clocksfrm.h"
#include "platform/formatsettings.h"

#include <QApplication>
#include <QFile>
#include <QFontDatabase>

namespace {
// The design font is Tahoma. Debian's fonts-wine carries a metric-compatible
// one outside fontconfig's folders; without either, fontconfig substitutes
// and every size follows the substitute's metrics.
void RegisterDesignFont()
{
    if (QFontDatabase::families().contains(QStringLiteral("Tahoma")))
        return;
    const QString wineTahoma = QStringLiteral("/usr/share/wine/fonts/tahoma.ttf");
    if (QFile::exists(wineTahoma))
        QFontDatabase::addApplicationFont(wineTahoma);
}
} // namespace

int main(int argc, char *argv[])
{
    // Qt's X11 shared-memory image transport wakes the program about three
    // extra times a second while a window is shown; for a window this small
    // plain requests cost nothing and it wakes about twice a second instead.
    qputenv("QT_XCB_NO_MITSHM", "1");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vorkel Clocks"));
    QApplication::setOrganizationName(QStringLiteral("Vorkel"));
    // The program lives in the tray: closing a window never ends it.
    QApplication::setQuitOnLastWindowClosed(false);
    RegisterDesignFont();
    FormatSettings(); // the regional settings, read once

    const TClocksForm form;
    return form.Terminating() ? 1 : QApplication::exec();
}
