#include "gui/alarm/alarmbox.h"

#include "gui/widgets/messagedialog.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {
// Snooze is a standard button under its own text, so the box's answer stays
// one of the standard ones that every box of the program gives.
constexpr QMessageBox::StandardButton SnoozeButton = QMessageBox::Retry;
} // namespace

TAlarmAnswer ShowAlarmBox(const QString &caption, const QString &message, TAlarmRinger &ringer,
                          QWidget *owner)
{
    QMessageBox box(QMessageBox::Information, caption, message, QMessageBox::Ok | SnoozeButton);
    box.button(SnoozeButton)->setText(QCoreApplication::translate("TAlarmBox", "&Snooze"));
    box.setDefaultButton(QMessageBox::Ok);
    // Esc and the close box stop the alarm as OK does.
    box.setEscapeButton(QMessageBox::Ok);
    QObject::connect(&ringer, &TAlarmRinger::Answered, &box, [&box](TAlarmAnswer answer) {
        box.done(answer == TAlarmAnswer::Snooze ? SnoozeButton : QMessageBox::Ok);
    });
    return ExecMessageBox(box, TMsgDlgType::Information, owner) == SnoozeButton
               ? TAlarmAnswer::Snooze
               : TAlarmAnswer::Stop;
}
