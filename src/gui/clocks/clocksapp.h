// The program's one owner: the tray icon and the clocks window for the whole
// run, the options dialog, the about box and the manual while they are open. The windows
// never reach each other; they ask through signals that the owner answers.
#pragma once

#include <QObject>
#include <QPointer>
#include <memory>

class TAboutForm;
class TClocksForm;
class TCustomisedTimeZone;
class THelpViewer;
class TSysTrayIcon;
class TTrayWatch;
class TZoneForm;

class TClocksApp : public QObject
{
    Q_OBJECT

public:
    // Docks the tray icon and builds the clocks window, which loads the
    // clocks and settings (and with no clocks asks whether to choose some).
    TClocksApp();
    // Closes an open dialog first, then the window, then the tray icon.
    ~TClocksApp() override;

    TClocksForm &ClocksForm() const { return *FClocksForm; }
    TSysTrayIcon &SysTrayIcon() const { return *FSysTrayIcon; }
    // The open options dialog, about box or manual, or null.
    TZoneForm *ZoneForm() const;
    TAboutForm *AboutForm() const;
    THelpViewer *HelpViewer() const;

    // True once the zone database failed to load: the program is ending.
    bool Terminating() const;

public Q_SLOTS:
    // Opens the options dialog with the window's current state, or brings
    // the open one to the front.
    void OpenOptions();
    // Selects the entry of the options dialog's clock list that matches
    // clock (title and zone name), if the dialog is open and has one.
    void SelectClock(const TCustomisedTimeZone &clock);
    // The clocks shown and active (with no clocks, the options dialog), as a
    // second start asks for them.
    void ShowClocksActive();
    // Brings the open about box to the front, or shows one modally.
    void ShowAbout();
    // Opens the manual at the keyword's page, in the one viewer window
    // (made when first needed, gone once closed).
    void ShowHelp(const QString &keyword);

    // The marker that the no-tray message was shown in this login session,
    // in the session's runtime folder (gone at logout); empty without one.
    static QString NoTrayToldMarker();

private Q_SLOTS:
    // No notification area after waiting for one: the window becomes the
    // program, and the user hears why once a session.
    void TrayMissing();
    void TrayAppeared();

private:
    // Declared first, destroyed last: the window points at it.
    std::unique_ptr<TSysTrayIcon> FSysTrayIcon;
    std::unique_ptr<TClocksForm> FClocksForm;
    QPointer<TZoneForm> FZoneForm;
    QPointer<TAboutForm> FAboutForm;
    QPointer<THelpViewer> FHelpViewer;
    std::unique_ptr<TTrayWatch> FTrayWatch;
};
