// The pin button's picture: the pin lying on its side while the window is
// free (Off), pushed in, seen from above, while it is pinned (On).
#pragma once

#include <QIcon>

QIcon PinIcon();
