// Ending the program the way the session asks, at logout or from a terminal.
#pragma once

#include <QObject>

class QCoreApplication;

// Turns SIGTERM, SIGINT and SIGHUP into a quit of app's event loop, so the
// program ends through its usual way out (and stores what it stores there)
// instead of dying on the spot.
void QuitOnTerminationSignals(QCoreApplication &app);

// What a termination signal leaves behind for code that runs outside the
// main event loop. Before that loop runs (the start-up boxes) Qt drops a
// quit, so start-up asks Requested() and a modal box of ours closes on
// Arrived().
class TTermination : public QObject
{
    Q_OBJECT

public:
    static TTermination &Instance();
    bool Requested() const { return FRequested; }
    // What a termination signal (or "Exit") does: remembers it, tells the
    // open boxes, and ends the event loop.
    void Request();
    void Reset(); // for tests

Q_SIGNALS:
    void Arrived();

private:
    bool FRequested = false;
};
