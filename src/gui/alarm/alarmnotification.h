// The ringing alarm as a desktop notification (org.freedesktop.Notifications
// on the session bus): seen where the clocks window is not, with Snooze and
// Stop on it. Nothing is asked of the bus while no alarm rings.
#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <optional>

class TAlarmNotification : public QObject
{
    Q_OBJECT

public:
    // On the session bus, connected to at the first notification.
    explicit TAlarmNotification(QObject *parent = nullptr);
    ~TAlarmNotification() override;

    // Sends the notification (replacing one still up); without a bus or a
    // notification server nothing happens and the alarm rings on without it.
    void Show(const QString &summary, const QString &body);
    // Takes the notification down, also one whose id has not come back yet.
    void Close();
    bool Shown() const { return FWanted; }

Q_SIGNALS:
    void SnoozeInvoked();
    void StopInvoked();
    // The notification itself was clicked.
    void DefaultInvoked();
    // The user (or the server) closed it without choosing an action.
    void Dismissed();

private Q_SLOTS:
    void OnActionInvoked(uint id, const QString &action);
    void OnNotificationClosed(uint id, uint reason);

private:
    void Listen(bool on);
    void CloseById(uint id);

    bool Connected();

    std::optional<QDBusConnection> FBus;
    bool FWanted = false; // shown, as far as the program is concerned
    bool FListening = false;
    uint FId = 0;         // the server's id, 0 until Notify has answered
    quint64 FRequest = 0; // counts Show calls: which one an answer belongs to
};
