#include "gui/clocks/clocksalarm.h"

#include "core/clocks/worldclocks.h"
#include "core/settings/storedsettings.h"
#include "core/system/exceptions.h"
#include "core/time/datetimeformat.h"
#include "core/time/formatsettings.h"
#include "core/zones/zonetexts.h"
#include "gui/alarm/alarmbox.h"
#include "gui/alarm/alarmringer.h"
#include "gui/clocks/clockcolumn.h"
#include "gui/widgets/alarmicon.h"
#include "gui/widgets/messagedialog.h"
#include "gui/widgets/zonedclock.h"

#include <QLabel>

TClocksAlarm::TClocksAlarm(TWorldClocks &world, const TClockColumn &column, QLabel &picture,
                           QWidget &window)
    : QObject(&window), FWorld(world), FColumn(column), FPicture(picture), FWindow(window),
      FRinger(new TAlarmRinger(this))
{
    FPicture.setAttribute(Qt::WA_TranslucentBackground);
    FPicture.hide();
    connect(FRinger, &TAlarmRinger::ShowClocksRequested, this, &TClocksAlarm::ShowClocksRequested);
}

void TClocksAlarm::UpdatePicture()
{
    const TAlarm &alarm = FWorld.Alarm();
    const int index = FWorld.AlarmIndex();
    if (index < 0 || index >= FColumn.Count()) {
        FPicture.hide();
        return;
    }
    const TZonedClock *clock = FColumn.Clocks()[index];
    FPicture.move(clock->x() + clock->width() + 5, clock->y() + 2);
    const QString hint = tr("Alarm set for %1 on %2")
                             .arg(FormatDateTime(ZoneTimeOfDayFormat(), alarm.Time),
                                  FormatDateTime(FormatSettings().ShortDateFormat, alarm.Time));
    FPicture.setToolTip(hint);
    // A picture is nothing to a screen reader without a name; it is read
    // with the clock it stands beside.
    FPicture.setAccessibleName(tr("Alarm"));
    FPicture.setAccessibleDescription(hint);
    // Drawn for the screen's scale each time: the window may have moved to
    // a screen of another.
    FPicture.setPixmap(AlarmIcon().pixmap(QSize(12, 11), FPicture.devicePixelRatioF()));
    FPicture.show();
    FPicture.raise();
}

void TClocksAlarm::Ring()
{
    FPicture.hide();
    // Heard first: nothing that follows, a settings file that cannot be
    // written included, may keep an alarm silent.
    const TAlarm &alarm = FWorld.Alarm();
    FRinger->Ring(alarm.Caption(), alarm.TimeSentence());
    const QString caption = alarm.Caption();
    const QString message = alarm.MessageText();
    const QString clockTitle = alarm.Clock->Title;
    QString writeError;
    try {
        TStoredSettings::ClearAlarm();
    } catch (const Exception &e) {
        // Still stored, it rings again at the next start.
        writeError = e.Message();
    }

    Q_EMIT WindowWanted();
    FBoxShowing = true;
    const TAlarmAnswer answer = ShowAlarmBox(caption, message, *FRinger, &FWindow);
    FBoxShowing = false;
    FRinger->Answer(answer);
    Q_EMIT BoxClosed();

    // By title: the clocks may have been reloaded while the box was up.
    if (answer == TAlarmAnswer::Snooze) {
        if (const auto snoozed = FWorld.SnoozeAlarm(clockTitle, TStoredSettings::SnoozeMinutes())) {
            UpdatePicture();
            try {
                TStoredSettings::SetAlarm(*snoozed, clockTitle);
            } catch (const Exception &e) {
                // Armed all the same: it rings again in this run.
                writeError = e.Message();
            }
        }
    }
    if (!writeError.isEmpty())
        SoundMessageDlg(writeError, TMsgDlgType::Error, QMessageBox::Ok);
}
