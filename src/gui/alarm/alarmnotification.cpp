#include "gui/alarm/alarmnotification.h"

#include "core/system/applicationid.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QGuiApplication>
#include <QPointer>
#include <QVariantMap>

using namespace Qt::StringLiterals;

namespace {
const QString Service = u"org.freedesktop.Notifications"_s;
const QString Path = u"/org/freedesktop/Notifications"_s;
const QString Interface = u"org.freedesktop.Notifications"_s;

const QString ActionDefault = u"default"_s;
const QString ActionSnooze = u"snooze"_s;
const QString ActionStop = u"stop"_s;

// NotificationClosed reasons, as org.freedesktop.Notifications 1.2 numbers them.
constexpr uint ClosedByUser = 2;

// The urgency hint's "critical": the server keeps it up until answered.
constexpr uchar UrgencyCritical = 2;
} // namespace

TAlarmNotification::TAlarmNotification(QObject *parent) : QObject(parent) {}

TAlarmNotification::~TAlarmNotification()
{
    Close();
}

bool TAlarmNotification::Connected()
{
    // Not before an alarm rings: a program that never rings one never asks
    // for the bus.
    if (!FBus)
        FBus = QDBusConnection::sessionBus();
    return FBus->isConnected();
}

void TAlarmNotification::Show(const QString &summary, const QString &body)
{
    if (!Connected())
        return;
    Listen(true);
    const QStringList actions = {
        ActionDefault, tr("Show the clocks"), ActionSnooze, tr("Snooze"), ActionStop, tr("Stop")};
    const QVariantMap hints = {
        {u"urgency"_s, QVariant::fromValue(UrgencyCritical)},
        {u"sound-name"_s, u"alarm-clock-elapsed"_s},
        {u"desktop-entry"_s, ApplicationId.toString()},
        {u"category"_s, u"x-vorkel.alarm"_s},
    };
    QDBusMessage call = QDBusMessage::createMethodCall(Service, Path, Interface, u"Notify"_s);
    // The id of a notification still up replaces it rather than adding one.
    call << QGuiApplication::applicationDisplayName() << FId << ApplicationId.toString() << summary
         << body << actions << hints << qint32{0};
    FWanted = true;
    const quint64 request = ++FRequest;
    // Asynchronous: a hung server must not hold the clocks up.
    auto *watcher = new QDBusPendingCallWatcher(FBus->asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, request](QDBusPendingCallWatcher *answered) {
                answered->deleteLater();
                const QDBusPendingReply<uint> reply = *answered;
                if (reply.isError())
                    return;
                // An answer to an earlier Show: that one was replaced.
                if (request != FRequest) {
                    CloseById(reply.value());
                    return;
                }
                FId = reply.value();
                // Stopped while the server was still answering.
                if (!FWanted)
                    Close();
            });
}

void TAlarmNotification::Close()
{
    FWanted = false;
    if (FId != 0) {
        CloseById(FId);
        FId = 0;
    }
    // An answer to Show may still come: it closes what it brings.
    Listen(false);
}

void TAlarmNotification::CloseById(uint id)
{
    QDBusMessage call =
        QDBusMessage::createMethodCall(Service, Path, Interface, u"CloseNotification"_s);
    call << id;
    FBus->asyncCall(call);
}

void TAlarmNotification::Listen(bool on)
{
    if (on == FListening || !FBus || !FBus->isConnected())
        return;
    // Connected only while something is up: other programs' notifications
    // then never wake this one.
    if (on) {
        FBus->connect(Service, Path, Interface, u"ActionInvoked"_s, this,
                      SLOT(OnActionInvoked(uint, QString)));
        FBus->connect(Service, Path, Interface, u"NotificationClosed"_s, this,
                      SLOT(OnNotificationClosed(uint, uint)));
    } else {
        FBus->disconnect(Service, Path, Interface, u"ActionInvoked"_s, this,
                         SLOT(OnActionInvoked(uint, QString)));
        FBus->disconnect(Service, Path, Interface, u"NotificationClosed"_s, this,
                         SLOT(OnNotificationClosed(uint, uint)));
    }
    FListening = on;
}

void TAlarmNotification::OnActionInvoked(uint id, const QString &action)
{
    if (id == 0 || id != FId || !FWanted)
        return;
    if (action == ActionSnooze)
        Q_EMIT SnoozeInvoked();
    else if (action == ActionStop)
        Q_EMIT StopInvoked();
    else if (action == ActionDefault)
        Q_EMIT DefaultInvoked();
}

void TAlarmNotification::OnNotificationClosed(uint id, uint reason)
{
    if (id == 0 || id != FId)
        return;
    FId = 0;
    const bool wanted = FWanted;
    FWanted = false;
    Listen(false);
    // Expired is the server's own doing (a server may ignore the urgency):
    // the alarm rings on in its box. A close by the user ends it.
    if (wanted && reason == ClosedByUser)
        Q_EMIT Dismissed();
}
