#include "sessionsignals.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {
// The one pipe from the signal handler to the event loop; a signal handler
// can reach nothing else.
int signalPipe[2] = {-1, -1};

void SignalHandler(int)
{
    const char byte = 1;
    // Only async-signal-safe calls here; the event loop does the rest.
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &byte, 1);
}
} // namespace

TTermination &TTermination::Instance()
{
    static TTermination termination;
    return termination;
}

void TTermination::Request()
{
    FRequested = true;
    Q_EMIT Arrived();
    QCoreApplication::quit();
}

void TTermination::Reset()
{
    FRequested = false;
}

void QuitOnTerminationSignals(QCoreApplication &app)
{
    // Once is enough; a second pipe would leave the first one's reader deaf.
    if (signalPipe[0] >= 0)
        return;
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0)
        return;
    auto *notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, [] {
        char byte = 0;
        [[maybe_unused]] const ssize_t got = ::read(signalPipe[0], &byte, 1);
        TTermination::Instance().Request();
    });
    struct sigaction action = {};
    action.sa_handler = SignalHandler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGINT, SIGHUP})
        sigaction(signal, &action, nullptr);
}
