#include "zonelistmodel.h"

#include "timezones/tzhelpers.h"

TZoneListModel::TZoneListModel(QObject *parent) : QAbstractListModel(parent) {}

void TZoneListModel::SetZones(const TTimeZoneList *zones)
{
    beginResetModel();
    FZones = zones;
    endResetModel();
}

void TZoneListModel::SetByName(bool byName)
{
    if (byName == FByName) {
        return;
    }
    FByName = byName;
    if (rowCount() > 0) {
        Q_EMIT dataChanged(index(0), index(rowCount() - 1), {Qt::DisplayRole});
    }
}

const TTimeZone *TZoneListModel::Zone(const QModelIndex &index) const
{
    if (FZones == nullptr || !index.isValid() || index.model() != this ||
        index.row() >= FZones->Count()) {
        return nullptr;
    }
    return FZones->ZoneAt(index.row());
}

QModelIndex TZoneListModel::IndexOf(const TTimeZone *zone) const
{
    for (int row = 0; FZones != nullptr && row < FZones->Count(); ++row) {
        if (FZones->ZoneAt(row) == zone) {
            return index(row);
        }
    }
    return {};
}

QString TZoneListModel::EntryText(const TTimeZone &zone) const
{
    if (FByName) {
        return zone.CityName() + QStringLiteral(" (") +
               GMTText(zone.UTCOffset + zone.StandardOffset, true) + u')';
    }
    return zone.DisplayName();
}

int TZoneListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() || FZones == nullptr ? 0 : FZones->Count();
}

QVariant TZoneListModel::data(const QModelIndex &index, int role) const
{
    const TTimeZone *zone = Zone(index);
    if (zone == nullptr || role != Qt::DisplayRole) {
        return {};
    }
    return EntryText(*zone);
}

TZoneFilterModel::TZoneFilterModel(TZoneListModel *zones, QObject *parent)
    : QSortFilterProxyModel(parent), FZones(zones)
{
    setSourceModel(zones);
    setDynamicSortFilter(true);
    sort(0);
}

void TZoneFilterModel::SetRegion(const std::optional<QString> &region)
{
    FRegion = region;
    invalidateFilter();
}

void TZoneFilterModel::SetByName(bool byName)
{
    FZones->SetByName(byName);
    invalidate();
}

const TTimeZone *TZoneFilterModel::ZoneAt(int row) const
{
    return FZones->Zone(mapToSource(index(row, 0)));
}

int TZoneFilterModel::RowOf(const TTimeZone *zone) const
{
    const QModelIndex shown = mapFromSource(FZones->IndexOf(zone));
    return shown.isValid() ? shown.row() : -1;
}

bool TZoneFilterModel::filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const
{
    if (!QSortFilterProxyModel::filterAcceptsRow(sourceRow, sourceParent)) {
        return false;
    }
    const TTimeZone *zone = FZones->Zone(FZones->index(sourceRow, 0, sourceParent));
    return zone != nullptr && (!FRegion || zone->Name.startsWith(*FRegion, Qt::CaseSensitive));
}

bool TZoneFilterModel::lessThan(const QModelIndex &left, const QModelIndex &right) const
{
    const TTimeZone *a = FZones->Zone(left);
    const TTimeZone *b = FZones->Zone(right);
    if (a == nullptr || b == nullptr) {
        return false;
    }
    const QString textA = FZones->EntryText(*a);
    const QString textB = FZones->EntryText(*b);
    if (FZones->ByName()) {
        return CompareTextLocale(textA, textB) < 0;
    }
    // West to east by the base offset alone.
    if (a->UTCOffset != b->UTCOffset) {
        return a->UTCOffset < b->UTCOffset;
    }
    return CompareStringLocale(textA, textB) < 0;
}
