#include "gui/tray/trayanchor.h"

#include "gui/tray/systrayicon.h"

#include <QLoggingCategory>
#include <QTimer>

Q_DECLARE_LOGGING_CATEGORY(lcClocks)

QRect DockedIconRect(const TSysTrayIcon &icon)
{
    // An XEmbed icon reads 0,0 until its tray has placed it.
    const QRect rect = icon.IconGeometry();
    return rect.topLeft().isNull() ? QRect() : rect;
}

std::optional<QRect> NotificationRect(const TSysTrayIcon &icon)
{
    const QRect docked = DockedIconRect(icon);
    if (!docked.isEmpty())
        return docked;
    // StatusNotifierItem hosts never tell where the icon is: the click was on it.
    const QPoint click = icon.LastClickPos();
    if (!click.isNull())
        return QRect(click - QPoint(8, 8), QSize(16, 16));
    return std::nullopt;
}

std::optional<QPoint> PanelClickPoint(const TSysTrayIcon &icon)
{
    if (icon.Kind() != TSysTrayIcon::TTrayKind::StatusNotifier || icon.LastClickPos().isNull())
        return std::nullopt;
    return icon.LastClickPos();
}

void ReportDocking(const TSysTrayIcon &icon, QObject &owner)
{
    // The tray tells where the icon went only once it has docked.
    auto *poll = new QTimer(&owner);
    poll->setInterval(20);
    QObject::connect(poll, &QTimer::timeout, &owner, [&icon, poll, tries = 0]() mutable {
        const QRect rect = DockedIconRect(icon);
        if (rect.isEmpty() && ++tries < 500)
            return;
        qCDebug(lcClocks).noquote() << QStringLiteral("tray icon docked at %1,%2 %3x%4; hint: %5")
                                           .arg(rect.x())
                                           .arg(rect.y())
                                           .arg(rect.width())
                                           .arg(rect.height())
                                           .arg(icon.Hint());
        poll->deleteLater();
    });
    poll->start();
}
