// One copy of the program per user: a second start would add another tray
// icon, or on a desktop without a tray another window, beside the first.
#pragma once

#include <QString>
#include <QStringList>

class TSingleInstance
{
public:
    // Takes the lock on the first of the files at paths that can be opened,
    // held until this object or the process ends (the system lets go of it
    // even after a crash).
    explicit TSingleInstance(const QStringList &paths = DefaultPaths());
    explicit TSingleInstance(const QString &path) : TSingleInstance(QStringList{path}) {}
    ~TSingleInstance();
    TSingleInstance(const TSingleInstance &) = delete;
    TSingleInstance &operator=(const TSingleInstance &) = delete;

    // False when another copy holds the lock.
    bool First() const { return FFirst; }
    // In the user's runtime folder (the temporary folder without one), then
    // beside the settings file, for a runtime folder where no file can be
    // made (read-only, full).
    static QStringList DefaultPaths();

private:
    int FFile = -1;
    bool FFirst = false;
};
