// The options dialog "Vorkel Clocks - Options": its pages (clocks and time
// zones, appearance and alarm, about) are widgets of their own; the dialog
// holds what they share, the zones and the working copy of the clock list
// and the settings, starting from what the clocks window shows. OK and Apply
// commit the working copy into the settings store and hand it over, so
// whoever shows the clocks takes it as it is.
#pragma once

#include "core/clocks/clocksstate.h"
#include "core/options/optionsdata.h"
#include "core/zones/timezone.h"
#include "core/zones/timezonelist.h"

#include <QDialog>
#include <QImage>
#include <QString>
#include <QStringList>
#include <memory>

class QPushButton;
class TClockListModel;
class TContextHelp;
namespace Ui {
class TZoneForm;
}

class TZoneForm : public QDialog
{
    Q_OBJECT

public:
    // Loads the zone database from zoneFile, the one the clocks read; starts
    // the formats, font and alarm from shown.
    explicit TZoneForm(const QString &zoneFile,
                       const TClocksState &shown = TClocksState::Defaults(),
                       QWidget *parent = nullptr);
    ~TZoneForm() override;

    // Zone browser.
    const TTimeZoneList &Zones() const { return FZones; }
    QString SelectedRegion() const;
    void SelectRegion(const QString &region);
    const TTimeZone *SelectedZone() const;
    void SetSelectedZone(const TTimeZone *zone);

    // Clock list.
    const TTimeZoneList &ClockList() const { return FData.Clocks(); }
    int ClockCount() const { return FData.ClockCount(); }
    TCustomisedTimeZone *ClockAt(int index) const { return FData.ClockAt(index); }
    int SelectedClockIndex() const;
    TCustomisedTimeZone *SelectedClock() const;
    void SelectClock(int index);
    bool Modified() const { return FModified; }
    void SetModified(bool modified);
    // Commits the working copy; false (with the error shown) when it stopped.
    bool ApplyChanges();

    // Appearance and alarm page.
    const QStringList &TimeFormats() const;
    const QStringList &DateFormats() const;
    QString SelectedTimeFormat() const;
    QString SelectedDateFormat() const;

    // Help.
    // The topic "What's This?" of the context menu shows.
    int PopupTopic() const;
    // The help keyword of the active tab.
    QString HelpKeywordForPage() const;
    bool AboutPageLoaded() const;
    const QImage &WatermarkStrip() const;

Q_SIGNALS:
    // The working copy is now in the settings store: the clocks and the
    // formats, font and alarm, as committed.
    void ChangesApplied(const TTimeZoneList &clocks, const TClocksState &state);
    // The manual is asked for, at the page of keyword (see HelpPageForKeyword).
    void HelpRequested(const QString &keyword);
    // A context pop-up was asked for (What's This, the caption help button or F1).
    void HelpPopupRequested(int topic);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void LoadZones();
    void CommitAndClose();
    // A page change leaves an unfinished alarm time only once it is accepted.
    void TabChanged();
    void BuildWatermarkStrip();

    std::unique_ptr<Ui::TZoneForm> FUi; // the frame and the pages, laid out by zoneform.ui
    QString FZoneFile;
    bool FModified = false;
    TTimeZoneList FZones;
    TOptionsData FData;                     // the working copy
    TClockListModel *FClockModel = nullptr; // FData's clocks, for the pages
    TContextHelp *FHelp = nullptr;
    QPushButton *FApply = nullptr; // enabled while there is something to commit
    QWidget *FShownPage = nullptr; // the page shown before the current one was chosen
    bool FPlaced = false;
};
