// Ending the program the way the session asks, at logout or from a terminal.
#pragma once

class QCoreApplication;

// Turns SIGTERM, SIGINT and SIGHUP into a quit of app's event loop, so the
// program ends through its usual way out (and stores what it stores there)
// instead of dying on the spot.
void QuitOnTerminationSignals(QCoreApplication &app);
