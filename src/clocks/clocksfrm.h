// The "World Times" window: one titled clock per chosen place, shown beside
// the tray icon, with the program's one timer and its one alarm.
#pragma once

#include "clocks/alarm.h"
#include "timezones/tzhelpers.h"

#include <QFont>
#include <QWidget>
#include <memory>

class TZonedClock;
class TSysTrayIcon;

class TClocksForm : public QWidget
{
    Q_OBJECT

public:
    explicit TClocksForm(QWidget *parent = nullptr);
    ~TClocksForm() override;

    // Rebuilds the clock list, the clock controls and the tray hint from
    // zones.ini and the stored clock list.
    void LoadClocks();
    // Applies the stored formats, pin state and position, alarm and font.
    void LoadSettings();
    void SaveWindowState();
    void ShowClocks();
    void HideClocks();
    // Opens the options dialog, or brings the open one to the front.
    void OpenOptions();

    QString TimeFormat() const;
    void SetTimeFormat(const QString &format);
    QString DateFormat() const;
    void SetDateFormat(const QString &format);
    QFont ClockFont() const;
    bool Pinned() const;
    void SetPinned(bool pinned);

    const TAlarm &Alarm() const { return FAlarm; }
    const TTimeZoneList &Clocks() const { return FClocks; }

private:
    TTimeZoneList FClocks;
    TAlarm FAlarm;
};

// The one clocks window of the program (created by main).
extern TClocksForm *ClocksForm;
