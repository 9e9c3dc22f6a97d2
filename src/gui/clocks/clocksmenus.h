// The two menus of the clocks window: the tray icon's ("Show Clocks",
// "Options...", "About...", "Exit") and the window's own, whose first entry
// names the clock under the mouse.
#pragma once

#include <QMenu>
#include <memory>

class QAction;
class TClocksForm;

struct TClocksMenus
{
    // No child of the window: a box modal for the window would block it too.
    std::unique_ptr<QMenu> Tray;
    QMenu *Window = nullptr; // a child of the window
    QAction *InfoOn = nullptr;
};

// Both menus, their entries calling form's slots.
TClocksMenus CreateClocksMenus(TClocksForm &form);
