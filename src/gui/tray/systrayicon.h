// One icon with a tool-tip in the desktop's notification area, its mouse
// actions turned into events: a single left click (Click, raised one
// double-click interval after the press), a left double click (DblClick, at
// once, with no Click), a middle click (MiddleClick), a wheel turn (Wheel)
// and a right click (the PopupMenu).
//
// A StatusNotifierItem panel gets our own item on the session bus whenever
// its watcher is there (at start or later); an XEmbed tray gets Qt's icon
// while no watcher is. Qt's icon is made only then: Qt decides once, when
// the first one is made, whether it registers with a watcher itself.
#pragma once

#include "gui/tray/panelactivation.h"

#include <QFlags>
#include <QIcon>
#include <QMenu>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QSystemTrayIcon>
#include <QTimer>
#include <memory>

class QDBusConnection;
class TStatusNotifierItem;

class TSysTrayIcon : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QIcon Icon READ Icon WRITE SetIcon)
    Q_PROPERTY(QString Hint READ Hint WRITE SetHint)
    Q_PROPERTY(bool IconVisible READ IconVisible WRITE SetIconVisible)

public:
    // What goes to the notification area.
    enum class TTrayMessage
    {
        Add,
        Modify,
        Delete
    };
    enum TTrayFlag
    {
        NoFlags = 0,
        IconFlag = 0x2,
        TipFlag = 0x4
    };
    Q_DECLARE_FLAGS(TTrayFlags, TTrayFlag)

    // The longest tool-tip the notification area is given.
    static constexpr int MaxTipLength = 63;

    enum class TTrayKind
    {
        None,
        XEmbed,
        StatusNotifier
    };

    explicit TSysTrayIcon(QObject *parent = nullptr);
    // The bus the item goes on; a bus that is not connected means XEmbed only.
    explicit TSysTrayIcon(const QDBusConnection &bus, QObject *parent = nullptr);
    // Removes a visible icon.
    ~TSysTrayIcon() override;

    // Empty: the stock icon (IconHandle) is shown instead.
    const QIcon &Icon() const { return FIcon; }
    void SetIcon(const QIcon &icon);
    // The icon actually shown.
    QIcon IconHandle() const;

    const QString &Hint() const { return FHint; }
    // Sent only when the text changes and the icon is visible.
    void SetHint(const QString &hint);
    // Hint as the notification area gets it: at most MaxTipLength characters.
    QString TipText() const;

    bool IconVisible() const { return FIconVisible; }
    // Adds or removes the icon, only on a change; hint and icon changes made
    // while hidden go out with the next add.
    void SetIconVisible(bool visible);

    // Opened on a right click; not owned, cleared when the menu is destroyed.
    QMenu *PopupMenu() const { return FPopupMenu; }
    void SetPopupMenu(QMenu *menu);

    // The icon's screen rectangle; empty while unknown (not docked yet, or a
    // StatusNotifierItem host, which never tells).
    QRect IconGeometry() const;
    // Where the icon was last activated: the point a StatusNotifierItem panel
    // sent, else the cursor position at the activation.
    QPoint LastClickPos() const { return FLastClickPos; }

    // Which kind of notification area the icon goes to now.
    TTrayKind Kind() const;
    // A notification area shows the icon now, or would show it.
    bool TrayAvailable() const;
    // The StatusNotifierItem, also while no panel is there.
    TStatusNotifierItem *NotifierItem() const { return FItem.get(); }
    // What the panel handed over for the next window shown.
    const TPanelActivation &Activation() const { return FActivation; }

    // A single click is waiting for the double-click interval to pass.
    bool ClickPending() const { return FClickTimer.isActive(); }

Q_SIGNALS:
    void Click();
    void DblClick();
    void MiddleClick();
    // A wheel turn over the icon, in QWheelEvent::angleDelta() units.
    void Wheel(int angleDelta);
    // Kind() or TrayAvailable() may have changed.
    void TrayChanged();

public Q_SLOTS:
    // The icon's mouse actions as the tray reports them.
    void Activated(QSystemTrayIcon::ActivationReason reason);

protected:
    // The stock icon shown while Icon is empty; asked for once, on first use.
    virtual QIcon LoadDefaultIcon() const;
    // Hands the icon, the tip or both (flags) to the notification area.
    virtual void SendTrayMessage(TTrayMessage message, TTrayFlags flags);

private:
    void ClickTimerTimeout();
    // Shows the icon in the kind of notification area there is now.
    void UpdateTray();
    QSystemTrayIcon &XEmbedTray();
    bool XEmbedUsable() const;
    QPoint PanelPoint(QPoint point) const;
    void Activate(QSystemTrayIcon::ActivationReason reason, QPoint where);
    void ItemActivated(QPoint point);
    void ItemContextMenu(QPoint point);

    mutable QIcon FDefaultIcon;
    QIcon FIcon;
    QString FHint;
    bool FIconVisible = false;
    QPointer<QMenu> FPopupMenu;
    bool FDoubleClicked = false;
    QTimer FClickTimer{this};
    std::unique_ptr<TStatusNotifierItem> FItem;
    std::unique_ptr<QSystemTrayIcon> FTray;
    QPoint FLastClickPos;
    TPanelActivation FActivation;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(TSysTrayIcon::TTrayFlags)

// The icon's own pictures under a theme icon's name: an XEmbed tray paints the
// pictures, a StatusNotifierItem host may take the name from its own theme.
// The icon comes back as it is when no theme has that name.
QIcon WithThemeName(const QIcon &icon, const QString &name);
