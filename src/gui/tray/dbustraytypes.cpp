#include "dbustraytypes.h"

#include <QDBusMetaType>

QDBusArgument &operator<<(QDBusArgument &arg, const TSniPixmap &pixmap)
{
    arg.beginStructure();
    arg << pixmap.Width << pixmap.Height << pixmap.Bytes;
    arg.endStructure();
    return arg;
}

const QDBusArgument &operator>>(const QDBusArgument &arg, TSniPixmap &pixmap)
{
    arg.beginStructure();
    arg >> pixmap.Width >> pixmap.Height >> pixmap.Bytes;
    arg.endStructure();
    return arg;
}

QDBusArgument &operator<<(QDBusArgument &arg, const TSniToolTip &tip)
{
    arg.beginStructure();
    arg << tip.IconName << tip.Pixmaps << tip.Title << tip.Text;
    arg.endStructure();
    return arg;
}

const QDBusArgument &operator>>(const QDBusArgument &arg, TSniToolTip &tip)
{
    arg.beginStructure();
    arg >> tip.IconName >> tip.Pixmaps >> tip.Title >> tip.Text;
    arg.endStructure();
    return arg;
}

QDBusArgument &operator<<(QDBusArgument &arg, const TDBusMenuLayoutItem &item)
{
    arg.beginStructure();
    arg << item.Id << item.Properties;
    arg.beginArray(qMetaTypeId<QDBusVariant>());
    for (const TDBusMenuLayoutItem &child : item.Children)
        arg << QDBusVariant(QVariant::fromValue(child));
    arg.endArray();
    arg.endStructure();
    return arg;
}

const QDBusArgument &operator>>(const QDBusArgument &arg, TDBusMenuLayoutItem &item)
{
    arg.beginStructure();
    arg >> item.Id >> item.Properties;
    item.Children.clear();
    arg.beginArray();
    while (!arg.atEnd()) {
        QDBusVariant child;
        arg >> child;
        TDBusMenuLayoutItem childItem;
        // Read back from the wire a child is an argument still to be taken
        // apart; made in this process it is the structure itself.
        const QVariant value = child.variant();
        if (value.canConvert<QDBusArgument>())
            value.value<QDBusArgument>() >> childItem;
        else
            childItem = value.value<TDBusMenuLayoutItem>();
        item.Children.append(childItem);
    }
    arg.endArray();
    arg.endStructure();
    return arg;
}

QDBusArgument &operator<<(QDBusArgument &arg, const TDBusMenuItemProperties &item)
{
    arg.beginStructure();
    arg << item.Id << item.Properties;
    arg.endStructure();
    return arg;
}

const QDBusArgument &operator>>(const QDBusArgument &arg, TDBusMenuItemProperties &item)
{
    arg.beginStructure();
    arg >> item.Id >> item.Properties;
    arg.endStructure();
    return arg;
}

QDBusArgument &operator<<(QDBusArgument &arg, const TDBusMenuItemKeys &item)
{
    arg.beginStructure();
    arg << item.Id << item.Names;
    arg.endStructure();
    return arg;
}

const QDBusArgument &operator>>(const QDBusArgument &arg, TDBusMenuItemKeys &item)
{
    arg.beginStructure();
    arg >> item.Id >> item.Names;
    arg.endStructure();
    return arg;
}

QDBusArgument &operator<<(QDBusArgument &arg, const TDBusMenuEvent &event)
{
    arg.beginStructure();
    arg << event.Id << event.EventId << event.Data << event.Timestamp;
    arg.endStructure();
    return arg;
}

const QDBusArgument &operator>>(const QDBusArgument &arg, TDBusMenuEvent &event)
{
    arg.beginStructure();
    arg >> event.Id >> event.EventId >> event.Data >> event.Timestamp;
    arg.endStructure();
    return arg;
}

void RegisterDBusTrayTypes()
{
    qDBusRegisterMetaType<TSniPixmap>();
    qDBusRegisterMetaType<TSniPixmapList>();
    qDBusRegisterMetaType<TSniToolTip>();
    qDBusRegisterMetaType<TDBusMenuLayoutItem>();
    qDBusRegisterMetaType<TDBusMenuItemProperties>();
    qDBusRegisterMetaType<TDBusMenuItemPropertiesList>();
    qDBusRegisterMetaType<TDBusMenuItemKeys>();
    qDBusRegisterMetaType<TDBusMenuItemKeysList>();
    qDBusRegisterMetaType<TDBusMenuEvent>();
    qDBusRegisterMetaType<TDBusMenuEventList>();
}
