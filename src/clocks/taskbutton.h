// Keeping the clocks window out of the taskbar and the pager.
#pragma once

class QWidget;

// Marks a hidden top-level window, before it is shown, to be left out of
// taskbars and pagers. A tool window alone is not enough for every X11
// window manager; the marks are dropped when a window is hidden, so this
// goes before every show. Does nothing where the desktop is not X11.
void HideTaskButtonBeforeShow(QWidget &window);
