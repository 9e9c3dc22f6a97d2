// The program's icon on a StatusNotifierItem panel (KDE Plasma, GNOME with
// the AppIndicator extension, swaybar, and others): the item on the session
// bus with its menu, registered with the panel's watcher whenever one is
// there: at start, when one appears later, and again when a panel restarts.
#pragma once

#include "dbustraytypes.h"

#include <QDBusConnection>
#include <QDBusServiceWatcher>
#include <QIcon>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <memory>

class QMenu;
class TDBusMenuExporter;

class TStatusNotifierItem : public QObject
{
    Q_OBJECT

public:
    static constexpr char WatcherService[] = "org.kde.StatusNotifierWatcher";
    static constexpr char ItemPath[] = "/StatusNotifierItem";
    static constexpr char MenuPath[] = "/MenuBar";

    // Nothing goes on the bus before SetShown(true).
    explicit TStatusNotifierItem(const QDBusConnection &connection = QDBusConnection::sessionBus(),
                                 QObject *parent = nullptr);
    ~TStatusNotifierItem() override;

    // A watcher owns its name on the bus now.
    bool WatcherPresent() const { return FWatcherPresent; }
    // The watcher has said that a panel shows its items.
    bool HostRegistered() const { return FHostRegistered; }
    // The bus name the item is offered under.
    const QString &ServiceName() const { return FServiceName; }
    // Registered with the current watcher (its reply came back).
    bool Registered() const { return FRegistered; }

    // Puts the item on the bus and registers it, or takes it off.
    void SetShown(bool shown);
    bool Shown() const { return FShown; }

    // What the panel shows. icon's theme name, when it has one the theme
    // knows, goes as IconName, its pictures always as IconPixmap.
    void SetIcon(const QIcon &icon);
    void SetToolTip(const QString &text);
    void SetTitle(const QString &title);
    // The menu the panel draws; not owned.
    void SetMenu(QMenu *menu);
    QMenu *Menu() const;
    TDBusMenuExporter *MenuExporter() const { return FMenu.get(); }

    // The properties a panel reads.
    const QString &Id() const { return FId; }
    const QString &Title() const { return FTitle; }
    const QString &IconName() const { return FIconName; }
    const QList<TSniPixmap> &IconPixmaps() const { return FIconPixmaps; }
    TSniToolTip ToolTip() const;

    // A panel's scroll amount in QWheelEvent::angleDelta() units, positive
    // away from the user. Panels disagree: Plasma sends angle units with
    // up positive, GNOME and swaybar whole steps with down positive.
    static int WheelAngle(int delta);
    // The icon's pictures as the protocol carries them.
    static QList<TSniPixmap> PixmapsOf(const QIcon &icon);

    // The protocol's calls, as a panel makes them. Points are in the panel's
    // screen coordinates.
    void Activate(int x, int y);
    void SecondaryActivate(int x, int y);
    void ContextMenu(int x, int y);
    void Scroll(int delta, const QString &orientation);
    // What the panel hands over for the window a click is about to show.
    void ProvideActivationToken(const QString &token);

Q_SIGNALS:
    void Activated(QPoint point);
    void SecondaryActivated(QPoint point);
    void ContextMenuRequested(QPoint point);
    // Vertical turns only, in angle units (see WheelAngle).
    void Scrolled(int angleDelta);
    void ActivationTokenProvided(const QString &token);
    // WatcherPresent or HostRegistered changed.
    void AvailabilityChanged();
    // Toward the bus.
    void IconChanged();
    void ToolTipChanged();
    void TitleChanged();

private Q_SLOTS:
    void HostAppeared();
    void HostGone();
    void ItemUnregistered(const QString &item);

private:
    void WatcherOwnerChanged(const QString &newOwner);
    void Register();
    void AskHostRegistered();
    void SetHostRegistered(bool registered);
    void PutOnBus();
    void TakeOffBus();

    QDBusConnection FConnection;
    QDBusServiceWatcher FWatcher;
    QString FServiceName;
    QString FId;
    QString FTitle;
    QString FIconName;
    QList<TSniPixmap> FIconPixmaps;
    QString FToolTip;
    QPointer<QMenu> FMenuSource;
    std::unique_ptr<TDBusMenuExporter> FMenu;
    bool FWatcherPresent = false;
    bool FHostRegistered = false;
    bool FShown = false;
    bool FOnBus = false;
    bool FRegistered = false;
    int FRegisterTries = 0;
    int FDroppedTimes = 0;
    QTimer FRegisterRetry;
};
