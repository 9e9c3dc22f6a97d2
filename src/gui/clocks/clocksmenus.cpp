#include "gui/clocks/clocksmenus.h"

#include "gui/clocks/clocksform.h"

#include <QAction>

TClocksMenus CreateClocksMenus(TClocksForm &form)
{
    TClocksMenus menus;
    menus.Tray = std::make_unique<QMenu>();
    QMenu &tray = *menus.Tray;
    tray.setDefaultAction(
        tray.addAction(TClocksForm::tr("Show Clocks"), &form, &TClocksForm::ShowClocksClick));
    tray.addAction(TClocksForm::tr("Options..."), &form, &TClocksForm::OpenOptions);
    tray.addSeparator();
    tray.addAction(TClocksForm::tr("About..."), &form, &TClocksForm::AboutRequested);
    tray.addAction(TClocksForm::tr("E&xit"), &form, &TClocksForm::ExitClick);

    menus.Window = new QMenu(&form);
    QMenu &window = *menus.Window;
    menus.InfoOn =
        window.addAction(TClocksForm::tr("&Info on XXX..."), &form, &TClocksForm::InfoOnClick);
    window.setDefaultAction(menus.InfoOn);
    window.addAction(TClocksForm::tr("&Options..."), &form, &TClocksForm::OpenOptions);
    window.addAction(TClocksForm::tr("Hi&de"), &form, &TClocksForm::HideClocks);
    window.addSeparator();
    window.addAction(TClocksForm::tr("&About..."), &form, &TClocksForm::AboutRequested);
    window.addAction(TClocksForm::tr("&Help"), &form, &TClocksForm::HelpClick);
    window.addAction(TClocksForm::tr("E&xit"), &form, &TClocksForm::ExitClick);
    return menus;
}
