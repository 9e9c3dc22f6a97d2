// The search box of the zone browser: while it holds text, the zone list
// shows the places that match across all regions and the region box says so;
// cleared, both are as they were.
#pragma once

#include "core/zones/zonesearch.h"

#include <QLineEdit>
#include <QPointer>
#include <QTimer>
#include <memory>

class QAbstractItemView;
class QComboBox;
class QShortcut;
class TTimeZone;
class TTimeZoneList;
class TZoneFilterModel;

class TZoneSearchBox : public QLineEdit
{
    Q_OBJECT

public:
    explicit TZoneSearchBox(QWidget *parent = nullptr);
    ~TZoneSearchBox() override;

    // The region box, the zone list and the proxy it shows, taken over while
    // searching; bound once, and all must outlive the box. Ctrl+F in the
    // box's window and typing on the list bring the focus here.
    void Bind(QComboBox *regions, QAbstractItemView *list, TZoneFilterModel *shown);
    // The zones searched, with the compiled-in places; they must outlive the
    // box or be replaced first. Clears the box.
    void SetZones(const TTimeZoneList &zones);

    // The list shows matches (the proxy's state, not the region box's entry).
    bool Searching() const;
    // The region box entry shown while searching, -1 when not searching.
    int ResultsEntry() const;
    // The match chosen in the list, null when none is or not searching.
    const TPlaceMatch *SelectedMatch() const;
    // The user is typing: the list follows every keystroke, what shows the
    // chosen match at length may wait for Settled.
    bool Typing() const { return FSettle.isActive(); }

    // The data role of the region box entry shown while searching.
    static constexpr int TagRole = Qt::UserRole;
    static constexpr int ResultsTag = 2;

Q_SIGNALS:
    // Enter was pressed on a match: it is to be added as a clock.
    void AddRequested();
    // The list shows the matches of new text, the first chosen, if any.
    void ResultsShown();
    // The user has stopped typing for a moment.
    void Settled();
    // Ctrl+F was pressed; the box takes the focus next.
    void FindRequested();
    // The box was cleared: the region box and the zone list are back as they
    // were before the search.
    void SearchEnded();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Search(const QString &text);
    void BeginSearch();
    // Gives the region box its search entry back; the entry it had before
    // when restoreRegion, else the one the user has chosen meanwhile.
    void EndSearch(bool restoreRegion);
    void RegionActivated(int index);
    const TTimeZone *SelectedZone() const;
    void SelectRow(int row);

    QPointer<QComboBox> FRegions;
    QPointer<QAbstractItemView> FList;
    QPointer<TZoneFilterModel> FShown;
    QPointer<QShortcut> FFind;
    const TTimeZoneList *FZones = nullptr;
    std::unique_ptr<TZoneSearch> FSearch; // made at the first search
    int FRegionBefore = -1;
    const TTimeZone *FZoneBefore = nullptr;
    QTimer FSettle;
};
