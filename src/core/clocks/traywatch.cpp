#include "traywatch.h"

#include <utility>

TTrayWatch::TTrayWatch(std::function<bool()> available, TTrayWatchTimes times, QObject *parent)
    : QObject(parent), FAvailable(std::move(available)), FTimes(times)
{
    FPoll.setObjectName(QStringLiteral("TrayPoll"));
    connect(&FPoll, &QTimer::timeout, this, &TTrayWatch::Poll);
}

void TTrayWatch::Start()
{
    FWaitedMSecs = 0;
    FMissing = false;
    if (FAvailable())
        return;
    FPoll.start(FTimes.WaitPollMSecs);
}

void TTrayWatch::Poll()
{
    if (FAvailable()) {
        FPoll.stop();
        if (std::exchange(FMissing, false))
            Q_EMIT Appeared();
        return;
    }
    if (FMissing)
        return;
    FWaitedMSecs += FPoll.interval();
    if (FWaitedMSecs < FTimes.WaitMSecs)
        return;
    FMissing = true;
    // A panel started much later is rare: asked for less often.
    FPoll.start(FTimes.LaterPollMSecs);
    Q_EMIT Missing();
}
