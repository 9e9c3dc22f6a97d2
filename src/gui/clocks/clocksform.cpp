#include "gui/clocks/clocksform.h"

#include "core/clocks/placement.h"
#include "core/settings/settings.h"
#include "core/settings/storedsettings.h"
#include "core/system/sessionsignals.h"
#include "core/time/datetimeformat.h"
#include "core/zones/zonetexts.h"
#include "gui/clocks/taskbutton.h"
#include "gui/tray/systrayicon.h"
#include "gui/widgets/branding.h"
#include "gui/widgets/clockfont.h"
#include "gui/widgets/messagedialog.h"
#include "gui/widgets/vorkelresources.h"
#include "gui/widgets/watermarkbox.h"
#include "gui/widgets/zonedclock.h"
#include "ui_clocksform.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QCursor>
#include <QFile>
#include <QFrame>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLoggingCategory>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <QToolButton>
#include <QToolTip>
#include <QWheelEvent>
#include <algorithm>
#include <utility>

// Off unless asked for (QT_LOGGING_RULES="vorkel.clocks.debug=true"): what
// the desktop tests and the benchmark watch for.
Q_LOGGING_CATEGORY(lcClocks, "vorkel.clocks", QtInfoMsg)

namespace {
constexpr int ClockHintMSecs = 10'000;
constexpr int DeferredHideMSecs = 300;
constexpr int TrayHintLimit = 64; // a hint this long or longer is cut
constexpr int TrayHintKept = 60;

QString zoneFileOverride;

// The tray hint: the cities of all clocks, the last two joined by " and ".
QString TrayHint(const TTimeZoneList &clocks)
{
    // Built piece by piece because the whole is cut to the tray's limit.
    QString hint = TClocksForm::tr("Click to show the time in ");
    for (int i = 0; i < clocks.Count(); ++i) {
        if (i > 0)
            hint += i == clocks.Count() - 1 ? TClocksForm::tr(" and ") : TClocksForm::tr(", ");
        hint += clocks.ZoneAt(i)->CityName();
    }
    if (hint.size() >= TrayHintLimit)
        hint = hint.left(TrayHintKept) + QStringLiteral("...");
    return hint;
}

// The pin: lying on its side while up, pushed in (seen from above) while down.
QIcon PinIcon()
{
    const QColor head(192, 32, 32);
    const QColor needle(96, 96, 96);
    QIcon icon;
    for (const bool down : {false, true}) {
        QPixmap picture(12, 12);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        if (down) {
            painter.setPen(QPen(head.darker(140), 1));
            painter.setBrush(head);
            painter.drawEllipse(QRectF(2.5, 2.5, 7, 7));
            painter.setBrush(Qt::white);
            painter.setPen(Qt::NoPen);
            painter.drawEllipse(QRectF(4, 4, 2, 2));
        } else {
            painter.setPen(QPen(needle, 1));
            painter.drawLine(QPointF(1, 6), QPointF(5, 6));
            painter.setPen(QPen(head.darker(140), 1));
            painter.setBrush(head);
            painter.drawRect(QRectF(5.5, 3.5, 2, 5));
            painter.drawRect(QRectF(7.5, 4.5, 2, 3));
            painter.drawRect(QRectF(9.5, 2.5, 1.5, 7));
        }
        painter.end();
        icon.addPixmap(picture, QIcon::Normal, down ? QIcon::On : QIcon::Off);
    }
    return icon;
}

QFont Bold(QFont font)
{
    font.setBold(true);
    return font;
}
} // namespace

TClocksForm::TClocksForm(TSysTrayIcon &trayIcon, QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      FUi(std::make_unique<Ui::TClocksForm>()), FSysTrayIcon(&trayIcon)
{
    CreateComponents();
    CreateMenus();
    FormCreate();
}

TClocksForm::~TClocksForm()
{
    qApp->removeEventFilter(this);
    // Settings never loaded (the zone database failed at start) would store
    // a position nobody chose over the one kept from the last run.
    if (FSettingsLoaded)
        StoreWindowState();
    FAlarm.Clock = nullptr;
    for (TZonedClock *clock : std::as_const(FClockControls))
        clock->SetZone(nullptr);
}

QWidget *TClocksForm::SideStrip() const
{
    return FUi->PBox;
}

int TClocksForm::BrandPanelHeight() const
{
    // Fixed by the form, whether or not the panel has been laid out yet.
    return FUi->PanelBrand->minimumHeight();
}

QToolButton *TClocksForm::PinButton() const
{
    return FUi->BtnPin;
}

QLabel *TClocksForm::AlarmImage() const
{
    return FUi->ImgAlarm;
}

QFrame *TClocksForm::BrandPanel() const
{
    return FUi->PanelBrand;
}

QString TClocksForm::ZoneFilePath()
{
    if (!zoneFileOverride.isEmpty())
        return zoneFileOverride;
    return QCoreApplication::applicationDirPath() + QStringLiteral("/zones.ini");
}

void TClocksForm::SetZoneFilePath(const QString &path)
{
    zoneFileOverride = path;
}

void TClocksForm::CreateComponents()
{
    // The form's pictures are compiled-in resources.
    EnsureVorkelResources();
    FUi->setupUi(this);
    // Laid out at once: the clock column is placed beside the strip before
    // the window is first shown.
    layout()->activate();
    QPalette pal = palette();
    pal.setColor(QPalette::Window, pal.color(QPalette::Button));
    setPalette(pal);
    // The design position: where a window stored as pinned but without a
    // position of its own appears.
    move(364, 285);

    connect(FUi->PBox, &TWatermarkBox::Clicked, this, &TClocksForm::PBoxClick);

    FUi->ZonedClock->SetDateFormat(QStringLiteral("dddd d mmmm yyyy"));
    FUi->ZonedClock->SetTimeFormat(QStringLiteral("hh:nn:ss ampm"));
    FUi->ZonedClock->SetDateTimeSeparator(QStringLiteral("\r"));
    FUi->ZonedClock->SetUseDaylight(true);
    FUi->ZonedClock->SetTransparent(false);
    FUi->ZonedClock->SetActive(false);

    FUi->BtnPin->setIcon(PinIcon());
    connect(FUi->BtnPin, &QToolButton::clicked, this, &TClocksForm::StoreWindowState);
    // Read out by a screen reader as what a press does now.
    connect(FUi->BtnPin, &QToolButton::toggled, this, &TClocksForm::NamePinButton);
    NamePinButton();

    FUi->ImgAlarm->setAttribute(Qt::WA_TranslucentBackground);
    FUi->ImgAlarm->hide();

    // The whole panel answers a click, its caption included.
    FUi->LblBrand->setAttribute(Qt::WA_TransparentForMouseEvents);
    FUi->Bevel1->setAttribute(Qt::WA_TransparentForMouseEvents);

    FTimer = new QTimer(this);
    FTimer->setSingleShot(true);
    // A coarse timer may fire early and show the same second twice.
    FTimer->setTimerType(Qt::PreciseTimer);
    connect(FTimer, &QTimer::timeout, this, &TClocksForm::UpdateClocks);

    FDeferredHide = new QTimer(this);
    FDeferredHide->setSingleShot(true);
    FDeferredHide->setInterval(DeferredHideMSecs);
    connect(FDeferredHide, &QTimer::timeout, this, &TClocksForm::DeferredHide);
}

void TClocksForm::CreateMenus()
{
    PopupMenu1 = std::make_unique<QMenu>();
    QAction *showtimes1 =
        PopupMenu1->addAction(tr("Show Clocks"), this, &TClocksForm::Showtimes1Click);
    PopupMenu1->setDefaultAction(showtimes1);
    PopupMenu1->addAction(tr("Options..."), this, &TClocksForm::Options1Click);
    PopupMenu1->addSeparator();
    PopupMenu1->addAction(tr("About..."), this, &TClocksForm::About1Click);
    PopupMenu1->addAction(tr("E&xit"), this, &TClocksForm::Close1Click);

    PopupMenu2 = new QMenu(this);
    InfoOn = PopupMenu2->addAction(tr("&Info on XXX..."), this, &TClocksForm::InfoOnClick);
    PopupMenu2->setDefaultAction(InfoOn);
    PopupMenu2->addAction(tr("&Options..."), this, &TClocksForm::Options1Click);
    PopupMenu2->addAction(tr("&Hide"), this, &TClocksForm::Hide1Click);
    PopupMenu2->addSeparator();
    PopupMenu2->addAction(tr("&About..."), this, &TClocksForm::About1Click);
    PopupMenu2->addAction(tr("&Help"), this, &TClocksForm::Help1Click);
    PopupMenu2->addAction(tr("E&xit"), this, &TClocksForm::Close1Click);
    connect(PopupMenu2, &QMenu::aboutToShow, this, &TClocksForm::PopupMenu2Popup);

    FUi->ZonedClock->SetPopupMenu(PopupMenu2);
    FSysTrayIcon->SetPopupMenu(PopupMenu1.get());
    connect(FSysTrayIcon, &TSysTrayIcon::Click, this, &TClocksForm::Showtimes1Click);
    connect(FSysTrayIcon, &TSysTrayIcon::DblClick, this, &TClocksForm::Options1Click);
}

void TClocksForm::FormCreate()
{
    // The application-wide hooks: deactivation and tool tips. The same
    // filter sees every clock's and title's mouse events, those of the
    // clocks added later included.
    qApp->installEventFilter(this);
    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                if (state == Qt::ApplicationInactive)
                    ApplicationDeactivate();
                else if (state == Qt::ApplicationActive)
                    FDeferredHide->stop(); // the user came straight back
            });

    LoadTrayIcon();
    FSysTrayIcon->SetIconVisible(true);
    if (lcClocks().isDebugEnabled())
        ReportDocking();

    FUi->LblBrand->setText(BrandPanelCaption.toString());
    FUi->PBox->setToolTip(BrandStripHint.toString());
    BuildSideWatermark();

    FAlarmShowing = false;
    FTaskButtonHidden = true;
    SetPinned(false);
    FAlarm = TAlarm();

    ClearClockControls();
    LoadClocks();
    if (FTerminating)
        return;
    LoadSettings();

    if (FClocks.Count() == 0) {
        if (SoundMessageDlg(tr("You have not chosen any time zones to use as "
                               "clocks.\nWould you like to choose some now?"),
                            TMsgDlgType::Confirmation,
                            QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes)
            // The owner wires the window's signals once it is built.
            QMetaObject::invokeMethod(this, &TClocksForm::OpenOptions, Qt::QueuedConnection);
    } else if (Pinned()) {
        ShowClocks();
    } else if (FAlarm.IsSet()) {
        FTimer->start(1000 - LocalMilliseconds());
    }
}

void TClocksForm::ReportDocking()
{
    // The tray tells where the icon went only once it has docked.
    auto *poll = new QTimer(this);
    poll->setInterval(20);
    connect(poll, &QTimer::timeout, this, [this, poll, tries = 0]() mutable {
        const QRect icon = TrayIconRect();
        if (icon.isEmpty() && ++tries < 500)
            return;
        qCDebug(lcClocks).noquote() << QStringLiteral("tray icon docked at %1,%2 %3x%4; hint: %5")
                                           .arg(icon.x())
                                           .arg(icon.y())
                                           .arg(icon.width())
                                           .arg(icon.height())
                                           .arg(FSysTrayIcon->Hint());
        poll->deleteLater();
    });
    poll->start();
}

void TClocksForm::LoadTrayIcon()
{
    const QString picture = QStringLiteral(":/trayxp.ico");
    if (!QFile::exists(picture))
        return;
    QIcon icon(picture);
    // Trays here are often 22 or 24 pixels high, and screens denser than
    // 96 dpi: the same picture drawn larger stays sharp there.
    for (const int size : {22, 24, 32, 48, 64}) {
        const QString larger = QStringLiteral(":/icons/trayxp-%1.png").arg(size);
        if (QFile::exists(larger))
            icon.addFile(larger, QSize(size, size));
    }
    FSysTrayIcon->SetIcon(icon);
}

bool TClocksForm::LoadZoneDatabase(TTimeZoneList &zones)
{
    zones.Clear();
    try {
        zones.LoadFromZoneFile(ZoneFilePath());
        return true;
    } catch (const Exception &e) {
        SoundMessageDlg(tr("There was an error loading the time zone data:\n") + e.Message(),
                        TMsgDlgType::Error, QMessageBox::Cancel);
    }
    FTerminating = true;
    // Before the event loop runs, quit() would be lost: main asks Terminating().
    QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    return false;
}

void TClocksForm::LoadClocks()
{
    TTimeZoneList loaded;
    loaded.SetSorted(false);
    {
        TTimeZoneList zones;
        if (!LoadZoneDatabase(zones))
            return;
        LoadClockList(loaded, zones);
    }

    // The controls and the alarm still point at the old entries: let go of
    // them before the entries are freed.
    ClearClockControls();
    FUi->ZonedClock->SetZone(nullptr);
    FClocks.Clear();
    FClocks.SetSorted(false);
    // Handed over in place: taking the first entry each time would move the
    // rest of the list as often as there are clocks.
    for (int i = 0; i < loaded.Count(); ++i)
        FClocks.Add(loaded.Strings(i), loaded.ReplaceZoneAt(i, nullptr));

    if (FClocks.Count() == 0) {
        FSysTrayIcon->SetHint(tr("No clocks have been selected."));
        return;
    }
    FSysTrayIcon->SetHint(TrayHint(FClocks));

    TCustomisedTimeZone *first = FClocks.ClockAt(0);
    FUi->ZonedClock->SetZone(first);
    FUi->ZonedClock->SetUseDaylight(first->UseDaylight);
    FUi->ZonedClock->SetActive(false);
    FUi->ZonedClock->UpdateText();

    for (int c = 1; c < FClocks.Count(); ++c) {
        TCustomisedTimeZone *zone = FClocks.ClockAt(c);
        auto *clock = new TZonedClock(this);
        clock->Assign(FUi->ZonedClock);
        clock->SetActive(false);
        clock->SetZone(zone);
        clock->SetUseDaylight(zone->UseDaylight);
        clock->SetPopupMenu(FUi->ZonedClock->PopupMenu());

        auto *title = new QLabel(this);
        title->setFont(FUi->LblTitle->font());
        title->setPalette(FUi->LblTitle->palette());
        // A screen reader reads the children in their order: each title
        // before its time, every clock before the pin button and the panel,
        // which also stay drawn over them.
        title->stackUnder(FUi->BtnPin);
        clock->stackUnder(FUi->BtnPin);

        FTitleLabels.append(title);
        FClockControls.append(clock);
        clock->show();
        title->show();
    }
    // Measured with their captions, so the layout has their real heights.
    UpdateTitles();
    ArrangeClocks();
}

void TClocksForm::ClearClockControls()
{
    for (qsizetype i = 1; i < FClockControls.size(); ++i)
        delete FClockControls[i];
    for (qsizetype i = 1; i < FTitleLabels.size(); ++i)
        delete FTitleLabels[i];
    FClockControls = {FUi->ZonedClock};
    FTitleLabels = {FUi->LblTitle};
    FAlarm.Clock = nullptr;
}

void TClocksForm::LoadSettings()
{
    const TFormatSettings &fmt = FormatSettings();
    SetDateFormat(TStoredSettings::DateFormat(fmt.LongDateFormat));
    SetTimeFormat(TStoredSettings::TimeFormat(fmt.LongTimeFormat));

    FStoredPlaceUnchecked = TStoredSettings::Pinned();
    if (FStoredPlaceUnchecked) {
        SetPinned(true);
        move(TStoredSettings::Left().value_or(x()), TStoredSettings::Top().value_or(y()));
    }

    LoadAlarm();

    if (const std::optional<TStoredFont> font = TStoredSettings::ClockFont())
        ApplyClockFont(*font);
    FSettingsLoaded = true;
}

void TClocksForm::LoadAlarm()
{
    const std::optional<TDateTime> time = TStoredSettings::AlarmTime();
    const int index = FindClockByTitle(TStoredSettings::AlarmClock());
    FAlarm.Time = time.value_or(0);
    if (!time || *time <= 0 || index < 0) {
        FAlarm.Active = false;
    } else {
        FAlarm.Clock = FClocks.ClockAt(index);
        FAlarm.Active = true;
    }
    UpdateAlarmIcon();
}

void TClocksForm::ApplyClockFont(const TStoredFont &stored)
{
    FClockFont = stored;
    const QFont font = FontFromStored(stored);
    // System colours follow the desktop's text colour.
    const QColor color = ColorFromStored(stored.Color, palette().color(QPalette::WindowText));

    for (TZonedClock *clock : std::as_const(FClockControls)) {
        clock->setFont(font);
        QPalette pal = clock->palette();
        pal.setColor(QPalette::WindowText, color);
        clock->setPalette(pal);
    }
    for (QLabel *title : std::as_const(FTitleLabels)) {
        title->setFont(Bold(font));
        QPalette pal = title->palette();
        pal.setColor(QPalette::WindowText, color);
        title->setPalette(pal);
    }
    // A new font changes every size: lay out again so nothing overlaps.
    if (FClocks.Count() > 0)
        ArrangeClocks();
}

void TClocksForm::SaveWindowState()
{
    TStoredSettings::SetWindowState(Pinned(), x(), y());
}

void TClocksForm::StoreWindowState()
{
    // Written when it changes as well as on the way out, which a broken
    // display connection never reaches.
    try {
        SaveWindowState();
    } catch (const Exception &e) {
        // Ended by the session (logout, shutdown): nobody may be there to
        // click OK, and the session waits for the program to go.
        if (TTermination::Instance().Requested())
            qCWarning(lcClocks).noquote() << e.Message();
        else
            SoundMessageDlg(e.Message(), TMsgDlgType::Error, QMessageBox::Ok);
    }
}

QString TClocksForm::TimeFormat() const
{
    return FUi->ZonedClock->TimeFormat();
}

void TClocksForm::SetTimeFormat(const QString &format)
{
    for (TZonedClock *clock : std::as_const(FClockControls))
        clock->SetTimeFormat(format);
    ArrangeClocks();
}

QString TClocksForm::DateFormat() const
{
    return FUi->ZonedClock->DateFormat();
}

void TClocksForm::SetDateFormat(const QString &format)
{
    for (TZonedClock *clock : std::as_const(FClockControls))
        clock->SetDateFormat(format);
    ArrangeClocks();
}

QFont TClocksForm::ClockFont() const
{
    return FUi->ZonedClock->font();
}

void TClocksForm::NamePinButton()
{
    FUi->BtnPin->setAccessibleName(FUi->BtnPin->isChecked() ? tr("Unpin")
                                                            : tr("Pin to the desktop"));
}

bool TClocksForm::Pinned() const
{
    return FUi->BtnPin->isChecked();
}

void TClocksForm::SetPinned(bool pinned)
{
    FUi->BtnPin->setChecked(pinned);
}

void TClocksForm::SetTaskButtonHidden(bool hidden)
{
    if (hidden == FTaskButtonHidden)
        return;
    FTaskButtonHidden = hidden;
    if (FStandalone)
        return; // it has its button anyway
    ApplyWindowKind();
    if (isVisible())
        RequestWindowStates(*this, hidden);
}

void TClocksForm::SetStandalone(bool standalone)
{
    if (standalone == FStandalone)
        return;
    FStandalone = standalone;
    // Back to a pop-up it stays where the user sees it; unpinned, a click
    // elsewhere now hides it as usual.
    ApplyWindowKind();
    if (standalone)
        ShowClocks();
}

Qt::WindowFlags TClocksForm::WindowKind() const
{
    if (FStandalone)
        return Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
               Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;
    // A tool window never gets a taskbar button; a plain one does.
    return (FTaskButtonHidden ? Qt::Tool : Qt::Window) | Qt::FramelessWindowHint |
           Qt::WindowStaysOnTopHint;
}

void TClocksForm::ApplyWindowKind()
{
    const bool wasVisible = isVisible();
    const QPoint where = pos();
    setWindowFlags(WindowKind());
    if (wasVisible) {
        move(where);
        ShowWindowNow();
    }
}

void TClocksForm::UpdateClocks()
{
    FTimer->stop();
    if (FLookAhead.ExpireIfIdle())
        ApplyLookAhead();
    if (isVisible())
        RefreshClocks();

    if (FAlarm.IsSet() && FAlarm.IsDue()) {
        FAlarm.Active = false;
        FUi->ImgAlarm->hide();
        FireAlarm();
    }

    // Hidden and with no alarm to watch there is nothing to tick for.
    if (isVisible() || FAlarm.IsSet())
        FTimer->start(1000 - LocalMilliseconds());
}

void TClocksForm::RefreshClocks()
{
    for (TZonedClock *clock : std::as_const(FClockControls))
        clock->UpdateText();
    UpdateTitles();
    FitWidth();
}

void TClocksForm::UpdateTitles()
{
    for (qsizetype i = 0; i < FClockControls.size(); ++i) {
        const TZonedClock *clock = FClockControls[i];
        const auto *zone = dynamic_cast<const TCustomisedTimeZone *>(clock->Zone());
        if (zone == nullptr)
            continue;
        const bool inDaylight =
            clock->UseDaylight() && zone->IsDaylightAt(FLookAhead.ShownUTC(NowUTC()));
        const QString abbr = inDaylight ? zone->DaylightAbbr : zone->StandardAbbr;
        const QString caption = zone->Title + QStringLiteral(" (") + abbr + u')';
        // Every layout sizes the titles to their captions; a tick only
        // re-measures the one whose abbreviation has just changed.
        QLabel *title = FTitleLabels[i];
        if (title->text() == caption)
            continue;
        title->setText(caption);
        title->adjustSize();
    }
}

void TClocksForm::ShowClocks()
{
    if (isVisible() || FClocks.Count() == 0)
        return;
    // Measured afresh before it is placed: placed with the width of its last
    // showing, a window that then grows would cover a panel on its right.
    SetClientWidth(0);
    RefreshClocks();
    if (Pinned() && std::exchange(FStoredPlaceUnchecked, false))
        KeepOnScreens();
    PlaceNearTray();
    ShowWindowNow();
}

void TClocksForm::KeepOnScreens()
{
    // Screens are read now: a monitor may have gone since the position was stored.
    QList<TScreenArea> screens;
    for (const QScreen *screen : QGuiApplication::screens())
        screens.append({screen->geometry(), screen->availableGeometry()});
    move(::KeepOnScreens(geometry(), screens));
}

void TClocksForm::ShowWindowNow()
{
    const bool hideButton = FTaskButtonHidden && !FStandalone;
    if (hideButton)
        HideTaskButtonBeforeShow(*this);
    show();
    // A window whose kind changed gets a new X window as it is shown, without
    // the marks set before.
    if (hideButton)
        RequestWindowStates(*this, true);
    raise();
    activateWindow();
}

void TClocksForm::HideClocks()
{
    // Hidden, a window that is the whole program could not be found again.
    if (FStandalone)
        showMinimized();
    else
        hide();
}

void TClocksForm::OpenOptions()
{
    Q_EMIT OptionsRequested();
}

TClocksState TClocksForm::ShownState() const
{
    TClocksState state;
    state.TimeFormat = TimeFormat();
    state.DateFormat = DateFormat();
    state.Font = FClockFont;
    state.AlarmSet = FAlarm.IsSet();
    if (state.AlarmSet) {
        state.AlarmClock = FAlarm.Clock->Title;
        state.AlarmTime = FAlarm.Time;
    }
    return state;
}

void TClocksForm::ReloadClocks()
{
    LoadClocks();
    LoadSettings();
    // Hidden for a moment only, to be measured and placed afresh.
    hide();
    if (FClocks.Count() > 0)
        ShowClocks();
}

void TClocksForm::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous()) {
        FDeferredHide->stop();
        UpdateClocks();
        qCDebug(lcClocks).noquote() << QStringLiteral("window shown at %1,%2 %3x%4")
                                           .arg(x())
                                           .arg(y())
                                           .arg(width())
                                           .arg(height());
    }
}

void TClocksForm::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    // Shown again, the window shows the present.
    if (FLookAhead.Reset())
        ApplyLookAhead();
    if (!event->spontaneous() && !FAlarm.IsSet())
        FTimer->stop();
}

void TClocksForm::Showtimes1Click()
{
    if (FClocks.Count() > 0)
        ShowClocks();
    else
        OpenOptions();
}

void TClocksForm::Options1Click()
{
    OpenOptions();
}

void TClocksForm::Hide1Click()
{
    HideClocks();
}

void TClocksForm::Close1Click()
{
    // From the tray menu while a start-up box is up a plain quit() is lost.
    TTermination::Instance().Request();
}

void TClocksForm::About1Click()
{
    Q_EMIT AboutRequested();
}

void TClocksForm::Help1Click()
{
    Q_EMIT HelpRequested(QStringLiteral("AContents"));
}

void TClocksForm::ApplicationDeactivate()
{
    if (!isVisible() || Pinned() || FAlarmShowing || FStandalone)
        return;
    if (!TrayIconRect().isEmpty()) {
        HideClocks();
        return;
    }
    // Where the tray does not tell where its icon is (StatusNotifierItem
    // hosts), pressing the icon takes the activation away before the click
    // arrives. Waiting for it briefly lets a click on the icon of the open
    // window leave it as it is, instead of hiding it and showing it again.
    FDeferredHide->start();
}

void TClocksForm::DeferredHide()
{
    if (isVisible() && !Pinned() && !FAlarmShowing && !FStandalone && !FSysTrayIcon->ClickPending())
        HideClocks();
}

void TClocksForm::ArrangeClocks()
{
    const int n = static_cast<int>(FClockControls.size());
    FUi->ZonedClock->move(FUi->PBox->x() + FUi->PBox->width() + 10, FUi->ZonedClock->y());
    FUi->LblTitle->move(FUi->ZonedClock->x() - 8, 0);
    FUi->LblTitle->adjustSize();
    FUi->ZonedClock->UpdateText();
    // The clock sits right under its title; with the design font that is
    // its design top of 13, a taller substitute font moves it down.
    FUi->ZonedClock->move(FUi->ZonedClock->x(), FUi->LblTitle->y() + FUi->LblTitle->height());

    for (int a = 1; a < n; ++a) {
        TZonedClock *clock = FClockControls[a];
        QLabel *title = FTitleLabels[a];
        const TZonedClock *above = FClockControls[a - 1];
        clock->UpdateText();
        title->setGeometry(FUi->LblTitle->x(), above->y() + above->height() + 8,
                           FUi->LblTitle->width(), FUi->LblTitle->height());
        if (!title->text().isEmpty())
            title->adjustSize();
        clock->move(FUi->ZonedClock->x(), title->y() + title->height());
    }
    const TZonedClock *last = FClockControls.last();
    resize(width(), std::max(minimumHeight(), last->y() + last->height() + BrandPanelHeight()));
    // The clocks may have moved (a stored font is applied after the alarm
    // is loaded): the picture follows its clock instead of covering another.
    UpdateAlarmIcon();
    // A hidden window gets its resize event, which lays the form out, only
    // when shown: lay it out now, so the strip's picture is painted for the
    // height it will have.
    layout()->setGeometry(rect());
    BuildSideWatermark();
}

void TClocksForm::BuildSideWatermark()
{
    ::BuildSideWatermark(*this, *FUi->PBox, BrandPanelHeight());
}

void TClocksForm::ApplyLookAhead()
{
    for (TZonedClock *clock : std::as_const(FClockControls))
        clock->SetShiftMinutes(FLookAhead.Minutes());
    if (FLookAhead.IsShifted())
        FUi->LblBrand->setText(tr("%1  <u>Now</u>").arg(FLookAhead.ShiftText()));
    else
        FUi->LblBrand->setText(BrandPanelCaption.toString());
    FUi->PanelBrand->setToolTip(FLookAhead.IsShifted() ? tr("Back to the present") : QString());
    if (isVisible())
        RefreshClocks();
}

void TClocksForm::wheelEvent(QWheelEvent *event)
{
    if (FLookAhead.Wheel(event->angleDelta().y()))
        ApplyLookAhead();
    event->accept();
}

void TClocksForm::PBoxClick()
{
    // The end of a drag that began on the strip or the panel is no click.
    if (!FDragMoved)
        OpenHomePage(true);
}

void TClocksForm::SetClientWidth(int width)
{
    resize(std::max(minimumWidth(), width), height());
}

void TClocksForm::FitWidth()
{
    int w = width();
    for (qsizetype i = 0; i < FClockControls.size(); ++i) {
        const QLabel *title = FTitleLabels[i];
        int titleRight = title->x() + title->width();
        if (i == 0)
            titleRight += FUi->BtnPin->width() + 2;
        w = std::max(w, titleRight);
        const TZonedClock *clock = FClockControls[i];
        w = std::max(w, clock->x() + clock->width() + 2);
    }
    if (FUi->ImgAlarm->isVisibleTo(this))
        w = std::max(w, FUi->ImgAlarm->x() + FUi->ImgAlarm->width() + 2);
    SetClientWidth(w);

    if (!Pinned()) {
        // The screen the window is on: a window on a second monitor stays there.
        const QScreen *screen = QGuiApplication::screenAt(geometry().center());
        if (screen == nullptr)
            screen = QGuiApplication::primaryScreen();
        if (screen != nullptr)
            move(KeptInside(screen->geometry(), pos(), size()));
    }
}

QRect TClocksForm::TrayIconRect() const
{
    // An XEmbed icon reads 0,0 until its tray has placed it.
    const QRect icon = FSysTrayIcon->IconGeometry();
    return icon.topLeft().isNull() ? QRect() : icon;
}

std::optional<QRect> TClocksForm::NotificationRect() const
{
    const QRect icon = TrayIconRect();
    if (!icon.isEmpty())
        return icon;
    // StatusNotifierItem hosts never tell where the icon is: the click was on it.
    const QPoint click = FSysTrayIcon->LastClickPos();
    if (!click.isNull())
        return QRect(click - QPoint(8, 8), QSize(16, 16));
    return std::nullopt;
}

void TClocksForm::PlaceNearTray()
{
    if (Pinned())
        return;
    if (FStandalone) {
        // No tray to stand by, and a frame the placement does not count:
        // the middle of the screen keeps all of it in sight.
        if (const QScreen *screen = QGuiApplication::primaryScreen())
            move(screen->availableGeometry().center() - rect().center());
        return;
    }
    const std::optional<QRect> notify = NotificationRect();
    QScreen *screen = notify ? QGuiApplication::screenAt(notify->center()) : nullptr;
    if (screen == nullptr)
        screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    // The available area is read now: panels come and go.
    move(PlaceWindowNearTray(screen->geometry(), screen->availableGeometry(), notify, size()));
}

QString TClocksForm::ClockHint(int index) const
{
    const TZonedClock *clock = FClockControls.value(index);
    const TTimeZone *zone = clock != nullptr ? clock->Zone() : nullptr;
    if (zone == nullptr)
        return {};
    QString hint = zone->Name + QStringLiteral(" (") +
                   GMTText(zone->UTCOffset + zone->StandardOffset, true) + QStringLiteral(")\n");
    hint += ClockHintDetails(*zone, clock->UseDaylight(), NowUTC());
    return hint;
}

int TClocksForm::IndexOfControl(const QObject *control) const
{
    for (qsizetype i = 0; i < FClockControls.size(); ++i)
        if (FClockControls[i] == control || FTitleLabels[i] == control)
            return static_cast<int>(i);
    return -1;
}

TZonedClock *TClocksForm::ClockAt(const QPoint &pos) const
{
    const QWidget *child = childAt(pos);
    if (child == nullptr || !child->isEnabled())
        return nullptr;
    const int index = IndexOfControl(child);
    return index >= 0 ? FClockControls[index] : nullptr;
}

TZonedClock *TClocksForm::ClockUnderCursor() const
{
    return ClockAt(mapFromGlobal(QCursor::pos()));
}

int TClocksForm::FindClockByTitle(const QString &title) const
{
    for (qsizetype i = 0; i < FClockControls.size(); ++i) {
        const auto *zone = dynamic_cast<const TCustomisedTimeZone *>(FClockControls[i]->Zone());
        if (zone != nullptr && CompareTextLocale(zone->Title, title) == 0)
            return static_cast<int>(i);
    }
    return -1;
}

void TClocksForm::UpdateAlarmIcon()
{
    if (FAlarm.IsSet()) {
        for (const TZonedClock *clock : std::as_const(FClockControls)) {
            if (clock->Zone() != FAlarm.Clock)
                continue;
            FUi->ImgAlarm->move(clock->x() + clock->width() + 5, clock->y() + 2);
            FUi->ImgAlarm->setToolTip(
                tr("Alarm set for %1 on %2")
                    .arg(FormatDateTime(QStringLiteral("hh:mm ampm"), FAlarm.Time),
                         FormatDateTime(FormatSettings().ShortDateFormat, FAlarm.Time)));
            FUi->ImgAlarm->show();
            FUi->ImgAlarm->raise();
            return;
        }
    }
    FUi->ImgAlarm->hide();
}

void TClocksForm::FireAlarm()
{
    try {
        TStoredSettings::ClearAlarm();
    } catch (const Exception &e) {
        // Still stored, it rings again at the next start.
        SoundMessageDlg(e.Message(), TMsgDlgType::Error, QMessageBox::Ok);
        return;
    }
    const QString message = FAlarm.MessageText();
    SetTaskButtonHidden(false);
    ShowClocks();
    raise();
    activateWindow();

    FAlarmShowing = true;
    SoundMessageDlg(message, TMsgDlgType::Information, QMessageBox::Ok, 0, this);
    FAlarmShowing = false;
    SetTaskButtonHidden(true);
}

int TClocksForm::FindMatchingClock(const TTimeZoneList &list, const TCustomisedTimeZone &clock)
{
    for (int i = 0; i < list.Count(); ++i) {
        const TCustomisedTimeZone *entry = list.ClockAt(i);
        if (entry != nullptr && entry->Title == clock.Title && entry->Name == clock.Name)
            return i;
    }
    return -1;
}

void TClocksForm::PopupMenu2Popup()
{
    FInfoOnClock = ClockUnderCursor();
    const TTimeZone *zone = FInfoOnClock ? FInfoOnClock->Zone() : nullptr;
    if (zone != nullptr)
        InfoOn->setText(tr("&Info on %1...").arg(zone->Name));
    InfoOn->setVisible(zone != nullptr);
}

void TClocksForm::InfoOnClick()
{
    OpenOptions();
    if (!FInfoOnClock)
        return;
    if (const auto *zone = dynamic_cast<const TCustomisedTimeZone *>(FInfoOnClock->Zone()))
        Q_EMIT ClockInfoRequested(*zone);
}

void TClocksForm::ShowWindowMenu(const QPoint &globalPos)
{
    PopupMenu2->popup(globalPos, InfoOn->isVisible() ? InfoOn : nullptr);
}

void TClocksForm::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    // With no tray the window is the program; the state is stored on the way out.
    if (FStandalone && event->isAccepted())
        Close1Click();
}

void TClocksForm::contextMenuEvent(QContextMenuEvent *event)
{
    ShowWindowMenu(event->globalPos());
}

void TClocksForm::DragStart(const QMouseEvent &event)
{
    FDragging = event.button() == Qt::LeftButton;
    FDragMoved = false;
    FDragGrip = event.globalPosition().toPoint() - pos();
}

void TClocksForm::DragMove(const QMouseEvent &event)
{
    if (!FDragging)
        return;
    const QPoint to = event.globalPosition().toPoint() - FDragGrip;
    if (to != pos()) {
        move(to);
        FDragMoved = true;
    }
}

void TClocksForm::DragEnd()
{
    const bool moved = FDragging && FDragMoved;
    FDragging = false;
    if (moved)
        StoreWindowState();
}

void TClocksForm::DblClickAt(const QPoint &pos)
{
    FDragging = false;
    FInfoOnClock = ClockAt(pos);
    InfoOnClick();
}

void TClocksForm::mousePressEvent(QMouseEvent *event)
{
    DragStart(*event);
}

void TClocksForm::mouseMoveEvent(QMouseEvent *event)
{
    DragMove(*event);
}

void TClocksForm::mouseReleaseEvent(QMouseEvent *)
{
    DragEnd();
}

void TClocksForm::mouseDoubleClickEvent(QMouseEvent *event)
{
    DblClickAt(event->position().toPoint());
}

void TClocksForm::keyPressEvent(QKeyEvent *event)
{
    if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
        int minutes = 0;
        switch (event->key()) {
        case Qt::Key_Up:
            minutes = TLookAhead::NotchMinutes;
            break;
        case Qt::Key_Down:
            minutes = -TLookAhead::NotchMinutes;
            break;
        case Qt::Key_PageUp:
            minutes = TLookAhead::PageMinutes;
            break;
        case Qt::Key_PageDown:
            minutes = -TLookAhead::PageMinutes;
            break;
        default:
            break;
        }
        if (minutes != 0) {
            if (FLookAhead.Move(minutes))
                ApplyLookAhead();
            return;
        }
    }
    // Like any pop-up, pinned or not; a moved view first comes back to the present.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        if (FLookAhead.Reset())
            ApplyLookAhead();
        else
            HideClocks();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool TClocksForm::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::ApplicationDeactivate:
        if (watched == qApp)
            ApplicationDeactivate();
        return false;
    case QEvent::ToolTip: {
        const int index = IndexOfControl(watched);
        if (index < 0)
            return false;
        const auto *help = static_cast<QHelpEvent *>(event);
        QToolTip::showText(help->globalPos(), ClockHint(index), static_cast<QWidget *>(watched),
                           QRect(), ClockHintMSecs);
        return true;
    }
    case QEvent::Wheel:
        // Over a clock or a title as over the window itself.
        if (IndexOfControl(watched) < 0)
            return false;
        wheelEvent(static_cast<QWheelEvent *>(event));
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick: {
        if (watched == FUi->PanelBrand && event->type() == QEvent::MouseButtonRelease) {
            const auto *mouse = static_cast<QMouseEvent *>(event);
            const bool click = mouse->button() == Qt::LeftButton && FDragging &&
                               FUi->PanelBrand->rect().contains(mouse->position().toPoint());
            DragEnd();
            if (click && !FDragMoved && FLookAhead.Reset())
                ApplyLookAhead();
            else if (click)
                PBoxClick();
            return true;
        }
        if (IndexOfControl(watched) < 0)
            return false;
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (event->type() == QEvent::MouseButtonPress)
            DragStart(*mouse);
        else if (event->type() == QEvent::MouseMove)
            DragMove(*mouse);
        else if (event->type() == QEvent::MouseButtonRelease)
            DragEnd();
        else
            DblClickAt(mapFromGlobal(mouse->globalPosition().toPoint()));
        return true;
    }
    case QEvent::ContextMenu: {
        if (IndexOfControl(watched) < 0)
            return false;
        ShowWindowMenu(static_cast<QContextMenuEvent *>(event)->globalPos());
        return true;
    }
    default:
        return false;
    }
}
