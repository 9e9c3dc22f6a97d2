#include "gui/clocks/clocksform.h"

#include "core/clocks/placement.h"
#include "core/settings/settings.h"
#include "core/settings/storedsettings.h"
#include "core/system/sessionsignals.h"
#include "core/time/datetimeformat.h"
#include "core/zones/zonetexts.h"
#include "gui/alarm/alarmbox.h"
#include "gui/alarm/alarmringer.h"
#include "gui/clocks/clockcolumn.h"
#include "gui/clocks/clocksinput.h"
#include "gui/clocks/clocksmenus.h"
#include "gui/clocks/popupwindow.h"
#include "gui/clocks/taskbutton.h"
#include "gui/desktop/desktopsetup.h"
#include "gui/desktop/windowfront.h"
#include "gui/tray/systrayicon.h"
#include "gui/tray/trayanchor.h"
#include "gui/widgets/branding.h"
#include "gui/widgets/clockfont.h"
#include "gui/widgets/messagedialog.h"
#include "gui/widgets/pinicon.h"
#include "gui/widgets/vorkelresources.h"
#include "gui/widgets/watermarkbox.h"
#include "gui/widgets/zonedclock.h"
#include "ui_clocksform.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QFrame>
#include <QLabel>
#include <QLoggingCategory>
#include <QMenu>
#include <QScreen>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <utility>

// Off unless asked for (QT_LOGGING_RULES="vorkel.clocks.debug=true"): what
// the desktop tests and the benchmark watch for.
Q_LOGGING_CATEGORY(lcClocks, "vorkel.clocks", QtInfoMsg)

namespace {
constexpr int ClockHintMSecs = 10'000;
constexpr int DeferredHideMSecs = 300;

QString zoneFileOverride;

// A long text as lines of some 80 characters, broken after a blank where
// there is one, and the first thousand characters at most: a hint as wide
// or as tall as the screen is read by no one.
QString HintLines(const QString &text)
{
    constexpr qsizetype Line = 80;
    constexpr qsizetype Most = 1000;
    const QString kept = text.size() > Most ? text.left(Most) + u'…' : text;
    QString lines;
    qsizetype start = 0;
    while (kept.size() - start > Line) {
        const qsizetype blank = kept.lastIndexOf(u' ', start + Line);
        const qsizetype end = blank > start ? blank + 1 : start + Line;
        lines += QStringView(kept).sliced(start, end - start).trimmed().toString() + u'\n';
        start = end;
    }
    return lines + QStringView(kept).sliced(start).toString();
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
    // Settings never loaded (the zone database failed at start) would store
    // a position nobody chose over the one kept from the last run.
    if (FSettingsLoaded)
        StoreWindowState();
    // The children are deleted after the members: the input filter, which
    // asks the clock column about every event, and the activation handlers
    // must be gone before the clocks they watch go, and the column with them.
    disconnect(qApp, nullptr, this, nullptr);
    delete FInput;
    FInput = nullptr;
}

QWidget *TClocksForm::SideStrip() const
{
    return FUi->BrandStrip;
}

const QList<TZonedClock *> &TClocksForm::ClockControls() const
{
    return FColumn->Clocks();
}

const QList<QLabel *> &TClocksForm::TitleLabels() const
{
    return FColumn->Titles();
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
    // Left to right in every language: the strip, the clocks placed beside
    // it and the pin at the corner are one picture, and a time reads the
    // same way everywhere. Mirrored, the clocks were cut and drawn over the
    // strip under right-to-left locales.
    setLayoutDirection(Qt::LeftToRight);
    FUi->setupUi(this);
    // Laid out at once: the clock column is placed beside the strip before
    // the window is first shown.
    layout()->activate();
    FDesignMinimum = minimumSize();
    QPalette pal = palette();
    pal.setColor(QPalette::Window, pal.color(QPalette::Button));
    setPalette(pal);
    // The design position: where a window stored as pinned but without a
    // position of its own appears.
    move(364, 285);

    connect(FUi->BrandStrip, &TWatermarkBox::Clicked, this, &TClocksForm::BrandStripClick);
    FInput = new TClocksInput(*this, FLookAhead, *FUi->PanelBrand);
    FColumn = std::make_unique<TClockColumn>(*FUi->LblTitle, *FUi->ZonedClock, *FUi->BtnPin, FWorld,
                                             *FInput);
    FInput->SetColumn(*FColumn);

    // A carriage return, which a form cannot hold: the date under the time.
    FUi->ZonedClock->SetDateTimeSeparator(QStringLiteral("\r"));
    FUi->BtnPin->setIcon(PinIcon());
    connect(FUi->BtnPin, &QToolButton::clicked, this, &TClocksForm::StoreWindowState);
    // Read out by a screen reader as what a press does now.
    connect(FUi->BtnPin, &QToolButton::toggled, this, &TClocksForm::NamePinButton);
    NamePinButton();

    FUi->ImgAlarm->setAttribute(Qt::WA_TranslucentBackground);
    FUi->ImgAlarm->hide();

    // The whole panel answers a click, its caption included.
    FUi->LblBrand->setAttribute(Qt::WA_TransparentForMouseEvents);
    FUi->BrandRule->setAttribute(Qt::WA_TransparentForMouseEvents);

    FTimer = new QTimer(this);
    FTimer->setSingleShot(true);
    // A coarse timer may fire early and show the same second twice.
    FTimer->setTimerType(Qt::PreciseTimer);
    connect(FTimer, &QTimer::timeout, this, &TClocksForm::UpdateClocks);

    FDeferredHide = new QTimer(this);
    FDeferredHide->setSingleShot(true);
    FDeferredHide->setInterval(DeferredHideMSecs);
    connect(FDeferredHide, &QTimer::timeout, this, &TClocksForm::DeferredHide);

    FRinger = new TAlarmRinger(this);
    connect(FRinger, &TAlarmRinger::ShowClocksRequested, this, [this] { BringToFront(*this); });
}

void TClocksForm::CreateMenus()
{
    FMenus = CreateClocksMenus(*this);
    connect(FMenus.Window, &QMenu::aboutToShow, this, &TClocksForm::WindowMenuAboutToShow);
    FUi->ZonedClock->SetPopupMenu(FMenus.Window);
    FSysTrayIcon->SetPopupMenu(FMenus.Tray.get());
    connect(FSysTrayIcon, &TSysTrayIcon::Click, this, &TClocksForm::ShowClocksClick);
    connect(FSysTrayIcon, &TSysTrayIcon::DblClick, this, &TClocksForm::OptionsClick);
    connect(FSysTrayIcon, &TSysTrayIcon::MiddleClick, this, &TClocksForm::ShowClocksClick);
    // The wheel over the icon looks ahead as over the shown clocks.
    connect(FSysTrayIcon, &TSysTrayIcon::Wheel, this, [this](int angleDelta) {
        if (isVisible() && FLookAhead.Wheel(angleDelta))
            ApplyLookAhead();
    });
}

void TClocksForm::FormCreate()
{
    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                if (state == Qt::ApplicationInactive)
                    ApplicationDeactivate();
                else if (state == Qt::ApplicationActive) {
                    FDeferredHide->stop(); // the user came straight back
                    FInput->SystemMoveOver();
                }
            });

    LoadTrayIcon();
    FSysTrayIcon->SetIconVisible(true);
    if (lcClocks().isDebugEnabled())
        ReportDocking(*FSysTrayIcon, *this);

    FUi->LblBrand->setText(BrandPanelCaption.toString());
    FUi->BrandStrip->setToolTip(BrandStripHint.toString());
    BuildSideWatermark();

    FAlarmShowing = false;
    FTaskButtonHidden = true;
    SetPinned(false);

    LoadClocks();
    if (FTerminating)
        return;
    LoadSettings();

    if (FWorld.Count() == 0) {
        if (SoundMessageDlg(tr("You have not chosen any time zones to use as "
                               "clocks.\nWould you like to choose some now?"),
                            TMsgDlgType::Confirmation,
                            QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes)
            // The owner wires the window's signals once it is built.
            QMetaObject::invokeMethod(this, &TClocksForm::OpenOptions, Qt::QueuedConnection);
    } else if (Pinned()) {
        ShowClocks();
    } else if (FWorld.Alarm().IsSet()) {
        FTimer->start(1000 - LocalMilliseconds());
    }
}

void TClocksForm::LoadTrayIcon()
{
    const QIcon icon = TrayIconPicture();
    if (!icon.isNull())
        FSysTrayIcon->SetIcon(icon);
}

void TClocksForm::LoadClocks()
{
    try {
        FWorld.LoadClocks(ZoneFilePath());
    } catch (const Exception &e) {
        SoundMessageDlg(tr("There was an error loading the time zone data:\n") + e.Message(),
                        TMsgDlgType::Error, QMessageBox::Cancel);
        FTerminating = true;
        // Before the event loop runs, quit() would be lost: main asks Terminating().
        QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        return;
    }
    ShowClockList();
}

void TClocksForm::ShowClockList()
{
    FColumn->Rebuild(FMenus.Window);
    FSysTrayIcon->SetHint(FWorld.TrayHint());
    if (FWorld.Count() == 0)
        return;
    // Measured with their captions, so the layout has their real heights.
    FColumn->UpdateTitles(FLookAhead.ShownUTC(NowUTC()));
    ArrangeClocks();
    if (const QString notice = FWorld.TakeUnknownZonesNotice(); !notice.isEmpty())
        SoundMessageDlg(notice, TMsgDlgType::Warning, QMessageBox::Ok);
}

void TClocksForm::LoadSettings()
{
    const TFormatSettings &fmt = FormatSettings();
    FWorld.LoadSettings(fmt.LongDateFormat, fmt.LongTimeFormat);

    FStoredPlaceUnchecked = TStoredSettings::Pinned();
    if (FStoredPlaceUnchecked) {
        SetPinned(true);
        if (!NativeWayland())
            move(TStoredSettings::Left().value_or(x()), TStoredSettings::Top().value_or(y()));
    }
    ShowSettings();
    FSettingsLoaded = true;
}

void TClocksForm::ShowSettings()
{
    FColumn->SetDateFormat(FWorld.DateFormat());
    FColumn->SetTimeFormat(FWorld.TimeFormat());
    ArrangeClocks();
    UpdateAlarmIcon();
    if (FWorld.Font() != FAppliedFont) {
        FAppliedFont = FWorld.Font();
        // System colours follow the desktop's text colour.
        FColumn->SetFont(
            FontFromStored(FAppliedFont),
            ColorFromStored(FAppliedFont.Color, palette().color(QPalette::WindowText)));
        // A new font changes every size: lay out again so nothing overlaps.
        if (FWorld.Count() > 0)
            ArrangeClocks();
    }
}

void TClocksForm::SaveWindowState()
{
    // Natively on Wayland every window reads 0,0: no position to keep.
    if (NativeWayland())
        TStoredSettings::SetPinned(Pinned());
    else
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
    return ClocksWindowKind(FStandalone, FTaskButtonHidden);
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

    if (FWorld.TakeDueAlarm()) {
        FUi->ImgAlarm->hide();
        FireAlarm();
    }

    // Hidden and with no alarm to watch there is nothing to tick for.
    if (FWorld.NeedsTicks(isVisible()))
        FTimer->start(1000 - LocalMilliseconds());
}

void TClocksForm::RefreshClocks()
{
    FColumn->UpdateTexts();
    FColumn->UpdateTitles(FLookAhead.ShownUTC(NowUTC()));
    FitWidth();
}

void TClocksForm::ShowClocks()
{
    if (isVisible() || FWorld.Count() == 0)
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
    move(KeptOnScreens(geometry()));
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

void TClocksForm::ApplyChanges(const TTimeZoneList &clocks, const TClocksState &state)
{
    FWorld.Adopt(clocks, state);
    ShowClockList();
    ShowSettings();
    hide();
    if (FWorld.Count() > 0)
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
    if (!event->spontaneous() && !FWorld.Alarm().IsSet())
        FTimer->stop();
}

void TClocksForm::ShowClocksClick()
{
    if (FWorld.Count() > 0)
        ShowClocks();
    else
        OpenOptions();
}

void TClocksForm::OptionsClick()
{
    OpenOptions();
}

void TClocksForm::HideClick()
{
    HideClocks();
}

void TClocksForm::ExitClick()
{
    // From the tray menu while a start-up box is up a plain quit() is lost.
    TTermination::Instance().Request();
}

void TClocksForm::AboutClick()
{
    Q_EMIT AboutRequested();
}

void TClocksForm::HelpClick()
{
    Q_EMIT HelpRequested(QStringLiteral("AContents"));
}

void TClocksForm::ApplicationDeactivate()
{
    if (!isVisible() || Pinned() || FAlarmShowing || FStandalone || FInput->SystemMoving())
        return;
    if (!DockedIconRect(*FSysTrayIcon).isEmpty()) {
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
    if (isVisible() && !Pinned() && !FAlarmShowing && !FStandalone &&
        !FSysTrayIcon->ClickPending() && !FInput->SystemMoving())
        HideClocks();
}

void TClocksForm::ArrangeClocks()
{
    const int bottom = FColumn->Arrange(FUi->BrandStrip->x() + FUi->BrandStrip->width() + 10);
    FContentHeight = std::max(FDesignMinimum.height(), bottom + BrandPanelHeight());
    ResizeTo(QSize(width(), FContentHeight));
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
    ::BuildSideWatermark(*this, *FUi->BrandStrip, BrandPanelHeight());
}

void TClocksForm::ApplyLookAhead()
{
    FColumn->SetShiftMinutes(FLookAhead.Minutes());
    if (FLookAhead.IsShifted())
        FUi->LblBrand->setText(tr("%1  <u>Now</u>").arg(FLookAhead.ShiftText()));
    else
        FUi->LblBrand->setText(BrandPanelCaption.toString());
    FUi->PanelBrand->setToolTip(FLookAhead.IsShifted() ? tr("Back to the present") : QString());
    if (isVisible())
        RefreshClocks();
}

void TClocksForm::BrandStripClick()
{
    // The end of a drag that began on the strip or the panel is no click.
    if (!FInput->DragMoved())
        OpenHomePage(true);
}

void TClocksForm::SetClientWidth(int width)
{
    // A size a compositor forced on the window once does not stick: the
    // height is the contents' again.
    const int h = NativeWayland() && FContentHeight > 0 ? FContentHeight : height();
    ResizeTo(QSize(std::max(FDesignMinimum.width(), width), h));
}

void TClocksForm::ResizeTo(QSize size)
{
    if (!NativeWayland()) {
        resize(size);
        return;
    }
    // A window that cannot be resized floats on tiling compositors (sway)
    // instead of filling a tile.
    setMinimumSize(FDesignMinimum);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    resize(size);
    setFixedSize(size);
}

void TClocksForm::FitWidth()
{
    int w = std::max(width(), FColumn->RightEdge(FUi->BtnPin->width() + 2));
    if (FUi->ImgAlarm->isVisibleTo(this))
        w = std::max(w, FUi->ImgAlarm->x() + FUi->ImgAlarm->width() + 2);
    SetClientWidth(w);

    if (!Pinned())
        move(KeptInsideItsScreen(geometry()));
}

void TClocksForm::PlaceNearTray()
{
    if (Pinned())
        return;
    // With no tray to stand by, and a frame the placement does not count,
    // the middle of the screen keeps all of the window in sight.
    if (FStandalone)
        move(CentredOnPrimaryScreen(size(), pos()));
    else if (const std::optional<QPoint> click = PanelClickPoint(*FSysTrayIcon))
        move(BesidePanelPoint(*click, size(), pos()));
    else
        move(BesideTray(NotificationRect(*FSysTrayIcon), size(), pos()));
}

QString TClocksForm::ClockHint(int index) const
{
    if (index < 0 || index >= FWorld.Count())
        return {};
    // A title cut to fit the window is read whole here.
    const QString title =
        FColumn->TitleCut(index) ? HintLines(FColumn->FullTitle(index)) + u'\n' : QString();
    return title + FWorld.ClockHint(index, NowUTC());
}

TZonedClock *TClocksForm::ClockAt(const QPoint &pos) const
{
    const QWidget *child = childAt(pos);
    if (child == nullptr || !child->isEnabled())
        return nullptr;
    const int index = FColumn->IndexOf(child);
    return index >= 0 ? FColumn->Clocks()[index] : nullptr;
}

TZonedClock *TClocksForm::ClockUnderCursor() const
{
    return ClockAt(mapFromGlobal(QCursor::pos()));
}

void TClocksForm::UpdateAlarmIcon()
{
    const TAlarm &alarm = FWorld.Alarm();
    const int index = FWorld.AlarmIndex();
    if (index < 0 || index >= FColumn->Count()) {
        FUi->ImgAlarm->hide();
        return;
    }
    const TZonedClock *clock = FColumn->Clocks()[index];
    FUi->ImgAlarm->move(clock->x() + clock->width() + 5, clock->y() + 2);
    FUi->ImgAlarm->setToolTip(
        tr("Alarm set for %1 on %2")
            .arg(FormatDateTime(QStringLiteral("hh:mm ampm"), alarm.Time),
                 FormatDateTime(FormatSettings().ShortDateFormat, alarm.Time)));
    FUi->ImgAlarm->show();
    FUi->ImgAlarm->raise();
}

void TClocksForm::FireAlarm()
{
    // Heard first: nothing that follows, a settings file that cannot be
    // written included, may keep an alarm silent.
    const TAlarm &alarm = FWorld.Alarm();
    FRinger->Ring(alarm.Caption(), alarm.TimeSentence());
    const QString caption = alarm.Caption();
    const QString message = alarm.MessageText();
    const QString clockTitle = alarm.Clock->Title;
    QString writeError;
    try {
        TStoredSettings::ClearAlarm();
    } catch (const Exception &e) {
        // Still stored, it rings again at the next start.
        writeError = e.Message();
    }
    SetTaskButtonHidden(false);
    ShowClocks();
    raise();
    activateWindow();

    FAlarmShowing = true;
    const TAlarmAnswer answer = ShowAlarmBox(caption, message, *FRinger, this);
    FAlarmShowing = false;
    FRinger->Answer(answer);
    SetTaskButtonHidden(true);

    // By title: the clocks may have been reloaded while the box was up.
    if (answer == TAlarmAnswer::Snooze) {
        if (const auto snoozed = FWorld.SnoozeAlarm(clockTitle, TStoredSettings::SnoozeMinutes())) {
            UpdateAlarmIcon();
            try {
                TStoredSettings::SetAlarm(*snoozed, clockTitle);
            } catch (const Exception &e) {
                // Armed all the same: it rings again in this run.
                writeError = e.Message();
            }
        }
    }
    if (!writeError.isEmpty())
        SoundMessageDlg(writeError, TMsgDlgType::Error, QMessageBox::Ok);
}

void TClocksForm::WindowMenuAboutToShow()
{
    FInfoOnClock = ClockUnderCursor();
    const int index = FColumn->IndexOf(FInfoOnClock);
    if (index >= 0)
        FMenus.InfoOn->setText(tr("&Info on %1...").arg(FWorld.Clock(index).Name));
    FMenus.InfoOn->setVisible(index >= 0);
}

void TClocksForm::InfoOnClick()
{
    OpenOptions();
    const int index = FColumn->IndexOf(FInfoOnClock);
    if (index >= 0 && index < FWorld.Count())
        Q_EMIT ClockInfoRequested(FWorld.Clock(index));
}

void TClocksForm::ShowWindowMenu(const QPoint &globalPos)
{
    FMenus.Window->popup(globalPos, FMenus.InfoOn->isVisible() ? FMenus.InfoOn : nullptr);
}

void TClocksForm::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    // With no tray the window is the program; the state is stored on the way out.
    if (FStandalone && event->isAccepted())
        ExitClick();
}

void TClocksForm::ShowClockInfo(TZonedClock *clock)
{
    FInfoOnClock = clock;
    InfoOnClick();
}
