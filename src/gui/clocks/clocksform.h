// The "World Times" window: one titled clock per chosen place, shown beside
// the tray icon, with the program's one timer and its one alarm. What the
// clocks are and what a tick decides is TWorldClocks'; this class draws them,
// shows, hides and places the window, and answers the user.
#pragma once

#include "core/clocks/clocksstate.h"
#include "core/clocks/lookahead.h"
#include "core/clocks/worldclocks.h"
#include "gui/clocks/clocksmenus.h"

#include <QFont>
#include <QList>
#include <QPointer>
#include <QWidget>
#include <memory>
#include <optional>

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QTimer;
class QToolButton;
class TClockColumn;
class TClocksAlarm;
class TClocksPopup;
class TClocksInput;
class TFocusMarker;
class TWindowMenu;
class TZonedClock;
class TSysTrayIcon;

namespace Ui {
class TClocksForm;
}

class TClocksForm : public QWidget
{
    Q_OBJECT

public:
    // Builds the window hidden, docks trayIcon (which must outlive the
    // window) and loads the clocks and settings; with no clocks asks whether
    // to choose some.
    explicit TClocksForm(TSysTrayIcon &trayIcon, QWidget *parent = nullptr);
    // Stores the pin state and position.
    ~TClocksForm() override;

    // Rebuilds the clock list, the clock controls and the tray hint from
    // zones.ini and the stored clock list.
    void LoadClocks();
    // Applies the stored formats, pin state and position, alarm and font.
    void LoadSettings();
    void SaveWindowState();
    // The same, reporting a failed write instead of throwing.
    void StoreWindowState();
    void ShowClocks();
    // The formats, font and alarm as the window shows them now.
    TClocksState ShownState() const { return FWorld.ShownState(); }
    // After the options were committed: their clocks and settings taken
    // over, no file read again, and the window shown afresh when there are
    // clocks.
    void ApplyChanges(const TTimeZoneList &clocks, const TClocksState &state);

    QString TimeFormat() const { return FWorld.TimeFormat(); }
    QString DateFormat() const { return FWorld.DateFormat(); }
    QFont ClockFont() const;
    bool Pinned() const;
    void SetPinned(bool pinned);
    // The window keeps out of the taskbar (on by default; off while the
    // alarm message is up).
    bool TaskButtonHidden() const;
    // With no notification area the window is the program: an ordinary
    // window with a frame and a taskbar button, shown, never hidden by a
    // click elsewhere, and closing it ends the program.
    void SetStandalone(bool standalone);

    const TAlarm &Alarm() const { return FWorld.Alarm(); }
    const TTimeZoneList &Clocks() const { return FWorld.Clocks(); }

    // True once the zone database failed to load: the program is ending.
    bool Terminating() const { return FTerminating; }

    // Layout: titles and clocks stacked down the window, the client height
    // following the last clock.
    void ArrangeClocks();
    // Widens the window to show everything, keeps the pin button at the
    // right edge, and pulls an unpinned window back onto its screen.
    void FitWidth();
    // One timer tick: refresh the clocks and titles, check the alarm, re-arm.
    void UpdateClocks();

    // The two-line hint of clock control index.
    QString ClockHint(int index) const;
    // The clock control under the mouse (through its title too), or none.
    TZonedClock *ClockUnderCursor() const;
    // The same for a point in the window's own coordinates.
    TZonedClock *ClockAt(const QPoint &pos) const;
    // The alarm box is up.
    bool AlarmShowing() const;
    // The frame around the clock or button with the keyboard focus is shown
    // once the keyboard is used (or the window was called up by a second
    // start, the keyboard's way to it) until the mouse is.
    void SetFocusShown(bool shown);
    bool FocusShown() const;

    // The window's parts, for the options dialog and the tests.
    const QList<TZonedClock *> &ClockControls() const;
    const QList<QLabel *> &TitleLabels() const;
    TSysTrayIcon *SysTrayIcon() const { return FSysTrayIcon; }
    QToolButton *PinButton() const;
    QLabel *AlarmImage() const;
    QWidget *SideStrip() const;
    QFrame *BrandPanel() const;
    QMenu *TrayMenu() const { return FMenus.Tray.get(); }
    QMenu *WindowMenu() const { return FMenus.Window; }
    QAction *InfoOnAction() const { return FMenus.InfoOn; }
    QTimer *Timer() const { return FTimer; }

Q_SIGNALS:
    // The options dialog is wanted ("Options...", a double click on the tray
    // icon, a clock or the window, a tray click with no clocks, "Yes" to the
    // first-run question).
    void OptionsRequested();
    // After OptionsRequested from "Info on" or a double click on a clock:
    // the clock whose entry the dialog should select.
    void ClockInfoRequested(const TCustomisedTimeZone &clock);
    // "About..." in either menu.
    void AboutRequested();
    // "Help" in the window's menu: the manual at the keyword's page.
    void HelpRequested(const QString &keyword);

public Q_SLOTS:
    void HideClocks();
    // Asks the owner for the options dialog (OptionsRequested).
    void OpenOptions();
    // A click on the tray icon, or "Show Clocks".
    void ShowClocksClick();
    void ExitClick();
    void HelpClick();
    void InfoOnClick();
    // The application lost activation.
    void ApplicationDeactivate();

    // Shows the clocks at the look-ahead's shift and the shift on the brand panel.
    void ApplyLookAhead();
    void ShowWindowMenu(const QPoint &globalPos);
    // The same from the keyboard (Shift+F10, the Menu key): under the part
    // with the focus, for the clock with the focus.
    void ShowKeyboardMenu();
    // The options dialog with clock's entry selected (none: just the dialog).
    void ShowClockInfo(TZonedClock *clock);

protected:
    void showEvent(QShowEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // The brand panel's height, which the clock column leaves free below it.
    int BrandPanelHeight() const;
    void FormCreate();
    void CreateComponents();
    void CreateMenus();
    // After the clock list changed: the controls, the hint and the layout.
    void ShowClockList();
    // After the formats, font or alarm changed: the controls follow them.
    void ShowSettings();
    // The clocks' texts and titles brought up to date and the width fitted
    // to them.
    void RefreshClocks();
    // The texts and titles of the clocks on the screens; those outside are
    // left until they come into sight.
    void UpdateClockTexts();
    void BuildSideWatermark();
    void BrandStripClick();
    void SetClientWidth(int width);

    // The fixed parts, laid out by clocksform.ui: the strip, the first title
    // and clock, the pin button, the alarm picture and the brand panel.
    std::unique_ptr<Ui::TClocksForm> FUi;
    TSysTrayIcon *FSysTrayIcon = nullptr;
    TClocksMenus FMenus;
    TWindowMenu *FWindowMenu = nullptr; // a child of the window's menu
    QTimer *FTimer = nullptr;
    TClocksPopup *FPopup = nullptr; // a child: how the window comes and goes
    TClocksAlarm *FAlarm = nullptr; // a child: the alarm's picture and ringing

    // Declared before the column, which shows its clocks.
    TWorldClocks FWorld;
    std::unique_ptr<TClockColumn> FColumn;
    TClocksInput *FInput = nullptr;       // a child, the filter of the window's input
    TFocusMarker *FFocusMarker = nullptr; // a child
    QSize FDesignMinimum;                 // the form's own minimum size
    int FContentHeight = 0;               // as the last layout left it
    // What the clocks show may be moved ahead or back; the alarm and the
    // timer never are.
    TLookAhead FLookAhead;
    bool FTerminating = false;
    bool FSettingsLoaded = false;
    bool FStoredPlaceUnchecked = false; // pinned at a stored position not yet shown
    TStoredFont FAppliedFont = DesignClockFont();
};
