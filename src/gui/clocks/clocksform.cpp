#include "gui/clocks/clocksform.h"

#include "core/clocks/placement.h"
#include "core/settings/settings.h"
#include "core/settings/storedsettings.h"
#include "core/system/sessionsignals.h"
#include "core/time/datetimeformat.h"
#include "core/zones/zonetexts.h"
#include "gui/clocks/clockcolumn.h"
#include "gui/clocks/clocksaccessible.h"
#include "gui/clocks/clocksalarm.h"
#include "gui/clocks/clocksinput.h"
#include "gui/clocks/clocksmenus.h"
#include "gui/clocks/clockspopup.h"
#include "gui/clocks/focusmarker.h"
#include "gui/clocks/popupwindow.h"
#include "gui/clocks/windowmenu.h"
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

void TClocksForm::CreateComponents()
{
    // The form's pictures are compiled-in resources.
    EnsureVorkelResources();
    ReadAsWindow();
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
    FInput = new TClocksInput(*this, FLookAhead, *FUi->PanelBrand, *FUi->BtnPin);
    FColumn = std::make_unique<TClockColumn>(*FUi->LblTitle, *FUi->ZonedClock, *FUi->BtnPin, FWorld,
                                             *FInput);
    FInput->SetColumn(*FColumn);

    // A carriage return, which a form cannot hold: the date under the time.
    FUi->ZonedClock->SetDateTimeSeparator(QStringLiteral("\r"));
    FUi->BtnPin->setIcon(PinIcon());
    connect(FUi->BtnPin, &QToolButton::clicked, this, &TClocksForm::StoreWindowState);
    FFocusMarker = new TFocusMarker(*this, *FColumn, *FUi->BtnPin, *FUi->BrandStrip);

    FAlarm = new TClocksAlarm(FWorld, *FColumn, *FUi->ImgAlarm, *this);
    connect(FAlarm, &TClocksAlarm::ShowClocksRequested, this, [this] { BringToFront(*this); });
    connect(FAlarm, &TClocksAlarm::WindowWanted, this, [this] {
        FPopup->SetTaskButtonHidden(false);
        ShowClocks();
        raise();
        activateWindow();
    });
    connect(FAlarm, &TClocksAlarm::BoxClosed, this, [this] { FPopup->SetTaskButtonHidden(true); });
    FPopup = new TClocksPopup(*this, *FSysTrayIcon, [this] {
        return Pinned() || FAlarm->BoxShowing() || FInput->SystemMoving();
    });

    // The whole panel answers a click, its caption included.
    FUi->LblBrand->setAttribute(Qt::WA_TransparentForMouseEvents);
    FUi->BrandRule->setAttribute(Qt::WA_TransparentForMouseEvents);

    FTimer = new QTimer(this);
    FTimer->setSingleShot(true);
    // A coarse timer may fire early and show the same second twice.
    FTimer->setTimerType(Qt::PreciseTimer);
    connect(FTimer, &QTimer::timeout, this, &TClocksForm::UpdateClocks);
}

void TClocksForm::CreateMenus()
{
    FMenus = CreateClocksMenus(*this);
    FWindowMenu = new TWindowMenu(*FMenus.Window, *FMenus.InfoOn, *FColumn, FWorld,
                                  [this] { return ClockUnderCursor(); });
    FUi->ZonedClock->SetPopupMenu(FMenus.Window);
    FSysTrayIcon->SetPopupMenu(FMenus.Tray.get());
    connect(FSysTrayIcon, &TSysTrayIcon::Click, this, &TClocksForm::ShowClocksClick);
    connect(FSysTrayIcon, &TSysTrayIcon::DblClick, this, &TClocksForm::OpenOptions);
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
                    FPopup->ApplicationActivated(); // the user came straight back
                    FInput->SystemMoveOver();
                }
            });

    if (const QIcon icon = TrayIconPicture(); !icon.isNull())
        FSysTrayIcon->SetIcon(icon);
    FSysTrayIcon->SetIconVisible(true);
    if (lcClocks().isDebugEnabled())
        ReportDocking(*FSysTrayIcon, *this);

    FUi->LblBrand->setText(BrandPanelCaption.toString());
    FUi->BrandStrip->setToolTip(BrandStripHint.toString());
    BuildSideWatermark();

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

void TClocksForm::LoadClocks()
{
    try {
        FWorld.LoadClocks(TWorldClocks::ZoneFilePath());
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
    FColumn->UpdateTitles(FLookAhead.ShownUTC(NowUTC()), FColumn->All());
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
    ArrangeClocks(); // the alarm picture with it
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

bool TClocksForm::Pinned() const
{
    return FUi->BtnPin->isChecked();
}

void TClocksForm::SetPinned(bool pinned)
{
    FUi->BtnPin->setChecked(pinned);
}

bool TClocksForm::TaskButtonHidden() const
{
    return FPopup->TaskButtonHidden();
}

bool TClocksForm::AlarmShowing() const
{
    return FAlarm->BoxShowing();
}

void TClocksForm::SetStandalone(bool standalone)
{
    FPopup->SetStandalone(standalone);
    if (standalone)
        ShowClocks();
}

void TClocksForm::UpdateClocks()
{
    FTimer->stop();
    if (FLookAhead.ExpireIfIdle())
        ApplyLookAhead();
    if (isVisible())
        RefreshClocks();

    if (FWorld.TakeDueAlarm())
        FAlarm->Ring();

    // Hidden and with no alarm to watch there is nothing to tick for.
    if (FWorld.NeedsTicks(isVisible()))
        FTimer->start(1000 - LocalMilliseconds());
}

void TClocksForm::RefreshClocks()
{
    UpdateClockTexts();
    FitWidth();
}

void TClocksForm::UpdateClockTexts()
{
    QRect onScreens;
    for (const QScreen *screen : QGuiApplication::screens())
        onScreens |= screen->geometry().intersected(geometry());
    const TClockColumn::TRange range = FColumn->Within(onScreens.translated(-pos()));
    FColumn->UpdateTexts(range);
    FColumn->UpdateTitles(FLookAhead.ShownUTC(NowUTC()), range);
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
        move(KeptOnScreens(geometry()));
    if (!Pinned())
        FPopup->PlaceBesideTray();
    FPopup->ShowNow();
    // The keyboard starts at the top clock, which a screen reader reads at once.
    FColumn->Clocks().front()->setFocus(Qt::ActiveWindowFocusReason);
}

void TClocksForm::SetFocusShown(bool shown)
{
    FFocusMarker->SetShown(shown);
}

bool TClocksForm::FocusShown() const
{
    return FFocusMarker->Shown();
}

void TClocksForm::HideClocks()
{
    FPopup->Hide();
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
        FPopup->ApplicationActivated();
        UpdateClocks();
        qCDebug(lcClocks).noquote() << QStringLiteral("window shown at %1,%2 %3x%4")
                                           .arg(x())
                                           .arg(y())
                                           .arg(width())
                                           .arg(height());
    }
}

void TClocksForm::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    // Clocks that come into sight are brought up to date at once.
    if (isVisible())
        UpdateClockTexts();
}

void TClocksForm::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    SetFocusShown(false);
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

void TClocksForm::ExitClick()
{
    // From the tray menu while a start-up box is up a plain quit() is lost.
    TTermination::Instance().Request();
}

void TClocksForm::HelpClick()
{
    Q_EMIT HelpRequested(QStringLiteral("AContents"));
}

void TClocksForm::ApplicationDeactivate()
{
    FPopup->ApplicationDeactivated();
}

void TClocksForm::ArrangeClocks()
{
    const int bottom = FColumn->Arrange(FUi->BrandStrip->x() + FUi->BrandStrip->width() + 10);
    FContentHeight = std::max(FDesignMinimum.height(), bottom + BrandPanelHeight());
    FPopup->Resize(FDesignMinimum, QSize(width(), FContentHeight));
    // The clocks may have moved (a stored font is applied after the alarm
    // is loaded): the picture follows its clock instead of covering another.
    FAlarm->UpdatePicture();
    // A hidden window gets its resize event, which lays the form out, only
    // when shown: lay it out now, so the strip's picture is painted for the
    // height it will have.
    layout()->setGeometry(rect());
    BuildSideWatermark();
    FFocusMarker->Follow();
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
    FPopup->Resize(FDesignMinimum, QSize(std::max(FDesignMinimum.width(), width), h));
}

void TClocksForm::FitWidth()
{
    const QRect pin = FUi->BtnPin->geometry();
    int w = std::max(width(), FColumn->RightEdge(pin));
    if (FUi->ImgAlarm->isVisibleTo(this))
        w = std::max(w, TClockColumn::RightEdgeOf(FUi->ImgAlarm->geometry(), pin));
    const bool widened = w != width();
    SetClientWidth(w);
    if (widened)
        FFocusMarker->Follow();

    // Moved only by what keeping it inside takes: geometry() leaves out the
    // frame that move() counts in, and a framed window crept down by its
    // title bar on every refresh.
    if (!Pinned())
        move(pos() + KeptInsideItsScreen(geometry()) - geometry().topLeft());
}

QString TClocksForm::ClockHint(int index) const
{
    return FColumn->Hint(index, NowUTC());
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

void TClocksForm::InfoOnClick()
{
    OpenOptions();
    if (const int index = FWindowMenu->ChosenIndex(); index >= 0)
        Q_EMIT ClockInfoRequested(FWorld.Clock(index));
}

void TClocksForm::ShowWindowMenu(const QPoint &globalPos)
{
    FWindowMenu->PopUp(globalPos, ClockUnderCursor());
}

void TClocksForm::ShowKeyboardMenu()
{
    FWindowMenu->PopUpFromKeyboard(*this);
}

void TClocksForm::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    // With no tray the window is the program; the state is stored on the way out.
    if (FPopup->Standalone() && event->isAccepted())
        ExitClick();
}

void TClocksForm::ShowClockInfo(TZonedClock *clock)
{
    FWindowMenu->Choose(clock);
    InfoOnClick();
}
