// How screen readers see the "World Times" window.
#pragma once

// The window is read as a window by its caption: left to Qt, a plain widget
// is a nameless filler that screen readers pass over. Installed once, for
// every clocks window.
void ReadAsWindow();
