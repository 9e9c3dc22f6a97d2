// The program: one owner of a tray icon and a hidden clocks window.
#include "core/settings/autostart.h"
#include "core/settings/settings.h"
#include "core/system/applicationid.h"
#include "core/system/sessionsignals.h"
#include "core/system/singleinstance.h"
#include "core/time/formatsettings.h"
#include "gui/clocks/clocksapp.h"
#include "gui/desktop/applicationservice.h"
#include "gui/desktop/desktopsetup.h"
#include "gui/desktop/translations.h"
#include "gui/widgets/messagedialog.h"

#include <QApplication>
#include <QCommandLineParser>

int main(int argc, char *argv[])
{
    ChooseDisplayPlatform();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vorkel Clocks"));
    QApplication::setOrganizationName(QStringLiteral("Vorkel"));
    QApplication::setDesktopFileName(ApplicationId.toString());
    // The program lives in the tray: closing a window never ends it.
    QApplication::setQuitOnLastWindowClosed(false);
    QuitOnTerminationSignals(app);
    InstallTranslations(app);
    RegisterDesignFont();
    FormatSettings(); // the regional settings, read once

    QCommandLineParser arguments;
    arguments.setApplicationDescription(
        QCoreApplication::translate("main", "A world clock in the notification area."));
    arguments.addHelpOption();
    const QCommandLineOption optionsOption(
        QStringLiteral("options"),
        QCoreApplication::translate("main", "Open the options, in the copy already running if "
                                            "there is one."));
    arguments.addOption(optionsOption);
    arguments.process(app); // ends the program on --help or a wrong argument
    const bool wantOptions = arguments.isSet(optionsOption);

    const TSingleInstance instance;
    if (!instance.First()) {
        // Started again from the menu or a shortcut: the running copy shows
        // what was asked for, and this one has nothing more to do.
        if (TApplicationService::AskRunningCopy(
                wantOptions ? QLatin1String(TApplicationService::OptionsAction) : QString()))
            return 0;
        MessageDlg(QCoreApplication::translate("main", "Vorkel Clocks is already running."),
                   TMsgDlgType::Information, QMessageBox::Ok);
        return 0;
    }

    // Before anything reads or writes the settings: a file that is no text
    // is copied aside now, and the user told where, rather than lost.
    SetSettingsNoticeHandler([](const QString &message) {
        SoundMessageDlg(message, TMsgDlgType::Warning, QMessageBox::Ok);
    });
    try {
        KeepUnreadableSettings();
    } catch (const Exception &e) {
        // Not copied, so it is not written over either: every write says so.
        SoundMessageDlg(e.Message(), TMsgDlgType::Error, QMessageBox::Ok);
    }

    // An entry left by an earlier version under its old name: the session
    // would otherwise run it as it is, and the options could not switch it
    // off. Where it cannot be moved, the options still read and move it.
    RenameOldStartupEntry(QCoreApplication::applicationFilePath());

    TClocksApp clocks;
    if (clocks.Terminating())
        return 1;
    TApplicationService service;
    QObject::connect(&service, &TApplicationService::ShowRequested, &clocks,
                     &TClocksApp::ShowClocksActive);
    QObject::connect(&service, &TApplicationService::OptionsRequested, &clocks,
                     &TClocksApp::OpenOptions);
    // Without a session bus a second start says the program runs already.
    service.Register();
    if (wantOptions)
        QMetaObject::invokeMethod(&clocks, &TClocksApp::OpenOptions, Qt::QueuedConnection);
    // A signal during a start-up box: the event loop would not hear of it.
    if (TTermination::Instance().Requested())
        return 0;
    return QApplication::exec();
}
