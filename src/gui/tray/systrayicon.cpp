#include "systrayicon.h"

#include <QApplication>
#include <QCursor>
#include <QIconEngine>
#include <QPainter>
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

TSysTrayIcon::TSysTrayIcon(QObject *parent) : QObject(parent)
{
    FClickTimer.setSingleShot(true);
    // A coarse timer may fire a few per cent early, inside the very interval
    // in which a second click still makes a double click.
    FClickTimer.setTimerType(Qt::PreciseTimer);
    FClickTimer.setObjectName(QStringLiteral("ClickTimer"));
    connect(&FClickTimer, &QTimer::timeout, this, &TSysTrayIcon::ClickTimerTimeout);
    connect(&FTray, &QSystemTrayIcon::activated, this, &TSysTrayIcon::Activated);
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
    // The tray pops the menu up on the button press itself, and a
    // StatusNotifierItem host draws it from the exported copy.
    FTray.setContextMenu(menu);
}

QRect TSysTrayIcon::IconGeometry() const
{
    return FTray.geometry();
}

void TSysTrayIcon::Activated(QSystemTrayIcon::ActivationReason reason)
{
    FLastClickPos = QCursor::pos();
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
    case QSystemTrayIcon::Context:
    case QSystemTrayIcon::MiddleClick:
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
    if (flags.testFlag(IconFlag))
        FTray.setIcon(WithThemeName(IconHandle(), QGuiApplication::desktopFileName()));
    if (flags.testFlag(TipFlag))
        FTray.setToolTip(TipText());
    switch (message) {
    case TTrayMessage::Add:
        FTray.show();
        break;
    case TTrayMessage::Delete:
        FTray.hide();
        break;
    case TTrayMessage::Modify:
        break;
    }
}

void TSysTrayIcon::ClickTimerTimeout()
{
    if (!FDoubleClicked)
        Q_EMIT Click();
    FDoubleClicked = false;
}
