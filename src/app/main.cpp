// The program: one owner of a tray icon and a hidden clocks window.
#include "core/settings/settings.h"
#include "core/system/applicationid.h"
#include "core/system/sessionsignals.h"
#include "core/system/singleinstance.h"
#include "core/time/formatsettings.h"
#include "gui/clocks/clocksapp.h"
#include "gui/desktop/desktopsetup.h"
#include "gui/desktop/translations.h"
#include "gui/widgets/messagedialog.h"

#include <QApplication>

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

    const TSingleInstance instance;
    if (!instance.First()) {
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

    const TClocksApp clocks;
    if (clocks.Terminating())
        return 1;
    // A signal during a start-up box: the event loop would not hear of it.
    if (TTermination::Instance().Requested())
        return 0;
    return QApplication::exec();
}
