#include "clocksapp.h"

#include "core/clocks/traywatch.h"
#include "core/system/memoryrelease.h"
#include "core/system/sessionsignals.h"
#include "gui/clocks/clocksform.h"
#include "gui/desktop/helpviewer.h"
#include "gui/desktop/windowfront.h"
#include "gui/options/zoneform.h"
#include "gui/tray/systrayicon.h"
#include "gui/widgets/aboutform.h"
#include "gui/widgets/messagedialog.h"

#include <QFile>
#include <QPixmapCache>
#include <QStandardPaths>
#include <QTimer>

TClocksApp::TClocksApp()
    : FSysTrayIcon(std::make_unique<TSysTrayIcon>()),
      FClocksForm(std::make_unique<TClocksForm>(*FSysTrayIcon)),
      FTrayWatch(std::make_unique<TTrayWatch>([this] { return FSysTrayIcon->TrayAvailable(); }))
{
    TClocksForm *form = FClocksForm.get();
    connect(form, &TClocksForm::OptionsRequested, this, &TClocksApp::OpenOptions);
    connect(form, &TClocksForm::ClockInfoRequested, this, &TClocksApp::SelectClock);
    connect(form, &TClocksForm::AboutRequested, this, &TClocksApp::ShowAbout);
    connect(form, &TClocksForm::HelpRequested, this, &TClocksApp::ShowHelp);
    connect(FTrayWatch.get(), &TTrayWatch::Missing, this, &TClocksApp::TrayMissing);
    connect(FTrayWatch.get(), &TTrayWatch::Appeared, this, &TClocksApp::TrayAppeared);
    if (!form->Terminating())
        FTrayWatch->Start();
}

TClocksApp::~TClocksApp()
{
    // Top-level windows without a parent: nothing else frees them.
    delete FZoneForm.data();
    delete FAboutForm.data();
    delete FHelpViewer.data();
}

TZoneForm *TClocksApp::ZoneForm() const
{
    return FZoneForm;
}

TAboutForm *TClocksApp::AboutForm() const
{
    return FAboutForm;
}

THelpViewer *TClocksApp::HelpViewer() const
{
    return FHelpViewer;
}

bool TClocksApp::Terminating() const
{
    return FClocksForm->Terminating();
}

void TClocksApp::OpenOptions()
{
    if (FZoneForm.isNull()) {
        // Modeless, and deleted once closed; forgotten as soon as it closes,
        // so a new one may open while the old one is still being deleted.
        FZoneForm = new TZoneForm(TWorldClocks::ZoneFilePath(), FClocksForm->ShownState());
        connect(FZoneForm, &TZoneForm::ChangesApplied, FClocksForm.get(),
                &TClocksForm::ApplyChanges);
        connect(FZoneForm, &TZoneForm::HelpRequested, this, &TClocksApp::ShowHelp);
        connect(FZoneForm, &QDialog::finished, this, [this] { FZoneForm = nullptr; });
        // The dialog's search, models and pixmaps are freed with it, but the
        // allocator and the pixmap cache would keep their room for the rest
        // of the session. Deferred: the dialog's last pieces go after it.
        connect(FZoneForm, &QObject::destroyed, this, [this] {
            QTimer::singleShot(0, this, [] {
                QPixmapCache::clear();
                ReleaseFreeHeap();
            });
        });
    }
    BringToFront(*FZoneForm);
}

void TClocksApp::SelectClock(const TCustomisedTimeZone &clock)
{
    if (FZoneForm != nullptr)
        FZoneForm->SelectClock(TWorldClocks::FindMatchingClock(FZoneForm->ClockList(), clock));
}

void TClocksApp::ShowClocksActive()
{
    TClocksForm &form = *FClocksForm;
    form.ShowClocksClick();
    // Shown already (pinned, or open), it only comes to the front.
    if (form.isVisible()) {
        BringToFront(form);
        // A second start is how the keyboard reaches the window.
        form.SetFocusShown(true);
    }
}

void TClocksApp::ShowAbout()
{
    if (!FAboutForm.isNull()) {
        BringToFront(*FAboutForm);
        return;
    }
    // No owner window: it frees itself when closed, or here at the end.
    FAboutForm = new TAboutForm();
    PrepareModalBox(*FAboutForm);
    // Like a message box, it gives way when the program is asked to end.
    connect(&TTermination::Instance(), &TTermination::Arrived, FAboutForm.data(), &QDialog::reject);
    FAboutForm->exec();
}

void TClocksApp::ShowHelp(const QString &keyword)
{
    if (FHelpViewer.isNull()) {
        // A window of its own, like the dialog: its pages' memory goes when
        // the user closes it.
        FHelpViewer = new THelpViewer();
        FHelpViewer->setAttribute(Qt::WA_DeleteOnClose);
    }
    FHelpViewer->ShowTopic(keyword);
}

QString TClocksApp::NoTrayToldMarker()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        return {};
    return folder + QStringLiteral("/vorkelclocks-no-tray-told");
}

void TClocksApp::TrayMissing()
{
    FClocksForm->SetStandalone(true);
    if (const QString marker = NoTrayToldMarker(); !marker.isEmpty()) {
        if (QFile::exists(marker))
            return;
        // Marked before the box is shown: a second copy started meanwhile
        // need not say it again.
        QFile file(marker);
        if (file.open(QIODevice::WriteOnly))
            file.close();
    }
    MessageDlg(tr("No notification area was found on this desktop, so Vorkel Clocks shows "
                  "its clocks in this window.\nClosing this window ends the program."),
               TMsgDlgType::Information, QMessageBox::Ok, FClocksForm.get());
}

void TClocksApp::TrayAppeared()
{
    FClocksForm->SetStandalone(false);
}
