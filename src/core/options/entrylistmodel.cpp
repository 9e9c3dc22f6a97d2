#include "entrylistmodel.h"

void TEntryListModel::SetByName(bool byName)
{
    if (byName == FByName) {
        return;
    }
    FByName = byName;
    if (rowCount() > 0) {
        Q_EMIT dataChanged(index(0), index(rowCount() - 1), {Qt::DisplayRole});
    }
}
