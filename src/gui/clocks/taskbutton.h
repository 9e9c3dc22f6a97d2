// Keeping the clocks window out of the taskbar and the pager.
#pragma once

class QWidget;

// Marks a hidden top-level window, before it is shown, to be left out of
// taskbars and pagers. A tool window alone is not enough for every X11
// window manager; the marks are dropped when a window is hidden, so this
// goes before every show. Does nothing where the desktop is not X11.
void HideTaskButtonBeforeShow(QWidget &window);

// Asks the window manager, for a shown always-on-top window, to keep it on
// top and out of (or back in) taskbars and pagers. A window hidden and
// shown again at once can overtake the window manager's handling of the
// hiding, which then drops the states set before the showing.
void RequestWindowStates(QWidget &window, bool skipTaskbar);

// Whether the window manager has mapped the shown window yet: a window whose
// kind changed is hidden and shown again, and until the window manager has
// handled both it has no focus. True where the desktop is not X11.
bool MappedByWindowManager(QWidget &window);
