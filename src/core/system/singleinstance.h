// One copy of the program per user: a second start would add another tray
// icon, or on a desktop without a tray another window, beside the first.
#pragma once

#include <QString>

class TSingleInstance
{
public:
    // Takes the lock on the file at path, held until this object or the
    // process ends (the system lets go of it even after a crash).
    explicit TSingleInstance(const QString &path = DefaultPath());
    ~TSingleInstance();
    TSingleInstance(const TSingleInstance &) = delete;
    TSingleInstance &operator=(const TSingleInstance &) = delete;

    // False when another copy holds the lock.
    bool First() const { return FFirst; }
    // In the user's runtime folder, the temporary folder without one.
    static QString DefaultPath();

private:
    int FFile = -1;
    bool FFirst = false;
};
