#include "gui/clocks/windowmenu.h"

#include "core/clocks/worldclocks.h"
#include "gui/clocks/clockcolumn.h"
#include "gui/widgets/zonedclock.h"

#include <QAction>
#include <QMenu>
#include <utility>

TWindowMenu::TWindowMenu(QMenu &menu, QAction &infoOn, const TClockColumn &column,
                         const TWorldClocks &world, std::function<TZonedClock *()> clockUnderMouse)
    : QObject(&menu), FMenu(menu), FInfoOn(infoOn), FColumn(column), FWorld(world),
      FClockUnderMouse(std::move(clockUnderMouse))
{
    connect(&FMenu, &QMenu::aboutToShow, this, [this] {
        // Opened some other way than by PopUp: for the clock under the mouse.
        if (!FChosen)
            Choose(FClockUnderMouse());
    });
}

int TWindowMenu::ChosenIndex() const
{
    const int index = FColumn.IndexOf(FClock);
    return index < FWorld.Count() ? index : -1;
}

void TWindowMenu::Choose(TZonedClock *clock)
{
    FClock = clock;
    const int index = ChosenIndex();
    if (index >= 0)
        FInfoOn.setText(tr("&Info on %1...").arg(FWorld.Clock(index).Name));
    FInfoOn.setVisible(index >= 0);
}

void TWindowMenu::PopUp(const QPoint &globalPos, TZonedClock *clock)
{
    Choose(clock);
    FChosen = true;
    FMenu.popup(globalPos, FInfoOn.isVisible() ? &FInfoOn : nullptr);
    FChosen = false;
}

void TWindowMenu::PopUpFromKeyboard(QWidget &window)
{
    // The Menu key can come as a key and as a context menu request at once.
    if (FMenu.isVisible())
        return;
    QWidget *focused = window.focusWidget();
    if (focused == nullptr || !window.isAncestorOf(focused))
        focused = &window;
    const int index = FColumn.IndexOf(focused);
    // Under the part that has the focus, where the eyes are.
    PopUp(focused->mapToGlobal(QPoint(0, focused->height())),
          index >= 0 ? FColumn.Clocks()[index] : nullptr);
    // Opened by a key, its first entry is chosen: Enter takes it, a screen
    // reader reads it.
    for (QAction *action : FMenu.actions())
        if (action->isVisible() && !action->isSeparator()) {
            FMenu.setActiveAction(action);
            break;
        }
}
