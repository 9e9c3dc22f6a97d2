// The pictures and pages compiled into the program.
#pragma once

#include <QIcon>

// Registers the program's compiled-in resources (":/..."). They live in a
// static library, whose automatic registration the linker may drop, so every
// loader calls this first; calls after the first do nothing.
void EnsureVorkelResources();

// The tray icon's picture, with the larger sizes that keep it sharp in
// taller trays and on denser screens; null when the resources lack it.
QIcon TrayIconPicture();
