// What the options dialog's two lists share: an entry names its zone by name
// first, "City (GMT +h:mm)", or by offset first, as the user chose.
#pragma once

#include <QAbstractListModel>

class TEntryListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    using QAbstractListModel::QAbstractListModel;

    bool ByName() const { return FByName; }
    // Every entry's text follows the order chosen.
    void SetByName(bool byName);

private:
    bool FByName = true;
};
