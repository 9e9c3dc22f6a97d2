// The pictures and pages compiled into the program.
#pragma once

#include <QIcon>

// Registers the program's compiled-in resources (":/..."). They live in a
// static library, whose automatic registration the linker may drop, so every
// loader calls this first; calls after the first do nothing.
void EnsureVorkelResources();

// The "trayxp" clock face in every size drawn for it (16 to 64 pixels), so
// HiDPI trays get a sharp picture instead of a scaled 16-pixel one.
QIcon TrayXpIcon();
