// One icon with a tool-tip in the desktop's notification area, its mouse
// actions turned into events: a single left click (Click, raised one
// double-click interval after the press), a left double click (DblClick, at
// once, with no Click) and a right click (the PopupMenu).
#pragma once

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

    explicit TSysTrayIcon(QObject *parent = nullptr);
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
    // The cursor position at the last activation of the icon.
    QPoint LastClickPos() const { return FLastClickPos; }

    // A single click is waiting for the double-click interval to pass.
    bool ClickPending() const { return FClickTimer.isActive(); }

Q_SIGNALS:
    void Click();
    void DblClick();

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

    mutable QIcon FDefaultIcon;
    QIcon FIcon;
    QString FHint;
    bool FIconVisible = false;
    QPointer<QMenu> FPopupMenu;
    bool FDoubleClicked = false;
    QTimer FClickTimer{this};
    QSystemTrayIcon FTray{this};
    QPoint FLastClickPos;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(TSysTrayIcon::TTrayFlags)

// The icon's own pictures under a theme icon's name: an XEmbed tray paints the
// pictures, a StatusNotifierItem host may take the name from its own theme.
// The icon comes back as it is when no theme has that name.
QIcon WithThemeName(const QIcon &icon, const QString &name);
