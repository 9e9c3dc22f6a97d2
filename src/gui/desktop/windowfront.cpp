#include "windowfront.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace {
const char *const ReturnerName = "vorkelActivationReturn";

// A window that closes leaves the focus to the window manager, which passes
// over tool windows and may give it to another program; the window the user
// came from, never active again, would then never see its deactivation and,
// as a pop-up, would stay on screen.
class TActivationReturn : public QObject
{
public:
    explicit TActivationReturn(QWidget &window) : QObject(&window)
    {
        setObjectName(QLatin1String(ReturnerName));
        window.installEventFilter(this);
    }
    void SetOwner(QWidget *owner) { FOwner = owner; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Hide && watched == parent() && !FOwner.isNull()) {
            // Once the window is gone: while it still holds the focus the
            // request goes straight to the X server, and the window manager,
            // moving the focus away from the closed window, overrides it.
            const QPointer<QWidget> owner = FOwner;
            QTimer::singleShot(0, owner.data(), [owner] {
                if (owner && owner->isVisible())
                    owner->activateWindow();
            });
        }
        return false;
    }

private:
    QPointer<QWidget> FOwner;
};

QWidget *OwnerOr(QWidget *owner, const QWidget &window)
{
    if (owner == nullptr)
        owner = QApplication::activeWindow();
    return owner == &window ? nullptr : owner;
}
} // namespace

void BringToFront(QWidget &window)
{
    if (window.isMinimized())
        window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.show();
    window.raise();
    window.activateWindow();
}

void PrepareModalBox(QWidget &box, QWidget *owner)
{
    owner = OwnerOr(owner, box);
    // Application-modal would also block the tray icon's window and its menu.
    box.setWindowModality(Qt::WindowModal);
    if (owner != nullptr && owner->windowHandle() != nullptr) {
        box.winId();
        box.windowHandle()->setTransientParent(owner->windowHandle());
    }
    ReturnActivationOnHide(box, owner);
}

void ReturnActivationOnHide(QWidget &window, QWidget *owner)
{
    // Shown again from within itself: the owner it has stays.
    if (owner == nullptr && QApplication::activeWindow() == &window)
        return;
    owner = OwnerOr(owner, window);
    auto *returner = dynamic_cast<TActivationReturn *>(
        window.findChild<QObject *>(QLatin1String(ReturnerName), Qt::FindDirectChildrenOnly));
    if (returner == nullptr)
        returner = new TActivationReturn(window); // owned by window
    returner->SetOwner(owner);
}
