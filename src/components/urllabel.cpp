#include "urllabel.h"

#include <QCursor>
#include <QDesktopServices>
#include <QGuiApplication>
#include <utility>

namespace {
TShellOpener &Opener()
{
    static TShellOpener opener;
    return opener;
}

// Restores the cursor on every way out, also when the opener throws.
class TBusyCursor
{
public:
    TBusyCursor() { QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~TBusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    TBusyCursor(const TBusyCursor &) = delete;
    TBusyCursor &operator=(const TBusyCursor &) = delete;
};
} // namespace

void ShellOpen(const QString &target)
{
    const QUrl url(target.trimmed(), QUrl::TolerantMode);
    // An empty or unparsable address would make the desktop open its file
    // manager or report an error of its own; there is nothing to open.
    if (!url.isValid() || url.scheme().isEmpty())
        return;
    TBusyCursor busy;
    if (Opener())
        Opener()(url);
    else
        QDesktopServices::openUrl(url);
}

TShellOpener SetShellOpener(TShellOpener opener)
{
    return std::exchange(Opener(), std::move(opener));
}
