// The structures the notification area and its menu exchange over D-Bus,
// with their wire form. Registered once with QtDBus before the first object
// that uses them is exported.
#pragma once

#include <QByteArray>
#include <QDBusArgument>
#include <QDBusVariant>
#include <QList>
#include <QMetaType>
#include <QString>
#include <QStringList>
#include <QVariantMap>

// One picture of an icon: ARGB32 pixels in network byte order, (iiay).
struct TSniPixmap
{
    int Width = 0;
    int Height = 0;
    QByteArray Bytes;
};
using TSniPixmapList = QList<TSniPixmap>;

// A tool-tip: (s a(iiay) s s), icon name, pictures, title and body.
struct TSniToolTip
{
    QString IconName;
    TSniPixmapList Pixmaps;
    QString Title;
    QString Text;
};

// One menu entry with the entries under it, (ia{sv}av); the children go out
// as variants, each holding the same structure.
struct TDBusMenuLayoutItem
{
    int Id = 0;
    QVariantMap Properties;
    QList<TDBusMenuLayoutItem> Children;
};

// An entry's properties, (ia{sv}).
struct TDBusMenuItemProperties
{
    int Id = 0;
    QVariantMap Properties;
};
using TDBusMenuItemPropertiesList = QList<TDBusMenuItemProperties>;

// The names of properties an entry no longer has, (ias).
struct TDBusMenuItemKeys
{
    int Id = 0;
    QStringList Names;
};
using TDBusMenuItemKeysList = QList<TDBusMenuItemKeys>;

// One event of a group, (isvu).
struct TDBusMenuEvent
{
    int Id = 0;
    QString EventId;
    QDBusVariant Data;
    uint Timestamp = 0;
};
using TDBusMenuEventList = QList<TDBusMenuEvent>;

Q_DECLARE_METATYPE(TSniPixmap)
Q_DECLARE_METATYPE(TSniToolTip)
Q_DECLARE_METATYPE(TDBusMenuLayoutItem)
Q_DECLARE_METATYPE(TDBusMenuItemProperties)
Q_DECLARE_METATYPE(TDBusMenuItemKeys)
Q_DECLARE_METATYPE(TDBusMenuEvent)

QDBusArgument &operator<<(QDBusArgument &arg, const TSniPixmap &pixmap);
const QDBusArgument &operator>>(const QDBusArgument &arg, TSniPixmap &pixmap);
QDBusArgument &operator<<(QDBusArgument &arg, const TSniToolTip &tip);
const QDBusArgument &operator>>(const QDBusArgument &arg, TSniToolTip &tip);
QDBusArgument &operator<<(QDBusArgument &arg, const TDBusMenuLayoutItem &item);
const QDBusArgument &operator>>(const QDBusArgument &arg, TDBusMenuLayoutItem &item);
QDBusArgument &operator<<(QDBusArgument &arg, const TDBusMenuItemProperties &item);
const QDBusArgument &operator>>(const QDBusArgument &arg, TDBusMenuItemProperties &item);
QDBusArgument &operator<<(QDBusArgument &arg, const TDBusMenuItemKeys &item);
const QDBusArgument &operator>>(const QDBusArgument &arg, TDBusMenuItemKeys &item);
QDBusArgument &operator<<(QDBusArgument &arg, const TDBusMenuEvent &event);
const QDBusArgument &operator>>(const QDBusArgument &arg, TDBusMenuEvent &event);

// Makes the structures above known to QtDBus; harmless when repeated.
void RegisterDBusTrayTypes();
