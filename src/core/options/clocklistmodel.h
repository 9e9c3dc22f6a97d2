// The clocks being edited in the options dialog ("Your clocks") as an item
// model over the working copy: one row per clock in clock order, reordered
// by moving rows, which the list view's internal drag and drop and the
// keyboard both do; and the same clocks by title, as the alarm's clock box
// offers them.
#pragma once

#include "core/options/entrylistmodel.h"

#include <QSortFilterProxyModel>

class TCustomisedTimeZone;
class TOptionsData;
class TTimeZone;

class TClockListModel : public TEntryListModel
{
    Q_OBJECT

public:
    // Beside the entry text (Qt::DisplayRole): the title (Qt::EditRole) and
    // whether the clock shows daylight time (UseDaylightRole), both also set
    // through setData.
    static constexpr int UseDaylightRole = Qt::UserRole + 1;

    // data must outlive the model; its clock list changes only through the
    // model while the model shows it, or Reload follows.
    explicit TClockListModel(TOptionsData &data, QObject *parent = nullptr);

    // Shows the clocks of data anew, after data loaded another list.
    void Reload();
    // An entry reads "Title (GMT +h:mm)" when zones are shown by name,
    // "(GMT +h:mm) Title" otherwise: the offset the clock shows now.
    QString EntryText(const TCustomisedTimeZone &clock) const;
    TCustomisedTimeZone *ClockAt(const QModelIndex &index) const;

    // A clock of zone at the end (see TOptionsData::AddClock); its row.
    int AddClock(const TTimeZone &zone, const QString &title = {});
    void RemoveClock(int row);
    // Titles as they will read back once stored (TOptionsData::SettleTitles).
    void SettleTitles();

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    Qt::DropActions supportedDropActions() const override;
    // Moves count clocks from sourceRow to before destinationChild, as Qt's
    // models do; false (nothing moved) for rows out of range or a move onto
    // themselves.
    bool moveRows(const QModelIndex &sourceParent, int sourceRow, int count,
                  const QModelIndex &destinationParent, int destinationChild) override;

private:
    TOptionsData &FData;
};

// The clocks of a TClockListModel by title alone, sorted by title as the
// user's language sorts, clocks of equal titles in clock order. Follows the
// clocks as they are added, removed, moved and retitled.
class TClockTitleModel : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    explicit TClockTitleModel(TClockListModel *clocks, QObject *parent = nullptr);

    // The clock of a row of this proxy, null for none.
    TCustomisedTimeZone *ClockAt(int row) const;

    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

protected:
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override;

private:
    TClockListModel *FClocks;
};
