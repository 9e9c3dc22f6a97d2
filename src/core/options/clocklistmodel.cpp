#include "clocklistmodel.h"

#include "core/options/optionsdata.h"
#include "core/time/clocksource.h"
#include "core/zones/timezone.h"
#include "core/zones/timezonelist.h"
#include "core/zones/zonetexts.h"

TClockListModel::TClockListModel(TOptionsData &data, QObject *parent)
    : TEntryListModel(parent), FData(data)
{}

void TClockListModel::Reload()
{
    beginResetModel();
    endResetModel();
}

QString TClockListModel::EntryText(const TCustomisedTimeZone &clock) const
{
    if (clock.UnknownZone) {
        return UnknownZoneTitle(clock.Title); // its offset is unknown too
    }
    // The offset the clock shows now, daylight time's in summer, as its
    // window does.
    const int offset = ClockOffsetAt(clock, clock.UseDaylight, NowUTC()).Offset;
    // By offset, a clock whose title is being typed anew reads as its city.
    const bool city = clock.Title.isEmpty() && !ByName();
    return ZoneEntryText(city ? clock.CityName() : clock.Title, offset, ByName());
}

TCustomisedTimeZone *TClockListModel::ClockAt(const QModelIndex &index) const
{
    return checkIndex(index, CheckIndexOption::IndexIsValid) ? FData.ClockAt(index.row()) : nullptr;
}

int TClockListModel::AddClock(const TTimeZone &zone, const QString &title)
{
    const int row = FData.ClockCount();
    beginInsertRows({}, row, row);
    const int added = FData.AddClock(zone, title);
    endInsertRows();
    return added;
}

void TClockListModel::RemoveClock(int row)
{
    if (row < 0 || row >= FData.ClockCount()) {
        return;
    }
    beginRemoveRows({}, row, row);
    FData.RemoveClock(row);
    endRemoveRows();
}

void TClockListModel::SettleTitles()
{
    for (const int row : FData.SettleTitles()) {
        Q_EMIT dataChanged(index(row), index(row), {Qt::DisplayRole, Qt::EditRole});
    }
}

int TClockListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : FData.ClockCount();
}

QVariant TClockListModel::data(const QModelIndex &index, int role) const
{
    const TCustomisedTimeZone *clock = ClockAt(index);
    if (clock == nullptr) {
        return {};
    }
    switch (role) {
    case Qt::DisplayRole:
        return EntryText(*clock);
    case Qt::EditRole:
        return clock->Title;
    case UseDaylightRole:
        return clock->UseDaylight;
    default:
        return {};
    }
}

bool TClockListModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    TCustomisedTimeZone *clock = ClockAt(index);
    if (clock == nullptr) {
        return false;
    }
    if (role == Qt::EditRole) {
        clock->Title = value.toString();
        Q_EMIT dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
        return true;
    }
    if (role == UseDaylightRole) {
        clock->UseDaylight = value.toBool();
        Q_EMIT dataChanged(index, index, {Qt::DisplayRole, UseDaylightRole}); // its offset
        return true;
    }
    return false;
}

Qt::ItemFlags TClockListModel::flags(const QModelIndex &index) const
{
    // Entries are dragged, and dropped between others, never onto one.
    if (!index.isValid()) {
        return Qt::ItemIsDropEnabled;
    }
    return TEntryListModel::flags(index) | Qt::ItemIsDragEnabled;
}

Qt::DropActions TClockListModel::supportedDropActions() const
{
    return Qt::MoveAction;
}

bool TClockListModel::moveRows(const QModelIndex &sourceParent, int sourceRow, int count,
                               const QModelIndex &destinationParent, int destinationChild)
{
    const int rows = FData.ClockCount();
    if (sourceParent.isValid() || destinationParent.isValid() || count < 1 || sourceRow < 0 ||
        sourceRow + count > rows || destinationChild < 0 || destinationChild > rows ||
        (destinationChild >= sourceRow && destinationChild <= sourceRow + count)) {
        return false;
    }
    beginMoveRows({}, sourceRow, sourceRow + count - 1, {}, destinationChild);
    for (int i = 0; i < count; ++i) {
        if (destinationChild < sourceRow) {
            FData.MoveClock(sourceRow + i, destinationChild + i);
        } else {
            FData.MoveClock(sourceRow, destinationChild - 1);
        }
    }
    endMoveRows();
    return true;
}

TClockTitleModel::TClockTitleModel(TClockListModel *clocks, QObject *parent)
    : QSortFilterProxyModel(parent), FClocks(clocks)
{
    setSourceModel(clocks);
    setDynamicSortFilter(true);
    setSortRole(Qt::EditRole);
    sort(0);
}

TCustomisedTimeZone *TClockTitleModel::ClockAt(int row) const
{
    return FClocks->ClockAt(mapToSource(index(row, 0)));
}

QVariant TClockTitleModel::data(const QModelIndex &index, int role) const
{
    // The title alone, without the offset the clock list shows.
    return QSortFilterProxyModel::data(index, role == Qt::DisplayRole ? Qt::EditRole : role);
}

bool TClockTitleModel::lessThan(const QModelIndex &left, const QModelIndex &right) const
{
    const int order =
        CompareTextLocale(left.data(Qt::EditRole).toString(), right.data(Qt::EditRole).toString());
    // Equal titles keep the clocks' order.
    return order != 0 ? order < 0 : left.row() < right.row();
}
