// The zones of a zone list as an item model for the options dialog's zone
// browser, and the proxy that shows one region of them in the chosen order.
// The search of the zone browser filters the same proxy.
#pragma once

#include <QAbstractListModel>
#include <QSortFilterProxyModel>
#include <optional>

class TTimeZone;
class TTimeZoneList;

// One row per zone of the list, in the list's order. An entry reads
// "City (GMT +h:mm)" when zones are shown by name, "(GMT +h:mm) City" when by
// offset.
class TZoneListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    explicit TZoneListModel(QObject *parent = nullptr);

    // The list shown; it must outlive the model or be replaced first.
    void SetZones(const TTimeZoneList *zones);
    bool ByName() const { return FByName; }
    void SetByName(bool byName);

    // The zone of a row of this model, null for an invalid index.
    const TTimeZone *Zone(const QModelIndex &index) const;
    // The row of zone (compared by identity), an invalid index when absent.
    QModelIndex IndexOf(const TTimeZone *zone) const;
    QString EntryText(const TTimeZone &zone) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    const TTimeZoneList *FZones = nullptr;
    bool FByName = true;
};

// The zones of one region (names beginning with it, case-sensitive), or all,
// sorted by entry text when by name, else west to east by base offset and
// then by entry text. Equal entries keep the list's order.
class TZoneFilterModel : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    explicit TZoneFilterModel(TZoneListModel *zones, QObject *parent = nullptr);

    const std::optional<QString> &Region() const { return FRegion; }
    void SetRegion(const std::optional<QString> &region);
    // Shows by name or by offset, and sorts to match.
    void SetByName(bool byName);

    // The zone of a row of this proxy, null for an invalid one.
    const TTimeZone *ZoneAt(int row) const;
    // The row where zone is shown, -1 when it is filtered out or unknown.
    int RowOf(const TTimeZone *zone) const;

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override;

private:
    TZoneListModel *FZones;
    std::optional<QString> FRegion;
};
