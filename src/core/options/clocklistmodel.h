// The clocks being edited in the options dialog ("Your clocks") as an item
// model over the working copy: one row per clock in clock order, reordered
// by moving rows, which the list view's internal drag and drop and the
// keyboard both do.
#pragma once

#include <QAbstractListModel>

class TCustomisedTimeZone;
class TOptionsData;
class TTimeZone;

class TClockListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    // data must outlive the model; its clock list changes only through the
    // model while the model shows it, or Reload follows.
    explicit TClockListModel(TOptionsData &data, QObject *parent = nullptr);

    // Shows the clocks of data anew, after data loaded another list.
    void Reload();
    // An entry reads "Title (GMT +h:mm)" when zones are shown by name, the
    // clock's title with its offset in the clocks window's way otherwise.
    bool ByName() const { return FByName; }
    void SetByName(bool byName);
    QString EntryText(const TCustomisedTimeZone &clock) const;

    // A clock of zone at the end (see TOptionsData::AddClock); its row.
    int AddClock(const TTimeZone &zone, const QString &title = {});
    void RemoveClock(int row);
    // The clock of row was retitled in data.
    void ClockChanged(int row);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    Qt::DropActions supportedDropActions() const override;
    // Moves count clocks from sourceRow to before destinationChild, as Qt's
    // models do; false (nothing moved) for rows out of range or a move onto
    // themselves.
    bool moveRows(const QModelIndex &sourceParent, int sourceRow, int count,
                  const QModelIndex &destinationParent, int destinationChild) override;

private:
    TOptionsData &FData;
    bool FByName = true;
};
