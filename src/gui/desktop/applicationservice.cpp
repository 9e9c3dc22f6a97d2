#include "gui/desktop/applicationservice.h"

#include "core/system/applicationid.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>

namespace {
constexpr int AnswerMSecs = 1000;

// "example.vorkel.Clocks" → "/example/vorkel/Clocks", as the interface wants.
QString ObjectPath()
{
    return u'/' + ApplicationId.toString().replace(u'.', u'/');
}
} // namespace

TApplicationService::TApplicationService(QObject *parent) : QObject(parent) {}

TApplicationService::~TApplicationService()
{
    if (!FRegistered)
        return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    bus.unregisterObject(ObjectPath());
    bus.unregisterService(ApplicationId.toString());
}

bool TApplicationService::Register()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    if (!bus.registerObject(ObjectPath(), this, QDBusConnection::ExportAllSlots))
        return false;
    if (!bus.registerService(ApplicationId.toString())) {
        bus.unregisterObject(ObjectPath());
        return false;
    }
    FRegistered = true;
    return true;
}

bool TApplicationService::AskRunningCopy(const QString &action)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    // Asked only while a copy holds the name: the bus must not start one.
    if (!bus.isConnected() || !bus.interface()->isServiceRegistered(ApplicationId.toString()))
        return false;
    QVariantMap platformData;
    const QByteArray token = qgetenv("XDG_ACTIVATION_TOKEN");
    if (!token.isEmpty())
        platformData.insert(QStringLiteral("activation-token"), QString::fromUtf8(token));
    const QByteArray startup = qgetenv("DESKTOP_STARTUP_ID");
    if (!startup.isEmpty())
        platformData.insert(QStringLiteral("desktop-startup-id"), QString::fromUtf8(startup));

    QDBusMessage call = QDBusMessage::createMethodCall(
        ApplicationId.toString(), ObjectPath(), QStringLiteral("org.freedesktop.Application"),
        action.isEmpty() ? QStringLiteral("Activate") : QStringLiteral("ActivateAction"));
    if (action.isEmpty())
        call << platformData;
    else
        call << action << QVariantList() << platformData;
    const QDBusMessage reply = bus.call(call, QDBus::Block, AnswerMSecs);
    return reply.type() == QDBusMessage::ReplyMessage;
}

void TApplicationService::Activate(const QVariantMap &platformData)
{
    TakeActivationToken(platformData);
    Q_EMIT ShowRequested();
}

void TApplicationService::Open(const QStringList &, const QVariantMap &platformData)
{
    // The program opens no files: as a start, it shows the clocks.
    Activate(platformData);
}

void TApplicationService::ActivateAction(const QString &name, const QVariantList &,
                                         const QVariantMap &platformData)
{
    TakeActivationToken(platformData);
    if (name == QLatin1String(OptionsAction))
        Q_EMIT OptionsRequested();
    else
        Q_EMIT ShowRequested();
}

void TApplicationService::TakeActivationToken(const QVariantMap &platformData)
{
    const QString token = platformData.value(QStringLiteral("activation-token")).toString();
    if (!token.isEmpty())
        qputenv("XDG_ACTIVATION_TOKEN", token.toUtf8());
}
