#include "clocklistmodel.h"

#include "core/options/optionsdata.h"
#include "core/zones/timezone.h"
#include "core/zones/zonetexts.h"

TClockListModel::TClockListModel(TOptionsData &data, QObject *parent)
    : QAbstractListModel(parent), FData(data)
{}

void TClockListModel::Reload()
{
    beginResetModel();
    endResetModel();
}

void TClockListModel::SetByName(bool byName)
{
    if (byName == FByName) {
        return;
    }
    FByName = byName;
    if (rowCount() > 0) {
        Q_EMIT dataChanged(index(0), index(rowCount() - 1), {Qt::DisplayRole});
    }
}

QString TClockListModel::EntryText(const TCustomisedTimeZone &clock) const
{
    if (clock.UnknownZone) {
        return UnknownZoneTitle(clock.Title); // its offset is unknown too
    }
    return FByName ? ZoneEntryText(clock, clock.Title, true) : clock.TitleWithOffset();
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

void TClockListModel::ClockChanged(int row)
{
    Q_EMIT dataChanged(index(row), index(row), {Qt::DisplayRole});
}

int TClockListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : FData.ClockCount();
}

QVariant TClockListModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !checkIndex(index, CheckIndexOption::IndexIsValid)) {
        return {};
    }
    return EntryText(*FData.ClockAt(index.row()));
}

Qt::ItemFlags TClockListModel::flags(const QModelIndex &index) const
{
    // Entries are dragged, and dropped between others, never onto one.
    if (!index.isValid()) {
        return Qt::ItemIsDropEnabled;
    }
    return QAbstractListModel::flags(index) | Qt::ItemIsDragEnabled;
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
