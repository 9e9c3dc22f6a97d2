// The program's application ID (reverse DNS of the maker's domain): the name
// of its desktop entry, AppStream metadata and theme icon, and the desktop
// file name it gives the display server, so docks match windows to entries.
#pragma once

#include <QStringView>

inline constexpr QStringView ApplicationId = u"example.vorkel.Clocks";
