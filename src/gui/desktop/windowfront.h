// How the program's own windows and boxes hand the activation around, so
// that the tray icon keeps working while a box is up and the window the
// user was in is active again after it.
#pragma once

class QWidget;

// Shows window in front and active; a minimised one is restored first, as
// show() and raise() leave it minimised.
void BringToFront(QWidget &window);

// Readies a box about to be shown modally: modal for owner (by default the
// window the user is in) and for nothing else, so the tray icon and the
// program's other windows keep answering; and owner is active again once
// the box hides.
void PrepareModalBox(QWidget &box, QWidget *owner = nullptr);

// The second half alone, for a window that is not modal (the manual): when
// window hides, owner (by default the window active now) is activated again
// if it is still shown. A later call replaces the earlier owner.
void ReturnActivationOnHide(QWidget &window, QWidget *owner = nullptr);
