#include "zonelistmodel.h"

#include "core/zones/timezone.h"
#include "core/zones/timezonelist.h"
#include "core/zones/zonetexts.h"

TZoneListModel::TZoneListModel(QObject *parent) : TEntryListModel(parent) {}

void TZoneListModel::SetZones(const TTimeZoneList *zones)
{
    beginResetModel();
    FZones = zones;
    endResetModel();
}

const TTimeZone *TZoneListModel::Zone(const QModelIndex &index) const
{
    if (FSearching) {
        const TPlaceMatch *match = Match(index);
        return match == nullptr ? nullptr : match->Zone;
    }
    if (FZones == nullptr || !index.isValid() || index.model() != this ||
        index.row() >= FZones->Count()) {
        return nullptr;
    }
    return FZones->ZoneAt(index.row());
}

QModelIndex TZoneListModel::IndexOf(const TTimeZone *zone) const
{
    if (zone == nullptr) {
        return {};
    }
    for (int row = 0; row < rowCount(); ++row) {
        if (Zone(index(row)) == zone) {
            return index(row);
        }
    }
    return {};
}

const TPlaceMatch *TZoneListModel::Match(const QModelIndex &index) const
{
    if (!FSearching || !index.isValid() || index.model() != this ||
        static_cast<size_t>(index.row()) >= FMatches.size()) {
        return nullptr;
    }
    return &FMatches[static_cast<size_t>(index.row())];
}

void TZoneListModel::ShowMatches(std::vector<TPlaceMatch> matches)
{
    beginResetModel();
    FSearching = true;
    FMatches = std::move(matches);
    endResetModel();
}

void TZoneListModel::ShowZones()
{
    if (!FSearching) {
        return;
    }
    beginResetModel();
    FSearching = false;
    FMatches.clear();
    endResetModel();
}

bool TZoneListModel::IsNoMatchRow(const QModelIndex &index) const
{
    return FSearching && FMatches.empty() && index.isValid() && index.model() == this &&
           index.row() == 0;
}

QString TZoneListModel::EntryText(const TTimeZone &zone) const
{
    return ZoneEntryText(zone, zone.CityName(), ByName());
}

QString TZoneListModel::EntryText(const TPlaceMatch &match) const
{
    if (match.Zone == nullptr) {
        return {};
    }
    if (match.City.isEmpty()) {
        return EntryText(*match.Zone);
    }
    // The English name beside a translated one tells which place it is.
    QString place = match.English.isEmpty()
                        ? match.City
                        //: a place's name in the user's language, then in English
                        : tr("%1 (%2)").arg(match.City, match.English);
    if (!match.Country.isEmpty()) {
        //: a place, then its country
        place = tr("%1, %2").arg(place, match.Country);
    }
    return ZoneEntryText(*match.Zone, place, ByName());
}

int TZoneListModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid()) {
        return 0;
    }
    if (FSearching) {
        return FMatches.empty() ? 1 : static_cast<int>(FMatches.size());
    }
    return FZones == nullptr ? 0 : FZones->Count();
}

QVariant TZoneListModel::data(const QModelIndex &index, int role) const
{
    if (IsNoMatchRow(index)) {
        return role == Qt::DisplayRole ? QVariant(tr("No matching places")) : QVariant();
    }
    const TPlaceMatch *match = Match(index);
    if (match != nullptr) {
        // Which zone a city's clock will follow.
        if (role == Qt::ToolTipRole) {
            return match->Zone->Name;
        }
        return role == Qt::DisplayRole ? QVariant(EntryText(*match)) : QVariant();
    }
    const TTimeZone *zone = Zone(index);
    if (zone == nullptr || role != Qt::DisplayRole) {
        return {};
    }
    return EntryText(*zone);
}

Qt::ItemFlags TZoneListModel::flags(const QModelIndex &index) const
{
    if (!index.isValid()) {
        return TEntryListModel::flags(index);
    }
    if (IsNoMatchRow(index)) {
        return Qt::ItemNeverHasChildren;
    }
    return TEntryListModel::flags(index) | Qt::ItemNeverHasChildren;
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

const TPlaceMatch *TZoneFilterModel::MatchAt(int row) const
{
    return FZones->Match(mapToSource(index(row, 0)));
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
    if (FZones->Searching()) {
        return true;
    }
    const TTimeZone *zone = FZones->Zone(FZones->index(sourceRow, 0, sourceParent));
    return zone != nullptr && (!FRegion || zone->Name.startsWith(*FRegion, Qt::CaseSensitive));
}

bool TZoneFilterModel::lessThan(const QModelIndex &left, const QModelIndex &right) const
{
    if (FZones->Searching()) {
        return left.row() < right.row(); // best first, as found
    }
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
