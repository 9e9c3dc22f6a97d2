// The options dialog's "Clocks and Time Zones" page: the clock list editor
// on the left, the zone browser on the right (the region box, the search box,
// the zone list and the information box of the chosen zone). Searching is a
// state of the browser's list: while it shows matches, the region box and
// the order leave them alone.
#pragma once

#include <QWidget>
#include <memory>
#include <optional>

class TClockListModel;
class TCustomisedTimeZone;
class TOptionsData;
class TTimeZone;
class TTimeZoneList;
class TZoneFilterModel;
class TZoneListModel;
namespace Ui {
class TZonesPage;
}

class TZonesPage : public QWidget
{
    Q_OBJECT

public:
    explicit TZonesPage(QWidget *parent = nullptr);
    ~TZonesPage() override;

    // Shows zones in the browser and the clocks of options through clocks; all
    // must outlive the page. Called once the page is in its window.
    void SetUp(const TTimeZoneList &zones, TOptionsData &options, TClockListModel *clocks);
    // The start-up box and the zone order as stored; the first clock chosen.
    void Open();
    // Zone order and start-up box into options.
    void WriteTo(TOptionsData &options) const;
    // The start-up check box as the autostart entry really is.
    void ShowAutostartEntry();

    // Zone browser.
    QString SelectedRegion() const;
    // Lists the zones of region and chooses the first, as choosing it does.
    void SelectRegion(const QString &region);
    const TTimeZone *SelectedZone() const;
    // Shows zone (one of the zones or a copy of one) in the browser.
    void SetSelectedZone(const TTimeZone *zone);
    bool Searching() const;

    // Clock list.
    int SelectedClockIndex() const;
    TCustomisedTimeZone *SelectedClock() const;
    void SelectClock(int index);

    // Grows the information box for a long rule, once it can be measured.
    void FitDescription();
    // The zone list scrolled to its choice, once it has its size.
    void ScrollToChosenZone();

Q_SIGNALS:
    // The user changed something that a commit stores.
    void Edited();
    // The page is to be brought to the front (a clock added, Ctrl+F).
    void Wanted();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FillRegions();
    // Lists the zones whose names begin with region (all zones without one).
    void FillZoneList(const std::optional<QString> &region);
    void RefreshZoneList();
    // Lists region's zones in the browser without choosing one.
    void ListRegion(const QString &region);
    // The region the user chose.
    void ShowRegion();
    void ChooseFirstZone();
    void ShowZoneInfo();
    void ShowChosenZone();
    void AddChosenZone();
    void ChangeZoneOrder();
    // The LstZones entry of zone, -1 when it is not listed.
    int ZoneRow(const TTimeZone *zone) const;
    // Selects the entry (none for -1).
    void SelectZoneRow(int row);

    void ShowSelectedClock();
    // The clock box's caption: the clock's city, abbreviation and offset now.
    void ShowClockCaption(const TCustomisedTimeZone &clock);
    void RemoveSelectedClock();
    // Ctrl+Up/Down: the selected clock one place up (-1) or down (1).
    void MoveSelectedClock(int step);
    void RetitleSelectedClock();
    // An emptied title, once left, becomes the city's name again.
    void RestoreEmptyTitle();
    void SetSelectedClockDaylight();
    // The clock list's model changed a clock's title (the settled titles of
    // a commit, say): the title box shows it.
    void FollowClockTitle();

    std::unique_ptr<Ui::TZonesPage> FUi;
    const TTimeZoneList *FZones = nullptr;
    TClockListModel *FClockModel = nullptr;
    TZoneListModel *FZoneModel = nullptr;    // FZones as entries
    TZoneFilterModel *FZoneFilter = nullptr; // the region shown in LstZones, in the chosen order
};
