// Handing web and mail addresses to the desktop.
#pragma once

#include <QString>
#include <QUrl>
#include <functional>

// Opens a web or "mailto:" address with the user's browser or mail program,
// with the busy cursor up meanwhile. Failures are not reported.
void ShellOpen(const QString &target);

// Test hook: the function ShellOpen hands the address to (by default
// QDesktopServices::openUrl). Returns the one it replaces; an empty
// function restores the default.
using TShellOpener = std::function<bool(const QUrl &)>;
TShellOpener SetShellOpener(TShellOpener opener);
