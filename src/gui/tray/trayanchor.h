// Where the tray icon is, for placing a window beside it: an XEmbed tray
// tells the icon's rectangle once it has docked it; a StatusNotifierItem host
// tells at most the point that was clicked.
#pragma once

#include <QPoint>
#include <QRect>
#include <optional>

class QObject;
class TSysTrayIcon;

// The docked icon's screen rectangle; empty until a tray has placed it.
QRect DockedIconRect(const TSysTrayIcon &icon);
// The docked icon, else a small square around the last click on it, else
// nothing known.
std::optional<QRect> NotificationRect(const TSysTrayIcon &icon);
// The point a StatusNotifierItem panel sent with the last click on the icon;
// nothing on an XEmbed tray or before the first click.
std::optional<QPoint> PanelClickPoint(const TSysTrayIcon &icon);
// Logs (category vorkel.clocks, debug) where the icon docked and its hint,
// once it has, or after ten seconds; polls with a timer owned by owner.
void ReportDocking(const TSysTrayIcon &icon, QObject &owner);
