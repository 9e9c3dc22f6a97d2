#include "systrayicon.h"

#include "core/clocks/placement.h"
#include "gui/tray/statusnotifieritem.h"
#include "gui/widgets/plaintooltip.h"

#include <QApplication>
#include <QCursor>
#include <QDBusConnection>
#include <QFileInfo>
#include <QIconEngine>
#include <QPainter>
#include <QScreen>
#include <QStyle>

namespace {
// Answers every question about pictures from the wrapped icon and only the
// name from itself.
class TNamedIconEngine : public QIconEngine
{
public:
    TNamedIconEngine(const QIcon &icon, const QString &name) : FIcon(icon), FName(name) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        FIcon.paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return FIcon.actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return FIcon.pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override
    {
        return FIcon.pixmap(size, scale, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return FIcon.availableSizes(mode, state);
    }
    QString iconName() override { return FName; }
    bool isNull() override { return FIcon.isNull(); }
    QString key() const override { return QStringLiteral("TNamedIconEngine"); }
    QIconEngine *clone() const override { return new TNamedIconEngine(FIcon, FName); }

private:
    QIcon FIcon;
    QString FName;
};
} // namespace

QIcon WithThemeName(const QIcon &icon, const QString &name)
{
    if (name.isEmpty() || !QIcon::hasThemeIcon(name))
        return icon;
    // The QIcon owns its engine.
    return QIcon(new TNamedIconEngine(icon, name));
}

namespace {
// The session bus where the environment announces one. Asked for where none
// is, libdbus tries to launch one, and QtDBus starts its thread for nothing.
QDBusConnection AnnouncedSessionBus()
{
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS") ||
        (!runtime.isEmpty() &&
         QFileInfo::exists(QString::fromLocal8Bit(runtime) + QStringLiteral("/bus"))))
        return QDBusConnection::sessionBus();
    return QDBusConnection(QStringLiteral("vorkel-no-session-bus"));
}
} // namespace

TSysTrayIcon::TSysTrayIcon(QObject *parent) : TSysTrayIcon(AnnouncedSessionBus(), parent) {}

TSysTrayIcon::TSysTrayIcon(const QDBusConnection &bus, QObject *parent)
    : QObject(parent), FItem(std::make_unique<TStatusNotifierItem>(bus))
{
    FClickTimer.setSingleShot(true);
    // A coarse timer may fire a few per cent early, inside the very interval
    // in which a second click still makes a double click.
    FClickTimer.setTimerType(Qt::PreciseTimer);
    FClickTimer.setObjectName(QStringLiteral("ClickTimer"));
    connect(&FClickTimer, &QTimer::timeout, this, &TSysTrayIcon::ClickTimerTimeout);
    connect(FItem.get(), &TStatusNotifierItem::Activated, this, &TSysTrayIcon::ItemActivated);
    connect(FItem.get(), &TStatusNotifierItem::SecondaryActivated, this, [this](QPoint point) {
        FLastClickPos = PanelPoint(point);
        Q_EMIT MiddleClick();
    });
    connect(FItem.get(), &TStatusNotifierItem::ContextMenuRequested, this,
            &TSysTrayIcon::ItemContextMenu);
    connect(FItem.get(), &TStatusNotifierItem::Scrolled, this, &TSysTrayIcon::Wheel);
    connect(FItem.get(), &TStatusNotifierItem::ActivationTokenProvided, &FActivation,
            &TPanelActivation::Provide);
    connect(FItem.get(), &TStatusNotifierItem::AvailabilityChanged, this, [this] {
        UpdateTray();
        Q_EMIT TrayChanged();
    });
}

TSysTrayIcon::~TSysTrayIcon()
{
    SetIconVisible(false);
}

void TSysTrayIcon::SetIcon(const QIcon &icon)
{
    FIcon = icon;
    if (FIconVisible)
        SendTrayMessage(TTrayMessage::Modify, IconFlag);
}

QIcon TSysTrayIcon::IconHandle() const
{
    if (!FIcon.isNull())
        return FIcon;
    if (FDefaultIcon.isNull())
        FDefaultIcon = LoadDefaultIcon();
    return FDefaultIcon;
}

void TSysTrayIcon::SetHint(const QString &hint)
{
    if (hint == FHint)
        return;
    FHint = hint;
    if (FIconVisible)
        SendTrayMessage(TTrayMessage::Modify, TipFlag);
}

QString TSysTrayIcon::TipText() const
{
    if (FHint.size() <= MaxTipLength)
        return FHint;
    // Never leave half of a surrogate pair at the end.
    const int length =
        FHint.at(MaxTipLength - 1).isHighSurrogate() ? MaxTipLength - 1 : MaxTipLength;
    return FHint.left(length);
}

void TSysTrayIcon::SetIconVisible(bool visible)
{
    if (visible == FIconVisible)
        return;
    FIconVisible = visible;
    if (visible)
        SendTrayMessage(TTrayMessage::Add, IconFlag | TipFlag);
    else
        SendTrayMessage(TTrayMessage::Delete, NoFlags);
}

void TSysTrayIcon::SetPopupMenu(QMenu *menu)
{
    FPopupMenu = menu;
    // The XEmbed tray pops the menu up on the button press itself, and a
    // StatusNotifierItem panel draws it from the exported copy.
    if (FTray != nullptr)
        FTray->setContextMenu(menu);
    FItem->SetMenu(menu);
}

QRect TSysTrayIcon::IconGeometry() const
{
    return FTray != nullptr && FTray->isVisible() ? FTray->geometry() : QRect();
}

bool TSysTrayIcon::XEmbedUsable() const
{
    // Without X there is no XEmbed, and Qt's icon would only warn.
    return !FItem->WatcherPresent() && QGuiApplication::platformName() == QLatin1String("xcb");
}

TSysTrayIcon::TTrayKind TSysTrayIcon::Kind() const
{
    if (FItem->WatcherPresent())
        return TTrayKind::StatusNotifier;
    return XEmbedUsable() ? TTrayKind::XEmbed : TTrayKind::None;
}

bool TSysTrayIcon::TrayAvailable() const
{
    if (FItem->WatcherPresent())
        return FItem->HostRegistered();
    // Asked only while no watcher is there, so Qt settles on XEmbed.
    return XEmbedUsable() && QSystemTrayIcon::isSystemTrayAvailable();
}

QSystemTrayIcon &TSysTrayIcon::XEmbedTray()
{
    if (FTray == nullptr) {
        FTray = std::make_unique<QSystemTrayIcon>();
        connect(FTray.get(), &QSystemTrayIcon::activated, this, &TSysTrayIcon::Activated);
        FTray->setContextMenu(FPopupMenu);
        FTray->setIcon(WithThemeName(IconHandle(), QGuiApplication::desktopFileName()));
        FTray->setToolTip(PlainToolTip(TipText()));
    }
    return *FTray;
}

void TSysTrayIcon::UpdateTray()
{
    FItem->SetShown(FIconVisible);
    const bool xembed = FIconVisible && XEmbedUsable();
    if (xembed)
        XEmbedTray().show();
    else if (FTray != nullptr)
        FTray->hide();
}

QPoint TSysTrayIcon::PanelPoint(QPoint point) const
{
    // Some panels send no point: the cursor is the best guess left.
    if (point.isNull())
        return QCursor::pos();
    QList<TScreenScale> screens;
    for (const QScreen *screen : QGuiApplication::screens())
        screens.append({screen->geometry(), screen->devicePixelRatio()});
    return LogicalPoint(point, screens);
}

void TSysTrayIcon::ItemActivated(QPoint point)
{
    Activate(QSystemTrayIcon::Trigger, PanelPoint(point));
}

void TSysTrayIcon::ItemContextMenu(QPoint point)
{
    // Panels that draw no menu of their own (swaybar) ask for ours.
    if (FPopupMenu == nullptr)
        return;
    FLastClickPos = PanelPoint(point);
    FPopupMenu->popup(FLastClickPos);
}

void TSysTrayIcon::Activated(QSystemTrayIcon::ActivationReason reason)
{
    Activate(reason, QCursor::pos());
}

void TSysTrayIcon::Activate(QSystemTrayIcon::ActivationReason reason, QPoint where)
{
    FLastClickPos = where;
    switch (reason) {
    case QSystemTrayIcon::Trigger:
        if (!FClickTimer.isActive()) {
            FDoubleClicked = false;
            FClickTimer.start(QApplication::doubleClickInterval());
        } else if (!FDoubleClicked) {
            // StatusNotifierItem hosts never report a double click, only a
            // second activation; an XEmbed tray reports DoubleClick instead
            // of the second Trigger, so this path counts each pair once.
            FDoubleClicked = true;
            Q_EMIT DblClick();
        }
        break;
    case QSystemTrayIcon::DoubleClick:
        if (FDoubleClicked)
            break;
        // A double click reported after the click timer ran out must not
        // swallow the next single click, so the flag is kept only while a
        // click is waiting.
        FDoubleClicked = FClickTimer.isActive();
        Q_EMIT DblClick();
        break;
    case QSystemTrayIcon::MiddleClick:
        Q_EMIT MiddleClick();
        break;
    case QSystemTrayIcon::Context:
    case QSystemTrayIcon::Unknown:
        break;
    }
}

QIcon TSysTrayIcon::LoadDefaultIcon() const
{
    return QApplication::style()->standardIcon(QStyle::SP_ComputerIcon);
}

void TSysTrayIcon::SendTrayMessage(TTrayMessage message, TTrayFlags flags)
{
    if (flags.testFlag(IconFlag)) {
        const QIcon icon = WithThemeName(IconHandle(), QGuiApplication::desktopFileName());
        FItem->SetIcon(icon);
        if (FTray != nullptr)
            FTray->setIcon(icon);
    }
    if (flags.testFlag(TipFlag)) {
        FItem->SetToolTip(TipText());
        if (FTray != nullptr)
            FTray->setToolTip(PlainToolTip(TipText()));
    }
    if (message != TTrayMessage::Modify)
        UpdateTray();
}

void TSysTrayIcon::ClickTimerTimeout()
{
    if (!FDoubleClicked)
        Q_EMIT Click();
    FDoubleClicked = false;
}
