// The pin button's picture: the pin lying on its side while the window is
// free (Off), pushed in, seen from above, while it is pinned (On); 12 by 12,
// drawn for scale 1 and 2.
#pragma once

#include <QIcon>

QIcon PinIcon();
