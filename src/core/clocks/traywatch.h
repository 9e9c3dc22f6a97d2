// Waits for a notification area to turn up. Session start-up runs programs
// and panels side by side, so one missing at start may still come; a desktop
// with none at all needs the clocks in an ordinary window instead.
#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

struct TTrayWatchTimes
{
    int WaitMSecs = 5000;      // how long a late panel is waited for
    int WaitPollMSecs = 250;   // asked this often while waiting
    int LaterPollMSecs = 2000; // and this often after giving up
};

class TTrayWatch : public QObject
{
    Q_OBJECT

public:
    // available tells whether a notification area is there now.
    explicit TTrayWatch(std::function<bool()> available, TTrayWatchTimes times = {},
                        QObject *parent = nullptr);

    // Starts watching unless a notification area is there already.
    void Start();
    // True between Missing and Appeared.
    bool TrayMissing() const { return FMissing; }

Q_SIGNALS:
    // None came within the wait.
    void Missing();
    // One came after Missing.
    void Appeared();

private:
    void Poll();

    std::function<bool()> FAvailable;
    TTrayWatchTimes FTimes;
    QTimer FPoll;
    int FWaitedMSecs = 0;
    bool FMissing = false;
};
