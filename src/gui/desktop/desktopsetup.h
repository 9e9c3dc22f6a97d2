// What the program asks of the desktop before it builds a window.
#pragma once

// Picks the display connection and its transport. Call before the
// application object exists; an explicit QT_QPA_PLATFORM is left alone.
void ChooseDisplayPlatform();

// The program talks to a Wayland compositor itself (not through XWayland):
// windows are placed by the compositor, which never tells where.
bool NativeWayland();

// Makes Tahoma, the clocks' design font, available when the system has
// none but Debian's metric-compatible copy is installed. Call after the
// application object exists and before any window is built.
void RegisterDesignFont();
