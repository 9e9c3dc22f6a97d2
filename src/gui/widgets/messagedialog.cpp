#include "gui/widgets/messagedialog.h"

#include "core/system/sessionsignals.h"
#include "gui/desktop/windowfront.h"

#include <QApplication>
#include <QList>
#include <QPushButton>

namespace {
QList<QMessageBox::StandardButton> queuedAnswers;
QList<MessageDlgHook::TShown> shownMessages;

QMessageBox::Icon IconOf(TMsgDlgType type)
{
    switch (type) {
    case TMsgDlgType::Warning:
        return QMessageBox::Warning;
    case TMsgDlgType::Error:
        return QMessageBox::Critical;
    case TMsgDlgType::Information:
        return QMessageBox::Information;
    case TMsgDlgType::Confirmation:
        return QMessageBox::Question;
    case TMsgDlgType::Custom:
        break;
    }
    return QMessageBox::NoIcon;
}

QString CaptionOf(TMsgDlgType type)
{
    switch (type) {
    case TMsgDlgType::Warning:
        return QCoreApplication::translate("SoundMessageDlg", "Warning");
    case TMsgDlgType::Error:
        return QCoreApplication::translate("SoundMessageDlg", "Error");
    case TMsgDlgType::Information:
        return QCoreApplication::translate("SoundMessageDlg", "Information");
    case TMsgDlgType::Confirmation:
        return QCoreApplication::translate("SoundMessageDlg", "Confirm");
    case TMsgDlgType::Custom:
        break;
    }
    return QApplication::applicationDisplayName();
}

QMessageBox::StandardButton WayOut(QMessageBox::StandardButtons buttons)
{
    for (const QMessageBox::StandardButton button : {QMessageBox::Cancel, QMessageBox::No})
        if (buttons.testFlag(button))
            return button;
    return QMessageBox::Ok;
}

// The answer that goes ahead is the default, wherever the desktop puts it:
// with the buttons ordered No, Yes the first button would have the focus and
// Enter would answer No.
void SetAffirmativeDefault(QMessageBox &box)
{
    if (box.defaultButton())
        return;
    for (const QMessageBox::StandardButton answer :
         {QMessageBox::Yes, QMessageBox::Ok, QMessageBox::Save, QMessageBox::Retry}) {
        if (box.button(answer)) {
            box.setDefaultButton(answer);
            return;
        }
    }
}

QMessageBox::StandardButton ExecBox(QMessageBox &box, TMsgDlgType type, bool sound, QWidget *owner)
{
    // Messages carry the user's words, clock titles and file names: a "<b>"
    // in one is shown, never obeyed.
    box.setTextFormat(Qt::PlainText);
    SetAffirmativeDefault(box);
    const QMessageBox::StandardButtons buttons = box.standardButtons();
    if (TTermination::Instance().Requested())
        return WayOut(buttons);
    if (sound) {
        // The desktop has one bell, not one sound per message type.
        QApplication::beep();
    }
    if (!queuedAnswers.isEmpty()) {
        shownMessages.append({box.text(), type, buttons, sound, box.windowTitle(),
                              box.standardButton(box.defaultButton())});
        return queuedAnswers.takeFirst();
    }
    PrepareModalBox(box, owner);
    // Its own event loop would keep a box up through a termination signal
    // that arrives before the main loop runs.
    QObject::connect(&TTermination::Instance(), &TTermination::Arrived, &box, &QDialog::reject);
    const int answer = box.exec();
    if (TTermination::Instance().Requested())
        return WayOut(buttons);
    return static_cast<QMessageBox::StandardButton>(answer);
}

QMessageBox::StandardButton ShowMessage(const QString &message, TMsgDlgType type,
                                        QMessageBox::StandardButtons buttons, bool sound,
                                        QWidget *owner)
{
    QMessageBox box(IconOf(type), CaptionOf(type), message, buttons);
    return ExecBox(box, type, sound, owner);
}
} // namespace

QMessageBox::StandardButton SoundMessageDlg(const QString &message, TMsgDlgType type,
                                            QMessageBox::StandardButtons buttons, int helpContext,
                                            QWidget *owner)
{
    Q_UNUSED(helpContext) // context pop-ups on message boxes are not offered here
    return ShowMessage(message, type, buttons, true, owner);
}

QMessageBox::StandardButton MessageDlg(const QString &message, TMsgDlgType type,
                                       QMessageBox::StandardButtons buttons, QWidget *owner)
{
    return ShowMessage(message, type, buttons, false, owner);
}

QMessageBox::StandardButton ExecMessageBox(QMessageBox &box, TMsgDlgType type, QWidget *owner)
{
    return ExecBox(box, type, false, owner);
}

namespace MessageDlgHook {
void QueueAnswer(QMessageBox::StandardButton answer)
{
    queuedAnswers.append(answer);
}

bool HasQueuedAnswers()
{
    return !queuedAnswers.isEmpty();
}

void Reset()
{
    queuedAnswers.clear();
    shownMessages.clear();
}

const QList<TShown> &Shown()
{
    return shownMessages;
}
} // namespace MessageDlgHook
