#include "statusnotifieritem.h"

#include "dbusmenuexporter.h"

#include <QCoreApplication>
#include <QDBusAbstractAdaptor>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QGuiApplication>
#include <QImage>
#include <QLoggingCategory>
#include <QMenu>
#include <QtEndian>

namespace {
Q_LOGGING_CATEGORY(lcTray, "vorkel.tray", QtInfoMsg)

const QString WatcherPath = QStringLiteral("/StatusNotifierWatcher");

QString Watcher()
{
    return QString::fromLatin1(TStatusNotifierItem::WatcherService);
}

// A watcher is asked this many times, RegisterRetryMSecs apart.
constexpr int RegisterTries = 10;
constexpr int RegisterRetryMSecs = 500;
// An item a panel keeps dropping is not pressed on it for ever.
constexpr int DroppedRetries = 3;

// Pictures larger than this only make every property read slower.
constexpr int LargestPixmap = 128;
} // namespace

// The object the bus sees; the item does the work.
class TStatusNotifierItemAdaptor : public QDBusAbstractAdaptor
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierItem")
    Q_PROPERTY(QString Category READ Category)
    Q_PROPERTY(QString Id READ Id)
    Q_PROPERTY(QString Title READ Title)
    Q_PROPERTY(QString Status READ Status)
    Q_PROPERTY(int WindowId READ WindowId)
    Q_PROPERTY(QString IconThemePath READ NoName)
    Q_PROPERTY(QString IconName READ IconName)
    Q_PROPERTY(QList<TSniPixmap> IconPixmap READ IconPixmap)
    Q_PROPERTY(QString OverlayIconName READ NoName)
    Q_PROPERTY(QList<TSniPixmap> OverlayIconPixmap READ NoPixmaps)
    Q_PROPERTY(QString AttentionIconName READ NoName)
    Q_PROPERTY(QList<TSniPixmap> AttentionIconPixmap READ NoPixmaps)
    Q_PROPERTY(QString AttentionMovieName READ NoName)
    Q_PROPERTY(TSniToolTip ToolTip READ ToolTip)
    Q_PROPERTY(bool ItemIsMenu READ ItemIsMenu)
    Q_PROPERTY(QDBusObjectPath Menu READ Menu)

public:
    explicit TStatusNotifierItemAdaptor(TStatusNotifierItem *item)
        : QDBusAbstractAdaptor(item), FItem(item)
    {
        connect(item, &TStatusNotifierItem::IconChanged, this,
                &TStatusNotifierItemAdaptor::NewIcon);
        connect(item, &TStatusNotifierItem::ToolTipChanged, this,
                &TStatusNotifierItemAdaptor::NewToolTip);
        connect(item, &TStatusNotifierItem::TitleChanged, this,
                &TStatusNotifierItemAdaptor::NewTitle);
    }

    // The program's own state, not a running task or a device.
    QString Category() const { return QStringLiteral("ApplicationStatus"); }
    QString Id() const { return FItem->Id(); }
    QString Title() const { return FItem->Title(); }
    QString Status() const { return QStringLiteral("Active"); }
    int WindowId() const { return 0; }
    QString IconName() const { return FItem->IconName(); }
    QList<TSniPixmap> IconPixmap() const { return FItem->IconPixmaps(); }
    QString NoName() const { return {}; }
    QList<TSniPixmap> NoPixmaps() const { return {}; }
    TSniToolTip ToolTip() const { return FItem->ToolTip(); }
    // A click is the program's own (the clocks), the menu is for a right click.
    bool ItemIsMenu() const { return false; }
    QDBusObjectPath Menu() const
    {
        return QDBusObjectPath(QString::fromLatin1(TStatusNotifierItem::MenuPath));
    }

public Q_SLOTS:
    void Activate(int x, int y) { FItem->Activate(x, y); }
    void SecondaryActivate(int x, int y) { FItem->SecondaryActivate(x, y); }
    void ContextMenu(int x, int y) { FItem->ContextMenu(x, y); }
    void Scroll(int delta, const QString &orientation) { FItem->Scroll(delta, orientation); }
    // KDE's addition, which GNOME's extension and Plasma send before a click.
    void ProvideXdgActivationToken(const QString &token) { FItem->ProvideActivationToken(token); }

Q_SIGNALS:
    void NewTitle();
    void NewIcon();
    void NewAttentionIcon();
    void NewOverlayIcon();
    void NewToolTip();
    void NewStatus(const QString &status);

private:
    TStatusNotifierItem *FItem;
};

TStatusNotifierItem::TStatusNotifierItem(const QDBusConnection &connection, QObject *parent)
    : QObject(parent), FConnection(connection),
      FWatcher(Watcher(), connection, QDBusServiceWatcher::WatchForOwnerChange)
{
    RegisterDBusTrayTypes();
    static int made = 0;
    // The name other programs' items use too: panels that look for items
    // on their own find it by it.
    FServiceName = QStringLiteral("org.kde.StatusNotifierItem-%1-%2")
                       .arg(QCoreApplication::applicationPid())
                       .arg(++made);
    FId = QGuiApplication::desktopFileName().isEmpty() ? QCoreApplication::applicationName()
                                                       : QGuiApplication::desktopFileName();
    FTitle = QCoreApplication::applicationName();
    new TStatusNotifierItemAdaptor(this); // owned by this object
    FRegisterRetry.setSingleShot(true);
    FRegisterRetry.setInterval(RegisterRetryMSecs);
    connect(&FRegisterRetry, &QTimer::timeout, this, &TStatusNotifierItem::Register);

    connect(&FWatcher, &QDBusServiceWatcher::serviceOwnerChanged, this,
            [this](const QString &, const QString &, const QString &newOwner) {
                WatcherOwnerChanged(newOwner);
            });
    if (!FConnection.isConnected())
        return;
    // From any sender: a watcher that has just appeared announces its host
    // before QtDBus has learnt who owns the watcher's name.
    FConnection.connect(QString(), WatcherPath, Watcher(),
                        QStringLiteral("StatusNotifierHostRegistered"), this, SLOT(HostAppeared()));
    FConnection.connect(QString(), WatcherPath, Watcher(),
                        QStringLiteral("StatusNotifierHostUnregistered"), this, SLOT(HostGone()));
    FConnection.connect(QString(), WatcherPath, Watcher(),
                        QStringLiteral("StatusNotifierItemUnregistered"), this,
                        SLOT(ItemUnregistered(QString)));
    FWatcherPresent = FConnection.interface()->isServiceRegistered(Watcher());
    if (FWatcherPresent)
        AskHostRegistered();
}

TStatusNotifierItem::~TStatusNotifierItem()
{
    TakeOffBus();
}

void TStatusNotifierItem::SetShown(bool shown)
{
    if (shown == FShown)
        return;
    FShown = shown;
    if (shown) {
        PutOnBus();
        Register();
    } else {
        TakeOffBus();
    }
}

void TStatusNotifierItem::PutOnBus()
{
    if (FOnBus || !FConnection.isConnected())
        return;
    if (!FConnection.registerService(FServiceName) ||
        !FConnection.registerObject(QString::fromLatin1(ItemPath), this)) {
        qCWarning(lcTray) << "the tray icon could not be offered on the session bus:"
                          << FConnection.lastError().message();
        FConnection.unregisterService(FServiceName);
        return;
    }
    FMenu = std::make_unique<TDBusMenuExporter>(FConnection, QString::fromLatin1(MenuPath),
                                                FMenuSource.data());
    FOnBus = true;
}

void TStatusNotifierItem::TakeOffBus()
{
    if (!FOnBus)
        return;
    FMenu.reset();
    FConnection.unregisterObject(QString::fromLatin1(ItemPath));
    // The watcher forgets the item when its name goes.
    FConnection.unregisterService(FServiceName);
    FOnBus = false;
    FRegistered = false;
}

void TStatusNotifierItem::Register()
{
    FRegisterRetry.stop();
    if (!FOnBus || !FWatcherPresent)
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(
        Watcher(), WatcherPath, Watcher(), QStringLiteral("RegisterStatusNotifierItem"));
    call << FServiceName;
    auto *pending = new QDBusPendingCallWatcher(FConnection.asyncCall(call), this);
    connect(pending, &QDBusPendingCallWatcher::finished, this,
            [this](QDBusPendingCallWatcher *reply) {
                reply->deleteLater();
                if (!reply->isError()) {
                    FRegistered = FOnBus;
                    FRegisterTries = 0;
                    qCDebug(lcTray) << "tray icon registered as" << FServiceName;
                    return;
                }
                // A watcher that has only just taken its name may not answer
                // yet: it is asked again a few times before giving up.
                if (++FRegisterTries < RegisterTries) {
                    FRegisterRetry.start();
                    return;
                }
                qCWarning(lcTray).noquote()
                    << "the panel refused the tray icon:" << reply->error().name()
                    << reply->error().message();
            });
}

void TStatusNotifierItem::AskHostRegistered()
{
    QDBusMessage call = QDBusMessage::createMethodCall(
        Watcher(), WatcherPath, QStringLiteral("org.freedesktop.DBus.Properties"),
        QStringLiteral("Get"));
    call << Watcher() << QStringLiteral("IsStatusNotifierHostRegistered");
    auto *pending = new QDBusPendingCallWatcher(FConnection.asyncCall(call), this);
    connect(pending, &QDBusPendingCallWatcher::finished, this,
            [this](QDBusPendingCallWatcher *reply) {
                reply->deleteLater();
                const QDBusPendingReply<QDBusVariant> value = *reply;
                // A watcher that cannot say is taken at its word that it
                // shows what registers.
                SetHostRegistered(value.isError() || value.value().variant().toBool());
            });
}

void TStatusNotifierItem::HostAppeared()
{
    SetHostRegistered(true);
}

void TStatusNotifierItem::HostGone()
{
    AskHostRegistered();
}

void TStatusNotifierItem::ItemUnregistered(const QString &item)
{
    // Panels name an item by the name it registered with or by its unique
    // connection name and path.
    const bool ours = item == FServiceName || item.startsWith(FServiceName + QLatin1Char('/')) ||
                      item.startsWith(FConnection.baseService() + QLatin1Char('@')) ||
                      item.startsWith(FConnection.baseService() + QLatin1Char('/'));
    if (!ours || !FOnBus || !FWatcherPresent)
        return;
    FRegistered = false;
    // GNOME's extension drops an item whose set-up raced with its own start
    // (an extension enabled while the program runs): registered again, a
    // few times, once the panel has settled.
    if (++FDroppedTimes > DroppedRetries)
        return;
    qCDebug(lcTray) << "the panel dropped the icon; registering it again";
    FRegisterTries = 0;
    FRegisterRetry.start();
}

void TStatusNotifierItem::SetHostRegistered(bool registered)
{
    registered = registered && FWatcherPresent;
    if (registered == FHostRegistered)
        return;
    FHostRegistered = registered;
    qCDebug(lcTray) << (registered ? "a panel shows the icon" : "no panel shows the icon");
    Q_EMIT AvailabilityChanged();
}

void TStatusNotifierItem::WatcherOwnerChanged(const QString &newOwner)
{
    FRegistered = false;
    FRegisterTries = 0;
    FDroppedTimes = 0;
    FWatcherPresent = !newOwner.isEmpty();
    FHostRegistered = false;
    qCDebug(lcTray) << (FWatcherPresent ? "a panel's watcher appeared"
                                        : "the panel's watcher went");
    if (FWatcherPresent) {
        AskHostRegistered();
        Register();
    }
    Q_EMIT AvailabilityChanged();
}

void TStatusNotifierItem::SetIcon(const QIcon &icon)
{
    const QString name = icon.name();
    FIconName = !name.isEmpty() && QIcon::hasThemeIcon(name) ? name : QString();
    FIconPixmaps = PixmapsOf(icon);
    Q_EMIT IconChanged();
}

void TStatusNotifierItem::SetToolTip(const QString &text)
{
    if (text == FToolTip)
        return;
    FToolTip = text;
    Q_EMIT ToolTipChanged();
}

void TStatusNotifierItem::SetTitle(const QString &title)
{
    if (title == FTitle)
        return;
    FTitle = title;
    Q_EMIT TitleChanged();
}

void TStatusNotifierItem::SetMenu(QMenu *menu)
{
    FMenuSource = menu;
    if (FMenu != nullptr)
        FMenu->SetMenu(menu);
}

QMenu *TStatusNotifierItem::Menu() const
{
    return FMenuSource;
}

TSniToolTip TStatusNotifierItem::ToolTip() const
{
    TSniToolTip tip;
    tip.IconName = FIconName;
    tip.Title = FToolTip;
    return tip;
}

int TStatusNotifierItem::WheelAngle(int delta)
{
    // Steps are small numbers; angle units come in eighths of a degree.
    constexpr int LargestStep = 10;
    constexpr int Notch = 120;
    if (delta >= -LargestStep && delta <= LargestStep)
        return -delta * Notch;
    return delta;
}

QList<TSniPixmap> TStatusNotifierItem::PixmapsOf(const QIcon &icon)
{
    QList<QSize> sizes = icon.availableSizes();
    if (sizes.isEmpty())
        sizes = {QSize(16, 16), QSize(22, 22), QSize(24, 24), QSize(32, 32), QSize(48, 48)};
    QList<TSniPixmap> pixmaps;
    for (const QSize &size : std::as_const(sizes)) {
        if (size.width() > LargestPixmap || size.height() > LargestPixmap)
            continue;
        // In pixels of the panel, whatever the program's own scale.
        const QImage image =
            icon.pixmap(size, 1.0).toImage().convertToFormat(QImage::Format_ARGB32);
        if (image.isNull())
            continue;
        TSniPixmap pixmap{image.width(), image.height(), {}};
        pixmap.Bytes.resize(qsizetype(image.width()) * image.height() * 4);
        auto *out = reinterpret_cast<uchar *>(pixmap.Bytes.data());
        for (int y = 0; y < image.height(); ++y) {
            const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x, out += 4)
                qToBigEndian<quint32>(line[x], out);
        }
        const bool known = std::any_of(pixmaps.cbegin(), pixmaps.cend(), [&](const TSniPixmap &p) {
            return p.Width == pixmap.Width && p.Height == pixmap.Height;
        });
        if (!known)
            pixmaps.append(pixmap);
    }
    return pixmaps;
}

void TStatusNotifierItem::Activate(int x, int y)
{
    qCDebug(lcTray).nospace() << "Activate(" << x << ", " << y << ")";
    Q_EMIT Activated(QPoint(x, y));
}

void TStatusNotifierItem::ProvideActivationToken(const QString &token)
{
    qCDebug(lcTray) << "activation token" << token;
    Q_EMIT ActivationTokenProvided(token);
}

void TStatusNotifierItem::SecondaryActivate(int x, int y)
{
    qCDebug(lcTray).nospace() << "SecondaryActivate(" << x << ", " << y << ")";
    Q_EMIT SecondaryActivated(QPoint(x, y));
}

void TStatusNotifierItem::ContextMenu(int x, int y)
{
    qCDebug(lcTray).nospace() << "ContextMenu(" << x << ", " << y << ")";
    Q_EMIT ContextMenuRequested(QPoint(x, y));
}

void TStatusNotifierItem::Scroll(int delta, const QString &orientation)
{
    qCDebug(lcTray).nospace() << "Scroll(" << delta << ", " << orientation << ")";
    if (delta == 0 || orientation.compare(QLatin1String("horizontal"), Qt::CaseInsensitive) == 0)
        return;
    Q_EMIT Scrolled(WheelAngle(delta));
}

#include "statusnotifieritem.moc"
