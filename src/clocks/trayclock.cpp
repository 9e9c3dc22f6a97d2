// The program: one hidden clocks window beside its tray icon.
#include "clocks/clocksfrm.h"
#include "platform/formatsettings.h"

#include <QApplication>
#include <QFile>
#include <QFontDatabase>
#include <QSocketNotifier>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

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
int signalPipe[2] = {-1, -1};

void SignalHandler(int)
{
    const char byte = 1;
    // Only async-signal-safe calls here; the event loop does the rest.
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &byte, 1);
}

// The session ends the program with a signal at logout: ending the event
// loop instead of dying keeps the pin state and position, stored as the
// window goes.
void QuitOnTerminationSignals(QApplication &app)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0)
        return;
    auto *notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, [] {
        char byte = 0;
        [[maybe_unused]] const ssize_t got = ::read(signalPipe[0], &byte, 1);
        QCoreApplication::quit();
    });
    struct sigaction action = {};
    action.sa_handler = SignalHandler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGINT, SIGHUP})
        sigaction(signal, &action, nullptr);
}
} // namespace

int main(int argc, char *argv[])
{
    // Qt's X11 shared-memory image transport wakes the program about three
    // extra times a second while a window is shown; for a window this small
    // plain requests cost nothing and it wakes about twice a second instead.
    qputenv("QT_XCB_NO_MITSHM", "1");
    // A window placed beside the tray needs X11's absolute positions; on a
    // Wayland session that means XWayland, with native Wayland as the fallback.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "xcb;wayland");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vorkel Clocks"));
    QApplication::setOrganizationName(QStringLiteral("Vorkel"));
    // The program lives in the tray: closing a window never ends it.
    QApplication::setQuitOnLastWindowClosed(false);
    QuitOnTerminationSignals(app);
    RegisterDesignFont();
    FormatSettings(); // the regional settings, read once

    const TClocksForm form;
    return form.Terminating() ? 1 : QApplication::exec();
}
