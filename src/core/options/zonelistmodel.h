// The zones of a zone list as an item model for the options dialog's zone
// browser, and the proxy that shows one region of them in the chosen order.
// The search of the zone browser shows its matches through the same proxy.
#pragma once

#include "core/options/entrylistmodel.h"
#include "core/zones/zonesearch.h"

#include <QSortFilterProxyModel>
#include <optional>
#include <vector>

class TTimeZone;
class TTimeZoneList;

// One row per zone of the list, in the list's order. An entry reads
// "City (GMT +h:mm)" when zones are shown by name, "(GMT +h:mm) City" when by
// offset. While search matches are shown, one row per match instead, a city
// the tz database does not name as "City, Country" in place of the zone's
// city; no match at all shows one entry saying so, which offers nothing.
class TZoneListModel : public TEntryListModel
{
    Q_OBJECT

public:
    explicit TZoneListModel(QObject *parent = nullptr);

    // The list shown; it must outlive the model or be replaced first.
    void SetZones(const TTimeZoneList *zones);

    // The zone of a row of this model, null for an invalid index.
    const TTimeZone *Zone(const QModelIndex &index) const;
    // The row of zone (compared by identity), an invalid index when absent.
    QModelIndex IndexOf(const TTimeZone *zone) const;
    QString EntryText(const TTimeZone &zone) const;
    QString EntryText(const TPlaceMatch &match) const;

    // Shows matches, in their order, in place of the zones until ShowZones.
    void ShowMatches(std::vector<TPlaceMatch> matches);
    void ShowZones();
    bool Searching() const { return FSearching; }
    // The match of a row while matches are shown, else null.
    const TPlaceMatch *Match(const QModelIndex &index) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    // The row is the entry that tells there is no match.
    bool IsNoMatchRow(const QModelIndex &index) const;

    const TTimeZoneList *FZones = nullptr;
    bool FSearching = false;
    std::vector<TPlaceMatch> FMatches;
};

// The zones of one region (names beginning with it, case-sensitive), or all,
// sorted by entry text when by name, else west to east by base offset and
// then by entry text. Equal entries keep the list's order. Search matches
// are shown all, best first, whatever the region.
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

    void ShowMatches(std::vector<TPlaceMatch> matches) { FZones->ShowMatches(std::move(matches)); }
    void ShowZones() { FZones->ShowZones(); }
    bool Searching() const { return FZones->Searching(); }
    // The match of a row while matches are shown, else null.
    const TPlaceMatch *MatchAt(int row) const;

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override;

private:
    TZoneListModel *FZones;
    std::optional<QString> FRegion;
};
