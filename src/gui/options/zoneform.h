// The options dialog "Vorkel Clocks - Options": the zone browser, the clock
// list editor and the appearance and alarm page. It edits working copies of
// the clock list and the settings, starting from what the clocks window
// shows; OK and Apply commit them into the settings store and announce it,
// so whoever shows the clocks reloads them.
#pragma once

#include "core/clocks/clocksstate.h"
#include "core/options/optionsdata.h"
#include "core/zones/timezone.h"
#include "core/zones/timezonelist.h"

#include <QDialog>
#include <QFont>
#include <QImage>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

class QMenu;
class TClockListModel;
class QUrl;
class TZoneFilterModel;
class TZoneListModel;
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
    void FillRegions();
    // Lists the zones whose names begin with region (all zones without one).
    void FillZoneList(const std::optional<QString> &region);
    void RefreshZoneList();
    QString SelectedRegion() const;
    void SelectRegion(const QString &region);
    void RegionChanged();
    const TTimeZone *SelectedZone() const;
    void ShowZoneInfo();
    void SetSelectedZone(const TTimeZone *zone);

    // Clock list.
    const TTimeZoneList &ClockList() const { return FData.Clocks(); }
    int ClockCount() const { return FData.ClockCount(); }
    TCustomisedTimeZone *ClockAt(int index) const { return FData.ClockAt(index); }
    int SelectedClockIndex() const;
    TCustomisedTimeZone *SelectedClock() const;
    void SelectClock(int index);
    void RefreshClockTitles();
    bool Modified() const { return FModified; }
    void SetModified(bool modified);
    // Commits the working copy; false (with the error shown) when it stopped.
    bool ApplyChanges();

    // Appearance and alarm page.
    const QStringList &TimeFormats() const { return FTimeFormats; }
    const QStringList &DateFormats() const { return FDateFormats; }
    void FillFormatLists();
    QString SelectedTimeFormat() const;
    QString SelectedDateFormat() const;
    QFont ClockFont() const { return FClockFont; }
    std::int32_t ClockFontColor() const { return FClockFontColor; }
    void SetClockFont(const QFont &font, std::int32_t color);
    void ShowFontName();
    void LoadAlarmClocks();
    void UpdateAlarmAvailability();
    void EnableAlarmControls(bool enable);

    // Start-up and help.
    // The pop-up topic of a control itself (0 for none).
    static int HelpTopicOf(const QWidget *control);
    // The topic of the nearest control, going outwards from control through
    // its parents, that has one; 0 when none has.
    int NearestHelpTopic(const QWidget *control) const;
    // The topic "What's This?" of HelpPopup shows.
    int PopupTopic() const { return FPopupTopic; }
    // Asks for the manual at the active tab's keyword (HelpRequested).
    void ShowHelpForPage();
    // The help keyword of the active tab.
    QString HelpKeywordForPage() const;
    bool AboutPageLoaded() const { return FWebBrowserTag != 0; }
    const QImage &WatermarkStrip() const;

    // The font dialog behind "Clock Font..."; tests replace it. Returns
    // whether the user confirmed, with the choice in font.
    using TFontChooser = std::function<bool(QWidget *parent, QFont &font)>;
    static void SetFontChooser(TFontChooser chooser);

Q_SIGNALS:
    // The working copy is now in the settings store: the clocks are to be
    // loaded again from it.
    void ChangesApplied();
    // The manual is asked for, at the page of keyword (see HelpPageForKeyword).
    void HelpRequested(const QString &keyword);
    // A context pop-up was asked for (What's This, the caption help button or F1).
    void HelpPopupRequested(int topic);

public Q_SLOTS:
    // Closing by any means (OK, Cancel, Esc, the close box) comes here.
    void done(int result) override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private Q_SLOTS:
    void CmbRegionsChange();
    void LstZonesClick();
    void LstZonesDblClick();
    void ChkSortByNameClick();
    void LstClocksClick();
    void BtnAddToClocksClick();
    void BtnRemoveClockClick();
    void EditClockTitleChange();
    void ChkClockUseDaylightClick();
    void BtnOKClick();
    void BtnApplyClick();
    void BtnCancelClick();
    void ChkShowTimeClick();
    void ChkShowDateClick();
    void CmbTimeFormatChange();
    void BtnFontClick();
    void BtnFontColorClick();
    void BtnDefaultsClick();
    void ChkSetAlarmClick();
    void CmbAlarmClocksChange();
    void EditAlarmTimeChange();
    void PickerAlarmDateChange();
    void ChkRunAtStartupClick();
    void BtnHelpClick();
    void Whatsthis1Click();
    void PageControlChange();
    void PageAboutShow();
    void WebBrowserLinkClick(const QUrl &link);
    void PBoxClick();

private:
    void SetUpControls();
    void ConnectControls();
    void FormCreate();
    void LoadZonesAndClocks();
    void FitDescription();
    void EditClockTitleExit();
    // Retitles clock index in the clock list and the alarm clock list.
    void SetClockTitle(int index, const QString &title);
    // False when the box's text must not be left (the message was shown).
    bool EditAlarmTimeExit();
    // Ctrl+Up/Down: the selected clock one place up (-1) or down (1).
    void MoveSelectedClock(int step);
    // A drag or the keyboard reordered the clocks.
    void ClocksMoved();
    void LoadStartupOptions();
    void SetUpContextHelp();
    void ContextPopup(QWidget *control, const QPoint &pos);
    // Shows the topic of the nearest control outwards from control, placed
    // at that control; false when there is none.
    bool ShowHelpFor(const QWidget *control);
    void ShowHelpPopup(int topic);
    // Filters the events of every control: F1 and What's This. True when used.
    bool ContextHelpEvent(QObject *watched, QEvent *event);
    void BuildWatermarkStrip();
    int AlarmEntryOf(const TCustomisedTimeZone *clock) const;
    int AddAlarmEntry(TCustomisedTimeZone *clock);
    TCustomisedTimeZone *SelectedAlarmClock() const;
    void SetChkSortByName(bool checked);
    // The LstZones entry of zone, -1 when it is not listed.
    int ZoneRow(const TTimeZone *zone) const;
    // Selects the entry (none for -1) without showing its zone.
    void SelectZoneRow(int row);
    void SetChkSetAlarm(bool checked);
    void SetAlarmTimeText(const QString &text);

    std::unique_ptr<Ui::TZoneForm> FUi; // the controls, laid out by zoneform.ui
    QMenu *HelpPopup = nullptr;         // "What's This?" on the controls with a topic
    QString FZoneFile;
    TClocksState FShown;
    bool FModified = false;
    TTimeZoneList FZones;
    TZoneListModel *FZoneModel = nullptr;    // FZones as entries
    TZoneFilterModel *FZoneFilter = nullptr; // the region shown in LstZones, in the chosen order
    // Set while the dialog itself changes the zone selection, which shows
    // no zone by itself.
    bool FQuietZones = false;
    TOptionsData FData;                         // the working copy
    TClockListModel *FClockModel = nullptr;     // FData's clocks as LstClocks' entries
    QList<TCustomisedTimeZone *> FAlarmEntries; // the clocks of CmbAlarmClocks, in its order
    QStringList FTimeFormats;
    QStringList FDateFormats;
    QFont FClockFont;
    std::int32_t FClockFontColor = 0;
    bool FCheckingAlarmTime = false;
    QString FAlarmTimeAccepted;    // the box's text when it was last set or accepted
    QWidget *FShownPage = nullptr; // the page shown before the current one was chosen
    bool FPlaced = false;
    bool FClosing = false;
    int FPopupTopic = 0;
    QPoint FPopupPos;
    int FWebBrowserTag = 0; // 1 once the about page has been loaded
};
